#!/usr/bin/env python3
"""Start-up time and peak memory of ペクル beside a bare Qt Widgets window, under one X server.

Run by bench/measure-startup.sh (which lays out the classroom and starts the virtual display).
Start-up: from just before the program is started to its first exposed and painted top-level
window, which the program reports itself (PEKURU_REPORT_SHOWN=1: "PEKURU_SHOWN <ms since process
start> <wall clock ms>"). The runs of the two programs alternate, after one unmeasured warm-up run
of each, so that both meet the same disk cache and machine load. Peak memory: VmHWM from
/proc/PID/status, read from outside once the program has reached the state measured.
"""
import os
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time


def vm(pid, key):
    with open(f"/proc/{pid}/status") as f:
        m = re.search(rf"^{key}:\s+(\d+) kB", f.read(), re.M)
    return int(m.group(1)) / 1024.0 if m else float("nan")


def run(cmd, marker, settle_ms=0):
    """Starts cmd, waits for `marker` on its standard error; returns (start-up ms, peak MiB)."""
    env = dict(os.environ, PEKURU_REPORT_SHOWN="1", PEKURU_UNATTENDED="1",
               XDG_RUNTIME_DIR=tempfile.mkdtemp(prefix="pekuru-bench-run-"))
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
    started = time.time() * 1000.0
    p = subprocess.Popen(cmd, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, env=env, text=True)
    shown = None
    try:
        deadline = time.time() + 120
        for line in p.stderr:
            if line.startswith("PEKURU_SHOWN ") and shown is None:
                shown = float(line.split()[2]) - started
            if line.startswith(marker):
                break
            if time.time() > deadline:
                raise RuntimeError(f"{cmd[0]}: no {marker} within 120 s")
        else:
            raise RuntimeError(f"{cmd[0]} ended (status {p.wait()}) before {marker}")
        if settle_ms:
            time.sleep(settle_ms / 1000.0)  # let the shown window settle before memory is read
        return shown, vm(p.pid, "VmHWM")
    finally:
        p.send_signal(signal.SIGKILL)
        p.wait()


def main():
    build, folder, drill_folder, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    bare = [f"{build}/bench/bench-bare-window"]
    linked = [f"{build}/bench/bench-bare-window-linked"]
    program = [f"{build}/src/app/pekuru", "--folder", folder]
    drill = [f"{build}/bench/bench-drill-memory", "--folder", drill_folder]

    run(bare, "PEKURU_SHOWN")
    run(program, "PEKURU_SHOWN")
    run(linked, "PEKURU_SHOWN")
    results = {"bare": [], "linked": [], "pekuru": [], "drill": []}
    for _ in range(runs):
        results["bare"].append(run(bare, "PEKURU_SHOWN", settle_ms=500))
        results["linked"].append(run(linked, "PEKURU_SHOWN", settle_ms=500))
        results["pekuru"].append(run(program, "PEKURU_SHOWN", settle_ms=500))
        results["drill"].append(run(drill, "PEKURU_DRILL_READY"))

    med = {k: (statistics.median(t for t, _ in v), statistics.median(m for _, m in v)) for k, v in results.items()}
    b_t, b_m = med["bare"]
    print(f"median of {runs} runs each, alternating, one X server (Xvfb 1280x1024x24)")
    print(f"{'program':<52} {'start-up ms':>11} {'ratio':>6} {'VmHWM MiB':>10} {'ratio':>6}")
    rows = [("bare Qt Widgets window (bench-bare-window)", *med["bare"]),
            ("the same, loading Multimedia + PrintSupport", *med["linked"]),
            ("pekuru, name selection, 20000 records", *med["pekuru"]),
            ("level 3 drill, tiles shuffled (bench-drill-memory)", med["drill"][0], med["drill"][1])]
    for name, t, m in rows:
        print(f"{name:<52} {t:>11.1f} {t / b_t:>6.2f} {m:>10.1f} {m / b_m:>6.2f}")
    print("all runs (start-up ms / VmHWM MiB):")
    for k, v in results.items():
        print(f"  {k:<7} " + "  ".join(f"{t:.0f}/{m:.1f}" for t, m in v))


if __name__ == "__main__":
    main()
