"""Reads the real program through AT-SPI, as a screen reader does, while a person uses it from
the keyboard and the mouse: the main menu with its list and its system menu, the About box
that the system menu opens, a calculator with its boxes, list and system menu, a message box,
and the popup menu of an edit box. Every window, and every menu while it is open, must be in
the accessibility tree under the program, with the names a screen reader speaks. In each
calculator, 1/3 in a box reads as a third, and a decimal comma is refused in a message that
names the box, after which what the person types replaces the box's text.

Usage: quillet_atspi_test.py PATH_TO_QUILLET (on an X display, with an accessibility bus)
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

DEADLINE_SECONDS = 15


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(find, what):
    """Polls find() until it returns something, which it returns; fails after the deadline."""
    deadline = time.monotonic() + DEADLINE_SECONDS
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail(f"{what} did not appear in the accessibility tree")


def children(node):
    # The program's windows come and go; what the bridge cached may be out of date.
    node.clear_cache()
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find_program():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.name == "Quillet":
            return app
    return None


def window_named(program, name):
    """The showing top-level window of the program with `name`, or None."""
    for window in children(program):
        if window is not None and window.name == name and showing(window):
            return window
    return None


def descendants(node, depth=0):
    for child in children(node):
        if child is not None:
            yield child
            if depth < 4:
                yield from descendants(child, depth + 1)


def named(node, role, name):
    """The descendant of `node` with `role` (a role name) and `name`, or None."""
    for child in descendants(node):
        if child.getRoleName() == role and child.name == name:
            return child
    return None


def expect_named(node, role, name):
    found = named(node, role, name)
    if found is None:
        fail(f"{node.name!r} has no {role} named {name!r}")
    return found


def open_menu(program, name=None):
    """The program's open popup menu (named `name`, if given), or None."""
    for child in children(program):
        if (child is not None and child.getRoleName() == "popup menu" and showing(child)
                and (name is None or child.name == name)):
            return child
    return None


def system_menu_of(program, window_title):
    """Opens the system menu of the window titled `window_title` with Alt+Space and returns it
    as the tree shows it."""
    press_keys(window_title, "alt+space")
    return wait_for(lambda: open_menu(program, "System"), f"the system menu of {window_title!r}")


def close_menu(program, window_title):
    press_keys(window_title, "Escape")
    wait_for(lambda: open_menu(program) is None, "the closing of a menu")


def entry_names(menu):
    return [item.name for item in children(menu) if item.getRoleName() == "menu item"]


def expect_entries(menu, expected, owner):
    names = entry_names(menu)
    if names != expected:
        fail(f"the system menu of {owner!r} reads {names}, not {expected}")


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def press_keys(window_title, *keys):
    window_id = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", f"^{window_title}$"],
        check=True, capture_output=True, text=True).stdout.split()[0]
    xdotool("windowfocus", "--sync", window_id)
    xdotool("key", "--delay", "50", *keys)


class EventRecorder:
    """Records the events that a screen reader receives from the program: which object took
    the focus, and whose text changed."""

    KINDS = ("object:state-changed:focused", "object:text-changed:insert")

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self.record, *self.KINDS)

    def record(self, event):
        source = event.source
        text = ""
        try:
            text = source.queryText().getText(0, -1)
        except NotImplementedError:
            pass
        try:
            self.events.append((event.type, event.detail1, source.getRoleName(), source.name,
                                text))
        except GLib.GError:
            # An event of a window that closed since (a message box, say) names an object
            # that is gone; it is not one that this test waits for.
            pass

    def during(self, action, seconds=1.5):
        """The events of `action` and of the `seconds` after it."""
        self.pump(0.3)
        self.events.clear()
        action()
        self.pump(seconds)
        return list(self.events)

    @staticmethod
    def pump(seconds):
        deadline = time.monotonic() + seconds
        context = GLib.MainContext.default()
        while time.monotonic() < deadline:
            while context.iteration(False):
                pass
            time.sleep(0.02)


def wait_until_gone(program, name):
    wait_for(lambda: window_named(program, name) is None, f"the closing of {name!r}")


def type_text(window_title, text):
    """Types `text` into the focused control of the window titled `window_title`."""
    window_id = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", f"^{window_title}$"],
        check=True, capture_output=True, text=True).stdout.split()[0]
    xdotool("windowfocus", "--sync", window_id)
    xdotool("type", "--delay", "50", "--", text)


def click(node):
    """A left click in the middle of `node`, where the screen shows it."""
    x, y = node.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
    width, height = node.queryComponent().getSize()
    xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")


