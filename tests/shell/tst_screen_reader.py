#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader is told, read from the real accessibility bus.

Starts its own X server (Xvfb), a private D-Bus session bus with the AT-SPI
bus launcher on it, and Starbox on the xcb platform with Qt's accessibility
bridge switched on; then reads the tree as a screen reader does, with
pyatspi, and drives Starbox through it as a screen reader user would:
selector buttons pressed through their actions, names set through the
boxes' editable text, Proceed and Print pressed. It looks at the main
window, the About box and every window of all nine programs.

A control is announced as a screen reader announces it: by the objects
that label it (its "labelled by" relation, leaving out the frames it lies
in, which a reader skips as it speaks them already), and by its own name
when nothing labels it.

Usage: tst_screen_reader.py STARBOX [--dump PROGRAM OUT]
  --dump writes the tree of the program's input window (role, name,
  actions of every node) to OUT instead of testing.

The desktop is a session of the test's own (desktop_session.py). Skips
(exit 77) where a package it needs is missing. Opening a web page reaches
no browser: xdg-open is a script that writes the address to a file, and
BROWSER is /bin/true. Printing reaches no printer: CUPS_SERVER names a
socket that does not exist. Settings, runtime and home folders are temporary.
"""

import json
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from desktop_session import (Failure, Session, action_names, application_of, do_action, need_atspi, run,
                             wait_for)

# Typed into a window's name boxes in order: one name, or a first, no
# middle and a last.
NAMES = ["ANNA", "", "BERG"]


def programs_of(binary):
    """The programs of the build, as the registry gives them (programs.json,
    written by the build beside the program)."""
    with open(os.path.join(os.path.dirname(binary), "programs.json")) as file:
        return json.load(file)


DATE_FIELDS = {"Date", "Month", "Year"}


# ---- reading the tree -------------------------------------------------------

def children(node):
    try:
        return [child for child in node if child is not None]
    except Exception:
        return []


def walk(node, entries=False):
    """The node and all below it; the entries of a date list only if asked."""
    yield node
    if not entries and node.getRole() == pyatspi.ROLE_COMBO_BOX:
        return
    for child in children(node):
        yield from walk(child, entries)


def has(node, state):
    return node.getState().contains(state)


def showing(node):
    return has(node, pyatspi.STATE_SHOWING) and has(node, pyatspi.STATE_VISIBLE)


def ancestors(node):
    found = []
    parent = node.parent
    while parent is not None and len(found) < 100:
        found.append(parent)
        parent = parent.parent
    return found


def labels(node):
    """The objects that label a node, leaving out those it lies in."""
    around = ancestors(node)
    found = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                if target is not None and target != node and target not in around:
                    found.append(target)
    return found


def announced(node):
    """What a screen reader says a control is called."""
    label = " ".join(target.name.strip() for target in labels(node) if target.name.strip())
    return label or node.name.strip()


def describe(node):
    return f"{node.getRoleName()} {node.name!r}"


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def overlap(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return aw > 0 and ah > 0 and bw > 0 and bh > 0 and ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


def tree_text(node, depth=0):
    line = "  " * depth + f"[{node.getRoleName()}] {node.name!r} {action_names(node)}"
    label = " ".join(target.name for target in labels(node))
    if label:
        line += f" labelled by {label!r}"
    if os.environ.get("STARBOX_DUMP_STATES"):
        line += " " + "".join(c for c, s in (("v", pyatspi.STATE_VISIBLE), ("s", pyatspi.STATE_SHOWING),
                                            ("f", pyatspi.STATE_FOCUSABLE)) if has(node, s))
    lines = [line]
    if node.getRole() == pyatspi.ROLE_LIST and node.parent is not None \
            and node.parent.getRole() == pyatspi.ROLE_COMBO_BOX:
        items = children(node)
        if items:
            lines += tree_text(items[0], depth + 1)
            lines.append("  " * (depth + 1) + f"... {len(items) - 1} more list items")
        return lines
    for child in children(node):
        lines += tree_text(child, depth + 1)
    return lines


# ---- the rules ----------------------------------------------------------------

FOLLOWED = set()  # links already followed, by window caption and name


def problems_in(window, where, opened_addresses):
    """Everything a screen reader user would stumble on in one window."""
    problems = []

    def fail(node, what):
        problems.append(f"{where}: {describe(node)}: {what}")

    nodes = [node for node in walk(window) if showing(node)]
    focusable = [node for node in nodes if has(node, pyatspi.STATE_FOCUSABLE)]
    for node in nodes:
        role = node.getRole()
        node_actions = action_names(node)
        if has(node, pyatspi.STATE_FOCUSABLE) and not announced(node):
            fail(node, "takes the focus but has no name")
        # In a display window a label Tab reaches is a piece of the reading.
        if role == pyatspi.ROLE_LABEL and has(node, pyatspi.STATE_FOCUSABLE) and " display" not in where:
            fail(node, f"a label that takes the focus, with the actions {node_actions}: a link shown as plain text")
        if role == pyatspi.ROLE_IMAGE and not node.name.strip():
            fail(node, "a picture without a name")
        if role == pyatspi.ROLE_TEXT and not announced(node):
            fail(node, "a text box without a name")
        if role == pyatspi.ROLE_COMBO_BOX:
            name = announced(node)
            if name not in DATE_FIELDS:
                fail(node, f"a date list announced as {name!r}, not by its field")
            # Orca looks for the entry shown among the focused ones, and
            # searches the list once for each entry where none is.
            shown = node.queryText().getText(0, -1)
            focused = [entry.name for list_ in children(node) for entry in children(list_)
                       if has(entry, pyatspi.STATE_FOCUSED)]
            if focused != [shown]:
                fail(node, f"shows {shown!r}, but its entries {focused} are focused")
        if role == pyatspi.ROLE_PANEL and node.name.strip():
            outer = [a for a in ancestors(node) if a.getRole() == pyatspi.ROLE_PANEL and a.name.strip()]
            if outer and outer[0].name.strip() == node.name.strip():
                fail(node, "a frame announced by the caption of the frame around it")
        if role == pyatspi.ROLE_LINK and "Press" not in node_actions:
            fail(node, f"a link that cannot be followed: {node_actions}")
    # What cannot be seen takes no focus: no focusable control lies under
    # another one (a window holds its controls, and a list its entries,
    # which drop down only when asked).
    # Labels of a reading are left out: where a window is lower than its
    # wrapped texts need (the Flower display with a long reading on a small
    # area), Qt squeezes them over each other, a fault of the layout that is
    # not this test's.
    controls = [node for node in focusable if node != window
                and not (node.getRole() == pyatspi.ROLE_LABEL and " display" in where)]
    boxes = [(node, extents(node), ancestors(node)) for node in controls]
    for i, (lower, lower_box, lower_around) in enumerate(boxes):
        for upper, upper_box, upper_around in boxes[i + 1:]:
            if lower not in upper_around and upper not in lower_around and overlap(lower_box, upper_box):
                fail(lower, f"takes the focus, but {describe(upper)} lies on it")
    # Every link opens its page.
    for node in nodes:
        if node.getRole() == pyatspi.ROLE_LINK and "Press" in action_names(node) \
                and (window.name, node.name) not in FOLLOWED:
            FOLLOWED.add((window.name, node.name))
            before = len(opened_addresses())
            do_action(node, "Press")
            if not wait_for(lambda: len(opened_addresses()) > before, 5):
                fail(node, "its Press action opens nothing")
                continue
            address = opened_addresses()[-1]
            offer = "more details" in node.name  # the full-brand offers
            if (offer and not address.endswith("/fully-branded.html")) or ".example/" not in address:
                fail(node, f"its Press action opens {address}")
    return problems


# ---- driving Starbox ----------------------------------------------------------

class Starbox:
    def __init__(self, session, binary):
        self.session = session
        self.process = session.start_starbox(binary, "xcb", stderr=session.log("starbox-errors.txt"),
                                             QT_ACCESSIBILITY="1")
        try:
            self.app = application_of(self.process.pid)
        except Failure:
            if self.process.poll() is None:
                raise
            with open(self.session.path("starbox-errors.txt")) as errors:
                raise AssertionError(f"Starbox ended with status {self.process.returncode}: {errors.read()}"
                                     f"(X server running: {[p.poll() for p in self.session.processes]}, "
                                     f"{self.session.env['DISPLAY']}, "
                                     f"{subprocess.run(['xdpyinfo'], env=self.session.env, capture_output=True, text=True).stderr})")
        self.main = wait_for(lambda: self.frame("Starbox v1.15"), 10)
        if not self.main:
            raise AssertionError("no main window on the bus")

    def frame(self, caption, root=None):
        for node in walk(root or self.app):
            if node.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW) \
                    and node.name == caption and showing(node):
                return node
        return None

    def windows(self, caption):
        """The program's windows on screen: MDI children captioned alike."""
        return [node for node in walk(self.main) if node.getRole() == pyatspi.ROLE_FRAME
                and node.name == caption and showing(node)]

    def find(self, root, role, name=None, shown=True):
        for node in walk(root):
            if node.getRole() == role and (name is None or node.name == name) \
                    and (not shown or showing(node)):
                return node
        return None

    def press(self, root, name):
        button = self.find(root, pyatspi.ROLE_PUSH_BUTTON, name, shown=False)
        if button is None:
            raise AssertionError(f"no button {name!r}")
        do_action(button, "Press")

    def close_with_keys(self):
        """Closes the window in use as a keyboard user does, with Escape,
        sent through the accessibility bus as a screen reader sends keys."""
        escape = 0xFF1B  # its X keysym
        pyatspi.Registry.generateKeyboardEvent(escape, None, pyatspi.KEY_SYM)

    def open_program(self, button, caption):
        self.press(self.main, button)
        window = wait_for(lambda: self.frame(caption, self.main))
        if not window:
            raise AssertionError(f"{button} opened no window {caption!r}")
        return window

    def proceed(self, caption, window, names):
        boxes = [node for node in walk(window) if node.getRole() == pyatspi.ROLE_TEXT
                 and showing(node) and has(node, pyatspi.STATE_EDITABLE)]
        for box, name in zip(boxes, names):
            if name:
                box.queryEditableText().setTextContents(name)
        default = [node for node in walk(window) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
                   and showing(node) and has(node, pyatspi.STATE_IS_DEFAULT)]
        if len(default) != 1:
            raise AssertionError(f"{caption}: no single proceed button")
        do_action(default[0], "Press")
        display = wait_for(lambda: [w for w in self.windows(caption) if w != window]
                           and not showing(window))
        if not display:
            raise AssertionError(f"{caption}: Proceed showed no display window")
        return self.windows(caption)[0]


