#!/usr/bin/env python3
"""Drives the shell completions of quillet-calc as a shell would and checks what they offer:
bash through `complete -p` and COMP_WORDS in a bash subshell, fish through `complete -C`. The
operations and options they must offer are read from `quillet-calc --help`. The zsh
completion is checked for its syntax and for naming every alias and option.

    completion_test.py QUILLET_CALC COMPLETIONS_FOLDER
"""

import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True
from quillet_calc_help import read_help  # noqa: E402

# For each command line, the cursor at its end: what every shell offers. A name stands for the
# aliases that --help prints.
CASES = [
    ("quillet-calc ", {"roots", "complex", "vector", "-"}),
    ("quillet-calc c", {"complex"}),
    ("quillet-calc complex ", "complex aliases"),
    ("quillet-calc --json complex s", {"sqrt", "sq"}),
    ("quillet-calc vector ", {"2d", "3d"}),
    ("quillet-calc vector 3d ", "vector aliases"),
    ("quillet-calc --digits 12 vector 2d c", {"cos", "cross"}),
    ("quillet-calc --digits 1", {"1"} | {str(n) for n in range(10, 18)}),
    ("quillet-calc --l", {"--lenient"}),
    ("quillet-calc roots 1 ", set()),
    ("quillet-calc complex inv 1 ", set()),
    ("quillet-calc vector 2d mag 1 ", set()),
]
# bash alone keeps a word that starts with '-' and a digit for a negative number.
BASH_CASES = [("quillet-calc roots 1 -", set())]

BASH_DRIVER = r'''
source "$1"
shift
registration=$(complete -p quillet-calc) || exit 1
[[ $registration == *' -F '* ]] || { echo "no completion function: $registration" >&2; exit 1; }
function=${registration#* -F }
function=${function%% *}
for line; do
  read -ra COMP_WORDS <<<"$line"
  [[ $line == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  "$function" quillet-calc "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  echo "${COMPREPLY[*]}"
done
'''

FISH_DRIVER = r'''
source $argv[1]
for line in $argv[2..-1]
    echo (complete -C"$line" | string split -f1 \t)
end
'''


def offered_by_bash(script, lines):
    result = subprocess.run(["bash", "--norc", "--noprofile", "-c", BASH_DRIVER, "bash", script,
                             *lines], capture_output=True, text=True, check=True)
    return [set(line.split()) for line in result.stdout.splitlines()]


def offered_by_fish(script, lines):
    environment = dict(os.environ, HOME=os.environ.get("TMPDIR", "/tmp"))
    result = subprocess.run(["fish", "--no-config", "-c", FISH_DRIVER, script, *lines],
                            capture_output=True, text=True, check=True, env=environment)
    return [set(line.split()) for line in result.stdout.splitlines()]


def main(program, folder):
    help_text = read_help(program)
    named = {"complex aliases": {alias for _, _, alias in help_text.complex_operations},
             "vector aliases": {alias for _, _, alias in help_text.vector_operations}}
    failures = []

    def run(shell, offered_by, script, cases):
        lines = [line for line, _ in cases] + ["quillet-calc -"]
        answers = offered_by(script, lines)
        for (line, expected), offered in zip(cases, answers):
            expected = named[expected] if isinstance(expected, str) else expected
            if offered != expected:
                failures.append(f"{shell} offers {sorted(offered)} for {line!r}, "
                                f"not {sorted(expected)}")
        missing = set(help_text.options) - answers[-1]
        if missing:
            failures.append(f"{shell} does not offer the options {sorted(missing)}")

    run("bash", offered_by_bash, os.path.join(folder, "quillet-calc.bash"), CASES + BASH_CASES)
    if shutil.which("fish"):
        run("fish", offered_by_fish, os.path.join(folder, "quillet-calc.fish"), CASES)
    else:
        print("fish is not installed: its completion is not driven")

    zsh_script = os.path.join(folder, "_quillet-calc")
    if shutil.which("zsh"):
        syntax = subprocess.run(["zsh", "-n", zsh_script], capture_output=True, text=True)
        if syntax.returncode != 0:
            failures.append(f"zsh rejects its completion: {syntax.stderr}")
    with open(zsh_script, encoding="utf-8") as file:
        zsh_text = file.read()
    for word in sorted(set(help_text.options) | named["complex aliases"] |
                       named["vector aliases"] | set(help_text.commands)):
        if word not in zsh_text:
            failures.append(f"the zsh completion does not name {word!r}")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
