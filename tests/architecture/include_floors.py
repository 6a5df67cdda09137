#!/usr/bin/env python3
"""Fails on an include that runs upward.

Each folder of the program stands on a floor; a source file may include headers of its own folder and of
folders on lower floors only, never of a folder on its own floor or above. The installer is a program of its
own: it includes nothing of Tervalo, and Tervalo nothing of it. Usage: include_floors.py SOURCE_ROOT
"""

import os
import re
import sys

# Lower numbers are lower floors. A folder's window part ("ui") and drawing part ("paint") stand apart from
# its GUI-free part; the lifetime comparison stands above the project, whose annual balance it starts from.
FLOORS = {
    "engine": 0,
    "config": 1,
    "localisation": 2,
    "catalogue": 3,
    "help": 3,
    "widgets": 3,
    "project": 4,
    "project/lifetime": 5,
    "report": 5,
    "shell": 5,
    "help/ui": 6,
    "localisation/ui": 6,
    "report/paint": 6,
    "project/ui": 7,
    "report/ui": 7,
    "shell/ui": 8,
    "programs": 9,
}
INSTALLER = "install"
PARTS = ("ui", "paint", "lifetime")
INCLUDE = re.compile(r'\s*#\s*include\s+"([^"]+)"')


def module_of(path):
    """The floor's key of a path relative to the source root, or None outside the program's folders."""
    parts = path.replace(os.sep, "/").split("/")
    if parts[0] == INSTALLER:
        return INSTALLER
    if len(parts) > 2 and parts[1] in PARTS and f"{parts[0]}/{parts[1]}" in FLOORS:
        return f"{parts[0]}/{parts[1]}"
    return parts[0] if parts[0] in FLOORS else None


def upward_includes(root):
    """(file, line number, included header, why) of every include that breaks the floors."""
    problems = []
    for top in sorted(set(FLOORS) | {INSTALLER}):
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.relpath(os.path.join(folder, name), root)
                source = module_of(path)
                with open(os.path.join(root, path), encoding="utf-8", errors="replace") as text:
                    for number, line in enumerate(text, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        target = module_of(match.group(1))
                        if target is None or target == source:
                            continue
                        if INSTALLER in (source, target):
                            why = "the installer and Tervalo share no code"
                        elif FLOORS[target] >= FLOORS[source]:
                            why = f"{target} (floor {FLOORS[target]}) is not below {source} (floor {FLOORS[source]})"
                        else:
                            continue
                        problems.append((path, number, match.group(1), why))
    return problems


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    problems = upward_includes(root)
    for path, number, header, why in problems:
        print(f"{path}:{number}: includes {header}: {why}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
