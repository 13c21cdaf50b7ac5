#!/usr/bin/env bash
# Runs each test binary once, whole, as a developer runs it: ctest gives every test a process of its
# own and so hides state one test leaves to the next. The cases that run only in entries of their own
# (a private bus, a mount namespace, an ordinary user, the other program's drags) stay out, as in ctest.
# The suites run side by side, the two on an X server each on its own: xvfb-run -a would hand two
# servers started at once the same display, so they look for a free one from numbers far apart. Their
# screenshots go to a temporary folder, so that those of the ctest run stay.
# Usage: scripts/run-suites-whole.sh [build dir]
set -uo pipefail
build_dir="$(cd "${1:-${TARROWIND_BUILD_DIR:-build}}" && pwd)"
cd "$(dirname "$0")/.."
# The one list, read from where ctest's entries take it.
own_entry_tests="$(sed -n 's/^set(TARROWIND_OWN_ENTRY_TESTS "\(.*\)")$/\1/p' tests/CMakeLists.txt)"
[ -n "$own_entry_tests" ] || { echo "TARROWIND_OWN_ENTRY_TESTS not found in tests/CMakeLists.txt" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
x_screen=(-s "-noreset -screen 0 1280x1024x24")

# run_whole <name> <command...>: runs the command, writing its output and "<status> <seconds>".
run_whole() {
  local name="$1" start=$SECONDS
  shift
  timeout 600 "$@" >"$work/$name.log" 2>&1
  echo "$? $((SECONDS - start))" >"$work/$name.status"
}

start=$SECONDS
names=()
for binary in "$build_dir"/tests/tarrowind_*_tests; do
  name="$(basename "$binary")"
  case "$name" in tarrowind_xvfb_tests | tarrowind_endtoend_tests) continue ;; esac
  names+=("$name")
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n; done
  QT_QPA_PLATFORM=offscreen run_whole "$name" "$binary" --gtest_filter="-$own_entry_tests" &
done
names+=(tarrowind_xvfb_tests tarrowind_endtoend_tests)
QT_QPA_PLATFORM=xcb TARROWIND_SCREENSHOTS="$work/screenshots" \
  run_whole tarrowind_xvfb_tests xvfb-run -a -n 120 "${x_screen[@]}" "$build_dir/tests/tarrowind_xvfb_tests" &
TARROWIND_PROGRAM="$build_dir/src/tarrowind" TARROWIND_ZRZUTY="$work/zrzuty" \
  run_whole tarrowind_endtoend_tests xvfb-run -a -n 160 "${x_screen[@]}" dbus-run-session -- \
  "$build_dir/tests/tarrowind_endtoend_tests" &
wait

failed=()
for name in "${names[@]}"; do
  read -r status seconds <"$work/$name.status"
  echo "== $name ($seconds s)"
  # GoogleTest's summary: the counts and the failed tests.
  sed -n '/^\[==========\] [0-9]* tests* from .* ran/,$p' "$work/$name.log"
  if [ "$status" -ne 0 ]; then
    failed+=("$name")
    # Each failed test's own output, from its start to its verdict.
    awk '/^\[ RUN      \] /{test=$4; n=0} {lines[n++]=$0} /^\[  FAILED  \] / && $4==test {for (i=0;i<n;i++) print lines[i]; test=""}' \
      "$work/$name.log"
    grep -q '^\[==========\] [0-9]* tests* from .* ran' "$work/$name.log" ||
      { echo "-- ended early (status $status):"; tail -n 30 "$work/$name.log"; }
  fi
done
echo "The suites run whole took $((SECONDS - start)) s."
if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed when run whole: ${failed[*]}" >&2
  exit 1
fi
echo "Every suite passed when run whole."
