#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Saved readings as the desktop meets them: MIME types, launching, hand-over.

Installs Starbox below a folder of a desktop session of the test's own
(desktop_session.py), makes that folder the session's XDG_DATA_HOME, and
asks the desktop's own tools, as a GNOME file manager would:

  - update-mime-database and update-desktop-database build their caches;
  - xdg-mime names the type of a saved Travel and Flower reading, and not of
    one whose extension is in capitals, and names Starbox's desktop entry as
    the program for each type;
  - gio open launches a saved reading through the installed desktop entry,
    and the reading appears on the accessibility bus.

Then, with that Starbox running, real processes hand files over:
  - malformed messages on its socket are ignored and it goes on;
  - a user other than its own cannot reach the socket (run as root only);
  - a stranger's lock and socket in the runtime folder are a fault told to
    the user, and the stranger is sent nothing (run as root only);
  - a second `starbox FILE` makes it show the reading and come back to the
    front from minimised, and ends at once with status 0 and no window of
    its own; a name that is not UTF-8 opens too;
  - a FIFO and 500 paths at once are answered within a second, with one
    message, and memory comes back;
  - a file dragged from a window of GTK's and dropped opens when its name
    is not UTF-8, and is not taken when its path holds a NUL;
  - after a flood of connections under a low open-files limit, a later
    start still hands its file over.

  desktop_files.py --cmake CMAKE --build BUILD_DIR
"""

import argparse
import os
import signal
import socket
import resource
import subprocess
import sys
import time
import urllib.parse

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from desktop_session import Failure, Session, Skip, ended, expect, need, need_atspi, run, wait_for
from desktop_identity import Accessibility, Checks, x11_windows, xprop

TRAVEL = "application/x-starbox-travel"
FLOWER = "application/x-starbox-flower"
ENTRY = "org.starbox.Starbox.desktop"


def saved_reading(path, lines):
    """A saved reading: each line's bytes shifted up by 85, ended by CR LF."""
    with open(path, "wb") as file:
        for line in lines:
            file.write(bytes(byte + 85 for byte in line.encode("cp1252")) + b"\r\n")
    return path


def shows(accessibility, text):
    """Whether some object of Starbox's on the accessibility bus is named with the text."""
    def search(node, depth=0):
        if node is None or depth > 40:
            return False
        if text in (node.get_name() or ""):
            return True
        return any(search(node.get_child_at_index(i), depth + 1) for i in range(node.get_child_count()))
    return search(accessibility.application())


def processes_of(program):
    """The PIDs of the running processes whose executable is program."""
    program = os.path.realpath(program)
    found = []
    for entry in os.listdir("/proc"):
        try:
            if entry.isdigit() and os.readlink(f"/proc/{entry}/exe") == program and not ended(entry):
                found.append(int(entry))
        except OSError:
            continue  # gone, or another user's
    return found


def send(path, message):
    """Sends raw bytes to the socket and returns what came back."""
    with socket.socket(socket.AF_UNIX) as connection:
        connection.settimeout(10)
        connection.connect(path)
        answer = b""
        try:
            connection.sendall(message)
            connection.shutdown(socket.SHUT_WR)
            while chunk := connection.recv(64):
                answer += chunk
        except (BrokenPipeError, ConnectionResetError):
            pass  # dropped while sending
        return answer


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmRSS:")) // 1024


def message_answers(session, accessibility, checks, what, text):
    """The message a refused hand-over leaves: on screen within a second of
    the hand-over, saying text, and closed with Return."""
    start = time.monotonic()
    messages = lambda: [window for window, names in x11_windows(session.env).items() if names["transient"]]
    shown = wait_for(messages, 5)
    checks.equal(f"{what}: a message within a second", bool(shown) and time.monotonic() - start < 1.0, True)
    checks.equal(f"{what}: the message says {text!r}", bool(wait_for(lambda: shows(accessibility, text), 5)), True)
    subprocess.run(["xdotool", "key", "Return"], env=session.env, check=True)
    expect(f"{what}: the message to close", lambda: not messages())


# A window of GTK's that a drag starts from, offering the URIs it is given
# as a file manager offers files; it ends when the drag does.
DRAG_SOURCE = """
import sys
import gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk
window = Gtk.Window(title="starbox-test drag source")
window.set_default_size(120, 120)
window.move(0, 0)
box = Gtk.EventBox()
box.add(Gtk.Label(label="drag"))
window.add(box)
box.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [Gtk.TargetEntry.new("text/uri-list", 0, 0)],
                    Gdk.DragAction.COPY)
box.connect("drag-data-get", lambda widget, context, data, info, time: data.set(
    data.get_target(), 8, "".join(uri + "\\r\\n" for uri in sys.argv[1:]).encode()))
box.connect("drag-end", lambda *ended: Gtk.main_quit())
window.show_all()
Gtk.main()
"""


