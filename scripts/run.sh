#!/usr/bin/env bash
# Installs the Debian packages that building and running need (if missing), builds Orbisco and
# starts it. Any arguments become the initial search text: scripts/run.sh ger
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"

echo "Building in build/release ..."
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/release -j2 --target orbisco

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
Orbisco is built, but there is no display to show its window on (DISPLAY is not set).
Run it on a desktop, or in a virtual X server:
    apt-get install -y xvfb xauth && xvfb-run -a build/release/orbisco
MSG
    exit 1
fi
echo "Starting Orbisco (Escape quits) ..."
exec build/release/orbisco "$@"
