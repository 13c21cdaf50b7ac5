#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop gets from it: a desktop entry and metainfo
# that validate, the icon in every size, and the installed program, started as the entry starts it (from the
# prefix, with an empty home, away from the build tree), showing the set-up wizard on a virtual display.
# Usage: scripts/check-install.sh [BUILD_DIR]; the wizard's screenshot lands in BUILD_DIR/zrzuty.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="$(realpath "${1:-${TARROWIND_BUILD_DIR:-build}}")"
desktop_id=org.tarrowind.Tarrowind
# The set-up wizard's fixed width (WizardResources::szerokoscOkna): it tells the wizard from an alert.
wizard_width=700

if [ "${2:-}" != --on-display ]; then
  work="$(mktemp -d)" && trap 'rm -rf "$work"' EXIT
  cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
  desktop-file-validate "$work/prefix/share/applications/$desktop_id.desktop"
  appstreamcli validate --no-net "$work/prefix/share/metainfo/$desktop_id.metainfo.xml" >/dev/null
  for size in 16 24 32 48 64 128 256 512; do
    icon="$work/prefix/share/icons/hicolor/${size}x$size/apps/$desktop_id.png"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || { echo "FAILED: $icon is not ${size}x$size"; exit 1; }
  done
  # A bus of its own, so that a Tarrowind running in the caller's session is not the one activated.
  dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build_dir" --on-display "$work"
  exit
fi

work="$3"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
export PATH="$work/prefix/bin:$PATH" XDG_DATA_DIRS="$work/prefix/share:/usr/share"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR" && cd "$HOME"
# The entry's own command line, as a launcher runs it.
exec_line="$(sed -n 's/^Exec=//p' "$work/prefix/share/applications/$desktop_id.desktop")"
$exec_line & pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
fail() { echo "FAILED: $*"; exit 1; }

window=""
for _ in $(seq 150); do
  window="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1)" && [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended without a window"
  sleep 0.1
done
[ -n "$window" ] || fail "the installed program showed no window"
[ "$(readlink "/proc/$pid/exe")" = "$work/prefix/bin/tarrowind" ] || fail "the program that ran is not the installed one"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
name="$(xdotool getwindowname "$window")"
mkdir -p "$build_dir/zrzuty" && import -window "$window" "$build_dir/zrzuty/zainstalowany-kreator.png"
[ "$name" = Tarrowind ] && [ "$WIDTH" -eq "$wizard_width" ] || fail "the first window is \"$name\", ${WIDTH} wide, not the wizard"
# On X11 a desktop matches the window to the entry by the class of its WM_CLASS.
wm_class="$(sed -n 's/^StartupWMClass=//p' "$work/prefix/share/applications/$desktop_id.desktop")"
xprop -id "$window" WM_CLASS | grep -q ", \"$wm_class\"$" || fail "the window's class is not the entry's $wm_class"
echo "PASSED: installed, validated, and the installed program shows the wizard"
