#!/usr/bin/env bash
# Sets everything up, builds, and starts the desktop program. Arguments go to vorlix,
# e.g. ./scripts/run.sh my-puzzle.ws
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
./scripts/build.sh
exec "${VORLIX_BUILD_DIR:-build}/shell/vorlix" "$@"
