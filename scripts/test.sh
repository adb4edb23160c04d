#!/usr/bin/env bash
# Builds Quillmark and runs every test. Usage: scripts/test.sh [PRESET]  (default: default;
# "asan" builds and tests with the address and undefined-behaviour sanitizers)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

preset=${1:-default}
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
