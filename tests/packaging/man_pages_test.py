#!/usr/bin/env python3
"""Checks the manual pages: they render without a warning from man, they have the sections a
reader looks for, and the page of quillet-calc names every command, dimension, option,
operation with its position and alias, and exit status that `quillet-calc --help` prints.

    man_pages_test.py QUILLET_CALC MAN_FOLDER
"""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True
from quillet_calc_help import read_help  # noqa: E402

REQUIRED_SECTIONS = ("NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "EXAMPLES",
                     "SEE ALSO")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def render(page, width, locale="C"):
    """The page as man shows it at the given width, and what man said on its error stream."""
    environment = dict(os.environ, MANWIDTH=str(width), LC_ALL=locale, MAN_KEEP_FORMATTING="")
    result = subprocess.run(["man", "--warnings", "-l", page], capture_output=True, text=True,
                            env=environment, check=True)
    plain = re.sub(r".\x08", "", result.stdout)  # overstriking, should man leave any
    return plain, result.stderr


def sections(text):
    """The page's sections by heading, each as its lines with blanks squeezed."""
    found, heading = {}, None
    for line in text.splitlines():
        if re.match(r"^[A-Z][A-Z ]+$", line):
            heading = line
            found[heading] = []
        elif heading and line.strip():
            found[heading].append(" ".join(line.split()))
    return found


def check_renders_cleanly(page):
    for locale in ("C", "C.UTF-8"):
        _, warnings = render(page, 80, locale)
        check(not warnings.strip(), f"{page} under {locale}: man warns:\n{warnings}")


def check_quillet_calc_page(page, help_text):
    # So wide that no line breaks and no word is hyphenated.
    text, _ = render(page, 1000)
    by_section = sections(text)
    def words_of(section):
        return set(re.findall(r"[^\s,;()|\[\]]+", " ".join(by_section.get(section, []))))

    for section, names in (("OPTIONS", help_text.options),
                           ("SYNOPSIS", help_text.commands + help_text.dimensions),
                           ("COMMANDS", help_text.commands + help_text.dimensions)):
        for name in names:
            check(name in words_of(section), f"quillet-calc(1) has no {name!r} in {section}")
    for heading, table in (("Complex operations", help_text.complex_operations),
                           ("Vector operations", help_text.vector_operations)):
        operations = " ".join(by_section.get("OPERATIONS", []))
        listed = operations.split(heading, 1)[-1] if heading in operations else ""
        for position, entry, alias in table:
            row = f"{position}, {alias} {' '.join(entry.split())}"
            check(row in listed, f"quillet-calc(1) lacks {heading.lower()} row {row!r}")
    explained = {line.split()[0] for line in by_section.get("EXIT STATUS", [])}
    for status in help_text.exit_statuses:
        check(str(status) in explained, f"quillet-calc(1) does not explain exit status {status}")


def main(program, folder):
    help_text = read_help(program)
    check(len(help_text.complex_operations) == 11 and len(help_text.vector_operations) == 7,
          "the help's operation tables were not read whole")
    check(help_text.exit_statuses, "the help names no exit status")
    for name in ("quillet-calc.1", "Quillet.1"):
        page = os.path.join(folder, name)
        check_renders_cleanly(page)
        headings = sections(render(page, 80)[0])
        for section in REQUIRED_SECTIONS:
            check(section in headings, f"{name} has no {section} section")
    check_quillet_calc_page(os.path.join(folder, "quillet-calc.1"), help_text)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
