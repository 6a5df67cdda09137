#!/usr/bin/env python3
"""Writes finance_cases.csv: net present value, internal rate of return and annuity payment of random yearly
cash flows, evaluated by LibreOffice Calc (NPV, IRR, PMT) as an evaluation independent of Tervalo's code.

Needs LibreOffice (soffice) only when the cases are made again; the tests read the stored file.
Each row: name; rate; flows (year 0 first, blank-separated); NPV; IRR (empty where Calc gives an error);
PMT years; PMT present value; PMT. Calc's NPV discounts its first value by one year, so the sheet adds
year 0 undiscounted; Calc's PMT is negative for a positive present value, so the sheet negates it.
"""

import csv
import random
import subprocess
import sys
import tempfile
from pathlib import Path
from xml.sax.saxutils import escape

HERE = Path(__file__).resolve().parent


def cases():
    rng = random.Random(20261207)
    rows = []
    for n in range(20):
        years = rng.choice([1, 2, 3, 5, 8, 10, 15, 20, 25, 30])
        invest = -rng.uniform(1000, 60000)
        if n < 12:  # an investment repaid by savings: one sign change
            flows = [invest] + [rng.uniform(100, 9000) for _ in range(years)]
        elif n < 16:  # savings that turn into losses in some years: several sign changes
            flows = [invest] + [rng.uniform(-3000, 6000) for _ in range(years)]
        else:  # repaid beyond the years, or not at all
            flows = [invest] + [rng.uniform(10, 800) for _ in range(years)]
        rate = rng.choice([0.0, -0.02, rng.uniform(-0.05, 0.15), rng.uniform(0.0, 0.08)])
        rows.append((f"random{n + 1:02d}", rate, flows, years, rng.uniform(500, 80000)))
    return rows


def cell(value=None, formula=None):
    if formula is not None:
        return f'<table:table-cell table:formula="{escape(formula)}"/>'
    return f'<table:table-cell office:value-type="float" office:value="{value!r}"/>'


def column(index):
    name = ""
    index += 1
    while index:
        index, rest = divmod(index - 1, 26)
        name = chr(ord("A") + rest) + name
    return name


def sheet(rows):
    body = []
    for number, (_, rate, flows, years, present) in enumerate(rows, start=1):
        # A: rate, B: years, C: present value, D: NPV, E: IRR, F: PMT, G...: flows
        first, last = column(6), column(6 + len(flows) - 1)
        later = f"[.{column(7)}{number}:.{last}{number}]" if len(flows) > 1 else None
        npv = f"of:=[.{first}{number}]" + (f"+NPV([.A{number}];{later})" if later else "")
        body.append("<table:table-row>" + cell(rate) + cell(years) + cell(present) + cell(formula=npv) +
                    cell(formula=f"of:=IRR([.{first}{number}:.{last}{number}])") +
                    cell(formula=f"of:=-PMT([.A{number}];[.B{number}];[.C{number}])") +
                    "".join(cell(flow) for flow in flows) + "</table:table-row>")
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<office:document '
            'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
            'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
            'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2" '
            'office:mimetype="application/vnd.oasis.opendocument.spreadsheet"><office:body><office:spreadsheet>'
            '<table:table table:name="cases">' + "".join(body) +
            "</table:table></office:spreadsheet></office:body></office:document>\n")


def number(text):
    """A value of Calc's CSV export (15 significant digits; a percentage with its sign); None for an error."""
    text = text.strip()
    try:
        return float(text[:-1]) / 100 if text.endswith("%") else float(text)
    except ValueError:
        return None


def main():
    rows = cases()
    with tempfile.TemporaryDirectory() as temp:
        source = Path(temp) / "cases.fods"
        source.write_text(sheet(rows), encoding="utf-8")
        subprocess.run(["soffice", "--headless", "--convert-to",
                        "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false", "--outdir", temp,
                        str(source)], check=True, capture_output=True, timeout=300)
        results = list(csv.reader((Path(temp) / "cases.csv").read_text(encoding="utf-8").splitlines()))
    out = ["# Made by make_finance_cases.py with LibreOffice Calc; do not edit by hand.",
           "name;rate;flows;npv;irr;pmt_years;pmt_present_value;pmt"]
    for (name, rate, flows, years, present), result in zip(rows, results):
        npv, irr, pmt = number(result[3]), number(result[4]), number(result[5])
        out.append(";".join([name, repr(rate), " ".join(repr(f) for f in flows), repr(npv),
                             "" if irr is None else repr(irr), str(years), repr(present), repr(pmt)]))
    (HERE / "finance_cases.csv").write_text("\n".join(out) + "\n", encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
