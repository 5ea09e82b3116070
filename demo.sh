#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated card device as COM1 and, once
# the console exists, opens it; the simulator stops when the console closes.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh

bin=build/bin
"$bin/cardsim" "$@" &
sim=$!
trap 'kill $sim 2>/dev/null || true; wait $sim 2>/dev/null || true' EXIT INT TERM
sleep 0.5
if [ -x "$bin/carddemo" ]; then
  "$bin/carddemo"
else
  echo "The simulated device runs at $bin/ports/COM1; press Ctrl+C to stop it."
  wait $sim
fi
