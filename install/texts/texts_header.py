"""Writes the installer's caption file (a TSV of item, key, limit, meaning and one column per language) as a C++
header of constant tables, so that the installer carries its texts in itself and reads no file for them.

    texts_header.py SOURCE.tsv OUTPUT.h NAMESPACE

Every text is checked first: each language filled, no control characters, the placeholders of the English text
in every translation, and the length within the item's limit. Any problem fails the build, naming the cell."""

import re
import sys
from pathlib import Path

FIXED_COLUMNS = ["item", "key", "limit", "meaning"]
PLACEHOLDER = re.compile(r"%[1-9]")


def read_table(path):
    rows, header = [], None
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if header is None:
            if fields[: len(FIXED_COLUMNS)] != FIXED_COLUMNS or len(fields) == len(FIXED_COLUMNS):
                raise ValueError(f"{path.name}:{number}: header must start with {' / '.join(FIXED_COLUMNS)}")
            header = fields
            continue
        if len(fields) != len(header):
            raise ValueError(f"{path.name}:{number}: {len(fields)} fields, the header has {len(header)}")
        rows.append((number, dict(zip(header, fields))))
    if header is None:
        raise ValueError(f"{path.name}: no header")
    return header[len(FIXED_COLUMNS) :], rows


def check(path, codes, rows):
    if "ENG" not in codes:
        raise ValueError(f"{path.name}: an ENG column is needed, the texts of any other code")
    keys = set()
    for expected, (number, row) in enumerate(rows, start=1):
        where = f"{path.name}:{number}"
        if row["item"] != str(expected):
            raise ValueError(f"{where}: item {row['item']}, expected {expected}")
        if not re.fullmatch(r"[A-Z][A-Za-z0-9]*", row["key"]) or row["key"] in keys:
            raise ValueError(f"{where}: key {row['key']!r} is not a new name")
        keys.add(row["key"])
        limit = int(row["limit"])
        placeholders = sorted(PLACEHOLDER.findall(row["ENG"]))
        for code in codes:
            text = row[code]
            if not text.strip():
                raise ValueError(f"{where} {code}: empty")
            if any(ord(c) < 32 or c in '\\"' for c in text):
                raise ValueError(f"{where} {code}: control character, backslash or double quote")
            if sorted(PLACEHOLDER.findall(text)) != placeholders:
                raise ValueError(f"{where} {code}: placeholders differ from the English {placeholders}")
            if len(PLACEHOLDER.sub("", text)) > limit:
                raise ValueError(f"{where} {code}: longer than {limit} characters")


def header_text(source, codes, rows, namespace):
    lines = [
        f"// Generated from {source.name} by {Path(__file__).name}; edit the source, not this file.",
        "#pragma once",
        "",
        "#include <array>",
        "#include <cstddef>",
        "#include <string_view>",
        "",
        f"namespace {namespace} {{",
        "",
        "enum class Text : std::size_t {",
    ]
    lines += [f"    {row['key']}," for _, row in rows]
    lines += [
        "};",
        "",
        f"inline constexpr std::array<std::string_view, {len(codes)}> kCodes{{",
        "    " + ", ".join(f'"{code}"' for code in codes),
        "};",
        "",
        f"inline constexpr std::array<std::array<std::string_view, {len(codes)}>, {len(rows)}> kTexts{{{{",
    ]
    for _, row in rows:
        lines.append("    {{")
        lines += [f'        "{row[code]}",' for code in codes]
        lines.append("    }},")
    lines += ["}};", "", f"}}  // namespace {namespace}", ""]
    return "\n".join(lines)


def main(argv):
    source, output, namespace = Path(argv[1]), Path(argv[2]), argv[3]
    try:
        codes, rows = read_table(source)
        check(source, codes, rows)
    except ValueError as problem:
        print(f"texts_header.py: {problem}", file=sys.stderr)
        return 1
    text = header_text(source, codes, rows, namespace)
    # An unchanged header keeps its time, so that nothing that includes it is compiled again.
    if not output.exists() or output.read_text(encoding="utf-8") != text:
        output.parent.mkdir(parents=True, exist_ok=True)
        output.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
