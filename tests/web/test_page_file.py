#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page as a file, in no browser: the form's markup ahead of any script, its size, the licence
of the font it carries, and that the same sources make the same bytes."""

import os
import re
import subprocess
import sys
import tempfile
import time
import unittest
from html.parser import HTMLParser

sys.path.insert(0, os.path.dirname(__file__))
import browser  # noqa: E402

MAKE_PAGE = os.path.join(browser.SOURCE, "web", "make_page.py")


class PageFileTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(browser.PAGE, encoding="utf-8") as f:
            cls.page = f.read()

    def test_form_before_any_script(self):
        """Every control of the design, with its texts, is in the markup ahead of the page's
        script, so the browser paints the form before any script runs; the places are in the
        style, since the Content-Security-Policy refuses style attributes."""
        class Before(HTMLParser):
            def __init__(self):
                super().__init__()
                self.ids, self.styled, self.texts, self.script = set(), [], [], False

            def handle_starttag(self, tag, attrs):
                attrs = dict(attrs)
                self.script = self.script or tag == "script"
                if not self.script:
                    self.ids.add(attrs.get("id"))
                    if "style" in attrs:
                        self.styled.append(attrs.get("id", tag))

            def handle_data(self, data):
                if not self.script and data.strip():
                    self.texts.append(data.strip())

        before = Before()
        before.feed(self.page)
        self.assertTrue(before.script, "the page has its script")
        self.assertEqual({r["id"] for r in browser.DESIGN} - before.ids, set())
        self.assertEqual(before.styled, [])
        texts = browser.TEXTS
        for text in (texts["title"], texts["storedHeading"], *texts["intervalCaptions"],
                     *texts["methodCaptions"], texts["taskStatement"].replace("\r\n", "\n").strip(),
                     "prime-intervals.example.org\u00a0\u00a0" + texts["windowTitleEnd"]):
            self.assertIn(text, before.texts)

    def test_size(self):
        size = len(self.page.encode())
        font = sum(len(m) for m in re.findall(r"url\(data:font/[^)]*\)", self.page))
        self.assertGreater(font, 10000, "the page carries its font")
        self.assertLessEqual(size, 250 * 1024)
        self.assertLessEqual(size - font, 200 * 1024)

    def test_font_licence_as_written(self):
        comment = " ".join(self.page[self.page.index("<!--"):self.page.index("-->")].split())
        self.assertIn("SIL Open Font License", comment)
        self.assertIn("or substituting -- in part or in whole -- any of the components", comment)
        self.assertNotIn("?", comment, "a character of the licence lost")
        self.assertNotIn("debian.org", comment, "Debian's packagers hold no copyright in the font")

    def test_same_sources_same_bytes(self):
        """The font subset and the page, made twice, a second apart: the subset's time stamp
        is the source font's, not the clock's."""
        font = os.environ.get("WEB_FONT_SOURCE")
        licence = os.environ.get("WEB_FONT_COPYRIGHT")
        script = os.environ.get("WEB_SCRIPT")
        self.assertTrue(font and licence and script,
                        "WEB_FONT_SOURCE, WEB_FONT_COPYRIGHT and WEB_SCRIPT name the inputs")
        made = []
        with tempfile.TemporaryDirectory() as folder:
            for n in range(2):
                if n:
                    time.sleep(1.1)
                subset = os.path.join(folder, f"serif-{n}.woff2")
                out = os.path.join(folder, f"page-{n}.html")
                subprocess.run([sys.executable, MAKE_PAGE, "font", font, licence, subset],
                               check=True)
                web = os.path.join(browser.SOURCE, "web")
                # The form's markup, as the build wrote it beside the script.
                subprocess.run([sys.executable, MAKE_PAGE, "page",
                                os.path.join(web, "page.html"), os.path.join(web, "page.css"),
                                os.path.join(os.path.dirname(script), "form"),
                                os.path.join(web, "page.js"), script,
                                os.path.join(browser.SOURCE, "packaging", "icons",
                                             "prime-intervals.svg"),
                                "0", out, subset], check=True)
                with open(subset, "rb") as f, open(out, "rb") as g:
                    made.append((f.read(), g.read()))
        self.assertEqual(made[0][0], made[1][0], "the font subset")
        self.assertEqual(made[0][1], made[1][1], "the page")


if __name__ == "__main__":
    unittest.main(verbosity=2)
