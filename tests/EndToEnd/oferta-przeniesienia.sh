#!/usr/bin/env bash
# The real program started as an AppImage from ~/Downloads (APPDIR holds a copy of the executable,
# APPIMAGE is a small script), on the X server of its ctest entry. Usage: PROGRAM SCREENSHOT_DIR
set -u
command -v xdotool >/dev/null && command -v import >/dev/null || { echo "[  SKIPPED ] needs xdotool and import"; exit 0; }
dom=$(mktemp -d) && trap 'rm -rf "$dom"' EXIT
export HOME=$dom XDG_CONFIG_HOME=$dom/.config XDG_DATA_HOME=$dom/.local/share QT_QPA_PLATFORM=xcb
mkdir -p "$dom/Downloads" "$dom/Applications" "$dom/appdir" "$XDG_DATA_HOME" "$2" && cp "$1" "$dom/appdir/" && : >"$dom/Applications/x.AppImage"
pakiet=$dom/Downloads/Tarrowind.AppImage cel=$dom/Applications/Tarrowind.AppImage ustawienia=$XDG_CONFIG_HOME/Tarrowind/Tarrowind.ini
printf '#!/bin/sh\necho "$0 ${APPDIR:-without APPDIR}" >"$HOME/relaunched"\n' >"$pakiet" && chmod 755 "$pakiet"

blad() { echo "FAILED: $*"; kill "$pid" 2>/dev/null; exit 1; }
poczekaj() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }
# Starts the program and waits for its first window; WIDTH tells the alert from the set-up wizard.
uruchom() {
  APPDIR=$dom/appdir APPIMAGE=$pakiet "$dom/appdir/$(basename "$1")" & pid=$!
  poczekaj 'okno=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | head -1); [ -n "$okno" ]' || blad "no window"
  sleep 0.5 && eval "$(xdotool getwindowgeometry --shell "$okno")"
}

# "Do Not Move" with the checkbox (Tab, Tab, Space) ticked stores the refusal; the next start shows no alert.
uruchom "$1" && [ "$WIDTH" -lt 500 ] || blad "the first window is not the alert"
import -window "$okno" "$2/oferta-przeniesienia.png"
xdotool windowfocus --sync "$okno" key Tab Tab space Escape
poczekaj 'grep -q "moveToApplicationsFolderAlertSuppress=true" "$ustawienia"' || blad "the refusal was not stored"
kill "$pid"; wait "$pid"
uruchom "$1" && [ "$WIDTH" -ge 500 ] || blad "the alert came again"
kill "$pid"; wait "$pid"

# "Move to Applications Folder" (the default button): a copy, the old one in the trash, status 0, the copy runs.
sed -i '/moveToApplicationsFolderAlertSuppress/d' "$ustawienia"
uruchom "$1" && xdotool windowfocus --sync "$okno" key Return
wait "$pid" || blad "the program ended with $?"
cmp -s "$cel" "$XDG_DATA_HOME/Trash/files/Tarrowind.AppImage" && [ ! -e "$pakiet" ] || blad "no copy, or the old one not in the trash"
poczekaj '[ -s "$dom/relaunched" ]' && [ "$(cat "$dom/relaunched")" = "$cel without APPDIR" ] || blad "the new copy did not run as itself"
echo PASSED
