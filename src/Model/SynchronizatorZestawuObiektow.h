#pragma once

#include "Platform/FolderListing.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>

#include <optional>

// Compares a set of model objects with a folder's listing, by NFC key, in time linear in
// both. It never changes the set: the owner removes what it reports gone and makes
// objects for the URLs it reports new. A new synchroniser serves one re-read.
class SynchronizatorZestawuObiektow
{
public:
    // The skip mask: which listing entries are not members of the set.
    enum Pominiecie : quint64 {
        pomijajPliki = 1,
        pomijajZrobione = 2,
        pomijajNieaktywne = 4,
        pomijajOczekujace = 8,
        pomijajInkubacje = 16,
        pomijajGotowe = 32,
        pomijajRzeczyPotoku = 64,
        pomijajSpodziewanyRezultat = 128,
    };
    static constexpr quint64 pominieciePotoku = 126;

    using Wpisy = QList<FolderListing::Wpis>;

    // NO when the folder could not be read for a reason other than "not there": the
    // owner's set must then stay as it is. A folder that is gone lists as empty.
    template <class T, class KluczDoUrla>
    bool zanalizujPotrzebySynchronizacjiZestawu(const QList<T *> &zestaw, KluczDoUrla kluczDoUrla,
                                                const QString &katalog, quint64 pominiecie)
    {
        const std::optional<Wpisy> urle = zestawUrliZKatalogu(katalog, pominiecie);
        if (!urle) {
            wyczyscWyniki();
            return false;
        }
        return zanalizujPotrzebySynchronizacjiZestawuZZestawemUrli(zestaw, kluczDoUrla, *urle);
    }

    template <class T, class KluczDoUrla>
    bool zanalizujPotrzebySynchronizacjiZestawuZZestawemUrli(const QList<T *> &zestaw, KluczDoUrla kluczDoUrla,
                                                             const Wpisy &urle)
    {
        QHash<QString, QObject *> obiektyPoKluczu;
        obiektyPoKluczu.reserve(zestaw.size());
        QList<QObject *> bezUrla;
        for (T *obiekt : zestaw) {
            const QString url = kluczDoUrla(obiekt);
            if (url.isEmpty())
                bezUrla.append(obiekt);
            else
                obiektyPoKluczu.insert(kluczUrla(url), obiekt);
        }
        porownaj(obiektyPoKluczu, bezUrla, urle, [&](QObject *o) { return kluczDoUrla(static_cast<T *>(o)); });
        return true;
    }

    // The filtered listing; nullopt when the folder could not be read (see above).
    std::optional<Wpisy> zestawUrliZKatalogu(const QString &katalog, quint64 pominiecie) const;
    static bool wpisPominiety(const FolderListing::Wpis &wpis, quint64 pominiecie);

    template <class T>
    QList<T *> obiektyDoUsuniecia() const
    {
        QList<T *> wynik;
        wynik.reserve(m_obiektyDoUsuniecia.size());
        for (QObject *obiekt : m_obiektyDoUsuniecia)
            wynik.append(static_cast<T *>(obiekt));
        return wynik;
    }
    const QStringList &urleDlaObiektowDoDodania() const { return m_urleDlaObiektowDoDodania; }
    // Objects whose name another program re-spelled (NFD <-> NFC): same key, new on-disk path.
    template <class T>
    QList<QPair<T *, QString>> obiektyZNowaPisownia() const
    {
        QList<QPair<T *, QString>> wynik;
        for (const auto &para : m_obiektyZNowaPisownia)
            wynik.append({static_cast<T *>(para.first), para.second});
        return wynik;
    }

    QObject *obiektZestawuZUrlem(const QString &url) const;
    static bool czyKatalogZawieraPrzynajmniejJedenElement(const QString &url);

    static QString kluczUrla(const QString &url);

private:
    template <class F>
    void porownaj(const QHash<QString, QObject *> &obiektyPoKluczu, const QList<QObject *> &bezUrla, const Wpisy &urle,
                  F urlObiektu)
    {
        wyczyscWyniki();
        m_obiektyPoKluczu = obiektyPoKluczu;
        QSet<QString> naDysku;
        naDysku.reserve(urle.size());
        for (const FolderListing::Wpis &wpis : urle) {
            if (naDysku.contains(wpis.klucz))
                continue;
            naDysku.insert(wpis.klucz);
            const auto it = obiektyPoKluczu.constFind(wpis.klucz);
            if (it == obiektyPoKluczu.constEnd())
                m_urleDlaObiektowDoDodania.append(wpis.sciezka);
            else if (urlObiektu(*it) != wpis.sciezka)
                m_obiektyZNowaPisownia.append({*it, wpis.sciezka});
        }
        for (auto it = obiektyPoKluczu.cbegin(); it != obiektyPoKluczu.cend(); ++it) {
            if (!naDysku.contains(it.key()))
                m_obiektyDoUsuniecia.append(it.value());
        }
        m_obiektyDoUsuniecia.append(bezUrla);
    }

    void wyczyscWyniki();

    QHash<QString, QObject *> m_obiektyPoKluczu;
    QList<QObject *> m_obiektyDoUsuniecia;
    QStringList m_urleDlaObiektowDoDodania;
    QList<QPair<QObject *, QString>> m_obiektyZNowaPisownia;
};
