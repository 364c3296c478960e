#!/usr/bin/env bash
# End to end: Orbisco in a real X server (Xvfb) with no window manager, driven by real input
# (xdotool), read back from screenshots. Usage: window_e2e.sh path/to/orbisco path/to/map.jpg
set -euo pipefail
orbisco=$1
map_image=$2

work=$(mktemp -d)
app=""
xvfb=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "${KEEP:-}" ] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "${TMPDIR:-/tmp}/orbisco-e2e-failure.png" &&
        echo "last screenshot: ${TMPDIR:-/tmp}/orbisco-e2e-failure.png" >&2
    exit 1
}

# A display of our own; Xvfb writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export DBUS_SESSION_BUS_ADDRESS=disabled: # no session bus to start, nor one left behind

"$orbisco" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orbisco 1\.0$' | head -n 1) ||
    fail "no window named Orbisco 1.0 appeared"
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y, WIDTH, HEIGHT of the client area
[ "$WIDTH" = 634 ] && [ "$HEIGHT" = 559 ] || fail "client area is ${WIDTH}x$HEIGHT, not 634x559"
centre_x=$((X * 2 + WIDTH - 1024)) centre_y=$((Y * 2 + HEIGHT - 768)) # twice the offsets
[ "${centre_x#-}" -le 1 ] && [ "${centre_y#-}" -le 1 ] || fail "window at $X,$Y is not centred"

shot() { import -window root "$work/shot.png"; }
# Text in a rectangle of the window (x y w h), read by OCR from the latest screenshot.
read_text() {
    convert "$work/shot.png" -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage -colorspace Gray \
        -filter Lanczos -resize 600% -threshold 55% "$work/crop.png"
    tesseract "$work/crop.png" - --psm 7 -c tessedit_char_whitelist='()0123456789' 2>/dev/null |
        tr -d ' \n'
}
counter() { read_text 15 160 60 19; }
# Waits until the counter reads $1: the window repaints on its own time.
expect_counter() {
    local seen=""
    for _ in $(seq 30); do
        shot
        seen=$(counter)
        [ "$seen" = "$1" ] && return 0
        sleep 0.2
    done
    fail "counter reads '$seen', expected '$1'"
}

expect_counter "(243)"

# The map stands at its place: the window's pixels there are the map image's, but for the zone
# bar over +4 (blacked out in both) and the last image row, which the window's edge cuts off.
no_bar=(-fill black -draw "rectangle 398,0 399,356")
convert "$work/shot.png" -crop "615x357+$((X + 10))+$((Y + 202))" +repage "${no_bar[@]}" \
    "$work/map_shown.png"
convert "$map_image" -crop 615x357+0+0 +repage "${no_bar[@]}" "$work/map_expected.png"
difference=$( (compare -metric RMSE "$work/map_shown.png" "$work/map_expected.png" null: 2>&1 || true) |
    sed 's/.*(\(.*\))/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }' ||
    fail "the map area differs from the map image (normalised RMSE $difference)"

# Typing into the search box, which has the focus.
xdotool windowfocus --sync "$window"
xdotool type --delay 60 ger
expect_counter "(4)"
convert "$work/shot.png" -crop "233x116+$((X + 16))+$((Y + 40))" +repage "$work/list_before.png"

# A press in the column of UTC+5 lists its eight countries.
xdotool mousemove --window "$window" $((10 + 427)) $((202 + 150)) click 1
expect_counter "(8)"
convert "$work/shot.png" -crop "233x116+$((X + 16))+$((Y + 40))" +repage "$work/list_after.png"
changed=$(compare -metric AE "$work/list_before.png" "$work/list_after.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 500 ] || fail "the list did not change after the map press"

# Escape ends the program.
xdotool key Escape
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Escape did not end the program"
wait "$app" || fail "the program ended with an error"
app=""
# Started with a query and no window manager to activate the window: the search box has the
# focus all the same, with the query selected, so the first key typed replaces it.
"$orbisco" ger &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orbisco 1\.0$' | head -n 1) ||
    fail "no window named Orbisco 1.0 appeared the second time"
eval "$(xdotool getwindowgeometry --shell "$window")"
expect_counter "(4)"
xdotool type --delay 60 d
expect_counter "(13)"
xdotool key Escape
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Escape did not end the program started with a query"
app=""

echo "window end to end: passed"
