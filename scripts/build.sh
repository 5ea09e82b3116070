#!/usr/bin/env bash
# Configures and builds into build/: everything, or the targets given ("--target a b").
# A compiler cache is used when the machine has one: rebuilds after switching branches
# then take seconds, not minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build --parallel "$(nproc)" "$@"