def check_main_and_about(starbox, opened):
    problems = problems_in(starbox.main, "main window", opened)
    help_menu = starbox.find(starbox.main, pyatspi.ROLE_MENU_ITEM, "About Software", shown=False)
    do_action(help_menu, "Press", modal=True)
    about = wait_for(lambda: next((n for n in children(starbox.app) if n.getRole() == pyatspi.ROLE_DIALOG
                                   and showing(n)), None))
    if not about:
        return problems + ["About Software opened no About box"]
    problems += problems_in(about, "About box", opened)
    for link in ("Click here for more details.", "Visit Velmora Forums online for more fun with the stars"):
        node = starbox.find(about, pyatspi.ROLE_LINK, link)
        if node is None:
            problems.append(f"About box: {link!r} is no link")
    starbox.press(about, "OK")
    wait_for(lambda: not showing(about), 5)
    return problems


def check_program(starbox, opened, button, caption, names, has_report):
    problems = []
    window = starbox.open_program(button, caption)
    problems += problems_in(window, caption + " input", opened)
    display = starbox.proceed(caption, window, names)
    problems += problems_in(display, caption + " display", opened)
    # Each tab of the display in turn, chosen as a reader chooses it.
    for tab in [n for n in walk(display) if n.getRole() == pyatspi.ROLE_PAGE_TAB and showing(n)][1:]:
        do_action(tab, "Press")
        # The row of tabs is called by the tab chosen.
        if not wait_for(lambda: tab.parent.name == tab.name, 5):
            problems.append(f"{caption} display: the tab {tab.name} cannot be chosen with its Press action")
        problems += problems_in(display, f"{caption} display, tab {tab.name}", opened)
    if has_report:
        starbox.press(display, "Print")
        report = wait_for(lambda: [w for w in starbox.windows(caption) if w != display])
        if not report:
            return problems + [f"{caption}: Print opened no report window"]
        report = report[0]
        problems += problems_in(report, caption + " report", opened)
        documents = [n for n in walk(report) if n.getRole() == pyatspi.ROLE_DOCUMENT_FRAME and showing(n)]
        if len(documents) != 1 or not documents[0].name.strip():
            problems.append(f"{caption} report: the report box is no named document: "
                            + ", ".join(describe(n) for n in walk(report) if n.getRole() in (
                                pyatspi.ROLE_TEXT, pyatspi.ROLE_DOCUMENT_FRAME)))
        # The report is modal: what lies behind it waits, as a reader hears
        # from its buttons being unavailable, until the report is closed.
        behind = [n for n in walk(starbox.main) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(n)
                  and not any(a == report for a in ancestors(n))]
        if not behind or any(has(n, pyatspi.STATE_SENSITIVE) for n in behind):
            problems.append(f"{caption} report: controls behind the report take input: "
                            + ", ".join(n.name for n in behind if has(n, pyatspi.STATE_SENSITIVE)))
        starbox.close_with_keys()
        if not wait_for(lambda: not showing(report) and has(starbox.find(display, pyatspi.ROLE_PUSH_BUTTON),
                                                              pyatspi.STATE_SENSITIVE), 5):
            problems.append(f"{caption} report: Escape did not close it and give the display back")
    return problems


