#!/usr/bin/env python3
"""The page of the web build (dist/web/) in headless Chromium, served on 127.0.0.1.

Checks that the page loads and shows the 792x554 table with its colours in their places, that
a click on Roll Die draws the die from its picture pixel for pixel and writes "Rolled a ..."
into the page's live region, that a short game is played from the keyboard alone and heard,
that the over-bet refusal is read out before the table speaks, that a German browser gets the
German table, and that a phone's viewport gets the whole table scaled down.

Usage: web_check.py WEB_DIR ASSETS_DIR WORK_DIR
Every wait has a limit; a wait that runs out fails the check.
"""

import functools
import http.server
import re
import subprocess
import sys
import threading
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

LIMIT = 120  # seconds any one awaited state may take, on the slowest machine
web, assets, work = (Path(p) for p in sys.argv[1:4])
failures = []


def check(what, ok, detail=""):
    print(("PASS: " if ok else "FAIL: ") + what + ("" if ok else f" ({detail})"), flush=True)
    if not ok:
        failures.append(what)
    return ok


class Page(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(Page, directory=str(web)))
threading.Thread(target=server.serve_forever, daemon=True).start()
url = f"http://127.0.0.1:{server.server_address[1]}/index.html"


def browser(languages="en-US,en", width=1100, height=900):
    options = webdriver.ChromeOptions()
    for argument in ["--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                     "--force-device-scale-factor=1", f"--window-size={width},{height}",
                     "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
                     "--disable-extensions", "--no-first-run",
                     f"--lang={languages.split(',')[0]}"]:
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": languages})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    # The window's inner size exactly, whatever the headless browser's frame takes.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1,
                            "mobile": False})
    driver.get(url)
    return driver


def wait(driver, what, script):
    end = time.monotonic() + LIMIT
    while time.monotonic() < end:
        value = driver.execute_script(script)
        if value:
            return value
        time.sleep(0.05)
    state = driver.execute_script("return document.body.dataset.state")
    raise SystemExit(f"FAIL: {what}: not within {LIMIT} s (the page is {state!r}; "
                     f"its console: {driver.get_log('browser')[-5:]})")


def said(driver):
    return driver.execute_script("return window.pipfall.announcements.slice()")


def hear(driver, before, pattern):
    """Waits for a new announcement after the first `before`; returns them all."""
    wait(driver, f"an announcement matching {pattern!r}",
         f"return window.pipfall.announcements.length > {before}")
    end = time.monotonic() + LIMIT
    while time.monotonic() < end:
        new = said(driver)[before:]
        if any(re.search(pattern, text) for text in new):
            return new
        time.sleep(0.05)
    raise SystemExit(f"FAIL: no announcement matching {pattern!r}; heard {new}")


