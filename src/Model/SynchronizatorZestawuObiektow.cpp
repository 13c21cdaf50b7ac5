#include "SynchronizatorZestawuObiektow.h"

#include "Fasolka.h"
#include "SpecKatalog.h"

#include "Platform/KatalogiNieczytelne.h"
#include "Platform/NazwyPozaKodowaniem.h"
#include "Platform/Paths.h"

#include <algorithm>
#include <functional>

#include <sys/stat.h>

namespace {

struct NazwaPomijana
{
    quint64 bit;
    const QString *nazwa;
};

} // namespace

QString SynchronizatorZestawuObiektow::kluczUrla(const QString &url)
{
    return Paths::clean(url);
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
    for (const NazwaPomijana &pomijana : nazwy) {
        if ((pominiecie & pomijana.bit) && wpis.nazwa == *pomijana.nazwa)
            return true;
    }
    return false;
}

std::optional<SynchronizatorZestawuObiektow::Wpisy> SynchronizatorZestawuObiektow::zestawUrliZKatalogu(
    const QString &katalog, quint64 pominiecie, FolderListing::Identity *tozsamosc, qsizetype ile,
    const std::function<qsizetype(const Wpisy &)> &czesc) const
{
    qsizetype podane = 0;
    FolderListing::Wynik lista = czesc ? FolderListing::list(katalog, ile,
                                                             [&](const Wpisy &wszystkie) {
                                                                 Wpisy wybrane;
                                                                 wybrane.reserve(wszystkie.size() - podane);
                                                                 for (qsizetype i = podane; i < wszystkie.size(); ++i) {
                                                                     if (!wpisPominiety(wszystkie[i], pominiecie))
                                                                         wybrane.append(wszystkie[i]);
                                                                 }
                                                                 podane = wszystkie.size();
                                                                 return czesc(wybrane);
                                                             })
                                       : FolderListing::list(katalog);
    if (tozsamosc)
        *tozsamosc = lista.identity;
    if (lista.stan == FolderListing::Stan::Blad) {
        // It would show as empty: the user hears why.
        KatalogiNieczytelne::instance().zglos(katalog, lista.blad);
        return std::nullopt;
    }
    // Every set the user sees is read here, so the user hears here of what it cannot show.
    NazwyPozaKodowaniem::instance().zglos(katalog, lista.identity, lista.pominieteNazwy);
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

void SynchronizatorZestawuObiektow::porownaj(const Wpisy &urle)
{
    QSet<QString> dodane;
    // A set read for the first time is all new.
    if (m_obiektyPoKluczu.isEmpty()) {
        dodane.reserve(urle.size());
        m_urleDlaObiektowDoDodania.reserve(urle.size());
        m_rodzajeDoDodania.reserve(urle.size());
    }
    for (const FolderListing::Wpis &wpis : urle) {
        const auto it = m_obiektyPoKluczu.find(wpis.sciezka);
        const bool innyRodzaj = it != m_obiektyPoKluczu.end() && it->rodzaj != Rodzaj::nieznany
                                && (it->rodzaj == Rodzaj::katalog) != wpis.toKatalog;
        if (it == m_obiektyPoKluczu.end() || innyRodzaj) {
            // Merged listings may reach one URL twice.
            if (!dodane.contains(wpis.sciezka)) {
                dodane.insert(wpis.sciezka);
                m_urleDlaObiektowDoDodania.append(wpis.sciezka);
                m_rodzajeDoDodania.append(wpis.rodzaj);
            }
            continue;
        }
        it->naDysku = true;
        if (it->rodzaj == Rodzaj::katalog)
            m_katalogiNaDysku.append({it->obiekt, wpis.identity});
    }
    sparujInnaPisownie();
    // Every object of a vanished name leaves. Of a name still there one object stays: the
    // others are left over from an item moved onto the path of an object whose file had
    // gone, and would act on that item's file.
    for (auto it = m_obiektyPoKluczu.cbegin(); it != m_obiektyPoKluczu.cend(); ++it) {
        if (!it->naDysku)
            m_obiektyDoUsuniecia.append(it->obiekt);
        if (!m_powtorzonePoKluczu.isEmpty())
            m_obiektyDoUsuniecia.append(m_powtorzonePoKluczu.values(it.key()));
    }
}

void SynchronizatorZestawuObiektow::sparujInnaPisownie()
{
    if (m_urleDlaObiektowDoDodania.isEmpty() || m_obiektyPoKluczu.isEmpty())
        return;
    // By composed form; a form that two new entries or two vanished objects share pairs none
    // (index -1, null object): which of twins went where cannot be told.
    QHash<QString, qsizetype> nowe;
    for (qsizetype i = 0; i < m_urleDlaObiektowDoDodania.size(); ++i) {
        const QString forma = Paths::nfc(m_urleDlaObiektowDoDodania.at(i));
        if (const auto it = nowe.find(forma); it != nowe.end())
            *it = -1;
        else
            nowe.insert(forma, i);
    }
    QHash<QString, ObiektZestawu *> znikniete;
    for (auto it = m_obiektyPoKluczu.begin(); it != m_obiektyPoKluczu.end(); ++it) {
        if (it->naDysku)
            continue;
        const QString forma = Paths::nfc(it.key());
        if (!nowe.contains(forma))
            continue;
        if (const auto z = znikniete.find(forma); z != znikniete.end())
            *z = nullptr;
        else
            znikniete.insert(forma, &it.value());
    }
    QList<qsizetype> sparowane;
    for (auto it = znikniete.cbegin(); it != znikniete.cend(); ++it) {
        ObiektZestawu *obiekt = it.value();
        const qsizetype i = nowe.value(it.key());
        if (!obiekt || i < 0)
            continue;
        // A file in the place of a folder is another item, whatever its spelling.
        if (obiekt->rodzaj != Rodzaj::nieznany
            && (obiekt->rodzaj == Rodzaj::katalog) != S_ISDIR(m_rodzajeDoDodania.at(i)))
            continue;
        obiekt->naDysku = true;
        m_obiektyZNowaPisownia.append({obiekt->obiekt, m_urleDlaObiektowDoDodania.at(i)});
        sparowane.append(i);
    }
    std::sort(sparowane.begin(), sparowane.end(), std::greater<>());
    for (const qsizetype i : sparowane) {
        m_urleDlaObiektowDoDodania.removeAt(i);
        m_rodzajeDoDodania.removeAt(i);
    }
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
