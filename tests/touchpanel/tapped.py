#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A pupil at a touch panel, on a real X server under a window manager: the taps come as a
# multi-touch frame sends them, in TUIO over UDP, to Qt's own TUIO touch input (the tuiotouch
# plugin, which hands them to the window as a touch screen's touches). Where to tap, and what the
# screen then shows, is read on the AT-SPI bus, as a screen reader reads it.
#   tapped.py KALYXTERON OPEN_SCREEN      (run by ../screenreader/run, inside its session)
import os
import socket
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
import pyatspi  # noqa: E402
from heard import (Failure, application, expect, extents, find, focused, has, named, run, text_of,  # noqa: E402
                   wait_for, wait_window)

PAD = "Πληκτρολόγιο αριθμών"
KEYBOARD = "Ελληνικό πληκτρολόγιο"
HOLD_S = 0.05  # a finger rests on the glass this long


def osc_string(text):
    data = text.encode() + b"\0"
    return data + b"\0" * (-len(data) % 4)


def osc_message(address, *arguments):
    tags = "," + "".join("s" if isinstance(a, str) else "i" if isinstance(a, int) else "f" for a in arguments)
    body = b"".join(osc_string(a) if isinstance(a, str) else struct.pack(">i", a) if isinstance(a, int)
                    else struct.pack(">f", a) for a in arguments)
    return osc_string(address) + osc_string(tags) + body


def osc_bundle(*messages):
    immediately = struct.pack(">II", 0, 1)
    return osc_string("#bundle") + immediately + b"".join(struct.pack(">i", len(m)) + m for m in messages)


class Panel:
    """A TUIO touch frame over the display: one finger, put down and lifted."""

    def __init__(self, port):
        self.socket = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.port = port
        self.frame = 0
        self.finger = 0

    def send(self, *messages):
        self.frame += 1
        self.socket.sendto(osc_bundle(osc_message("/tuio/2Dcur", "source", "kalyxteron-test"), *messages,
                                      osc_message("/tuio/2Dcur", "fseq", self.frame)), ("127.0.0.1", self.port))

    def tap(self, target):
        """A tap at the middle of an accessible object, on the active window (where TUIO sends it)."""
        window = active()
        place, frame = extents(target), extents(window)
        x = (place.x + place.width / 2 - frame.x) / frame.width
        y = (place.y + place.height / 2 - frame.y) / frame.height
        self.finger += 1
        self.send(osc_message("/tuio/2Dcur", "alive", self.finger),
                  osc_message("/tuio/2Dcur", "set", self.finger, x, y, 0.0, 0.0, 0.0))
        time.sleep(HOLD_S)
        self.send(osc_message("/tuio/2Dcur", "alive"))
        time.sleep(HOLD_S)


def active():
    return find(application(), lambda o: o.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
                and has(o, pyatspi.STATE_ACTIVE))


def showing(name, role=None):
    return find(application(), lambda o: o.name == name and (role is None or o.getRole() == role)
                and has(o, pyatspi.STATE_SHOWING))


def key(name):
    return wait_for("the key " + name, lambda: showing(name, pyatspi.ROLE_PUSH_BUTTON) or
                    showing(name, pyatspi.ROLE_CHECK_BOX))


def field(name):
    return wait_for("the field " + name, lambda: find(application(), lambda o: o.getRole() == pyatspi.ROLE_TEXT
                                                        and o.name.startswith(name)))


def overlaps(a, b):
    return a.x < b.x + b.width and b.x < a.x + a.width and a.y < b.y + b.height and b.y < a.y + a.height


def click(target):
    """A real mouse click, through the X server."""
    place = extents(target)
    subprocess.run(["xdotool", "mousemove", "--sync", str(place.x + place.width // 2),
                    str(place.y + place.height // 2), "click", "1"], check=True)


def walk_practice(panel):
    wait_window("Kalyxteron")  # the greeting, closed by a tap on its button
    panel.tap(wait_for("the greeting's OK", lambda: find(active(), lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON)))
    window = wait_window("Τάξη Α΄")

    # A mouse click on a field opens no pad.
    difference = field("Διαφορά (-)")
    click(difference)
    wait_for("the difference to take the focus", lambda: focused().name == "Διαφορά (-)")
    expect(find(application(), lambda o: o.name == PAD) is None, "a mouse click opened the number pad")

    panel.tap(key("Τυχαίοι αριθμοί"))
    first = wait_for("the first number", lambda: text_of(field("Πρώτος αριθμός")))
    second = text_of(field("Δεύτερος αριθμός"))
    total = str(int(first) + int(second))

    total_field = field("Άθροισμα (+)")
    panel.tap(total_field)
    pad = wait_for("the number pad", lambda: showing(PAD))
    frame, placed = extents(window), extents(pad)
    expect(frame.x <= placed.x and placed.x + placed.width <= frame.x + frame.width and frame.y <= placed.y
           and placed.y + placed.height <= frame.y + frame.height, f"the pad {placed} is not inside {frame}")
    check = named("Έλεγχος: Άθροισμα (+)")
    for kept in (total_field, check, field("Πρώτος αριθμός"), field("Δεύτερος αριθμός")):
        expect(not overlaps(placed, extents(kept)), f"the pad covers {kept.name}")
    print(f"the number pad opened by a touch at {placed.x},{placed.y} ({placed.width}x{placed.height}), "
          f"beside the sum, clear of its check and the two numbers")

    for digit in total:
        panel.tap(key(digit))
    wait_for(f"the sum {total} typed on the pad", lambda: text_of(total_field) == total)
    panel.tap(check)
    wait_for("the score to be 1", lambda: text_of(field("Βαθμολογία")) == "1")
    wait_for("the pad to go", lambda: showing(PAD) is None)
    print(f"the sum {total} typed on the pad and checked by touch: score 1, the pad gone")


def walk_diploma(panel):
    wait_window("Απονομή")
    school = field("Όνομα σχολείου")
    panel.tap(school)
    wait_for("the Greek keyboard", lambda: showing(KEYBOARD))
    for name in ("Κεφαλαία", "Τόνος", "Ά", "ρ", "τ", "α"):
        panel.tap(key(name))
    wait_for("Άρτα typed on the keyboard", lambda: text_of(school) == "Άρτα")
    print("typed on the Greek keyboard by touch:", text_of(school))


def main():
    kalyxteron, open_screen = sys.argv[1:3]
    del kalyxteron  # the walk starts each screen with the driver
    # A port of the test's own, for the program's TUIO input.
    probe = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    probe.bind(("127.0.0.1", 0))
    port = probe.getsockname()[1]
    probe.close()
    os.environ["QT_QPA_GENERIC_PLUGINS"] = f"tuiotouch:udp={port}"
    panel = Panel(port)
    try:
        run([open_screen, "frmclasA"], lambda program: walk_practice(panel))
        run([open_screen, "dimploma1"], lambda program: walk_diploma(panel))
    except Failure as failure:
        print("FAIL:", failure, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
