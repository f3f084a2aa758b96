# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The three browser engines pupils meet, behind one small interface, so that the page's tests are
written once: Chromium (Blink) through chromedriver, Firefox ESR (Gecko) through the WebDriver
BiDi it speaks itself, and WebKitGTK (WebKit, the engine of Safari and of every iOS browser)
through WebKitWebDriver and its MiniBrowser on a private Xvfb display.

Input is real input in each: W3C actions, the same JSON for all three, dispatched by the browser
as a user's mouse, finger and keys. Where an engine cannot do something, its method says so by
returning None, and the tests check what can be checked."""

import atexit
import base64
import glob
import json
import os
import shutil
import socket
import subprocess
import tempfile
import time

ENGINES = ("chromium", "firefox", "webkit")
ENGINE = os.environ.get("WEB_ENGINE", "chromium")

# A function body with `arguments`, as WebDriver's Execute Script takes it.
_RECT = """const r = document.getElementById(arguments[0]).getBoundingClientRect();
           return [r.left, r.top, r.width, r.height];"""
# The same, once the element is scrolled into view, as a user scrolls a list to a row.
_IN_VIEW = """const e = document.getElementById(arguments[0]);
              e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
              const r = e.getBoundingClientRect();
              return [r.left, r.top, r.width, r.height];"""

# Role, name and description of an element from its markup, where the driver gives no
# accessibility tree: the ARIA attributes, the roles HTML implies for the elements the page
# uses, and a radio button's name from the label around it.
_ACCESSIBLE = """
const e = document.getElementById(arguments[0]);
if (!e) return null;
const text = ids => (ids || '').split(/\\s+/).filter(Boolean)
    .map(i => document.getElementById(i).textContent.trim()).join(' ');
const implied = { TEXTAREA: 'textbox', INPUT: e.type === 'radio' ? 'radio' : 'textbox' };
const role = e.getAttribute('role') || implied[e.tagName] || '';
let name = text(e.getAttribute('aria-labelledby')) || e.getAttribute('aria-label') || '';
if (!name && (role === 'radio' || role === 'option'))
    name = (e.closest('label') || e).textContent.trim();
let ignored = false;
for (let a = e; a; a = a.parentElement)
    ignored = ignored || a.hidden || a.getAttribute('aria-hidden') === 'true'
        || getComputedStyle(a).display === 'none';
const properties = {};
if (e.tagName === 'TEXTAREA') {
    properties.readonly = e.readOnly;
    properties.multiline = true;
}
if (e.hasAttribute('aria-selected'))
    properties.selected = e.getAttribute('aria-selected') === 'true';
