#!/usr/bin/python3
"""installed_visit_wine.py --menu-stand-in MENU.exe (SETUP.exe | WINEPREFIX): a family's first day
with the Windows program under Wine, installed by its NSIS installer and started as its Start-menu
entry starts it (the shortcut's target, no arguments, from the shortcut's working folder).

Given SETUP.exe, a fresh prefix is made in the test's own folder (tests/windows/wine-prefix.sh)
and the installer run in it silently; given a WINEPREFIX, the program must be installed there
already, and no other test may use that prefix meanwhile. The program runs on a computer of its
own (Xvfb, D-Bus, PulseAudio with a null sink) and is driven through its control map with real
XTest input: the per-user classroom is laid out under %LOCALAPPDATA%\\pekuru, a pupil plays a
level-1 drill (its sounds through winmm into the null sink, no 音声エラー), exactly one 44-byte
record is appended, a worksheet is printed (the name selection's 印刷 → 印刷へ → 印刷) through
Wine to the private CUPS queue (run this under tests/e2e/with-cupsd.sh): one A4 page, not blank;
and 終了 starts <classroom>\\起動\\プログラムメニュー.exe (MENU.exe, copied there) with the argument
001. Exits non-zero with a message at the first fault."""
import argparse
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "desktop"))
import controls  # noqa: E402
import wine  # noqa: E402
from controlmap import ControlMapControls, wait_for_map  # noqa: E402
from controls import choose_name, finish_figures, hub_number, hub_points, press, wait_for, wait_for_hub  # noqa: E402
from desktop import RECORD, Computer, Fault, read_records, stop_on_sigterm, wait_until  # noqa: E402

A4_POINTS = (595.3, 841.9)


def files_under(folder):
    return {os.path.relpath(os.path.join(d, f), folder) for d, _, names in os.walk(folder) for f in names}


def installed_demo(exe):
    """The demo classroom the installer put beside the program: the one folder 教室 holding
    ペクル\\設定.txt under the installation folder."""
    root = os.path.dirname(exe)
    if os.path.basename(root).lower() == "bin":
        root = os.path.dirname(root)
    found = [d for d, _, _ in os.walk(root)
             if os.path.basename(d) == "教室" and os.path.isfile(os.path.join(d, "ペクル", "設定.txt"))]
    if len(found) != 1:
        raise Fault(f"the installation {root} should hold one demo classroom (教室\\ペクル\\設定.txt); found {found}")
    return found[0]


