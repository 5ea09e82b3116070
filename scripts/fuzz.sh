#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ and runs each for
# SECONDS (default 60) from its committed seeds. A target that crashes or breaks one of
# its checks fails the run and leaves the input in build-fuzz/crashes/<target>/; try it
# again with `build-fuzz/fuzz/<target> <file>`.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2; }

scripts/install-deps.sh fuzz
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCARD_FUZZ=ON -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target fuzzers

failed=()
for source in fuzz/*_fuzzer.cpp; do
  target="$(basename "$source" .cpp)"
  name="${target%_fuzzer}"
  # New inputs go into a fresh working folder; the committed seeds are only read.
  work="build-fuzz/work/$target"
  crashes="build-fuzz/crashes/$target"
  rm -rf "$work" "$crashes"
  mkdir -p "$work" "$crashes"
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
           -artifact_prefix="$crashes/")
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  echo "== $target: $seconds s"
  if build-fuzz/fuzz/"$target" "${options[@]}" "$work" "fuzz/corpus/$name" \
       >"build-fuzz/work/$target.log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "build-fuzz/work/$target.log"
    rmdir "$crashes"
  else
    tail -n 40 "build-fuzz/work/$target.log"
    echo "$target FAILED: the input is in $crashes/" >&2
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing failed: ${failed[*]} (inputs in build-fuzz/crashes/)" >&2
  exit 1
fi
echo "All fuzz targets ran $seconds s each without a failure."
