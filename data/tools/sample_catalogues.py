#!/usr/bin/env python3
"""Writes the sample component catalogues of the distribution into data/dist/.

"katalg.lst" lists three catalogues, each a data file (key + "N.rdm", 570-byte records) and an index file
(key + "I.rdm", 128-byte records holding the 18 field titles in storage order). Texts inside the catalogues
are in the DOS code page 850, as the family's catalogue tools write them; "katalg.lst" is a text-record file
in Windows-1252.

  TXV22EX  thermostatic expansion valves: typed (record 51 holds "1")
  VERDIVD  compressors: not yet typed; the program types it from its key ("VD": 3) at the first calculation
  ROHRZUB  pipes and fittings: not typed and no type in its key, so the index of the refrigerant is built from
           its titles

Run: python3 data/tools/sample_catalogues.py  (from the repository root)
"""

import pathlib

DIST = pathlib.Path(__file__).resolve().parent.parent / "dist"
DATA_RECORD = 570
INDEX_RECORD = 128
FIELD_WIDTH = 30  # the 18 fields of a component record, side by side

# Display position of the title in storage record i (1..18).
DISPLAY_POSITION = [6, 5, 7, 8, 2, 11, 13, 15, 9, 4, 1, 10, 3, 12, 14, 16, 17, 18]


def dos(text):
    return text.encode("cp850")


def fixed(data, length):
    assert len(data) <= length, data
    return data + b" " * (length - len(data))


def titles_in_storage_order(display_titles):
    return [display_titles[DISPLAY_POSITION[i] - 1] for i in range(18)]


def write_catalogue(key, name, type_text, display_titles, components):
    data = [fixed(dos(name), DATA_RECORD)]
    data += [b" " * DATA_RECORD] * 49
    data.append(fixed(fixed(dos(type_text), 40), DATA_RECORD))
    for component in components:
        storage = titles_in_storage_order(component)
        data.append(fixed(b"".join(fixed(dos(value), FIELD_WIDTH) for value in storage), DATA_RECORD))
    (DIST / (key + "N.rdm")).write_bytes(b"".join(data))
    index = b"".join(fixed(dos(title), INDEX_RECORD) for title in titles_in_storage_order(display_titles))
    (DIST / (key + "I.rdm")).write_bytes(index)


PIPE_TITLES = [
    "Artikelnummer", "Bezeichnung", "Werkstoff", "Außendurchmesser mm", "Wandstärke mm",
    "Innendurchmesser mm", "Länge m", "Gewicht kg/m", "Max. Betriebsdruck bar", "Temperatur min °C",
    "Temperatur max °C", "Dämmstärke mm", "Wärmeleitfähigkeit W/mK", "Oberfläche", "Norm", "Lieferant",
    "Preis EUR/m", "Bemerkung",
]


def pipe(number, size, wall, weight, pressure, price):
    inner = f"{float(size) - 2 * float(wall):.1f}"
    return [number, f"Kupferrohr {size} x {wall}", "Cu-DHP", size, wall, inner, "5", weight, pressure, "-196",
            "150", "0", "380", "blank, gereinigt", "EN 12735-1", "Kälte-Großhandel Süd", price, "für Kältemittel"]


PIPES = [
    pipe("KR-06", "6", "1", "0.140", "110", "3.90"),
    pipe("KR-10", "10", "1", "0.252", "66", "6.10"),
    pipe("KR-12", "12", "1", "0.308", "54", "7.40"),
    pipe("KR-16", "16", "1", "0.419", "40", "9.80"),
    pipe("KR-22", "22", "1", "0.587", "29", "13.60"),
    pipe("KR-28", "28", "1", "0.755", "22", "17.20"),
]

VALVE_TITLES = [
    "Artikelnummer", "Typ", "Kältemittel", "Nennleistung kW", "Düse", "Verdampfung min °C",
    "Verdampfung max °C", "Überhitzung K", "Anschluss Eintritt", "Anschluss Austritt", "Druckausgleich",
    "Max. Betriebsdruck bar", "Kapillarrohr m", "Fühler", "Gewicht kg", "Hersteller", "Preis EUR", "Bemerkung",
]


def valve(number, kind, power, nozzle, price):
    return [number, kind, "R22", power, nozzle, "-40", "+10", "5", "3/8 Bördel", "1/2 Löt", "außen", "34",
            "1.5", "Anlegefühler", "0.45", "Ventilwerk Nord", price, ""]


VALVES = [
    valve("TX-22-05", "TEV 2", "5.2", "02", "68.00"),
    valve("TX-22-10", "TEV 2", "10.5", "04", "72.00"),
    valve("TX-22-20", "TEV 5", "21.0", "06", "96.00"),
]

COMPRESSOR_TITLES = [
    "Artikelnummer", "Typ", "Bauart", "Kältemittel", "Kälteleistung kW", "Leistungsaufnahme kW",
    "Verdampfung °C", "Verflüssigung °C", "Hubvolumen m3/h", "Zylinder", "Drehzahl 1/min", "Spannung V",
    "Max. Strom A", "Ölfüllung l", "Gewicht kg", "Hersteller", "Preis EUR", "Bemerkung",
]


def compressor(number, kind, cooling, power, volume, cylinders, price):
    return [number, kind, "halbhermetisch", "R22", cooling, power, "-10", "45", volume, cylinders, "1450",
            "400", "18", "2.0", "85", "Kompressorenbau Süd", price, "für Wärmepumpen geeignet"]


COMPRESSORS = [
    compressor("VD-22-04", "HS 4", "9.8", "3.4", "18.4", "2", "2450.00"),
    compressor("VD-22-06", "HS 6", "15.1", "5.1", "28.0", "2", "2980.00"),
    compressor("VD-22-08", "HS 8", "20.3", "6.8", "37.9", "4", "3690.00"),
]


def main():
    write_catalogue("TXV22EX", "Thermostatische Expansionsventile R22", "1", VALVE_TITLES, VALVES)
    write_catalogue("VERDIVD", "Halbhermetische Verdichter R22", "0", COMPRESSOR_TITLES, COMPRESSORS)
    write_catalogue("ROHRZUB", "Kupferrohre und Zubehör", "0", PIPE_TITLES, PIPES)
    entries = [
        ("TXV22EX", "Thermostatische Expansionsventile R22"),
        ("VERDIVD", "Halbhermetische Verdichter R22"),
        ("ROHRZUB", "Kupferrohre und Zubehör"),
    ]
    lines = "".join(f'"{key}","{description}"\r\n' for key, description in entries)
    (DIST / "katalg.lst").write_bytes(lines.encode("cp1252"))


if __name__ == "__main__":
    main()