def check_printed(path, scratch):
    """The one job's document (PostScript from Wine's printer driver, or PDF), drawn by
    Ghostscript at 50 dpi: exactly one page, A4 portrait, its table area not blank. Ghostscript's
    own default paper is set to Letter, so an A4 page can only come from the document."""
    with open(path, "rb") as f:
        head = f.read(8)
    kind = "PDF" if head.startswith(b"%PDF") else "PostScript" if head.startswith(b"%!") else None
    if kind is None:
        raise Fault(f"the printed job is neither PostScript nor PDF: it starts with {head!r}")
    pages = os.path.join(scratch, "pages")
    os.makedirs(pages, exist_ok=True)
    drawn = subprocess.run(["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sPAPERSIZE=letter", "-sDEVICE=pgmraw",
                            "-r50", f"-sOutputFile={pages}/page-%03d.pgm", path], capture_output=True, text=True,
                           timeout=120)
    if drawn.returncode != 0:
        raise Fault(f"Ghostscript could not draw the printed {kind}: {drawn.stderr.strip()[-1000:]}")
    names = sorted(os.listdir(pages))
    if len(names) != 1:
        raise Fault(f"the worksheet ({kind}) should be exactly one page; Ghostscript drew {len(names)}")
    with open(os.path.join(pages, names[0]), "rb") as f:
        gray = f.read()
    header = re.match(rb"P5\s+(?:#[^\n]*\n\s*)*(\d+)\s+(\d+)\s+255\s", gray)  # Ghostscript adds a comment
    if not header:
        raise Fault(f"Ghostscript drew no 8-bit gray page: it starts with {gray[:60]!r}")
    width, height, pixels = int(header.group(1)), int(header.group(2)), gray[header.end():]
    want = tuple(round(p / 72 * 50) for p in A4_POINTS)
    if abs(width - want[0]) > 2 or abs(height - want[1]) > 2:
        raise Fault(f"the worksheet ({kind}) is not on A4 portrait paper: {width} × {height} pixels at 50 dpi, "
                    f"A4 is {want[0]} × {want[1]}")
    # The table fills the middle of the page: there, a blank page would have no dark pixel.
    dark = sum(1 for y in range(height // 4, 3 * height // 4) for x in range(width // 8, 7 * width // 8)
               if pixels[y * width + x] < 128)
    if dark < width * height // 100:
        raise Fault(f"the worksheet's table area is nearly blank ({dark} dark pixels at 50 dpi)")
    return kind, dark


def check_sounds(pc, program, ui):
    if not pc.streams:
        raise Fault("PulseAudio saw no playback stream from the program during the whole drill")
    maps = wine.maps_of(program.pid)
    for module in ("winmm.dll", "winepulse.drv"):
        if module not in maps:
            raise Fault(f"the program (pid {program.pid}) played its sounds without Wine's {module} loaded")
    boxes = controls.message_boxes(ui)
    if boxes or "音声エラー" in program.stderr():
        raise Fault(f"the program reported a sound error: boxes {boxes}, messages: {program.stderr()[-1000:]}")


def check_new_record(results, before, number, seconds):
    after = read_records(results)[len(before):]
    size = os.path.getsize(results) if os.path.exists(results) else 0
    if len(after) != 1 or size != (len(before) + 1) * RECORD:
        raise Fault(f"成績累積データ.dat should have grown by one 44-byte record to {(len(before) + 1) * RECORD} "
                    f"bytes; it is {size} bytes, the new records: {after}")
    now = datetime.datetime.now()
    record, time_of_day = after[0], datetime.timedelta(hours=now.hour, minutes=now.minute, seconds=now.second)
    if (record.student, record.level, record.seconds, record.date) != (number, 1, seconds, now.date()) or \
            not datetime.timedelta(0) <= time_of_day - record.time < datetime.timedelta(minutes=2):
        raise Fault(f"the new record {record} is not student {number}, level 1, {seconds} s, a moment ago")
    return record


def visit(prefix, menu_stand_in, scratch):
    link, exe, workdir = wine.program_entry(prefix)
    print(f"installed_visit_wine: the Start menu's {os.path.basename(link.path)} starts {exe} from {workdir}")
    demo = installed_demo(exe)
    classroom = os.path.join(prefix.local_appdata(), "pekuru")
    if os.path.exists(classroom):
        raise Fault(f"{classroom} is there before the program's first start: the prefix is not fresh")
    cups = dict(CUPS_SERVER=os.environ["CUPS_SERVER"], CUPS_SERVERROOT=os.environ.get("CUPS_SERVERROOT"))
    with Computer("wine-visit") as pc, prefix:
        control_map = pc.path("controls.json")
        program = wine.start(pc, prefix, exe, workdir, "pekuru.err", PEKURU_CONTROL_MAP=wine.windows_path(control_map),
                             **cups)
        ui = ControlMapControls(control_map, pc, program)
        try:
            wait_for_map(control_map, program, timeout=120)
            wait_for(ui, "名前の一覧", "list", timeout=120)
            missing = files_under(demo) - files_under(classroom)
            if missing or not files_under(demo):
                raise Fault(f"{classroom} lacks these files of the installed demo classroom {demo}: {sorted(missing)}")
            print(f"installed_visit_wine: the program laid out the classroom {classroom} from {demo} "
                  f"({len(files_under(demo))} files)")

            pupil = choose_name(ui, lambda names: next(n for n in names if "先生" not in n))
            number = hub_number(ui)
            results = os.path.join(classroom, "ペクル", "成績累積データ.dat")
            before = read_records(results)
            press(ui, "レベル1 をスタート", prefix=True)
            drill_start = time.monotonic()
            controls.play_level1(ui)
            seconds, points = finish_figures(ui)
            print(f"installed_visit_wine: {pupil} (number {number}) played level 1 in {seconds} s for {points} "
                  f"points ({time.monotonic() - drill_start:.0f} s of driving)")
            check_sounds(pc, program, ui)
            print(f"installed_visit_wine: {len(pc.streams)} playback streams reached the null sink through winmm")
            record = check_new_record(results, before, number, seconds)
            print(f"installed_visit_wine: one 44-byte record appended: {record}")

            press(ui, "メニューへ")
            wait_for_hub(ui)
            shown = hub_points(ui)
            if shown.get(pupil, (None,))[0] != points:
                raise Fault(f"the hub's ranking shows {shown}, not {points} points today for {pupil}")
            press(ui, "戻る(0)")
            wait_for(ui, "名前の一覧", "list")

            # A worksheet, from the name selection's 印刷 through the worksheet selection and the
            # preview, to the default printer: Wine's, made from the CUPS queue.
            press(ui, "印刷")
            press(ui, "印刷へ", timeout=60)
            press(ui, "印刷", timeout=60)  # the print preview's, now on top
            waited = subprocess.run([os.path.join(HERE, "..", "cups-wait-jobs.sh"), "120"], capture_output=True,
                                    text=True)
            if waited.returncode != 0:
                raise Fault(f"no finished print job: {waited.stderr.strip()}")
            kind, dark = check_printed(os.environ["PEKURU_CUPS_OUTPUT"], scratch)
            print(f"installed_visit_wine: the worksheet printed as one A4 page of {kind} ({dark} dark pixels)")
            press(ui, "印刷中止")
            press(ui, "もどる", timeout=60)
            wait_for(ui, "名前の一覧", "list")

            # 終了 starts the classroom's menu program: a stand-in that writes down its arguments.
            menu = os.path.join(classroom, "起動", "プログラムメニュー.exe")
            os.makedirs(os.path.dirname(menu), exist_ok=True)
            shutil.copy(menu_stand_in, menu)
            press(ui, "終了")
            written = menu + ".args"
            wait_until(f"the menu program to write {written}", lambda: os.path.exists(written), 60)
            with open(written, encoding="utf-8") as f:
                arguments = f.read().splitlines()
            if arguments != ["001"]:
                raise Fault(f"終了 started {menu} with the arguments {arguments}, not ['001']")
            if not wine.wait_for_exit(program, 30):
                raise Fault("the program did not end within 30 s of 終了")
            if program.proc.returncode != 0:
                raise Fault(f"the program ended with status {program.proc.returncode} after 終了: "
                            f"{program.stderr()[-1000:]}")
            print("installed_visit_wine: 終了 started 起動\\プログラムメニュー.exe 001 and the program ended")
        except Fault as fault:
            raise Fault(f"{fault}\n  the program's messages: {program.stderr().strip()[-2000:]}\n"
                        f"  the screen, by its last control map:\n{ui.map_text()[:4000]}") from None


def main():
    stop_on_sigterm()
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--menu-stand-in", required=True, help="the stand-in menu program (MenuStandIn.cpp)")
    parser.add_argument("installed", help="the NSIS installer to install into a fresh prefix, or an installed WINEPREFIX")
    args = parser.parse_args()
    for var in ("CUPS_SERVER", "PEKURU_CUPS_OUTPUT"):
        if not os.environ.get(var):
            sys.exit(f"installed_visit_wine: {var} is not set: run this under tests/e2e/with-cupsd.sh")
    if not os.path.isfile(args.menu_stand_in):
        sys.exit(f"installed_visit_wine: the menu stand-in {args.menu_stand_in} does not exist")
    started = time.monotonic()
    scratch = tempfile.mkdtemp(prefix="pekuru-wine-visit-")
    own_prefix = os.path.join(scratch, "prefix")
    failed = True
    try:
        if os.path.isfile(args.installed):
            prefix = wine.make_prefix(own_prefix, installer=args.installed)
            print(f"installed_visit_wine: {os.path.basename(args.installed)} /S installed into a fresh prefix "
                  f"in {time.monotonic() - started:.0f} s")
        else:
            prefix = wine.Prefix(args.installed)
        visit(prefix, os.path.abspath(args.menu_stand_in), scratch)
        failed = False
    finally:
        # Whatever was still running in the prefix of this test's own (an installer stopped
        # half-way) ends with its wineserver.
        if os.path.isfile(os.path.join(own_prefix, "system.reg")):
            wine.Prefix(own_prefix).stop()
        # PEKURU_E2E_KEEP=1 keeps a failed run's folder (the prefix, the pages drawn) for a look.
        if failed and os.environ.get("PEKURU_E2E_KEEP") == "1":
            print(f"installed_visit_wine: kept for a look: {scratch}", file=sys.stderr)
        else:
            shutil.rmtree(scratch, ignore_errors=True)
    print(f"installed_visit_wine: passed in {time.monotonic() - started:.0f} s")


if __name__ == "__main__":
    try:
        main()
    except Fault as fault:
        sys.exit(f"installed_visit_wine: FAIL: {fault}")
