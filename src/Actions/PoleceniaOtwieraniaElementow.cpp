#include "PoleceniaOtwieraniaElementow.h"

#include "ElementyDlaPolecen.h"
#include "JakoElement.h"
#include "MenuKontroleraElementow.h"
#include "OtwarcieRzeczy.h"

#include "Browser/KartaPortfolio.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/RodzajWidokuPortfolio.h"
#include "Model/BytKatalogu.h"
#include "Platform/DesktopServices.h"
#include "Platform/IdentyfikatorProgramu.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"

namespace {

PozycjaMenu *pozycjaZTagiem(const QMenu *menu, int tag)
{
    for (QAction *akcja : menu->actions()) {
        if (auto *pozycja = qobject_cast<PozycjaMenu *>(akcja); pozycja && pozycja->tag() == tag)
            return pozycja;
    }
    return nullptr;
}

} // namespace

PoleceniaOtwieraniaElementow::PoleceniaOtwieraniaElementow(const ElementyDlaPolecen &elementy)
    : m_elementy(elementy)
{
}

QWidget *PoleceniaOtwieraniaElementow::widokNaKarcie() const
{
    return m_elementy.widokNaKarcie();
}

void PoleceniaOtwieraniaElementow::otworzFasolkeNaKarciePortfolio()
{
    if (Fasolka *otwierana = m_elementy.fasolka())
        operacjaOtworzFasolkeNaKarciePortfolio(otwierana);
}

void PoleceniaOtwieraniaElementow::operacjaOtworzFasolkeNaKarciePortfolio(Fasolka *fasolka)
{
    if (fasolka->jestZKatalogiem()) {
        if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolioWPrzegladarceZWidokiem(widokNaKarcie()))
            karta->otworzFasolkeNaKarciePortfolio(fasolka);
    } else if (fasolka->jestZPlikiem() && fasolka->bytFasolki()) {
        OtwarcieRzeczy::wDomyslnejAplikacji(fasolka->bytFasolki());
    }
}

void PoleceniaOtwieraniaElementow::nowaKartaFasolki()
{
    Fasolka *otwierana = m_elementy.fasolka();
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(widokNaKarcie());
    if (otwierana && przegladarka)
        przegladarka->nowaKartaFasolki(otwierana);
}

void PoleceniaOtwieraniaElementow::noweOknoZKartaFasolki()
{
    if (Fasolka *otwierana = m_elementy.fasolka())
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(otwierana);
}

void PoleceniaOtwieraniaElementow::otworzBytElementuWProgramie(QObject *nadawca)
{
    const auto *pozycja = qobject_cast<const PozycjaMenu *>(nadawca);
    if (!pozycja || !pozycja->representedObject().canConvert<IdentyfikatorProgramu>())
        return;
    const auto program = pozycja->representedObject().value<IdentyfikatorProgramu>();
    if (Fasolka *otwierana = m_elementy.fasolka(); otwierana && otwierana->bytFasolki())
        OtwarcieRzeczy::wProgramie(otwierana->bytFasolki(), program.desktopId);
}

void PoleceniaOtwieraniaElementow::otworzBytyElementowWDomyslnychAplikacjach(QObject *nadawca)
{
    for (QObject *element : m_elementy.elementyDlaPolecenia(nadawca)) {
        Fasolka *otwierana = jakoFasolka(element);
        if (otwierana && otwierana->jestZPlikiem() && otwierana->bytFasolki())
            OtwarcieRzeczy::wDomyslnejAplikacji(otwierana->bytFasolki());
    }
}

void PoleceniaOtwieraniaElementow::otworzElementyWFinderze(QObject *nadawca)
{
    for (QObject *element : m_elementy.elementyDlaPolecenia(nadawca))
        operacjaOtworzElementWFinderze(element);
}

