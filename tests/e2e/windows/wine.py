"""The Windows program under Wine on one of desktop.py's computers: a Wine prefix of the test's
own (made by tests/windows/wine-prefix.sh, the installer run in it silently), the Start-menu
entry read from its shortcut file, the program started as that entry starts it, and Wine's servers
stopped with the test. Wine's windows are X windows on the computer's X server, so the pointer and
the screen are the computer's as for the Linux program; the controls come from the program's
control map (controlmap.py)."""
import glob
import os
import struct
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "desktop"))
from desktop import Fault  # noqa: E402

SOURCE = os.path.abspath(os.path.join(HERE, "..", "..", ".."))
MAKE_PREFIX = os.path.join(SOURCE, "tests", "windows", "wine-prefix.sh")

# No Mono or Gecko installer prompt, no desktop entries made on this machine.
DLL_OVERRIDES = "mscoree=;mshtml=;winemenubuilder.exe=d"


def windows_path(path):
    """A Linux path as the programs in a prefix see it (Z: is the Linux root)."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Prefix:
    """A Wine prefix: its folders, the environment for programs run in it, and its wineserver,
    which stop() (or leaving the `with` block) ends together with every program still running in
    the prefix."""

    def __init__(self, path):
        self.path = os.path.abspath(path)
        if not os.path.isfile(os.path.join(self.path, "system.reg")):
            raise Fault(f"{self.path} is not a Wine prefix (it has no system.reg)")

    def environment(self):
        return dict(WINEPREFIX=self.path, WINEARCH="win64", WINEDEBUG="-all", WINEDLLOVERRIDES=DLL_OVERRIDES)

    def unix_path(self, path):
        """The Linux path of a Windows path in this prefix (C:\\... or Z:\\...)."""
        drive, rest = path[:2].lower(), path[2:].replace("\\", "/").lstrip("/")
        target = os.path.join(self.path, "dosdevices", drive)
        if not os.path.exists(target):
            raise Fault(f"the Windows path {path} is on the drive {drive}, which the prefix {self.path} lacks")
        return os.path.join(os.path.realpath(target), rest)

    def user_folder(self):
        """drive_c/users/<user>: the one user of the prefix (besides Public)."""
        users = [u for u in os.listdir(os.path.join(self.path, "drive_c", "users")) if u != "Public"]
        if len(users) != 1:
            raise Fault(f"the prefix {self.path} should have one user folder under drive_c/users, not {users}")
        return os.path.join(self.path, "drive_c", "users", users[0])

    def local_appdata(self):
        """%LOCALAPPDATA% of the prefix's user."""
        return os.path.join(self.user_folder(), "AppData", "Local")

    def run(self, argv, timeout, env=None, cwd=None):
        """Runs a Windows program to its end with no display; returns its CompletedProcess."""
        full = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        full.update(self.environment(), **(env or {}))
        try:
            return subprocess.run(["wine", *argv], env=full, cwd=cwd, capture_output=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            self.stop()
            raise Fault(f"wine {' '.join(argv)} did not end within {timeout} s")

    def stop(self):
        env = dict(os.environ, **self.environment())
        subprocess.run(["wineserver", "-k"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            subprocess.run(["wineserver", "-w"], env=env, timeout=30, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            pass

    def __enter__(self):
        # A wineserver left from the installation (or started with another display) would hand
        # the program that display: the program's own starts it afresh.
        self.stop()
        return self

    def __exit__(self, *_):
        self.stop()


def make_prefix(path, installer=None):
    """A fresh prefix in `path` (tests/windows/wine-prefix.sh), with `installer` run in it silently
    (NSIS: /S) when given."""
    made = subprocess.run([MAKE_PREFIX, path], capture_output=True, text=True, timeout=400)
    if made.returncode != 0:
        raise Fault(f"wine-prefix.sh {path} failed ({made.returncode}): {made.stderr.strip()}")
    prefix = Prefix(path)
    if installer:
        done = prefix.run([os.path.abspath(installer), "/S"], timeout=300)
        prefix.stop()  # the installer's files are on disk once its wineserver has ended
        if done.returncode != 0:
            raise Fault(f"the installer {installer} /S ended with {done.returncode}: "
                        f"{done.stderr.decode(errors='replace').strip()[-2000:]}")
    return prefix


# Shell links (.lnk), as IShellLink saves them: a 76-byte header whose flags say which parts
# follow, the item list of the target, the target's location, then counted strings.
HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR, HAS_ARGUMENTS, HAS_ICON, UNICODE = (
    1 << i for i in range(8))


class Shortcut:
    def __init__(self, path, target_ansi, target_unicode, working_dir, arguments):
        self.path, self.target_ansi, self.target_unicode = path, target_ansi, target_unicode
        self.working_dir, self.arguments = working_dir, arguments

    def __repr__(self):
        return (f"Shortcut({self.path!r}: target {self.target_unicode or self.target_ansi!r}, "
                f"working folder {self.working_dir!r}, arguments {self.arguments!r})")


def read_shortcut(path):
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 76 or struct.unpack_from("<I", data)[0] != 76:
        raise Fault(f"{path} is not a shell link (its header is not 76 bytes long)")
    flags = struct.unpack_from("<I", data, 20)[0]
    at = 76
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target_ansi = target_unicode = ""
    if flags & HAS_LINK_INFO:
        size, header, info_flags, _, base, _, suffix = struct.unpack_from("<7I", data, at)
        info = data[at:at + size]

        def cstring(offset, wide=False):
            if wide:
                end = offset
                while info[end:end + 2] != b"\0\0":
                    end += 2
                return info[offset:end].decode("utf-16-le")
            return info[offset:info.index(b"\0", offset)].decode("latin-1")
        if info_flags & 1:  # a local path: base path and common suffix
            target_ansi = cstring(base) + cstring(suffix)
            if header >= 0x24:
                base_w, suffix_w = struct.unpack_from("<2I", info, 28)
                target_unicode = cstring(base_w, True) + cstring(suffix_w, True)
        at += size
    strings = {}
    for flag in (HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR, HAS_ARGUMENTS, HAS_ICON):
        if flags & flag:
            count = struct.unpack_from("<H", data, at)[0]
            width = 2 if flags & UNICODE else 1
            raw = data[at + 2:at + 2 + count * width]
            # Wine counts the terminating NUL too.
            strings[flag] = raw.decode("utf-16-le" if width == 2 else "latin-1").rstrip("\0")
            at += 2 + count * width
    return Shortcut(path, target_ansi, target_unicode, strings.get(HAS_WORKING_DIR, ""),
                    strings.get(HAS_ARGUMENTS, ""))


def resolve_target(prefix, shortcut):
    """The Linux path of the shortcut's target. Wine keeps only the ANSI form of the path in the
    link's location, with "?" for each character the ANSI code page lacks (ペクル is "???"):
    such a path is matched against the prefix's folders, and must name exactly one file."""
    if shortcut.target_unicode:
        return prefix.unix_path(shortcut.target_unicode)
    if not shortcut.target_ansi:
        raise Fault(f"{shortcut.path} names no local target")
    unix = prefix.unix_path(shortcut.target_ansi)
    if "?" not in shortcut.target_ansi:
        return unix
    found = [p for p in glob.glob(glob.escape(unix).replace("[?]", "?")) if os.path.isfile(p)]
    if len(found) != 1:
        raise Fault(f"the target {shortcut.target_ansi!r} of {shortcut.path} matches {found}, not one file")
    return found[0]


def start_menu_entries(prefix):
    """Every shortcut in the Start menu (the user's and all users')."""
    menus = [os.path.join(prefix.user_folder(), "AppData", "Roaming", "Microsoft", "Windows", "Start Menu"),
             os.path.join(prefix.path, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu")]
    return sorted(p for menu in menus for p in glob.glob(os.path.join(glob.escape(menu), "**", "*.lnk"),
                                                         recursive=True))


def program_entry(prefix, exe_name="pekuru.exe"):
    """(the shortcut, its target's Linux path, its working folder's Linux path) of the one Start
    menu entry that starts `exe_name`."""
    entries = []
    for path in start_menu_entries(prefix):
        link = read_shortcut(path)
        target = resolve_target(prefix, link) if (link.target_unicode or link.target_ansi) else ""
        if os.path.basename(target).lower() == exe_name:
            entries.append((link, target))
    if len(entries) != 1:
        raise Fault(f"the Start menu should hold one entry that starts {exe_name}; it holds {entries} "
                    f"among {start_menu_entries(prefix)}")
    link, target = entries[0]
    if link.arguments:
        raise Fault(f"the Start menu entry {link.path} passes arguments {link.arguments!r}; it should pass none")
    if not link.working_dir:
        raise Fault(f"the Start menu entry {link.path} names no working folder")
    return link, target, prefix.unix_path(link.working_dir)


def start(computer, prefix, exe, cwd, log_name, **extra):
    """Starts the Windows program `exe` (a Linux path) on `computer` from the folder `cwd`, as a
    user with a fresh HOME; `extra` is added to its environment. The Program's pid is the Wine
    process that runs the program (wine execs its loader in place)."""
    home, run = computer.folder("home"), computer.folder("run", mode=0o700)
    # Wine names the prefix's user after the account, as when the prefix was made.
    env = dict(prefix.environment(), USER=os.environ.get("USER"), LOGNAME=os.environ.get("LOGNAME"), **extra)
    return computer.start(["wine", exe], home, run, log_name, cwd=cwd, **env)


def maps_of(pid):
    try:
        with open(f"/proc/{pid}/maps") as f:
            return f.read()
    except OSError:
        return ""


def wait_for_exit(program, timeout):
    deadline = time.monotonic() + timeout
    while program.alive() and time.monotonic() < deadline:
        time.sleep(0.1)
    return not program.alive()
