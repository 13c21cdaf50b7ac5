#include "GeneratorPortfolio.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The places of a flow in the order beans are dealt to them, with the status each gives.
struct Miejsce
{
    const char *katalog; // nullptr: the flow folder itself
    int status;
};
constexpr Miejsce miejsca[] = {
    {nullptr, 2}, {"_Incubation", 1}, {"_Waiting_For", 3}, {"_Inactive", 4}, {"_Ready", 5}, {"_Done", 6},
};
constexpr const char *rozszerzenia[] = {".txt", ".pdf", ".png", ".md", ".odt", ""};

bool utworzKatalog(const QByteArray &sciezka)
{
    return mkdir(sciezka.constData(), 0755) == 0 || errno == EEXIST;
}

bool utworzPlik(const QByteArray &sciezka)
{
    const int fd = open(sciezka.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool zapisany = write(fd, "x\n", 2) == 2;
    return close(fd) == 0 && zapisany;
}

QByteArray numer(int n)
{
    return QByteArray::number(n).rightJustified(4, '0');
}

// One bean: a file with an extension, or a folder holding a few files.
bool utworzFasolke(const QByteArray &katalog, int indeks, int plikiWKatalogu, GeneratorPortfolio::Wynik &wynik)
{
    const bool katalogowa = (indeks / int(std::size(miejsca))) % 2 == 1;
    if (!katalogowa)
        return utworzPlik(katalog + "/Fasolka " + numer(indeks) + rozszerzenia[indeks % std::size(rozszerzenia)]);
    const QByteArray sciezka = katalog + "/Projekt " + numer(indeks);
    if (!utworzKatalog(sciezka))
        return false;
    ++wynik.fasolkiKatalogowe;
    for (int p = 0; p < plikiWKatalogu; ++p) {
        if (!utworzPlik(sciezka + "/plik " + QByteArray::number(p) + rozszerzenia[p % std::size(rozszerzenia)]))
            return false;
    }
    return true;
}

} // namespace

GeneratorPortfolio::Wynik GeneratorPortfolio::zbuduj(const QString &katalogBazowy, const Uklad &uklad)
{
    Wynik wynik;
    wynik.korzen = katalogBazowy + QStringLiteral("/Tarrowind");
    const QByteArray korzen = QFile::encodeName(wynik.korzen);
    const QByteArray wszystkie = korzen + "/All Beans";
    const QByteArray archiwum = korzen + "/Archived Beans";
    if (!utworzKatalog(korzen) || !utworzKatalog(wszystkie) || !utworzKatalog(archiwum))
        return wynik;

    const int naArchiwum = uklad.fasolkiNaArchiwumPotoku >= 0 ? uklad.fasolkiNaArchiwumPotoku
                                                              : uklad.fasolkiNaPotok / 10;
    for (int p = 0; p < uklad.potoki; ++p) {
        const QByteArray nazwaPotoku = p == 0 ? QByteArray("_Main_Flow") : "Potok " + numer(p);
        const QByteArray potok = wszystkie + '/' + nazwaPotoku;
        if (!utworzKatalog(potok) || !utworzKatalog(potok + "/_Flow_Items"))
            return wynik;
        for (const Miejsce &miejsce : miejsca) {
            if (miejsce.katalog && !utworzKatalog(potok + '/' + miejsce.katalog))
                return wynik;
        }
        for (int r = 0; r < uklad.plikiWRzeczachPotoku; ++r) {
            if (!utworzPlik(potok + "/_Flow_Items/rzecz " + QByteArray::number(r) + ".txt"))
                return wynik;
        }
        for (int f = 0; f < uklad.fasolkiNaPotok; ++f) {
            const Miejsce &miejsce = miejsca[f % std::size(miejsca)];
            const QByteArray katalog = miejsce.katalog ? potok + '/' + miejsce.katalog : potok;
            if (!utworzFasolke(katalog, f, uklad.plikiWFasolceKatalogowej, wynik))
                return wynik;
            ++wynik.fasolkiWgStatusu[size_t(miejsce.status)];
            ++wynik.fasolkiWPotokach;
        }
        if (naArchiwum > 0) {
            const QByteArray archiwumPotoku = archiwum + '/' + nazwaPotoku;
            if (!utworzKatalog(archiwumPotoku))
                return wynik;
            for (int f = 0; f < naArchiwum; ++f) {
                if (!utworzFasolke(archiwumPotoku, f, uklad.plikiWFasolceKatalogowej, wynik))
                    return wynik;
                ++wynik.fasolkiWgStatusu[7];
                ++wynik.fasolkiZarchiwizowane;
            }
        }
        ++wynik.potoki;
    }
    wynik.udany = true;
    return wynik;
}

QString zrobPortfolio(const QString &katalog, int liczbaFasolek, int rozmiarPliku)
{
    const QString portfolio = katalog + QStringLiteral("/Tarrowind");
    const QString potok = portfolio + QStringLiteral("/All Beans/_Main_Flow");
    QDir().mkpath(potok + QStringLiteral("/_Done"));
    QDir().mkpath(portfolio + QStringLiteral("/Archived Beans/_Main_Flow"));
    for (int i = 0; i < liczbaFasolek; ++i) {
        const QString fasolka = potok + QStringLiteral("/fasolka %1").arg(i);
        QDir().mkpath(fasolka);
        QFile plik(fasolka + QStringLiteral("/notatki.txt"));
        plik.open(QIODevice::WriteOnly);
        plik.write(QByteArray(rozmiarPliku, char('a' + i % 26)));
    }
    QFile skrypt(potok + QStringLiteral("/_Done/skrypt.sh"));
    skrypt.open(QIODevice::WriteOnly);
    skrypt.write("#!/bin/sh\necho gotowe\n");
    skrypt.close();
    chmod(QFile::encodeName(skrypt.fileName()).constData(), 0755);
    QFile::link(QStringLiteral("fasolka 0"), potok + QStringLiteral("/skrot"));
    return portfolio;
}
