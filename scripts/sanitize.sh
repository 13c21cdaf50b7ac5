#!/usr/bin/env bash
# Builds the test suites under AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ (or
# $TARROWIND_SANITIZE_BUILD_DIR) and runs them: the platform, model, widgets, views and actions suites and the stress run.
# A memory error, undefined behaviour or a leak fails its test. Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
export TARROWIND_BUILD_DIR="${TARROWIND_SANITIZE_BUILD_DIR:-build-sanitize}"
export TARROWIND_SANITIZE="${TARROWIND_SANITIZE:-address,undefined}"
# From clean, the quickest: one compile for several sources, and only the executables these suites run.
export TARROWIND_BUILD_TYPE="${TARROWIND_BUILD_TYPE:-Check}"
export TARROWIND_UNITY="${TARROWIND_UNITY:-ON}"
# A warning fails this build, as it fails CI's.
export TARROWIND_WERROR="${TARROWIND_WERROR:-ON}"
./scripts/build.sh tarrowind_platform_tests tarrowind_model_tests tarrowind_widgets_tests tarrowind_views_tests \
  tarrowind_actions_tests tarrowind_stress_tests
echo "Sanitizer build: $((SECONDS - start)) s"

# Leaks are looked for at each test's exit; what the libraries below us keep for good is listed, with the reason,
# in the suppression files.
export ASAN_OPTIONS="detect_leaks=1:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$PWD/tests/sanitizer/ubsan.supp:${UBSAN_OPTIONS:-}"
cd "$TARROWIND_BUILD_DIR"
status=0
ctest --output-on-failure --parallel "$(nproc)" -L '^(platform|model|widgets|views|actions|stress)$' "$@" || status=$?
echo "Sanitizer pass: $((SECONDS - start)) s"
exit $status
