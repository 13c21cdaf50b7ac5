#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: each in a process of its own (ctest), then each
# suite's binary once, whole, as a developer runs it. Arguments go to ctest alone, which then runs only those.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
build_dir="${TARROWIND_BUILD_DIR:-build}"
(cd "$build_dir" && ctest --output-on-failure --parallel "$(nproc)" "$@")
[ $# -gt 0 ] || ./scripts/run-suites-whole.sh "$build_dir"
