"""The program as a screen reader sees it (AT-SPI), and a whole level-1 drill played on it with
real drags. libatspi talks to the buses of one computer per process: call use() first."""
import os
import re

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from desktop import Fault, wait_until  # noqa: E402


def use(computer):
    """Points this process's AT-SPI client at `computer`'s session bus."""
    os.environ.update(DISPLAY=computer.display, DBUS_SESSION_BUS_ADDRESS=computer.bus)
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    Atspi.init()


def application(program, timeout=60):
    """The accessible application of `program`, found by its process id."""
    def found():
        if not program.alive():
            raise Fault(f"the program ended (exit status {program.proc.returncode}): {program.stderr()}")
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            try:
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == program.pid:
                    # Nothing cached: this client runs no event loop that would hear of changes.
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return app
            except GLib.Error:
                pass
    return wait_until(f"the program (pid {program.pid}) on the accessibility bus", found, timeout)


def _ask(acc, what, default=""):
    try:
        return what(acc) or default
    except GLib.Error:  # gone meanwhile
        return default


def name(acc):
    return _ask(acc, lambda a: a.get_name())


def role(acc):
    return _ask(acc, lambda a: a.get_role_name())


def description(acc):
    return _ask(acc, lambda a: a.get_description())


def showing(acc):
    states = _ask(acc, lambda a: a.get_state_set(), None)
    return bool(states) and states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def text(acc):
    """A label's text: its accessible name, else what its Text interface holds."""
    if name(acc):
        return name(acc)
    t = _ask(acc, lambda a: a.get_text_iface(), None)
    return t.get_text(0, t.get_character_count()) if t else ""


def children(acc):
    for i in range(_ask(acc, lambda a: a.get_child_count(), 0)):
        child = _ask(acc, lambda a: a.get_child_at_index(i), None)
        if child is not None and showing(child):
            yield child


def walk(acc):
    """Every showing object under `acc`, depth first (hidden branches are skipped)."""
    for child in children(acc):
        yield child
        yield from walk(child)


def find_all(root, label=None, kind=None, prefix=False, contains=None):
    def fits(acc):
        n = name(acc)
        return ((label is None or (n.startswith(label) if prefix else n == label))
                and (contains is None or contains in n) and (kind is None or role(acc) == kind))
    return [acc for acc in walk(root) if fits(acc)]


def find(root, label=None, kind=None, prefix=False, contains=None):
    return next(iter(find_all(root, label, kind, prefix, contains)), None)


def message_boxes(app):
    """The message boxes on screen as (title, texts, buttons); they are windows of their own."""
    boxes = []
    for window in children(app):
        if role(window) in ("alert", "dialog"):
            inside = list(walk(window))
            boxes.append((name(window), [text(a) for a in inside if role(a) == "label" and text(a)],
                          [a for a in inside if role(a) == "push button"]))
    return boxes


def fail_on_message_box(app):
    for title, texts, _ in message_boxes(app):
        raise Fault(f"the program showed a message box 「{title}」: {' / '.join(texts)}")


def wait(app, what, condition, timeout=30):
    """wait_until, failing at once (with its text) when the program shows a message box."""
    def check():
        fail_on_message_box(app)
        return condition()
    return wait_until(what, check, timeout)


def wait_for(app, label=None, kind=None, prefix=False, contains=None, timeout=30):
    return wait(app, f"a {kind or 'control'} named {label or contains!r}",
                lambda: find(app, label, kind, prefix, contains), timeout)


def box(acc):
    e = acc.get_extents(Atspi.CoordType.SCREEN)
    return e.x, e.y, e.width, e.height


def centre(acc):
    x, y, w, h = box(acc)
    return x + w // 2, y + h // 2


def window_of(acc):
    """The top-level window (a child of the application) that holds `acc`."""
    while True:
        parent = acc.get_parent()
        if parent is None or role(parent) == "application":
            return acc
        acc = parent


def on_top(computer, acc):
    """True when a click on `acc` reaches it: its window is the highest at its centre. (Screens the
    program leaves open behind the current one still count as showing to AT-SPI.)"""
    try:
        title, window = computer.top_window_at(*centre(acc)), name(window_of(acc))
    except GLib.Error:
        return False
    # Qt adds the program's name to a window's title on the X side ("四字熟語の印刷 — ペクル").
    return title is not None and (title == window or title.startswith(window + " \u2014 "))


