#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a blind pupil hears. Drives the program with keys only and listens on the
# AT-SPI bus to what a screen reader acts on: the notifications that appear
# (Orca reads each one aloud) and the names and roles of what it meets.
#   heard.py KALYXTERON OPEN_SCREEN      (run by ./run, inside its session)
import re
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import GLib

# What the walk waits for comes when it comes: a busy two-core machine may take many seconds for
# a screen to hand over. The limit is there for a hang.
WAIT_S = 180
# A key sometimes lost under Xvfb is sent again once this has passed, then twice as long each time.
RETRY_AFTER_S = 3

PRAISE = ("Μπράβο", "Το βρήκες", "Σωστό", "Τα κατάφερες")
WARNING = ("Ξαναδοκίμασε", "Πρόσεξε", "Λάθος", "Ξανασκέψου")

notifications = []  # what the notifications said, in the order they appeared


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        notifications.append(event.source.name)


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")


class Failure(Exception):
    pass


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=WAIT_S):
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            found = probe()
        except Exception:  # the tree changes under our feet while screens hand over
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure("waited in vain for " + what)
        time.sleep(0.05)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name in ("kalyxteron", "open_screen"):
            return app
    return None


def find(root, test):
    if root is None:
        return None
    if test(root):
        return root
    for child in root:
        found = find(child, test)
        if found is not None:
            return found
    return None


def has(obj, state):
    return obj.getState().contains(state)


def active_window(title):
    return find(application(), lambda o: o.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
                and o.name.startswith(title) and has(o, pyatspi.STATE_ACTIVE))


def wait_window(title):
    return wait_for("the window " + title, lambda: active_window(title))


def focused():
    return find(application(), lambda o: has(o, pyatspi.STATE_FOCUSED) and o.getRole() != pyatspi.ROLE_FRAME)


def named(name, role=None):
    return find(application(), lambda o: o.name == name and (role is None or o.getRole() == role))


def text_of(obj):
    return obj.queryText().getText(0, -1)


def close_message_box():
    wait_window("Kalyxteron")
    keys("Return")


def retried(what, key, probe, undo=None):
    """Presses `key` until `probe` holds, the answer it gets. A key lost under Xvfb (the first Alt
    key right after a screen has opened, now and then) is pressed again, after `undo`, once
    RETRY_AFTER_S has passed, then after twice as long each time, so that a slow machine's answer
    is seldom taken for a lost key; WAIT_S in all is a hang."""
    deadline = time.monotonic() + WAIT_S
    wait = RETRY_AFTER_S
    while True:
        keys(key)
        try:
            return wait_for(what, probe, max(0.0, min(wait, deadline - time.monotonic())))
        except Failure:
            if time.monotonic() >= deadline:
                raise
            if undo is not None:
                undo()
            wait *= 2


def choose(menu_key, entry):
    """Opens a menu with its Alt key and chooses an entry, as a pupil does."""
    retried("the menu entry " + entry, menu_key,
            lambda: has(named(entry, pyatspi.ROLE_MENU_ITEM), pyatspi.STATE_FOCUSED), lambda: keys("Escape"))
    keys("Return")


def command(key, window):
    """A command on the menu bar itself, by its Alt key, that opens `window`."""
    return retried("the window " + window, key, lambda: active_window(window))


def tab_to(name, key="Tab"):
    """Moves the focus with `key` to the control `name`. A key that seemed to move nothing is
    pressed again; if it was only slow, the focus goes round once more."""
    deadline = time.monotonic() + WAIT_S
    while time.monotonic() < deadline:
        now = wait_for("a focused control", focused)
        if now.name == name:
            return now
        try:
            retried("the focus to move from " + now.name, key, lambda: focused() != now)
        except Failure:
            break
    raise Failure("the " + key + " key never reached " + name)


def hear_after(what, action):
    """Does `action` and returns what the next notification said."""
    before = len(notifications)
    action()
    return wait_for(what, lambda: notifications[before] if len(notifications) > before else None)


def expect(condition, message):
    if not condition:
        raise Failure(message)


def check_home_picture(visit):
    picture = wait_for("the home picture", lambda: named("Χρωματιστοί αριθμοί"))
    expect(picture.getRole() == pyatspi.ROLE_IMAGE,
           f"the home picture is a {picture.getRoleName()} on the {visit} visit, not an image")


