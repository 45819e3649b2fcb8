#!/usr/bin/env python3
"""Converts an X window dump (xwd, 24/32-bit TrueColor, ZPixmap) to PNG.

    xwd -root -silent | scripts/xwd2png.py out.png [x y width height]
"""
import struct
import sys
import zlib


def main():
    data = sys.stdin.buffer.read()
    header = struct.unpack(">25I", data[:100])
    header_size, _, pixmap_format, depth, width, height = header[:6]
    byte_order = header[7]
    bits_per_pixel, bytes_per_line = header[11], header[12]
    ncolors = header[19]
    if pixmap_format != 2 or bits_per_pixel not in (24, 32):
        sys.exit("xwd2png: only 24- and 32-bit ZPixmap dumps are read")
    step = bits_per_pixel // 8
    pixels = data[header_size + ncolors * 12:]
    x0, y0, w, h = 0, 0, width, height
    if len(sys.argv) == 6:
        x0, y0, w, h = (int(v) for v in sys.argv[2:6])
    rows = []
    for y in range(y0, y0 + h):
        line = pixels[y * bytes_per_line + x0 * step:y * bytes_per_line + (x0 + w) * step]
        row = bytearray(b"\0")
        first = 0 if byte_order == 0 else step - 3  # LSB first: B G R
        channels = (first + 2, first + 1, first) if byte_order == 0 else (first, first + 1, first + 2)
        row += bytes(line[i + c] for i in range(0, len(line), step) for c in channels)
        rows.append(bytes(row))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b"")
    with open(sys.argv[1], "wb") as out:
        out.write(png)


if __name__ == "__main__":
    main()
