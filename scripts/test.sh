#!/usr/bin/env bash
# Installs the Debian packages that building and testing need (if missing; as root with apt-get),
# then checks everything, stopping at the first failure:
#   1. the sources are formatted as .clang-format says;
#   2. a gcc build, warnings as errors, and every test with CTest: the core, the window (Qt's
#      offscreen platform), a 10,000-action soak, end to end in Xvfb with xdotool, extreme command
#      lines, the core under valgrind, and the .deb package;
#   3. a clang build with AddressSanitizer and UndefinedBehaviorSanitizer, every test again, and
#      each libFuzzer target for a bounded number of inputs;
#   4. clang-tidy over the program's sources, warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
export DBUS_SESSION_BUS_ADDRESS=disabled: # the tests need no session bus; start none
jobs=2

echo "== 1. Formatting"
mapfile -t sources < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"

echo "== 2. gcc build and tests (build/test)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBISCO_WERROR=ON \
    -DORBISCO_BENCHMARKS=ON
cmake --build build/test -j$jobs
ctest --test-dir build/test --output-on-failure -j$jobs

echo "== 3. clang build with sanitizers, tests and fuzzing (build/sanitize)"
CC=clang CXX=clang++ cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORBISCO_WERROR=ON -DORBISCO_SANITIZE=ON -DORBISCO_FUZZ=ON
cmake --build build/sanitize -j$jobs
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp" \
    ctest --test-dir build/sanitize --output-on-failure -j$jobs

echo "== 4. clang-tidy"
find src -name '*.cpp' ! -name '*_data.cpp' -print0 |
    xargs -0 -n 4 -P $jobs clang-tidy -p build/sanitize --quiet
echo "All checks passed."