def walk_practice():
    wait_window("Πράξεις ακέραιων αριθμών")
    check_home_picture("first")
    choose("alt+Greek_epsilon", "Τάξη Α΄")
    close_message_box()
    wait_window("Τάξη Α΄")

    tab_to("Τυχαίοι αριθμοί")
    said = hear_after("the drawn numbers", lambda: keys("space"))
    first = text_of(named("Πρώτος αριθμός", pyatspi.ROLE_TEXT))
    second = text_of(named("Δεύτερος αριθμός", pyatspi.ROLE_TEXT))
    expect(said == f"Πρώτος αριθμός {first}, Δεύτερος αριθμός {second}", f"after the draw: {said!r}")
    print("heard after the draw:", said)
    total = int(first) + int(second)

    wait_for("the sum's field to take the focus", lambda: focused().name == "Άθροισμα (+)")
    type_text(str(total + 1))
    tab_to("Έλεγχος: Άθροισμα (+)", "shift+Tab")
    said = hear_after("the outcome of a wrong sum", lambda: keys("space"))
    expect(said.rstrip(".") in WARNING, f"after a wrong sum: {said!r}")
    print("heard after a wrong sum:", said)

    tab_to("Άθροισμα (+)", "shift+Tab")
    keys("ctrl+a")
    type_text(str(total))
    tab_to("Έλεγχος: Άθροισμα (+)", "shift+Tab")
    said = hear_after("the outcome of a right sum", lambda: keys("space"))
    mascot = find(application(), lambda o: o.getRole() == pyatspi.ROLE_IMAGE and has(o, pyatspi.STATE_SHOWING)
                  and o.name != "Χρωματιστοί αριθμοί")
    expect(mascot is not None, "no mascot showed after a right sum")
    expect(any(said.startswith(word + ".") for word in PRAISE), f"no praise word after a right sum: {said!r}")
    expect(mascot.name in said, f"the mascot {mascot.name!r} was not said: {said!r}")
    expect(said.endswith("Βαθμολογία 1."), f"the new score was not said: {said!r}")
    story = find(application(), lambda o: o.getRole() == pyatspi.ROLE_LABEL and has(o, pyatspi.STATE_SHOWING)
                 and len(o.name) > len(mascot.name) and " ".join(o.name.split()) in said)
    expect(story is not None, f"the mascot's story on show was not said: {said!r}")
    print("heard after a right sum:", said)

    said = hear_after("the instructions", lambda: command("alt+Greek_omicron", "Οδηγίες"))
    expect(said.startswith("Βασικές Οδηγίες. 1. Για να αρχίσετε"), f"the instructions began: {said[:80]!r}")
    for sentence in ("θα πρέπει να πατήσετε στο πράσινο κουμπί, για να εμφανιστούν δύο τυχαίοι αριθμοί",
                     "Όταν βρείτε όλες τις απαντήσεις σας ορθές, τότε πατήστε στο κουμπί \"διαγραφή\"",
                     "σχολείο και το όνομα σας και να εκτυπώσετε το δίπλωμα σας."):
        expect(sentence in said, f"the instructions lack {sentence!r} as one sentence: {said!r}")
    expect("  " not in said, "the instructions were read with their runs of blanks")
    print("heard on opening the instructions:", said[:100], "...")

    choose("alt+Greek_epsilon", "Τάξη Α΄")
    close_message_box()
    wait_window("Τάξη Α΄")
    choose("alt+Greek_epsilon", "Αρχική Οθόνη")
    wait_window("Πράξεις ακέραιων αριθμών")
    check_home_picture("second")

    said = hear_after("the credits", lambda: command("alt+Greek_pi", "Ανάπτυξη Λογισμικού"))
    expect(said.startswith("Τελμάριος και Κορβίδαλος. Δάσκαλοι Πληροφορικής"), f"the credits began: {said!r}")
    print("heard on opening the credits:", said)


def extents(obj):
    return obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def check_full_screen_diploma():
    """F11, through the window manager: the diploma fills the display, its fields grown with it."""
    def pupil_field():
        return find(application(), lambda o: o.name.startswith("Όνομα μαθητή") and o.getRole() == pyatspi.ROLE_TEXT)
    window = wait_window("Απονομή")
    before = extents(wait_for("the pupil's field", pupil_field))
    root = subprocess.run(["xwininfo", "-root"], check=True, capture_output=True, text=True).stdout
    screen = tuple(int(re.search(rf"{side}: +(\d+)", root).group(1)) for side in ("Width", "Height"))
    keys("F11")
    wait_for(f"the diploma to fill the display of {screen}",
             lambda: (extents(window).width, extents(window).height) == screen)
    grown = wait_for("the pupil's field to grow", lambda: extents(pupil_field()).width > 1.3 * before.width
                     and extents(pupil_field()))
    frame = extents(window)
    expect(frame.x <= grown.x and grown.x + grown.width <= frame.x + frame.width
           and frame.y <= grown.y and grown.y + grown.height <= frame.y + frame.height,
           f"the pupil's field {grown} lies outside the full-screen diploma {frame}")
    print(f"full screen: the diploma is {frame.width}x{frame.height}, the pupil's field {before.width} wide, "
          f"now {grown.width}")
    keys("F11")
    wait_for("the diploma at its own size again", lambda: extents(pupil_field()).width == before.width)


