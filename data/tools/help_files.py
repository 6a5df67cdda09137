#!/usr/bin/env python3
"""Builds the help files "Kelvhelp." + language code from the UTF-8 sources <code>.txt, one for every language of
data/lang/languages.tsv.

A source is plain text: paragraphs separated by blank lines, the lines of a paragraph joined with one blank (so
the sources can be wrapped freely; a line must not end inside a hyphenated word). The product page is records 1
to 40 of 128 bytes: "#" and 127 characters of the page text each, as many pieces as the text needs plus one, the
remaining records blank. Paragraphs are separated by an empty line (CR LF CR LF), as a Windows text box holds
them. Every text is checked first: present, encodable in its language's code page, short enough for the page.
"""

import argparse
import pathlib
import sys

from languages import read_languages

CODE_PAGES = {code: row.encoding for code, row in read_languages().items()}
RECORD_LENGTH = 128
PIECE_LENGTH = RECORD_LENGTH - 1
PAGE_RECORDS = 40
LINE_BREAK = "\r\n"


def page_text(source: str, name: str) -> str:
    paragraphs = []
    for block in source.replace("\r\n", "\n").split("\n\n"):
        lines = [line.strip() for line in block.split("\n") if line.strip()]
        if not lines:
            continue
        for line in lines[:-1]:
            if line.endswith("-") and not line.endswith(" -"):
                raise ValueError(f"{name}: a line ends inside a hyphenated word: {line!r}")
        paragraphs.append(" ".join(lines))
    if not paragraphs:
        raise ValueError(f"{name}: no help text")
    return (LINE_BREAK * 2).join(paragraphs)


def page_records(text: bytes) -> bytes:
    if len(text) > PIECE_LENGTH * PAGE_RECORDS:
        raise ValueError(f"{len(text)} bytes do not fit into {PAGE_RECORDS} records")
    pieces = len(text) // PIECE_LENGTH + 1
    records = []
    for i in range(PAGE_RECORDS):
        if i < pieces:
            record = b"#" + text[i * PIECE_LENGTH:(i + 1) * PIECE_LENGTH]
        else:
            record = b""
        records.append(record.ljust(RECORD_LENGTH, b" "))
    return b"".join(records)


def build(code: str, sources: pathlib.Path) -> bytes:
    path = sources / f"{code}.txt"
    text = page_text(path.read_text(encoding="utf-8"), path.name)
    try:
        encoded = text.encode(CODE_PAGES[code])
    except UnicodeEncodeError as error:
        raise ValueError(f"{path.name}: {text[error.start:error.end]!r} is not in {CODE_PAGES[code]}") from None
    try:
        return page_records(encoded)
    except ValueError as error:
        raise ValueError(f"{path.name}: {error}") from None


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", type=pathlib.Path, required=True)
    parser.add_argument("--out", type=pathlib.Path, required=True)
    args = parser.parse_args()
    try:
        files = {code: build(code, args.sources) for code in CODE_PAGES}
    except (OSError, ValueError, KeyError) as error:
        print(f"help_files.py: {error}", file=sys.stderr)
        return 1
    args.out.mkdir(parents=True, exist_ok=True)
    for code, content in files.items():
        (args.out / f"Kelvhelp.{code}").write_bytes(content)
    return 0


if __name__ == "__main__":
    sys.exit(main())
