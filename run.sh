#!/usr/bin/env bash
# Installs what is missing, builds the program alone (./test.sh builds the tests and benchmarks), and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh tarrowind
exec "${TARROWIND_BUILD_DIR:-build}/src/tarrowind" "$@"
