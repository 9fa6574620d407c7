#!/usr/bin/env bash
# Configures and builds the whole project in build/ (or $VORLIX_BUILD_DIR), two jobs at most.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${VORLIX_BUILD_DIR:-build}"
configure=(cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLIX_BUILD_TESTS=ON -DVORLIX_ENGINE_ONLY=OFF)
# A build folder keeps the generator it was first made with.
if [ ! -f "$build_dir/CMakeCache.txt" ] && command -v ninja >/dev/null 2>&1; then
  configure+=(-G Ninja)
fi
"${configure[@]}"
cmake --build "$build_dir" --parallel 2
