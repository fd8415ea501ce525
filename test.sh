#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, and runs the whole suite headless:
# once in an ordinary build and once under AddressSanitizer and UndefinedBehaviorSanitizer,
# then fuzzes the file readers briefly. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
zorvanel_install_deps "${zorvanel_build_packages[@]}" "${zorvanel_test_packages[@]}"

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Every C++ file as the project's .clang-format lays it out.
check_format() {
  find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' |
    xargs clang-format-14 --dry-run --Werror
}

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600
}

# Runs every fuzz target at once for a few seconds on a scratch copy of its seed corpus,
# so that new inputs never land in the repository. A crashing input is kept in the build.
fuzz_smoke() {
  local dir=build-fuzz seconds=15 scratch t
  cmake -S fuzz -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
  cmake --build "$dir" -j "$jobs"
  scratch=$(mktemp -d)
  trap "rm -rf '$scratch'" EXIT
  local targets=(questionset worksheetindex metafile gift moodlexml) pids=() inputs
  for t in "${targets[@]}"; do
    # Pictures are larger than the text files and have words of their own.
    inputs=(-max_len=16384 -dict=fuzz/fields.dict)
    [[ $t == metafile ]] && inputs=(-max_len=65536 -dict=fuzz/metafile.dict)
    cp -r "fuzz/corpus/$t" "$scratch/$t"
    "$dir/fuzz_$t" -max_total_time=$seconds -timeout=5 -rss_limit_mb=1024 "${inputs[@]}" \
      -artifact_prefix="$dir/$t-" -print_final_stats=1 \
      "$scratch/$t" >"$scratch/$t.log" 2>&1 &
    pids+=($!)
  done
  local failed=0 i
  for i in "${!targets[@]}"; do
    t=${targets[i]}
    if wait "${pids[i]}"; then
      echo "fuzz_$t: $(grep -m1 DONE "$scratch/$t.log")"
    else
      failed=1
      echo "fuzz_$t failed:"
      tail -n 60 "$scratch/$t.log"
    fi
  done
  return $failed
}

echo "== formatting =="
check_format
echo "== ordinary build =="
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizer build =="
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DZORVANEL_SANITIZE=ON
echo "== fuzz smoke run =="
fuzz_smoke
