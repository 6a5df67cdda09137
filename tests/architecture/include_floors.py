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
# The top-level folders alone read as floors too: a part may lean on another folder's part only where its own
# folder stands above that folder (the project window on the help window, never on the report's drawings).
FLOORS = {
    "engine": 0,
    "config": 1,
    "localisation": 2,
    "catalogue": 3,
    "widgets": 3,
    "help": 4,
    "project": 5,
    "project/lifetime": 6,
    "report": 6,
    "shell": 6,
    "help/ui": 7,
    "project/paint": 7,
    "project/ui": 8,
    "report/paint": 8,
    "report/ui": 9,
    "shell/ui": 10,
    "programs": 11,
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


def top_level(module):
    """The top-level folder of a floor's key."""
    return module.split("/")[0]


def below(target, source):
    """Whether the top-level folder of `target` stands below that of `source`."""
    return FLOORS[top_level(target)] < FLOORS[top_level(source)]


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
                        elif top_level(target) != top_level(source) and not below(target, source):
                            why = f"the folder {top_level(target)} is not below the folder {top_level(source)}"
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
