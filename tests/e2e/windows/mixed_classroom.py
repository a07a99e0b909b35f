#!/usr/bin/python3
"""mixed_classroom.py LINUX-PREFIX WINDOWS: a classroom where a Linux computer and a Windows one
share one classroom folder. LINUX-PREFIX is the Linux program installed into a prefix (as
tests/e2e/desktop/with-install.sh passes it); WINDOWS is the Windows program: its NSIS installer
(installed into a fresh prefix of this test's own), its portable folder (holding pekuru.exe, run
in a fresh prefix), or a WINEPREFIX it is installed in (used by this test alone).

Each computer has its own X server, buses and sound server; the Linux program is driven through
AT-SPI, the Windows one, under Wine, through its control map, both with real XTest input and
PEKURU_FOLDER naming the shared program folder. A different pupil plays a level-1 drill on each,
and both press the last O.K. within the same second. Both attempts must land whole in the shared
result files (each record decodable, with the right pupil, level and time), and each hub's
today's figures must include the other computer's attempt. Exits non-zero with a message at the
first fault."""
import multiprocessing
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import traceback
from queue import Empty

HERE = os.path.dirname(os.path.abspath(__file__))
DESKTOP = os.path.join(HERE, "..", "desktop")
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, HERE)
sys.path.insert(0, DESKTOP)
import wine  # noqa: E402
from desktop import (HOME_RECORD, RECORD, Fault, check_hubs_show_each_other, check_recorded_together,  # noqa: E402
                     read_records, stop_on_sigterm)

SAMPLE = os.path.join(HERE, "..", "..", "..", "data", "sample")
NAMES = ("linux", "windows")
# A drill under Wine takes longer than on Linux; the first start of a prefix too.
BARRIER_TIMEOUT, OVERALL_TIMEOUT = 600, 900


class LinuxProgram:
    """The Linux program, found through AT-SPI."""

    def __init__(self, program, folder):
        self.program, self.folder = program, folder

    def start(self, pc):
        """Starts the program on `pc`: (its Program, its Controls)."""
        import a11y
        a11y.use(pc)
        run = pc.start([self.program], pc.folder("home"), pc.folder("run", mode=0o700), "pekuru.err",
                       PEKURU_FOLDER=self.folder)
        return run, a11y.AtspiControls(a11y.application(run), pc, run)

    def stop(self):
        pass


class WindowsProgram:
    """The Windows program under Wine, read through its control map."""

    def __init__(self, prefix, exe, workdir, folder):
        self.prefix, self.exe, self.workdir, self.folder = prefix, exe, workdir, folder

    def start(self, pc):
        from controlmap import ControlMapControls, wait_for_map
        self.prefix.stop()  # a wineserver of the set-up would hand the program no display or another
        control_map = pc.path("controls.json")
        run = wine.start(pc, self.prefix, self.exe, self.workdir, "pekuru.err",
                         PEKURU_FOLDER=wine.windows_path(self.folder), PEKURU_CONTROL_MAP=wine.windows_path(control_map))
        wait_for_map(control_map, run, timeout=120)
        return run, ControlMapControls(control_map, pc, run)

    def stop(self):
        """Ends Wine's servers (and the program with them) before the X server they draw on."""
        self.prefix.stop()


