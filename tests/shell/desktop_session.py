# SPDX-License-Identifier: GPL-3.0-or-later
"""A desktop of a test's own, for the python tests that start Starbox on real
desktop components (desktop_identity.py, tst_screen_reader.py).

A Session holds a temporary folder with the home, the XDG folders and the
runtime folder, a private D-Bus session bus that starts no services, the
AT-SPI bus launcher, and on demand an Xvfb display of a number of its own.
Every process it starts is stopped by its PID, in reverse order, and the
folder is removed.

Nothing started reaches the user's desktop, a browser or a printer:
  - the environment is built afresh, not copied from the caller's;
  - xdg-open is a script in the session's bin folder that writes the address
    it is given to a file (Session.opened_addresses), and BROWSER is /bin/true;
  - CUPS_SERVER names a socket that does not exist: CTest's (the suite's
    printing guard), or one in the session's folder when run by hand.
The sanitizer options (ASAN_OPTIONS, UBSAN_OPTIONS, LSAN_OPTIONS) are passed
through, so that a sanitizer build reports from Starbox as from any test.

A missing package raises Skip with the name of the Debian package to
install; run() turns it into the exit status 77 that CTest counts as skipped.
"""

import importlib.util
import os
import random
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import warnings

SKIP = 77
WAIT = 30  # seconds for a window to appear; the machine may be busy
AT_SPI_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
PASSED_THROUGH = ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS")


class Skip(Exception):
    """A package the test needs is missing."""


class Failure(AssertionError):
    """Something the test waited for or asked for did not happen."""


def need(program, package):
    """The path of a program, or Skip naming the package that brings it."""
    path = shutil.which(program) or (program if os.access(program, os.X_OK) else None)
    if not path:
        raise Skip(f"{program} is missing: install the Debian package {package}")
    return path


def need_atspi():
    """Checks that this Python has the AT-SPI bindings, gi's and pyatspi,
    without loading them: they find the buses when loaded (use_buses_here)."""
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        found = importlib.util.find_spec("pyatspi")
    except (ImportError, ValueError):
        found = None
    if found is None:
        raise Skip(f"the AT-SPI bindings are missing for {sys.executable}: "
                   "install the Debian package python3-pyatspi")


def run(test):
    """Runs test(), a function returning the exit status; a Skip ends it with 77."""
    try:
        return test()
    except Skip as reason:
        print(f"SKIP: {reason}")
        return SKIP


def wait_for(condition, seconds=10.0, step=0.05):
    """Calls condition until it returns something true, and returns that; or
    what it last returned once the time is up. An accessible object that
    goes away while it is read counts as not yet."""
    try:
        from gi.repository import GLib
        gone = GLib.GError
    except ImportError:
        gone = ()
    end = time.monotonic() + seconds
    while True:
        try:
            result = condition()
        except gone:
            result = None
        if result or time.monotonic() > end:
            return result
        time.sleep(step)


def expect(what, condition, seconds=WAIT):
    """wait_for, raising Failure where the time is up."""
    result = wait_for(condition, seconds, 0.2)
    if not result:
        raise Failure(f"gave up after {seconds} s waiting for {what}")
    return result


def ended(pid):
    """Whether the process is gone, or a zombie that only its parent's reaping keeps."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] == "Z"
    except FileNotFoundError:
        return True


def application_of(pid, seconds=WAIT):
    """The application object of the process pid on the accessibility bus,
    once it holds a window. Under XDG_CURRENT_DESKTOP=GNOME Qt 6.4 registers
    a program twice, both named after it and of its PID: first an object
    with no children, then the one with the windows. Raises Failure where
    the process ends first or the time is up."""
    from gi.repository import Atspi, GLib

    def holding_windows():
        if ended(pid):
            raise Failure(f"process {pid} ended before it showed a window on the accessibility bus")
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            try:
                child = desktop.get_child_at_index(index)
                if child is not None and child.get_process_id() == pid and child.get_child_count() > 0:
                    return child
            except GLib.GError:
                continue  # an application that has just left the bus
        return None
    return expect(f"the windows of process {pid} on the accessibility bus", holding_windows, seconds)


def action_names(node):
    """The names of an accessible object's actions; none where it has none."""
    from gi.repository import Atspi
    action = node.get_action_iface()
    if action is None:
        return []
    with warnings.catch_warnings():
        # Debian 12's bindings call the name getter deprecated but offer no other.
        warnings.simplefilter("ignore", DeprecationWarning)
        return [Atspi.Action.get_action_name(action, i) for i in range(Atspi.Action.get_n_actions(action))]


def do_action(node, name="Press", modal=False):
    """Runs an accessible object's action. One that opens a modal box answers
    only once the box has closed: for such (modal), the call goes out and
    the answer is not awaited."""
    from gi.repository import Atspi, GLib
    names = action_names(node)
    if name not in names:
        raise Failure(f"{node.get_role_name()} {node.get_name()!r} has no action {name}, only {names}")
    action = node.get_action_iface()
    if not modal:
        Atspi.Action.do_action(action, names.index(name))
        return
    Atspi.set_timeout(1000, -1)
    try:
        Atspi.Action.do_action(action, names.index(name))
    except GLib.Error as error:
        if "reply" not in str(error):
            raise
    finally:
        Atspi.set_timeout(-1, -1)


