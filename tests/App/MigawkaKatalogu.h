#pragma once

#include <QString>

#include <map>
#include <string>

// Everything under a folder, hidden items too: each relative path with its kind, mode and a hash
// of its bytes (a link with its target), so that two trees can be compared byte for byte.
std::map<std::string, std::string> migawkaKatalogu(const QString &katalog);

// A portfolio of `liczbaFasolek` folder beans (one file each) and a file bean, with a link
// and an executable file, at `katalog`/Tarrowind; answers the portfolio's path.
QString zrobPortfolio(const QString &katalog, int liczbaFasolek, int rozmiarPliku = 4096);
