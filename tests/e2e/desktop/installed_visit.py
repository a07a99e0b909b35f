#!/usr/bin/python3
"""installed_visit.py PREFIX: a family's first day with the installed program, started as the
desktop entry starts it (`pekuru`, no arguments, a fresh HOME). A pupil plays a level-1 drill with
real drags and sounds; the teacher prints a worksheet to the default CUPS queue (run this under
tests/e2e/with-cupsd.sh); a second start for the same user is refused while the first runs on.
Exits non-zero with a message at the first fault."""
import datetime
import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import a11y  # noqa: E402
from a11y import (choose_name, find, finish_figures, hub_number, hub_points, message_boxes, press,  # noqa: E402
                  wait, wait_for, wait_for_hub)
from desktop import RECORD, Computer, Fault, read_records, wait_until  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def files_under(folder):
    return {os.path.relpath(os.path.join(d, f), folder) for d, _, names in os.walk(folder) for f in names}


def check_pdf(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True)
    if info.returncode != 0:
        raise Fault(f"the printed file is no PDF: {info.stderr.strip()}")
    if not re.search(r"^Pages:\s+1$", info.stdout, re.M):
        raise Fault(f"the worksheet is not exactly one page:\n{info.stdout}")
    size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+) pts", info.stdout, re.M)
    if not size or abs(float(size.group(1)) - 595.3) > 2 or abs(float(size.group(2)) - 841.9) > 2:
        raise Fault(f"the worksheet is not on A4 portrait paper:\n{info.stdout}")
    # The table fills the middle of the page: there, a blank page would have no dark pixel.
    gray = subprocess.run(["pdftoppm", "-r", "50", "-gray", "-singlefile", path], capture_output=True, check=True).stdout
    header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+255\s", gray)
    width, height, pixels = int(header.group(1)), int(header.group(2)), gray[header.end():]
    dark = sum(1 for y in range(height // 4, 3 * height // 4) for x in range(width // 8, 7 * width // 8)
               if pixels[y * width + x] < 128)
    if dark < width * height // 100:
        raise Fault(f"the worksheet's table area is nearly blank ({dark} dark pixels at 50 dpi)")
    return dark


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: installed_visit.py PREFIX")
    prefix = os.path.abspath(sys.argv[1])
    program = os.path.join(prefix, "bin", "pekuru")
    for var in ("CUPS_SERVER", "PEKURU_CUPS_OUTPUT"):
        if not os.environ.get(var):
            sys.exit(f"installed_visit: {var} is not set: run this under tests/e2e/with-cupsd.sh")
    started = time.monotonic()
    with Computer("visit") as pc:
        a11y.use(pc)
        home, run = pc.folder("home"), pc.folder("run", mode=0o700)
        # As the desktop entry starts it: no arguments, no classroom named anywhere.
        cups = dict(CUPS_SERVER=os.environ["CUPS_SERVER"], CUPS_SERVERROOT=os.environ.get("CUPS_SERVERROOT"))
        first = pc.start([program], home, run, "pekuru.err", **cups)
        app = a11y.application(first)
        wait_for(app, "名前の一覧", "list")
        classroom = os.path.join(home, ".local", "share", "pekuru")
        demo = os.path.join(prefix, "share", "pekuru", "教室")
        missing = files_under(demo) - files_under(classroom)
        if missing or not files_under(demo):
            raise Fault(f"{classroom} lacks these files of the installed demo classroom {demo}: {sorted(missing)}; "
                        f"the program said: {first.stderr()}")

        # ヘルプ ▸ 目次 opens the guide the package installed, in a window of its own beside the names.
        press(pc, app, "ヘルプ", kind=None)
        press(pc, app, "目次", kind=None)
        def page_text():
            view = find(app, "説明")
            words = view and a11y._ask(view, lambda a: a.get_text_iface(), None)
            return words.get_text(0, words.get_character_count()) if words else ""
        try:
            wait(app, "the guide's contents page", lambda: "ペクル ヘルプ" in page_text())
        except Fault:
            raise Fault(f"the guide did not show its contents page: {page_text()[:200]!r}; windows "
                        f"{[a11y.name(w) for w in a11y.children(app)]}")
        if not find(app, "名前の一覧", "list"):
            raise Fault("the name selection went away when the guide opened")
        press(pc, app, "閉じる")
        wait(app, "the guide to close", lambda: find(app, "説明") is None)
        print("installed_visit: ヘルプ ▸ 目次 opened the installed guide beside the names, and it closed")

        pupil = choose_name(pc, app, lambda names: next(n for n in names if "先生" not in n))
        number = hub_number(app)
        results = os.path.join(classroom, "ペクル", "成績累積データ.dat")
        before = read_records(results)
        press(pc, app, "レベル1 をスタート", prefix=True)
        drill_start = time.monotonic()
        a11y.play_level1(pc, app)
        seconds, points = finish_figures(app)
        print(f"installed_visit: {pupil} (number {number}) played level 1 in {seconds} s for {points} points "
              f"({time.monotonic() - drill_start:.0f} s of driving)")
        if not pc.streams:
            raise Fault("PulseAudio saw no playback stream from the program during the whole drill")
        module = os.path.join(prefix, "lib", "pekuru", "pekuru-sound.so")
        with open(f"/proc/{first.pid}/maps") as maps:
            if module not in maps.read():
                raise Fault(f"the program played its sounds without the installed {module}")
        # The attempt is recorded before the finish screen shows.
        after = read_records(results)[len(before):]
        if len(after) != 1 or os.path.getsize(results) != (len(before) + 1) * RECORD:
            raise Fault(f"成績累積データ.dat should have grown by one 44-byte record; it is {os.path.getsize(results)} "
                        f"bytes, the new records: {after}")
        now = datetime.datetime.now()
        record, time_of_day = after[0], datetime.timedelta(hours=now.hour, minutes=now.minute, seconds=now.second)
        if (record.student, record.level, record.seconds, record.date) != (number, 1, seconds, now.date()) or \
                not datetime.timedelta(0) <= time_of_day - record.time < datetime.timedelta(minutes=2):
            raise Fault(f"the new record {record} is not student {number}, level 1, {seconds} s, a moment ago")

        press(pc, app, "メニューへ")
        wait_for_hub(app)
        shown = hub_points(app)
        if shown.get(pupil, (None,))[0] != points:
            raise Fault(f"the hub's ranking shows {shown}, not {points} points today for {pupil}")
        press(pc, app, "戻る(0)")
        teacher = choose_name(pc, app, lambda names: next(n for n in names if "先生" in n))
        press(pc, app, "印刷")
        press(pc, app, "印刷へ", timeout=60)
        press(pc, app, "印刷", timeout=60)  # the print preview's, now on top
        subprocess.run([os.path.join(HERE, "..", "cups-wait-jobs.sh"), "60"], check=True, stdout=subprocess.DEVNULL)
        dark = check_pdf(os.environ["PEKURU_CUPS_OUTPUT"])
        print(f"installed_visit: {teacher} printed one A4 page ({dark} dark pixels in its table area)")

        # A second start for the same user on the same computer is refused with a message.
        second = pc.start([program], home, run, "second.err", **cups)
        app2 = a11y.application(second)
        title, texts, buttons = wait_until("the second start's message box",
                                           lambda: next(iter(message_boxes(app2)), None), 30)
        if not any("すでに起動" in t for t in texts) or len(buttons) != 1:
            raise Fault(f"the second start showed 「{title}」 {texts} with {len(buttons)} buttons")
        pc.click(*a11y.centre(buttons[0]))
        wait_until("the refused second start to end", lambda: not second.alive(), 30)
        if second.proc.returncode == 0 or not first.alive():
            raise Fault(f"second start ended with {second.proc.returncode}; first alive: {first.alive()}")
        press(pc, app, "印刷中止")  # the first still answers: back from the preview
        wait(app, "the worksheet selection again", lambda: find(app, "印刷へ", "push button") and
             a11y.on_top(pc, find(app, "印刷へ", "push button")))
        print(f"installed_visit: second start refused with 「{title}」: {texts[0]}")
    print(f"installed_visit: passed in {time.monotonic() - started:.0f} s")


if __name__ == "__main__":
    try:
        main()
    except Fault as fault:
        sys.exit(f"installed_visit: FAIL: {fault}")