def click_entry(list_node, name):
    entries = [item for item in children(list_node) if item is not None and item.name == name]
    if not entries:
        fail(f"the list {list_node.name!r} has no entry {name!r}")
    click(entries[0])


def text_of(node):
    node.clear_cache()
    return node.queryText().getText(0, -1)


def expect_message(program, expected):
    """Waits for the message box, expects `expected` in its text and closes it with Enter."""
    message = wait_for(lambda: window_named(program, "Quillet"), "the message box")
    texts = [node.name for node in descendants(message)]
    if not any(expected in text for text in texts):
        fail(f"the message box reads {texts}, not {expected!r}")
    press_keys("Quillet", "Return")
    wait_until_gone(program, "Quillet")


def expect_comma_refused(program, calculator, calculator_title, box_name):
    """The box named `box_name` holds "2,5": a click on Calculate must raise the message that
    names the box, and then a typed "3" must replace the box's text."""
    box = expect_named(calculator, "text", box_name)
    if text_of(box) != "2,5":
        fail(f"the box {box_name!r} holds {text_of(box)!r}, not '2,5'")
    click(expect_named(calculator, "push button", "Calculate"))
    expect_message(
        program,
        f'{box_name}: "2,5" is not a number: use a point (.) for the decimal separator.')
    type_text(calculator_title, "3")
    wait_for(lambda: text_of(box) == "3",
             f"the text '3' in {box_name!r} (it holds {text_of(box)!r})")


def check_complex_calculator(program, main_menu, title):
    click_entry(expect_named(main_menu, "list", "Select Function Type"), "Complex Numbers")
    calculator_title = "Complex Number Calculator"
    calculator = wait_for(lambda: window_named(program, calculator_title), "the calculator")
    click_entry(expect_named(calculator, "list", "Select Operation"), "mag (X)")
    # Tab goes from the list into the X real box and selects its "0", so typing replaces it.
    press_keys(calculator_title, "Tab")
    type_text(calculator_title, "1/3")
    press_keys(calculator_title, "Return")
    expect_message(program, " mag(X) =     0.33333 ")
    # The focus is back in the box with its text selected.
    type_text(calculator_title, "2,5")
    expect_comma_refused(program, calculator, calculator_title, "X real part")
    press_keys(calculator_title, "Escape")
    wait_until_gone(program, calculator_title)


def check_vector_calculator(program, main_menu, title):
    click_entry(expect_named(main_menu, "list", "Select Function Type"), "Vectors")
    calculator_title = "Vector Calculator"
    calculator = wait_for(lambda: window_named(program, calculator_title), "the calculator")
    click_entry(expect_named(calculator, "list", "Select Dimension"), "2D")
    operations = wait_for(lambda: named(calculator, "list", "Select Operation"),
                          "the operation list")
    click_entry(operations, "Magnitude")
    press_keys(calculator_title, "Tab")
    type_text(calculator_title, "1/3")
    press_keys(calculator_title, "Return")
    expect_message(program, " Magnitude X =      0.33333 ")
    type_text(calculator_title, "2,5")
    expect_comma_refused(program, calculator, calculator_title, "X first component (i)")
    press_keys(calculator_title, "Escape")
    wait_until_gone(program, calculator_title)


STANDARD_ENTRIES = ["Restore", "Minimize", "Maximize", "Close\tAlt+F4"]


def main():
    quillet = subprocess.Popen([sys.argv[1]])
    try:
        check(quillet)
    finally:
        if quillet.poll() is None:
            quillet.kill()
    status = quillet.wait(timeout=DEADLINE_SECONDS)
    if status != 0:
        fail(f"the program exited with status {status}")
    print("PASS: every window and menu was read through AT-SPI")


