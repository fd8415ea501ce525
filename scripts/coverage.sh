#!/usr/bin/env bash
# Line coverage of src/ by the whole suite. Builds with coverage counters in a folder of its
# own, runs every test there (the end-to-end tests run the program built here, so they count
# too), and prints the summary; the table by file is left in BUILD_DIR/coverage.txt.
# Usage: scripts/coverage.sh [BUILD_DIR]   (default build-coverage in the checkout)
# Exits non-zero when a test fails, after printing the coverage all the same.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-coverage}")
cd "$root"
source scripts/deps.sh
zorvanel_install_deps "${zorvanel_build_packages[@]}" "${zorvanel_test_packages[@]}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
cmake --build "$build" -j "$(nproc)"

# Counters add up over runs: start from none so the figure is this run's alone. A test runs
# the program as another user (nobody, to meet a read-only folder); empty counter files that
# anyone may write let its run count too, and keep libgcov's complaint out of the error
# output that test reads. Those left empty belong to code that never ran.
find "$build" -name '*.gcda' -delete
find "$build" -name '*.gcno' -exec sh -c 'for f; do : >"${f%.gcno}.gcda"; chmod 666 "${f%.gcno}.gcda"; done' sh {} +
export QT_QPA_PLATFORM=offscreen
status=0
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 600 || status=$?
find "$build" -name '*.gcda' -empty -delete

# Only files under src/ count: the tests, tools and the build's generated moc files do not.
# CMake's compiler probe is built with the same flags; it is left out of the search only
# because gcov cannot find its source and warns.
gcovr --root . --filter src/ --object-directory "$build" -j "$(nproc)" \
  --exclude-directories "$build/CMakeFiles/[0-9.]+" \
  --txt "$build/coverage.txt" --print-summary
exit $status
