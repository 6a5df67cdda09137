#!/usr/bin/env python3
"""Builds the language files "Caption.", "VerbCapt.", "heatcap." and "infoTXT." + code and the about files
code + ".dat" (the texts of the info box) for every language of languages.tsv.

Sources (UTF-8, tab-separated, lines starting with "#" are comments):
  languages.tsv the languages: code, code page, script, flag, native name, object names; also written as the C++
                header language_rows.h
  master.tsv    every position of the five kinds of file: file, item, name, limit, where, meaning, english; the
                names become the C++ header caption_items.h
  <CODE>.tsv    the texts of one language: file, item, text (ENG comes from master.tsv)
  features/<Feature>.tsv
                the caption file of a feature beyond the five kinds, one row per item with the texts of all
                languages side by side: item, key, limit, meaning, ARA, BUL, ENG, ... (welcome order);
                written as <Feature>.<CODE>, its item names as the C++ header <feature>_texts.h

Each generated file holds its items in order, one per line, as "text" followed by CR LF, in the Windows code page
of its language. Nothing is written unless every check passes; every problem found is reported, then the run fails.
"""

import argparse
import os
import re
import sys
import unicodedata
from dataclasses import dataclass
from pathlib import Path

from languages import LANGUAGE_TABLE, read_languages

# The languages in the order of the welcome window, and each one's code page by its Python name.
LANGUAGE_ROWS = read_languages()
LANGUAGES = {code: row.encoding for code, row in LANGUAGE_ROWS.items()}

# The kinds of language file and their item counts; the readers take items strictly by position.
FILE_ITEMS = {"Caption": 273, "VerbCapt": 24, "heatcap": 56, "infoTXT": 66, "about": 6}


def output_name(file_name, code):
    return f"{code}.dat" if file_name == "about" else f"{file_name}.{code}"

# Letters outside the writing system of a language are allowed only in these words (units, formula symbols, key
# names and trade terms that stay Latin in every language).
LATIN_WORDS = {"CO", "COP", "R", "kW", "Enter", "scroll", "CSV", "JSON", "EN", "Cd", "kWh", "Seasonal", "json"}

# The results file draws a record of 150 characters or more as a rule line instead of text; info texts are
# written behind an indent of eight blanks.
RESULTS_RECORD_LIMIT = 149
RESULTS_INDENT = 8

FUELS = (("heatcap", 21), ("heatcap", 22), ("heatcap", 55), ("heatcap", 56))


def _c(item):
    return ("Caption", item)


def _h(item):
    return ("heatcap", item)


# Texts that the program puts together from several items, with the longest length that still fits where they
# are shown: list entries, labels of the project window, labels of the report column (about half a page wide),
# the refused-language message and the window title.
def composed_texts(text):
    yield "radiator entries", 44, [text(_h(19)) + ", " + text(_h(n)) for n in (8, 9, 10)]
    yield "house-type entries", 44, [text(_h(38)) + year for year in (" 1973", " 1982")]
    yield "evaporating temperature label", 40, [text(_h(51)) + " " + text(_c(171)) + " " + text(_c(40))]
    yield "suction-gas temperature label", 40, [text(_c(171)) + " " + text(_c(68)) + " :"]
    yield "print header check box", 32, [text(_c(76)) + " " + text(_c(221))]
    yield "heating COP label", 36, [text(_h(50)) + " = 4.45"]
    report = [text(_h(31)) + " " + text(_h(33)),
              text(_h(54)) + " " + text(_h(28)) + " :",
              text(_c(84)) + " " + text(_h(28)) + " :",
              text(_c(222)) + " CO2 " + text(_h(28)) + " :"]
    for fuel in FUELS:
        report += [text(_h(53)) + " " + text(fuel) + " :",
                   text(_c(84)) + " " + text(fuel) + " :",
                   text(_c(222)) + " CO2 " + text(fuel) + " :"]
    yield "report labels", 52, report
    yield "refused-language message", 120, [text(_c(91)) + " " + text(_c(96 + 61))]
    yield "window title", 72, [text(_c(81)) + " " + text(_c(66)) + " - Simulation " + text(_c(222)) + " CO2"]


