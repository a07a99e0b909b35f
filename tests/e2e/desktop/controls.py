"""The program's screens as a test uses them: finding controls, pressing them with the real pointer,
reading the hub and the finish screen, and a whole level-1 drill played with real drags. All of it
is written against a Controls backend, which tells what is showing: a11y.py asks AT-SPI (the Linux
program), controlmap.py reads the control map the program writes (the Windows program under Wine,
where there is no AT-SPI bridge; the Linux program too)."""
import re

from desktop import Fault, wait_until


class Controls:
    """What a backend tells about the program's controls. A node is whatever the backend hands
    out; asked about again, it answers for the control as it is now (or with "", False and a
    zero box once the control is gone). Roles are AT-SPI's words: "push button", "label", "list",
    "list item", "alert", "dialog", "frame", "menu item"."""

    computer = None  # the Computer the program shows on: its pointer presses, its screen is read

    def check(self):
        """Raises Fault when the program has ended."""

    def windows(self):
        """The program's showing top-level windows."""
        raise NotImplementedError

    def children(self, node):
        """The showing controls directly inside `node`."""
        raise NotImplementedError

    def window_of(self, node):
        """The top-level window that holds `node` (None when it is gone)."""
        raise NotImplementedError

    def name(self, node):
        raise NotImplementedError

    def role(self, node):
        raise NotImplementedError

    def description(self, node):
        raise NotImplementedError

    def text(self, node):
        """A label's text: its name, else the text it shows."""
        raise NotImplementedError

    def enabled(self, node):
        raise NotImplementedError

    def box(self, node):
        """(x, y, width, height) on the screen, in the X server's pixels."""
        raise NotImplementedError

    def settled(self, node):
        """True when `node` is where box() says, not about to move (a backend whose news comes
        late checks that the box holds still)."""
        return True


def walk(ui, within=None):
    """Every showing control, depth first (in `within`, or in every window, the windows too)."""
    for child in ui.windows() if within is None else ui.children(within):
        yield child
        yield from walk(ui, child)


def find_all(ui, label=None, kind=None, prefix=False, contains=None, within=None):
    def fits(node):
        n = ui.name(node)
        return ((label is None or (n.startswith(label) if prefix else n == label))
                and (contains is None or contains in n) and (kind is None or ui.role(node) == kind))
    return [node for node in walk(ui, within) if fits(node)]


def find(ui, label=None, kind=None, prefix=False, contains=None, within=None):
    return next(iter(find_all(ui, label, kind, prefix, contains, within)), None)


def message_boxes(ui):
    """The message boxes on screen as (title, texts, buttons); they are windows of their own."""
    boxes = []
    for window in ui.windows():
        if ui.role(window) in ("alert", "dialog"):
            inside = list(walk(ui, window))
            boxes.append((ui.name(window), [ui.text(n) for n in inside if ui.role(n) == "label" and ui.text(n)],
                          [n for n in inside if ui.role(n) == "push button"]))
    return boxes


def fail_on_message_box(ui):
    for title, texts, _ in message_boxes(ui):
        raise Fault(f"the program showed a message box 「{title}」: {' / '.join(texts)}")


def wait(ui, what, condition, timeout=30):
    """wait_until, failing at once (with its text) when the program shows a message box or ends."""
    def check():
        ui.check()
        fail_on_message_box(ui)
        return condition()
    return wait_until(what, check, timeout)


def wait_for(ui, label=None, kind=None, prefix=False, contains=None, timeout=30):
    return wait(ui, f"a {kind or 'control'} named {label or contains!r}",
                lambda: find(ui, label, kind, prefix, contains), timeout)


def centre(ui, node):
    x, y, w, h = ui.box(node)
    return x + w // 2, y + h // 2


def on_top(ui, node):
    """True when a click on `node` reaches it: its window is the highest at its centre. (Screens the
    program leaves open behind the current one still count as showing.)"""
    holder = ui.window_of(node)
    if holder is None:  # gone meanwhile
        return False
    title, window = ui.computer.top_window_at(*centre(ui, node)), ui.name(holder)
    # The host adds the program's name to a window's title: "四字熟語の印刷 — ペクル" on X,
    # "四字熟語の印刷 - ペクル" on Windows.
    return title is not None and (title == window or title.startswith(window + " "))


def press(ui, label, kind="push button", prefix=False, timeout=30):
    """Clicks with the real pointer the control that is showing, enabled and not covered."""
    def ready():
        for node in find_all(ui, label, kind, prefix):
            if ui.enabled(node) and on_top(ui, node) and ui.settled(node):
                return node
    node = wait(ui, f"a {kind} {label!r} to click", ready, timeout)
    ui.computer.click(*centre(ui, node))
    return node