def computer(name, starter, pupil_index, barrier, results):
    """One computer, in a process of its own (libatspi connects to one bus per process)."""
    stop_on_sigterm()
    import controls
    from desktop import Computer
    report = {"name": name}
    try:
        with Computer(name) as pc:
            try:
                if pupil_index == 1:
                    barrier.wait()
                program, ui = starter.start(pc)
                try:
                    if pupil_index == 0:
                        # The first computer's name screen is up (it has opened the result file)
                        # before the second's program starts, as when one pupil sits down a little
                        # after the other.
                        controls.wait_for(ui, "名前の一覧", "list", timeout=120)
                        barrier.wait()
                    person = controls.choose_name(ui, lambda names: [n for n in names if "先生" not in n][pupil_index])
                    report.update(pupil=person, number=controls.hub_number(ui))
                    controls.press(ui, "レベル1 をスタート", prefix=True)
                    last = controls.play_level1(ui, hold_last=True)
                    barrier.wait()  # both last pictures solved: O.K. on both at once
                    report["ok_at"] = time.time()
                    last.confirm()
                    report["seconds"], report["points"] = controls.finish_figures(ui)
                    barrier.wait()  # both attempts recorded before either hub reads the file
                    controls.press(ui, "メニューへ")
                    controls.wait_for_hub(ui)
                    report["hub"] = controls.hub_points(ui)
                    ui.check()
                except BaseException:
                    report["stderr"] = program.stderr()[-2000:]
                    if hasattr(ui, "map_text"):
                        report["map"] = ui.map_text()[:4000]
                    raise
            finally:
                starter.stop()
    except threading.BrokenBarrierError:
        report["error"] = "stopped, as the other computer failed"
    except BaseException as e:
        barrier.abort()
        report["error"] = str(e) if isinstance(e, Fault) else traceback.format_exc()
    results.put(report)


def windows_side(given, scratch):
    """(prefix, the program, its working folder) of the Windows program named by `given`."""
    if os.path.isdir(given) and os.path.isfile(os.path.join(given, "system.reg")):
        prefix = wine.Prefix(given)
        _, exe, workdir = wine.program_entry(prefix)
    elif os.path.isdir(given):
        exe = os.path.join(os.path.abspath(given), "pekuru.exe")
        if not os.path.isfile(exe):
            raise Fault(f"{given} is neither a Wine prefix nor a portable folder holding pekuru.exe")
        prefix, workdir = wine.make_prefix(os.path.join(scratch, "prefix")), os.path.dirname(exe)
    elif os.path.isfile(given):
        prefix = wine.make_prefix(os.path.join(scratch, "prefix"), installer=given)
        _, exe, workdir = wine.program_entry(prefix)
    else:
        raise Fault(f"the Windows program {given} does not exist")
    return prefix, exe, workdir


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: mixed_classroom.py LINUX-PREFIX (SETUP.exe | PORTABLE-FOLDER | WINEPREFIX)")
    stop_on_sigterm()
    linux = os.path.join(os.path.abspath(sys.argv[1]), "bin", "pekuru")
    if not os.access(linux, os.X_OK):
        raise Fault(f"the Linux program {linux} is not there")
    started = time.monotonic()
    scratch = tempfile.mkdtemp(prefix="pekuru-mixed-")
    workers, prefix = [], None
    try:
        prefix, exe, workdir = windows_side(sys.argv[2], scratch)
        print(f"mixed_classroom: the Linux program {linux}; the Windows program {exe} under Wine "
              f"({time.monotonic() - started:.0f} s to set up its prefix)")
        shared = os.path.join(scratch, "shared")
        shutil.copytree(SAMPLE, shared)
        subprocess.run(["chmod", "-R", "a+rwX", shared], check=True)
        folder = os.path.join(shared, "教室", "ペクル")
        # The shared result file, and the home-use one in the common folder (this roster is a home
        # roster): each attempt lands in both.
        files = {os.path.join(folder, "成績累積データ.dat"): (RECORD, 0),
                 os.path.join(shared, "教室", "成績累積データ家庭用.dat"): (HOME_RECORD, 22)}
        before = {path: read_records(path, *layout) for path, layout in files.items()}

        spawn = multiprocessing.get_context("spawn")
        barrier, queue = spawn.Barrier(2, timeout=BARRIER_TIMEOUT), spawn.Queue()
        starters = (LinuxProgram(linux, folder), WindowsProgram(prefix, exe, workdir, folder))
        workers = [spawn.Process(target=computer, args=(n, s, i, barrier, queue))
                   for i, (n, s) in enumerate(zip(NAMES, starters))]
        for w in workers:
            w.start()
        done = {}
        deadline = time.monotonic() + OVERALL_TIMEOUT
        while len(done) < 2:
            try:
                r = queue.get(timeout=1)
                done[r["name"]] = r
                continue
            except Empty:
                pass
            # A computer that ended without a word failed before it could say so.
            for w, n in zip(workers, NAMES):
                if n not in done and w.exitcode is not None and queue.empty():
                    barrier.abort()
                    raise Fault(f"the {n} computer ended (exit status {w.exitcode}) without a report")
            if time.monotonic() > deadline:
                raise Fault(f"no word from the {set(NAMES) - set(done)} computer within {OVERALL_TIMEOUT} s")
        for w in workers:
            w.join(60)
        a, b = done["linux"], done["windows"]
        failed = [f"the {r['name']} computer: {r['error']}\n  its program's messages: {r.get('stderr', '').strip()}"
                  + (f"\n  the screen, by its last control map:\n{r['map']}" if r.get("map") else "")
                  for r in (a, b) if "error" in r]
        if failed:
            raise Fault("\n".join(failed))
        check(a, b, files, before)
    finally:
        for w in workers:
            if w.is_alive():
                w.terminate()
                w.join(30)
        if prefix is not None:
            prefix.stop()
        shutil.rmtree(scratch, ignore_errors=True)
    print(f"mixed_classroom: passed in {time.monotonic() - started:.0f} s")