def press(computer, app, label, kind="push button", prefix=False, timeout=30):
    """Clicks with the real pointer the control that is showing, enabled and not covered."""
    def ready():
        for acc in find_all(app, label, kind, prefix):
            if enabled(acc) and on_top(computer, acc):
                return acc
    acc = wait(app, f"a {kind} {label!r} to click", ready, timeout)
    computer.click(*centre(acc))
    return acc


# The name list, the hub and the finish screen.

def choose_name(computer, app, pick):
    """Clicks the line of the name list whose "grade name" pick(all of them) returns, presses O.K.
    and waits for the hub; returns the name."""
    names = wait_for(app, "名前の一覧", "list")
    lines = wait(app, "the roster in the name list",
                 lambda: {name(a).split("、")[0]: a for a in find_all(names, kind="list item")
                          if "、今日" in name(a)})  # "小5 たろう、今日 0ポイント、今まで 0ポイント"
    chosen = pick(list(lines))
    person = chosen.split(" ", 1)[1]
    computer.click(*centre(lines[chosen]))
    wait_for(app, kind="label", contains=person)  # the chosen name under the list
    press(computer, app, "O.K.")
    wait_for_hub(app)
    return person


def enabled(acc):
    return _ask(acc, lambda a: a.get_state_set().contains(Atspi.StateType.ENABLED), False)


def wait_for_hub(app):
    """Waits until the hub has filled in its figures: its "戻る(0)" is enabled only then."""
    back = wait_for(app, "戻る(0)", "push button", timeout=60)
    wait(app, "the hub's figures", lambda: enabled(back), 60)


def hub_number(app):
    """The student's number, from the hub's "classroom:number" line."""
    for label in find_all(app, kind="label"):
        m = re.fullmatch(r".+:(\d+)", text(label))
        if m:
            return int(m.group(1))
    raise Fault("the hub shows no classroom:number line")


def finish_figures(app):
    """(seconds, points) from the finish screen."""
    time_label = wait_for(app, "今の成績：", "label", prefix=True, timeout=60)
    points_label = wait_for(app, "獲得ポイント：", "label", prefix=True)
    seconds = re.search(r"(\d+)秒", text(time_label))
    points = re.search(r"→(\d+)点", text(points_label))
    if not seconds or not points:
        raise Fault(f"unreadable finish screen: {text(time_label)!r}, {text(points_label)!r}")
    return int(seconds.group(1)), int(points.group(1))


def hub_points(app):
    """{name: (today's points, all points)} from the hub's level-1 ranking list, which lists every
    student of the roster: " 1●たろう　　 27/   27（目標の点の半分を こえた）" is rank, mark, name, figures."""
    ranking = wait_for(app, "レベル1 の成績リスト", "list")
    lines = [name(a) for a in find_all(ranking, kind="list item")]
    points = {}
    for line in lines:
        m = re.match(r"\s*\d+.(.+?)[\u3000 ]+(\d+)/\s*(\d+)", line)
        if m:
            points[m.group(1)] = int(m.group(2)), int(m.group(3))
    if not points:
        raise Fault(f"unreadable level-1 ranking list: {lines}")
    return points


# The drill screen at level 1: five pictures, each cut into 3 × 3 tiles.
SIDE = 3
PLACES = range(1, SIDE * SIDE + 1)


def tile_name(k):
    return f"{(k - 1) // SIDE + 1}行目 {(k - 1) % SIDE + 1}列目のタイル"


def tiles(app):
    found = {k: acc for acc in find_all(app, kind="push button", contains="のタイル")
             for k in PLACES if name(acc) == tile_name(k)}
    return found if len(found) == len(PLACES) else None


def sample(screen, rect, n=14):
    """An n × n grid of colours inside `rect`, away from its edges (where a pick frame goes)."""
    x, y, w, h = rect
    return [screen.rgb(int(x + w * (0.15 + 0.7 * i / (n - 1))), int(y + h * (0.15 + 0.7 * j / (n - 1))))
            for j in range(n) for i in range(n)]


def difference(a, b):
    return sum(abs(p - q) for u, v in zip(a, b) for p, q in zip(u, v))


