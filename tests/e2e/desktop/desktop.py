"""One "computer" for end-to-end tests: a private X server, D-Bus session bus (with the
accessibility bus it activates) and PulseAudio server, the program started on it as a real
process, real pointer and key input through XTest, and the screen read back from the X server's
frame buffer file. Nothing here talks AT-SPI, so that a test may drive several computers, each
from a process of its own (libatspi connects to one bus per process)."""
import collections
import datetime
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib

from Xlib import X, XK
from Xlib.display import Display
from Xlib.ext import xtest


# Every process started here gets SIGTERM should the test die without cleaning up.
END_WITH_PARENT = ["setpriv", "--pdeathsig", "TERM"]


def stop_on_sigterm():
    """Turns SIGTERM (a runner's timeout, with-cupsd.sh ending) into an exit that cleans up."""
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))


class Fault(Exception):
    """What a test found wrong; its text is the test's message."""


def wait_until(what, condition, timeout=30.0, interval=0.05):
    """Polls `condition` until it returns something true, which is returned; Fault after `timeout`."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Fault(f"gave up after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


RECORD, HOME_RECORD = 44, 66  # one attempt in 成績累積データ.dat, in 成績累積データ家庭用.dat
Record = collections.namedtuple("Record", "date time student level seconds")


def read_records(path, length=RECORD, at=0):
    """The attempts in a result file. At `at` in each record (0 in the shared file, 22 in the
    home-use one, after the program folder's name): date value (days since 30 December 1899) and
    time of day (a fraction of a day) as little-endian doubles, then the student's number and the
    level (16 bits each) and the time taken in seconds (32 bits); texts follow."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except FileNotFoundError:
        return []
    out = []
    for i in range(0, len(data) - length + 1, length):
        days, fraction, student, level, seconds = struct.unpack_from("<ddhhi", data, i + at)
        out.append(Record(datetime.date(1899, 12, 30) + datetime.timedelta(days=int(days)),
                          datetime.timedelta(seconds=round(fraction * 86400)), student, level, seconds))
    return out


class Screen:
    """A copy of the frame buffer: 24-bit colour in 32-bit pixels, as Xvfb -fbdir writes it (XWD)."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        fields = struct.unpack(">25I", data[:100])
        header_size, depth, self.width, self.height = fields[0], fields[3], fields[4], fields[5]
        byte_order, bits_per_pixel, self.stride, ncolors = fields[7], fields[11], fields[12], fields[19]
        if depth != 24 or bits_per_pixel != 32 or byte_order != 0:
            raise Fault(f"unexpected frame buffer format: depth {depth}, {bits_per_pixel} bpp, order {byte_order}")
        self.pixels = memoryview(data)[header_size + 12 * ncolors:]

    def rgb(self, x, y):
        i = y * self.stride + 4 * x
        b, g, r = self.pixels[i], self.pixels[i + 1], self.pixels[i + 2]
        return r, g, b

    def png(self, path):
        """Writes the screen as a PNG, for a person to look at after a failure."""
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)
            line = self.pixels[y * self.stride:y * self.stride + 4 * self.width]
            for x in range(0, 4 * self.width, 4):
                rows += bytes((line[x + 2], line[x + 1], line[x]))

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
                    + chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b""))


class Program:
    """The program running as a process of its own on one computer."""

    def __init__(self, computer, argv, env, stderr_path, cwd=None):
        self.computer, self.stderr_path = computer, stderr_path
        with open(stderr_path, "wb") as err:
            self.proc = subprocess.Popen(END_WITH_PARENT + argv, env=env, stdin=subprocess.DEVNULL,
                                         stdout=subprocess.DEVNULL, stderr=err, cwd=cwd)
        self.pid = self.proc.pid
        computer.programs.append(self)

    def alive(self):
        return self.proc.poll() is None

    def stderr(self):
        with open(self.stderr_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def stop(self):
        if self.alive():
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


class Computer:
    """Xvfb, a D-Bus session bus and PulseAudio with a null sink, all in a folder of their own;
    close() (or leaving the `with` block) stops them and removes the folder."""

    def __init__(self, name):
        self.name = name
        self.dir = tempfile.mkdtemp(prefix=f"pekuru-{name}-")
        self.daemons, self.programs = [], []
        try:
            self._start_x()
            self._start_dbus()
            self._start_pulse()
            self.x = Display(self.display)
            self.width, self.height = self.x.screen().width_in_pixels, self.x.screen().height_in_pixels
        except BaseException:
            self.close()
            raise

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    def folder(self, *parts, mode=0o755):
        p = self.path(*parts)
        os.makedirs(p, exist_ok=True)
        os.chmod(p, mode)
        return p

    def _daemon(self, argv, log, env=None, **kw):
        with open(self.path(log), "wb") as err:
            proc = subprocess.Popen(END_WITH_PARENT + argv, stdin=subprocess.DEVNULL,
                                    stdout=kw.pop("stdout", subprocess.DEVNULL), stderr=err, env=env, **kw)
        self.daemons.append(proc)
        return proc

    def _log(self, name):
        with open(self.path(name), errors="replace") as f:
            return f.read()

    def _start_x(self):
        # Xvfb writes its display number to the pipe once it accepts clients (-displayfd): no
        # race for a display number between tests that start together.
        fb = self.folder("fb")
        read_end, write_end = os.pipe()
        self._daemon(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                      "-fbdir", fb], "xvfb.log", pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as r:
            number = r.readline().strip()
        if not number:
            raise Fault(f"{self.name}: Xvfb did not start: {self._log('xvfb.log')}")
        self.display = f":{number}"
        self.framebuffer = os.path.join(fb, "Xvfb_screen0")

    def _start_dbus(self):
        # The accessibility bus launcher is activated by this bus and inherits its environment:
        # its sockets go to this computer's own HOME and runtime folder.
        env = dict(os.environ, DISPLAY=self.display, HOME=self.folder("dbus-home"),
                   XDG_RUNTIME_DIR=self.folder("dbus-run", mode=0o700))
        for k in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
            env.pop(k, None)
        self.bus = f"unix:path={self.path('bus')}"
        proc = self._daemon(["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--address={self.bus}",
                             "--print-address=1"], "dbus.log", env=env, stdout=subprocess.PIPE)
        if not proc.stdout.readline():
            raise Fault(f"{self.name}: dbus-daemon did not start: {self._log('dbus.log')}")
        # What a desktop does when a screen reader runs: programs then export their accessible trees.
        subprocess.run(["dbus-send", f"--bus={self.bus}", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                        "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
                        "variant:boolean:true"], check=True, stdout=subprocess.DEVNULL, env=env)

    def _start_pulse(self):
        home = self.folder("pulse", mode=0o700)
        self.pulse_socket = os.path.join(home, "pulse.sock")
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=home, PULSE_STATE_PATH=home)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        # -n: none of the system's default modules, only a sink that plays into nothing and a
        # socket of this computer's own, open to any client (programs have HOMEs of their own, so
        # no shared cookie).
        proc = self._daemon(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                             "--disallow-exit", "--log-target=stderr", "--load=module-null-sink",
                             f"--load=module-native-protocol-unix socket={self.pulse_socket} auth-anonymous=1"],
                            "pulse.log", env=env)
        wait_until(f"{self.name}: PulseAudio to start", lambda: proc.poll() is not None or self.pactl("info").returncode == 0,
                   timeout=20)
        if proc.poll() is not None:
            raise Fault(f"{self.name}: PulseAudio did not start: {self._log('pulse.log')}")
        # Sounds are short: the server's own events count every playback stream that ever opened.
        self.streams = []
        events = self._daemon(["pactl", f"--server=unix:{self.pulse_socket}", "subscribe"], "pactl.log",
                              env=env, stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self._count_streams, args=(events.stdout,), daemon=True).start()

    def _count_streams(self, lines):
        for line in lines:
            if line.startswith("Event 'new' on sink-input"):
                self.streams.append(line.strip())

    def pactl(self, *args):
        return subprocess.run(["pactl", f"--server=unix:{self.pulse_socket}", *args], capture_output=True, text=True)

    def environment(self, home, runtime, **extra):
        """The environment of a program started on this computer by a user with `home`."""
        env = {k: v for k, v in os.environ.items()
               if k in ("PATH", "LANG", "LC_ALL", "TZ", "ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS")}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime, DISPLAY=self.display, DBUS_SESSION_BUS_ADDRESS=self.bus,
                   PULSE_SERVER=f"unix:{self.pulse_socket}", QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        env.update({k: v for k, v in extra.items() if v is not None})
        return env

    def start(self, argv, home, runtime, log_name, cwd=None, **extra):
        """Starts `argv` from the folder `cwd` (this process's own when None), with the variables
        `extra` added to the environment."""
        return Program(self, argv, self.environment(home, runtime, **extra), self.path(log_name), cwd)

    # Real input, as the X server gets it from a mouse and a keyboard.
    def _sync(self):
        self.x.sync()

    def move(self, x, y):
        xtest.fake_input(self.x, X.MotionNotify, x=int(x), y=int(y))
        self._sync()

    def click(self, x, y):
        self.move(x, y)
        time.sleep(0.05)
        xtest.fake_input(self.x, X.ButtonPress, 1)
        self._sync()
        time.sleep(0.05)
        xtest.fake_input(self.x, X.ButtonRelease, 1)
        self._sync()

    def drag(self, start, end, steps=12):
        """Presses at `start`, moves to `end` in small steps with short pauses as a hand does (Qt
        starts a drag only once the pointer has gone past the drag distance), and lets go."""
        (x0, y0), (x1, y1) = start, end
        self.move(x0, y0)
        time.sleep(0.05)
        xtest.fake_input(self.x, X.ButtonPress, 1)
        self._sync()
        for i in range(1, steps + 1):
            time.sleep(0.03)
            self.move(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps)
        time.sleep(0.1)
        self.move(x1 + 1, y1)
        time.sleep(0.05)
        xtest.fake_input(self.x, X.ButtonRelease, 1)
        self._sync()

    def key(self, name):
        code = self.x.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(self.x, X.KeyPress, code)
        xtest.fake_input(self.x, X.KeyRelease, code)
        self._sync()

    def top_window_at(self, x, y):
        """The title of the window a click at (x, y) lands in: the highest mapped top-level window
        there (no window manager, so they are the root's children, lowest first)."""
        utf8, net_name = self.x.intern_atom("UTF8_STRING"), self.x.intern_atom("_NET_WM_NAME")
        for w in reversed(self.x.screen().root.query_tree().children):
            try:
                if w.get_attributes().map_state != X.IsViewable:
                    continue
                g = w.get_geometry()
                if g.x <= x < g.x + g.width and g.y <= y < g.y + g.height:
                    prop = w.get_full_property(net_name, utf8)
                    return prop.value.decode() if prop else (w.get_wm_name() or "")
            except Exception:  # a window that went away meanwhile
                continue
        return None

    def screen(self):
        return Screen(self.framebuffer)

    def close(self, failed=False):
        # PEKURU_E2E_KEEP=1 keeps a failed computer's folder (logs, the program's messages, the
        # last screen as screen.png) for a look.
        keep = failed and os.environ.get("PEKURU_E2E_KEEP") == "1"
        if keep and getattr(self, "framebuffer", None):
            self.screen().png(self.path("screen.png"))
        for p in self.programs:
            p.stop()
        if getattr(self, "x", None):
            self.x.close()
        for d in reversed(self.daemons):
            if d.poll() is None:
                d.terminate()
                try:
                    d.wait(10)
                except subprocess.TimeoutExpired:
                    d.kill()
                    d.wait()
        # The accessibility bus and its registry, started by the session bus, end with it; any
        # left over is found by the runtime folder it inherited.
        try:
            wait_until("the accessibility bus to end", lambda: not self._strays(), timeout=5)
        except Fault:
            for pid in self._strays():
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
        if keep:
            print(f"{self.name}: kept for a look: {self.dir}", file=sys.stderr)
        else:
            shutil.rmtree(self.dir, ignore_errors=True)

    def _strays(self):
        mark = f"XDG_RUNTIME_DIR={self.path('dbus-run')}".encode()
        pids = []
        for entry in os.listdir("/proc"):
            try:
                if entry.isdigit() and mark in open(f"/proc/{entry}/environ", "rb").read().split(b"\0"):
                    pids.append(int(entry))
            except OSError:
                pass
        return pids

    def __enter__(self):
        return self

    def __exit__(self, kind, value, tb):
        self.close(failed=kind is not None)


def check_recorded_together(new):
    """Two attempts finished within the same second were recorded close together. A drill ends at
    its clock's next one-second tick after the last O.K. and its cue, and the two clocks tick out of
    step: the records may lie a little more than a second apart."""
    if abs(new[0].time - new[1].time).total_seconds() > 3:
        raise Fault(f"the two attempts were recorded more than three seconds apart: {new}")


def check_hubs_show_each_other(a, b):
    """Each computer's hub counts today's points of the pupil who played on the other one."""
    for me, other in ((a, b), (b, a)):
        shown = me["hub"].get(other["pupil"], (None,))[0]
        if shown != other["points"]:
            raise Fault(f"{me['name']}'s hub shows {shown} points today for {other['pupil']}, "
                        f"who earned {other['points']} on {other['name']}; the hub: {me['hub']}")

