#pragma once

#include <QString>

#include <array>

// Lays out a whole portfolio folder tree on disk, for model tests, stress tests and
// benchmarks: N flows (the first is "_Main_Flow") of M beans spread evenly over each flow
// folder and its five status folders, half of them files and half folders holding a few
// files; every flow with a "_Flow_Items" folder; one flow archive per flow.
class GeneratorPortfolio
{
public:
    struct Uklad
    {
        int potoki = 50;
        int fasolkiNaPotok = 200;
        int plikiWFasolceKatalogowej = 3;
        int plikiWRzeczachPotoku = 3;
        // Beans per flow archive; a negative value means a tenth of the beans per flow.
        int fasolkiNaArchiwumPotoku = -1;
    };

    struct Wynik
    {
        bool udany = false;
        QString korzen; // the portfolio folder ("Tarrowind")
        int potoki = 0;
        int fasolkiWPotokach = 0;
        int fasolkiZarchiwizowane = 0;
        int fasolkiKatalogowe = 0;             // folder beans, in flows and archives
        std::array<int, 8> fasolkiWgStatusu{}; // by status value, 7 = archived
    };

    // Creates the portfolio "Tarrowind" inside `katalogBazowy`, which must exist.
    static Wynik zbuduj(const QString &katalogBazowy, const Uklad &uklad);
    static Wynik zbuduj(const QString &katalogBazowy) { return zbuduj(katalogBazowy, Uklad{}); }
};

// A portfolio of `liczbaFasolek` folder beans (one file each) and a file bean, with a link
// and an executable file, at `katalog`/Tarrowind; answers the portfolio's path.
QString zrobPortfolio(const QString &katalog, int liczbaFasolek, int rozmiarPliku = 4096);
