#!/usr/bin/env bash
# The real program started with extreme command lines (1 MB of text, invalid UTF-8, control
# characters) comes up and keeps running; a lone --help or --version prints and ends without a
# display, and with anything beside it is search text again. Usage: command_line_e2e.sh path/to/orbisco
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
runs "an option beside other text" --help ger
runs "an option twice" -v -v

# Without any display: the window would fail to open, so the program must end before opening one.
prints() { # option, text the output must hold
    local out status=0
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 5 "$orbisco" "$1" 2>&1) ||
        status=$?
    [ "$status" = 0 ] || { echo "FAIL: $1 ended with status $status: $out" >&2; exit 1; }
    [[ $out == *"$2"* ]] || { echo "FAIL: $1 printed: $out" >&2; exit 1; }
}
prints --help "--version"
prints -h "Esc"
prints --version "Orbisco "
prints -v "Orbisco "
# Output that cannot be written is a failure, not a success.
if "$orbisco" --help >/dev/full 2>/dev/null; then
    echo "FAIL: --help reported success writing to a full device" >&2
    exit 1
fi
echo "command lines: passed"