def walk_diploma_and_game(years):
    check_full_screen_diploma()
    wait_window("Απονομή")
    for name in ("Όνομα σχολείου", "Όνομα μαθητή"):
        field = wait_for("the field " + name, lambda: find(application(), lambda o: o.name.startswith(name)
                                                            and o.getRole() == pyatspi.ROLE_TEXT))
        spoken = field.name + " " + text_of(field)
        expect("..." not in spoken and "γράψ" in spoken.lower(), f"the diploma's field says {spoken!r}")
    print("heard on the diploma's name field:", spoken)

    # A field emptied to nothing takes what is typed next, on the Greek keyboard: key by key, each
    # one's letter awaited before the next is pressed.
    school = tab_to(wait_for("the school's field", lambda: find(application(), lambda o: o.name.startswith(
        "Όνομα σχολείου") and o.getRole() == pyatspi.ROLE_TEXT)).name)
    keys("ctrl+a", "BackSpace")
    wait_for("the school's field to be empty", lambda: text_of(school) == "")
    typed = ""
    for keysym, letter in (("Greek_alpha", "α"), ("Greek_gamma", "γ"), ("Greek_iota", "ι"), ("Greek_alpha", "α")):
        keys(keysym)
        typed += letter
        try:
            wait_for(f"«{typed}» typed into the emptied field", lambda: text_of(school) == typed)
        except Failure:
            raise Failure(f"the emptied school field holds {text_of(school)!r} after typing «{typed}»")
    print("typed into the emptied school field:", text_of(school))

    command("alt+Greek_pi", "Kalyxteron")  # the game greets with a message box
    keys("Return")
    wait_window("Παιχνίδι")
    tab_to("Εμφάνιση Μασκότ")
    said = hear_after("the mascot on show", lambda: keys("space"))
    year = years.get(timeout=WAIT_S)
    mascot = find(application(), lambda o: o.getRole() == pyatspi.ROLE_IMAGE and has(o, pyatspi.STATE_SHOWING))
    expect(said == mascot.name and year not in said, f"after «Εμφάνιση Μασκότ»: {said!r}")
    print("heard after «Εμφάνιση Μασκότ»:", said)

    wait_for("the year's field to take the focus", lambda: focused().name == "ΧΡΟΝΟΛΟΓΙΑ")
    type_text(str(int(year) + 1))
    tab_to("Έλεγχος")
    said = hear_after("the outcome of a wrong year", lambda: keys("space"))
    expect(said.rstrip(".") in WARNING, f"after a wrong year: {said!r}")
    print("heard after a wrong year:", said)

    tab_to("ΧΡΟΝΟΛΟΓΙΑ", "shift+Tab")
    keys("ctrl+a")
    type_text(year)
    tab_to("Έλεγχος")
    said = hear_after("the outcome of a right year", lambda: keys("space"))
    expect(any(said.startswith(word + ". ") for word in PRAISE), f"no praise word after a right year: {said!r}")
    expect(said.endswith(" Βαθμολογία 1."), f"the new score was not said: {said!r}")
    sport = said[said.index(". ") + 2:-len(" Βαθμολογία 1.")].rstrip(".")
    expect(find(application(), lambda o: o.getRole() == pyatspi.ROLE_LABEL and " ".join(o.name.split()) == sport),
           f"the sport was not said: {said!r}")
    print("heard after a right year:", said)


class YearReader(threading.Thread):
    """Reads the years the game's driver writes, as they come."""

    def __init__(self, stream):
        super().__init__(daemon=True)
        self.stream = stream
        self.years = []
        self.ready = threading.Condition()

    def run(self):
        for line in self.stream:
            if m := re.match(r"year: (\d+)", line):
                with self.ready:
                    self.years.append(m.group(1))
                    self.ready.notify_all()

    def get(self, timeout):
        with self.ready:
            if not self.ready.wait_for(lambda: self.years, timeout):
                raise Failure("the game's driver told no year")
            return self.years.pop(0)


def run(command, walk):
    """Starts the program, walks through it, and ends it however the walk went."""
    program = subprocess.Popen(command, stdout=subprocess.PIPE, text=True)
    try:
        walk(program)
    finally:
        program.kill()
        program.wait()


def main():
    kalyxteron, open_screen = sys.argv[1:3]
    try:
        run([kalyxteron], lambda program: walk_practice())

        def diploma_and_game(program):
            years = YearReader(program.stdout)
            years.start()
            walk_diploma_and_game(years)
        # The game is reached from a diploma, which takes 30 points to earn: the walk starts there.
        run([open_screen, "dimploma1"], diploma_and_game)
    except Failure as failure:
        print("FAIL:", failure, file=sys.stderr)
        print("notifications heard:", notifications, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
