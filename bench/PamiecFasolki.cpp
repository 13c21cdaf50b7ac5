// What one bean of a built graph holds on the heap, part by part: each part is made for every
// bean of a generated portfolio on its own, and the growth of the heap is divided by their
// number. Prints a table; it passes or fails nothing.
//
//   PamiecFasolki [beans in flows]      (default 10000)

#include "Model/AnalizatorUrlaModelu.h"
#include "Model/BazaFasolek.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/KontekstObiektow.h"
#include "Model/Potok.h"
#include "Model/RelacjeModelu.h"
#include "Model/StosCoreData.h"

#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include <malloc.h>

using namespace Pomiary;

namespace {

double bajty()
{
    malloc_trim(0);
    return stertaMB() * 1024 * 1024;
}

// The heap that `co` leaves behind, per bean.
double naFasolke(qsizetype fasolek, const std::function<void()> &co)
{
    const double przed = bajty();
    co();
    return (bajty() - przed) / double(fasolek);
}

void wiersz(const char *czesc, double ile)
{
    std::printf("| %-58s | %8.0f |\n", czesc, ile);
}

} // namespace

int main(int argc, char **argv)
{
    const int fasolek = argc > 1 ? std::atoi(argv[1]) : 10000;
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-pamiec-XXXXXX");
    const GeneratorPortfolio::Wynik portfolio = stanowisko.zbudujPortfolio(50, fasolek / 50);
    BazaFasolek::setFabrykaObserwatoraZmianNaDysku({});
    StosCoreData *stos = StosCoreData::sharedStosCoreData();
    stos->nowyKontekst();
    BazaFasolek::sharedBazaFasolek();
    stos->nowyKontekst();

    double caly = 0;
    const qsizetype wszystkich = portfolio.fasolkiWPotokach + portfolio.fasolkiZarchiwizowane;
    caly = naFasolke(wszystkich, [] { BazaFasolek::sharedBazaFasolek(); });

    // The beans' paths and kinds, read from the graph just built.
    QStringList sciezki;
    QList<bool> katalogowe;
    for (Potok *potok : BazaFasolek::sharedBazaFasolek()->potoki()) {
        for (Fasolka *fasolka : potok->fasolki()) {
            sciezki << fasolka->bytFasolki()->plikowyURL();
            katalogowe << (fasolka->katalog() != nullptr);
        }
    }
    const qsizetype n = sciezki.size();
    // The watcher's look-up of one path in every flow.
    const double wyszukiwanie = naFasolke(n, [&] {
        for (Potok *potok : BazaFasolek::sharedBazaFasolek()->potoki()) {
            if (!potok->fasolki().isEmpty())
                AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(
                    potok->fasolki().elementy().first()->bytFasolki()->plikowyURL() + QStringLiteral("/x"));
        }
    });

    // Each part on its own, in a context of its own.
    std::unique_ptr<KontekstObiektow> graf = stos->zamienKontekst(std::make_unique<KontekstObiektow>());
    KontekstObiektow *kontekst = stos->kontekst();
    std::vector<std::unique_ptr<QObject>> gole;
    gole.reserve(size_t(n));
    const double qobject = naFasolke(n, [&] {
        for (qsizetype i = 0; i < n; ++i)
            gole.push_back(std::make_unique<QObject>());
    });
    gole.clear();
    QList<Fasolka *> fasolki;
    QList<BytSystemuPlikow *> byty;
    fasolki.reserve(n);
    byty.reserve(n);
    const double obiektyFasolek = naFasolke(n, [&] {
        for (qsizetype i = 0; i < n; ++i)
            fasolki << kontekst->wstaw<Fasolka>();
    });
    const double obiektyBytow = naFasolke(n, [&] {
        for (qsizetype i = 0; i < n; ++i) {
            if (katalogowe.at(i))
                byty << kontekst->wstaw<BytKatalogu>();
            else
                byty << kontekst->wstaw<BytSystemuPlikow>();
        }
    });
    // Each path a copy of its own, as a listing hands it over.
    const double sciezkiBytow = naFasolke(n, [&] {
        for (qsizetype i = 0; i < n; ++i)
            byty.at(i)->setPlikowyURL(QString(sciezki.at(i).constData(), sciezki.at(i).size()));
    });
    const double powiazanie = naFasolke(n, [&] {
        for (qsizetype i = 0; i < n; ++i)
            fasolki.at(i)->setBytFasolki(byty.at(i));
    });
    const double status = naFasolke(n, [&] {
        for (Fasolka *fasolka : fasolki)
            fasolka->statusFasolki();
    });
    auto *potok = kontekst->wstaw<Potok>();
    const double wPotoku = naFasolke(n, [&] { RelacjeModelu::fasolkiPotoku.dodaj(potok, fasolki); });
    stos->zamienKontekst(std::move(graf));

    std::printf(
        "Portfolio: %d beans in flows, %d archived; heap per bean in bytes (malloc's own overhead included)\n\n",
        portfolio.fasolkiWPotokach, portfolio.fasolkiZarchiwizowane);
    std::printf("| %-58s | %8s |\n", "part", "bytes");
    std::printf("|------------------------------------------------------------|----------|\n");
    wiersz("bean object (with its QObject private data, context slot)", obiektyFasolek);
    wiersz("  of which a bare QObject with its private data", qobject);
    wiersz("entity object (file or folder, QObject private data, slot)", obiektyBytow);
    wiersz("entity's path strings (path, last name component)", sciezkiBytow);
    wiersz("bean takes its entity (relation, observation)", powiazanie);
    wiersz("status cache", status);
    wiersz("flow's set of beans (list slot, hash node)", wPotoku);
    wiersz("watcher's look-up index of the beans of a flow, once used", wyszukiwanie);
    wiersz("whole graph after a build, per bean (flows, archive included)", caly);
    return 0;
}