def check_texts(path, length, at, old):
    """The two new records of `path` whole: a date of whole days, a time of day within the day,
    and the text fields (the home-use file's program folder before the numbers, the classroom
    code after them) in CP932 and the same from both computers."""
    with open(path, "rb") as f:
        data = f.read()
    texts = []
    for i in (old, old + 1):
        record = data[i * length:(i + 1) * length]
        days, fraction = struct.unpack_from("<dd", record, at)
        if days != int(days) or not 0 <= fraction < 1:
            raise Fault(f"record {i + 1} of {os.path.basename(path)} has the date value {days} and the time "
                        f"{fraction}: not a day and a time of day")
        text = record[:at] + record[at + 24:]
        try:
            texts.append(text.decode("cp932"))
        except UnicodeDecodeError as e:
            raise Fault(f"the text fields of record {i + 1} of {os.path.basename(path)}, {text!r}, are not CP932: {e}")
    if texts[0] != texts[1]:
        raise Fault(f"the two computers wrote different text fields into {os.path.basename(path)}: {texts}")


def check(a, b, files, before):
    print(f"mixed_classroom: {a['pupil']} on Linux ({a['seconds']} s, {a['points']} points) and {b['pupil']} on "
          f"Windows ({b['seconds']} s, {b['points']} points); the last O.K.s {abs(a['ok_at'] - b['ok_at']):.2f} s apart")
    if abs(a["ok_at"] - b["ok_at"]) >= 1:
        raise Fault(f"the two last O.K.s were pressed {abs(a['ok_at'] - b['ok_at']):.2f} s apart, not within the "
                    "same second")
    if a["number"] == b["number"]:
        raise Fault(f"both computers played as student {a['number']}: the pupils were meant to differ")
    expected = sorted([(a["number"], 1, a["seconds"]), (b["number"], 1, b["seconds"])])
    for path, (length, at) in files.items():
        size, new = os.path.getsize(path), read_records(path, length, at)[len(before[path]):]
        if size != (len(before[path]) + 2) * length:
            raise Fault(f"{os.path.basename(path)} should have grown by two whole {length}-byte records to "
                        f"{(len(before[path]) + 2) * length} bytes; it is {size} bytes, the new records: {new}")
        if sorted((r.student, r.level, r.seconds) for r in new) != expected:
            raise Fault(f"the new records in {os.path.basename(path)}, {new}, are not the attempts "
                        f"(student, level, seconds) {expected}")
        today = time.localtime()
        if any((r.date.year, r.date.month, r.date.day) != today[:3] for r in new):
            raise Fault(f"the new records in {os.path.basename(path)}, {new}, are not dated today")
        check_texts(path, length, at, len(before[path]))
        print(f"mixed_classroom: {os.path.basename(path)} holds both new records: {new}")
        check_recorded_together(new)
    check_hubs_show_each_other(a, b)


if __name__ == "__main__":
    try:
        main()
    except Fault as fault:
        sys.exit(f"mixed_classroom: FAIL: {fault}")
