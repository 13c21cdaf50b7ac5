#include "AnalizatorUrlaModelu.h"

#include "Archiwum.h"
#include "ArchiwumPotoku.h"
#include "BazaFasolek.h"
#include "BibliotekaMatRef.h"
#include "BytKatalogu.h"
#include "Fasolka.h"
#include "PobraneRzeczy.h"
#include "Potok.h"
#include "RzeczyNaBiurku.h"
#include "SpecKatalog.h"
#include "SynchronizatorZestawuObiektow.h"

namespace {

QString klucz(const QString &url)
{
    return SynchronizatorZestawuObiektow::kluczUrla(url);
}

// `katalog` as the graph stores it, `szukany` in key form: both clean, in their on-disk spelling.
bool zawieraUrl(const QString &katalog, const QString &szukany, bool &rowny)
{
    rowny = false;
    const qsizetype n = katalog.size();
    if (n == 0 || szukany.size() < n)
        return false;
    if (szukany.size() == n) {
        rowny = szukany == katalog;
        return rowny;
    }
    // The boundary first: it turns nearly every sibling away without comparing their common part.
    if (szukany.at(n) != QLatin1Char('/') && katalog.at(n - 1) != QLatin1Char('/'))
        return false;
    return szukany.startsWith(katalog);
}

bool zawieraUrlScisle(const QString &katalog, const QString &szukany)
{
    bool rowny = false;
    return zawieraUrl(katalog, szukany, rowny) && !rowny;
}

// Descends from a folder that strictly contains the URL, through folders whose children were
// read already: nobody has looked below a folder that was never read, so there is nothing
// there to find, and a lookup must not read a whole unpacked tree just to answer.
QObject *zejdzPrzezOdczytane(BytKatalogu *katalog, const QString &szukany, bool &rowny)
{
    rowny = false;
    BytSystemuPlikow *wynik = katalog;
    while (auto *biezacy = qobject_cast<BytKatalogu *>(wynik)) {
        if (!biezacy->czyBytyBylyOdczytaneZDysku())
            break;
        BytSystemuPlikow *dziecko = nullptr;
        for (BytSystemuPlikow *byt : biezacy->bytyWewnetrzneBezOdczytu()) {
            if (zawieraUrl(byt->plikowyURL(), szukany, rowny)) {
                dziecko = byt;
                break;
            }
        }
        // Not in the tree, for example inside a hidden folder that listings skip.
        if (!dziecko)
            return nullptr;
        wynik = dziecko;
        if (rowny)
            break;
    }
    return wynik;
}

// The bean found through its owner's index: a look-up costs the same in a flow of ten beans
// and in one of ten thousand.
void sprawdzFasolki(IndeksFasolek &indeks, const ZbiorObiektow<Fasolka> &fasolki, const QString &szukany,
                    QObject *&wynik, bool &wynikRowny)
{
    Fasolka *fasolka = indeks.ostatniaZawierajaca(fasolki, szukany);
    bool rowny = false;
    if (!fasolka || !zawieraUrl(fasolka->bytFasolki()->plikowyURL(), szukany, rowny))
        return;
    wynik = fasolka;
    // A folder bean's folder entity is its file entity, so no disk query is needed here.
    if (!rowny && fasolka->katalog())
        wynik = zejdzPrzezOdczytane(fasolka->katalog(), szukany, rowny);
    wynikRowny = rowny;
}

template <class Rzecz>
void sprawdzRzeczSpecjalna(Rzecz *rzecz, int rodzaj, const QString &szukany, QObject *&wynik, bool &wynikRowny)
{
    // These items are never made at run time; a portfolio lying in Downloads or on the Desktop
    // must keep its own answers then.
    bool rowny = false;
    if (!rzecz || !zawieraUrl(SpecKatalog::sharedSpecKatalog()->url(rodzaj), szukany, rowny))
        return;
    wynik = rzecz;
    if (!rowny && rzecz->katalog())
        wynik = zejdzPrzezOdczytane(rzecz->katalog(), szukany, rowny);
    wynikRowny = rowny;
}

} // namespace

bool AnalizatorUrlaModelu::url1ZawieraSieWIJestRowny(const QString &url1, const QString &url2, bool *jestRowny)
{
    bool rowny = false;
    const bool zawarty = zawieraUrl(klucz(url2), klucz(url1), rowny);
    if (jestRowny)
        *jestRowny = rowny;
    return zawarty;
}

bool AnalizatorUrlaModelu::firstURLIsEqualTo(const QString &url1, const QString &url2)
{
    bool rowny = false;
    url1ZawieraSieWIJestRowny(url1, url2, &rowny);
    return rowny;
}

bool AnalizatorUrlaModelu::firstURLIsContainedIn(const QString &url1, const QString &url2)
{
    bool rowny = false;
    return url1ZawieraSieWIJestRowny(url1, url2, &rowny) && !rowny;
}

