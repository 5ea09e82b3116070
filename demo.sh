#!/usr/bin/env bash
# Checks for a display, installs what is missing, builds the programs the demo runs (not
# the tests: ./test.sh builds those), starts the simulated card device as COM1 and opens
# the console. The simulator stops when the console closes.
#   ./demo.sh                  sample cards swiped every 2 s, every write confirmed
#   ./demo.sh --cards FILE     your own cards (see build/bin/cardsim --help)
set -euo pipefail
cd "$(dirname "$0")"

# Before anything else: without a display the build would be minutes spent for nothing.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the console on. On a machine without one, try:" >&2
  echo "  xvfb-run -s '-screen 0 1280x900x24' ./demo.sh" >&2
  exit 1
fi

demo_targets=(carddemo cardsim cardctl)

scripts/install-deps.sh
scripts/build.sh --target "${demo_targets[@]}"

bin=build/bin
rm -f "$bin/ports/COM1"
"$bin/cardsim" --swipe-ms 2000 "$@" &
sim=$!
trap 'kill $sim 2>/dev/null || true; wait $sim 2>/dev/null || true' EXIT INT TERM
for _ in $(seq 100); do
  [ -e "$bin/ports/COM1" ] && break
  kill -0 $sim 2>/dev/null || { echo "The simulator did not start." >&2; exit 1; }
  sleep 0.05
done
echo "Choose \"2&3轨\" (in English \"T2&3\") and press \"运行\" (\"Run\"): the simulated cards appear in the log."
"$bin/carddemo"
