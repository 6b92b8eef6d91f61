#!/usr/bin/env python3
"""Checks that the program's dependencies point one way, from its #include lines.

The folders stand in layers: the platform-free cores (common/, poly/, complex/, vector/) know
only the C++ standard library; res/ holds the resources as data; winsys/ is the window-system
layer on Qt; the dialogs, app/ and cli/ stand above them. The check fails when

  - two folders include each other, directly or round a longer loop;
  - a file of common/ or a core file (a calculator's dialog, *_dlg.*, is not one) includes
    winsys/, res/ or Qt;
  - res/ includes winsys/;
  - within a folder, two modules (a header and its source file) include each other, directly
    or round a loop, so that every folder stands in floors with no include running back up.

It prints the edges between folders, and with --floors the floors of one folder.
Usage: check_includes.py SOURCE_DIR [--floors FOLDER]
"""

import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
SOURCE_SUFFIXES = {".h", ".cpp", ".c"}
SKIPPED_FOLDERS = {"build", "docs", "desktop", "scripts", "debian"}
CORES = {"poly", "complex", "vector"}
QT = "Qt"


def is_qt(header):
    return header.startswith("Q") or header.startswith("qt")


def project_files(root):
    for path in sorted(root.rglob("*")):
        relative = path.relative_to(root)
        top = relative.parts[0]
        if (
            path.suffix in SOURCE_SUFFIXES
            and len(relative.parts) > 1
            and not top.startswith(".")
            and not top.startswith("build")
            and top not in SKIPPED_FOLDERS
        ):
            yield relative


def includes(root, relative):
    """The project headers (as paths from the root) and the Qt headers that a file includes."""
    text = (root / relative).read_text(encoding="utf-8", errors="replace")
    for bracket, header in INCLUDE.findall(text):
        if bracket == '"' and (root / header).is_file():
            yield pathlib.PurePosixPath(header)
        elif bracket == "<" and is_qt(header):
            yield QT


def is_core_file(relative):
    folder = relative.parts[0]
    return folder == "common" or (folder in CORES and not relative.stem.endswith("_dlg"))


def cycles(edges):
    """Every loop of the graph {node: set of nodes}, each once, as a list of nodes."""
    found, seen = [], set()
    state = {}

    def visit(node, path):
        state[node] = "open"
        path.append(node)
        for target in sorted(edges.get(node, ())):
            if state.get(target) == "open":
                loop = path[path.index(target):]
                key = frozenset(loop)
                if key not in seen:
                    seen.add(key)
                    found.append(loop + [target])
            elif target not in state:
                visit(target, path)
        path.pop()
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node, [])
    return found


def module_of(relative):
    return str(relative.with_suffix(""))


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    root = pathlib.Path(argv[1]).resolve()
    floors_of = argv[3] if len(argv) > 3 and argv[2] == "--floors" else None
    problems = []
    folder_edges, module_edges = {}, {}
    for relative in project_files(root):
        folder = relative.parts[0]
        for header in includes(root, relative):
            target_folder = QT if header == QT else header.parts[0]
            if target_folder != folder:
                folder_edges.setdefault(folder, set()).add(target_folder)
            if is_core_file(relative) and target_folder in {"winsys", "res", QT}:
                problems.append(f"{relative} is platform-free but includes {header}")
            if folder == "res" and target_folder == "winsys":
                problems.append(f"{relative} is data but includes {header}")
            if target_folder == folder and module_of(header) != module_of(relative):
                module_edges.setdefault(module_of(relative), set()).add(module_of(header))

    for loop in cycles(folder_edges):
        problems.append("folders include each other: " + " -> ".join(loop))
    for loop in cycles(module_edges):
        problems.append("modules include each other: " + " -> ".join(loop))

    print("Folder dependencies:")
    for folder in sorted(folder_edges):
        for target in sorted(folder_edges[folder]):
            print(f"  {folder} -> {target}")
    if floors_of:
        print_floors(floors_of, module_edges)
    for problem in problems:
        print("error: " + problem, file=sys.stderr)
    return 1 if problems else 0


def print_floors(folder, module_edges):
    """Each module of `folder` on the lowest floor above everything it includes."""
    floor = {}

    def floor_of(module, trail=()):
        if module not in floor:
            if module in trail:
                return 0
            below = [floor_of(m, trail + (module,)) for m in module_edges.get(module, ())]
            floor[module] = 1 + max(below, default=-1)
        return floor[module]

    modules = {m for m in module_edges if m.startswith(folder + "/")}
    modules |= {t for m in modules for t in module_edges[m]}
    for module in modules:
        floor_of(module)
    print(f"Floors of {folder}/:")
    for level in range(max(floor.values(), default=-1) + 1):
        names = sorted(m.split("/", 1)[1] for m in modules if floor[m] == level)
        print(f"  {level}: {' '.join(names)}")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
