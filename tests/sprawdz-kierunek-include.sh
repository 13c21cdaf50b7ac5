#!/usr/bin/env bash
# Fails on any #include "…" in src/ that runs upwards through the layers, and prints those lines:
#   Platform <- Model <- Platform/Ui <- Widgets <- Browser <- Actions <- Views <- App <- main.cpp
# Every library sees the whole of src/, so only this check keeps a lower folder from naming a higher one.
# A name without a folder is the including file's own folder.
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"
cd "$src"
grep -rn --include='*.h' --include='*.cpp' -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' . | awk '
function warstwa(sciezka) {
    if (sciezka ~ /^Platform\/Ui\//) return 2
    if (sciezka ~ /^Platform\//) return 0
    if (sciezka ~ /^Model\//) return 1
    if (sciezka ~ /^Widgets\//) return 3
    if (sciezka ~ /^Browser\//) return 4
    if (sciezka ~ /^Actions\//) return 5
    if (sciezka ~ /^Views\//) return 6
    if (sciezka ~ /^App\//) return 7
    return -1
}
BEGIN { split("Platform Model Platform/Ui Widgets Browser Actions Views App main.cpp", nazwy, " "); zle = 0 }
{
    plik = $0; sub(/^\.\//, "", plik); sub(/:.*/, "", plik)
    wiersz = $0; sub(/^[^:]*:[^:]*:/, "", wiersz)
    dolaczany = wiersz; sub(/^[^"]*"/, "", dolaczany); sub(/".*/, "", dolaczany)
    skad = (plik == "main.cpp") ? 8 : warstwa(plik)
    dokad = warstwa(dolaczany)
    if (skad < 0 || dokad < 0) next
    if (dokad > skad) {
        split($0, czesci, ":")
        printf "src/%s:%s: %s  (%s includes %s)\n", plik, czesci[2], wiersz, nazwy[skad + 1], nazwy[dokad + 1]
        zle = 1
    }
}
END { exit zle }
' || { echo "Includes above run upwards: reach a higher folder through an interface or a factory App fills." >&2; exit 1; }
echo "Every include in src/ runs downwards."
