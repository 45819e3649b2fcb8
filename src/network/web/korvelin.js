// Korvelin's pages: the connection to the board and the seven-segment digits.
// Plain script, no framework, nothing fetched from anywhere but the board.
"use strict";

const SVG = "http://www.w3.org/2000/svg";

function svgElement(name, attributes) {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes || {}))
        element.setAttribute(key, value);
    return element;
}

// Keeps a WebSocket to the board open: every message goes to onMessage; while
// the board cannot be reached the banner says "Connection lost" (in the
// board's language once a message has named it) and the page tries again,
// every second at first, then less often.
function connectToBoard(path, onMessage) {
    const banner = document.createElement("div");
    banner.id = "connection";
    banner.textContent = "Connection lost";
    banner.hidden = true;
    document.body.appendChild(banner);
    let wait = 1000;
    let lostTimer = null;
    function open() {
        const scheme = location.protocol === "https:" ? "wss:" : "ws:";
        const socket = new WebSocket(scheme + "//" + location.host + path);
        socket.onopen = () => {
            wait = 1000;
        };
        socket.onmessage = (event) => {
            clearTimeout(lostTimer);
            banner.hidden = true;
            document.body.dataset.connected = "yes";
            try {
                const message = JSON.parse(event.data);
                if (typeof message.lost === "string")
                    banner.textContent = message.lost;
                onMessage(message);
            } catch (error) {
                console.error(error);
            }
        };
        socket.onclose = () => {
            document.body.dataset.connected = "no";
            // A moment's grace, so a quick reconnect does not flash the banner.
            lostTimer = setTimeout(() => {
                banner.hidden = false;
            }, 300);
            setTimeout(open, wait);
            wait = Math.min(wait * 2, 5000);
        };
    }
    open();
}

// Draws the digits of a display into an SVG group. `digit` is the board's
// own segment geometry for a cell 1000 high; cells are [x, y, w, h, char] in
// the display's own units.
function drawDigits(group, digit, cells, style, lit, unlit) {
    for (const [x, y, w, h, ch] of cells) {
        const scale = h / digit.h;
        const cell = svgElement("g", { transform: `translate(${x} ${y}) scale(${scale})` });
        if (ch === ":") {
            for (let i = 0; i < digit.colon.length; i += 2)
                cell.appendChild(svgElement("circle",
                    { cx: digit.colon[i], cy: digit.colon[i + 1], r: digit.colonDot / 2, fill: lit }));
        } else {
            const mask = digit.seg[ch] || 0;
            if (style === 1) {
                for (const litPass of [false, true]) {
                    for (let s = 0; s < 7; ++s) {
                        if (((mask & (1 << s)) !== 0) !== litPass)
                            continue;
                        const dots = digit.dots[s];
                        for (let i = 0; i < dots.length; i += 2)
                            cell.appendChild(svgElement("circle", {
                                cx: dots[i], cy: dots[i + 1], r: digit.dot / 2, fill: litPass ? lit : unlit
                            }));
                    }
                }
            } else {
                for (let s = 0; s < 7; ++s)
                    cell.appendChild(svgElement("polygon", {
                        points: digit.lines[s].join(" "), fill: (mask & (1 << s)) ? lit : unlit
                    }));
            }
        }
        group.appendChild(cell);
    }
}