def check_gift(starbox, opened):
    """The Gift input window, field by field."""
    problems = []
    window = starbox.open_program("Gift Astrology", "Orla Gift Astrology")
    # With Qt 6.8 the option buttons' frame is a named filler (see the
    # accessibility factory); an unnamed one a reader passes by.
    frames = sorted(n.name for n in walk(window) if showing(n) and (
        n.getRole() == pyatspi.ROLE_PANEL or n.getRole() == pyatspi.ROLE_FILLER and n.name))
    expected = sorted(["Please Fill In The Below Details:", "Name", "Enter Gender", "Date Of Birth"])
    if frames != expected:
        problems.append(f"Gift: the frames are announced as {frames}, not {expected}")
    lists = [n for n in walk(window) if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    if [announced(n) for n in lists] != ["Month", "Date", "Year"]:
        problems.append(f"Gift: the date lists are announced as {[announced(n) for n in lists]}, "
                        "not Month, Date, Year")
    # A reader speaks a list's entry from its text, or its selected entry.
    values = []
    for node in lists:
        try:
            values.append(node.queryText().getText(0, -1))
        except NotImplementedError:
            values.append(None)
    if values != ["January", "1", "1900"]:
        problems.append(f"Gift: the date lists' entries read as {values}, not January, 1, 1900")
    boxes = [announced(n) for n in walk(window) if n.getRole() == pyatspi.ROLE_TEXT and showing(n)]
    if boxes[-3:] != ["First Name", "Middle Name", "Last Name"]:
        problems.append(f"Gift: the name boxes are announced as {boxes}")
    for option in ("Male", "Female"):
        if starbox.find(window, pyatspi.ROLE_RADIO_BUTTON, option) is None:
            problems.append(f"Gift: no option button {option}")
    display = starbox.proceed("Orla Gift Astrology", window, ["ANNA", "", "BERG"])
    do_action(starbox.find(display, pyatspi.ROLE_PAGE_TAB, "Sun Sign Profile"), "Press")
    named = lambda: [n.name for n in walk(display) if n.getRole() == pyatspi.ROLE_IMAGE and showing(n)]
    picture = wait_for(lambda: [name for name in named() if "Capricorn" in name], 5) or named()
    if not any("Capricorn" in name for name in picture):
        problems.append(f"Gift display: no picture named after Capricorn (1 January 1900): {picture}")
    return problems


def check_fields(starbox, button, caption, expected):
    """The boxes and lists of an input window, announced as their captions."""
    window = starbox.open_program(button, caption)
    fields = [announced(n) for n in walk(window) if showing(n)
              and n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX)]
    if fields != expected:
        return [f"{caption}: the fields are announced as {fields}, not {expected}"]
    return []


