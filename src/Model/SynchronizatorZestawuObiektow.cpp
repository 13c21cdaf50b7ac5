#include "SynchronizatorZestawuObiektow.h"

#include "Fasolka.h"
#include "SpecKatalog.h"

#include "Platform/Paths.h"

namespace {

struct NazwaPomijana
{
    quint64 bit;
    const QString *nazwa;
};

} // namespace

QString SynchronizatorZestawuObiektow::kluczUrla(const QString &url)
{
    return Paths::nfc(Paths::clean(url));
}

bool SynchronizatorZestawuObiektow::wpisPominiety(const FolderListing::Wpis &wpis, quint64 pominiecie)
{
    if (pominiecie == 0)
        return false;
    if ((pominiecie & pomijajPliki) && !wpis.toKatalog)
        return true;
    static const NazwaPomijana nazwy[] = {
        {pomijajZrobione, &SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkZrobione)},
        {pomijajNieaktywne, &SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkNieaktywne)},
        {pomijajOczekujace, &SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkOczekujace)},
        {pomijajInkubacje, &SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkInkubacja)},
        {pomijajGotowe, &SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkGotowe)},
        {pomijajRzeczyPotoku, &SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkRzeczyPotoku)},
        {pomijajSpodziewanyRezultat, &Fasolka::nazwaPlikuSpodziewanegoRezultatu()},
    };
    const QString nazwa = Paths::nfc(wpis.nazwa);
    for (const NazwaPomijana &pomijana : nazwy) {
        if ((pominiecie & pomijana.bit) && nazwa == *pomijana.nazwa)
            return true;
    }
    return false;
}

std::optional<SynchronizatorZestawuObiektow::Wpisy>
SynchronizatorZestawuObiektow::zestawUrliZKatalogu(const QString &katalog, quint64 pominiecie,
                                                   FolderListing::Identity *tozsamosc, qsizetype ile,
                                                   const std::function<void(const Wpisy &)> &poczatek) const
{
    FolderListing::Wynik lista = poczatek ? FolderListing::list(katalog, ile, [&](const Wpisy &pierwsze) {
        Wpisy wybrane;
        for (const FolderListing::Wpis &wpis : pierwsze) {
            if (!wpisPominiety(wpis, pominiecie))
                wybrane.append(wpis);
        }
        poczatek(wybrane);
    }) : FolderListing::list(katalog);
    if (tozsamosc)
        *tozsamosc = lista.identity;
    if (lista.stan == FolderListing::Stan::Blad)
        return std::nullopt;
    if (pominiecie == 0)
        return std::move(lista.wpisy);
    Wpisy wynik;
    wynik.reserve(lista.wpisy.size());
    for (FolderListing::Wpis &wpis : lista.wpisy) {
        if (!wpisPominiety(wpis, pominiecie))
            wynik.append(std::move(wpis));
    }
    return wynik;
}

QObject *SynchronizatorZestawuObiektow::obiektZestawuZUrlem(const QString &url) const
{
    const QString klucz = kluczUrla(url);
    if (m_powtorzonePoKluczu.contains(klucz))
        return nullptr;
    return m_obiektyPoKluczu.value(klucz).obiekt;
}

bool SynchronizatorZestawuObiektow::czyKatalogZawieraPrzynajmniejJedenElement(const QString &url)
{
    return FolderListing::hasVisibleEntry(url);
}

void SynchronizatorZestawuObiektow::wyczyscWyniki()
{
    m_obiektyPoKluczu.clear();
    m_powtorzonePoKluczu.clear();
    m_obiektyDoUsuniecia.clear();
    m_urleDlaObiektowDoDodania.clear();
    m_rodzajeDoDodania.clear();
    m_obiektyZNowaPisownia.clear();
    m_katalogiNaDysku.clear();
}
