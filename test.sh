#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. The exit status is the tests'.
#   ./test.sh             into build/
#   ./test.sh --sanitize  the same suite built with AddressSanitizer and
#                         UndefinedBehaviorSanitizer into build-sanitize/, leak checking on,
#                         stopping at the first error
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
  "") sanitize=false ;;
  --sanitize) sanitize=true ;;
  *) echo "usage: ./test.sh [--sanitize]" >&2; exit 2 ;;
esac
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
# The suite pins the texts of a bare system; the tests of other languages name their own.
export LC_ALL=C.UTF-8
unset LANGUAGE CARDDEMO_LANG
if ! $sanitize; then
  scripts/build.sh
  ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"
  exit
fi

# The options hold for the build too: it runs each test program to list its tests.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Unoptimised, with assertions on and line tables only: a quarter of the compile time of an
# optimised build, and the suite waits on its devices more than it computes.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" "${launcher[@]}" \
  >/dev/null
cmake --build build-sanitize --parallel "$(nproc)"
ctest --test-dir build-sanitize --output-on-failure --timeout 300 -j "$(nproc)"
