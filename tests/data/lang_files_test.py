#!/usr/bin/env python3
"""The language-file generator: what it writes from the real sources, and each fault it must refuse."""

import shutil
import sys
import tempfile
import unittest
from pathlib import Path

SOURCE_ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(SOURCE_ROOT / "data" / "tools"))

import lang_files  # noqa: E402
import languages  # noqa: E402


def set_text(sources, code, file_name, item, text):
    """Replaces the text of one item in a language source, or adds the row when the item has none."""
    path = sources / f"{code}.tsv"
    lines = path.read_text(encoding="utf-8").splitlines()
    prefix = f"{file_name}\t{item}\t"
    replaced = [prefix + text if line.startswith(prefix) else line for line in lines]
    if replaced == lines:
        replaced.append(prefix + text)
    path.write_text("\n".join(replaced) + "\n", encoding="utf-8")


def drop_row(sources, name, file_name, item):
    path = sources / name
    prefix = f"{file_name}\t{item}\t"
    lines = [line for line in path.read_text(encoding="utf-8").splitlines() if not line.startswith(prefix)]
    path.write_text("\n".join(lines) + "\n", encoding="utf-8")


def name_item(sources, file_name, item, name):
    """Sets the name column of one row of master.tsv."""
    path = sources / "master.tsv"
    prefix = f"{file_name}\t{item}\t"
    lines = [prefix + name + "\t" + line[len(prefix):].split("\t", 1)[1] if line.startswith(prefix) else line
             for line in path.read_text(encoding="utf-8").splitlines()]
    path.write_text("\n".join(lines) + "\n", encoding="utf-8")


def edit_feature(sources, feature, edit):
    """Rewrites the rows of a feature source: `edit` takes the list of rows (each a list of cells, header first)."""
    path = sources / "features" / f"{feature}.tsv"
    lines = path.read_text(encoding="utf-8").splitlines()
    comments = [line for line in lines if line.startswith("#")]
    rows = [line.split("\t") for line in lines if not line.startswith("#")]
    edit(rows)
    path.write_text("\n".join(comments + ["\t".join(row) for row in rows]) + "\n", encoding="utf-8")


def set_feature_text(sources, key, code, text):
    def edit(rows):
        column = rows[0].index(code)
        next(row for row in rows if row[1] == key)[column] = text
    edit_feature(sources, "Lifetime", edit)


def items_of(data):
    """The texts of a generated file, checking the line form on the way."""
    assert data.endswith(b"\r\n")
    lines = data[:-2].split(b"\r\n")
    for line in lines:
        assert line.startswith(b'"') and line.endswith(b'"') and line.count(b'"') == 2, line
    return [line[1:-1] for line in lines]