def check_pictures_and_boxes(starbox):
    """Pictures say what they show; reading boxes are named as their captions."""
    problems = []
    window = starbox.open_program("Flower Astrology", "Orla Flower Astrology")
    display = starbox.proceed("Orla Flower Astrology", window, ["ANNA"])
    pictures = [n.name for n in walk(display) if n.getRole() == pyatspi.ROLE_IMAGE and showing(n)]
    if "A red carnation" not in pictures:  # the flower of Capricorn, 1 January 1900
        problems.append(f"Flower display: the flower picture is not named 'A red carnation': {pictures}")
    window = starbox.open_program("Fruit Astrology", "Orla Fruit Astrology")
    display = starbox.proceed("Orla Fruit Astrology", window, ["ANNA"])
    fruit = [n.name for n in walk(display) if showing(n) and n.getRole() == pyatspi.ROLE_PUSH_BUTTON
             and n.name not in ("Back", "Exit")]
    if len(fruit) != 12 or fruit[0] != "An apple":
        problems.append(f"Fruit display: the twelve fruit pictures are not buttons named by the fruit: {fruit}")
    window = starbox.open_program("Financial Astrology", "Orla Financial Astrology")
    display = starbox.proceed("Orla Financial Astrology", window, ["ANNA"])
    names = [announced(n) for n in walk(display) if n.getRole() == pyatspi.ROLE_TEXT and showing(n)]
    if "Element" not in names:
        problems.append(f"Financial display: no box announced as Element: {names}")
    pictures = [n.name for n in walk(display) if n.getRole() == pyatspi.ROLE_IMAGE and showing(n)]
    if "The sign of Capricorn" not in pictures:
        problems.append(f"Financial display: no picture named 'The sign of Capricorn': {pictures}")
    problems += check_fields(starbox, "Health Astrology", "Orla Health Astrology", ["Name", "Date", "Month", "Year"])
    problems += check_fields(starbox, "Food Astrology", "Orla Food Astrology",
                             ["First Name", "Middle Name", "Last Name", "Date", "Month", "Year"])
    return problems


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    binary = os.path.abspath(sys.argv[1])
    need_atspi()
    with Session("screen-reader") as session:
        session.start_xvfb()
        session.start_window_manager()
        session.start_buses()
        session.use_buses_here()
        global pyatspi
        import pyatspi
        starbox = Starbox(session, binary)
        if len(sys.argv) >= 4 and sys.argv[2] == "--dump":
            entry = next(p for p in programs_of(binary) if p["name"] == sys.argv[3])
            window = starbox.open_program(entry["name"], entry["caption"])
            if os.environ.get("STARBOX_DUMP_DISPLAY"):
                window = starbox.proceed(entry["caption"], window, NAMES)
                if os.environ.get("STARBOX_DUMP_DISPLAY") == "report":
                    display = window
                    starbox.press(display, "Print")
                    window = wait_for(lambda: [w for w in starbox.windows(entry["caption"]) if w != display])[0]
            with open(sys.argv[4] if len(sys.argv) > 4 else "/dev/stdout", "w") as out:
                out.write("\n".join(tree_text(window)) + "\n")
            return 0
        opened = session.opened_addresses
        problems = check_main_and_about(starbox, opened)
        for program in programs_of(binary):
            problems += check_program(starbox, opened, program["name"], program["caption"], NAMES,
                                      program["report"])
        problems += check_gift(starbox, opened)
        problems += check_pictures_and_boxes(starbox)
        if starbox.process.poll() is not None:
            problems.append(f"Starbox ended early, status {starbox.process.returncode}")
        problems = list(dict.fromkeys(problems))  # a tab shows its window's controls again
        for problem in problems:
            print("FAIL: " + problem)
        print(f"{0 if problems else 1} passed, {1 if problems else 0} failed")
        return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(run(main))
