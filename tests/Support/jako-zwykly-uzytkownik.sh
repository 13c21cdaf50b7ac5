#!/usr/bin/env bash
# Runs the permission tests (names holding "Nieuprzywilejowan") of the given test executables as
# an ordinary user: directly when not root, through setpriv as nobody (65534) when root, whom no
# read-only or locked folder stops. Whatever prevents that fails the entry with its reason: a
# silent skip would hide exactly the faults these tests are for.
set -uo pipefail

filtr='*Nieuprzywilejowan*'
uzytkownik=65534

nie_moge() {
  echo "Cannot run the tests as an ordinary user: $*" >&2
  exit 1
}

jako=()
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || nie_moge "setpriv (util-linux) is not installed"
  tymczasowy="$(mktemp -d "${TMPDIR:-/tmp}/tarrowind-nieuprzywilejowany-XXXXXX")" || nie_moge "no temporary folder"
  trap 'rm -rf "$tymczasowy"' EXIT
  chown "$uzytkownik:$uzytkownik" "$tymczasowy" || nie_moge "cannot give $tymczasowy to uid $uzytkownik"
  jako=(setpriv --reuid="$uzytkownik" --regid="$uzytkownik" --clear-groups env TMPDIR="$tymczasowy")
  [ "$("${jako[@]}" id -u 2>&1)" = "$uzytkownik" ] || nie_moge "setpriv could not drop to uid $uzytkownik"
fi

wynik=0
for program in "$@"; do
  if [ ${#jako[@]} -gt 0 ] && ! "${jako[@]}" test -x "$program"; then
    nie_moge "uid $uzytkownik cannot run $program (every folder above it needs o+x)"
  fi
  wyjscie="$("${jako[@]}" "$program" --gtest_filter="$filtr" 2>&1)"
  status=$?
  echo "$wyjscie"
  if [ $status -ne 0 ]; then
    wynik=1
  elif ! grep -q '^\[==========\] [1-9][0-9]* tests\? from' <<<"$wyjscie"; then
    echo "No test of $program matches $filtr." >&2
    wynik=1
  elif grep -q '^\[  SKIPPED \]' <<<"$wyjscie"; then
    echo "A test of $program skipped: as an ordinary user it must run." >&2
    wynik=1
  fi
done
exit $wynik
