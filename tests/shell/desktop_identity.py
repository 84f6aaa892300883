#!/usr/bin/python3
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

Everything runs in a temporary home with its own XDG folders, its own D-Bus
session bus, display number and Wayland socket; every process started is
stopped by its PID. A missing package skips the test (exit code 77).

  desktop_identity.py x11|wayland --starbox EXE --version V --desktop-entry FILE
                      [--qt-platform-plugins DIR]
"""

import argparse
import configparser
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import warnings

SKIP = 77
WAIT = 30  # seconds for a window to appear; the machine may be busy


class Skip(Exception):
    pass


class Failure(Exception):
    pass


def need(program, package):
    path = shutil.which(program) or (program if os.access(program, os.X_OK) else None)
    if not path:
        raise Skip(f"{program} is missing: install the Debian package {package}")
    return path


def wait_for(what, probe, timeout=WAIT):
    """Calls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"gave up after {timeout} s waiting for {what}")
        time.sleep(0.2)


class Session:
    """A private home, a D-Bus session bus and the accessibility bus, and the
    processes started in them, stopped by PID in reverse order."""

    def __init__(self, name):
        self.home = tempfile.mkdtemp(prefix=f"starbox-{name}-")
        self.processes = []
        runtime = os.path.join(self.home, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(self.home, "config"),
            "XDG_DATA_HOME": os.path.join(self.home, "data"),
            "XDG_CACHE_HOME": os.path.join(self.home, "cache"),
            "XDG_STATE_HOME": os.path.join(self.home, "state"),
            "GSETTINGS_BACKEND": "memory",
            "LC_ALL": "C.UTF-8",
        }
        # The sanitizer build runs this test too, with its own options.
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                self.env[name] = os.environ[name]

    def start(self, argv, env=None, **kwargs):
        process = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def stop(self, process):
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def start_buses(self):
        dbus = need("dbus-daemon", "dbus-daemon")
        launcher = need("/usr/libexec/at-spi-bus-launcher", "at-spi2-core")
        # A session bus that starts no services of its own: the one service
        # needed, the accessibility bus, is started here and stopped by PID.
        config = os.path.join(self.home, "session-bus.conf")
        with open(config, "w") as file:
            file.write(f"""<busconfig>
  <type>session</type>
  <listen>unix:dir={self.env["XDG_RUNTIME_DIR"]}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
""")
        bus = self.start([dbus, f"--config-file={config}", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        address = bus.stdout.readline().strip()
        if not address:
            raise Failure("the private D-Bus session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.start([launcher, "--launch-immediately", "--a11y=1"], stderr=subprocess.DEVNULL)

    def close(self):
        for process in reversed(self.processes):
            self.stop(process)
        shutil.rmtree(self.home, ignore_errors=True)


class Accessibility:
    """Starbox's windows as the accessibility bus shows them."""

    def __init__(self, env):
        try:
            import gi
            gi.require_version("Atspi", "2.0")
        except (ImportError, ValueError):
            raise Skip("the AT-SPI bindings are missing: install the Debian package python3-pyatspi")
        # The bindings find the buses through the environment of this process.
        for name in ("DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"):
            if name in env:
                os.environ[name] = env[name]
            else:
                os.environ.pop(name, None)
        from gi.repository import Atspi, GLib
        self.atspi = Atspi
        self.glib = GLib

    def application(self):
        desktop = self.atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            child = desktop.get_child_at_index(index)
            if child is not None and child.get_name() == "starbox":
                return child
        return None

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

    def press(self, accessible):
        """Runs the accessible's action "Press". A menu entry that opens a modal
        box answers only once the box is closed, so the call is not waited for."""
        action = self.atspi.Action
        with warnings.catch_warnings():
            # Debian 12's bindings call the name getter deprecated but offer no other.
            warnings.simplefilter("ignore", DeprecationWarning)
            names = [action.get_action_name(accessible, i)
                     for i in range(action.get_n_actions(accessible))]
        if "Press" not in names:
            raise Failure(f"{accessible.get_name()!r} offers no Press action, only {names}")
        self.atspi.set_timeout(1000, 0)
        try:
            action.do_action(accessible, names.index("Press"))
        except self.glib.Error as error:
            if "reply" not in str(error):
                raise
        finally:
            self.atspi.set_timeout(25000, 0)


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
    xvfb = need("Xvfb", "xvfb")
    openbox = need("openbox", "openbox")
    need("xprop", "x11-utils")
    session = Session("x11")
    try:
        session.start_buses()
        # Xvfb picks a display number no other server uses and reports it.
        reader, writer = os.pipe()
        session.start([xvfb, "-displayfd", str(writer), "-screen", "0", "1280x1024x24",
                       "-nolisten", "tcp"], pass_fds=(writer,), stderr=subprocess.DEVNULL)
        os.close(writer)
        with os.fdopen(reader) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise Failure("Xvfb did not start")
        session.env["DISPLAY"] = ":" + display
        print(f"Xvfb on display :{display}")
        session.start([openbox, "--sm-disable"], stdout=subprocess.DEVNULL,
                      stderr=subprocess.DEVNULL)
        wait_for("openbox to manage the display",
                 lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in xprop(session.env, "-root",
                                                                      "_NET_SUPPORTING_WM_CHECK"))

        starbox_env = dict(session.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        session.start([args.starbox], env=starbox_env)
        main = wait_for("the main window", lambda: x11_windows(session.env))
        (main_id, main_names), = main.items()
        check_x11_window(checks, "main window", main_names, args.caption, args.window_class)

        accessibility = Accessibility(session.env)
        about_entry = wait_for("Help > About Software on the accessibility bus",
                               lambda: accessibility.find(accessibility.application(),
                                                          "menu item", "About Software"))
        accessibility.press(about_entry)
        about = wait_for("the About box", lambda: {w: n for w, n in x11_windows(session.env).items()
                                                  if w != main_id})
        (about_id, about_names), = about.items()
        checks.equal("About box is transient for the main window", about_names["transient"], True)
        check_x11_window(checks, "About box", about_names, args.caption, args.window_class)

        # A second Starbox finds the first running and says so in a message box.
        second = session.start([args.starbox], env=starbox_env)
        message = wait_for("the message box of a second Starbox",
                           lambda: {w: n for w, n in x11_windows(session.env).items()
                                    if w not in (main_id, about_id)})
        (_, message_names), = message.items()
        checks.equal("message box WM_NAME", message_names["WM_NAME"], ["Starbox"])
        checks.equal("message box _NET_WM_NAME", message_names["_NET_WM_NAME"], ["Starbox"])
        session.stop(second)
    finally:
        session.close()


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
    whether it has a parent."""
    made = []
    current = {}
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for line in log:
            created = re.search(r"-> xdg_surface@\d+\.get_toplevel\(new id xdg_toplevel@(\d+)\)", line)
            if created:
                current[created.group(1)] = {"title": None, "app_id": None, "parent": False}
                made.append(current[created.group(1)])
                continue
            request = re.search(r'-> xdg_toplevel@(\d+)\.(set_title|set_app_id|set_parent)\((.*)\)\s*$', line)
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
    session = Session("wayland")
    try:
        session.start_buses()
        socket = f"starbox-desktop-identity-{os.getpid()}"
        session.start([weston, "--backend=headless-backend.so", f"--socket={socket}",
                       "--idle-time=0", "--no-config"],
                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("weston's socket",
                 lambda: os.path.exists(os.path.join(session.env["XDG_RUNTIME_DIR"], socket)))
        session.env["WAYLAND_DISPLAY"] = socket
        print(f"weston on the socket {socket}")

        starbox_env = dict(session.env, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        logs = []

        def start_starbox():
            log_path = os.path.join(session.home, f"wayland-{len(logs)}.log")
            logs.append(log_path)
            with open(log_path, "w") as log:
                return session.start([args.starbox], env=starbox_env,
                                     stdout=subprocess.DEVNULL, stderr=log)

        first = start_starbox()
        main = wait_for("the main window's xdg_toplevel with a title and an app_id",
                        lambda: first.poll() is None and toplevels(logs[0])[:1])[0]
        check_wayland_window(checks, "main window", main, args.caption, args.app_id)

        accessibility = Accessibility(session.env)
        about_entry = wait_for("Help > About Software on the accessibility bus",
                               lambda: accessibility.find(accessibility.application(),
                                                          "menu item", "About Software"))
        accessibility.press(about_entry)
        about = wait_for("the About box's xdg_toplevel with a title and an app_id", lambda: toplevels(logs[0])[1:2])[0]
        checks.equal("About box has the main window as parent", about["parent"], True)
        check_wayland_window(checks, "About box", about, args.caption, args.app_id)

        second = start_starbox()
        message = wait_for("the message box of a second Starbox",
                           lambda: toplevels(logs[1])[:1])[0]
        checks.equal("message box title", message["title"], "Starbox")
        checks.equal("message box app_id", message["app_id"], args.app_id)
        session.stop(second)
    finally:
        session.close()


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
    except Skip as reason:
        print(f"SKIP: {reason}")
        return SKIP
    except Failure as failure:
        checks.failed.append(str(failure))
        print(f"FAIL: {failure}")
    print(f"{checks.passed} passed, {len(checks.failed)} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
