#!/usr/bin/env bash
# Runs each test binary once, whole, as a developer runs it: ctest gives every test a process of its
# own and so hides state one test leaves to the next. The cases that run only in entries of their own
# (a private bus, a mount namespace, an X server, an ordinary user) stay out, as in ctest.
# Usage: scripts/run-suites-whole.sh [build dir]
set -uo pipefail
build_dir="$(cd "${1:-${TARROWIND_BUILD_DIR:-build}}" && pwd)"
cd "$(dirname "$0")/.."
# The one list, read from where ctest's entries take it.
own_entry_tests="$(sed -n 's/^set(TARROWIND_OWN_ENTRY_TESTS "\(.*\)")$/\1/p' tests/CMakeLists.txt)"
[ -n "$own_entry_tests" ] || { echo "TARROWIND_OWN_ENTRY_TESTS not found in tests/CMakeLists.txt" >&2; exit 2; }
# The stress suite keeps a time budget of its own and runs under ctest's label "stress" only.
skipped_suites="tarrowind_stress_tests"
failed=()
for binary in "$build_dir"/tests/tarrowind_*_tests; do
  name="$(basename "$binary")"
  case " $skipped_suites tarrowind_xvfb_tests tarrowind_endtoend_tests " in *" $name "*) continue ;; esac
  log="$(mktemp)"
  start=$SECONDS
  QT_QPA_PLATFORM=offscreen timeout 600 "$binary" --gtest_filter="-$own_entry_tests" >"$log" 2>&1
  status=$?
  echo "== $name ($((SECONDS - start)) s)"
  # GoogleTest's summary: the counts and the failed tests.
  sed -n '/^\[==========\] [0-9]* tests* from .* ran/,$p' "$log"
  if [ "$status" -ne 0 ]; then
    failed+=("$name")
    grep -q '^\[==========\] [0-9]* tests* from .* ran' "$log" || { echo "-- ended early (status $status):"; tail -n 30 "$log"; }
  fi
  rm -f "$log"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed when run whole: ${failed[*]}" >&2
  exit 1
fi
echo "Every suite passed when run whole."
