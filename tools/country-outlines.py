#!/usr/bin/python3
# Writes src/data/country_outlines_data.cpp: every country's outline from the DCW-GMT country
# borders that Debian ships (package gmt-dcw 2.1.1, /usr/share/gmt-dcw/dcw-gmt.nc), simplified to
# within half a pixel of the map picture at twice its size, in latitudes and longitudes, so that
# the program's one projection places them as it places everything else on the map.
#   apt-get install gmt-dcw python3-netcdf4 && tools/country-outlines.py [folder]
# Running it twice gives the same file. The build never needs it.
#
# In the file each country's codes, rings and points stand one after the other as 16-bit numbers:
#   the code's two letters, the number of rings;
#   for each ring: 1 for a hole (South Africa's around Lesotho) or 0, the number of points;
#   for each point: latitude and longitude in hundredths of a degree, longitudes from -172.5° to
#   beyond 187.5° as the map runs (a ring that crosses its right edge goes on past it).
import math
import pathlib
import sys

import netCDF4
import numpy

SOURCE = "/usr/share/gmt-dcw/dcw-gmt.nc"
# Where it writes: the committed file, or a folder given as the first argument (the tests use one).
OUT = (pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else
       pathlib.Path(__file__).resolve().parent.parent / "src/data") / "country_outlines_data.cpp"

# The map picture's projection (src/geo/projection.h): a Miller map of 84° N to 66° S, longitudes
# from -172.5° to 187.5°, here at twice the picture's size.
WEST = -172.5
WIDTH = 615 * 2
BAND = 329 * 2
NORTH, SOUTH = 84.0, -66.0
TOLERANCE = 0.5  # pixels of the picture at twice its size
MARKER = 65535

# Provinces that DCW 2.1.1 files only under China, and the codes they have of their own.
PROVINCES = {"CNHK": "HK", "CNMO": "MO"}


def miller(latitude):
    return 1.25 * math.log(math.tan(math.pi / 4 + 0.4 * math.radians(latitude)))


NORTH_Y, SOUTH_Y = miller(NORTH), miller(SOUTH)


def pixel(lat, lon):
    return ((lon - WEST) / 360 * WIDTH, (NORTH_Y - miller(lat)) / (NORTH_Y - SOUTH_Y) * BAND)


def rings_of(data, name):
    """The rings of one DCW entry: (hole, [(lat, lon), ...]) with longitudes as DCW has them."""
    lon_var, lat_var = data.variables[name + "_lon"], data.variables[name + "_lat"]
    raw_lon, raw_lat = lon_var[:].astype(numpy.int64), lat_var[:].astype(numpy.int64)
    lon = raw_lon / lon_var.getncattr("scale") + lon_var.getncattr("min")
    lat = raw_lat / lat_var.getncattr("scale") + lat_var.getncattr("min")
    rings, hole, points = [], False, []
    for i in range(len(raw_lon)):
        if raw_lon[i] == MARKER:
            if points:
                rings.append((hole, points))
            hole, points = raw_lat[i] == 1, []
        else:
            points.append((float(lat[i]), float(lon[i])))
    if points:
        rings.append((hole, points))
    return rings


def onto_the_map(points):
    """Longitudes without a jump of more than 180° inside the ring, the ring shifted by the whole
    turns that leave most of it on the map's -172.5° to 187.5°. A ring round a pole (Antarctica's)
    starts at the map's left edge, so that it runs across the map once."""
    if abs(unwrapped_span(points)) >= 359:
        start = min(range(len(points)), key=lambda i: (points[i][1] - WEST) % 360)
        points = points[start:] + points[:start]
    unwrapped = [points[0]]
    for lat, lon in points[1:]:
        previous = unwrapped[-1][1]
        lon += 360 * round((previous - lon) / 360)
        unwrapped.append((lat, lon))
    west = min(lon for _, lon in unwrapped)
    east = max(lon for _, lon in unwrapped)

    def on_the_map(shift):
        return min(east + shift, WEST + 360) - max(west + shift, WEST)

    shift = max((360 * turns for turns in range(-3, 4)), key=lambda shift: (on_the_map(shift), -abs(shift)))
    ring = [(lat, lon + shift) for lat, lon in unwrapped]
    if east - west >= 359:
        # Closed over the pole it goes round, so that the pole lies inside it.
        pole = -90.0 if sum(lat for lat, _ in ring) < 0 else 90.0
        ring += [(pole, ring[-1][1]), (pole, ring[0][1])]
    return ring


def unwrapped_span(points):
    """How far the ring's longitudes run, followed without jumps: 0 for an ordinary ring, a whole
    turn for one round a pole."""
    turned = 0.0
    for (_, a), (_, b) in zip(points, points[1:] + points[:1]):
        step = b - a
        turned += step - 360 * round(step / 360)
    return turned


def simplified(points, tolerance):
    """Douglas-Peucker in pixels of the picture at twice its size; the ring stays closed."""
    if points[0] == points[-1]:
        points = points[:-1]
    if len(points) < 3:
        return points
    xy = [pixel(lat, lon) for lat, lon in points]
    # Split the ring at its point farthest from the first, then simplify both halves.
    far = max(range(len(xy)), key=lambda i: (xy[i][0] - xy[0][0]) ** 2 + (xy[i][1] - xy[0][1]) ** 2)
    keep = [False] * len(xy)
    keep[0] = keep[far] = True
    stack = [(0, far), (far, len(xy))]
    while stack:
        first, last = stack.pop()
        if last - first < 2:
            continue
        ax, ay = xy[first]
        bx, by = xy[last % len(xy)]
        dx, dy = bx - ax, by - ay
        length = math.hypot(dx, dy)
        worst, worst_at = -1.0, -1
        for i in range(first + 1, last):
            px, py = xy[i]
            if length == 0:
                distance = math.hypot(px - ax, py - ay)
            else:
                distance = abs(dy * (px - ax) - dx * (py - ay)) / length
            if distance > worst:
                worst, worst_at = distance, i
        if worst > tolerance:
            keep[worst_at] = True
            stack.append((first, worst_at))
            stack.append((worst_at, last))
    return [point for point, kept in zip(points, keep) if kept]


