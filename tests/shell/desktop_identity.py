#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starbox as the desktop sees it: window titles and the application's identity.

Starts Starbox on a real display server of its own and reads what the window
manager or compositor is told:

  x11      Xvfb with openbox as the window manager; xprop reads WM_NAME,
           _NET_WM_NAME and WM_CLASS of every managed window.
  wayland  a headless weston; WAYLAND_DEBUG=1 shows the requests Starbox
           sends, among them xdg_toplevel.set_title and set_app_id.

On both, the main window and the About box must carry the caption
"Starbox v<version>" and nothing more; the window class (X11) or app_id
(Wayland) must lead to the desktop entry; and a message box keeps the title
"Starbox". The About box is opened as a user of a screen reader or of voice
control does: through the accessibility bus, by pressing Help > About
Software. The message box is the one a second Starbox shows.

Everything runs in a desktop session of the test's own (desktop_session.py):
a temporary home with its own XDG folders, its own D-Bus session bus,
display number and Wayland socket; every process started is stopped by its
PID. A missing package skips the test (exit code 77).

  desktop_identity.py x11|wayland --starbox EXE --version V --desktop-entry FILE
                      [--qt-platform-plugins DIR]
"""

import argparse
import configparser
import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from desktop_session import (Failure, Session, Skip, application_of, do_action, expect, need,
                             need_atspi, run)


class Accessibility:
    """The windows of the Starbox of process pid as the accessibility bus shows them."""

    def __init__(self, session, pid):
        session.use_buses_here()
        from gi.repository import Atspi
        self.atspi = Atspi
        self.pid = pid

    def application(self):
        return application_of(self.pid)

    def press_about(self):
        """Presses Help > About Software, as a user of a screen reader or of
        voice control does."""
        about_entry = expect("Help > About Software on the accessibility bus",
                             lambda: self.find(self.application(), "menu item", "About Software"))
        do_action(about_entry, "Press", modal=True)

    def find(self, root, role, name):
        if root is None:
            return None
        if root.get_role_name() == role and root.get_name() == name:
            return root
        for index in range(root.get_child_count()):
            found = self.find(root.get_child_at_index(index), role, name)
            if found is not None:
                return found
        return None


class Checks:
    def __init__(self):
        self.failed = []
        self.passed = 0

    def equal(self, what, actual, expected):
        if actual == expected:
            self.passed += 1
            print(f"ok: {what}: {actual!r}")
        else:
            self.failed.append(what)
            print(f"FAIL: {what}: {actual!r}, expected {expected!r}")


# ---------------------------------------------------------------- X11


def xprop(env, *args):
    result = subprocess.run(["xprop", *args], env=env, capture_output=True, text=True, timeout=20)
    return result.stdout if result.returncode == 0 else ""


def x11_strings(text, name):
    """The quoted strings of a property in xprop's output, or None."""
    for line in text.splitlines():
        if line.startswith(name + "("):
            return re.findall(r'"((?:[^"\\]|\\.)*)"', line)
    return None


def x11_windows(env):
    """The managed windows, as {id: {"WM_NAME": ..., "_NET_WM_NAME": ..., "WM_CLASS": [...]}}."""
    listed = xprop(env, "-root", "_NET_CLIENT_LIST")
    windows = {}
    for window in re.findall(r"0x[0-9a-f]+", listed):
        text = xprop(env, "-id", window, "WM_NAME", "_NET_WM_NAME", "WM_CLASS", "WM_TRANSIENT_FOR")
        names = {name: x11_strings(text, name) for name in ("WM_NAME", "_NET_WM_NAME", "WM_CLASS")}
        names["transient"] = "WM_TRANSIENT_FOR(WINDOW)" in text
        windows[window] = names
    return windows


def run_x11(args, checks):
    need("Xvfb", "xvfb")
    need("openbox", "openbox")
    need("xprop", "x11-utils")
    need_atspi()
    with Session("x11") as session:
        session.start_buses()
        print(f"Xvfb on display {session.start_xvfb()}")
        session.start_window_manager()

        first = session.start_starbox(args.starbox, "xcb")
        main = expect("the main window", lambda: x11_windows(session.env))
        (main_id, main_names), = main.items()
        check_x11_window(checks, "main window", main_names, args.caption, args.window_class)

        Accessibility(session, first.pid).press_about()
        about = expect("the About box", lambda: {w: n for w, n in x11_windows(session.env).items()
                                                if w != main_id})
        (about_id, about_names), = about.items()
        checks.equal("About box is transient for the main window", about_names["transient"], True)
        check_x11_window(checks, "About box", about_names, args.caption, args.window_class)

        # A second Starbox finds the first running and says so in a message box.
        second = session.start_starbox(args.starbox, "xcb")
        message = expect("the message box of a second Starbox",
                         lambda: {w: n for w, n in x11_windows(session.env).items()
                                  if w not in (main_id, about_id)})
        (_, message_names), = message.items()
        checks.equal("message box WM_NAME", message_names["WM_NAME"], ["Starbox"])
        checks.equal("message box _NET_WM_NAME", message_names["_NET_WM_NAME"], ["Starbox"])
        session.stop(second)


