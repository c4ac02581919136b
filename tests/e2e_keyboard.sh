#!/usr/bin/env bash
# The real game played from the keyboard alone, watched as a screen reader watches it: Xvfb,
# a private D-Bus, the AT-SPI bus and registry, openbox, and python3-pyatspi listening for
# focus, value and notification events while xdotool presses keys. Whatever the die shows,
# every roll is announced; one-roll bets on all six numbers make a winner, taken down with
# Space; the over-bet message gives the focus back to the bet; a lost bankroll of 20 (new
# bankrolls until one is lost) ends the game with the focus in the Bankroll menu.
# Usage: e2e_keyboard.sh PATH/TO/pipfall. Exits 77 (skipped) when a tool is missing.
set -uo pipefail

game=${1:?usage: e2e_keyboard.sh PATH/TO/pipfall}
if [[ -z ${PIPFALL_PRIVATE_BUS:-} ]]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
    PIPFALL_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/e2e_session.sh"
require_tools Xvfb xdotool openbox dbus-send /usr/bin/python3 /usr/libexec/at-spi-bus-launcher \
    /usr/libexec/at-spi2-registryd
# Debian's own Python, which python3-pyatspi installs into.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
helpers=()
trap 'kill "${helpers[@]}" 2>/dev/null; cleanup' EXIT
start_xvfb 1280x1024x24
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
helpers+=($!)
for _ in $(seq 100); do # the registry asks the launcher for the bus's address
    dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
done
/usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
helpers+=($!)
openbox >"$work/openbox.log" 2>&1 &
helpers+=($!)
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

cat >"$work/play.py" <<'EOF'
import re, subprocess, sys, time
import pyatspi
from gi.repository import GLib

events = []  # (kind, name): focus, value (the text of a spin button), said (a notification)
def heard(e):
    try:
        role, name = e.source.getRoleName(), e.source.name
        if e.type.endswith("accessible-value"):
            events.append(("value", e.source.queryText().getText(0, -1)))
        elif e.detail1 and e.type.endswith("focused"):
            events.append(("focus", name))
        elif e.detail1 and role == "notification":
            events.append(("said", name))
    except Exception:
        pass
pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused",
    "object:state-changed:showing", "object:property-change:accessible-value")

last = "start"
def fail(what):
    print(f"FAIL: {what} after {last}; heard: {events[-8:]}")
    game.kill()
    sys.exit(1)
def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        GLib.MainContext.default().iteration(False) or time.sleep(0.01)
def hear(kind, pattern, seconds=60):
    """Waits for an event of that kind whose text matches; returns the text."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for i, (k, text) in enumerate(events):
            if k == kind and re.search(pattern, text):
                del events[i]
                return text
        pump(0.05)
    fail(f"no {kind} event matching {pattern!r}")
def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
def press(name, kind=None, pattern="."):
    global last
    last = name
    events.clear()
    key(name)
    return hear(kind, pattern) if kind else None
def has(name, state):  # whether the widget of that name is in that state
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Pipfall"), None)
    found = app and pyatspi.findDescendant(app, lambda a: a.name == name)
    return bool(found) and found.getState().contains(state)

game = subprocess.Popen([sys.argv[1]], stdout=open(sys.argv[2], "w"), stderr=subprocess.STDOUT)
for _ in range(100):  # openbox may still be starting: activate once it answers
    if subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^PIPFALL$",
                       "windowactivate", "--sync"], timeout=60, capture_output=True).returncode == 0:
        break
    pump(0.2)
hear("focus", "^Main bet$", 60)
press("Up", "value", "^5 dollars$")
press("Tab", "focus", "^Roll Die$")
for roll in ["Return", "KP_Enter", "space"]:
    press(roll, "said", ".")  # every roll tells something

press("Tab", "focus", "^Make One-Roll Bet$")
press("Return", "focus", "^One-roll amount on one$")
for number in ["two", "three", "four", "five"]:
    press("Up", "value", "^1 dollar$")
    press("Tab", "focus", f"^One-roll amount on {number}$")
press("Up", "value", "^1 dollar$")
press("Tab", "focus", "^Enter Bets$")
press("Tab", "focus", "^One-roll amount on six$")
press("Up", "value", "^1 dollar$")
press("shift+Tab", "focus", "^Enter Bets$")
press("Return", "focus", "^Roll Die$")
said = press("Return", "said", r"one-roll bet on the \d wins")
if "Bankroll, " not in said:
    fail(f"the bankroll is not told after the roll: {said!r}")
press("Tab", "focus", "^Make One-Roll Bet$")
press("Tab", "focus", "a winner; press to take it down$")
press("space", "focus", "^Roll Die$")
hear("said", "^Bankroll, ")

for _ in range(20):  # to the end of the point, if one is on
    if has("Main bet", pyatspi.STATE_SENSITIVE):
        break
    press("Return", "said", ".")
press("shift+Tab", "focus", "^Main bet$")
events.clear()
for _ in range(200):  # up to more than the bankroll: the message box takes the focus
    key("Up")
    pump(0.3)
    if ("focus", "OK") in events:
        break
else:
    fail("the bet never went over the bankroll")
press("Return")  # OK: the keyboard is back on the bet, told as a focus event or seen in its state
end = time.monotonic() + 60
while ("focus", "Main bet") not in events and not has("Main bet", pyatspi.STATE_FOCUSED):
    if time.monotonic() > end:
        fail("the focus did not come back to the bet")
    pump(0.1)

press("Tab", "focus", "^Roll Die$")
for _ in range(40):  # a new bankroll of 20, all of it bet, until one is lost
    press("alt+b", "focus", "^20$")
    press("Return")
    press("alt+o", "focus", "Auto re-bet")
    press("m")
    pump(1)
    for _ in range(10):
        press("Return", "said", ".")
        pump(1)
        if ("focus", "20") in events:
            print("PASS: every step reached from the keyboard, every outcome announced")
            game.kill()
            sys.exit(0)
        if has("Main bet", pyatspi.STATE_SENSITIVE):
            break
fail("no bankroll of 20 was lost in 40 tries")
EOF

# A second game when the first one fails: the desktop's own start-up (openbox, the AT-SPI
# registry) can still be settling, which one time in a dozen loses an event here; a fault of
# the game fails both.
/usr/bin/python3 "$work/play.py" "$game" "$work/game.log" ||
    /usr/bin/python3 "$work/play.py" "$game" "$work/game.log" || fail "$(tail -n 5 "$work/game.log")"
