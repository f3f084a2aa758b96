# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the page's tests share: the built page, the facts it must show as the page's test build
exports them from form/ and search/ (the design, the texts, the intervals and their operations, how
a time is written, the random user's mix), the sieve the primes are checked against, and what the
screen shows, from PNG screenshots. The browsers are in engines.py."""

import functools
import json
import os
import re

SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
PAGE = os.path.abspath(os.environ.get("WEB_PAGE", os.path.join(SOURCE, "build-web",
                                                                "prime-intervals.html")))
PAGE_URL = "file://" + PAGE
# The same page with brokenInvariant(), the logic's own check, built beside it by
# `make test-web` for the tests.
TEST_PAGE = PAGE.replace(".html", "-test.html")
TEST_PAGE_URL = "file://" + TEST_PAGE


# The facts, written beside the pages by their test build (tests/web/page_facts.cpp).

@functools.cache
def facts():
    path = PAGE.replace(".html", "-facts.json")
    try:
        with open(path, encoding="utf-8") as f:
            return json.load(f)
    except FileNotFoundError:
        raise FileNotFoundError(f"{path} is missing: `make test-web` writes it") from None


def _time_pattern(time):
    """A time as written: at most `mostDigits` significant digits, never 0, a decimal separator,
    a unit."""
    most, decimal = time["mostDigits"], re.escape(time["decimal"])
    units = "|".join(map(re.escape, time["units"]))
    return re.compile(rf"^[1-9]\d{{0,{most - 1}}}({decimal}\d{{1,{most - 1}}})? ({units})$")


# Read on first use, not on import: what only drives a browser (scripts/screenshot-web) needs no
# facts, and `make web` writes none.
_FROM_FACTS = {
    "FACTS": lambda f: f,
    "TEXTS": lambda f: f["texts"],
    # Every control of the design, its rectangle in CSS pixels from its container's corner.
    "DESIGN": lambda f: f["design"],
    "FORM_SIZE": lambda f: (f["form"]["width"], f["form"]["height"]),
    "FORM_COLOUR": lambda f: f["form"]["background"],
    "INTERVALS": lambda f: [tuple(interval) for interval in f["intervals"]],
    "RANDOM_USE": lambda f: f["randomUse"],
    "TIME": lambda f: _time_pattern(f["time"]),
}


def __getattr__(name):
    if name in _FROM_FACTS:
        value = _FROM_FACTS[name](facts())
        globals()[name] = value
        return value
    raise AttributeError(f"module {__name__!r} has no attribute {name!r}")


def operations(interval, method):
    """The remainder operations of an interval with a bound, as the search counts them."""
    return facts()["operations"][interval][method]["count"]


def operations_text(interval, method):
    """The same count as the page writes it."""
    return facts()["operations"][interval][method]["text"]


def nanoseconds(time):
    """A time as the page shows it ("2,7 мкс"), in nanoseconds."""
    number, unit = time.split(" ")
    written = facts()["time"]
    return float(number.replace(written["decimal"], ".")) * written["units"][unit]


def digits_for(steps):
    """The significant digits that a time spanning `steps` steps of its clock may show."""
    return max(digits for start, digits in facts()["digits"] if steps >= start)


# The oracle for the primes.

def sieve_primes(first, last):
    prime = [True] * (last + 1)
    prime[0] = prime[1] = False
    for p in range(2, int(last ** 0.5) + 1):
        if prime[p]:
            prime[p * p::p] = [False] * len(prime[p * p::p])
    return [n for n in range(first, last + 1) if prime[n]]


# What the screen shows: the browsers' PNG screenshots, decoded with the standard library alone.

def png_pixels(data):
    """Width, height and a function (x, y) -> (r, g, b) of an 8-bit, non-interlaced PNG."""
    import struct
    import zlib
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    at, chunks, header = 8, [], None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and not interlace, header
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(b"".join(chunks))
    stride = width * channels
    pixels = bytearray(height * stride)
    previous = bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc
                                      else corner)) & 255
        pixels[y * stride:(y + 1) * stride] = line
        previous = line

    def pixel(x, y):
        i = y * stride + x * channels
        return tuple(pixels[i:i + 3])
    return width, height, pixel


def dark_pixels(page, element_id, margin=2, right=0):
    """How many pixels of an element, inside a margin and left of `right` pixels (a scroll
    bar), are dark as text: what a reader can actually see of its contents."""
    width, height, pixel = page.pixels(element_id)
    return sum(1 for y in range(margin, height - margin)
               for x in range(margin, width - margin - right) if sum(pixel(x, y)) < 3 * 110)