class Shot:
    """A screenshot of the page as rows of RGB triples."""

    def __init__(self, driver, name):
        png = work / f"{name}.png"
        png.write_bytes(driver.get_screenshot_as_png())
        self.path = png
        self.width, self.height = (int(v) for v in subprocess.run(
            ["identify", "-format", "%w %h", str(png)], capture_output=True, text=True,
            check=True).stdout.split())
        self.data = subprocess.run(["convert", str(png), "-depth", "8", "rgb:-"],
                                   capture_output=True, check=True).stdout

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def find_client(self):
        """The table's client area: the top left of the first row of 792 px of blue felt."""
        blue = bytes((0, 0, 255))
        for y in range(self.height):
            row = self.data[3 * y * self.width:3 * (y + 1) * self.width]
            x = row.find(blue * 792)
            while x >= 0 and x % 3:
                x = row.find(blue * 792, x + 1)
            if x >= 0:
                return (x // 3, y)
        return None

    def matches(self, x, y, picture):
        """Whether the picture file lies at x, y pixel for pixel."""
        width, height = (int(v) for v in subprocess.run(
            ["identify", "-format", "%w %h", str(picture)], capture_output=True, text=True,
            check=True).stdout.split())
        pixels = subprocess.run(["convert", str(picture), "-depth", "8", "rgb:-"],
                                capture_output=True, check=True).stdout
        for row in range(height):
            start = 3 * ((y + row) * self.width + x)
            if self.data[start:start + 3 * width] != pixels[3 * row * width:3 * (row + 1) * width]:
                return False
        return True


def click(driver, x, y):
    for kind in ("mousePressed", "mouseReleased"):
        driver.execute_cdp_cmd("Input.dispatchMouseEvent",
                               {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})


KEYS = {"Tab": (9, "Tab"), "Return": (13, "Enter"), "space": (32, " "), "Up": (38, "ArrowUp"),
        "Down": (40, "ArrowDown"), "Escape": (27, "Escape"), "F10": (121, "F10")}


def press(driver, name):
    code, key = KEYS[name]
    for kind in ("rawKeyDown", "keyUp"):
        event = {"type": kind, "windowsVirtualKeyCode": code, "key": key,
                 "code": {"space": "Space", "Return": "Enter", "Up": "ArrowUp",
                          "Down": "ArrowDown"}.get(name, name)}
        driver.execute_cdp_cmd("Input.dispatchKeyEvent", event)


def screen_changes(driver, before, name):
    """Waits until the page looks other than the shot before; returns the new shot."""
    end = time.monotonic() + LIMIT
    while time.monotonic() < end:
        shot = Shot(driver, name)
        if shot.data != before.data:
            return shot
    raise SystemExit(f"FAIL: {name}: the page did not change within {LIMIT} s")


FACES = ["one", "two", "three", "four", "five", "six"]
FACES_DE = ["Eins", "Zwei", "Drei", "Vier", "Fünf", "Sechs"]


def rolled_face(text, pattern, names):
    """The face an announcement says was rolled, or None."""
    match = re.match(pattern, text)
    return names.index(match.group(1)) + 1 if match and match.group(1) in names else None


def table(driver, name):
    wait(driver, "the table's first frame", "return window.pipfall.firstFrame !== undefined")
    shot = Shot(driver, name)
    client = shot.find_client()
    if not client:
        raise SystemExit(f"FAIL: no 792 px run of the table's blue felt in {shot.path}")
    return shot, client


# --- English: the table, a click on Roll Die, the keyboard, a refusal ----------------------
driver = browser()
try:
    shot, (cx, cy) = table(driver, "web-en")
    print(f"the table's client area at {cx},{cy}, drawn "
          f"{driver.execute_script('return window.pipfall.firstFrame'):.0f} ms after navigation")
    check("the page is titled PIPFALL", driver.title == "PIPFALL", driver.title)
    check("the canvas has an accessible name",
          driver.execute_script("return document.getElementById('table').getAttribute("
                                "'aria-label')") == "Pipfall dice table")
    region = driver.execute_script(
        "const r = document.getElementById('announcements');"
        "return [r.getAttribute('role'), r.getAttribute('aria-live')]")
    check("the live region is a polite status", region == ["status", "polite"], region)
    # The client area: 554 rows of felt down its left edge, none beside it; the logo from its
    # picture; the bankroll's bottom border exactly one pixel of black.
    rows = sum(1 for y in range(cy, shot.height) if shot.at(cx, y) == (0, 0, 255))
    check("the client area is 792x554",
          rows == 554 and shot.at(cx - 1, cy) != (0, 0, 255) and
          shot.at(cx + 792, cy) != (0, 0, 255), f"{rows} rows of felt")
    check("the menu bar above it is the desktop's grey",
          shot.at(cx + 400, cy - 9) == (239, 239, 239), shot.at(cx + 400, cy - 9))
    check("the logo is drawn from logo.bmp", shot.matches(cx + 17, cy + 41, assets / "logo.bmp"))
    border = [shot.at(cx + 200, cy + 364 + i) for i in range(8)]
    check("lblBankroll's border: white, one black row, felt",
          border == [(255, 255, 255)] * 4 + [(0, 0, 0)] + [(0, 0, 255)] * 3, border)
    check("Roll Die is its blue", shot.at(cx + 620, cy + 150) == (128, 128, 255),
          shot.at(cx + 620, cy + 150))
    check("Make One-Roll Bet is its orange", shot.at(cx + 570, cy + 230) == (255, 128, 0),
          shot.at(cx + 570, cy + 230))

    # A bet with the up-down's upper arrow, then Roll Die.
    click(driver, cx + 430, cy + 347)
    before = len(said(driver))
    click(driver, cx + 672, cy + 176)
    heard = hear(driver, before, r"^Rolled a ")
    face = rolled_face(heard[-1], r"^Rolled an? (\w+)\.", FACES)
    shot = Shot(driver, "web-en-rolled")
    check(f"the die is drawn from imgdie{face}.bmp after Roll Die",
          face is not None and shot.matches(cx + 377, cy + 113, assets / f"imgdie{face}.bmp"),
          heard)
    check("the roll is told with the bankroll, last",
          re.search(r"Bankroll, \d+ dollars\.$", heard[-1]), heard)

    # From the keyboard alone: Roll Die keeps the focus the click gave it; Return and Space
    # roll, each roll told, the face first.
    for key in ("Return", "space", "Return"):
        before = len(said(driver))
        press(driver, key)
        heard = hear(driver, before, r"^Rolled an? (one|two|three|four|five|six)\. .*"
                                     r"Bankroll, \d+ dollars\.")
        print(f"PASS: {key} on Roll Die rolls, and the roll is heard: {heard[-1][:40]}…")
    # F10 opens the first menu, where a browser keeps Alt for itself; Escape closes it.
    before_menu = Shot(driver, "web-en-menu-before")
    press(driver, "F10")
    menu = screen_changes(driver, before_menu, "web-en-menu")
    check("F10 opens the Options menu under its title",
          menu.at(cx + 20, cy + 10) != before_menu.at(cx + 20, cy + 10))
    press(driver, "Escape")
    press(driver, "Escape")

    # A bet over the bankroll: the box is read out, then OK gives the table back.
    driver.get(url)
    shot, (cx, cy) = table(driver, "web-en-again")
    before = len(said(driver))
    for _ in range(21):  # $5 a click, up to $105 against the $100 bankroll
        click(driver, cx + 430, cy + 347)
    heard = hear(driver, before, r"^Your bet cannot be over your bankroll\.$")
    box = Shot(driver, "web-en-box")
    check("the over-bet refusal is read out as its box opens",
          heard[-1] == "Your bet cannot be over your bankroll.", heard)
    press(driver, "Return")
    screen_changes(driver, box, "web-en-box-closed")
    print("PASS: Return on OK closes the box")
    # The refusal's handler goes on after OK and gives the table back: Roll Die plays again.
    after = len(said(driver))
    click(driver, cx + 672, cy + 176)
    heard = hear(driver, after, r"^Rolled an? ")
    check("after the box the table plays on: Roll Die is heard, \"Rolled a\" first",
          heard[0].startswith("Rolled a"), heard)
finally:
    driver.quit()

# --- German: the browser's language chooses the game's --------------------------------------
driver = browser("de-DE,de")
try:
    shot, (cx, cy) = table(driver, "web-de")
    check("a German browser gets the German page",
          driver.execute_script("return document.documentElement.lang") == "de")
    click(driver, cx + 430, cy + 347)
    before = len(said(driver))
    click(driver, cx + 672, cy + 176)
    heard = hear(driver, before, r" gewürfelt\.")
    face = rolled_face(heard[-1], r"^Eine (\w+) gewürfelt\.", FACES_DE)
    check("the roll is told in German", face is not None, heard)
    shot = Shot(driver, "web-de-rolled")
    check(f"the German die is drawn from imgdie{face}.bmp",
          face is not None and shot.matches(cx + 377, cy + 113, assets / f"imgdie{face}.bmp"))
finally:
    driver.quit()

# --- A phone: the whole table, scaled down ----------------------------------------------------
driver = browser(width=390, height=844)
try:
    wait(driver, "the table's first frame on a phone",
         "return window.pipfall.firstFrame !== undefined")
    shot = Shot(driver, "web-phone")
    box = driver.execute_script(
        "const r = document.getElementById('screen').getBoundingClientRect();"
        "return [r.left, r.top, r.width, r.height, window.pipfall.scale]")
    check("the table fits a phone's width", box[0] >= 0 and box[0] + box[2] <= 390, box)
    blue = sum(1 for x in range(shot.width) if shot.at(x, int(box[1] + box[3] / 2)) == (0, 0, 255))
    check("the scaled table shows its felt", blue > 100, f"{blue} blue pixels across")
    check("the table is drawn at the phone's scale", abs(box[4] - (390 - 16) / 792) < 0.01, box)
finally:
    driver.quit()

server.shutdown()
if failures:
    sys.exit(f"FAIL: {len(failures)} checks failed: {failures} (screenshots in {work})")
print("PASS: the page, the table, the die, the keyboard, German and a phone")
