# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the page's tests share: headless Chromium on the built page, the design table read from
form/design.h and the texts from form/form_texts.h (the page must show what they say), the
accessibility tree as a screen reader gets it, and the sieve the primes are checked against."""

import atexit
import json
import math
import os
import re
import shutil
import socket
import subprocess
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common import utils


class LocalService(Service):
    """chromedriver reached at 127.0.0.1, not at "localhost", which a minimal Debian root with
    no /etc/hosts cannot resolve (Selenium 4.8 then gives up after 30 s)."""

    @property
    def service_url(self):
        return f"http://127.0.0.1:{self.port}"

    def is_connectable(self):
        return utils.is_connectable(self.port, "127.0.0.1")

SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
PAGE = os.path.abspath(os.environ.get("WEB_PAGE", os.path.join(SOURCE, "build-web",
                                                                "prime-intervals.html")))
PAGE_URL = "file://" + PAGE


def _localhost_resolves():
    try:
        socket.getaddrinfo("localhost", None)
        return True
    except OSError:
        return False


def _started_chromium(binary, arguments, profile):
    """Chromium started here, for chromedriver to attach to at 127.0.0.1: chromedriver reaches a
    browser it starts itself at "localhost", which a minimal Debian root with no /etc/hosts cannot
    resolve. Returns the process and its DevTools port."""
    process = subprocess.Popen([binary, *arguments, "--remote-debugging-port=0", "about:blank"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    port_file = os.path.join(profile, "DevToolsActivePort")
    for _ in range(300):
        if os.path.exists(port_file):
            with open(port_file, encoding="utf-8") as f:
                port = f.readline().strip()
            if port:
                return process, int(port)
        if process.poll() is not None:
            break
        time.sleep(0.1)
    process.kill()
    raise RuntimeError("Chromium did not open its DevTools port")


def chromium(width=800, height=600, mobile=False):
    """Headless Chromium with a profile of its own and no way out to the network."""
    binary = os.environ.get("CHROMIUM", "/usr/bin/chromium")
    profile = tempfile.mkdtemp(prefix="prime-intervals-chromium-")
    atexit.register(shutil.rmtree, profile, True)
    arguments = ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-dev-shm-usage", "--force-renderer-accessibility",
                 "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1",
                 f"--window-size={width},{height}", "--user-data-dir=" + profile]
    options = Options()
    process = None
    if _localhost_resolves():
        options.binary_location = binary
        for argument in arguments:
            options.add_argument(argument)
    else:
        process, port = _started_chromium(binary, arguments, profile)
        atexit.register(process.kill)
        options.debugger_address = f"127.0.0.1:{port}"
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    driver = webdriver.Chrome(options=options, service=LocalService(
        os.environ.get("CHROMEDRIVER", "/usr/bin/chromedriver")))
    if process:
        quit_driver = driver.quit

        def quit_both():
            quit_driver()
            process.kill()
            process.wait()
        driver.quit = quit_both
    driver.set_script_timeout(30)
    if mobile:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True,
                                                                      "maxTouchPoints": 5})
    return driver


def open_page(driver, url=PAGE_URL):
    driver.get(url)
    # The form is built once its WebAssembly has started.
    for _ in range(200):
        if driver.execute_script("return !!document.getElementById('Text1(0)')"):
            return
        driver.implicitly_wait(0)
        driver.execute_script("return new Promise(r => setTimeout(r, 25))")
    raise AssertionError("the page built no form")


def requests(driver):
    """The URLs the page asked for since the last call."""
    urls = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            urls.append(message["params"]["request"]["url"])
    return urls


def ax_node(driver, element_id):
    """The accessibility node of an element, as Chromium gives it to a screen reader."""
    found = driver.execute_cdp_cmd("Runtime.evaluate", {
        "expression": f"document.getElementById({json.dumps(element_id)})"})
    object_id = found["result"].get("objectId")
    if not object_id:
        raise AssertionError(f"no element {element_id}")
    nodes = driver.execute_cdp_cmd("Accessibility.getPartialAXTree", {
        "objectId": object_id, "fetchRelatives": False})["nodes"]
    node = nodes[-1]

    def value(key):
        return node.get(key, {}).get("value", "")

    properties = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
    return {"role": value("role"), "name": value("name"), "description": value("description"),
            "ignored": node.get("ignored", False), "properties": properties}


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


def bound(method, n):
    half = round(n / 2)  # Python rounds half to even, as the search does
    if method == 0:
        return n - 1
    if method == 1 or n < 6:
        return half
    return round(math.sqrt(n) + 1)


def operations(interval, method):
    first, last = INTERVALS[interval]
    return sum(max(bound(method, n) - 1, 0) for n in range(first, last + 1))


# What the screen shows: Chromium's PNG screenshots, decoded with the standard library alone.

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


def dark_pixels(driver, element_id, margin=2, right=0):
    """How many pixels of an element, inside a margin and left of `right` pixels (a scroll
    bar), are dark as text: what a reader can actually see of its contents."""
    width, height, pixel = png_pixels(driver.find_element("id", element_id).screenshot_as_png)
    return sum(1 for y in range(margin, height - margin) for x in range(margin, width - margin - right)
               if sum(pixel(x, y)) < 3 * 110)
