#!/usr/bin/env bash
# Counts the instructions a window program runs from exec until it has settled: it runs for some
# seconds under callgrind, in an X server of its own (Xvfb, 1280 x 1024, 24 bits) with the
# fontconfig cache current, and then gets SIGTERM. Prints the total; with a third argument, also
# the functions that cost the most, inclusive.
#   bench/settled_instructions.sh PROGRAM [SECONDS] [TOP]
set -euo pipefail
program=$(realpath "$1")
seconds=${2:-6}
top=${3:-0}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fc-cache >/dev/null 2>&1 || true
(cd "$work" && xvfb-run -a -s '-screen 0 1280x1024x24' timeout -s TERM "$seconds" \
    valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "$program" >/dev/null 2>&1) || true
total=$(callgrind_annotate "$work/cg.out" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
printf '%s %s\n' "$(basename "$program")" "$total"
if [ "$top" -gt 0 ]; then
    callgrind_annotate --inclusive=yes "$work/cg.out" 2>/dev/null | sed -n '/^ *Ir/,$p' | head -n $((top + 2))
fi
