#!/usr/bin/env bash
# Installs the Debian packages that building and testing need (if missing), builds Orbisco with
# its tests and benchmarks, warnings as errors, and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "Building in build/test ..."
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBISCO_WERROR=ON \
    -DORBISCO_BENCHMARKS=ON
cmake --build build/test -j2

echo "Running the tests ..."
ctest --test-dir build/test --output-on-failure
