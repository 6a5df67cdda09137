#!/usr/bin/env python3
"""Extracts the country outlines of Europe and its neighbours from a Natural Earth
TopoJSON file (countries-50m.json of the world-atlas package) into the plain ring list
that the climate-zone map is drawn from.

Usage: extract_europe_outline.py countries-50m.json europe_outline.txt

Output: one ring per line, "Z lon,lat lon,lat ..." in degrees with two decimals, where
the first field is Z for land that the climate zones cover and N for the neighbouring
countries drawn in a neutral colour; rings that lie wholly outside the map's frame are
dropped and points closer than MIN_STEP degrees to their predecessor are thinned out.
"""
import json
import sys

FRAME = (-28.0, 28.0, 60.0, 75.0)  # west, south, east, north (degrees)
MIN_STEP = 0.1
NEIGHBOURS = {
    "Algeria", "Egypt", "Greenland", "Iran", "Iraq", "Israel", "Jordan", "Kazakhstan", "Kuwait", "Lebanon",
    "Libya", "Morocco", "Palestine", "Saudi Arabia", "Syria", "Tunisia", "Turkmenistan", "Uzbekistan",
}


def decode_arcs(topology):
    scale_x, scale_y = topology["transform"]["scale"]
    shift_x, shift_y = topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * scale_x + shift_x, y * scale_y + shift_y))
        arcs.append(points)
    return arcs


def ring_points(arcs, indices):
    points = []
    for index in indices:
        arc = arcs[index] if index >= 0 else list(reversed(arcs[~index]))
        points.extend(arc if not points else arc[1:])
    return points


def polygons(geometry):
    if geometry["type"] == "Polygon":
        return [geometry["arcs"]]
    if geometry["type"] == "MultiPolygon":
        return geometry["arcs"]
    return []


def inside_frame(points):
    west, south, east, north = FRAME
    return any(west <= x <= east and south <= y <= north for x, y in points)


def thinned(points):
    kept = [points[0]]
    for x, y in points[1:]:
        last_x, last_y = kept[-1]
        if abs(x - last_x) + abs(y - last_y) >= MIN_STEP:
            kept.append((x, y))
    return kept


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as handle:
        topology = json.load(handle)
    arcs = decode_arcs(topology)
    lines = []
    for geometry in topology["objects"]["countries"]["geometries"]:
        kind = "N" if geometry.get("properties", {}).get("name") in NEIGHBOURS else "Z"
        for polygon in polygons(geometry):
            for ring in polygon:
                points = ring_points(arcs, ring)
                if len(points) < 4 or not inside_frame(points):
                    continue
                points = thinned(points)
                if len(points) >= 4:
                    lines.append(kind + " " + " ".join(f"{x:.2f},{y:.2f}" for x, y in points))
    with open(target, "w", encoding="ascii", newline="\n") as handle:
        handle.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
