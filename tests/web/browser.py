# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the page's tests share: the built page, the design table read from form/design.h and the
texts from form/form_texts.h (the page must show what they say), the sieve the primes are checked
against, and what the screen shows, from PNG screenshots. The browsers are in engines.py."""

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


# The design table and the texts, read from the sources the page is built from.

def _read(path):
    with open(os.path.join(SOURCE, path), encoding="utf-8") as f:
        return f.read()


def _texts():
    source = _read("form/form_texts.h")
    texts = {}
    for match in re.finditer(r'constexpr char (\w+)\[\]\s*=\s*((?:\s*"(?:[^"\\]|\\.)*")+);',
                             source):
        parts = re.findall(r'"((?:[^"\\]|\\.)*)"', match.group(2))
        texts[match.group(1)] = "".join(parts).encode().decode("unicode_escape").encode(
            "latin-1").decode("utf-8")
    for match in re.finditer(r'constexpr const char\* (\w+)\[\]\s*=\s*\{(.*?)\};', source,
                             re.S):
        texts[match.group(1)] = re.findall(r'"((?:[^"\\]|\\.)*)"', match.group(2))
    return texts


TEXTS = _texts()


def _design():
    source = _read("form/design.h")
    colours = {name: int(value.replace("'", ""), 16) for name, value in re.findall(
        r"constexpr Background (\w+) \{ Background::Kind::Rgb, (0x[0-9A-Fa-f']+) \}", source)}
    rows = []
    for m in re.finditer(r"\{\s*(-?\d+),\s*Name::(\w+),\s*(\d+),\s*Container::(\w+),\s*(\d+),\s*"
                         r"(\d+),\s*(\d+),\s*(\d+),\s*(\w+),\s*(true|false),", source):
        tab, name, index, container, left, top, width, height, background, visible = m.groups()
        rows.append({"tab": int(tab), "name": name, "index": int(index), "container": container,
                     "id": name if name.startswith("Frame") else f"{name}({index})",
                     "rect": tuple(int(v) / 15 for v in (left, top, width, height)),
                     "background": colours.get(background), "visible": visible == "true"})
    # Every row of the table, or the layout tests would check less than they claim.
    if len(rows) != 24:
        raise AssertionError(f"read {len(rows)} rows from form/design.h, not its 24")
    window = re.search(r"WindowDesign window \{ (\d+), (\d+), (\w+)", source)
    return rows, (int(window.group(1)) / 15, int(window.group(2)) / 15), colours[window.group(3)]


DESIGN, FORM_SIZE, FORM_COLOUR = _design()


def row(control_id):
    return next(r for r in DESIGN if r["id"] == control_id)


# The oracle for the primes and the remainder operations.

INTERVALS = [(2, 10), (10, 100), (100, 1000), (1000, 10000)]


def sieve_primes(first, last):
    prime = [True] * (last + 1)
    prime[0] = prime[1] = False
    for p in range(2, int(last ** 0.5) + 1):
        if prime[p]:
            prime[p * p::p] = [False] * len(prime[p * p::p])
    return [n for n in range(first, last + 1) if prime[n]]


# The remainder operations of each interval with each bound (2 - (N-1), 2 - (N/2), 2 - sqr(N)):
# bound - 1 for each candidate, as counted once by hand from the bounds and checked by the search's
# own tests.
OPERATIONS = [
    [36, 18, 17],
    [4823, 2412, 651],
    [493748, 246874, 20428],
    [49487498, 24743749, 645644],
]


def operations(interval, method):
    return OPERATIONS[interval][method]


def nanoseconds(time):
    """A time as the page shows it ("2,7 мкс"), in nanoseconds."""
    number, unit = time.split(" ")
    return float(number.replace(",", ".")) * {"нс": 1, "мкс": 1e3, "мс": 1e6, "с": 1e9}[unit]


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