@dataclass
class MasterItem:
    limit: int
    english: str
    name: str = ""


# The constants of named items: the prefix of each file's names, and the Caption items read as messages
# (Message(n) is Caption item 96 + n).
NAME_PREFIX = {"Caption": "kCaption", "VerbCapt": "kComponent", "heatcap": "kHeat", "infoTXT": "kInfo"}
MESSAGE_ITEMS = range(97, 158)
ITEM_NAME = re.compile(r"[A-Z][A-Za-z0-9]*")


def constant_of(position):
    """The C++ name and value of a named item."""
    file_name, item = position
    if file_name == "Caption" and item in MESSAGE_ITEMS:
        return "kMessage", item - (MESSAGE_ITEMS.start - 1)
    return NAME_PREFIX[file_name], item


def read_table(path, columns, errors):
    """The rows of a tab-separated source after its header line, each with its line number."""
    rows = []
    try:
        lines = path.read_text(encoding="utf-8").splitlines()
    except (OSError, UnicodeDecodeError) as problem:
        errors.append(f"{path.name}: cannot be read as UTF-8 ({problem})")
        return rows
    header_seen = False
    for number, line in enumerate(lines, start=1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if not header_seen:
            header_seen = True
            if fields != columns:
                errors.append(f"{path.name}:{number}: header must be {' / '.join(columns)}")
                return rows
            continue
        if len(fields) != len(columns):
            errors.append(f"{path.name}:{number}: {len(fields)} columns instead of {len(columns)}")
            continue
        rows.append((number, fields))
    if not header_seen:
        errors.append(f"{path.name}: no header line")
    return rows


def parse_position(path, number, file_name, item_text, errors):
    if file_name not in FILE_ITEMS:
        errors.append(f"{path.name}:{number}: unknown file {file_name!r}")
        return None
    if not item_text.isdigit() or not 1 <= int(item_text) <= FILE_ITEMS[file_name]:
        errors.append(f"{path.name}:{number}: item {item_text!r} outside 1 to {FILE_ITEMS[file_name]} of {file_name}")
        return None
    return (file_name, int(item_text))


def read_master(path, errors):
    master = {}
    constants = {}
    for number, (file_name, item, name, limit, _where, _meaning, english) in read_table(
            path, ["file", "item", "name", "limit", "where", "meaning", "english"], errors):
        position = parse_position(path, number, file_name, item, errors)
        if position is None:
            continue
        if position in master:
            errors.append(f"{path.name}:{number}: {file_name} {item} listed twice")
            continue
        if english and not limit.isdigit():
            errors.append(f"{path.name}:{number}: {file_name} {item} has a text but no length limit")
            continue
        if name:
            # A faulty name is reported; the item itself still counts, so its texts are checked as well.
            if not english or file_name not in NAME_PREFIX or not ITEM_NAME.fullmatch(name):
                errors.append(f"{path.name}:{number}: {name!r} is not a capitalised name of a shown item")
                name = ""
            elif (constant := constant_of(position)[0] + name) in constants:
                errors.append(f"{path.name}:{number}: {constant} already names {constants[constant]}")
                name = ""
            else:
                constants[constant] = f"{file_name} {item}"
        master[position] = MasterItem(int(limit) if limit.isdigit() else 0, english, name)
    for file_name, count in FILE_ITEMS.items():
        missing = [str(i) for i in range(1, count + 1) if (file_name, i) not in master]
        if missing:
            errors.append(f"{path.name}: {file_name} items missing: {', '.join(missing)}")
    return master


def read_language(path, master, errors):
    texts = {}
    for number, (file_name, item, text) in read_table(path, ["file", "item", "text"], errors):
        position = parse_position(path, number, file_name, item, errors)
        if position is None:
            continue
        if position in texts:
            errors.append(f"{path.name}:{number}: {file_name} {item} given twice")
            continue
        if position in master and not master[position].english:
            errors.append(f"{path.name}:{number}: {file_name} {item} is not shown by the program and stays empty")
            continue
        texts[position] = text
    for position, entry in sorted(master.items()):
        if entry.english and position not in texts:
            errors.append(f"{path.name}: {position[0]} {position[1]} has no translation")
    return texts


def script_of(char):
    name = unicodedata.name(char, "")
    return name.split(" ")[0] if name else "UNKNOWN"


def check_text(code, position, text, limit, errors):
    where = f"{code} {position[0]} {position[1]}"
    if '"' in text:
        errors.append(f"{where}: a double quote cannot stand in a text of these files: {text!r}")
    if any(unicodedata.category(char) in ("Cc", "Cf") for char in text):
        errors.append(f"{where}: control character in {text!r}")
    if text != text.strip():
        errors.append(f"{where}: blanks at the start or end of {text!r}")
    if limit and len(text) > limit:
        errors.append(f"{where}: {len(text)} characters, more than the {limit} that fit: {text!r}")
    try:
        if text.encode(LANGUAGES[code]).decode(LANGUAGES[code]) != text:
            errors.append(f"{where}: {text!r} does not survive code page {LANGUAGES[code]}")
    except UnicodeEncodeError as problem:
        errors.append(f"{where}: {text[problem.start:problem.end]!r} is not in code page {LANGUAGES[code]}: {text!r}")
    expected = LANGUAGE_ROWS[code].script
    for word in re.findall(r"[^\W\d_]+", text):
        scripts = {script_of(char) for char in word}
        if len(scripts) > 1:
            errors.append(f"{where}: the word {word!r} mixes the scripts {', '.join(sorted(scripts))}")
        elif scripts != {expected} and not (scripts == {"LATIN"} and word in LATIN_WORDS):
            errors.append(f"{where}: the word {word!r} is not in the {expected.lower()} script of the language")


def check_language(code, texts, master, errors):
    for position, text in sorted(texts.items()):
        check_text(code, position, text, master[position].limit, errors)
    for item in range(1, 67):
        text = texts.get(("infoTXT", item), "")
        if RESULTS_INDENT + len(text) > RESULTS_RECORD_LIMIT:
            errors.append(f"{code} infoTXT {item}: too long for one line of the results file")
    # The heat-pump captions are the dictionary of the translation of stored texts: the first item that
    # matches after trimming wins, so two equal items would translate into the wrong one.
    seen = {}
    for item in range(1, FILE_ITEMS["heatcap"] + 1):
        key = texts.get(("heatcap", item), "").strip(" ")
        if key in seen:
            errors.append(f"{code} heatcap {item}: equals heatcap {seen[key]} after trimming ({key!r})")
        else:
            seen[key] = item
    for name, limit, composed in composed_texts(lambda position: texts.get(position, "")):
        for text in composed:
            if len(text) > limit:
                errors.append(f"{code}: {name}: {text!r} has {len(text)} characters, more than {limit}")


@dataclass
class FeatureItem:
    key: str
    texts: dict


FEATURE_NAME = re.compile(r"[A-Z][A-Za-z]*")
FEATURE_KEY = re.compile(r"[A-Z][A-Za-z0-9]*")


def read_feature(path, errors):
    """The items of one feature source in order, each text checked like those of the specified files."""
    name = path.stem
    if not FEATURE_NAME.fullmatch(name):
        errors.append(f"{path.name}: a feature name is a capitalised word of letters")
    elif name.lower() in {file_name.lower() for file_name in FILE_ITEMS} or name.upper() in LANGUAGES:
        errors.append(f"{path.name}: {name!r} would collide with the files of the program")
    items, keys = [], set()
    for number, fields in read_table(path, ["item", "key", "limit", "meaning", *LANGUAGES], errors):
        item, key, limit, _meaning, *texts = fields
        where = f"{path.name}:{number}"
        if item != str(len(items) + 1):
            errors.append(f"{where}: item {item!r} where item {len(items) + 1} is due")
            return items
        if not FEATURE_KEY.fullmatch(key) or key in keys:
            errors.append(f"{where}: key {key!r} is not a fresh capitalised name")
        if not limit.isdigit() or int(limit) == 0:
            errors.append(f"{where}: no length limit")
            limit = "0"
        keys.add(key)
        entry = FeatureItem(key, dict(zip(LANGUAGES, texts)))
        for code, text in entry.texts.items():
            if not text:
                errors.append(f"{where}: {code} has no text for {key}")
            else:
                check_text(code, (name, int(item)), text, int(limit), errors)
        items.append(entry)
    if not items:
        errors.append(f"{path.name}: no items")
    return items


def feature_sources(sources):
    folder = sources / "features"
    return sorted(folder.glob("*.tsv")) if folder.is_dir() else []


def header_name(feature):
    return re.sub(r"([a-z])([A-Z])", r"\1_\2", feature).lower() + "_texts.h"


def header_text(feature, items):
    """The item names of a feature's caption file, for the code that shows its texts."""
    namespace = header_name(feature)[:-2]
    lines = [f"// Generated by data/tools/lang_files.py from data/lang/features/{feature}.tsv; edit that file.",
             "#pragma once", "", '#include "localisation/feature_texts.h"', "",
             f"namespace tervalo::{namespace} {{", "",
             f'inline constexpr FeatureFile kFile{{"{feature}", {len(items)}}};', ""]
    lines += [f"inline constexpr int k{entry.key} = {n};" for n, entry in enumerate(items, start=1)]
    lines += ["", f"}}  // namespace tervalo::{namespace}", ""]
    return "\n".join(lines)


LANGUAGES_HEADER = "language_rows.h"
CAPTION_ITEMS_HEADER = "caption_items.h"


def caption_items_text(master):
    """The named items of the four language files as constants, for the code that shows their texts."""
    lines = ["// Generated by data/tools/lang_files.py from data/lang/master.tsv; edit that file.", "#pragma once", "",
             "namespace tervalo {"]
    order = ["kCaption", "kMessage", "kComponent", "kHeat", "kInfo"]
    sources = {"kCaption": "Caption(item)", "kMessage": "Message(number)", "kComponent": "ComponentCaption(item)",
               "kHeat": "HeatCaption(item)", "kInfo": "InfoText(number)"}
    named = sorted((order.index(prefix), value, prefix, entry.name)
                   for prefix, value, entry in ((*constant_of(position), entry)
                                                for position, entry in master.items() if entry.name))
    section = None
    for _, value, prefix, name in named:
        if prefix != section:
            section = prefix
            lines += ["", f"// For {sources[prefix]}."]
        lines.append(f"inline constexpr int {prefix}{name} = {value};")
    lines += ["", "}  // namespace tervalo", ""]
    return "\n".join(lines)


def c_string(text):
    """A C++ string literal of UTF-8 text that needs no escapes."""
    if any(char in text for char in '"\\') or not text.isprintable():
        raise ValueError(f"{text!r} cannot stand in a C++ literal as it is")
    return f'"{text}"'


def languages_header_text():
    """The language table as C++ rows, for the code-page lookup and the welcome window."""
    lines = [f"// Generated by data/tools/lang_files.py from data/lang/{LANGUAGE_TABLE.name}; edit that file.",
             "#pragma once", "", '#include "localisation/languages.h"', "", "namespace tervalo {", "",
             f"inline constexpr LanguageRow kLanguageRows[{len(LANGUAGE_ROWS)}] = {{"]
    for row in LANGUAGE_ROWS.values():
        fields = [c_string(row.code), str(row.code_page), c_string(row.flag), c_string(row.native),
                  c_string(row.option_object), c_string(row.flag_object), f"'{row.decimal}'"]
        lines.append(f"    {{{', '.join(fields)}}},")
    lines += ["};", "", "}  // namespace tervalo", ""]
    return "\n".join(lines)


def write_if_changed(target, text):
    """Unchanged headers keep their time stamp, so a text edit does not rebuild the code that includes them."""
    data = text.encode("utf-8")
    if not target.is_file() or target.read_bytes() != data:
        write_file(target, data)


def write_file(target, data):
    temporary = target.with_name(target.name + ".tmp")
    temporary.write_bytes(data)
    os.replace(temporary, target)


def write_headers(sources, header_dir):
    """Writes the language rows, the names of the items of the language files and the item names of every
    feature; returns the problems, then nothing is written."""
    errors = []
    master = read_master(sources / "master.tsv", errors)
    features = {path.stem: read_feature(path, errors) for path in feature_sources(sources)}
    try:
        languages = languages_header_text()
    except ValueError as problem:
        errors.append(f"{LANGUAGE_TABLE.name}: {problem}")
    if errors:
        return errors
    header_dir.mkdir(parents=True, exist_ok=True)
    write_if_changed(header_dir / LANGUAGES_HEADER, languages)
    write_if_changed(header_dir / CAPTION_ITEMS_HEADER, caption_items_text(master))
    for feature, items in features.items():
        write_if_changed(header_dir / header_name(feature), header_text(feature, items))
    return errors


def file_bytes(code, file_name, texts):
    lines = []
    for item in range(1, FILE_ITEMS[file_name] + 1):
        lines.append(b'"' + texts.get((file_name, item), "").encode(LANGUAGES[code]) + b'"\r\n')
    return b"".join(lines)


def feature_bytes(code, items):
    return b"".join(b'"' + entry.texts[code].encode(LANGUAGES[code]) + b'"\r\n' for entry in items)


def build(sources, out=None):
    """Checks the sources and, when all is well and `out` is given, writes the five files of every language and
    each feature's file of every language. Returns the problems."""
    errors = []
    master = read_master(sources / "master.tsv", errors)
    all_texts = {}
    for code in LANGUAGES:
        if code == "ENG":
            texts = {position: entry.english for position, entry in master.items() if entry.english}
        else:
            path = sources / f"{code}.tsv"
            if not path.is_file():
                errors.append(f"{path.name}: missing; every language needs its texts")
                continue
            texts = read_language(path, master, errors)
        check_language(code, texts, master, errors)
        all_texts[code] = texts
    for path in sorted(sources.glob("*.tsv")):
        if path.stem not in ("master", LANGUAGE_TABLE.stem) and path.stem not in LANGUAGES:
            errors.append(f"{path.name}: no language has the code {path.stem!r}")
    features = {path.stem: read_feature(path, errors) for path in feature_sources(sources)}
    if errors or out is None:
        return errors
    out.mkdir(parents=True, exist_ok=True)
    for code, texts in all_texts.items():
        for file_name in FILE_ITEMS:
            write_file(out / output_name(file_name, code), file_bytes(code, file_name, texts))
    for feature, items in features.items():
        for code in LANGUAGES:
            write_file(out / f"{feature}.{code}", feature_bytes(code, items))
    return errors


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", type=Path, required=True, help="directory of master.tsv and <CODE>.tsv")
    parser.add_argument("--out", type=Path, help="directory to write the files into; without it only checks")
    parser.add_argument("--headers", type=Path,
                        help="only write the C++ headers (language rows, item names of the features) into this directory")
    args = parser.parse_args(argv)
    if args.headers:
        errors = write_headers(args.sources, args.headers)
    else:
        errors = build(args.sources, args.out)
    for error in errors:
        print(f"lang_files: {error}", file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
