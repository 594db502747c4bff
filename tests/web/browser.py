#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""browser.py SITE MEASURE_CONTRAST: the page in SITE (the web build's folder) served from 127.0.0.1 and used
from the keyboard in headless Chromium, driven over the DevTools protocol: what a user does, what the page's
live regions then say and what its pixels show. One line per case; status 1 if any fails.
Environment: TAVELON_CLIENT_SIZE (WxH), CHROMIUM (default chromium), ONLY (run only the cases whose names
contain it), TAVELON_WEB_PICTURES (a folder for the pictures of the typical use, light and dark)."""
import base64
import functools
import http.server
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
from pathlib import Path

import websocket
from PIL import Image

SITE, MEASURE = (Path(sys.argv[1]), sys.argv[2]) if __name__ == "__main__" else (None, None)
WIDTH, HEIGHT = (int(v) for v in os.environ.get("TAVELON_CLIENT_SIZE", "303x487").split("x"))
# The material list has the focus at start; Tab goes through the ratios, the targets, then the buttons.
TABS = ["mat", "vl", "pw", "cw", "w3", "wit", "lengh", "thi", "ct", "Command1", "Command4", "Command2", "Command3"]
TYPICAL = {"vl": "1", "pw": "0.43", "cw": "0.15", "w3": "0.6"}
WARNINGS = ["Please Select a Material."] + [f"Please insert a valid {r} Thanks." for r in ("L/W", "P/W", "C/W", "Vol/W3")] + [
    "Please insert at least a known dimension ."]
# Places in the client area (x, y, w, h): the result fields, where figures are drawn.
FIELDS = {"wit": (144, 238, 57, 19), "lengh": (144, 262, 57, 19), "thi": (144, 334, 57, 19),
          "ct": (144, 358, 57, 19), "crown": (144, 310, 57, 19), "pavillion": (144, 288, 57, 19)}


class Page:
    """One Chromium, one tab."""

    def __init__(self, url, flags=(), dark=False, before=None):
        self.profile = tempfile.mkdtemp(prefix="tavelon-chromium-")
        self.process = subprocess.Popen(
            [os.environ.get("CHROMIUM", "chromium"), "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync", "--disable-quic",
             "--remote-debugging-port=0", "--remote-allow-origins=*", f"--user-data-dir={self.profile}",
             "--window-size=800,700", "--force-device-scale-factor=1", *flags, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = Path(self.profile) / "DevToolsActivePort"
        for _ in range(300):
            if port_file.exists() and port_file.read_text().count("\n") >= 1:
                break
            time.sleep(0.1)
        port = port_file.read_text().split("\n")[0]
        tabs = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list"))
        self.socket = websocket.create_connection(next(t for t in tabs if t["type"] == "page")["webSocketDebuggerUrl"],
                                                  timeout=60)
        self.next_id = 0
        if dark:
            self.call("Emulation.setEmulatedMedia", features=[{"name": "prefers-color-scheme", "value": "dark"}])
        self.call("Page.enable")
        if before:  # a script that runs in the page before its own
            self.call("Page.addScriptToEvaluateOnNewDocument", source=before)
        self.call("Page.navigate", url=url)

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == self.next_id:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer.get("result", {})

    def js(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        return result.get("result", {}).get("value")

    def wait(self, expression, what, seconds=60):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if self.js(expression):
                return
            time.sleep(0.05)
        raise AssertionError(f"waited {seconds} s for {what}")

    def started(self):
        """Waits for the window to be drawn, then gives Qt's window the keyboard."""
        self.wait("document.getElementById('screen').style.display === 'block'", "the program to load")
        self.wait_for_pixels(lambda picture: len(picture.crop((8, 20, 295, 60)).getcolors(65536) or []) > 3,
                             "the window to be drawn")
        left, top = self.origin()
        # The cut diagram: a click there takes no focus from the list.
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=left + 150, y=top + 80, button="left", clickCount=1)
        time.sleep(0.2)

    def origin(self):
        rect = self.js("JSON.stringify(document.getElementById('screen').getBoundingClientRect())")
        rect = json.loads(rect)
        return round(rect["x"]), round(rect["y"])

    def window(self):
        """The client area, as drawn."""
        shot = self.call("Page.captureScreenshot", format="png")
        picture = Image.open(io.BytesIO(base64.b64decode(shot["data"]))).convert("RGB")
        left, top = self.origin()
        return picture.crop((left, top, left + WIDTH, top + HEIGHT))

    def wait_for_pixels(self, test, what, seconds=30):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            picture = self.window()
            if test(picture):
                return picture
            time.sleep(0.1)
        raise AssertionError(f"waited {seconds} s for {what}")

    def press(self, key):
        named = {"Tab": ("Tab", 9, ""), "Enter": ("Enter", 13, "\r"), "ArrowDown": ("ArrowDown", 40, ""),
                 " ": ("Space", 32, " ")}
        if key in named:
            code, vk, text = named[key]
        else:  # a digit, a point or a comma
            code = {".": "Period", ",": "Comma"}.get(key, f"Digit{key}")
            vk, text = {".": 190, ",": 188}.get(key, ord(key)), key
        common = {"key": key, "code": code, "windowsVirtualKeyCode": vk, "nativeVirtualKeyCode": vk}
        self.call("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown", text=text, **common)
        self.call("Input.dispatchKeyEvent", type="keyUp", **common)
        time.sleep(0.03)

    def type(self, text):
        for key in text:
            self.press(key)

    def region(self, name):
        return self.js(f"document.getElementById('tavelon-{name}').textContent").replace("\u00a0", "")

    def fill(self, values, calculate=True):
        """Goes down the tab order from the list, typing VALUES (a name: text map) where they are given;
        a material is picked first with the arrow keys where VALUES says "mat"."""
        if values.get("mat"):
            self.press("ArrowDown")
        for name in TABS[1:10]:
            self.press("Tab")
            if name in values:
                self.type(values[name])
        if calculate:
            self.press(" ")

    def close(self):
        self.socket.close()
        self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    """FOLDER served from 127.0.0.1 in a thread of its own: the server and its address."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=str(folder)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


CASES = []


def case(name, flags=(), dark=False, before=None):
    """A test, run on a fresh page by main()."""
    def wrap(body):
        CASES.append((name, flags, dark, before, body))
        return body
    return wrap


def main():
    server, url = serve(SITE)
    failures = cases = 0
    for name, flags, dark, before, body in CASES:
        if os.environ.get("ONLY", "") not in name:
            continue
        cases += 1
        page = Page(url, flags, dark, before)
        try:
            body(page)
            print(f"PASS: {name}")
        except Exception as error:  # noqa: BLE001 - every failure is reported the same way
            failures += 1
            print(f"FAIL: {name}: {error}")
        finally:
            page.close()
    server.shutdown()
    print(f"{cases - failures} passed, {failures} failed")
    return 1 if failures else 0


def expect(said, wanted, what):
    if said != wanted:
        raise AssertionError(f"{what}: {said!r}, not {wanted!r}")


def drawn(picture, field):
    x, y, w, h = FIELDS[field]
    return len(picture.crop((x + 3, y + 3, x + w - 3, y + h - 3)).getcolors(65536) or []) > 2


@case("the typical use from the keyboard gives the five figures, said and drawn")
def typical(page):
    page.started()
    page.fill({"mat": True, **TYPICAL, "wit": "10"})
    page.wait("document.getElementById('tavelon-status').textContent.includes('crown')", "the figures to be said")
    expect(page.region("status"), "Length 10.00 mm, total height 5.80 mm, weight 9.75 ct, pavilion 4.30 mm, "
           "crown 1.50 mm", "the live region")
    picture = page.window()
    unwritten = [f for f in ("lengh", "thi", "ct", "pavillion", "crown") if not drawn(picture, f)]
    if unwritten:
        raise AssertionError(f"no figure drawn in {', '.join(unwritten)}")
    picture.save(Path(os.environ.get("TAVELON_WEB_PICTURES", ".")) / "tavelon-web-light.png")


def target_case(target, given, wanted):
    @case(f"the {target} given alone: the other figures")
    def run(page):
        page.started()
        page.fill({"mat": True, **TYPICAL, "vl": "1.5", target: given})
        page.wait("document.getElementById('tavelon-status').textContent.includes('crown')", "the figures")
        expect(page.region("status"), wanted, "the live region")


target_case("wit", "10", "Length 15.00 mm, total height 5.80 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm")
target_case("lengh", "15", "Width 10.00 mm, total height 5.80 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm")
target_case("thi", "5.8", "Width 10.00 mm, length 15.00 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm")
target_case("ct", "9.75", "Width 10.00 mm, length 15.00 mm, total height 5.80 mm, pavilion 4.30 mm, crown 1.50 mm")


@case("an empty form: each warning in its box, in order, pressed away with Enter; no figure written")
def empty(page):
    page.started()
    page.fill({})
    for number, warning in enumerate(WARNINGS, 1):
        page.wait(f"document.getElementById('tavelon-alert').textContent.replace(/\\u00a0/g, '') === {warning!r}",
                  f"warning {number}, {warning!r}", 10)
        time.sleep(0.3)
        expect(page.region("alert"), warning, f"warning {number} before Enter")  # the next waits for Enter
        page.press("Enter")
    time.sleep(0.5)
    expect(page.region("status"), "", "what the live region said")
    expect(page.region("alert"), WARNINGS[-1], "the last warning")


@case("German: the density as 3,25; figures from ratios typed with a comma", flags=("--lang=de-DE",
                                                                                  "--accept-lang=de-DE,de"))
def german(page):
    page.started()
    page.press("ArrowDown")
    page.wait("document.getElementById('tavelon-status').textContent.includes('3')", "the density to be said")
    expect(page.region("status"), "Density 3,25", "the pick")
    page.fill({"vl": "1", "pw": "0,43", "cw": "0,15", "w3": "0,6", "wit": "10"})
    page.wait("document.getElementById('tavelon-status').textContent.includes('crown')", "the figures")
    expect(page.region("status"), "Length 10,00 mm, total height 5,80 mm, weight 9,75 ct, pavilion 4,30 mm, "
           "crown 1,50 mm", "the live region")


@case("German: 1.5 is no number, not 15", flags=("--lang=de-DE", "--accept-lang=de-DE,de"))
def german_point(page):
    page.started()
    page.fill({"mat": True, "vl": "1.5", "pw": "0,43", "cw": "0,15", "w3": "0,6", "wit": "10"})
    page.wait("document.getElementById('tavelon-alert').textContent !== ''", "a warning", 10)
    expect(page.region("alert"), "Please insert a valid L/W Thanks.", "the warning")


@case("dark: the window is dark and every text at least 4.5:1", dark=True)
def dark(page):
    page.started()
    page.fill({"mat": True, **TYPICAL, "wit": "10"})
    page.wait("document.getElementById('tavelon-status').textContent.includes('crown')", "the figures")
    picture = page.wait_for_pixels(lambda p: drawn(p, "pavillion"), "the figures to be drawn")
    background = picture.getpixel((150, 480))
    if sum(background) / 3 > 80:
        raise AssertionError(f"the window's background is {background}, not dark")
    path = Path(os.environ.get("TAVELON_WEB_PICTURES", ".")) / "tavelon-web-dark.png"
    picture.save(path)
    measured = subprocess.run([sys.executable, MEASURE, path], capture_output=True, text=True)
    if measured.returncode != 0:
        raise AssertionError("texts under 4.5:1: " + measured.stdout.strip().replace("\n", "; "))


@case("Exit leaves a line saying that Tavelon has ended")
def exit_(page):
    page.started()
    for _ in TABS[1:]:
        page.press("Tab")
    page.press(" ")
    page.wait("document.getElementById('note').style.display !== 'none'", "the page's line", 10)
    expect(page.js("document.getElementById('note').textContent.trim()"),
           "Tavelon has ended. Reload the page to start it again.", "the page")
    expect(page.js("getComputedStyle(document.getElementById('screen')).display"), "none", "the window's screen")


@case("without WebAssembly the page says why in a line", before="delete globalThis.WebAssembly")
def no_wasm(page):
    page.wait("document.readyState === 'complete'", "the page")
    time.sleep(0.5)
    said = page.js("document.getElementById('note').textContent.trim()")
    if not said.startswith("Tavelon needs a browser that runs WebAssembly"):
        raise AssertionError(f"the page says {said!r}")


if __name__ == "__main__":
    sys.exit(main())
