#!/usr/bin/env bash
# The real program started with extreme command lines (1 MB of text, invalid UTF-8, control
# characters) comes up and keeps running. Usage: command_line_e2e.sh path/to/orbisco
set -euo pipefail
orbisco=$1
export QT_QPA_PLATFORM=offscreen

runs() { # name, arguments...: the program must still be running when stopped after 3 seconds
    local name=$1 status=0
    shift
    timeout 3 "$orbisco" "$@" >/dev/null 2>&1 || status=$?
    [ "$status" = 124 ] || { echo "FAIL: $name: the program ended with status $status" >&2; exit 1; }
}

chunk=$(head -c 65535 /dev/zero | tr '\0' 'x')
megabyte=()
for _ in $(seq 16); do megabyte+=("$chunk"); done
runs "1 MB" "${megabyte[@]}"
runs "invalid UTF-8" $'g\xff\xfer' $'\xc3'
runs "control characters" $'ger\x01\x1b' $'\t\n\r'
echo "command lines: passed"
