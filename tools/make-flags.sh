#!/usr/bin/env bash
# Makes the flags the "Alpha Code:" read-out shows, from Debian's iso-flags-svg (public domain):
#   src/window/flags/xx.png     20 x 15 pixels, for every ISO 3166-1 code (lower case)
#   src/window/flags/xx@2x.png  40 x 30 pixels, the same for screens of twice the density
# as rsvg-convert draws the 4:3 SVG flags, so that the window decodes a small PNG at a change of
# country instead of drawing an SVG (Serbia's is 884 KB). The codes are those of ISO 3166-1 in
# Debian's iso-codes. Its output is committed; building Orbisco never needs what this needs:
#   apt-get install iso-flags-svg iso-codes librsvg2-bin
# Running it twice gives the same bytes. An output folder may be given (the tests use one).
set -euo pipefail
out=${1:-$(cd "$(dirname "$0")/.." && pwd)/src/window/flags}
svg=/usr/share/iso-flags-svg/country-4x3
codes=/usr/share/iso-codes/json/iso_3166-1.json
for needed in "$svg/de.svg" "$codes"; do
    [ -e "$needed" ] || { echo "missing $needed: apt-get install iso-flags-svg iso-codes" >&2; exit 1; }
done
command -v rsvg-convert >/dev/null || { echo "missing rsvg-convert: apt-get install librsvg2-bin" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out"/*.png
# The alpha-2 codes, one a line, from the JSON's "alpha_2" fields.
grep -o '"alpha_2": *"[A-Z][A-Z]"' "$codes" | grep -o '[A-Z][A-Z]' | tr 'A-Z' 'a-z' | sort -u |
    while read -r code; do
        [ -e "$svg/$code.svg" ] || { echo "no flag for $code" >&2; exit 1; }
        rsvg-convert --width 20 --height 15 "$svg/$code.svg" --output "$out/$code.png"
        rsvg-convert --width 40 --height 30 "$svg/$code.svg" --output "$out/$code@2x.png"
    done