void PoleceniaOtwieraniaElementow::operacjaOtworzElementWFinderze(QObject *element)
{
    const BytSystemuPlikow *katalog = nullptr;
    QStringList zaznaczone;
    const auto zaznacz = [&zaznaczone](const BytSystemuPlikow *byt) {
        if (byt)
            zaznaczone << byt->plikowyURL();
    };
    Fasolka *dodatkowa = m_elementy.dodatkowaFasolka();
    if (Fasolka *fasolka = jakoFasolka(element); fasolka && fasolka->jestZKatalogiem()) {
        katalog = fasolka->bytFasolki();
        zaznacz(m_elementy.dodatkowyBytSystemuPlikow());
    } else if (Potok *potok = jakoPotok(element)) {
        // Only active beans lie directly in the flow folder.
        katalog = potok->bytPotoku();
        if (dodatkowa && dodatkowa->jestAktywna())
            zaznacz(dodatkowa->bytFasolki());
    } else if (ArchiwumPotoku *archiwumPotoku = jakoArchiwumPotoku(element)) {
        katalog = archiwumPotoku->katalog();
    } else if (Archiwum *archiwum = jakoArchiwum(element)) {
        katalog = archiwum->katalog();
        if (ArchiwumPotoku *dodatkowe = m_elementy.dodatkoweArchiwumPotoku())
            zaznacz(dodatkowe->katalog());
        if (dodatkowa && dodatkowa->archiwumPotoku())
            zaznacz(dodatkowa->archiwumPotoku()->katalog());
    } else if (PobraneRzeczy *pobrane = jakoPobraneRzeczy(element)) {
        katalog = pobrane->katalog();
        zaznacz(m_elementy.dodatkowyBytSystemuPlikow());
    } else if (BibliotekaMatRef *biblioteka = jakoBibliotekaMatRef(element)) {
        katalog = biblioteka->katalog();
        zaznacz(m_elementy.dodatkowyBytSystemuPlikow());
    } else if (BazaFasolek *baza = jakoBazaFasolek(element)) {
        katalog = baza->katalog();
        if (Potok *dodatkowy = m_elementy.dodatkowyPotok())
            zaznacz(dodatkowy->bytPotoku());
        if (dodatkowa && dodatkowa->potok())
            zaznacz(dodatkowa->potok()->bytPotoku());
    }
    if (katalog)
        DesktopServices::shared()->openFolderInFileManager(katalog->plikowyURL(), zaznaczone);
}

void PoleceniaOtwieraniaElementow::pokazElementWFinderze()
{
    const BytSystemuPlikow *pokazywany = nullptr;
    if (Fasolka *f = m_elementy.fasolka())
        pokazywany = f->bytFasolki();
    else if (Potok *p = m_elementy.potok())
        pokazywany = p->bytPotoku();
    else if (ArchiwumPotoku *archiwumPotoku = m_elementy.archiwumPotoku())
        pokazywany = archiwumPotoku->katalog();
    else if (Archiwum *archiwum = m_elementy.archiwum())
        pokazywany = archiwum->katalog();
    if (pokazywany)
        pokazywany->zaznaczWFinderze();
}

std::int32_t PoleceniaOtwieraniaElementow::rodzajWidokuElementu() const
{
    if (m_elementy.pobraneRzeczy())
        return rwpWidokPobranychRzeczy;
    if (m_elementy.bibliotekaMatRef())
        return rwpWidokBibliotekiMatRef;
    if (m_elementy.archiwum())
        return rwpWidokArchiwum;
    if (m_elementy.bazaFasolek())
        return rwpWidokWszystkieFasolki;
    return rwpWidokNieokreslony;
}

void PoleceniaOtwieraniaElementow::nowaKartaPortfolioZWidokiemElementu()
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(widokNaKarcie());
    if (!przegladarka)
        return;
    if (const std::int32_t rodzaj = rodzajWidokuElementu())
        przegladarka->nowaKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(rodzaj, false);
    if (Potok *pokazywany = m_elementy.potok())
        przegladarka->nowaKartaPortfolioZPotokiemIZaznaczonaFasolka(pokazywany, m_elementy.dodatkowaFasolka());
}

void PoleceniaOtwieraniaElementow::noweOknoZWidokiemElementuNaKarciePortfolio()
{
    if (const std::int32_t rodzaj = rodzajWidokuElementu())
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(rodzaj, false);
    if (Potok *pokazywany = m_elementy.potok())
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiemIZaznaczonaFasolka(
            pokazywany, m_elementy.dodatkowaFasolka());
}

void PoleceniaOtwieraniaElementow::zaktualizujMenuPodreczneFasolki(Menu *menu, const QList<QObject *> &elementy)
{
    const Fasolka *jedyna = elementy.size() == 1 ? jakoFasolka(elementy.first()) : nullptr;
    const bool jednaFasolkaZPlikiem = jedyna && jedyna->bytFasolki() && !jedyna->bytFasolki()->toKatalog();
    bool fasolkaZKatalogiem = false;
    for (const Fasolka *fasolka : ElementyDlaPolecen::fasolkiWsrod(elementy))
        fasolkaZKatalogiem = fasolkaZKatalogiem || (fasolka->bytFasolki() && fasolka->bytFasolki()->toKatalog());
    if (PozycjaMenu *pozycja = pozycjaZTagiem(menu, MenuKontroleraElementow::tagOtworzWProgramie))
        pozycja->setHidden(!jednaFasolkaZPlikiem);
    if (PozycjaMenu *pozycja = pozycjaZTagiem(menu, MenuKontroleraElementow::tagOtworzWNowymOknie))
        pozycja->setHidden(!fasolkaZKatalogiem);
}
