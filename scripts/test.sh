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
# At the end, or at a failure, it says how long each stage took.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=2

# Each stage's name and seconds, said at the end whatever the outcome.
stage_times=()
stage_name=""
stage_start=$SECONDS
stage() {
    if [ -n "$stage_name" ]; then
        stage_times+=("$(printf '  %-36s %5d s' "$stage_name" $((SECONDS - stage_start)))")
    fi
    stage_name=$1
    stage_start=$SECONDS
    if [ -n "$stage_name" ]; then
        echo "== $stage_name"
    fi
}
report_times() {
    stage ""
    echo "Time taken:"
    printf '%s\n' "${stage_times[@]}"
    printf '  %-36s %5d s\n' "all" "$SECONDS"
}
trap report_times EXIT

stage "Installing what is missing"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
export DBUS_SESSION_BUS_ADDRESS=disabled: # the tests need no session bus; start none

stage "1. Formatting"
mapfile -t sources < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"

stage "2. gcc build (build/test)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBISCO_WERROR=ON \
    -DORBISCO_BENCHMARKS=ON
cmake --build build/test -j$jobs

stage "2. gcc build's tests"
ctest --test-dir build/test --output-on-failure -j$jobs

stage "3. clang build with sanitizers"
CC=clang CXX=clang++ cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORBISCO_WERROR=ON -DORBISCO_SANITIZE=ON -DORBISCO_FUZZ=ON
cmake --build build/sanitize -j$jobs
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp"

stage "3. its tests"
ctest --test-dir build/sanitize --output-on-failure -j$jobs -LE fuzz

stage "3. fuzzing"
ctest --test-dir build/sanitize --output-on-failure -j$jobs -L fuzz

stage "4. clang-tidy"
find src -name '*.cpp' ! -name '*_data.cpp' -print0 |
    xargs -0 -n 4 -P $jobs clang-tidy -p build/sanitize --quiet
stage ""
echo "All checks passed."
