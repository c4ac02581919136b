#!/usr/bin/env bash
# The real game played from the keyboard alone, heard as a screen reader hears it: Xvfb, a
# private D-Bus, the AT-SPI bus and registry, openbox, and python3-pyatspi listening for
# focus, value and notification events while xdotool presses keys. The game's die shows the
# faces the test gives it (pipfall-scripted), so every run takes the same path: two come-out
# ones in a row, each told; a point set and missed; one-roll bets on one and four, four a
# winner; the over-bet message giving the focus back to the bet; a bet of 95 lost with 2
# left, the game over told with the way to a new bankroll, no menu opened by itself, and the
# Bankroll menu opened from the game-over notice. (Taking a winner down from the keyboard is
# tst_accessibility's.)
# Every step waits for the event it needs, up to a limit; a step that does not come fails.
# Usage: e2e_keyboard.sh PATH/TO/pipfall-scripted. Exits 77 (skipped) when a tool is missing.
set -uo pipefail

game=${1:?usage: e2e_keyboard.sh PATH/TO/pipfall-scripted}
if [[ -z ${PIPFALL_PRIVATE_BUS:-} ]]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
    PIPFALL_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/e2e_session.sh"
require_tools Xvfb xdotool xprop openbox dbus-send /usr/bin/python3 /usr/libexec/at-spi-bus-launcher \
    /usr/libexec/at-spi2-registryd
# Debian's own Python, which python3-pyatspi installs into.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
start_xvfb 1280x1024x24
helper bus /usr/libexec/at-spi-bus-launcher --launch-immediately
# The registry asks the launcher for the bus's address.
bus_up() { dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; }
within bus_up || fail "the AT-SPI bus did not start: $(cat "$work/bus.log")"
helper registry /usr/libexec/at-spi2-registryd
start_openbox || echo "note: openbox did not start, the game goes on without it: $(cat "$work/openbox.log")"
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

/usr/bin/python3 - "$game" "$work/game.log" <<'EOF' || fail "$(tail -n 5 "$work/game.log")"
import contextlib, pyatspi, re, subprocess, sys, time
from gi.repository import GLib

LIMIT = 60  # seconds any one awaited event may take, on the slowest machine
# (kind, text): pressed (the last key), focus (a name), value (a spin button's text), said (a
# notification)
events = []
def heard(e):
    with contextlib.suppress(Exception):  # an object gone by the time it is asked
        if e.type.endswith("accessible-value"):
            events.append(("value", e.source.queryText().getText(0, -1)))
        elif e.detail1 and e.type.endswith("focused"):
            events.append(("focus", e.source.name))
        elif e.detail1 and e.source.getRoleName() == "notification":
            events.append(("said", e.source.name))
pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused",
    "object:state-changed:showing", "object:property-change:accessible-value")

def fail(what):
    status = game.poll()
    game.kill()
    sys.exit(f"FAIL: {what}; since the last key pressed: {events}"
             + ("" if status is None else f"; the game ended with status {status}"))
def hear(kind, pattern):
    """Waits for an event of that kind whose text matches; returns the text."""
    end = time.monotonic() + LIMIT
    while time.monotonic() < end:
        for i, (k, text) in enumerate(events):
            if k == kind and re.search(pattern, text):
                del events[i]
                return text
        GLib.MainContext.default().iteration(False) or time.sleep(0.01)
    fail(f"no {kind} event matching {pattern!r}")
def press(name, kind, pattern):
    events[:] = [("pressed", name)]  # what came before the key is forgotten
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    hear(kind, pattern)

game = subprocess.Popen([sys.argv[1], "1", "1", "4", "3", "4", "1"],
                        stdout=open(sys.argv[2], "w"), stderr=subprocess.STDOUT)
# Openbox gives a new window the keyboard: the bet has the focus once the table is up.
hear("focus", "^Main bet$")
press("Up", "value", "^5 dollars$")
press("Tab", "focus", "^Roll Die$")

# Two come-out ones in a row: the same outcome, told both times, with the face first.
press("Return", "said", r"^Rolled a one\. One on the come out is a loser\..* Bankroll, 90 dollars\.$")
press("KP_Enter", "said", r"^Rolled a one\. One on the come out is a loser\..* Bankroll, 85 dollars\.$")
press("space", "said", r"^Rolled a four\. The point is 4: first chance, pays two to one\. Bankroll, 85 dollars\.$")
press("Return", "said", r"^Rolled a three\. Point 4 missed on the first chance\. .*Bankroll, 85 dollars\.$")

# A dollar on one and on four; four comes up and its stake rides.
press("Tab", "focus", "^Make One-Roll Bet$")
press("Return", "focus", "^One-roll amount on one$")
press("Up", "value", "^1 dollar$")
for number in ["two", "three", "four"]:
    press("Tab", "focus", f"^One-roll amount on {number}$")
press("Up", "value", "^1 dollar$")
press("Tab", "focus", "^One-roll amount on five$")
press("Tab", "focus", "^Enter Bets$")
press("Return", "focus", "^Roll Die$")
hear("said", r"^One-roll bet of 1 dollar on one\. One-roll bet of 1 dollar on four\. Bankroll, 83 dollars\.$")
press("Return", "said", r"^Rolled a four\. The one-roll bet of 1 dollar on one is lost\..* Your one-roll "
      r"bet on the 4 wins!.* It wins 4 dollars; the stake of 1 dollar stays on four\..* The point "
      r"has been rolled on the second opportunity.* Bankroll, 92 dollars\.$")

# Up to more than the bankroll: the message box takes the focus, and OK gives it back.
press("shift+Tab", "focus", "^Main bet$")
for bet in range(10, 100, 5):
    press("Up", "value", f"^{bet} dollars$")
press("Up", "focus", "^OK$")
press("Return", "focus", "^Main bet$")

# The bet of 95 lost with 2 left: the game is over, and no menu opens by itself.
press("Tab", "focus", "^Roll Die$")
press("Return", "said", r"^Rolled a one\..* The bet of 95 dollars is lost\..* GAME OVER!!! Bankroll is under "
      r"five dollars\. Bankroll, 2 dollars\. Press Alt\+B for a new bankroll\.$")
notice = r"^GAME OVER!!! Bankroll is under five dollars\. Press Return to choose a new bankroll\.$"
hear("focus", notice)
# Tab to the die and back, heard after anything the game did before it read the keys: a menu
# opened by itself would have shown its first item, and taken the keys.
def no_menu():
    if any(kind == "focus" and text == "20" for kind, text in events):
        fail("the Bankroll menu opened by itself")
for key, stop in [("Tab", "^Die, one$"), ("shift+Tab", notice)]:
    no_menu()
    subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
    hear("focus", stop)
no_menu()
press("Return", "focus", "^20$")
print("PASS: every step reached from the keyboard, every roll told")
game.kill()
EOF
