"""Uses the real program natively on Wayland, under weston, from the keyboard and the mouse,
and reads it through AT-SPI to know which window has the keyboard before each key. Each round
starts the program, asks the compositor to maximize every kind of window (the main menu, a
calculator, a message box, the About box) and then to fullscreen one, opens a message box and
closes it, presses keys that only the calculator below it answers, and closes everything.
Every window shows the program's own title bar, read off the screen (wayland_title_bar.py):
the system-menu icon, the whole title and the close button, back at the window's own width
after each maximize. A click on the main menu's icon opens the system menu, whose About entry
opens the About box, and a click on a close button closes the About box, a message box and,
in every other round, the main menu. Every round must end with exit status 0 within the
deadline (no hang), and nothing the program writes may tell of a protocol error.

Usage: quillet_weston_test.py PATH_TO_QUILLET ROUNDS (under weston, with an accessibility bus;
QUILLET_WESTON_WINDOW is weston's output window on the X display, QUILLET_XVFB_SCREEN_DIR
the folder where that display keeps its screen; where QUILLET_WESTON_SHOTS names a folder,
the first round leaves screenshots there)
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quillet_atspi_test import (  # noqa: E402
    children, fail, open_menu, wait_for, window_named)
from wayland_title_bar import (  # noqa: E402
    blank_after_title, find_title_bar, look, words)

MAIN_MENU = "Quillet Calculator, Version 1.4"
CALCULATOR = "Roots of Polynomials"
ABOUT = "About Quillet"
MESSAGE = "Quillet"
EXIT_SECONDS = 5
SCREEN_SECONDS = 5
# Where the pointer rests between clicks: a corner of weston's output where no window opens.
POINTER_REST = (1000, 750)
# Blank room after a title that is shown whole: an elided one ends in an ellipsis within a
# letter of the close button.
ROOM_AFTER_TITLE = 16


def program_of(quillet):
    """The program in the accessibility tree, known by its process: the one that an earlier
    round started may still be listed there for a moment under the same name."""
    if quillet.poll() is not None:
        fail(f"the program ended with status {quillet.returncode} before it was read")
    for app in children(pyatspi.Registry.getDesktop(0)):
        try:
            if app is not None and app.get_process_id() == quillet.pid:
                return app
        except GLib.GError:
            continue
    return None


def active_window(program):
    """The name of the program's window that has the keyboard, or None."""
    for window in children(program):
        if window is not None and window.getState().contains(pyatspi.STATE_ACTIVE):
            return window.name
    return None


def window_shown(program, name):
    return window_named(program, name) is not None


def wait_active(program, name):
    wait_for(lambda: active_window(program) == name, f"the keyboard in {name!r}")


def look_now():
    return look(os.environ["QUILLET_WESTON_WINDOW"])


def title_bar_of(name, width):
    """The title bar of the active window `name`, `width` pixels wide, as the screen shows it
    once weston has drawn it."""
    deadline = time.monotonic() + SCREEN_SECONDS
    while time.monotonic() < deadline:
        bar = find_title_bar(look_now(), width)
        if bar:
            return bar
        time.sleep(0.1)
    save_screen("failed", look_now())
    fail(f"the screen shows no active title bar {width} pixels wide with a close button "
         f"for {name!r}")


def check_title_bar(program, name, has_icon=True):
    """The program's own title bar across the top of window `name`, as wide as the window:
    its system-menu icon (where the window has a system menu), its close button, and its
    title, every word of it and none cut short."""
    bar = title_bar_of(name, window_named(program, name).queryComponent().getSize()[0])
    if has_icon and not bar.icon_shown():
        fail(f"the title bar of {name!r} lacks the system-menu icon")
    columns = bar.title_columns(has_icon)
    if len(words(columns)) != len(name.split()):
        fail(f"the title bar of {name!r} shows {len(words(columns))} words, "
             f"not {len(name.split())}")
    if blank_after_title(columns) < ROOM_AFTER_TITLE:
        fail(f"the title of {name!r} fills its bar: it may be cut")
    return bar


def save_screen(name, screen):
    """Where QUILLET_WESTON_SHOTS names a folder, keeps the screen showing `name` there."""
    folder = os.environ.get("QUILLET_WESTON_SHOTS")
    if folder:
        screen.save_png(os.path.join(folder, f"wayland-titlebar-{name}.png"), 1024, 768)


def move_pointer(x, y):
    """weston takes the pointer where it moves: it comes in from beside the point."""
    for step in ((x - 4, y - 4), (x, y)):
        subprocess.run(["xdotool", "mousemove", "--window", os.environ["QUILLET_WESTON_WINDOW"],
                        str(step[0]), str(step[1])], check=True)
        time.sleep(0.05)


def click(point):
    """A left click at `point` of weston's output; the pointer then goes back to rest."""
    move_pointer(*point)
    subprocess.run(["xdotool", "click", "1"], check=True)
    move_pointer(*POINTER_REST)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def ask_to_maximize(quillet, program, name, bar):
    """weston's own key bindings: maximize, then (for the main menu) fullscreen. The window
    must take them without a protocol error, and come back to its own size at once: the
    screen shows its title bar at the width it had before."""
    keys("super+shift+m")
    time.sleep(0.4)
    if quillet.poll() is not None:
        fail(f"a maximize request on {name!r} ended the program ({quillet.returncode})")
    wait_active(program, name)
    title_bar_of(name, bar.width)


