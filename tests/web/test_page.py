#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page from file://, in the browser engine named by WEB_ENGINE (chromium, firefox or webkit;
engines.py), driven as a person drives it (real clicks, taps and keys through the browser) and
read as a person and a screen reader read it (what it shows; Chromium's accessibility tree, or
the ARIA markup where the engine's driver gives no tree)."""

import os
import re
import sys
import threading
import unittest
import functools
import http.server

from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(__file__))
import browser  # noqa: E402
import engines  # noqa: E402
from browser import TEXTS, TIME  # noqa: E402


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.page = engines.start(screen_reader=True)

    @classmethod
    def tearDownClass(cls):
        cls.page.quit()

    def setUp(self):
        self.page.open()

    def cannot(self, what):
        """A check this engine's driver cannot make, reported as a skipped part of the test."""
        with self.subTest(what):
            self.skipTest(f"{self.page.name}: {what}")

    # What a person sees and does.

    def run_js(self, body, *args):
        return self.page.run(body, *args)

    def click(self, element_id, offset=(0, 0)):
        self.page.click(element_id, offset)

    def keys(self, *keys):
        self.page.keys(*keys)

    def shown(self, element_id):
        return self.run_js("return document.getElementById(arguments[0]).getClientRects().length"
                           " > 0", element_id)

    def rows(self, list_id):
        return self.run_js(
            "return Array.from(document.getElementById(arguments[0]).children, o => o.textContent)",
            list_id)

    def selected(self, list_id):
        """The selected row as a screen reader finds it: the list's active descendant, which
        must be the one option marked selected."""
        return self.run_js("""
            const list = document.getElementById(arguments[0]);
            const chosen = Array.from(list.children).flatMap(
                (o, i) => o.getAttribute('aria-selected') === 'true' ? [i] : []);
            const active = list.getAttribute('aria-activedescendant');
            const at = active ? Array.from(list.children).indexOf(document.getElementById(active))
                              : -1;
            return [chosen, at];""", list_id)

    def assert_selected(self, row):
        """The same row selected in both lists, and scrolled into view in each, as a list box on
        the desktop scrolls to its selection."""
        for list_id in ("List1(0)", "List1(1)"):
            chosen, active = self.selected(list_id)
            self.assertEqual(chosen, [row] if row >= 0 else [], list_id)
            self.assertEqual(active, row, list_id)
            if row >= 0:
                self.assertTrue(self.run_js("""
                    const list = document.getElementById(arguments[0]);
                    const row = list.children[arguments[1]].getBoundingClientRect();
                    const box = list.getBoundingClientRect();
                    return row.top >= box.top - 0.5 && row.bottom <= box.bottom + 0.5;""",
                    list_id, row), f"row {row} of {list_id} out of view")

    def focused(self):
        return self.run_js("return document.activeElement.id")

    def checked(self, group):
        return self.run_js(
            "return Array.from(document.getElementsByName(arguments[0]), r => r.checked)", group)

    def text_box(self):
        return self.run_js("return document.getElementById('Text1(0)').value")

    def times(self):
        return self.run_js("return [0, 1].map(i => "
                           "document.getElementById('Label2(' + i + ')').textContent)")

    def assert_interval_shown(self, interval, method):
        first, last = browser.INTERVALS[interval]
        primes = [str(p) for p in browser.sieve_primes(first, last)]
        self.assertEqual(self.rows("List1(0)"), primes, "the stored side")
        self.assertEqual(self.rows("List1(1)"), primes, "the computed side")
        caption = TEXTS["intervalCaptions"][interval]
        # A textarea gives its lines with LF, whatever they were written with.
        self.assertEqual(self.text_box(), f"{TEXTS['summaryBefore']}{caption}"
                         f"{TEXTS['summaryBetween']}{len(primes)}\n")
        for time in self.times():
            self.assertRegex(time, TIME, "a time is shown, never 0, in at most three digits")
        described = self.page.accessible("Label2(1)")["description"]
        self.assertIn(TEXTS["methodCaptions"][method], described)
        self.assertIn(f": {browser.operations_text(interval, method)}{TEXTS['computedTimeAfter']}",
                      described)

    # The tests.

    def test_opens_as_designed(self):
        self.assertEqual(self.run_js("return document.documentElement.lang"), "bg")
        host = "prime-intervals.example.org"
        self.assertEqual(self.run_js("return document.title"),
                         host + "\u00a0\u00a0" + TEXTS["windowTitleEnd"])
        self.assertEqual(self.focused(), "Text1(0)", "the focus starts on the text box")
        self.assertEqual(self.text_box(), TEXTS["taskStatement"].replace("\r\n", "\n"))
        self.assertEqual(self.checked("Option1"), [False] * 4)
        self.assertEqual(self.checked("Option2"), [False, False, True])
        self.assertEqual(self.rows("List1(0)"), [])
        self.assertEqual(self.rows("List1(1)"), [])
        for hidden in ("Text1(1)", "List2(0)", "List2(3)", "Label2(0)", "Label2(1)"):
            self.assertFalse(self.shown(hidden), hidden)
        text_box = self.page.accessible("Text1(0)")
        self.assertEqual(text_box["properties"].get("readonly"), True)
        self.assertEqual(text_box["properties"].get("multiline"), True)
        # Typing changes nothing in the read-only box.
        self.click("Text1(0)")
        self.keys("abc", Keys.ENTER, Keys.BACKSPACE)
        self.assertEqual(self.text_box(), TEXTS["taskStatement"].replace("\r\n", "\n"))
        self.assertEqual(self.run_js(
            "const s = getComputedStyle(document.getElementById('Text1(0)'));"
            "return [s.overflowY, s.overflowX]"), ["scroll", "hidden"])

    def test_layout_from_the_design(self):
        """Every shown control where the design puts it, at 15 twips to the pixel, in the
        design's colours and font; and at 200 % zoom, as on a projector, twice as large."""
        rects = self.layout()
        for r in browser.DESIGN:
            if r["visible"]:
                self.assertRectEqual(rects[r["id"]], r["rect"], r["id"])
        self.assertRectEqual(rects["MainForm"], (0, 0) + browser.FORM_SIZE, "the form")
        colours = self.run_js("""
            const colour = id => getComputedStyle(document.getElementById(id)).backgroundColor;
            return Object.fromEntries(arguments[0].map(id => [id, colour(id)]));""",
            [r["id"] + ("-box" if r["option"] else "")
             for r in browser.DESIGN if r["background"] is not None] + ["MainForm"])
        expected = {r["id"] + ("-box" if r["option"] else ""): r["background"]
                    for r in browser.DESIGN if r["background"] is not None}
        expected["MainForm"] = browser.FORM_COLOUR
        for control, rgb in expected.items():
            self.assertEqual(colours[control], f"rgb({rgb >> 16}, {(rgb >> 8) & 255}, {rgb & 255})",
                             control)
        font = self.run_js(
            "const s = getComputedStyle(document.getElementById('Option1(0)-box'));"
            "return [s.fontFamily, s.fontSize]")
        form = browser.FACTS["form"]
        self.assertTrue(font[0].startswith(f'"{form["font"]}", "Liberation Serif"'), font[0])
        self.assertEqual(font[1], f"{form['points'] * 4 / 3:g}px", f"{form['points']} pt")
        # A zoom of 200 %: half as many CSS pixels on the same screen, the form as designed in
        # them, so twice as large on the screen.
        if not self.page.viewport(500, 400, 2):
            self.cannot("a zoom of 200 %: its driver sets no pixel density")
            return
        try:
            self.assertEqual(self.run_js("return devicePixelRatio"), 2)
            zoomed = self.layout()
            for control in ("Text1(0)", "List1(1)", "Option2(2)"):
                self.assertRectEqual(zoomed[control], rects[control], control)
        finally:
            self.page.viewport(800, 600)

    def layout(self):
        """Each control's rectangle in CSS pixels, from its container's corner."""
        return self.run_js("""
            const form = document.getElementById('MainForm').getBoundingClientRect();
            const out = { MainForm: [0, 0, form.width, form.height] };
            for (const e of document.querySelectorAll('#MainForm *[id]')) {
                const box = e.id.endsWith('-box') || !document.getElementById(e.id + '-box')
                    ? e : document.getElementById(e.id + '-box');
                const r = box.getBoundingClientRect();
                const p = box.parentElement.getBoundingClientRect();
                out[e.id.replace(/-box$/, '')] = [r.left - p.left, r.top - p.top, r.width, r.height];
            }
            return out;""")

    def assertRectEqual(self, got, want, what, scale=1.0):
        for g, w in zip(got, want):
            self.assertAlmostEqual(g, w * scale, delta=0.51, msg=f"{what}: {got} against {want}")

    def test_interval_clicks_against_a_sieve(self):
        """Every interval with every bound: both lists, the summary, the times and what the
        computed time says it measured. A method click takes effect at the next interval."""
        for method in (2, 0, 1):
            if method != 2:
                self.click(f"Option2({method})")
                self.assertEqual(self.checked("Option2"), [i == method for i in range(3)])
            for interval in range(4):
                self.click(f"Option1({interval})")
                self.assertEqual(self.checked("Option1"), [i == interval for i in range(4)])
                self.assert_interval_shown(interval, method)
        # Clicking the chosen button again runs the handler again.
        self.click("Option2(2)")
        self.assert_interval_shown(3, 1)
        self.click("Option1(3)", offset=(60, 0))  # the right of its coloured rectangle
        self.assert_interval_shown(3, 2)
        # With Ctrl held too, as on the desktop (Firefox leaves such a click on a label alone).
        self.page.click("Option1(1)-box", (40, 0), (Keys.CONTROL,))
        self.assertEqual(self.focused(), "Option1(1)")
        self.assert_interval_shown(1, 2)

    def test_a_tap_before_the_program_attached(self):
        """The form shows before its program has attached: a tap and a key then are kept and
        carried out in order, not lost. The test page holds its program back (#held)."""
        self.page.get(browser.TEST_PAGE_URL + "#held")
        self.assertEqual(self.run_js(
            "return document.getElementById('MainForm').getAttribute('aria-busy')"), "true")
        self.click("Option1(1)")
        self.keys(Keys.DOWN)
        self.assertEqual(self.rows("List1(0)"), [], "nothing done before the program attached")
        # The program's script may itself come later than the taps, on a busy machine.
        self.run_js("""return new Promise(done => {
                const attached = () => document.getElementById('MainForm')
                    .hasAttribute('aria-busy') ? setTimeout(attached, 10) : done();
                const release = () => typeof releaseProgram === 'function'
                    ? (releaseProgram(), attached()) : setTimeout(release, 10);
                release(); });""")
        self.assertEqual(self.focused(), "Option1(2)")
        self.assert_interval_shown(2, 2)

    def test_times_are_measured_honestly(self):
        """The browser's clock moves in coarse steps (100 µs in Chromium without cross-origin
        isolation, 1 ms in Firefox and WebKit). On 1 - 10 each side takes a few hundred
        nanoseconds at most, far below one step: the logic must know its clock's step, so that the work is repeated
        while the clock moves on (for a few milliseconds at most), and the mean shown, with no
        more digits than the steps spanned warrant."""
        # Each change of the clock is a whole number of its steps, and more than one where the
        # script lost the processor between two readings, as it does on a busy machine: the
        # step is the smallest of a few changes.
        step = min(self.run_js(
            "const changes = []; let a = performance.now();"
            "while (changes.length < 8) {"
            "    const b = performance.now(); if (b !== a) { changes.push(b - a); a = b; } }"
            "return changes;"))
        self.assertGreaterEqual(step, 0.005, "the clock here is coarse, as in any browser")
        for click in range(3):
            self.click("Option1(0)")
            for label, time in zip(("Label2(0)", "Label2(1)"), self.times()):
                ns = browser.nanoseconds(time)
                # A figure measured, not the floor of a clock that never moved (copying four
                # short rows takes a few nanoseconds).
                self.assertGreater(ns, 1, time)
                self.assertLess(ns, step * 1e6 / 2, f"{time}: one step of the clock or more")
                # No more digits than the steps the runs spanned warrant (the shown figure is
                # rounded, hence the margin).
                runs = re.search(re.escape(TEXTS["meanOfRunsBefore"]) + r"([\d\u00a0]+)",
                                 self.page.accessible(label)["description"])
                spanned = (int(runs.group(1).replace("\u00a0", "")) if runs else 1) * ns / (
                    step * 1e6) * 1.1
                number = time.split(" ")[0]
                # A whole number's trailing zeros only place its digits ("500 нс" is one).
                digits = len(re.sub(r"\D", "", number).lstrip("0") if "," in number
                             else number.strip("0"))
                self.assertLessEqual(digits, browser.digits_for(spanned),
                                     f"{label}: {time} from {spanned:.0f} steps")

    def test_rows_follow_each_other(self):
        self.click("Option1(2)")
        self.assert_selected(-1)
        # By mouse, on either side.
        self.click("List1(0)-2")
        self.assert_selected(2)
        self.click("List1(1)-0")
        self.assert_selected(0)
        # By the list's own keys, in the list that has the focus; the other list follows into
        # view, also past the rows it showed.
        self.assertEqual(self.focused(), "List1(1)")
        self.keys(Keys.DOWN, Keys.DOWN)
        self.assert_selected(2)
        self.keys(*[Keys.DOWN] * 6)
        self.assert_selected(8)
        self.keys(Keys.END)
        self.assert_selected(142)
        self.keys(Keys.UP)
        self.assert_selected(141)
        # A row clicked where the other list shows other rows.
        self.run_js("document.getElementById('List1(0)').scrollTop = 0")
        self.click("List1(0)-1")
        self.assert_selected(1)
        self.keys(Keys.HOME)
        self.assert_selected(0)
        # Page Down and Up step by the rows a list shows less one, so that the row selected
        # before stays in view.
        shown = self.run_js("""
            const list = document.getElementById('List1(0)');
            return Math.floor(list.clientHeight / list.children[0].offsetHeight);""")
        step = max(1, shown - 1)
        self.keys(Keys.PAGE_DOWN)
        self.assert_selected(step)
        self.keys(Keys.PAGE_DOWN)
        self.assert_selected(2 * step)
        self.keys(Keys.PAGE_UP)
        self.assert_selected(step)
        # Left, Right, Space and a modified key leave the selection as it is.
        for key in (Keys.LEFT, Keys.RIGHT, Keys.SPACE, (Keys.CONTROL, Keys.DOWN),
                    (Keys.ALT, Keys.END), (Keys.META, Keys.HOME)):
            self.keys(key)
            self.assert_selected(step)
        self.assertEqual(self.focused(), "List1(0)")
        # A new interval empties the selection; then Down selects the first row.
        self.click("Option1(1)")
        self.assert_selected(-1)
        self.keys(Keys.TAB)
        self.assertEqual(self.focused(), "List1(1)")
        self.keys(Keys.DOWN)
        self.assert_selected(0)

    def test_tab_order_and_arrows(self):
        order = ["Text1(0)", "List1(0)", "Option1(0)", "List1(1)", "Option2(2)"]
        for expected in order[1:] + order[:1]:
            self.keys(Keys.TAB)
            self.assertEqual(self.focused(), expected)
        for expected in reversed(order):
            self.keys((Keys.SHIFT, Keys.TAB))
            self.assertEqual(self.focused(), expected)
        self.assertEqual(self.checked("Option1"), [False] * 4, "Tab chooses nothing")
        self.assertEqual(self.rows("List1(0)"), [])
        # Arrows in a group choose the next button, round the group, and run its handler.
        self.keys(Keys.TAB, Keys.TAB)
        self.assertEqual(self.focused(), "Option1(0)")
        self.keys(Keys.UP)
        self.assertEqual(self.focused(), "Option1(3)")
        self.assert_interval_shown(3, 2)
        self.keys(Keys.RIGHT)
        self.assertEqual(self.focused(), "Option1(0)")
        self.assert_interval_shown(0, 2)
        self.keys(Keys.DOWN)
        self.assert_interval_shown(1, 2)
        # With Ctrl, Alt or the logo key an arrow does nothing there, neither the form's step nor
        # the browser's own.
        for modifier in (Keys.CONTROL, Keys.ALT, Keys.META):
            for arrow in (Keys.DOWN, Keys.LEFT):
                self.keys((modifier, arrow))
                self.assertEqual(self.focused(), "Option1(1)")
                self.assertEqual(self.checked("Option1"), [False, True, False, False])
        # The group is entered at its chosen button now, and Space chooses.
        self.keys(Keys.TAB, (Keys.SHIFT, Keys.TAB))
        self.assertEqual(self.focused(), "Option1(1)")
        self.keys(Keys.TAB, Keys.TAB, Keys.DOWN)
        self.assertEqual(self.focused(), "Option2(0)")
        self.assertEqual(self.checked("Option2"), [True, False, False])
        self.keys((Keys.SHIFT, Keys.TAB), (Keys.SHIFT, Keys.TAB), Keys.SPACE)
        self.assertEqual(self.focused(), "Option1(1)")
        self.assert_interval_shown(1, 0)

    def test_space_and_modified_keys(self):
        """Space clicks the focused button, also the chosen one, which fills the lists again;
        with Ctrl, Alt or the logo key neither Space nor Tab does anything."""
        # Before any choice, Tab enters the interval group at its first button, not chosen.
        self.keys(Keys.TAB, Keys.TAB)
        self.assertEqual(self.focused(), "Option1(0)")
        self.keys(Keys.SPACE)
        self.assertEqual(self.checked("Option1"), [True, False, False, False])
        self.assert_interval_shown(0, 2)
        self.click("Option1(1)")
        self.click("List1(0)-3")
        self.assert_selected(3)
        self.keys(Keys.TAB)
        self.assertEqual(self.focused(), "Option1(1)")
        for modifier in (Keys.CONTROL, Keys.ALT, Keys.META):
            for chord in ((modifier, Keys.TAB), (modifier, Keys.SHIFT, Keys.TAB),
                          (modifier, Keys.SPACE)):
                self.keys(chord)
                self.assertEqual(self.focused(), "Option1(1)")
                self.assert_selected(3)
        self.keys(Keys.SPACE)
        self.assertEqual(self.focused(), "Option1(1)")
        self.assert_selected(-1)
        self.assert_interval_shown(1, 2)

    def test_the_browsers_keys_stay_the_browsers(self):
        """Find, print, reload, the address bar and zoom pass through the page untouched, with a
        list, a button or the text box focused, also before the program has attached; the
        list's own keys still work. A listener of the test's, the last on the way, notes whether
        the page cancelled each key and cancels it itself: nothing is reloaded or printed."""
        chords = [(Keys.CONTROL, key) for key in "fprl+-0"] + [(Keys.ALT, "d")]
        listen = """
            if (!window.passed)
                window.addEventListener('keydown', event => {
                    if (event.key.length === 1) {
                        passed.push(event.defaultPrevented);
                        event.preventDefault();
                    }
                });
            window.passed = [];"""

        def assert_passed(where):
            self.run_js(listen)
            self.keys(*chords)
            # Each reached the window, and the page cancelled none.
            self.assertEqual(self.run_js("return passed"), [False] * len(chords), where)

        self.click("Option1(2)")
        self.click("List1(0)-2")
        self.assertEqual(self.focused(), "List1(0)")
        assert_passed("a list")
        self.keys(Keys.DOWN)
        self.assert_selected(3)
        for focus in ("Option1(2)", "Text1(0)"):
            self.run_js("document.getElementById(arguments[0]).focus()", focus)
            assert_passed(focus)
        self.assertEqual(self.checked("Option1"), [False, False, True, False])
        self.page.get(browser.TEST_PAGE_URL + "#held")
        self.run_js("document.getElementById('Text1(0)').focus()")
        assert_passed("before the program attached")

    def test_what_a_screen_reader_hears(self):
        """Names, roles and descriptions, from Chromium's accessibility tree, and in the engines
        whose drivers give none from the page's ARIA markup. Each list and group is named by
        the heading the design puts above it, each button by its caption."""
        if self.page.name != "chromium":
            self.cannot("the accessibility tree: its driver gives none, so the ARIA markup is "
                        "read instead")
        spoken = {
            "Text1(0)": ("textbox", TEXTS["textBoxName"], TEXTS["textBoxDescription"]),
            "List1(0)": ("listbox", TEXTS["storedHeading"], TEXTS["storedListDescription"]),
            "List1(1)": ("listbox", TEXTS["computedHeading"], TEXTS["computedListDescription"]),
            "Frame1": ("radiogroup", TEXTS["intervalHeading"], TEXTS["intervalGroupDescription"]),
            "Frame2": ("radiogroup", TEXTS["methodHeading"], TEXTS["methodGroupDescription"]),
        }
        for i, caption in enumerate(TEXTS["intervalCaptions"]):
            spoken[f"Option1({i})"] = ("radio", caption, TEXTS["intervalDescriptions"][i])
        for i, caption in enumerate(TEXTS["methodCaptions"]):
            spoken[f"Option2({i})"] = ("radio", caption, TEXTS["methodDescriptions"][i])
        for control, (role, name, description) in spoken.items():
            node = self.page.accessible(control)
            self.assertEqual((node["role"], node["name"], node["description"]),
                             (role, name, description), control)
        # The heading that names a list or group is the one above it on the screen.
        rects = self.layout()
        for control in ("List1(0)", "List1(1)", "Frame1", "Frame2"):
            heading = self.run_js("return document.getElementById(arguments[0])"
                                  ".getAttribute('aria-labelledby')", control)
            h, c = rects[heading], rects[control]
            self.assertAlmostEqual(h[1] + h[3], c[1], delta=2, msg=control)
            self.assertLess(abs((h[0] + h[2] / 2) - (c[0] + c[2] / 2)), c[2] / 2, control)
        # The engine's own view, through WebDriver's computed role and label.
        computed = self.page.computed("List1(0)")
        if computed is None:
            self.cannot("WebDriver's computed role and label")
        else:
            self.assertEqual(computed[0], "listbox")
            self.assertEqual(self.page.computed("Option2(1)")[1], TEXTS["methodCaptions"][1])
        for hidden in ("Text1(1)", "List2(0)"):
            self.assertTrue(self.page.accessible(hidden)["ignored"], hidden)
        # Rows: options of the list, the selected one marked so.
        self.click("Option1(1)")
        self.click("List1(0)-3")
        row_node = self.page.accessible("List1(1)-3")
        self.assertEqual((row_node["role"], row_node["name"]), ("option", "19"))
        self.assertTrue(row_node["properties"].get("selected"))
        # The times, named by what they show and described by what they measure.
        stored, computed = (self.page.accessible("Label2(0)"),
                            self.page.accessible("Label2(1)"))
        # A figure that is the mean of several runs says how many; then where the time leads.
        mean = re.compile("(" + re.escape(TEXTS["meanOfRunsBefore"]) + r"[1-9][\d\u00a0]*"
                          + re.escape(TEXTS["meanOfRunsAfter"]) + ")?"
                          + re.escape(TEXTS["measurementsHint"]) + "$")
        self.assertRegex(stored["description"], "^" + re.escape(TEXTS["storedTimeDescription"])
                         + mean.pattern)
        self.assertTrue(computed["description"].startswith(TEXTS["computedTimeBefore"]))
        self.assertRegex(computed["description"], mean)

    def test_rows_and_times_are_drawn(self):
        """What the screen shows, not only what the page holds: an empty list has nothing dark
        in it; after an interval click its rows and both times are drawn as dark text."""
        scroll_bar = 20
        for list_id in ("List1(0)", "List1(1)"):
            self.assertEqual(browser.dark_pixels(self.page, list_id, right=scroll_bar), 0)
        self.click("Option1(2)")
        for list_id in ("List1(0)", "List1(1)"):
            self.assertGreater(browser.dark_pixels(self.page, list_id, right=scroll_bar), 100,
                               list_id)
        for time in ("Label2(0)", "Label2(1)"):
            self.assertGreater(browser.dark_pixels(self.page, time), 40, time)
        # The text box's border whole, also where the interval frame overlaps its top.
        width, _, pixel = self.page.pixels("Text1(0)")
        top = [pixel(x, 0) for x in range(1, width - 1)]
        self.assertEqual([x for x, rgb in enumerate(top, 1) if max(rgb) > 0xa0 or min(rgb) < 0x50],
                         [], "the top border's pixels that are not its grey")

    def test_result_announced_once(self):
        node = self.page.accessible("announcement")
        self.assertEqual((node["role"], node["properties"].get("live")), ("status", "polite"))
        self.assertEqual(self.run_js("return document.getElementById('announcement').textContent"),
                         "")
        self.click("Option1(1)")
        stored, computed = self.times()
        said = (f"{TEXTS['summaryBefore']}{TEXTS['intervalCaptions'][1]}{TEXTS['summaryBetween']}"
                f"21{TEXTS['announcedStored']}{stored}{TEXTS['announcedComputed']}{computed}"
                f"{TEXTS['announcedEnd']}")
        paragraphs = lambda: self.run_js(  # noqa: E731
            "return Array.from(document.getElementById('announcement').children,"
            " p => p.textContent)")
        self.assertEqual(paragraphs(), [said])
        # Neither a method nor a row is announced; the next interval replaces the last.
        self.click("Option2(0)")
        self.click("List1(0)-1")
        self.assertEqual(paragraphs(), [said])
        self.click("Option1(0)")
        self.assertEqual(len(paragraphs()), 1)
        self.assertIn(TEXTS["intervalCaptions"][0], paragraphs()[0])

    def test_every_measurement_below_the_form(self):
        """The table holds, for each interval and side, the time its label showed at that
        interval's last click with that bound, and nothing where none was; the chart changes
        with each new figure and says its first and last in words. F2 and a click on a time
        bring the table to the focus; its button copies it as a spreadsheet pastes it."""
        self.page.open(browser.TEST_PAGE_URL)  # with clipboardText(), the logic's copy
        chart = "return document.getElementById('measurements-chart').innerHTML"
        shown, drawn = {}, self.run_js(chart)
        for method, interval in ((2, 0), (2, 2), (0, 1), (0, 2), (2, 0)):
            if method != self.checked("Option2").index(True):
                self.click(f"Option2({method})")
            self.click(f"Option1({interval})")
            new = (interval, 1 + method) not in shown
            shown[interval, 0], shown[interval, 1 + method] = self.times()
            if new:
                self.assertNotEqual(self.run_js(chart), drawn, f"{interval}, {method}")
                drawn = self.run_js(chart)
        captions = TEXTS["intervalCaptions"]
        rows = [[TEXTS["intervalHeading"], TEXTS["storedHeading"], *TEXTS["methodCaptions"]]] + [
            [captions[i]] + [shown.get((i, side), "") for side in range(4)] for i in range(4)]
        self.assertEqual(self.run_js("""
            const table = document.getElementById('measurements-table');
            return [table.caption.textContent,
                    Array.from(table.rows, row => Array.from(row.cells, c => c.textContent)),
                    Array.from(table.querySelectorAll('th'), th => th.scope).join(' ')];"""),
            [TEXTS["measurementsTitle"], rows, " ".join(["col"] * 5 + ["row"] * 4)])
        node = self.page.accessible("measurements-chart")
        self.assertIn(node["role"], ("img", "image"), "the markup's role, Chromium's tree's")
        self.assertTrue(node["name"].startswith(TEXTS["intro"]), node["name"])
        for side in (0, 1, 3):
            last = max(i for i, s in shown if s == side)
            self.assertIn(f"{shown[last, side]}{TEXTS['at']}{captions[last]}.", node["name"])
        self.assertIn(TEXTS["methodCaptions"][1] + TEXTS["none"], node["name"])
        self.assertEqual(node["description"], TEXTS["chartDescription"])
        # Where the time labels lead, Tab through its parts and on to the form's first or last
        # stop, and Esc back to where the focus was.
        self.keys(Keys.F2)
        self.assertEqual(self.focused(), "measurements-table")
        self.keys(Keys.TAB, Keys.TAB)
        self.assertEqual(self.focused(), "measurements-chart")
        self.keys(Keys.TAB)
        self.assertEqual(self.focused(), "Text1(0)")
        self.click("Label2(1)")
        self.assertEqual(self.focused(), "measurements-table")
        self.keys(Keys.ESCAPE)
        self.assertEqual(self.focused(), "Text1(0)")
        self.click("Label2(1)")
        self.keys((Keys.SHIFT, Keys.TAB))
        self.assertEqual(self.focused(), "Option2(2)")
        # Copied and pasted as a person does: the logic's text; a text area pastes CR LF as LF.
        self.click("measurements-copy")
        self.assertEqual(self.run_js(
            "return document.getElementById('announcement').textContent"), TEXTS["tableCopied"])
        self.run_js("document.body.append(Object.assign(document.createElement('textarea'),"
                    " { id: 'pasted' }))")
        self.click("pasted")
        self.keys((Keys.CONTROL, "v"))
        self.assertEqual(self.run_js("return document.getElementById('pasted').value"),
                         self.run_js("return clipboardText()").replace("\r\n", "\n"))
        # Ctrl+C copies from any of its parts too.
        self.run_js("document.getElementById('announcement').replaceChildren()")
        self.click("Label2(0)")
        self.keys((Keys.CONTROL, "c"))
        self.assertEqual(self.run_js(
            "return document.getElementById('announcement').textContent"), TEXTS["tableCopied"])

    def test_nothing_beyond_the_file(self):
        page = self.page
        page.requests()
        page.open()
        self.click("Option1(3)")
        urls = page.requests()
        if urls is None:
            self.cannot("the requests the page made: its driver does not report them")
        else:
            # The WebAssembly (where emscripten's loader reads it through fetch()), the font and
            # the icon, read from data: addresses inside the page; the page itself (Chromium
            # reports the file:// address, Firefox does not). That the engine reports requests at
            # all, test_from_a_web_server sees.
            self.assertEqual([u[:40] for u in urls if u != browser.PAGE_URL and not u.startswith(
                ("data:application/octet-stream;base64,", "data:font/woff2;base64,",
                 "data:image/svg+xml;base64,"))], [])
        # What every engine lists of the resources a page loaded.
        self.assertEqual(self.run_js("return performance.getEntriesByType('resource')"
                                     ".map(e => e.name).filter(n => !n.startsWith('data:'))"), [])
        policy = self.run_js("return document.querySelector("
                             "'meta[http-equiv=\"Content-Security-Policy\"]').content")
        directives = dict((d.strip().split(" ", 1) + [""])[:2] for d in policy.split(";"))
        self.assertEqual(directives["default-src"], "'none'")
        self.assertEqual(directives["connect-src"], "data:")
        self.assertEqual(directives["font-src"], "data:")
        self.assertNotIn("unsafe-inline", policy)
        self.assertNotIn("http", policy)
        # The policy holds: a request the page tried would be refused before it left.
        refused = self.run_js("""
            return new Promise(done => {
                let violated = [];
                document.addEventListener('securitypolicyviolation',
                                          e => violated.push(e.violatedDirective));
                fetch('http://127.0.0.1:9/').then(() => done(['fetched', violated]),
                    () => setTimeout(() => done(['refused', violated]), 100));
            });""")
        self.assertEqual(refused[0], "refused")
        self.assertTrue(any(v.startswith("connect-src") or v.startswith("default-src")
                            for v in refused[1]), refused[1])
        if urls is not None:
            self.assertEqual([u for u in page.requests() if not u.startswith("data:")], [])
        errors = page.errors()
        if errors is None:
            self.cannot("the page's console: its driver does not report it")
        else:
            self.assertEqual([e for e in errors if "127.0.0.1:9" not in e], [])

    def test_from_a_web_server(self):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

        handler = functools.partial(Quiet, directory=os.path.dirname(browser.PAGE))
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            url = f"http://127.0.0.1:{server.server_port}/{os.path.basename(browser.PAGE)}"
            self.page.requests()
            self.page.open(url)
            self.click("Option1(1)")
            self.assert_interval_shown(1, 2)
            urls = self.page.requests()
            if urls is None:
                self.cannot("the requests the page made: its driver does not report them")
            else:
                self.assertEqual([u for u in urls if not u.startswith("data:")], [url])
        finally:
            server.shutdown()
            server.server_close()