class Session:
    """A private home, a D-Bus session bus and the accessibility bus, and the
    processes started in them, stopped by PID in reverse order."""

    def __init__(self, name):
        self.folder = tempfile.mkdtemp(prefix=f"starbox-{name}-")
        self.processes = []
        self.files = []
        for folder in ("home", "config", "data", "cache", "state", "runtime", "bin"):
            os.mkdir(self.path(folder), 0o700)
        self.opened = self.path("opened.txt")
        with open(self.path("bin/xdg-open"), "w") as script:
            script.write('#!/bin/sh\nprintf "%s\\n" "$1" >> "' + self.opened + '"\n')
        os.chmod(self.path("bin/xdg-open"), 0o755)
        self.env = {
            "PATH": self.path("bin") + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.path("home"),
            "XDG_RUNTIME_DIR": self.path("runtime"),
            "XDG_CONFIG_HOME": self.path("config"),
            "XDG_DATA_HOME": self.path("data"),
            "XDG_CACHE_HOME": self.path("cache"),
            "XDG_STATE_HOME": self.path("state"),
            "BROWSER": "/bin/true",
            "GSETTINGS_BACKEND": "memory",
            "LC_ALL": "C.UTF-8",
            "CUPS_SERVER": self._no_print_server(),
        }
        for variable in PASSED_THROUGH:
            if variable in os.environ:
                self.env[variable] = os.environ[variable]

    def _no_print_server(self):
        """CTest's CUPS socket where it names none that exists, else one of the session's."""
        server = os.environ.get("CUPS_SERVER", "")
        if server.startswith("/") and not os.path.exists(server):
            return server
        return self.path("no-print-server/cups.sock")

    def path(self, name):
        return os.path.join(self.folder, name)

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.close()

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

    def close(self):
        for process in reversed(self.processes):
            self.stop(process)
        for file in self.files:
            file.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def start_buses(self):
        """The session bus and, on it, the accessibility bus."""
        dbus = need("dbus-daemon", "dbus-daemon")
        launcher = need(AT_SPI_BUS_LAUNCHER, "at-spi2-core")
        # A session bus that starts no services of its own: the one service
        # needed, the accessibility bus, is started here and stopped by PID.
        config = self.path("session-bus.conf")
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
        self.start([launcher, "--launch-immediately", "--a11y=1"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The AT-SPI bindings give up for good (and end the process) on a
        # session bus where no one owns org.a11y.Bus yet: on a busy machine
        # the launcher takes a moment.
        gdbus = need("gdbus", "libglib2.0-bin")
        expect("the accessibility bus launcher on the session bus", lambda: "true" in subprocess.run(
            [gdbus, "call", "--session", "--dest", "org.freedesktop.DBus", "--object-path", "/org/freedesktop/DBus",
             "--method", "org.freedesktop.DBus.NameHasOwner", "org.a11y.Bus"],
            env=self.env, capture_output=True, text=True, timeout=30).stdout)

    def start_xvfb(self):
        """An Xvfb display of a number of its own, taking connections; its name."""
        xvfb = need("Xvfb", "xvfb")
        # A number well away from the low ones that other servers on the
        # machine take and give up again.
        for number in random.Random(os.getpid()).sample(range(300, 900), 20):
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
                continue
            display = self._start_xvfb(xvfb, number)
            if display:
                self.env["DISPLAY"] = display
                return display
        raise Failure("Xvfb did not start")

    def start_window_manager(self):
        """openbox on the session's display, as a desktop has a window
        manager: it gives windows their frames and the keyboard's focus."""
        openbox = need("openbox", "openbox")
        xprop = need("xprop", "x11-utils")
        self.start([openbox, "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def managed():
            result = subprocess.run([xprop, "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                    capture_output=True, text=True, timeout=20)
            return "_NET_SUPPORTING_WM_CHECK(WINDOW)" in result.stdout
        expect("openbox to manage the display", managed)

    def _start_xvfb(self, xvfb, number):
        read_end, write_end = os.pipe()
        # -noreset: the server would start over, refusing connections a
        # moment, whenever its last client leaves (the probe below, say).
        process = self.start([xvfb, f":{number}", "-displayfd", str(write_end),
                              "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                             pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        os.close(write_end)
        reported = b""
        while not reported.endswith(b"\n"):
            byte = os.read(read_end, 1)
            if not byte:
                break
            reported += byte
        os.close(read_end)
        reported = reported.decode().strip()
        if not reported.isdigit():
            return None
        probe = socket.socket(socket.AF_UNIX)
        try:
            probe.connect("/tmp/.X11-unix/X" + reported)
        except OSError:
            self.stop(process)
            return None
        finally:
            probe.close()
        if process.poll() is not None:
            return None
        return ":" + reported

    def start_starbox(self, starbox, platform, stdout=None, stderr=None, **variables):
        """Starbox on the session's display (platform: xcb or wayland) with
        Qt's accessibility bridge on, and any further variables set; its
        dialogs open in the session's home."""
        env = dict(self.env, QT_QPA_PLATFORM=platform, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   **variables)
        return self.start([starbox], env=env, stdout=stdout, stderr=stderr, cwd=self.path("home"))

    def log(self, name):
        """A file in the session's folder to write to, closed with the session."""
        file = open(self.path(name), "w")
        self.files.append(file)
        return file

    def opened_addresses(self):
        """The addresses given to xdg-open so far."""
        try:
            with open(self.opened) as file:
                return file.read().split()
        except FileNotFoundError:
            return []

    def use_buses_here(self):
        """Points this process at the session's buses and display, for the
        AT-SPI bindings, which find them through the environment."""
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        for variable in ("DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"):
            if variable in self.env:
                os.environ[variable] = self.env[variable]
            else:
                os.environ.pop(variable, None)
