#!/usr/bin/env python3
"""Drives the running program as a screen reader would, through AT-SPI: finds the launcher
buttons of the master window by role and name, presses "Web Browser!" and "MP3!", reads the
address box, and checks that a browser window and the player opened.

Usage: atspi_launchers.py PID EXPECTED_ADDRESS_SUFFIX
Only the application whose process id is PID is looked at."""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# The action-name call is marked deprecated in this version of the library, with no
# introspected replacement.
warnings.filterwarnings("ignore", category=DeprecationWarning)

pid = int(sys.argv[1])
address_suffix = sys.argv[2]


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    try:
        dump(program(), 0)
    except Exception:  # the tree may be gone with the program
        pass
    sys.exit(1)


def dump(node, depth):
    """Prints what a screen reader sees, to tell why a step failed."""
    if node is None or depth > 12:
        return
    print("  " * depth + f"{node.get_role_name()} {node.get_name()!r}", file=sys.stderr)
    for child in children(node):
        dump(child, depth + 1)


def wait(what, find, seconds=30):
    """Polls `find` until it returns something, for up to `seconds`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except gi.repository.GLib.Error:
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def walk(node, depth=0):
    yield node
    if depth < 40:
        for child in children(node):
            yield from walk(child, depth + 1)


def role(node):
    return node.get_role_name()


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def program():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app.get_process_id() == pid:
            return app
    return None


def top_window(app, name):
    for window in children(app):
        if window.get_name() == name and showing(window):
            return window
    return None


def find(root, wanted_role, name):
    for node in walk(root):
        if role(node) == wanted_role and node.get_name() == name:
            return node
    return None


def press(button):
    if "Action" not in button.get_interfaces():
        fail(f'"{button.get_name()}" has no actions')
    count = Atspi.Action.get_n_actions(button)
    names = [Atspi.Action.get_action_name(button, i) for i in range(count)]
    if "Press" not in names:
        fail(f'"{button.get_name()}" offers {names}, no Press')
    Atspi.Action.do_action(button, names.index("Press"))
    print(f'pressed "{button.get_name()}" ({role(button)})')


def text_of(node):
    if "Text" not in node.get_interfaces():
        return None
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


app = wait("the program on the accessibility bus", program)
print(f"application: {app.get_name()!r}, process {pid}")

# The first start's message box: its OK button, pressed like any other.
def message_ok():
    for window in children(app):
        if role(window) in ("alert", "dialog") and showing(window):
            return find(window, "push button", "OK")
    return None


message = wait("the first-run message", message_ok)
press(message)

master = wait("the master window", lambda: top_window(app, "Vireo"))
launchers = [
    "Back!", "Foward!", "Stop!", "Refresh!", "Home!", "Web Browser!", "Journal!", "Phone Book!",
    "Homework Help!", "MP3!", "Search!", "Teen Rights!",
]
buttons = {}
for name in launchers:
    button = find(master, "push button", name)
    if button is None:
        fail(f'no push button named "{name}" in the master window')
    if not button.get_state_set().contains(Atspi.StateType.FOCUSABLE):
        fail(f'"{name}" cannot take the keyboard focus')
    buttons[name] = button
print(f"found {len(buttons)} launcher buttons by role and name")



def browser_windows():
    """The child windows in the master window's window area (an MDI area: a layered pane)."""
    for node in walk(master):
        if role(node) == "layered pane":
            return [child for child in children(node) if role(child) == "frame"]
    return []


# The first start opens a browser window of its own; the launcher opens one more.
before = len(browser_windows())
print(f"browser windows before: {before}")
press(buttons["Web Browser!"])
opened = wait("a new browser window in the master window",
              lambda: browser_windows() if len(browser_windows()) > before else None)
print(f"browser windows after: {len(opened)}: {[w.get_name() for w in opened]}")


def address_text():
    # The address box is the master window's editable combo box; its entry is named "Address".
    for box in walk(master):
        if role(box) != "combo box":
            continue
        for node in walk(box):
            if role(node) == "text" and node.get_name() == "Address":
                value = text_of(node)
                if value and value.endswith(address_suffix):
                    return value
    return None


address = wait(f"the address box to show ...{address_suffix}", address_text)
print(f"address box: {address}")

press(buttons["MP3!"])
player = wait("the player window", lambda: top_window(app, "MP3 Player"))
print(f"player: {role(player)} {player.get_name()!r}")
play = find(player, "push button", "Play")
if play is None:
    fail("the player has no push button named Play")
print("every step seen through AT-SPI")