# What a finger and an eye meet on a phone, in one call: each shown control's rectangle, the
# option buttons' captions, the lists' rows, and how wide the page is.
_PHONE = """
const box = e => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; };
const font = e => parseFloat(getComputedStyle(e).fontSize);
const shown = Array.from(document.querySelectorAll('#MainForm [data-control]'))
    .filter(e => e.getClientRects().length);
const list = id => {
    const e = document.getElementById(id);
    return { rect: box(e), client: e.clientHeight, row: e.children[0].offsetHeight,
             font: font(e.children[0]) };
};
return {
    scrollWidth: document.documentElement.scrollWidth,
    controls: Object.fromEntries(shown.map(e => [e.id, box(e)])),
    captions: Object.fromEntries(shown.filter(e => e.matches('.option'))
        .map(e => [e.id, font(e.querySelector('span'))])),
    lists: { 'List1(0)': list('List1(0)'), 'List1(1)': list('List1(1)') },
    textFont: font(document.getElementById('Text1(0)')),
};"""


class PhoneTest(unittest.TestCase):
    """A phone held upright, touched by a finger: the controls placed for it, below the form's
    width (form/phone.h), measured as the browser lays them out."""

    @classmethod
    def setUpClass(cls):
        cls.page = engines.start(width=360, height=740, screen_reader=True)

    @classmethod
    def tearDownClass(cls):
        cls.page.quit()

    def test_targets_a_finger_can_hit(self):
        page = self.page
        widths = [w for w in (360, 320) if page.viewport(w, 740, 2, phone=True)]
        if not widths:
            self.cannot("360 and 320 pixels: MiniBrowser's window is never narrower than about "
                        "447, so the arrangement is measured at 450")
            self.assertTrue(page.viewport(450, 740))
            widths = [450]
        for width in widths:
            with self.subTest(width=width):
                page.viewport(width, 740, *((2, True) if width < 447 else ()))
                self.measure(width)

    cannot = PageTest.cannot

    def measure(self, width):
        page = self.page
        page.open()
        self.assertEqual(page.run("return innerWidth"), width)
        # A tap on each interval fills both lists.
        for interval, (first, last) in enumerate(browser.INTERVALS):
            page.click(f"Option1({interval})-box", pointer="touch")
            primes = [str(p) for p in browser.sieve_primes(first, last)]
            for list_id in ("List1(0)", "List1(1)"):
                self.assertEqual(page.run("return Array.from(document.getElementById("
                                          "arguments[0]).children, o => o.textContent)",
                                          list_id), primes, f"{list_id} after a tap")
        page.click("List1(1)-1", pointer="touch")
        self.assertEqual(page.run("return document.getElementById('List1(0)')"
                                  ".getAttribute('aria-activedescendant')"), "List1(0)-1")
        seen = page.run(_PHONE)
        self.assertLessEqual(seen["scrollWidth"], width, "no sideways scrolling")
        controls = seen["controls"]
        for control, (left, top, w, h) in controls.items():
            self.assertGreaterEqual(left, 0, control)
            self.assertLessEqual(left + w, width + 0.5, control)
        for option, size in seen["captions"].items():
            self.assertGreaterEqual(min(controls[option][2:]), 44, f"{option}: a finger's target")
            self.assertGreaterEqual(size, 16, f"{option}: its caption")
        for list_id, shown in seen["lists"].items():
            self.assertGreaterEqual(shown["row"], 24, list_id)
            self.assertGreaterEqual(shown["font"], 16, list_id)
            self.assertGreaterEqual(shown["client"] // shown["row"], 8, f"{list_id}: whole rows")
            # Its time right under it.
            time = controls[list_id.replace("List1", "Label2")]
            left, top, w, h = shown["rect"]
            self.assertAlmostEqual(time[1], top + h, delta=8, msg=f"the time under {list_id}")
            self.assertLess(abs(time[0] + time[2] / 2 - (left + w / 2)), w / 2, list_id)
        self.assertGreaterEqual(seen["textFont"], 16, "the summary")
        # No control over another, but the buttons in their frames.
        for a, ra in controls.items():
            for b, rb in controls.items():
                across = min(ra[0] + ra[2], rb[0] + rb[2]) - max(ra[0], rb[0])
                down = min(ra[1] + ra[3], rb[1] + rb[3]) - max(ra[1], rb[1])
                if a < b and across > 0.5 and down > 0.5 and not {a[:5], b[:5]} <= {
                        "Frame", "Optio"}:
                    self.fail(f"{a} {ra} overlaps {b} {rb}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