class GeneratorTest(unittest.TestCase):
    def setUp(self):
        self.temp = tempfile.TemporaryDirectory()
        self.sources = Path(self.temp.name) / "lang"
        self.out = Path(self.temp.name) / "dist"
        shutil.copytree(SOURCE_ROOT / "data" / "lang", self.sources)

    def tearDown(self):
        self.temp.cleanup()

    def test_real_sources_give_every_file_in_the_right_shape(self):
        self.assertEqual(lang_files.build(self.sources, self.out), [])
        features = lang_files.feature_sources(self.sources)
        self.assertIn("Lifetime", [path.stem for path in features])
        self.assertEqual(len(list(self.out.iterdir())), 80 + 16 * len(features))
        for code in lang_files.LANGUAGES:
            for file_name, count in lang_files.FILE_ITEMS.items():
                name = lang_files.output_name(file_name, code)
                self.assertEqual(len(items_of((self.out / name).read_bytes())), count, name)
            for path in features:
                errors = []
                count = len(lang_files.read_feature(path, errors))
                self.assertEqual(len(items_of((self.out / f"{path.stem}.{code}").read_bytes())), count, path.stem)

    def test_texts_are_bytes_of_the_language_code_page(self):
        lang_files.build(self.sources, self.out)
        rows = [  # code, file, item, expected bytes
            ("ENG", "heatcap", 28, b"Heat pump"),
            ("GER", "heatcap", 28, b"W\xe4rmepumpe"),
            ("RUS", "Caption", 91, b"\xdf\xe7\xfb\xea"),              # cp1251
            ("GRE", "Caption", 91, b"\xc3\xeb\xfe\xf3\xf3\xe1"),      # cp1253
            ("POL", "Caption", 91, b"J\xeazyk"),                      # cp1250
            ("ROM", "Caption", 75, b"Ie\xbaire"),                     # s with cedilla in cp1250
            ("TRK", "Caption", 35, b"\xddptal"),                      # dotted capital I in cp1254
            ("ARA", "Caption", 30, b"\xcd\xdd\xd9"),                  # cp1256
            ("ENG", "VerbCapt", 1, b""),                              # not shown, kept as an empty item
            ("GER", "about", 4, b"Internet:"),                        # the about file GER.dat
            ("GER", "Lifetime", 34, b"W\xe4rmepumpe"),
            ("RUS", "Lifetime", 35, b"\xca\xee\xf2\xb8\xeb"),            # cp1251, with the letter yo
            ("ROM", "Lifetime", 35, b"Cazan"),
        ]
        for code, file_name, item, expected in rows:
            with self.subTest(code=code, file=file_name, item=item):
                name = f"{file_name}.{code}" if file_name == "Lifetime" else lang_files.output_name(file_name, code)
                items = items_of((self.out / name).read_bytes())
                self.assertEqual(items[item - 1], expected)

    def test_faults_are_refused_and_nothing_is_written(self):
        rows = [  # name, fault, words of the expected report
            ("double quote", lambda s: set_text(s, "GER", "heatcap", 11, 'Wohnfläche "netto"'), "double quote"),
            ("outside code page", lambda s: set_text(s, "ROM", "heatcap", 33, "Clădire ș"), "not in code page cp1250"),
            ("Greek letter in a cp1251 text",
             lambda s: set_text(s, "RUS", "heatcap", 33, "Здание Ω"), "not in code page cp1251"),
            ("duplicate heat-pump caption", lambda s: set_text(s, "GER", "heatcap", 9, "klein"), "equals heatcap 8"),
            ("blank at the end", lambda s: set_text(s, "FRA", "heatcap", 9, "moyen "), "blanks at the start or end"),
            ("missing language", lambda s: (s / "SWE.tsv").unlink(), "SWE.tsv: missing"),
            ("unknown language source", lambda s: shutil.copy(s / "GER.tsv", s / "XYZ.tsv"), "no language has the code"),
            ("missing translation", lambda s: drop_row(s, "ITA.tsv", "heatcap", 40), "heatcap 40 has no translation"),
            ("item beyond the file", lambda s: set_text(s, "ESP", "heatcap", 57, "x"), "outside 1 to 56"),
            ("text for an item never shown", lambda s: set_text(s, "NDL", "VerbCapt", 3, "Klep"), "stays empty"),
            ("position missing in master", lambda s: drop_row(s, "master.tsv", "infoTXT", 66), "infoTXT items missing: 66"),
            ("too long for its label", lambda s: set_text(s, "POR", "Caption", 75, "Sair do programa agora"), "more than the 16"),
            ("Cyrillic letter in CO2", lambda s: set_text(s, "BUL", "heatcap", 1, "Термопомпа: СO2"), "mixes the scripts"),
            ("English left in a Cyrillic text", lambda s: set_text(s, "RUS", "heatcap", 33, "Building"), "not in the cyrillic"),
            ("composed label too long", lambda s: set_text(s, "SWE", "Caption", 68, "suggasen vid kompressorns inlopp"),
             "suction-gas temperature label"),
            ("unknown file kind", lambda s: set_text(s, "GER", "Captions", 1, "x"), "unknown file"),
            ("item name given twice", lambda s: name_item(s, "heatcap", 9, "Small"), "kHeatSmall already names heatcap 8"),
            ("name of an item never shown", lambda s: name_item(s, "Caption", 1, "First"), "not a capitalised name"),
            ("name not capitalised", lambda s: name_item(s, "Caption", 21, "help"), "not a capitalised name"),
        ]
        for name, fault, expected in rows:
            with self.subTest(name):
                shutil.rmtree(self.sources)
                shutil.copytree(SOURCE_ROOT / "data" / "lang", self.sources)
                fault(self.sources)
                errors = lang_files.build(self.sources, self.out)
                self.assertTrue(any(expected in error for error in errors), errors)
                self.assertFalse(self.out.exists())

    def test_feature_faults_are_refused_and_nothing_is_written(self):
        def drop_column(code):
            def edit(rows):
                column = rows[0].index(code)
                for row in rows:
                    del row[column]
            return lambda s: edit_feature(s, "Lifetime", edit)

        def renumber(rows):
            rows[3][0] = "7"

        def duplicate_key(rows):
            rows[2][1] = rows[1][1]

        rows = [  # name, fault, words of the expected report
            ("double quote", lambda s: set_feature_text(s, "Subsidy", "FRA", 'Subvention "verte"'), "double quote"),
            ("outside code page", lambda s: set_feature_text(s, "Boiler", "ROM", "Cazan ș"), "not in code page cp1250"),
            ("too long", lambda s: set_feature_text(s, "Year", "GER", "Jahr der Nutzung seit dem Einbau"), "more than the 24"),
            ("missing translation", lambda s: set_feature_text(s, "Boiler", "TRK", ""), "TRK has no text for Boiler"),
            ("Latin word in a Greek text", lambda s: set_feature_text(s, "Boiler", "GRE", "Boiler"), "not in the greek"),
            ("language column missing", drop_column("SWE"), "header must be"),
            ("item numbers out of order", lambda s: edit_feature(s, "Lifetime", renumber), "where item 3 is due"),
            ("key twice", lambda s: edit_feature(s, "Lifetime", duplicate_key), "not a fresh capitalised name"),
            ("name of a specified file", lambda s: shutil.copy(s / "features" / "Lifetime.tsv", s / "features" / "Heatcap.tsv"),
             "would collide"),
            ("name that is no word", lambda s: shutil.copy(s / "features" / "Lifetime.tsv", s / "features" / "life-2.tsv"),
             "capitalised word"),
        ]
        for name, fault, expected in rows:
            with self.subTest(name):
                shutil.rmtree(self.sources)
                shutil.copytree(SOURCE_ROOT / "data" / "lang", self.sources)
                fault(self.sources)
                errors = lang_files.build(self.sources, self.out)
                self.assertTrue(any(expected in error for error in errors), errors)
                self.assertFalse(self.out.exists())
                self.assertEqual(lang_files.write_headers(self.sources, self.out), errors)
                self.assertFalse(self.out.exists())

    def test_item_names_follow_the_rows_and_an_unchanged_header_is_left_alone(self):
        headers = Path(self.temp.name) / "generated"
        self.assertEqual(lang_files.main(["--sources", str(self.sources), "--headers", str(headers)]), 0)
        header = headers / "lifetime_texts.h"
        text = header.read_text(encoding="utf-8")
        self.assertIn('inline constexpr FeatureFile kFile{"Lifetime", 89};', text)
        self.assertIn("inline constexpr int kTitle = 1;", text)
        self.assertIn("inline constexpr int kOutsideRange = 48;", text)
        self.assertIn("inline constexpr int kSeasonalBasis = 89;", text)
        stamp = header.stat().st_mtime_ns
        set_feature_text(self.sources, "Boiler", "GER", "Heizkessel")
        self.assertEqual(lang_files.write_headers(self.sources, headers), [])
        self.assertEqual(header.stat().st_mtime_ns, stamp)
        self.assertEqual(lang_files.header_name("DecisionView"), "decision_view_texts.h")

    def test_named_items_of_the_language_files_become_constants(self):
        headers = Path(self.temp.name) / "generated"
        self.assertEqual(lang_files.write_headers(self.sources, headers), [])
        text = (headers / "caption_items.h").read_text(encoding="utf-8")
        # Caption items 97 to 157 are named as messages, by their message number.
        for line in ("inline constexpr int kCaptionHelp = 21;", "inline constexpr int kMessageExitQuestion = 59;",
                     "inline constexpr int kHeatWoodPellets = 55;", "inline constexpr int kInfoRounding = 39;"):
            self.assertIn(line, text)
        self.assertNotIn("kCaptionExitQuestion", text)

    def test_language_table_gives_the_rows_of_the_program(self):
        header = lang_files.languages_header_text()
        self.assertIn('{"ARA", 1256, "Arabic.bmp", "العربية", "ARAopt", "PicARA", \'.\'},', header)
        self.assertEqual(header.count("\n    {"), len(lang_files.LANGUAGES))
        self.assertEqual(lang_files.LANGUAGES["TRK"], "cp1254")
        table = (SOURCE_ROOT / "data" / "lang" / "languages.tsv").read_text(encoding="utf-8")
        path = Path(self.temp.name) / "languages.tsv"
        faults = {
            "header": table.replace("code_page", "codepage"),
            "code page": table.replace("GRE\t1253", "GRE\tGreek"),
            "twice": table + table.splitlines()[-1] + "\n",
            "columns": table.replace("\tRomână", ""),
            "decimal separator": table.replace("ROMOpt\tPICROM\t,", "ROMOpt\tPICROM\t;"),
            "no rows": "\n".join(line for line in table.splitlines() if line.startswith("#") or "code_page" in line),
        }
        for fault, text in faults.items():
            with self.subTest(fault):
                path.write_text(text, encoding="utf-8")
                with self.assertRaises(ValueError):
                    languages.read_languages(path)
        with self.assertRaises(ValueError):
            lang_files.c_string('say "hi"')

    def test_command_line_fails_with_a_report(self):
        set_text(self.sources, "GER", "heatcap", 9, "klein")
        self.assertEqual(lang_files.main(["--sources", str(self.sources), "--out", str(self.out)]), 1)
        shutil.rmtree(self.sources)
        shutil.copytree(SOURCE_ROOT / "data" / "lang", self.sources)
        self.assertEqual(lang_files.main(["--sources", str(self.sources), "--out", str(self.out)]), 0)


if __name__ == "__main__":
    unittest.main()