def check(quillet):
    recorder = EventRecorder()
    program = wait_for(find_program, "the program")
    title = "Quillet Calculator, Version 1.4"
    main_menu = wait_for(lambda: window_named(program, title), "the main menu")
    if main_menu.getRoleName() != "dialog":
        fail(f"the main menu is a {main_menu.getRoleName()}")
    function_list = expect_named(main_menu, "list", "Select Function Type")
    entries = [item.name for item in children(function_list)]
    if entries != ["Vectors", "Complex Numbers", "Roots of Polynomials"]:
        fail(f"the function list reads {entries}")
    expect_named(main_menu, "push button", "Exit")

    # The system menu is in the tree while it is open, as a window of the program; its About
    # entry, chosen by its mnemonic, opens the About box.
    if open_menu(program) is not None:
        fail("a menu is in the tree before any was opened")
    expect_entries(system_menu_of(program, title), STANDARD_ENTRIES + ["About Quillet..."], title)
    press_keys(title, "a")
    about = wait_for(lambda: window_named(program, "About Quillet"), "the About box")
    expect_named(about, "label", "Quillet Version 1.3")
    expect_named(about, "push button", "OK")
    expect_entries(system_menu_of(program, "About Quillet"), STANDARD_ENTRIES, "About Quillet")
    close_menu(program, "About Quillet")
    press_keys("About Quillet", "Escape")
    wait_until_gone(program, "About Quillet")

    # "Exit" holds the focus; Tab moves into the function list, and End opens its last entry.
    press_keys(title, "Tab", "End")
    calculator_title = "Roots of Polynomials"
    calculator = wait_for(lambda: window_named(program, calculator_title), "the calculator")
    degrees = expect_named(calculator, "list", "Select Polynomial")
    if [item.name for item in children(degrees)] != ["quadratic", "cubic", "quartic"]:
        fail("the degree list does not read quadratic, cubic, quartic")
    expect_named(calculator, "push button", "Calculate")
    expect_named(calculator, "push button", "Return to Main Menu")
    expect_entries(system_menu_of(program, calculator_title), STANDARD_ENTRIES, calculator_title)
    close_menu(program, calculator_title)

    # Past "Return to Main Menu" comes the degree list: Home picks "quadratic", whose X^2 box
    # holds "1". A zero there raises a message box, which a screen reader must reach too.
    press_keys(calculator_title, "Tab", "Tab", "Home", "Tab", "0", "Return")
    message = wait_for(lambda: window_named(program, "Quillet"), "the message box")
    if not any("Input Error" in node.name for node in descendants(message)):
        fail("the message box's text is not in the accessibility tree")
    press_keys("Quillet", "Return")
    wait_until_gone(program, "Quillet")

    # The focus is back in the X^2 box with its "0" selected: x^2 - 3x + 2 has the roots 2 and
    # 1. A screen reader speaks what takes the focus, so the Roots box must take it with its
    # new text, or the user hears nothing of the result.
    events = recorder.during(lambda: press_keys(calculator_title, "1", "Tab", "minus", "3",
                                                "Tab", "2", "Return"))
    for event in events:
        print("AT-SPI event:", event)
    if not any(kind == "object:state-changed:focused" and gained == 1 and role == "text"
               and "Two Real Roots" in text for kind, gained, role, name, text in events):
        fail(f"no screen reader event brings the roots into focus: {events}")
    # Shift+Tab goes back to the constant box, as the keyboard order has it.
    focused = recorder.during(lambda: press_keys(calculator_title, "shift+Tab"), 0.8)
    if not any(kind == "object:state-changed:focused" and gained == 1 and name == "Constant term"
               for kind, gained, role, name, text in focused):
        fail(f"Shift+Tab from the Roots box did not reach the constant box: {focused}")

    # The popup menu of an edit box, opened with the right mouse button.
    box = expect_named(calculator, "text", "Coefficient of x^2")
    x, y = box.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
    width, height = box.queryComponent().getSize()
    xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "3")
    popup = wait_for(lambda: open_menu(program), "the edit box's popup menu")
    # Qt names its entries with their shortcuts: "Select All\tCtrl+A".
    if not any(name.startswith("Select All") for name in entry_names(popup)):
        fail(f"the edit box's popup menu reads {entry_names(popup)}")
    close_menu(program, calculator_title)

    # A decimal comma in the X^2 box, typed over its whole text.
    click(box)
    press_keys(calculator_title, "ctrl+a")
    type_text(calculator_title, "2,5")
    expect_comma_refused(program, calculator, calculator_title, "Coefficient of x^2")
    # With 3 in the box, and the constant 2 of x^2 - 3x + 2 typed over, Enter solves
    # 3x^2 - x/3 = 0.
    press_keys(calculator_title, "Tab", "ctrl+a")
    type_text(calculator_title, "-1/3")
    press_keys(calculator_title, "Tab", "ctrl+a")
    type_text(calculator_title, "0")
    press_keys(calculator_title, "Return")
    roots = wait_for(lambda: named(calculator, "text", "Roots"), "the Roots box")
    wait_for(lambda: showing(roots) and "Two Real Roots" in text_of(roots), "the roots")
    if "x1 =      0.11111" not in text_of(roots):
        fail(f"the Roots box reads {text_of(roots)!r}")

    press_keys(calculator_title, "Escape")
    wait_until_gone(program, calculator_title)
    check_complex_calculator(program, main_menu, title)
    check_vector_calculator(program, main_menu, title)
    press_keys(title, "Escape")
    quillet.wait(timeout=DEADLINE_SECONDS)


if __name__ == "__main__":
    main()
