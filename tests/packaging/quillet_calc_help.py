"""What `quillet-calc --help` says the command line has, read from the built program, so that
the manual page and the shell completions are checked against whatever it prints today."""

import re
import subprocess

# An option is a word that starts with one or two dashes and a letter, standing after a blank,
# a bracket, a bar or a comma: neither a piece of another word ("X-Y" is an operation) nor a
# quoted value ("-inf" is how JSON spells a result).
OPTION = re.compile(r"(?<![^\s\[|,])(--?[a-z][a-z0-9-]*)")
OPERATION_ROW = re.compile(r"^\s*(\d+)\s+(.*\S)\s+(\S+)$")


class Help:
    def __init__(self, text):
        self.text = text
        self.usage = [line for line in text.splitlines() if "quillet-calc" in line]
        self.options = sorted(set(OPTION.findall(text)))
        self.commands = sorted({self._command(line) for line in self.usage} - {None})
        self.dimensions = sorted(set(re.findall(r"\b[23]d\b", "\n".join(self.usage))))
        self.complex_operations = self._table("Complex operations:")
        self.vector_operations = self._table("Vector operations:")
        self.exit_statuses = self._exit_statuses()

    @staticmethod
    def _command(usage_line):
        """The first word after the program's name that is neither an option, nor in brackets,
        nor a bar between alternatives."""
        for word in usage_line.split("quillet-calc", 1)[1].split():
            if not word.startswith("[") and word != "|" and not OPTION.fullmatch(word):
                return word
        return None

    def _paragraph(self, heading):
        lines = self.text.splitlines()
        start = next(i for i, line in enumerate(lines) if line.startswith(heading))
        end = next((i for i in range(start, len(lines)) if not lines[i].strip()), len(lines))
        return lines[start:end]

    def _table(self, heading):
        """(position, list entry, alias) for each row of an operation table."""
        rows = [OPERATION_ROW.match(line) for line in self._paragraph(heading)[1:]]
        if not rows or not all(rows):
            raise ValueError(f"unreadable table under {heading!r}")
        return [(int(row[1]), row[2], row[3]) for row in rows]

    def _exit_statuses(self):
        paragraph = " ".join(self._paragraph("Exit status"))
        return sorted({int(number) for number in re.findall(r"(?<![\w.])(\d+)(?![\w.])",
                                                              paragraph)})


def read_help(program):
    result = subprocess.run([program, "--help"], capture_output=True, text=True, check=True)
    return Help(result.stdout)
