#!/usr/bin/python3
"""two_computers.py PREFIX: a classroom where two computers share one classroom folder. Each
computer (its own X server, buses, sound server, HOME, and, when this runs as root, its own user
account: the caller's and nobody's) runs the program installed in PREFIX with PEKURU_FOLDER set to
the shared program folder; a different pupil plays a level-1 drill on each, and both press the last O.K. at the same
moment. Both attempts must land whole in the shared result files, and each hub must show the other
pupil's attempt. Exits non-zero with a message at the first fault."""
import multiprocessing
import os
import pwd
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import traceback
from queue import Empty

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, HERE)
from desktop import (HOME_RECORD, RECORD, Fault, check_hubs_show_each_other, check_recorded_together,  # noqa: E402
                     read_records, stop_on_sigterm)

SAMPLE = os.path.join(HERE, "..", "..", "..", "data", "sample")


def computer(name, program, folder, pupil_index, account, barrier, results):
    """One computer, in a process of its own (one AT-SPI connection per process), used by the
    pupil's own account: everything on it, from the X server to the program, runs as that user."""
    stop_on_sigterm()
    # Imported while still the caller: the source tree may lie where the pupil's account may not go
    # (a checkout under /root).
    import a11y
    from desktop import Computer
    report = {"name": name}
    try:
        if account != os.getuid():
            entry = pwd.getpwuid(account)
            os.setgroups([])
            os.setgid(entry.pw_gid)
            os.setuid(entry.pw_uid)
        with Computer(name) as pc:
            a11y.use(pc)
            if pupil_index == 1:
                barrier.wait()
            program_run = pc.start([program], pc.folder("home"), pc.folder("run", mode=0o700), "pekuru.err",
                                   PEKURU_FOLDER=folder)
            try:
                app = a11y.application(program_run)
                if pupil_index == 0:
                    # A's name screen is up (it has opened the result file) before B's program
                    # starts, as when one pupil sits down a little after the other.
                    a11y.wait_for(app, "名前の一覧", "list", timeout=60)
                    barrier.wait()
                person = a11y.choose_name(pc, app, lambda names: [n for n in names if "先生" not in n][pupil_index])
                report.update(pupil=person, number=a11y.hub_number(app))
                a11y.press(pc, app, "レベル1 をスタート", prefix=True)
                last = a11y.play_level1(pc, app, hold_last=True)
                barrier.wait()  # both last pictures solved: O.K. on both at once
                report["ok_at"] = time.time()
                last.confirm()
                report["seconds"], report["points"] = a11y.finish_figures(app)
                barrier.wait()  # both attempts recorded before either hub reads the file
                a11y.press(pc, app, "メニューへ")
                a11y.wait_for_hub(app)
                report["hub"] = a11y.hub_points(app)
                if not program_run.alive():
                    raise Fault("the program ended")
            except BaseException:
                report["stderr"] = program_run.stderr()[-2000:]
                raise
    except threading.BrokenBarrierError:
        report["error"] = "stopped, as the other computer failed"
    except BaseException as e:
        barrier.abort()
        report["error"] = str(e) if isinstance(e, Fault) else traceback.format_exc()
    results.put(report)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: two_computers.py PREFIX")
    program = os.path.join(os.path.abspath(sys.argv[1]), "bin", "pekuru")
    stop_on_sigterm()
    started = time.monotonic()
    shared = tempfile.mkdtemp(prefix="pekuru-shared-")
    workers = []
    try:
        shutil.copytree(SAMPLE, shared, dirs_exist_ok=True)
        # Two pupils' accounts when this runs as root; the classroom is writable by every account,
        # as a classroom share is set up.
        accounts = (os.getuid(), pwd.getpwnam("nobody").pw_uid if os.getuid() == 0 else os.getuid())
        os.chmod(shared, 0o755)
        subprocess.run(["chmod", "-R", "a+rwX", os.path.join(shared, "教室")], check=True)
        folder = os.path.join(shared, "教室", "ペクル")
        # The shared result file, and the home-use one in the common folder (this roster is a
        # home roster): each attempt lands in both.
        files = {os.path.join(folder, "成績累積データ.dat"): (RECORD, 0),
                 os.path.join(shared, "教室", "成績累積データ家庭用.dat"): (HOME_RECORD, 22)}
        before = {path: read_records(path, *layout) for path, layout in files.items()}

        spawn = multiprocessing.get_context("spawn")
        barrier, queue = spawn.Barrier(2, timeout=400), spawn.Queue()
        workers = [spawn.Process(target=computer, args=(n, program, folder, i, accounts[i], barrier, queue))
                   for i, n in enumerate(("computer-A", "computer-B"))]
        for w in workers:
            w.start()
        done = {}
        deadline = time.monotonic() + 500
        while len(done) < 2:
            try:
                r = queue.get(timeout=1)
                done[r["name"]] = r
                continue
            except Empty:
                pass
            # A computer that ended without a word failed before it could say so.
            for w, n in zip(workers, ("computer-A", "computer-B")):
                if n not in done and w.exitcode is not None and queue.empty():
                    barrier.abort()
                    raise Fault(f"{n} ended (exit status {w.exitcode}) without a report")
            if time.monotonic() > deadline:
                raise Fault(f"no word from {set(('computer-A', 'computer-B')) - set(done)} within 500 s")
        for w in workers:
            w.join(60)
        a, b = done["computer-A"], done["computer-B"]
        failed = [f"{r['name']}: {r['error']}\n  its program's messages: {r.get('stderr', '').strip()}"
                  for r in (a, b) if "error" in r]
        if failed:
            raise Fault("\n".join(failed))

        print(f"two_computers: {a['pupil']} ({a['seconds']} s, {a['points']} points) and {b['pupil']} "
              f"({b['seconds']} s, {b['points']} points); the last O.K.s {abs(a['ok_at'] - b['ok_at']):.2f} s apart")
        if abs(a["ok_at"] - b["ok_at"]) >= 1:
            raise Fault("the two last O.K.s were not pressed within the same second")
        expected = sorted([(a["number"], 1, a["seconds"]), (b["number"], 1, b["seconds"])])
        for path, (length, at) in files.items():
            size, new = os.path.getsize(path), read_records(path, length, at)[len(before[path]):]
            if size != (len(before[path]) + 2) * length:
                raise Fault(f"{os.path.basename(path)} should have grown by two {length}-byte records; "
                            f"it is {size} bytes, the new records: {new}")
            if sorted((r.student, r.level, r.seconds) for r in new) != expected:
                raise Fault(f"the new records in {os.path.basename(path)}, {new}, are not the attempts {expected}")
            print(f"two_computers: {os.path.basename(path)} holds both new records: {new}")
            check_recorded_together(new)
        check_hubs_show_each_other(a, b)
    finally:
        for w in workers:
            if w.is_alive():
                w.terminate()
                w.join(30)
        shutil.rmtree(shared, ignore_errors=True)
    print(f"two_computers: passed in {time.monotonic() - started:.0f} s")


if __name__ == "__main__":
    try:
        main()
    except Fault as fault:
        sys.exit(f"two_computers: FAIL: {fault}")
