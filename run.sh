#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tarrowind.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
echo "Built. The program starts once the application shell lands; run ./test.sh for the tests."
