#!/usr/bin/env bash
# Configures and builds into build/ (or $TARROWIND_BUILD_DIR) with Ninja: every target, or those named.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${TARROWIND_BUILD_DIR:-build}"
# TARROWIND_UNITY=ON compiles several sources at once: quicker from clean (CI), slower to rebuild one file.
# TARROWIND_SANITIZE=address,undefined builds every target under those sanitizers.
# TARROWIND_WERROR=ON makes every warning an error, as CI does. CMakePresets.json names the same builds.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${TARROWIND_BUILD_TYPE:-RelWithDebInfo}" \
  -DCMAKE_UNITY_BUILD="${TARROWIND_UNITY:-OFF}" -DTARROWIND_SANITIZE="${TARROWIND_SANITIZE:-}" \
  -DTARROWIND_WERROR="${TARROWIND_WERROR:-OFF}" >/dev/null
# Qt's autogen does not notice a header that gained Q_OBJECT after its last run; when its
# settings changed (a source was added), make it scan again.
find "$build_dir" -path '*_autogen.dir/AutogenInfo.json' 2>/dev/null | while read -r info; do
  target_dir="$(dirname "$(dirname "$(dirname "$info")")")/$(basename "$(dirname "$info")" .dir)"
  if [ "$info" -nt "$target_dir/timestamp" ]; then rm -f "$target_dir/timestamp"; fi
done
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
