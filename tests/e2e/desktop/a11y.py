"""The program as a screen reader sees it (AT-SPI), and a whole level-1 drill played on it with
real drags (controls.py, here on AT-SPI). libatspi talks to the buses of one computer per process:
call use() first."""
import os

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import controls  # noqa: E402
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
    if acc is None:
        return default
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


def enabled(acc):
    return _ask(acc, lambda a: a.get_state_set().contains(Atspi.StateType.ENABLED), False)


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


def box(acc):
    e = _ask(acc, lambda a: a.get_extents(Atspi.CoordType.SCREEN), None)
    return (e.x, e.y, e.width, e.height) if e else (0, 0, 0, 0)


def centre(acc):
    x, y, w, h = box(acc)
    return x + w // 2, y + h // 2


def window_of(acc):
    """The top-level window (a child of the application) that holds `acc`, or None once it is gone."""
    try:
        while True:
            parent = acc.get_parent()
            if parent is None or role(parent) == "application":
                return acc
            acc = parent
    except GLib.Error:
        return None


class AtspiControls(controls.Controls):
    """The controls under `root` (the application, or any control in it) through AT-SPI."""

    def __init__(self, root, computer=None, program=None):
        self.root, self.computer, self.program = root, computer, program

    def check(self):
        if self.program is not None and not self.program.alive():
            raise Fault(f"the program ended (exit status {self.program.proc.returncode}): {self.program.stderr()}")

    def windows(self):
        return children(self.root)

    children = staticmethod(children)
    window_of = staticmethod(window_of)
    name = staticmethod(name)
    role = staticmethod(role)
    description = staticmethod(description)
    text = staticmethod(text)
    enabled = staticmethod(enabled)
    box = staticmethod(box)


# The same as in controls.py, on an application (or a control) found through AT-SPI.

def walk(acc):
    """Every showing object under `acc`, depth first (hidden branches are skipped)."""
    return controls.walk(AtspiControls(acc), acc)


def find_all(root, label=None, kind=None, prefix=False, contains=None):
    return controls.find_all(AtspiControls(root), label, kind, prefix, contains, within=root)


def find(root, label=None, kind=None, prefix=False, contains=None):
    return controls.find(AtspiControls(root), label, kind, prefix, contains, within=root)


def message_boxes(app):
    return controls.message_boxes(AtspiControls(app))


def fail_on_message_box(app):
    controls.fail_on_message_box(AtspiControls(app))


def wait(app, what, condition, timeout=30):
    return controls.wait(AtspiControls(app), what, condition, timeout)


def wait_for(app, label=None, kind=None, prefix=False, contains=None, timeout=30):
    return controls.wait_for(AtspiControls(app), label, kind, prefix, contains, timeout)


def on_top(computer, acc):
    return controls.on_top(AtspiControls(None, computer), acc)


def press(computer, app, label, kind="push button", prefix=False, timeout=30):
    return controls.press(AtspiControls(app, computer), label, kind, prefix, timeout)


def choose_name(computer, app, pick):
    return controls.choose_name(AtspiControls(app, computer), pick)


def wait_for_hub(app):
    controls.wait_for_hub(AtspiControls(app))


def hub_number(app):
    return controls.hub_number(AtspiControls(app))


def finish_figures(app):
    return controls.finish_figures(AtspiControls(app))


def hub_points(app):
    return controls.hub_points(AtspiControls(app))


def tiles(app):
    return controls.tiles(AtspiControls(app))


def play_level1(computer, app, hold_last=False):
    return controls.play_level1(AtspiControls(app, computer), hold_last)
