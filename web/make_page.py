#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the page's parts that are not compiled.

  make_page.py font SOURCE.ttf COPYRIGHT OUT.woff2
      The Cyrillic and Latin subset of a Liberation Serif of Debian's, renamed as the font's
      licence asks of a modified font, and the licence text beside it (OUT.woff2.txt).
  make_page.py page TEMPLATE STYLE FORM START SCRIPT ICON.svg VERSION OUT.html [FONT.woff2]
      The one HTML file: the form's markup (FORM.html, its title FORM.title and its style
      FORM.css, as page-markup wrote them from form/) before any script; style inline; the
      page's own script (START, page.js), which starts the program (SCRIPT, emscripten's, with
      the WebAssembly inside) once the form is painted, from the text it is kept as in the page;
      the font inside the style, the program's icon inside the page, and a
      Content-Security-Policy that lets nothing else in.

The same inputs give the same bytes: the subset keeps the time stamp of the font it is cut from,
not the time it is cut.
"""

import base64
import hashlib
import sys
from html import escape as html_escape

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
    tt = TTFont(source, recalcTimestamp=False)
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
        if line.startswith("Files:") and text:
            break  # the next stanza: Debian's packaging, under another licence
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
    # Debian's copy of the licence lost the two dashes of one sentence to "?"; the licence has
    # "substituting -- in part or in whole -- any of the components".
    notice = notice.replace("substituting ? in part or in whole ?",
                            "substituting -- in part or in whole --")
    with open(out + ".txt", "w", encoding="utf-8") as f:
        f.write(notice)


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def without_comments(script):
    """The page's own script without the lines that are only a comment, but for its licence:
    its comments are for its developers, who read them in web/page.js, and would be a twentieth of
    the page."""
    return "".join(line for line in script.splitlines(keepends=True)
                   if not line.lstrip().startswith("//") or line.startswith("// SPDX-"))


def page(template, style_file, form, start_file, script_file, icon_file, version, out,
         font_file=None):
    html = open(template, encoding="utf-8").read()
    icon = "data:image/svg+xml;base64," + base64.b64encode(open(icon_file, "rb").read()).decode()
    title = html_escape(open(form + ".title", encoding="utf-8").read(), quote=False)
    markup = open(form + ".html", encoding="utf-8").read().rstrip("\n")
    style = (open(style_file, encoding="utf-8").read()
             + open(form + ".css", encoding="utf-8").read())
    start = without_comments(open(start_file, encoding="utf-8").read())
    script = open(script_file, encoding="utf-8").read()
    notice = ""
    if font_file:
        data = base64.b64encode(open(font_file, "rb").read()).decode()
        style = ('@font-face { font-family: "' + FAMILY + '"; font-display: block; '
                 'src: url(data:font/woff2;base64,' + data + ') format("woff2"); }\n' + style)
        notice = "\n\n" + open(font_file + ".txt", encoding="utf-8").read()
    if any("</script" in s.lower() for s in (start, script)) or "</style" in style.lower():
        sys.exit("make_page.py: the script or the style would end its element early")
    # An HTML comment holds anything but these.
    if any(end in notice for end in ("-->", "--!>", "<!--")):
        sys.exit("make_page.py: the font's licence would end the page's comment early")
    # Nothing but the page itself: its own scripts and style (by their hashes), the WebAssembly
    # compiled from the bytes in that script, which emscripten's loader may read through fetch()
    # from a data: address (Debian 12's does; Debian 13's decodes it directly), the font from the
    # data: address in the style, and the icon from its own, which keeps the browser from asking
    # a server for /favicon.ico. A data: address holds its content: it reaches no server.
    csp = "; ".join([
        "default-src 'none'",
        "script-src " + sha256(start) + " " + sha256(script) + " 'wasm-unsafe-eval'",
        "style-src " + sha256(style),
        "connect-src data:",
        "font-src data:",
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    for key, value in (("@VERSION@", version), ("@FONT_NOTICE@", notice), ("@CSP@", csp),
                       ("@ICON@", icon), ("@TITLE@", title), ("@FORM@", markup),
                       ("@STYLE@", style), ("@START@", start), ("@SCRIPT@", script)):
        html = html.replace(key, value, 1)
    with open(out, "w", encoding="utf-8") as f:
        f.write(html)


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "font":
        font(*sys.argv[2:])
    elif len(sys.argv) in (10, 11) and sys.argv[1] == "page":
        page(*sys.argv[2:])
    else:
        sys.exit(__doc__)