def faces(computer, rects):
    """Each tile's samples, once two reads in a row agree (painting has finished)."""
    computer.move(computer.width - 1, computer.height - 1)  # Xvfb draws the pointer into the frame buffer
    last = [None]

    def settled():
        screen = computer.screen()
        now = {k: sample(screen, r) for k, r in rects.items()}
        done, last[0] = now == last[0], now
        return now if done else None
    return wait_until("the tiles to be painted", settled, 10, interval=0.15)


def match(shown, home):
    """Which home place each shown tile's piece belongs to: pairs taken best first, by the
    smallest picture difference, each tile and each place once."""
    pairs = sorted((difference(shown[t], home[h]), t, h) for t in PLACES for h in PLACES)
    belongs, taken = {}, set()
    for _, t, h in pairs:
        if t not in belongs and h not in taken:
            belongs[t], taken = h, taken | {h}
    return belongs


class Picture:
    """One picture of the drill, from "スタート" to its O.K."""

    def __init__(self, computer, app, number):
        self.computer, self.app, self.number, self.drags = computer, app, number, 0

    def learn(self):
        """Reads the whole picture from the tiles while they are still in order, presses スタート
        and returns each place's samples."""
        wait_for(self.app, "スタート", "push button")
        grid = wait(self.app, "the 3 × 3 tiles", lambda: tiles(self.app))
        self.rects = {k: box(acc) for k, acc in grid.items()}
        self.places = {k: centre(acc) for k, acc in grid.items()}
        self.counter = wait_for(self.app, "入れかえた回数 ", prefix=True)
        home = faces(self.computer, self.rects)
        press(self.computer, self.app, "スタート")
        wait_for(self.app, "O.K.", "push button")
        return home

    def swap(self, a, b):
        """Drags the piece on tile a onto tile b: the two change places."""
        before = name(self.counter)
        self.computer.drag(self.places[a], self.places[b])
        self.drags += 1
        wait(self.app, f"picture {self.number}: the drop of tile {a} on tile {b} to count",
             lambda: name(self.counter) != before, 10)

    def arrange(self, home):
        """Drags every piece home by how it looks. Pieces that look alike (a plain sky) may still
        be on each other's places: confirm() finds and mends those."""
        for _ in range(3):
            belongs = match(faces(self.computer, self.rects), home)
            if all(belongs[t] == t for t in PLACES):
                return
            # The piece on t goes home to belongs[t], bringing that tile's piece to t, until t
            # holds its own piece.
            for t in PLACES:
                while belongs[t] != t:
                    h = belongs[t]
                    self.swap(t, h)
                    belongs[t], belongs[h] = belongs[h], h

    def confirm(self):
        """Presses O.K.; when the program finds places wrong ("Nカ所まちがい"), the tiles'
        descriptions say which are in the right place, and the others are put right by trial
        swaps, each undone unless it brings the first wrong tile its piece."""
        wrong = self._ok()
        tries = 0
        while wrong:
            a = wrong[0]
            for b in wrong[1:]:
                tries += 1
                if tries > 12:
                    raise Fault(f"picture {self.number}: still wrong after 12 trial swaps")
                self.swap(a, b)
                now = self._ok()
                if not now or a not in now:
                    wrong = now
                    break
                self.swap(a, b)
            else:
                raise Fault(f"picture {self.number}: no swap puts tile {a} right")

    def _ok(self):
        """Presses O.K. and returns the places the program found wrong (empty when all were right)."""
        press(self.computer, self.app, "O.K.")

        def outcome():
            if find(self.app, contains="カ所まちがい", kind="label"):
                return "wrong"
            for label in ("スタート", "メニューへ", "成績記録中"):
                if find(self.app, label):
                    return "taken"
        if wait(self.app, f"picture {self.number} to be checked", outcome) == "taken":
            return []
        right = {k for k, acc in tiles(self.app).items() if "正しい場所" in description(acc)}
        press(self.computer, self.app, "続きをする")
        wait_for(self.app, "O.K.", "push button")
        return sorted(set(PLACES) - right)


def play_level1(computer, app, hold_last=False):
    """Plays a whole level-1 drill on the drill screen. With hold_last the last picture is left
    solved but not confirmed, and its Picture is returned: the caller calls confirm() on it."""
    for number in range(1, 6):
        picture = Picture(computer, app, number)
        picture.arrange(picture.learn())
        if number < 5 or not hold_last:
            picture.confirm()
    return picture
