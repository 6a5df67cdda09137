#!/usr/bin/env python3
"""The man pages say what the programs' --help says.

Each program's options and exit statuses in its --help and in its man page are the same sets; the packaged
pages point only to pages that the package ships; an unknown argument ends the windowed program with its
usage line and status 2. Usage: command_pages_test.py MAN_DIR TERVALO TERVALO_CALC TERVALO_INSTALL
"""

import os
import re
import subprocess
import sys
import unittest

OPTION = re.compile(r"(?<![\w-])(--[a-z][a-z-]*)")
STATUS = re.compile(r"\b([1-9]) (?:when|for)\b")


def man_text(page):
    with open(os.path.join(MAN_DIR, page), encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"\\f[BIRP]", "", text)
    return text.replace("\\-", "-")


def section(text, name):
    match = re.search(r"^\.SH " + name + r"\n(?P<body>.*?)(?=^\.SH |\Z)", text, re.M | re.S)
    return match.group("body") if match else ""


def run(program, *arguments):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    return subprocess.run([program, *arguments], capture_output=True, text=True, env=env, timeout=60)


class CommandPages(unittest.TestCase):
    def check(self, program, page):
        help_text = run(program, "--help").stdout
        man = man_text(page)
        in_man = set(OPTION.findall(section(man, "SYNOPSIS") + section(man, "OPTIONS")))
        self.assertEqual(set(OPTION.findall(help_text)), in_man, page)
        help_statuses = set(STATUS.findall(help_text[help_text.find("Exit status"):]))
        self.assertEqual(help_statuses, set(STATUS.findall(section(man, "EXIT STATUS"))), page)

    def test_each_program_and_its_page(self):
        for program, page in ((TERVALO, "tervalo.1"), (CALC, "tervalo-calc.1")):
            with self.subTest(page=page):
                self.check(program, page)
        # The installer's page lists its options; its help carries no exit statuses.
        help_text = run(INSTALL, "--help").stdout
        self.assertEqual(set(OPTION.findall(help_text)), set(OPTION.findall(section(man_text("tervalo-install.1"),
                                                                                     "OPTIONS"))))

    def test_packaged_pages_point_to_packaged_pages(self):
        for page in ("tervalo.1", "tervalo-calc.1"):
            for name in re.findall(r"^\.BR (\S+) \(1\)", man_text(page), re.M):
                self.assertIn(name + ".1", ("tervalo.1", "tervalo-calc.1"), page)

    def test_unknown_arguments_are_refused_with_the_usage_line(self):
        for arguments in (["--bogus"], ["file.txt"], ["-style"], ["--version-x"]):
            result = run(TERVALO, *arguments)
            self.assertEqual(result.returncode, 2, arguments)
            self.assertIn("Usage: tervalo [--help | --version]", result.stderr)
        self.assertEqual(run(TERVALO, "--bogus", "--help").returncode, 0, "help comes first")
        self.assertEqual(run(CALC, "--bogus").returncode, 2)


if __name__ == "__main__":
    MAN_DIR, TERVALO, CALC, INSTALL = sys.argv[1:5]
    unittest.main(argv=sys.argv[:1])