def drop(session, uris, target):
    """Drags the URIs from a window of GTK's and drops them in the middle of
    the X window target, with the mouse, as a user does from a file manager."""
    source = session.start([sys.executable, "-c", DRAG_SOURCE, *uris])
    xdotool = lambda *argv: subprocess.run(["xdotool", *argv], env=session.env, capture_output=True, text=True,
                                           timeout=30).stdout
    window = expect("the drag source", lambda: xdotool("search", "--name", "starbox-test drag source").split())

    def centre(window):
        geometry = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window).split())
        return (int(geometry["X"]) + int(geometry["WIDTH"]) // 2, int(geometry["Y"]) + int(geometry["HEIGHT"]) // 2)
    (x, y), (to_x, to_y) = centre(window[0]), centre(str(int(target, 16)))
    xdotool("mousemove", str(x), str(y), "mousedown", "1", "sleep", "0.2", "mousemove", str(x + 20), str(y + 20),
            "sleep", "0.2", "mousemove", str(to_x), str(to_y), "sleep", "0.3", "mousemove", str(to_x + 10),
            str(to_y), "sleep", "0.5", "mouseup", "1")
    source.wait(10)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build", required=True)
    args = parser.parse_args()
    for program, package in (("update-mime-database", "shared-mime-info"),
                             ("update-desktop-database", "desktop-file-utils"),
                             ("xdg-mime", "xdg-utils"), ("gio", "libglib2.0-bin"),
                             ("Xvfb", "xvfb"), ("openbox", "openbox"), ("xprop", "x11-utils"),
                             ("xdotool", "xdotool")):
        need(program, package)
    need_atspi()
    try:
        import gi
        gi.require_version("Gtk", "3.0")  # for a window to drag files from
    except (ImportError, ValueError):
        raise Skip("GTK's bindings are missing: install the Debian package gir1.2-gtk-3.0")

    checks = Checks()
    with Session("files") as session:
        prefix = session.path("installed")
        subprocess.run([args.cmake, "--install", args.build, "--prefix", prefix],
                       check=True, stdout=subprocess.DEVNULL)
        starbox = os.path.join(prefix, "bin", "starbox")
        share = os.path.join(prefix, "share")
        # The installed files are the user's own data; a GNOME desktop asks
        # gio for types and programs. Starbox is found on the PATH, as the
        # desktop entry's Exec names it.
        session.env.update(XDG_DATA_HOME=share, XDG_DATA_DIRS="/usr/share", XDG_CURRENT_DESKTOP="GNOME",
                           PATH=os.path.join(prefix, "bin") + os.pathsep + session.env["PATH"],
                           QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        tool = lambda *argv: subprocess.run(argv, env=session.env, capture_output=True, text=True,
                                            timeout=60).stdout.strip()
        tool("update-mime-database", os.path.join(share, "mime"))
        tool("update-desktop-database", os.path.join(share, "applications"))

        readings = session.path("readings")
        os.mkdir(readings)
        anna = saved_reading(os.path.join(readings, "anna.tvl"), ["ANNA", "March", "7", "1980"])
        rose = saved_reading(os.path.join(readings, "rose.flo"), ["ROSE", "9", "March", "1984"])
        capitals = saved_reading(os.path.join(readings, "ANNA.TVL"), ["ANNA", "March", "7", "1980"])
        odd = saved_reading(os.path.join(readings, "an na\nü.flo"), ["IRIS", "15", "July", "1990"])
        # A name from a Latin-1 system: not UTF-8.
        latin1 = saved_reading(os.path.join(readings.encode(), b"lat1-\xe9.flo"), ["LENA", "2", "May", "1991"])
        fifo = os.path.join(readings, "pipe.tvl")
        os.mkfifo(fifo)

        for file, expected in ((anna, TRAVEL), (rose, FLOWER)):
            checks.equal(f"xdg-mime query filetype {os.path.basename(file)}",
                         tool("xdg-mime", "query", "filetype", file), expected)
        found = tool("xdg-mime", "query", "filetype", capitals)
        checks.equal(f"ANNA.TVL is not a saved reading to the desktop ({found})", found in (TRAVEL, FLOWER), False)
        for kind in (TRAVEL, FLOWER):
            checks.equal(f"xdg-mime query default {kind}", tool("xdg-mime", "query", "default", kind), ENTRY)

        print(f"Xvfb on display {session.start_xvfb()}")
        session.start_buses()
        session.start_window_manager()
        session.start(["gio", "open", anna], stdout=subprocess.DEVNULL)
        # Known by its executable, the one installed in the session's folder.
        launched = expect("the Starbox that gio open started", lambda: processes_of(starbox))
        checks.equal("gio open started one Starbox", len(launched), 1)
        pid = launched[0]
        accessibility = Accessibility(session, pid)
        expect("the Travel reading of anna.tvl, launched by gio open", lambda: shows(accessibility, "Pisces"))
        checks.equal("gio open shows the Travel reading", shows(accessibility, "Travel Traits"), True)

        # Nothing malformed opens anything, and Starbox goes on.
        socket_path = session.path("runtime/starbox.socket")
        malformed = {
            "a stranger's greeting": b"hello\n" + rose.encode() + b"\0\0",
            "a relative path": b"starbox-open\nrose.flo\0\0",
            "an empty file name": b"starbox-open\n\0\0",
            "more than a megabyte": b"starbox-open\n/" + b"a" * (1 << 20) + b".flo\0\0",
            "half a message": b"starbox-open\n" + rose.encode(),
        }
        for what, message in malformed.items():
            checks.equal(f"{what}: no answer", send(socket_path, message), b"")
        checks.equal("Starbox still shows the Travel reading after the malformed messages",
                     shows(accessibility, "Travel Traits") and not shows(accessibility, "Lucky Flower"), True)

        if os.geteuid() == 0:
            other = subprocess.run(
                ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", sys.executable, "-c",
                 "import socket, sys; socket.socket(socket.AF_UNIX).connect(sys.argv[1])", socket_path],
                capture_output=True, text=True, timeout=60)
            checks.equal("another user cannot connect to the socket",
                         other.returncode != 0 and "PermissionError" in other.stderr, True)
            # A stranger's lock and listening socket in the folder given as
            # the runtime folder: a fault said to the user, and not a byte
            # sent to the stranger.
            stranger = session.path("stranger")
            os.mkdir(stranger, 0o700)
            with socket.socket(socket.AF_UNIX) as listener:
                listener.bind(os.path.join(stranger, "starbox.socket"))
                listener.listen()
                listener.setblocking(False)
                with open(os.path.join(stranger, "starbox.lock"), "w") as lock:
                    lock.write("garbage")
                for name in ("starbox.socket", "starbox.lock"):
                    os.chown(os.path.join(stranger, name), 65534, 65534)
                refused = subprocess.Popen([starbox, rose], env=dict(session.env, XDG_RUNTIME_DIR=stranger),
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                said = Accessibility(session, refused.pid)
                checks.equal("a stranger's lock is a fault said to the user",
                             bool(wait_for(lambda: shows(said, "belongs to another user"), 10)), True)
                subprocess.run(["xdotool", "key", "Return"], env=session.env, check=True)
                checks.equal("and that Starbox ends with status 1", refused.wait(20), 1)
                try:
                    listener.accept()
                    reached = True
                except BlockingIOError:
                    reached = False
                checks.equal("the stranger's socket was not reached", reached, False)
        else:
            print("not root: the check that another user cannot connect was skipped")

        # Minimised first: the hand-over brings it back to the front.
        (main_window,) = x11_windows(session.env)
        subprocess.run(["xdotool", "windowminimize", str(int(main_window, 16))], env=session.env, check=True)
        hidden = lambda: "_NET_WM_STATE_HIDDEN" in xprop(session.env, "-id", main_window, "_NET_WM_STATE")
        expect("the main window to be minimised", hidden)
        for file, sign in ((rose, "Pisces"), (odd, "Cancer"), (latin1, "Taurus")):
            second = subprocess.run([starbox, file], env=session.env, capture_output=True, text=True,
                                    timeout=60)
            checks.equal(f"a second starbox {os.path.basename(file)!r} ends with status 0, saying nothing",
                         (second.returncode, second.stdout, second.stderr), (0, "", ""))
            expect(f"the first Starbox to show the Flower reading of {os.path.basename(file)!r}",
                   lambda: all(shows(accessibility, text) for text in ("Lucky Flower", sign))
                   and not shows(accessibility, "Travel Traits"))
        # Hand-overs that once froze Starbox: each is answered at once.
        before = rss_mb(pid)
        missing = [os.path.join(readings, f"gone{i}.flo") for i in range(499)]
        hostile = (
            ("a FIFO handed over by a second starbox", lambda: subprocess.run([starbox, fifo], env=session.env,
                                                                                timeout=60).returncode,
             0, "It is not a file of data"),
            ("a FIFO in a raw hand-over", lambda: send(socket_path, b"starbox-open\n" + fifo.encode() + b"\0\0"),
             b"ok\n", "It is not a file of data"),
            ("500 paths, the last one good", lambda: subprocess.run([starbox, *missing, anna], env=session.env,
                                                                   timeout=60).returncode,
             0, "passed over 499 files"),
        )
        for what, hand_over, answer, text in hostile:
            checks.equal(f"{what}: handed over", hand_over(), answer)
            message_answers(session, accessibility, checks, what, text)
        expect("the Travel reading of the last of 500 paths", lambda: shows(accessibility, "Travel Traits"))
        with open(f"/proc/{pid}/maps") as maps:
            sanitized = "libasan" in maps.read()  # which holds freed memory back on purpose
        if not sanitized:
            checks.equal(f"memory back after 500 paths ({before} MB, then {rss_mb(pid)} MB)",
                         rss_mb(pid) < before + 20, True)

        # A flood of idle connections under a low open-files limit: the
        # oldest give way, so a later start hands its file over even while
        # they are open. A flood that leaves no file to take a connection
        # with stops the server: it comes back.
        hard = resource.getrlimit(resource.RLIMIT_NOFILE)[1]
        resource.setrlimit(resource.RLIMIT_NOFILE, (min(4096, hard), hard))
        in_use = len(os.listdir(f"/proc/{pid}/fd"))
        for limit, open_meanwhile, file, sign in ((1024, True, rose, "Lucky Flower"),
                                                  (in_use + 4, False, anna, "Travel Traits")):
            subprocess.run(["prlimit", f"--pid={pid}", f"--nofile={limit}:"], check=True)
            flood = []
            for _ in range(1100):
                connection = socket.socket(socket.AF_UNIX)
                connection.settimeout(5)
                try:
                    connection.connect(socket_path)
                except OSError:
                    connection.close()
                    continue  # the queue is full, or the server was closed
                flood.append(connection)
            if open_meanwhile:
                held = len(os.listdir(f"/proc/{pid}/fd")) - in_use
                checks.equal(f"{len(flood)} idle connections hold {held} files of Starbox's: 16 and any on their way",
                             held <= 20, True)
            else:
                for connection in flood:
                    connection.close()
            time.sleep(1)
            second = subprocess.run([starbox, file], env=session.env, capture_output=True, timeout=20)
            for connection in flood:
                connection.close()
            checks.equal(f"1100 connections, {'open' if open_meanwhile else 'closed'}, with {limit} open files: "
                         "the next file handed over", second.returncode, 0)
            expect(f"the reading of {os.path.basename(file)} after the flood", lambda: shows(accessibility, sign))
        subprocess.run(["prlimit", f"--pid={pid}", "--nofile=1024:"], check=True)

        # Drops from a file manager: a name that is not UTF-8 opens; a path
        # that holds a NUL ("anna.tvl%00.flo", anna.tvl to the system) is
        # not taken, and nothing changes.
        url = lambda path: "file://" + urllib.parse.quote(path)
        for what, uri, opened in (("a Latin-1 name", url(latin1), True),
                                  ("a path holding a NUL", url(anna.encode()) + "%00.flo", False)):
            drop(session, [uri], main_window)
            if opened:
                expect(f"{what} dropped: its Flower reading",
                       lambda: shows(accessibility, "Lucky Flower") and shows(accessibility, "Taurus"))
                continue
            time.sleep(2)
            checks.equal(f"{what} dropped: no message, the same reading",
                         (any(names["transient"] for names in x11_windows(session.env).values()),
                          shows(accessibility, "Taurus")), (False, True))

        # More paths than one hand-over takes: said, and nothing sent.
        many = [os.path.join(readings, "x" * 200 + f"{i}.flo") for i in range(4500)]
        second = subprocess.run([starbox, *many], env=session.env, capture_output=True, text=True, timeout=60)
        checks.equal("a second starbox with over a megabyte of paths ends with status 2, in one line",
                     (second.returncode, second.stderr.count("\n"), "too many files" in second.stderr),
                     (2, 1, True))
        active = xprop(session.env, "-root", "_NET_ACTIVE_WINDOW").split()[-1]
        checks.equal("the main window is back in front and active",
                     (hidden(), int(active, 16)), (False, int(main_window, 16)))
        desktop = accessibility.atspi.get_desktop(0)
        checks.equal("the first Starbox is the one process with applications on the bus",
                     {desktop.get_child_at_index(i).get_process_id() for i in range(desktop.get_child_count())},
                     {pid})
        # gio started it, not the session: it is ended here, by its PID.
        os.kill(pid, signal.SIGTERM)
        expect("Starbox to end", lambda: ended(pid))

    print(f"{checks.passed} passed, {len(checks.failed)} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(run(main))