# The name list, the hub and the finish screen.

def choose_name(ui, pick):
    """Clicks the line of the name list whose "grade name" pick(all of them) returns, presses O.K.
    and waits for the hub; returns the name."""
    names = wait_for(ui, "名前の一覧", "list")
    lines = wait(ui, "the roster in the name list",
                 lambda: {ui.name(n).split("、")[0]: n for n in find_all(ui, kind="list item", within=names)
                          if "、今日" in ui.name(n)})  # "小5 たろう、今日 0ポイント、今まで 0ポイント"
    chosen = pick(list(lines))
    person = chosen.split(" ", 1)[1]
    ui.computer.click(*centre(ui, lines[chosen]))
    wait_for(ui, kind="label", contains=person)  # the chosen name under the list
    press(ui, "O.K.")
    wait_for_hub(ui)
    return person


def wait_for_hub(ui):
    """Waits until the hub has filled in its figures: its "戻る(0)" is enabled only then."""
    back = wait_for(ui, "戻る(0)", "push button", timeout=60)
    wait(ui, "the hub's figures", lambda: ui.enabled(back), 60)


def hub_number(ui):
    """The student's number, from the hub's "classroom:number" line."""
    for label in find_all(ui, kind="label"):
        m = re.fullmatch(r".+:(\d+)", ui.text(label))
        if m:
            return int(m.group(1))
    raise Fault("the hub shows no classroom:number line")


def finish_figures(ui):
    """(seconds, points) from the finish screen."""
    time_label = wait_for(ui, "今の成績：", "label", prefix=True, timeout=60)
    points_label = wait_for(ui, "獲得ポイント：", "label", prefix=True)
    seconds = re.search(r"(\d+)秒", ui.text(time_label))
    points = re.search(r"→(\d+)点", ui.text(points_label))
    if not seconds or not points:
        raise Fault(f"unreadable finish screen: {ui.text(time_label)!r}, {ui.text(points_label)!r}")
    return int(seconds.group(1)), int(points.group(1))


def hub_points(ui):
    """{name: (today's points, all points)} from the hub's level-1 ranking list, which lists every
    student of the roster: " 1●たろう　　 27/   27（目標の点の半分を こえた）" is rank, mark, name, figures."""
    ranking = wait_for(ui, "レベル1 の成績リスト", "list")
    lines = [ui.name(n) for n in find_all(ui, kind="list item", within=ranking)]
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


def tiles(ui):
    found = {k: node for node in find_all(ui, kind="push button", contains="のタイル")
             for k in PLACES if ui.name(node) == tile_name(k)}
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

    def __init__(self, ui, number):
        self.ui, self.computer, self.number, self.drags = ui, ui.computer, number, 0

    def learn(self):
        """Reads the whole picture from the tiles while they are still in order, presses スタート
        and returns each place's samples."""
        ui = self.ui
        wait_for(ui, "スタート", "push button")
        grid = wait(ui, "the 3 × 3 tiles", lambda: tiles(ui))
        self.rects = {k: ui.box(node) for k, node in grid.items()}
        self.places = {k: centre(ui, node) for k, node in grid.items()}
        self.counter = wait_for(ui, "入れかえた回数 ", prefix=True)
        home = faces(self.computer, self.rects)
        press(ui, "スタート")
        wait_for(ui, "O.K.", "push button")
        return home

    def swap(self, a, b):
        """Drags the piece on tile a onto tile b: the two change places."""
        before = self.ui.name(self.counter)
        self.computer.drag(self.places[a], self.places[b])
        self.drags += 1
        wait(self.ui, f"picture {self.number}: the drop of tile {a} on tile {b} to count",
             lambda: self.ui.name(self.counter) != before, 10)

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
        ui = self.ui
        press(ui, "O.K.")

        def outcome():
            if find(ui, contains="カ所まちがい", kind="label"):
                return "wrong"
            for label in ("スタート", "メニューへ", "成績記録中"):
                if find(ui, label):
                    return "taken"
        if wait(ui, f"picture {self.number} to be checked", outcome) == "taken":
            return []
        right = {k for k, node in tiles(ui).items() if "正しい場所" in ui.description(node)}
        press(ui, "続きをする")
        wait_for(ui, "O.K.", "push button")
        return sorted(set(PLACES) - right)


def play_level1(ui, hold_last=False):
    """Plays a whole level-1 drill on the drill screen. With hold_last the last picture is left
    solved but not confirmed, and its Picture is returned: the caller calls confirm() on it."""
    for number in range(1, 6):
        picture = Picture(ui, number)
        picture.arrange(picture.learn())
        if number < 5 or not hold_last:
            picture.confirm()
    return picture
