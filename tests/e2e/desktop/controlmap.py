"""The program's controls as its control map tells them (PEKURU_CONTROL_MAP): a JSON file that the
program rewrites whenever its screen changes, listing every showing window and widget with its
role, name, description, text, whether it is enabled and its box on the screen. This is how a test
drives the Windows program under Wine, which has no AT-SPI bridge; the Linux program writes the
same map. Nothing here talks to the program: a test may read maps of several programs at once."""
import json
import os
import time

import controls
from desktop import Fault, wait_until

# Qt's accessible roles (QAccessible::Role) in AT-SPI's words, as a screen reader would get them.
ROLES = {
    "Button": "push button", "StaticText": "label", "List": "list", "ListItem": "list item",
    "AlertMessage": "alert", "Dialog": "dialog", "Window": "frame", "EditableText": "text",
    "MenuBar": "menu bar", "MenuItem": "menu item", "PopupMenu": "menu", "CheckBox": "check box",
    "RadioButton": "radio button", "ComboBox": "combo box", "Graphic": "image", "Grouping": "panel",
    "ScrollBar": "scroll bar", "Client": "filler", "PageTab": "page tab", "PageTabList": "page tab list",
    "ToolTip": "tool tip", "ProgressBar": "progress bar", "Table": "table", "Cell": "table cell",
}


class Node:
    """One window, widget or list line of the map, known by where it stands in the map (so that it
    can be found again in a later map) and the record it had when it was found."""
    __slots__ = ("key", "record", "window_key")

    def __init__(self, key, record, window_key):
        self.key, self.record, self.window_key = key, record, window_key

    def __repr__(self):
        return f"Node({self.key!r})"


def _keyed(records):
    """Each record with a key that finds it again: object name, class and its count among the
    records before it with the same two."""
    seen = {}
    for r in records:
        k = (r.get("objectName", ""), r.get("class", ""))
        seen[k] = seen.get(k, -1) + 1
        yield k + (seen[k],), r


class ControlMapControls(controls.Controls):
    """The controls of the program that keeps its map in `path`, shown on `computer`. `program`
    (a desktop.Program or anything with alive() and stderr()) makes every wait fail at once when
    the program ends."""

    SETTLE = 0.45  # seconds: longer than two of the program's 200 ms rewrites

    def __init__(self, path, computer, program=None, fresh=0.03):
        self.path, self.computer, self.program, self.fresh = path, computer, program, fresh
        self._read_at, self._map, self._nodes = -1.0, None, {}

    # The map, read again when the last read is older than `fresh` seconds: one walk over the
    # screen sees one map.
    def snapshot(self):
        now = time.monotonic()
        if self._map is None or now - self._read_at > self.fresh:
            try:
                with open(self.path, encoding="utf-8") as f:
                    data = json.load(f)
            except FileNotFoundError:
                data = {"windows": []}
            except (OSError, ValueError) as e:
                # The program writes under a scratch name and renames: a half map is a fault.
                raise Fault(f"the control map {self.path} is not whole JSON: {e}")
            self._map, self._read_at, self._nodes = data, now, self._index(data)
        return self._map

    @staticmethod
    def _index(data):
        nodes = {}
        for wkey, w in _keyed(data.get("windows", [])):
            wkey = ("window",) + wkey
            window = nodes[wkey] = Node(wkey, w, wkey)
            window.record = dict(w, kids=[])
            for ckey, c in _keyed(w.get("widgets", [])):
                ckey = wkey + ckey
                child = nodes[ckey] = Node(ckey, dict(c, kids=[]), wkey)
                window.record["kids"].append(child)
                for i, item in enumerate(c.get("items", [])):
                    ikey = ckey + (i,)
                    role = "menu item" if c.get("role") in ("MenuBar", "PopupMenu") else "list item"
                    enabled = item.get("enabled", c.get("enabled", True))
                    nodes[ikey] = Node(ikey, dict(item, role=role, enabled=enabled, kids=[], atspi=True), wkey)
                    child.record["kids"].append(nodes[ikey])
        return nodes

    def map_text(self):
        """What the map the program last wrote shows, for a failure's message: each window's title
        and the names or texts of the controls in it."""
        try:
            with open(self.path, encoding="utf-8") as f:
                data = json.load(f)
        except (OSError, ValueError) as e:
            return f"(no map: {e})"
        lines = []
        for w in data.get("windows", []):
            lines.append(f"「{w.get('title', '')}」 ({w.get('class', '')}, {'active' if w.get('active') else 'inactive'}, "
                         f"at {w.get('rect')})")
            for c in w.get("widgets", []):
                words = (c.get("name") or c.get("text") or "").replace("\r\n", " ").replace("\n", " ")
                if words:
                    state = "" if c.get("enabled", True) else ", disabled"
                    lines.append(f"    {ROLES.get(c.get('role', ''), c.get('role', ''))} {words[:80]!r}{state}")
        return "\n".join(lines) or "(no window shown)"

    def _now(self, node):
        """The record of `node` in the current map, or None once it is gone."""
        self.snapshot()
        found = self._nodes.get(node.key)
        return found.record if found else None

    def check(self):
        if self.program is not None and not self.program.alive():
            code = getattr(getattr(self.program, "proc", None), "returncode", None)
            raise Fault(f"the program ended (exit status {code}): {self.program.stderr()}")

    def windows(self):
        self.snapshot()
        return [n for k, n in self._nodes.items() if len(k) == 4]

    def children(self, node):
        record = self._now(node)
        return list(record["kids"]) if record else []

    def window_of(self, node):
        self.snapshot()
        return self._nodes.get(node.window_key)

    def _field(self, node, field, default=""):
        record = self._now(node)
        return record.get(field, default) if record else default

    def name(self, node):
        return self._field(node, "name")

    def role(self, node):
        record = self._now(node)
        if not record:
            return ""
        if record.get("atspi"):
            return record["role"]
        return ROLES.get(record.get("role", ""), record.get("role", "").lower())

    def description(self, node):
        return self._field(node, "description")

    def text(self, node):
        return self.name(node) or self._field(node, "text")

    def enabled(self, node):
        return bool(self._field(node, "enabled", False))

    def box(self, node):
        r = self._field(node, "rect", None)
        return tuple(r) if r else (0, 0, 0, 0)

    def settled(self, node):
        """The map is up to one of the program's intervals old: a window that has just come up may
        still be moved into place. The box must hold still for longer than that interval."""
        before = self.box(node)
        time.sleep(self.SETTLE)
        self._map = None  # read afresh
        return before != (0, 0, 0, 0) and self.box(node) == before


def wait_for_map(path, program, timeout=60):
    """Waits until the program has written its first map (it does once its first window shows)."""
    def written():
        if not program.alive():
            raise Fault(f"the program ended (exit status {program.proc.returncode}) before it wrote its control "
                        f"map: {program.stderr()}")
        return os.path.exists(path)
    wait_until(f"the program's control map {path}", written, timeout)
