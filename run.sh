#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tarrowind.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
exec "${TARROWIND_BUILD_DIR:-build}/src/tarrowind" "$@"
