#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the page's parts that are not compiled.

  make_page.py font SOURCE.ttf COPYRIGHT OUT.woff2
      The Cyrillic and Latin subset of a Liberation Serif of Debian's, renamed as the font's
      licence asks of a modified font, and the licence text beside it (OUT.woff2.txt).
  make_page.py page TEMPLATE STYLE SCRIPT VERSION OUT.html [FONT.woff2]
      The one HTML file: style and script inline, the WebAssembly inside the script, the font
      inside the style, and a Content-Security-Policy that lets nothing else in.
"""

import base64
import hashlib
import sys

# The embedded font's family: Liberation is a Reserved Font Name, which a subset may not carry.
FAMILY = "Prime Intervals Serif"
# Latin, Latin-1, Cyrillic, and the punctuation a Bulgarian text may use.
UNICODES = [*range(0x20, 0x7F), *range(0xA0, 0x100), *range(0x400, 0x460),
            *range(0x2010, 0x2027), 0x2030, 0x2039, 0x203A, 0x20AC, 0x2116, 0x2122]


def font(source, copyright_file, out):
    from fontTools import subset
    from fontTools.ttLib import TTFont

    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.hinting = False
    options.desubroutinize = True
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    options.notdef_outline = True
    tt = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=UNICODES)
    subsetter.subset(tt)
    names = tt["name"]
    for record in names.names:
        if record.nameID in (1, 16):
            record.string = FAMILY
        elif record.nameID in (3, 4):
            record.string = FAMILY + " Regular"
        elif record.nameID == 6:
            record.string = FAMILY.replace(" ", "") + "-Regular"
    subset.save_font(tt, out, options)

    # The licence, as Debian gives it, with what was changed.
    text = []
    keep = False
    for line in open(copyright_file, encoding="utf-8"):
        if line.startswith("Copyright:") or line.startswith("License: SIL-OFL-1.1"):
            keep = True
            text.append(line.split(":", 1)[1].strip() if ":" in line[:12] else line.strip())
            continue
        if keep and line.startswith(" "):
            text.append("" if line.strip() == "." else line[1:].rstrip())
        elif keep:
            keep = False
    notice = ("The font " + FAMILY + " in this page is a subset (Latin and Cyrillic) of "
              "Liberation Serif Regular, renamed because Liberation is a Reserved Font Name. "
              "It is licensed under the SIL Open Font License 1.1:\n\n" + "\n".join(text) + "\n")
    with open(out + ".txt", "w", encoding="utf-8") as f:
        f.write(notice.replace("--", "- -"))  # safe inside an HTML comment


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def page(template, style_file, script_file, version, out, font_file=None):
    html = open(template, encoding="utf-8").read()
    style = open(style_file, encoding="utf-8").read()
    script = open(script_file, encoding="utf-8").read()
    notice = ""
    if font_file:
        data = base64.b64encode(open(font_file, "rb").read()).decode()
        style = ('@font-face { font-family: "' + FAMILY + '"; font-display: block; '
                 'src: url(data:font/woff2;base64,' + data + ') format("woff2"); }\n' + style)
        notice = "\n\n" + open(font_file + ".txt", encoding="utf-8").read()
    if "</script" in script.lower() or "</style" in style.lower():
        sys.exit("make_page.py: the script or the style would end its element early")
    # Nothing but the page itself: its own script and style (by their hashes), the WebAssembly
    # compiled from the bytes in that script, which emscripten's loader may read through fetch()
    # from a data: address (Debian 12's does; Debian 13's decodes it directly), and the font from
    # the data: address in the style. A data: address holds its content: it reaches no server.
    csp = "; ".join([
        "default-src 'none'",
        "script-src " + sha256(script) + " 'wasm-unsafe-eval'",
        "style-src " + sha256(style),
        "connect-src data:",
        "font-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    for key, value in (("@VERSION@", version), ("@FONT_NOTICE@", notice), ("@CSP@", csp),
                       ("@STYLE@", style), ("@SCRIPT@", script)):
        html = html.replace(key, value, 1)
    with open(out, "w", encoding="utf-8") as f:
        f.write(html)


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "font":
        font(*sys.argv[2:])
    elif len(sys.argv) in (7, 8) and sys.argv[1] == "page":
        page(*sys.argv[2:])
    else:
        sys.exit(__doc__)
