#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
./scripts/build.sh
ctest --test-dir "${VORLIX_BUILD_DIR:-build}" --output-on-failure --parallel 2
