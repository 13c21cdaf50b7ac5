#pragma once

#include "Relacje.h"

#include "Platform/FolderListing.h"

#include <QHash>
#include <QList>
#include <QMultiHash>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <optional>
#include <type_traits>

// Compares a set of model objects with a folder's listing, by path in its on-disk spelling, in
// time linear in both. It never changes the set: the owner removes what it reports gone and makes
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
    // `toKatalog`, when given, tells whether an object stands for a real folder: an entry of the
    // same name but of the other kind (a file replaced by a folder) is then another item, whose
    // object is reported gone and whose URL is reported new.
    template <class T, class KluczDoUrla, class ToKatalog = std::nullptr_t>
    bool zanalizujPotrzebySynchronizacjiZestawu(const QList<T *> &zestaw, KluczDoUrla kluczDoUrla,
                                                const QString &katalog, quint64 pominiecie,
                                                ToKatalog toKatalog = nullptr)
    {
        const std::optional<Wpisy> urle = zestawUrliZKatalogu(katalog, pominiecie, &m_tozsamoscKatalogu);
        if (!urle) {
            wyczyscWyniki();
            return false;
        }
        return zanalizujPotrzebySynchronizacjiZestawuZZestawemUrli(zestaw, kluczDoUrla, *urle, toKatalog);
    }
    // The folder listed by the last call above, as it was opened; unknown when it is gone.
    const FolderListing::Identity &tozsamoscKatalogu() const { return m_tozsamoscKatalogu; }

    template <class T, class KluczDoUrla, class ToKatalog = std::nullptr_t>
    bool zanalizujPotrzebySynchronizacjiZestawuZZestawemUrli(const QList<T *> &zestaw, KluczDoUrla kluczDoUrla,
                                                             const Wpisy &urle, ToKatalog toKatalog = nullptr)
    {
        wyczyscWyniki();
        m_obiektyPoKluczu.reserve(zestaw.size());
        for (T *obiekt : zestaw) {
            const QString url = kluczDoUrla(obiekt);
            if (url.isEmpty()) {
                m_obiektyDoUsuniecia.append(obiekt);
                continue;
            }
            const QString klucz = kluczUrla(url);
            // One hash of the key: a new key gets an empty slot.
            ObiektZestawu &obiektZestawu = m_obiektyPoKluczu[klucz];
            if (obiektZestawu.obiekt) {
                m_powtorzonePoKluczu.insert(klucz, obiekt);
                continue;
            }
            obiektZestawu.obiekt = obiekt;
            if constexpr (!std::is_same_v<ToKatalog, std::nullptr_t>)
                obiektZestawu.rodzaj = toKatalog(obiekt) ? Rodzaj::katalog : Rodzaj::inny;
        }
        porownaj(urle);
        return true;
    }

    // The filtered listing; nullopt when the folder could not be read (see above).
    // `czesc`, when given, gets the entries read since it was last called, first after `ile` of them
    // (some may then be filtered out), and answers after how many more to call it again (0: never).
    std::optional<Wpisy> zestawUrliZKatalogu(const QString &katalog, quint64 pominiecie,
                                             FolderListing::Identity *tozsamosc = nullptr, qsizetype ile = 0,
                                             const std::function<qsizetype(const Wpisy &)> &czesc = {}) const;
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
    // Objects whose name another program re-spelled (NFD <-> NFC): the object's own spelling is
    // gone and the other one came, with no other object or entry of that name in either spelling.
    template <class T>
    QList<QPair<T *, QString>> obiektyZNowaPisownia() const
    {
        QList<QPair<T *, QString>> wynik;
        for (const auto &para : m_obiektyZNowaPisownia)
            wynik.append({static_cast<T *>(para.first), para.second});
        return wynik;
    }

    // The one object of the set that stands for the URL; nullptr for none or several.
    // Brings the owner's relation in step with the last comparison: a re-spelled object takes its
    // new path (`ustawUrl`), a vanished one leaves the relation (after `przedUsunieciem`), and
    // `fabryka(url, rodzaj)` makes an object for each new URL, told the entry's file type that the
    // listing read (nullptr when the entry is gone again by now).
    // Returns the objects added.
    template <class W, class E, class UstawUrl, class Fabryka, class PrzedUsunieciem = std::nullptr_t>
    QList<E *> zastosuj(W *wlasciciel, const RelacjaJedenDoWielu<W, E> &relacja, UstawUrl ustawUrl, Fabryka fabryka,
                        PrzedUsunieciem przedUsunieciem = nullptr) const
    {
        for (const auto &[obiekt, sciezka] : obiektyZNowaPisownia<E>())
            ustawUrl(obiekt, sciezka);
        const QList<E *> doUsuniecia = obiektyDoUsuniecia<E>();
        if constexpr (!std::is_same_v<PrzedUsunieciem, std::nullptr_t>) {
            for (E *obiekt : doUsuniecia)
                przedUsunieciem(obiekt);
        }
        relacja.usun(wlasciciel, doUsuniecia);
        QList<E *> nowe;
        nowe.reserve(m_urleDlaObiektowDoDodania.size());
        for (qsizetype i = 0; i < m_urleDlaObiektowDoDodania.size(); ++i) {
            if (E *obiekt = fabryka(m_urleDlaObiektowDoDodania.at(i), m_rodzajeDoDodania.at(i)))
                nowe.append(obiekt);
        }
        relacja.dodaj(wlasciciel, nowe);
        return nowe;
    }

    // Hands each object that `toKatalog` took for a folder and whose name is still on disk to
    // `f(obiekt, tozsamosc)`, with what its entry stands for now: a folder moved aside and
    // replaced under the same name keeps its object, which must not keep the old contents.
    template <class T, class F>
    void dlaKatalogowNaDysku(F f) const
    {
        for (const auto &[obiekt, tozsamosc] : m_katalogiNaDysku)
            f(static_cast<T *>(obiekt), tozsamosc);
    }

    QObject *obiektZestawuZUrlem(const QString &url) const;
    static bool czyKatalogZawieraPrzynajmniejJedenElement(const QString &url);

    static QString kluczUrla(const QString &url);

private:
    enum class Rodzaj { nieznany, katalog, inny };
    struct ObiektZestawu
    {
        QObject *obiekt = nullptr;
        bool naDysku = false;
        Rodzaj rodzaj = Rodzaj::nieznany;
    };

    // One pass over the listing with one hash lookup per entry, then one pass over the set.
    void porownaj(const Wpisy &urle);
    // Among the entries and objects left unmatched, pairs an object with the entry of its name in
    // the other spelling.
    void sparujInnaPisownie();

    void wyczyscWyniki();

    QHash<QString, ObiektZestawu> m_obiektyPoKluczu;
    // Objects beyond the first that stand for the same name; rare, so kept apart.
    QMultiHash<QString, QObject *> m_powtorzonePoKluczu;
    QList<QObject *> m_obiektyDoUsuniecia;
    QStringList m_urleDlaObiektowDoDodania;
    QList<quint32> m_rodzajeDoDodania;
    QList<QPair<QObject *, QString>> m_obiektyZNowaPisownia;
    QList<QPair<QObject *, FolderListing::Identity>> m_katalogiNaDysku;
    FolderListing::Identity m_tozsamoscKatalogu;
};