def about_through_title_bar(program, main_bar, first):
    """The icon of the main menu's title bar opens its system menu, whose About entry opens
    the About box; the About box's close button closes it."""
    click(main_bar.icon_centre())
    menu = wait_for(lambda: open_menu(program, "System"), "the system menu under the icon")
    entries = [entry for entry in children(menu)
               if entry is not None and entry.name == "About Quillet..."]
    if not entries:
        fail("the system menu under the icon has no About entry")
    if first:
        save_screen("system-menu-from-icon", look_now())
    # The program knows where its windows are only relative to one another; the screen shows
    # where the main menu is.
    window_x, window_y = window_named(program, MAIN_MENU).queryComponent().getPosition(
        pyatspi.DESKTOP_COORDS)
    entry = entries[0].queryComponent()
    entry_x, entry_y = entry.getPosition(pyatspi.DESKTOP_COORDS)
    width, height = entry.getSize()
    click((main_bar.left + entry_x - window_x + width // 2,
           main_bar.top + entry_y - window_y + height // 2))
    wait_active(program, ABOUT)
    click(check_title_bar(program, ABOUT).close_centre())
    wait_active(program, MAIN_MENU)


def round_trip(program_path, log, round_number):
    env = dict(os.environ)
    env.pop("DISPLAY", None)  # natively on Wayland, never through an X display
    quillet = subprocess.Popen([program_path], stdout=log, stderr=log, env=env)
    first = round_number == 1
    try:
        program = wait_for(lambda: program_of(quillet), "the program")
        wait_active(program, MAIN_MENU)
        main_bar = check_title_bar(program, MAIN_MENU)
        ask_to_maximize(quillet, program, MAIN_MENU, main_bar)
        keys("super+shift+f")
        time.sleep(0.4)
        ask_to_maximize(quillet, program, MAIN_MENU, main_bar)

        # F1 opens the About box; Escape closes it and the main menu has the keyboard back.
        keys("F1")
        wait_active(program, ABOUT)
        about_bar = check_title_bar(program, ABOUT)
        if first:
            save_screen("about-over-main-menu", about_bar.screen)
        ask_to_maximize(quillet, program, ABOUT, about_bar)
        keys("Escape")
        wait_active(program, MAIN_MENU)
        main_bar = check_title_bar(program, MAIN_MENU)
        about_through_title_bar(program, main_bar, first)

        # "Exit" has the focus; Tab moves into the list and End opens Roots of Polynomials.
        keys("Tab", "End")
        wait_active(program, CALCULATOR)
        calculator_bar = check_title_bar(program, CALCULATOR)
        ask_to_maximize(quillet, program, CALCULATOR, calculator_bar)
        # Past "Return to Main Menu" comes the degree list: Home picks "quadratic", whose X^2
        # box holds "1"; a 0 there is refused in a message box.
        keys("Tab", "Tab", "Home", "Tab", "0", "Return")
        wait_active(program, MESSAGE)
        # A message has no system menu, so its title bar has no icon.
        message_bar = check_title_bar(program, MESSAGE, has_icon=False)
        if first:
            save_screen("message-over-roots", message_bar.screen)
        ask_to_maximize(quillet, program, MESSAGE, message_bar)
        keys("Return")
        wait_for(lambda: not window_shown(program, MESSAGE), "the closing of the message")
        wait_active(program, CALCULATOR)
        # Return calculates again, and the same message's close button closes it.
        keys("Return")
        wait_active(program, MESSAGE)
        click(check_title_bar(program, MESSAGE, has_icon=False).close_centre())
        wait_for(lambda: not window_shown(program, MESSAGE), "the closing of the message")
        # The keyboard is back in the calculator: Escape closes it.
        wait_active(program, CALCULATOR)
        keys("Escape")
        wait_for(lambda: not window_shown(program, CALCULATOR), "the closing of the calculator")
        wait_active(program, MAIN_MENU)
        if round_number % 2:
            keys("Escape")
        else:
            click(check_title_bar(program, MAIN_MENU).close_centre())
        try:
            status = quillet.wait(timeout=EXIT_SECONDS)
        except subprocess.TimeoutExpired:
            fail(f"the program did not end within {EXIT_SECONDS} s of its last window closing")
        if status != 0:
            fail(f"the program exited with status {status}")
    finally:
        if quillet.poll() is None:
            quillet.kill()
            quillet.wait()


def main():
    program_path, rounds = sys.argv[1], int(sys.argv[2])
    subprocess.run(["xdotool", "windowfocus", "--sync", os.environ["QUILLET_WESTON_WINDOW"]],
                   check=True)
    for round_number in range(1, rounds + 1):
        with tempfile.TemporaryFile(mode="w+") as log:
            try:
                round_trip(program_path, log, round_number)
            except BaseException:
                log.seek(0)
                print(f"round {round_number}: the program wrote {log.read()!r}", file=sys.stderr)
                raise
            log.seek(0)
            written = log.read()
            if "error" in written.lower():
                fail(f"round {round_number}: the program wrote {written!r}")
        print(f"round {round_number}: ended with status 0", flush=True)
    print(f"PASS: {rounds} rounds on Wayland, each ended at once with status 0")


if __name__ == "__main__":
    main()
