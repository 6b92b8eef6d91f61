"""Uses the real program natively on Wayland, under weston, from the keyboard, and reads it
through AT-SPI to know which window has the keyboard before each key. Each round starts the
program, asks the compositor to maximize every kind of window (the main menu, a calculator, a
message box, the About box) and then to fullscreen one, opens a message box and closes it,
presses keys that only the calculator below it answers, and closes everything. Every round
must end with exit status 0 within the deadline (no hang), and nothing the program writes may
tell of a protocol error.

Usage: quillet_weston_test.py PATH_TO_QUILLET ROUNDS (under weston, with an accessibility bus;
QUILLET_WESTON_WINDOW is weston's output window on the X display)
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
    children, fail, wait_for)

MAIN_MENU = "Quillet Calculator, Version 1.4"
CALCULATOR = "Roots of Polynomials"
EXIT_SECONDS = 5


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
    return any(window is not None and window.name == name
               and window.getState().contains(pyatspi.STATE_SHOWING)
               for window in children(program))


def wait_active(program, name):
    wait_for(lambda: active_window(program) == name, f"the keyboard in {name!r}")


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def ask_to_maximize(quillet, program, name):
    """weston's own key bindings: maximize, then (for the main menu) fullscreen. The window
    must take them without a protocol error, and come back to its own size at once."""
    keys("super+shift+m")
    time.sleep(0.4)
    if quillet.poll() is not None:
        fail(f"a maximize request on {name!r} ended the program ({quillet.returncode})")
    wait_active(program, name)


def round_trip(program_path, log):
    env = dict(os.environ)
    env.pop("DISPLAY", None)  # natively on Wayland, never through an X display
    quillet = subprocess.Popen([program_path], stdout=log, stderr=log, env=env)
    try:
        program = wait_for(lambda: program_of(quillet), "the program")
        wait_active(program, MAIN_MENU)
        ask_to_maximize(quillet, program, MAIN_MENU)
        keys("super+shift+f")
        time.sleep(0.4)
        ask_to_maximize(quillet, program, MAIN_MENU)

        # F1 opens the About box; Escape closes it and the main menu has the keyboard back.
        keys("F1")
        wait_active(program, "About Quillet")
        ask_to_maximize(quillet, program, "About Quillet")
        keys("Escape")
        wait_active(program, MAIN_MENU)

        # "Exit" has the focus; Tab moves into the list and End opens Roots of Polynomials.
        keys("Tab", "End")
        wait_active(program, CALCULATOR)
        ask_to_maximize(quillet, program, CALCULATOR)
        # Past "Return to Main Menu" comes the degree list: Home picks "quadratic", whose X^2
        # box holds "1"; a 0 there is refused in a message box.
        keys("Tab", "Tab", "Home", "Tab", "0", "Return")
        wait_active(program, "Quillet")
        ask_to_maximize(quillet, program, "Quillet")
        keys("Return")
        wait_for(lambda: not window_shown(program, "Quillet"), "the closing of the message")
        # The keyboard is back in the calculator: Escape closes it.
        wait_active(program, CALCULATOR)
        keys("Escape")
        wait_for(lambda: not window_shown(program, CALCULATOR), "the closing of the calculator")
        wait_active(program, MAIN_MENU)
        keys("Escape")
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
                round_trip(program_path, log)
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
