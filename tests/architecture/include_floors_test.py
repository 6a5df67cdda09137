#!/usr/bin/env python3
"""The include check finds upward and sideways includes in a small tree, and none in the program's own."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import include_floors  # noqa: E402

SOURCE_ROOT = os.environ.get("TERVALO_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))


def write(root, path, text):
    full = os.path.join(root, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "w", encoding="utf-8") as out:
        out.write(text)


class IncludeFloors(unittest.TestCase):
    def test_the_program_keeps_its_floors(self):
        self.assertEqual(include_floors.upward_includes(SOURCE_ROOT), [])

    def test_upward_sideways_and_installer_includes_are_found(self):
        with tempfile.TemporaryDirectory() as root:
            write(root, "engine/cycle.cpp", '#include "engine/table.h"\n#include "project/record.h"\n')
            write(root, "shell/start.cpp", '#include "report/page.h"\n#include "config/settings.h"\n')
            write(root, "project/ui/window.cpp", '#include "report/ui/view.h"\n#include "project/record.h"\n')
            write(root, "install/core/plan.cpp", '#include "engine/file_access.h"\n')
            write(root, "widgets/twips.cpp", '#include <QWidget>\n#include "localisation/code_page.h"\n')
            # A part leaning on a higher folder, though on a lower floor than the part's own: the folders alone
            # must read as floors as well. A window part of a folder that is no floor is that folder's.
            write(root, "project/ui/panel.cpp", '#include "help/ui/help_window.h"\n#include "shell/notes.h"\n')
            write(root, "localisation/ui/welcome.cpp", '#include "widgets/twips.h"\n')
            found = {(path, header) for path, _, header, _ in include_floors.upward_includes(root)}
        self.assertEqual(found, {("engine/cycle.cpp", "project/record.h"), ("shell/start.cpp", "report/page.h"),
                                 ("project/ui/window.cpp", "report/ui/view.h"),
                                 ("install/core/plan.cpp", "engine/file_access.h"),
                                 ("project/ui/panel.cpp", "shell/notes.h"),
                                 ("localisation/ui/welcome.cpp", "widgets/twips.h")})


if __name__ == "__main__":
    unittest.main()
