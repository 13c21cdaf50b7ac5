#!/usr/bin/env bash
# The real program started as an AppImage from ~/Downloads (APPDIR a folder holding a copy of the
# executable, APPIMAGE a small script), on the X server its ctest entry brings. Usage: PROGRAM SCREENSHOT_DIR
set -u
program=$1 zrzuty=$2
for narzedzie in xdotool import; do
  command -v $narzedzie >/dev/null || { echo "[  SKIPPED ] needs $narzedzie"; exit 0; }
done
dom=$(mktemp -d) && trap 'rm -rf "$dom"' EXIT
export HOME=$dom XDG_CONFIG_HOME=$dom/.config XDG_DATA_HOME=$dom/.local/share QT_QPA_PLATFORM=xcb
mkdir -p "$dom/Downloads" "$dom/Applications" "$dom/appdir" "$XDG_DATA_HOME" "$zrzuty"
cp "$program" "$dom/appdir/tarrowind"
: >"$dom/Applications/x.AppImage"
pakiet=$dom/Downloads/Tarrowind.AppImage cel=$dom/Applications/Tarrowind.AppImage
printf '#!/bin/sh\necho "$0 ${APPDIR:-without APPDIR}" >"$HOME/relaunched"\n' >"$pakiet" && chmod 755 "$pakiet"
ustawienia=$XDG_CONFIG_HOME/Tarrowind/Tarrowind.ini

blad() { echo "FAILED: $*"; kill "$pid" 2>/dev/null; exit 1; }
uruchom() { APPDIR=$dom/appdir APPIMAGE=$pakiet "$dom/appdir/tarrowind" & pid=$!; }
# The first visible window of the program and its width.
pierwszeOkno() {
  for _ in $(seq 150); do
    okno=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1)
    [ -n "$okno" ] && { sleep 0.5; eval "$(xdotool getwindowgeometry --shell "$okno")"; return 0; }
    sleep 0.1
  done
  blad "no window within 15 s"
}

# The alert; "Do Not Move" with the checkbox (Tab, Tab) ticked stores the refusal.
uruchom && pierwszeOkno
[ "$WIDTH" -lt 500 ] || blad "the first window is not the alert"
import -window "$okno" "$zrzuty/oferta-przeniesienia.png"
xdotool windowfocus --sync "$okno" key Tab Tab space Escape
for _ in $(seq 50); do grep -q 'moveToApplicationsFolderAlertSuppress=true' "$ustawienia" 2>/dev/null && break; sleep 0.1; done
grep -q 'moveToApplicationsFolderAlertSuppress=true' "$ustawienia" || blad "the refusal was not stored"
kill "$pid"; wait "$pid"

# The next start shows no alert: its first window is the set-up wizard.
uruchom && pierwszeOkno
[ "$WIDTH" -ge 500 ] || blad "the alert came again"
kill "$pid"; wait "$pid"

# "Move to Applications Folder" (the default button) copies, trashes the old copy, ends with 0, and
# the copy in ~/Applications runs.
sed -i '/moveToApplicationsFolderAlertSuppress/d' "$ustawienia"
uruchom && pierwszeOkno
xdotool windowfocus --sync "$okno" key Return
wait "$pid"; status=$?
[ "$status" -eq 0 ] || blad "the program ended with $status"
cmp -s "$cel" "$XDG_DATA_HOME/Trash/files/Tarrowind.AppImage" || blad "no copy, or the old one not in the trash"
[ ! -e "$pakiet" ] || blad "the old copy stayed in Downloads"
for _ in $(seq 50); do [ -s "$dom/relaunched" ] && break; sleep 0.1; done
[ "$(cat "$dom/relaunched" 2>/dev/null)" = "$cel without APPDIR" ] || blad "the new copy did not run as itself"
echo "PASSED"