def quantized(points):
    """Hundredths of a degree, without repeated points."""
    out = []
    for lat, lon in points:
        point = (round(lat * 100), round(lon * 100))
        if not out or out[-1] != point:
            out.append(point)
    while len(out) > 1 and out[0] == out[-1]:
        out.pop()
    return out


def area(points):
    xy = [pixel(lat / 100, lon / 100) for lat, lon in points]
    return abs(sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(xy, xy[1:] + xy[:1]))) / 2


def triangle(points):
    """Three points that span a ring too small to simplify: one, the farthest from it, and the
    farthest from the line between those two."""
    xy = [pixel(lat, lon) for lat, lon in points]
    a = 0
    b = max(range(len(xy)), key=lambda i: math.dist(xy[i], xy[a]))
    (ax, ay), (bx, by) = xy[a], xy[b]
    c = max(range(len(xy)), key=lambda i: abs((bx - ax) * (xy[i][1] - ay) - (by - ay) * (xy[i][0] - ax)))
    return quantized([points[i] for i in sorted({a, b, c})])


def samples(ring):
    """Points along a ring's edges, half a pixel apart at the picture's own size, by the pixel
    they lie in."""
    found = {}
    xy = [pixel(lat / 100, lon / 100) for lat, lon in ring]
    for (x0, y0), (x1, y1) in zip(xy, xy[1:] + xy[:1]):
        steps = max(1, int(math.dist((x0, y0), (x1, y1))))  # half pixels at twice the size
        for k in range(steps + 1):
            x = (x0 + (x1 - x0) * k / steps) / 2 % 615
            y = (y0 + (y1 - y0) * k / steps) / 2
            found.setdefault((math.floor(x), math.floor(y)), []).append((x, y))
    return found


def nearest(found, x, y):
    """How far the nearest sample lies from a point, looking no further than a pixel's
    neighbours."""
    best = math.inf
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            for sx, sy in found.get(((math.floor(x) + dx) % 615, math.floor(y) + dy), ()):
                best = min(best, math.hypot(min(abs(sx - x), 615 - abs(sx - x)), sy - y))
    return best


def country(data, name):
    """The country's rings, simplified. A ring that vanishes in the simplification is dropped,
    unless nothing else of the country lies within half a pixel of it on the picture at its own
    size: then it stays as a triangle, so that an island far from the rest (Lord Howe Island, an
    atoll of Tuvalu) can still be found."""
    rings, vanished = [], []
    for hole, points in rings_of(data, name):
        points = onto_the_map(points)
        ring = quantized(simplified(points, TOLERANCE))
        if len(ring) >= 3 and area(ring) > 0:
            rings.append((hole, ring))
        elif not hole:
            vanished.append(points)
    found = {}
    for _, ring in rings:
        for cell, points in samples(ring).items():
            found.setdefault(cell, []).extend(points)
    vanished.sort(key=lambda points: -len(points))
    for points in vanished:
        ring = triangle(points)
        if len(ring) < 3 or area(ring) == 0:
            continue
        corners = [tuple(v / 2 for v in pixel(lat / 100, lon / 100)) for lat, lon in ring]
        if min(nearest(found, x % 615, y) for x, y in corners) <= 0.5:
            continue
        rings.append((False, ring))
        for cell, points in samples(ring).items():
            found.setdefault(cell, []).extend(points)
    return rings


def main():
    data = netCDF4.Dataset(SOURCE)
    data.set_auto_maskandscale(False)  # 65535 is the rings' marker, not a missing value
    version = data.getncattr("version")
    names = sorted(v[:-4] for v in data.variables if v.endswith("_lon"))
    entries = [(name, name) for name in names if len(name) == 2]
    entries += [(name, code) for name, code in PROVINCES.items()]
    entries.sort(key=lambda entry: entry[1])

    numbers, countries, points = [], 0, 0
    for name, code in entries:
        rings = country(data, name)
        if not rings:
            continue
        countries += 1
        numbers += [ord(code[0]), ord(code[1]), len(rings)]
        for hole, ring in rings:
            numbers += [1 if hole else 0, len(ring)]
            for lat, lon in ring:
                numbers += [lat, lon]
            points += len(ring)
    assert all(-32768 <= n <= 32767 for n in numbers), max(numbers, key=abs)

    lines = [
        "// Generated by tools/country-outlines.py from DCW-GMT %s (package gmt-dcw); do not edit."
        % version,
        "// The DCW-GMT data are under the LGPL, version 3 or later (dist/copyright).",
        "// %d countries, %d points." % (countries, points),
        '#include "data/builtin_data.h"',
        "",
        "namespace orbisco {",
        "",
        "namespace {",
        "// clang-format off",
        "const qint16 kOutlines[] = {",
    ]
    row = []
    for number in numbers:
        row.append(str(number))
        if len(", ".join(row)) > 90:
            lines.append("    " + ", ".join(row) + ",")
            row = []
    if row:
        lines.append("    " + ", ".join(row) + ",")
    lines += [
        "};",
        "// clang-format on",
        "} // namespace",
        "",
        "const std::span<const qint16> kCountryOutlines(kOutlines);",
        "",
        "} // namespace orbisco",
        "",
    ]
    OUT.write_text("\n".join(lines))
    print("%s: %d countries, %d points, %d numbers" % (OUT, countries, points, len(numbers)),
          file=sys.stderr)


main()
