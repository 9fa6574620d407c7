#!/usr/bin/env bash
# Sets everything up, builds, and makes a puzzle from the bundled animal list.
# Extra arguments go to 'vorlix-cli make', e.g. ./scripts/run.sh --seed 7 --json
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
./scripts/build.sh
"${VORLIX_BUILD_DIR:-build}/cli/vorlix-cli" make "$@" examples/animals.txt
