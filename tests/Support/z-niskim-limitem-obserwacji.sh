#!/bin/sh
# Runs the tests past the inotify watch limit (names holding "PonadLimitemObserwacji") of the given
# test executables, each in a user namespace of its own (unshare -U -r): there a test may lower
# /proc/sys/user/max_inotify_watches for itself alone, with no privilege and without touching the
# machine's limit. Where user namespaces are refused, the tests run as they are and skip, saying why.
filtr='*PonadLimitemObserwacji*'
if powod="$(unshare -U -r true 2>&1)"; then
  jako="unshare -U -r"
else
  jako=""
  export TARROWIND_BEZ_PRZESTRZENI_UZYTKOWNIKA="unshare -U -r refused: ${powod:-no reason given}"
fi
wynik=0
for program in "$@"; do
  $jako "$program" --gtest_filter="$filtr" || wynik=1
done
exit $wynik