QObject *AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(const QString &url, bool *jestRowny)
{
    const QString szukany = klucz(url);
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    QObject *wynik = nullptr;
    bool wynikRowny = false;
    bool rowny = false;

    bool wPortfolio = false;
    if (zawieraUrl(spec->url(SpecKatalog::suWszystkieFasolki), szukany, rowny)) {
        wPortfolio = true;
        wynik = baza;
        wynikRowny = rowny;
        for (Potok *potok : baza->potoki()) {
            if (!potok->bytPotoku() || !zawieraUrl(potok->bytPotoku()->plikowyURL(), szukany, rowny))
                continue;
            wynik = potok;
            wynikRowny = rowny;
            BytKatalogu *rzeczy = potok->katalogRzeczyPotoku();
            if (rzeczy && zawieraUrl(rzeczy->plikowyURL(), szukany, rowny)) {
                wynik = rzeczy;
                if (!rowny)
                    wynik = zejdzPrzezOdczytane(rzeczy, szukany, rowny);
                wynikRowny = rowny;
            }
            sprawdzFasolki(potok->indeksFasolek(), potok->fasolki(), szukany, wynik, wynikRowny);
        }
    }

    if (zawieraUrl(spec->url(SpecKatalog::suArchiwum), szukany, rowny)) {
        wPortfolio = true;
        wynik = baza->archiwum();
        wynikRowny = rowny;
        if (Archiwum *archiwum = baza->archiwum()) {
            for (ArchiwumPotoku *archiwumPotoku : archiwum->archiwaPotokow()) {
                if (!archiwumPotoku->katalog() || !zawieraUrl(archiwumPotoku->katalog()->plikowyURL(), szukany, rowny))
                    continue;
                wynik = archiwumPotoku;
                wynikRowny = rowny;
                sprawdzFasolki(archiwumPotoku->indeksFasolek(), archiwumPotoku->fasolki(), szukany, wynik, wynikRowny);
            }
        }
    }

    // A portfolio may lie in Downloads or on the Desktop: its own areas keep their answers.
    if (!wPortfolio) {
        sprawdzRzeczSpecjalna(baza->bibliotekaMatRef(), SpecKatalog::suBibliotekaMatRef, szukany, wynik, wynikRowny);
        sprawdzRzeczSpecjalna(baza->pobraneRzeczy(), SpecKatalog::suPobraneRzeczy, szukany, wynik, wynikRowny);
        sprawdzRzeczSpecjalna(baza->rzeczyNaBiurku(), SpecKatalog::suRzeczyNaBiurku, szukany, wynik, wynikRowny);
    }

    if (jestRowny)
        *jestRowny = wynikRowny;
    return wynik;
}

QObject *AnalizatorUrlaModelu::znajdzObiektZawierajacyURL(const QString &url)
{
    const QString szukany = klucz(url);
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    QObject *wynik = nullptr;

    auto sprawdzFasolkiScisle = [&](const QList<Fasolka *> &fasolki) {
        for (Fasolka *fasolka : fasolki) {
            if (fasolka->bytFasolki() && zawieraUrlScisle(fasolka->bytFasolki()->plikowyURL(), szukany))
                wynik = fasolka;
        }
    };

    if (zawieraUrlScisle(spec->url(SpecKatalog::suWszystkieFasolki), szukany)) {
        wynik = baza;
        for (Potok *potok : baza->potoki()) {
            if (!potok->bytPotoku() || !zawieraUrlScisle(potok->bytPotoku()->plikowyURL(), szukany))
                continue;
            wynik = potok;
            if (potok->katalogRzeczyPotoku() && zawieraUrlScisle(potok->katalogRzeczyPotoku()->plikowyURL(), szukany))
                wynik = potok->katalogRzeczyPotoku();
            sprawdzFasolkiScisle(potok->fasolki().elementy());
        }
    }

    if (zawieraUrlScisle(spec->url(SpecKatalog::suArchiwum), szukany)) {
        wynik = baza->archiwum();
        if (Archiwum *archiwum = baza->archiwum()) {
            for (ArchiwumPotoku *archiwumPotoku : archiwum->archiwaPotokow()) {
                if (!archiwumPotoku->katalog() || !zawieraUrlScisle(archiwumPotoku->katalog()->plikowyURL(), szukany))
                    continue;
                wynik = archiwumPotoku;
                sprawdzFasolkiScisle(archiwumPotoku->fasolki().elementy());
            }
        }
    }

    bool rowny = false;
    if (zawieraUrl(spec->url(SpecKatalog::suWszystkieFasolki), szukany, rowny)
        || zawieraUrl(spec->url(SpecKatalog::suArchiwum), szukany, rowny))
        return wynik;
    if (baza->bibliotekaMatRef() && zawieraUrlScisle(spec->url(SpecKatalog::suBibliotekaMatRef), szukany))
        wynik = baza->bibliotekaMatRef();
    if (baza->pobraneRzeczy() && zawieraUrlScisle(spec->url(SpecKatalog::suPobraneRzeczy), szukany))
        wynik = baza->pobraneRzeczy();
    if (baza->rzeczyNaBiurku() && zawieraUrlScisle(spec->url(SpecKatalog::suRzeczyNaBiurku), szukany))
        wynik = baza->rzeczyNaBiurku();
    return wynik;
}
