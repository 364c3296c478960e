#!/usr/bin/env bash
# End to end: Orbisco in a real X server (Xvfb) with no window manager, driven by real input
# (xdotool), read back from screenshots, on a clock set by faketime to the March equinox of 2026
# at noon UTC. Usage: window_e2e.sh path/to/orbisco path/to/map.jpg
set -euo pipefail
orbisco=$1
map_image=$2

work=$(mktemp -d)
app=""
xvfb=""
# Ends the program and what it started (faketime forks the program and waits for it): one that
# hangs would hold the test's output open, and the test with it.
stop() {
    pkill -9 -P "$1" 2>/dev/null
    kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null || true
}
cleanup() {
    [ -n "$app" ] && stop "$app"
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

# Starts the program ("$@"), as $app, and waits for its window, as $window. A program whose window
# does not appear within seconds is killed and started once more, saying so; then the test fails.
start() {
    local attempt
    for attempt in 1 2; do
        "$@" &
        app=$!
        window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Orbisco 1\.0$' |
            head -n 1) && [ -n "$window" ] && return 0
        echo "no window named Orbisco 1.0 within 15 s (attempt $attempt): ending it" >&2
        stop "$app"
        app=""
    done
    fail "no window named Orbisco 1.0 appeared"
}

# The sun then stands over the Gulf of Guinea: day from 89° W to 93° E, night on the other side.
# Under the sanitizers libfaketime's start can now and then race their interceptors and hang
# ("Unexpected recursive calls to clock_gettime()"): then the second start is the test's.
start env FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f '@2026-03-20 12:00:00' "$orbisco"
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

# The map stands at its place: in daylight, the columns of UTC-5 to +5, the window's pixels there
# are the map image's, but for the zone bar over +4 and the dot at Kabul (blacked out in both),
# and the last image row, which the window's edge cuts off. At night, round the date line, they
# are darker than the image. The shading comes just after the first paint: wait for it.
masks=(-fill black -draw "rectangle 244,0 245,356" -draw "rectangle 252,141 266,156")
convert "$map_image" -crop 281x357+154+0 +repage "${masks[@]}" "$work/day_expected.png"
convert "$map_image" -crop 40x357+575+0 +repage "$work/night_expected.png"
brightness() { convert "$1" -colorspace Gray -format '%[fx:mean]' info:; }
night_expected=$(brightness "$work/night_expected.png")
for _ in $(seq 25); do
    shot
    convert "$work/shot.png" -crop "281x357+$((X + 10 + 154))+$((Y + 202))" +repage "${masks[@]}" \
        "$work/day_shown.png"
    convert "$work/shot.png" -crop "40x357+$((X + 10 + 575))+$((Y + 202))" +repage \
        "$work/night_shown.png"
    difference=$( (compare -metric RMSE "$work/day_shown.png" "$work/day_expected.png" null: 2>&1 ||
        true) | sed 's/.*(\(.*\))/\1/')
    night=$(brightness "$work/night_shown.png")
    awk -v d="$difference" -v n="$night" -v e="$night_expected" \
        'BEGIN { exit !(d < 0.02 && n < 0.75 * e) }' && break
    sleep 0.2
done
awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }' ||
    fail "the map's day differs from the map image (normalised RMSE $difference)"
awk -v n="$night" -v e="$night_expected" 'BEGIN { exit !(n < 0.75 * e) }' ||
    fail "the map's night is not darker than the map image ($night, image $night_expected)"

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
start "$orbisco" ger
eval "$(xdotool getwindowgeometry --shell "$window")"
expect_counter "(4)"
xdotool type --delay 60 d
expect_counter "(13)"
xdotool key Escape
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Escape did not end the program started with a query"
app=""

echo "window end to end: passed"
