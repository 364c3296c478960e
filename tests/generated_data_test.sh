#!/usr/bin/env bash
# The generated data that is committed is what its generator makes of Debian's data today: the
# countries' outlines (tools/country-outlines.py, from gmt-dcw) and the flags (tools/make-flags.sh,
# from iso-flags-svg), each made anew into a folder of its own and compared byte for byte.
# Usage: generated_data_test.sh path/to/source. Skipped, saying why, where the data is missing.
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

missing=()
[ -e /usr/share/gmt-dcw/dcw-gmt.nc ] || missing+=(gmt-dcw)
/usr/bin/python3 -c 'import netCDF4' 2>/dev/null || missing+=(python3-netcdf4)
[ -d /usr/share/iso-flags-svg/country-4x3 ] || missing+=(iso-flags-svg)
[ -e /usr/share/iso-codes/json/iso_3166-1.json ] || missing+=(iso-codes)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Skipped: the generators need ${missing[*]} (apt-get install ${missing[*]})"
    exit 0
fi

# Both at once: each takes some twenty seconds on one core.
mkdir "$work/outlines" "$work/flags"
"$source/tools/country-outlines.py" "$work/outlines" >/dev/null &
outlines=$!
"$source/tools/make-flags.sh" "$work/flags"
wait "$outlines"

cmp "$work/outlines/country_outlines_data.cpp" "$source/src/data/country_outlines_data.cpp" || {
    echo "FAIL: src/data/country_outlines_data.cpp is not what tools/country-outlines.py makes" >&2
    exit 1
}
diff -r "$work/flags" "$source/src/window/flags" || {
    echo "FAIL: src/window/flags/ is not what tools/make-flags.sh makes" >&2
    exit 1
}
echo "generated data: as its generators make it"
