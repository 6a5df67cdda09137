#!/usr/bin/env python3
"""The files that carry the version by hand carry the project's version.

The programs, the package and the Windows version information take the version from project() in
CMakeLists.txt; the Debian changelog, the AppStream release list and the man pages are written by hand and must
name the same version: a new version is one edit there plus the lines this test points to.
Usage: version_sources_test.py SOURCE_ROOT
"""

import os
import re
import shutil
import sys
import tempfile
import unittest

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
HAND_WRITTEN = ("data/desktop/debian/changelog", "data/desktop/org.kelvara.Tervalo.metainfo.xml", "data/desktop/man")


def read(root, path):
    with open(os.path.join(root, path), encoding="utf-8") as f:
        return f.read()


def project_version(root):
    match = re.search(r"^project\(Tervalo VERSION (\S+)", read(root, "CMakeLists.txt"), re.M)
    return match.group(1) if match else None


def stale_places(root):
    """(file, version it names) of each hand-written place that names another version than the project."""
    version = project_version(root)
    found = []
    changelog = re.match(r"tervalo \(([^-)]+)-\d+\)", read(root, "data/desktop/debian/changelog"))
    found.append(("data/desktop/debian/changelog", changelog and changelog.group(1)))
    release = re.search(r'<release version="([^"]+)"', read(root, "data/desktop/org.kelvara.Tervalo.metainfo.xml"))
    found.append(("data/desktop/org.kelvara.Tervalo.metainfo.xml", release and release.group(1)))
    for page in sorted(os.listdir(os.path.join(root, "data/desktop/man"))):
        path = f"data/desktop/man/{page}"
        header = re.match(r'\.TH \S+ \d "[^"]*" "Tervalo ([^"]+)"', read(root, path))
        found.append((path, header and header.group(1)))
    return [(path, named) for path, named in found if named != version]


class VersionSources(unittest.TestCase):
    def test_every_hand_written_place_names_the_project_version(self):
        self.assertIsNotNone(project_version(ROOT))
        self.assertEqual(stale_places(ROOT), [])

    def test_a_place_left_at_the_old_version_is_named(self):
        with tempfile.TemporaryDirectory() as root:
            shutil.copy(os.path.join(ROOT, "CMakeLists.txt"), root)
            for path in HAND_WRITTEN:
                source = os.path.join(ROOT, path)
                copy = shutil.copytree if os.path.isdir(source) else shutil.copy
                os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
                copy(source, os.path.join(root, path))
            cmake = os.path.join(root, "CMakeLists.txt")
            text = read(root, "CMakeLists.txt")
            with open(cmake, "w", encoding="utf-8") as f:
                f.write(re.sub(r"^project\(Tervalo VERSION \S+", "project(Tervalo VERSION 9.99", text, flags=re.M))
            stale = [path for path, _ in stale_places(root)]
        self.assertEqual(len(stale), 2 + len(os.listdir(os.path.join(ROOT, "data/desktop/man"))), stale)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
