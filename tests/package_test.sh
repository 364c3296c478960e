#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root, checks what it holds and declares, and starts
# the installed program. Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null
deb=$(ls "$work"/out/*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation tzdata; do
    [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done

dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/orbisco
desktop=$work/root/usr/share/applications/org.orbisco.Orbisco.desktop
icon=$work/root/usr/share/icons/hicolor/32x32/apps/org.orbisco.Orbisco.png
[ -x "$program" ] || fail "no program in usr/bin"
[ -f "$desktop" ] || fail "no desktop entry in usr/share/applications"
[ -f "$icon" ] || fail "no icon in the hicolor theme"
file "$icon" | grep -q 'PNG image data, 32 x 32' || fail "the icon is not a 32 x 32 PNG"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
grep -qx 'Name=Orbisco' "$desktop" || fail "the desktop entry is not named Orbisco"
grep -q '^Comment\[de\]=' "$desktop" && grep -q '^Comment=' "$desktop" ||
    fail "the desktop entry lacks an English or a German comment"
grep -qx 'Categories=Utility;Education;Geography;' "$desktop" || fail "wrong categories"
[ "$(dpkg-deb -c "$deb" | grep -c -E '(bench|test|fuzz)')" = 0 ] ||
    fail "the package holds test or benchmark files"

# The installed program starts and keeps running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$program" ger >"$work/log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/log" >&2; fail "the installed program ended ($status) instead of running"; }
echo "package: passed"