if (e.hasAttribute('aria-live')) properties.live = e.getAttribute('aria-live');
return { role, name, description: text(e.getAttribute('aria-describedby')), ignored, properties };
"""


def _free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def _localhost_resolves():
    try:
        socket.getaddrinfo("localhost", None)
        return True
    except OSError:
        return False


def _wait_for_port(port, process, name, seconds=30):
    """Until a server process listens on a port; fails at once when it ends, and after
    `seconds` when it never listens."""
    give_up = time.monotonic() + seconds
    while True:
        with socket.socket() as s:
            if s.connect_ex(("127.0.0.1", port)) == 0:
                return
        if process.poll() is not None:
            raise RuntimeError(f"{name} ended with status {process.returncode} before it "
                               f"listened on port {port}")
        if time.monotonic() > give_up:
            process.kill()
            raise RuntimeError(f"{name} did not listen on port {port} within {seconds} s")
        time.sleep(0.1)


def _profile(prefix):
    folder = tempfile.mkdtemp(prefix=f"prime-intervals-{prefix}-")
    atexit.register(shutil.rmtree, folder, True)
    return folder


class Browser:
    """One browser window on the page. Subclasses give the engine's transport."""

    name = ""
    version = ""
    screen_reader = False

    # The transport, per engine.
    def get(self, url):
        raise NotImplementedError

    def run(self, body, *args):
        """Runs a function body with `arguments`; a promise it returns is awaited."""
        raise NotImplementedError

    def perform(self, sources):
        """W3C input sources (key, pointer), dispatched as real input."""
        raise NotImplementedError

    def shot(self, box):
        """A PNG holding a box (x, y, width, height) of the viewport, in CSS pixels, and where
        the box starts in it, in its pixels."""
        raise NotImplementedError

    def viewport(self, width, height, scale=1, phone=False):
        """The viewport's size in CSS pixels and device pixels per CSS pixel; False where the
        engine cannot set them."""
        raise NotImplementedError

    def requests(self):
        """The addresses the page asked for since the last call; None where the engine's
        driver does not report them."""
        return None

    def errors(self):
        """The errors on the page's console since the last call; None where not reported."""
        return None

    def accessible(self, element_id):
        """Role, name, description and properties of an element, as a screen reader gets them
        where the driver gives the accessibility tree, else as the page's markup gives them."""
        return self.run(_ACCESSIBLE, element_id)

    def computed(self, element_id):
        """WebDriver's computed role and label of an element; None where the driver has none."""
        return None

    def quit(self):
        raise NotImplementedError

    # What the tests do with it.

    def open(self, url=None):
        from browser import PAGE_URL
        self.get(url or PAGE_URL)
        # The form shows at once; it answers from when its program has attached (no longer busy).
        for _ in range(400):
            if self.run("const form = document.getElementById('MainForm');"
                        "return !!form && !form.hasAttribute('aria-busy')"):
                return
            time.sleep(0.025)
        raise AssertionError("the page's program never attached to its form")

    def rect(self, element_id):
        return self.run(_RECT, element_id)

    def click(self, element_id, offset=(0, 0), modifiers=(), pointer="mouse"):
        """A click (or, with pointer="touch", a tap) at an element's centre moved by offset."""
        x, y, width, height = self.run(_IN_VIEW, element_id)
        at = {"type": "pointerMove", "x": round(x + width / 2 + offset[0]),
              "y": round(y + height / 2 + offset[1]), "origin": "viewport"}
        down = [{"type": "keyDown", "value": m} for m in modifiers]
        up = [{"type": "keyUp", "value": m} for m in reversed(modifiers)]
        pause = {"type": "pause", "duration": 0}
        pointer_actions = [pause] * len(down) + [
            at, {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]
        key_actions = down + [pause] * 3 + up
        self.perform([
            {"type": "key", "id": "keyboard", "actions": key_actions},
            {"type": "pointer", "id": pointer, "parameters": {"pointerType": pointer},
             "actions": pointer_actions + [pause] * len(up)}])

    def keys(self, *keys):
        """Keys pressed one after another; a tuple is a chord, its last key pressed while the
        ones before it are held (("\\ue009", "a") is Ctrl+A). Keys are WebDriver's key values."""
        actions = []
        for key in keys:
            chord = key if isinstance(key, tuple) else (key,)
            for held in chord[:-1]:
                actions.append({"type": "keyDown", "value": held})
            for character in chord[-1]:
                actions += [{"type": "keyDown", "value": character},
                            {"type": "keyUp", "value": character}]
            for held in reversed(chord[:-1]):
                actions.append({"type": "keyUp", "value": held})
        self.perform([{"type": "key", "id": "keyboard", "actions": actions}])

    def pixels(self, element_id):
        """What the screen shows of an element: its width and height in device pixels and a
        function (x, y) -> (r, g, b)."""
        from browser import png_pixels
        box = self.rect(element_id)
        data, (left, top) = self.shot(box)
        scale = self.run("return devicePixelRatio")
        _, _, pixel = png_pixels(data)
        return (int(box[2] * scale), int(box[3] * scale),
                lambda x, y: pixel(left + x, top + y))


class WebDriverClassic(Browser):
    """An engine behind a W3C WebDriver server, through Selenium."""

    driver = None

    def get(self, url):
        self.driver.get(url)

    def run(self, body, *args):
        return self.driver.execute_script(body, *args)

    def perform(self, sources):
        from selenium.webdriver.remote.command import Command
        self.driver.execute(Command.W3C_ACTIONS, {"actions": sources})

    def computed(self, element_id):
        element = self.driver.find_element("id", element_id)
        return element.aria_role, element.accessible_name


class Chromium(WebDriverClassic):
    name = "chromium"

    def __init__(self, width=800, height=600):
        from selenium import webdriver
        from selenium.webdriver.chrome.options import Options
        from selenium.webdriver.chrome.service import Service
        from selenium.webdriver.common import utils

        class LocalService(Service):
            """chromedriver reached at 127.0.0.1, not at "localhost", which a minimal Debian
            root with no /etc/hosts cannot resolve (Selenium 4.8 then gives up after 30 s)."""

            @property
            def service_url(self):
                return f"http://127.0.0.1:{self.port}"

            def is_connectable(self):
                return utils.is_connectable(self.port, "127.0.0.1")

        binary = os.environ.get("CHROMIUM", "/usr/bin/chromium")
        profile = _profile("chromium")
        arguments = ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-dev-shm-usage",
                     "--force-renderer-accessibility",
                     "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1",
                     f"--window-size={width},{height}", "--user-data-dir=" + profile]
        options = Options()
        self.process = None
        if _localhost_resolves():
            options.binary_location = binary
            for argument in arguments:
                options.add_argument(argument)
        else:
            # chromedriver reaches a browser it starts itself at "localhost": start it here and
            # let chromedriver attach at 127.0.0.1.
            self.process = subprocess.Popen(
                [binary, *arguments, "--remote-debugging-port=0", "about:blank"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            atexit.register(self.process.kill)
            options.debugger_address = f"127.0.0.1:{self._devtools_port(profile)}"
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(options=options, service=LocalService(
            os.environ.get("CHROMEDRIVER", "/usr/bin/chromedriver")))
        self.driver.set_script_timeout(30)
        self.version = self.driver.capabilities.get("browserVersion", "?")
        self.size = (width, height)

    def _devtools_port(self, profile):
        port_file = os.path.join(profile, "DevToolsActivePort")
        for _ in range(300):
            if os.path.exists(port_file):
                with open(port_file, encoding="utf-8") as f:
                    port = f.readline().strip()
                if port:
                    return int(port)
            if self.process.poll() is not None:
                break
            time.sleep(0.1)
        self.process.kill()
        raise RuntimeError("Chromium did not open its DevTools port")

    def shot(self, box):
        x, y, width, height = box
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "format": "png", "clip": {"x": x, "y": y, "width": width, "height": height,
                                      "scale": 1}})
        return base64.b64decode(shot["data"]), (0, 0)

    def viewport(self, width, height, scale=1, phone=False):
        if (width, height) == self.size and scale == 1 and not phone:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
            return True
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": phone})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {
            "enabled": phone, "maxTouchPoints": 5})
        return True

    def requests(self):
        urls = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                urls.append(message["params"]["request"]["url"])
        return urls

    def errors(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def accessible(self, element_id):
        found = self.driver.execute_cdp_cmd("Runtime.evaluate", {
            "expression": f"document.getElementById({json.dumps(element_id)})"})
        object_id = found["result"].get("objectId")
        if not object_id:
            return None
        node = self.driver.execute_cdp_cmd("Accessibility.getPartialAXTree", {
            "objectId": object_id, "fetchRelatives": False})["nodes"][-1]

        def value(key):
            return node.get(key, {}).get("value", "")

        properties = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
        return {"role": value("role"), "name": value("name"),
                "description": value("description"), "ignored": node.get("ignored", False),
                "properties": properties}

    def quit(self):
        self.driver.quit()
        if self.process:
            self.process.kill()
            self.process.wait()


class Firefox(Browser):
    """Firefox ESR over WebDriver BiDi, on a WebSocket to the browser itself: no geckodriver."""

    name = "firefox"

    def __init__(self, width=800, height=600):
        import websocket  # Debian's python3-websocket

        binary = os.environ.get("FIREFOX", "/usr/bin/firefox-esr")
        self.profile = _profile("firefox")
        # Quiet, and nowhere to go: the recommended automation preferences come on by
        # themselves with the remote agent; these keep it from asking the network.
        with open(os.path.join(self.profile, "user.js"), "w", encoding="utf-8") as f:
            for key, value in (("network.proxy.type", 1), ("network.proxy.http", "'127.0.0.1'"),
                               ("network.proxy.http_port", 9),
                               ("network.proxy.ssl", "'127.0.0.1'"),
                               ("network.proxy.ssl_port", 9),
                               ("network.dns.disableIPv6", "true"),
                               ("browser.shell.checkDefaultBrowser", "false")):
                f.write(f"user_pref(\"{key}\", {value});\n")
        self.process = subprocess.Popen(
            [binary, "--headless", "--no-remote", "--profile", self.profile,
             "--remote-debugging-port", "0", f"--width={width}", f"--height={height}",
             "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            env=dict(os.environ, MOZ_CRASHREPORTER_DISABLE="1"))
        atexit.register(self.process.kill)
        self.socket = websocket.create_connection(
            f"ws://127.0.0.1:{self._bidi_port()}/session", timeout=120,
            suppress_origin=True)  # the remote agent refuses any Origin, as from a web page
        self.next_id = 0
        self.events = []
        self.version = self.command("session.new", {"capabilities": {}})["capabilities"][
            "browserVersion"]
        self.context = self.command("browsingContext.getTree", {})["contexts"][0]["context"]
        self.command("session.subscribe", {"events": ["network.beforeRequestSent",
                                                      "log.entryAdded"]})
        self.viewport(width, height)

    def _bidi_port(self):
        server = os.path.join(self.profile, "WebDriverBiDiServer.json")
        for _ in range(600):
            if os.path.exists(server):
                try:
                    with open(server, encoding="utf-8") as f:
                        return json.load(f)["ws_port"]
                except (ValueError, KeyError):
                    pass
            if self.process.poll() is not None:
                break
            time.sleep(0.1)
        self.process.kill()
        raise RuntimeError("Firefox did not start its WebDriver BiDi server")

    def command(self, method, params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if message.get("type") == "error":
                    raise RuntimeError(f"{method}: {message['error']}: {message['message']}")
                return message["result"]
            if message.get("type") == "event":
                self.events.append(message)

    def _take_events(self, method):
        taken = [e["params"] for e in self.events if e["method"] == method]
        self.events = [e for e in self.events if e["method"] != method]
        return taken

    def get(self, url):
        self.command("browsingContext.navigate", {"context": self.context, "url": url,
                                                  "wait": "complete"})

    @staticmethod
    def _local(value):
        if value is None:
            return {"type": "null"}
        if isinstance(value, bool):
            return {"type": "boolean", "value": value}
        if isinstance(value, (int, float)):
            return {"type": "number", "value": value}
        if isinstance(value, str):
            return {"type": "string", "value": value}
        if isinstance(value, (list, tuple)):
            return {"type": "array", "value": [Firefox._local(v) for v in value]}
        raise TypeError(f"cannot pass {value!r} to the page")

    @staticmethod
    def _remote(value):
        kind = value["type"]
        if kind in ("undefined", "null"):
            return None
        if kind in ("string", "boolean"):
            return value["value"]
        if kind == "number":
            number = value["value"]
            return float(number) if isinstance(number, str) else number
        if kind == "array":
            return [Firefox._remote(v) for v in value.get("value", [])]
        if kind == "object":
            return {k if isinstance(k, str) else Firefox._remote(k): Firefox._remote(v)
                    for k, v in value.get("value", [])}
        raise TypeError(f"the page gave a {kind}")

    def run(self, body, *args):
        result = self.command("script.callFunction", {
            "functionDeclaration": "function () {\n" + body + "\n}",
            "arguments": [self._local(a) for a in args],
            "target": {"context": self.context}, "awaitPromise": True,
            "resultOwnership": "none",
            "serializationOptions": {"maxObjectDepth": 8}})
        if result["type"] == "exception":
            raise RuntimeError(result["exceptionDetails"]["text"])
        return self._remote(result["result"])

    def perform(self, sources):
        self.command("input.performActions", {"context": self.context, "actions": sources})

    def shot(self, box):
        x, y, width, height = box
        shot = self.command("browsingContext.captureScreenshot", {
            "context": self.context, "origin": "viewport",
            "clip": {"type": "box", "x": x, "y": y, "width": width, "height": height}})
        return base64.b64decode(shot["data"]), (0, 0)

    def viewport(self, width, height, scale=1, phone=False):
        # No touch emulation over BiDi: a phone here is its width and pixel density, and taps
        # are the touch pointer's actions.
        self.command("browsingContext.setViewport", {
            "context": self.context, "viewport": {"width": width, "height": height},
            "devicePixelRatio": scale})
        return True

    def requests(self):
        return [e["request"]["url"] for e in self._take_events("network.beforeRequestSent")
                if e.get("context") == self.context]

    def errors(self):
        return [e.get("text", "") for e in self._take_events("log.entryAdded")
                if e.get("level") == "error"]

    def quit(self):
        try:
            self.command("browser.close", {})
        except Exception:  # the browser may close before it answers
            pass
        self.socket.close()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class WebKit(WebDriverClassic):
    """WebKitGTK's MiniBrowser, driven by WebKitWebDriver, on an Xvfb display of its own."""

    name = "webkit"

    def __init__(self, width=800, height=600):
        from selenium import webdriver
        from selenium.webdriver.webkitgtk.options import Options

        read, write = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp"], pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        atexit.register(self.xvfb.kill)
        os.close(write)
        with os.fdopen(read) as f:
            display = f.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        options = Options()
        options.binary_location = os.environ.get("MINIBROWSER") or next(iter(sorted(
            glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")
            + glob.glob("/usr/lib/*/webkitgtk-6.0/MiniBrowser"))), "MiniBrowser")
        options.add_argument("--automation")
        options.add_argument("--private")
        # The driver started here and reached at 127.0.0.1: Selenium's own service for it
        # differs between Debian 12's Selenium and Debian 13's, and would ask for "localhost".
        # The private display is the driver's and its browser's only, not this process's.
        port = _free_port()
        self.service = subprocess.Popen(
            [os.environ.get("WEBKITWEBDRIVER", "/usr/bin/WebKitWebDriver"), f"--port={port}"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            env=dict(os.environ, DISPLAY=":" + display))
        atexit.register(self.service.kill)
        _wait_for_port(port, self.service, "WebKitWebDriver")
        self.driver = webdriver.Remote(f"http://127.0.0.1:{port}", options=options)
        self.driver.set_script_timeout(30)
        self.version = self.driver.capabilities.get("browserVersion", "?")
        self.viewport(width, height)

    def shot(self, box):
        # WebKitWebDriver's screenshot is of the whole viewport.
        scale = self.run("return devicePixelRatio")
        return (base64.b64decode(self.driver.get_screenshot_as_base64()),
                (round(box[0] * scale), round(box[1] * scale)))

    def open(self, url=None):
        super().open(url)
        # Asking for a computed role turns accessibility on in the web process.
        if self.screen_reader:
            self.computed("Text1(0)")

    def viewport(self, width, height, scale=1, phone=False):
        # The window's size only: WebKitWebDriver sets no pixel density, and MiniBrowser's
        # window is never narrower than about 447 pixels, so there is no phone here.
        if scale != 1 or phone or width < 447:
            return False
        inner = self.run("return [innerWidth, innerHeight]")
        outer = self.driver.get_window_size()
        self.driver.set_window_size(outer["width"] + width - inner[0],
                                    outer["height"] + height - inner[1])
        return True

    def quit(self):
        self.driver.quit()
        self.service.kill()
        self.service.wait()
        self.xvfb.kill()
        self.xvfb.wait()


def start(engine=ENGINE, width=800, height=600, screen_reader=False):
    """A browser window; with screen_reader, each page with its accessibility on, as a screen
    reader turns it on (Chromium's always is, Firefox's cannot be from here)."""
    page = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}[engine](width, height)
    page.screen_reader = screen_reader
    return page
