#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""A seeded random user of the page, in the browser engine named by WEB_ENGINE (engines.py),
through the browser's real input:
clicks anywhere in the form, on every option (with and without Ctrl) and on list rows; Tab,
Shift+Tab, arrows, Space, Home, End, Page Up and Page Down, some with Ctrl; typing into the text
box. After every event, what must hold of the window whatever the user did: the logic's own
invariants (form/invariants.h), which the page's test build checks over what its elements show
(brokenInvariant()), and what only the page's markup shows:
- both lists' rows, as built in the page, are the primes of the interval its radio buttons show
  as chosen (none before the first choice);
- each list marks as selected the one row that is its active descendant, the same in both;
- the times read as times, and the hidden controls stay hidden;
- the live region holds the chosen interval's result, once, and nothing before the first choice,
  or that the measurements below the form were copied, where a time's click led the focus.
The seed is fixed and printed; RANDOM_USE_SEED and RANDOM_USE_EVENTS run another user or a
longer one (300 events, well under a minute in each engine). A failure prints the events that
led to it."""

import os
import random
import sys
import unittest

from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(__file__))
import browser  # noqa: E402
import engines  # noqa: E402
from browser import RANDOM_USE, TEXTS, TIME  # noqa: E402

SEED = int(os.environ.get("RANDOM_USE_SEED", RANDOM_USE["seed"]))
EVENTS = int(os.environ.get("RANDOM_USE_EVENTS", RANDOM_USE["pageEvents"]))
# The keys of the shared mix, as WebDriver presses them.
KEYS = {"Tab": (Keys.TAB,), "Shift+Tab": (Keys.SHIFT, Keys.TAB), "Up": (Keys.UP,),
        "Down": (Keys.DOWN,), "Left": (Keys.LEFT,), "Right": (Keys.RIGHT,),
        "Space": (Keys.SPACE,), "Home": (Keys.HOME,), "End": (Keys.END,),
        "PageUp": (Keys.PAGE_UP,), "PageDown": (Keys.PAGE_DOWN,)}
EDITING = {"Backspace": Keys.BACKSPACE, "Delete": Keys.DELETE, "Enter": Keys.ENTER,
           "Ctrl+A": (Keys.CONTROL, "a"), "Ctrl+X": (Keys.CONTROL, "x"),
           "Ctrl+V": (Keys.CONTROL, "v"), "Ctrl+Z": (Keys.CONTROL, "z")}
PRIMES = [[str(p) for p in browser.sieve_primes(*interval)] for interval in browser.INTERVALS]

# What the page's markup shows, in one call.
STATE = """
const id = i => document.getElementById(i);
const rows = l => Array.from(id(l).children, o => o.textContent);
const selected = l => {
    const list = id(l);
    const marked = Array.from(list.children).flatMap(
        (o, i) => o.getAttribute('aria-selected') === 'true' ? [i] : []);
    const active = list.getAttribute('aria-activedescendant');
    return [marked, active ? Array.from(list.children).indexOf(id(active)) : -1];
};
const shown = e => !!e && e.getClientRects().length > 0;
return {
    broken: brokenInvariant(),
    interval: Array.from(document.getElementsByName('Option1'), r => r.checked),
    left: rows('List1(0)'), right: rows('List1(1)'),
    leftSelected: selected('List1(0)'), rightSelected: selected('List1(1)'),
    times: [0, 1].map(i => shown(id('Label2(' + i + ')')) ? id('Label2(' + i + ')').textContent
                                                           : null),
    hiddenShown: ['Text1(1)', 'List2(0)', 'List2(1)', 'List2(2)', 'List2(3)'].filter(
        i => shown(id(i))),
    said: Array.from(id('announcement').children, p => p.textContent),
    below: !!document.activeElement.closest('#measurements'),
};"""
# What the logic finds when the focus is outside the form, as a time's click or F2 may put it in
# the measurements below it.
AWAY = "no control of the window has the focus"


def broken(state):
    """What is wrong with the page, or None."""
    if state["broken"] and not (state["below"] and state["broken"] == AWAY):
        return "the logic finds: " + state["broken"]
    interval = state["interval"].index(True) if True in state["interval"] else -1
    expected = PRIMES[interval] if interval >= 0 else []
    for side in ("left", "right"):
        if state[side] != expected:
            return (f"the {side} list shows {len(state[side])} rows "
                    f"({state[side][:3]}...), not the {len(expected)} primes of interval "
                    f"{interval}")
    left, right = state["leftSelected"], state["rightSelected"]
    for name, (marked, active) in (("left", left), ("right", right)):
        if marked != ([active] if active >= 0 else []):
            return f"the {name} list marks {marked} as selected, its active row is {active}"
    if left[1] != right[1]:
        return f"row {left[1]} is selected on the left, {right[1]} on the right"
    for time in state["times"]:
        if time is not None and not TIME.match(time):
            return f"a time shows {time!r}"
    if state["hiddenShown"]:
        return f"hidden controls show: {state['hiddenShown']}"
    caption = TEXTS["intervalCaptions"][interval] if interval >= 0 else None
    copied = state["said"] == [TEXTS["tableCopied"]]  # Space on the measurements' copy button
    if not copied and (len(state["said"]) != (1 if caption else 0)
                       or (caption and caption not in state["said"][0])):
        return f"the live region holds {state['said']}"
    return None


def _share(shares, roll):
    """The name of the share a roll falls on, each share as wide as its weight."""
    for share in shares:
        if roll < share["weight"]:
            return share["name"]
        roll -= share["weight"]
    raise AssertionError("the shares make less than the whole")


class RandomUser:
    def __init__(self, page, seed):
        self.page = page
        self.random = random.Random(seed)

    def size(self, element_id):
        return self.page.rect(element_id)[2:]

    def chance(self, percent):
        return self.random.randrange(100) < percent

    def click_at(self, element_id, dx, dy, ctrl=False):
        self.page.click(element_id, (dx, dy), (Keys.CONTROL,) if ctrl else ())

    def act(self):
        """One event, drawn from the mix every front end's random user shares (the page's test
        facts give it, from tests/random_events.h)."""
        return getattr(self, _share(RANDOM_USE["events"], self.random.randrange(100)))()

    def ctrl(self):
        return self.chance(RANDOM_USE["ctrlPercent"])

    def clickAnywhere(self):
        ctrl = self.ctrl()
        width, height = self.size("MainForm")
        dx = self.random.randrange(int(width)) - int(width) // 2
        dy = self.random.randrange(int(height)) - int(height) // 2
        self.click_at("MainForm", dx, dy, ctrl)
        return f"{'Ctrl+' * ctrl}click at {dx:+d},{dy:+d} from the form's centre"

    def click_option(self, group, count):
        ctrl = self.ctrl()
        target = f"{group}({self.random.randrange(count)})"
        width = int(self.size(target + "-box")[0])
        dx = self.random.randrange(width) - width // 2
        self.click_at(target + "-box", dx, 0, ctrl)
        return f"{'Ctrl+' * ctrl}click on {target}"

    def clickOption1(self):
        return self.click_option("Option1", len(TEXTS["intervalCaptions"]))

    def clickOption2(self):
        return self.click_option("Option2", len(TEXTS["methodCaptions"]))

    def clickRow(self):
        ctrl = self.ctrl()
        list_id = f"List1({self.random.randrange(2)})"
        visible = self.page.run("""
            const list = document.getElementById(arguments[0]);
            const box = list.getBoundingClientRect();
            return Array.from(list.children).flatMap((o, i) => {
                const r = o.getBoundingClientRect();
                return r.top >= box.top && r.bottom <= box.bottom ? [i] : []; });""", list_id)
        if not visible:
            self.click_at(list_id, 0, 0, ctrl)
            return f"{'Ctrl+' * ctrl}click in the empty {list_id}"
        row = self.random.choice(visible)
        self.click_at(f"{list_id}-{row}", 0, 0, ctrl)
        return f"{'Ctrl+' * ctrl}click on row {row} of {list_id}"

    def pressKey(self):
        name = self.random.choice(RANDOM_USE["keys"])
        ctrl = name != "Shift+Tab" and self.ctrl()
        self.page.keys(((Keys.CONTROL,) if ctrl else ()) + KEYS[name])
        return f"{'Ctrl+' * ctrl}{name}"

    def type(self):
        self.click_at("Text1(0)", 0, 0)
        typed, keys = "", []
        for _ in range(1 + self.random.randrange(RANDOM_USE["mostTyped"])):
            typed_kind = _share(RANDOM_USE["typed"], self.random.randrange(10))
            if typed_kind == "editing":
                name = self.random.choice(RANDOM_USE["editingKeys"])
                keys.append(EDITING[name])
                typed += f"[{name}]"
                continue
            letter = {"latin": lambda: chr(ord("a") + self.random.randrange(26)),
                      "cyrillic": lambda: chr(ord("а") + self.random.randrange(32)),
                      "digit": lambda: str(self.random.randrange(10))}[typed_kind]()
            keys.append(letter)
            typed += letter
        self.page.keys(*keys)
        return f"type {typed!r} into the text box"


class RandomUseTest(unittest.TestCase):
    def test_random_user(self):
        self.assertTrue(os.path.exists(browser.TEST_PAGE),
                        f"{browser.TEST_PAGE} is missing: `make test-web` builds it")
        # Tall enough for the whole page: a key the page leaves to the browser scrolls nothing,
        # so no click lands while the page still scrolls.
        page = engines.start(height=1200, screen_reader=True)
        print(f"random user in {page.name} {page.version}: seed {SEED}, {EVENTS} events",
              file=sys.stderr)
        try:
            page.open(browser.TEST_PAGE_URL)
            user = RandomUser(page, SEED)
            done = []
            problem = broken(page.run(STATE))
            self.assertIsNone(problem, "when the page opens")
            for n in range(EVENTS):
                done.append(user.act())
                problem = broken(page.run(STATE))
                if problem:
                    self.fail(f"seed {SEED}, after event {n + 1}: {problem}\nthe events:\n  "
                              + "\n  ".join(done))
        finally:
            page.quit()


if __name__ == "__main__":
    unittest.main(verbosity=2)
