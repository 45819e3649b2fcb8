#!/usr/bin/env python3
"""Turns an operator's guide written in a small markup (UTF-8) into the rich
text the help window reads, in the look of the English korvelinhelpfile.rtf.

    python3 tools/guides/rtfguide.py tools/guides/de.txt data/korvelinhelpfile.de.rtf

Lines: '= title', '== heading', '=== subheading', '* bullet', '# numbered'
(numbered from 1 after each heading or blank line), anything else a
paragraph. Inline: **bold**, `command line`. Every character above ASCII
goes out as \\uN? so the file is plain ASCII in any code page."""
import re, sys

HEAD = r"""{\rtf1\ansi\ansicpg1252\deff0\uc1
{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\ftech\fcharset2 Symbol;}{\f2\fmodern\fcharset0 Courier New;}}
{\colortbl;\red0\green51\blue102;\red0\green102\blue153;\red64\green64\blue64;}
{\*\generator Korvelin guide;}
\viewkind4
"""
BODY = r"\pard\plain\sa120\sl276\slmult1\f0\fs22\cf3 "
BULLET = r"\pard\plain\fi-360\li720\sa60\sl276\slmult1\f0\fs22\cf3 {\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent360{\pntxtb\'b7}}"
TITLE = r"\pard\plain\qc\sb120\sa360\f0\fs40\b\cf1 "
H1 = r"\pard\plain\keepn\sb360\sa120\f0\fs30\b\cf1 "
H2 = r"\pard\plain\keepn\sb240\sa80\f0\fs24\b\cf2 "

def esc_text(s):
    out = []
    for ch in s:
        o = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif o < 128:
            out.append(ch)
        else:
            if o > 0xFFFF:
                raise SystemExit("character outside the BMP: %r" % ch)
            n = o if o < 32768 else o - 65536
            out.append("\\u%d?" % n)
    return "".join(out)

def inline(s):
    parts = re.split(r"(\*\*.+?\*\*|`.+?`)", s)
    out = []
    for p in parts:
        if p.startswith("**") and p.endswith("**") and len(p) > 4:
            out.append("{\\b " + esc_text(p[2:-2]) + "}")
        elif p.startswith("`") and p.endswith("`") and len(p) > 2:
            out.append("{\\f2 " + esc_text(p[1:-1]) + "}")
        else:
            out.append(esc_text(p))
    return "".join(out)

def convert(text):
    lines = [l.rstrip() for l in text.splitlines()]
    out = [HEAD]
    number = 0
    for l in lines:
        if not l.strip():
            number = 0
            continue
        if l.startswith("=== "):
            out.append(H2 + inline(l[4:]) + "\\par\n"); number = 0
        elif l.startswith("== "):
            out.append(H1 + inline(l[3:]) + "\\par\n"); number = 0
        elif l.startswith("= "):
            out.append(TITLE + inline(l[2:]) + "\\par\n"); number = 0
        elif l.startswith("* "):
            out.append(BULLET + inline(l[2:]) + "\\par\n")
        elif l.startswith("# "):
            number += 1
            out.append(r"\pard\plain\fi-360\li720\sa60\sl276\slmult1\f0\fs22\cf3 {\pntext %d.\tab}{\*\pn\pnlvlbody\pnf0\pnindent360\pnstart%d\pndec{\pntxta.}}" % (number, number) + inline(l[2:]) + "\\par\n")
        else:
            out.append(BODY + inline(l) + "\\par\n")
    out.append("}\n")
    return "".join(out)

if __name__ == "__main__":
    src, dst = sys.argv[1], sys.argv[2]
    data = convert(open(src, encoding="utf-8").read())
    data.encode("ascii")
    open(dst, "w", encoding="ascii", newline="\n").write(data)
