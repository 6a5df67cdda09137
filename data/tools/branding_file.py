#!/usr/bin/env python3
"""Writes the branding file rechOpt.dat from data/branding/branding.tsv.

The file is a sequence of 3-byte records, each a decimal number as text, left-aligned and padded with blanks.
Record 153 holds the shift K; a text is a block of records, one per character, each holding the character's
code (Windows-1252) plus K. Records of no block, and those after a text's end, are blank: read as 0, they give
a negative code, which adds nothing.
"""
import argparse
import csv
import sys

RECORD = 3
RECORDS = 1000
SHIFT_RECORD = 153
SHIFT = 100  # every code plus K stays within three digits
# Codes the reader's DOS-to-Windows mapping changes or drops; a text holding one would not read back as written.
MAPPED = {34, 129, 132, 142, 148, 153, 154, 225, 248}


def build(rows):
    records = [" " * RECORD] * (RECORDS + 1)  # index 0 unused: records count from 1
    records[SHIFT_RECORD] = str(SHIFT).ljust(RECORD)
    for key, first, last, text in rows:
        codes = text.encode("cp1252")
        if len(codes) > last - first + 1:
            sys.exit(f"branding: {key} is longer than its block ({len(codes)} > {last - first + 1})")
        for i, code in enumerate(codes):
            if code in MAPPED:
                sys.exit(f"branding: {key} holds character code {code}, which does not read back")
            records[first + i] = str(code + SHIFT).ljust(RECORD)
    return "".join(records[1:]).encode("ascii")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    with open(args.source, encoding="utf-8") as source:
        lines = [line for line in source if not line.startswith("#")]
    rows = [(r["key"], int(r["first_record"]), int(r["last_record"]), r["text"])
            for r in csv.DictReader(lines, delimiter="\t")]
    with open(args.out, "wb") as out:
        out.write(build(rows))


if __name__ == "__main__":
    main()