def check_x11_window(checks, what, names, caption, window_class):
    checks.equal(f"{what} WM_NAME", names["WM_NAME"], [caption])
    checks.equal(f"{what} _NET_WM_NAME", names["_NET_WM_NAME"], [caption])
    wm_class = names["WM_CLASS"] or []
    checks.equal(f"{what} WM_CLASS class (the desktop entry's StartupWMClass)",
                 wm_class[1:2], [window_class])


# ---------------------------------------------------------------- Wayland


def toplevels(log_path):
    """The xdg_toplevel objects in the WAYLAND_DEBUG log, in the order they
    were made, each with the last title and app_id Starbox set on it, and
    whether it has a parent. libwayland 1.21 names an object xdg_toplevel@13,
    1.23 xdg_toplevel#13 after a queue's name."""
    made = []
    current = {}
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for line in log:
            created = re.search(r"-> xdg_surface[@#]\d+\.get_toplevel\(new id xdg_toplevel[@#](\d+)\)", line)
            if created:
                current[created.group(1)] = {"title": None, "app_id": None, "parent": False}
                made.append(current[created.group(1)])
                continue
            request = re.search(r'-> xdg_toplevel[@#](\d+)\.(set_title|set_app_id|set_parent)\((.*)\)\s*$', line)
            if request and request.group(1) in current:
                toplevel = current[request.group(1)]
                if request.group(2) == "set_parent":
                    toplevel["parent"] = request.group(3) != "nil"
                else:
                    text = re.fullmatch(r'"(.*)"', request.group(3))
                    key = "title" if request.group(2) == "set_title" else "app_id"
                    toplevel[key] = text.group(1) if text else request.group(3)
    # A window is complete once it has both; Qt sends them one after the other.
    return [t for t in made if t["title"] is not None and t["app_id"] is not None]


def run_wayland(args, checks):
    weston = need("weston", "weston")
    plugin_dir = args.qt_platform_plugins
    if plugin_dir and not any(name.startswith("libqwayland") for name in os.listdir(plugin_dir)):
        raise Skip(f"Qt's Wayland platform is missing from {plugin_dir}: "
                   "install the Debian package qt6-wayland")
    need_atspi()
    with Session("wayland") as session:
        session.start_buses()
        socket = f"starbox-desktop-identity-{os.getpid()}"
        session.start([weston, "--backend=headless-backend.so", f"--socket={socket}",
                       "--idle-time=0", "--no-config"],
                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        expect("weston's socket",
               lambda: os.path.exists(os.path.join(session.env["XDG_RUNTIME_DIR"], socket)))
        session.env["WAYLAND_DISPLAY"] = socket
        print(f"weston on the socket {socket}")

        logs = []

        def start_starbox():
            log = session.log(f"wayland-{len(logs)}.log")
            logs.append(log.name)
            return session.start_starbox(args.starbox, "wayland", stdout=subprocess.DEVNULL,
                                         stderr=log, WAYLAND_DEBUG="1")

        first = start_starbox()
        main = expect("the main window's xdg_toplevel with a title and an app_id",
                      lambda: first.poll() is None and toplevels(logs[0])[:1])[0]
        check_wayland_window(checks, "main window", main, args.caption, args.app_id)

        Accessibility(session, first.pid).press_about()
        about = expect("the About box's xdg_toplevel with a title and an app_id",
                       lambda: toplevels(logs[0])[1:2])[0]
        checks.equal("About box has the main window as parent", about["parent"], True)
        check_wayland_window(checks, "About box", about, args.caption, args.app_id)

        second = start_starbox()
        message = expect("the message box of a second Starbox",
                         lambda: toplevels(logs[1])[:1])[0]
        checks.equal("message box title", message["title"], "Starbox")
        checks.equal("message box app_id", message["app_id"], args.app_id)
        session.stop(second)


def check_wayland_window(checks, what, toplevel, caption, app_id):
    checks.equal(f"{what} title (xdg_toplevel.set_title)", toplevel["title"], caption)
    checks.equal(f"{what} app_id (xdg_toplevel.set_app_id, the desktop entry's name)",
                 toplevel["app_id"], app_id)


# ---------------------------------------------------------------- main


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("platform", choices=("x11", "wayland"))
    parser.add_argument("--starbox", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--desktop-entry", required=True)
    parser.add_argument("--qt-platform-plugins")
    args = parser.parse_args()

    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(args.desktop_entry, encoding="utf-8")
    args.caption = f"Starbox v{args.version}"
    args.app_id = os.path.basename(args.desktop_entry).removesuffix(".desktop")
    args.window_class = entry["Desktop Entry"].get("StartupWMClass", args.app_id)

    checks = Checks()
    try:
        (run_x11 if args.platform == "x11" else run_wayland)(args, checks)
    except Failure as failure:
        checks.failed.append(str(failure))
        print(f"FAIL: {failure}")
    print(f"{checks.passed} passed, {len(checks.failed)} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(run(main))
