#!/usr/bin/env bash
# Builds the .deb and checks it as Debian and a desktop would: lintian, the dependencies against
# what the program really loads, the installed tree (desktop entry, metainfo, icons, manual page,
# copyright, changelog, a hardened and stripped binary), and the installed program itself.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null
deb=$(ls "$work"/out/*.deb)
version=$(dpkg-deb -f "$deb" Version)

# --- What Debian's checker says: no error, no warning ---------------------------------------
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian" >&2; fail "lintian"; }
! grep -E '^[EW]: ' "$work/lintian" || fail "lintian reports errors or warnings"

# --- Dependencies: every package the program needs at run time is declared -----------------
depends=$(dpkg-deb -f "$deb" Depends)
declared() { [[ ", $depends," == *", $1 "* || ", $depends," == *", $1,"* ]]; }
owner() { # the package that installed a file, under any of its names (/lib is /usr/lib)
    local real name
    real=$(realpath "$1")
    for name in "$1" "$real" "${real#/usr}"; do
        dpkg -S "$name" 2>/dev/null | head -1 | cut -d: -f1 && return 0
    done
    return 0
}
[[ $depends == *"libc6 (>= "* ]] || fail "no versioned libc6 (dpkg-shlibdeps not used?): $depends"
dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/orbisco
[ -x "$program" ] || fail "no program in usr/bin"
for library in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    path=$(ldd "$program" | awk -v name="$library" '$1 == name {print $3}')
    package=$(owner "$path")
    declared "$package" || fail "the program needs $library from '$package', which Depends lacks"
done
plugins=$(dirname "$(dirname "$(realpath /usr/lib/*/qt6/plugins/platforms/libqxcb.so)")")
for needed in "$plugins/platforms/libqxcb.so" "$(fc-match -f '%{file}' 'Arial:bold')" \
    /usr/share/zoneinfo/Europe/Berlin /usr/share/qt6/translations/qtbase_de.qm \
    /usr/share/iso-codes/json/iso_3166-1.json; do
    [ -e "$needed" ] || fail "$needed is missing on this machine"
    declared "$(owner "$needed")" || fail "Depends lacks $(owner "$needed"), which has $needed"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || fail "qt6-wayland is not recommended"

# --- The binary: stripped and hardened -----------------------------------------------------
file "$program" | grep -q 'pie executable.*, stripped' || fail "not a stripped PIE: $(file "$program")"
dynamic=$(readelf -d "$program")
segments=$(readelf -lW "$program")
symbols=$(readelf --dyn-syms -W "$program")
grep -q 'BIND_NOW' <<<"$dynamic" || fail "relocations are not bound at start-up"
grep -q 'GNU_RELRO' <<<"$segments" || fail "no read-only relocations"
! grep -qE 'RPATH|RUNPATH' <<<"$dynamic" || fail "the program carries a library path"
grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector"

# --- The desktop: entry, metainfo and icons --------------------------------------------------
share=$work/root/usr/share
desktop=$(ls "$share"/applications/*.desktop)
id=$(basename "$desktop" .desktop)
hints=$(desktop-file-validate "$desktop" 2>&1) || fail "the desktop entry is not valid: $hints"
[ -z "$hints" ] || fail "desktop-file-validate: $hints"
metainfo=$share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo for $id"
appstreamcli validate --no-net "$metainfo" >"$work/appstream" 2>&1 || {
    cat "$work/appstream" >&2; fail "the metainfo is not valid"; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q '<summary xml:lang="de">' "$metainfo" || fail "the metainfo has no German summary"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/$icon.png
    file "$png" | grep -q "PNG image data, $size x $size," || fail "no $size x $size icon $icon"
done
svg=$share/icons/hicolor/scalable/apps/$icon.svg
rsvg-convert "$svg" -o "$work/svg.png" 2>/dev/null && file "$work/svg.png" | grep -q '256 x 256,' ||
    fail "no scalable icon $icon"

# --- Manual page, copyright, changelog -------------------------------------------------------
manual=$share/man/man1/orbisco.1.gz
[ -f "$manual" ] || fail "no manual page"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >"$work/manual")
[ -z "$warnings" ] || fail "the manual page has faults: $warnings"
"$program" --help >"$work/usage"
for said in $(grep -oE -- '(--?[a-z]+|QT_[A-Z_]+)' "$work/usage" | sort -u); do
    grep -qF -- "$said" "$work/manual" || fail "--help names $said, the manual page does not"
done
[ "$("$program" --version)" = "Orbisco $version" ] || fail "--version is not the package's $version"
copyright=$work/root/usr/share/doc/orbisco/copyright
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not machine-readable"
# Every data package the image generator draws from is named with its licence.
for data in $(grep -oE 'gmt-[a-z-]+' "$source/tools/make-images.sh" | sort -u); do
    grep -q "$data" "$copyright" || fail "the copyright file does not name $data"
done
[ "$(zcat "$work/root/usr/share/doc/orbisco/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = "$version" ] ||
    fail "the changelog's newest entry is not $version"
[ "$(dpkg-deb -c "$deb" | grep -c -E '(bench|test|fuzz)')" = 0 ] ||
    fail "the package holds test or benchmark files"

# --- The installed program: it runs, and the desktop can match its window to the entry -------
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$program" ger >"$work/log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/log" >&2; fail "the installed program ended ($status) instead of running"; }
class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$class" ] || fail "the desktop entry names no window class"
export program class
xvfb-run -a -s '-screen 0 800x600x24' bash -c '
    QT_QPA_PLATFORM=xcb "$program" &
    timeout 10 xdotool search --sync --class "^$class\$" >/dev/null; found=$?
    kill $! 2>/dev/null; exit $found' ||
    fail "no window of class $class (the entry's StartupWMClass) appeared"

# On Wayland the desktop matches the window by its app id: the entry's name. Qt's Wayland client
# says which it sets when asked to log its protocol.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=orbisco-test --idle-time=0 >"$work/weston" 2>&1 &
compositor=$!
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/orbisco-test" ] && break; sleep 0.1; done
appId=$( { WAYLAND_DISPLAY=orbisco-test WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland \
    timeout 3 "$program" 2>&1 || true; } | sed -n 's/.*set_app_id("\(.*\)").*/\1/p' | head -1)
kill "$compositor" 2>/dev/null || true
[ "$appId" = "$id" ] || fail "the Wayland app id is '$appId', not the entry's name $id"
echo "package: passed"
