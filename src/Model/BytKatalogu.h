#pragma once

#include "BytSystemuPlikow.h"
#include "FilePathURLDropReceiverProtocol.h"
#include "ProtokolSynchronizacjiZDyskiem.h"
#include "ZbiorObiektow.h"

#include "Platform/FolderListing.h"

class BazaFasolek;
class SynchronizatorZestawuObiektow;
class RzeczWBazieFasolekZKatalogiem;

// A folder entity: its children are read from disk on first use and kept in step on request.
class BytKatalogu : public BytSystemuPlikow,
                    public ProtokolSynchronizacjiZDyskiem,
                    public FilePathURLDropReceiverProtocol
{
    Q_OBJECT

public:
    BytKatalogu() = default;

    // The children, read from disk first when they have never been read.
    const QList<BytSystemuPlikow *> &bytyWewnetrzne();
    // The children as they are now, without reading.
    const ZbiorObiektow<BytSystemuPlikow> &bytyWewnetrzneBezOdczytu() const { return m_bytyWewnetrzne; }
    // The children that are real folders now.
    QList<BytSystemuPlikow *> podkatalogi();

    bool czyBytyBylyOdczytaneZDysku() const { return m_czyBytyBylyOdczytaneZDysku; }
    // YES when the children were read from another folder than the one its parent's listing now
    // finds under this name: another program moved the folder aside and put another in its place.
    bool zostalZastapiony(const FolderListing::Identity &naDysku) const;
    quint64 opcjeSynchronizacji() const { return m_opcjeSynchronizacji; }
    void setOpcjeSynchronizacji(quint64 opcje) { m_opcjeSynchronizacji = opcje; }

    // Re-reads the children; the new ones are handed to `noweElementy` when given. A folder
    // that cannot be read keeps its children; one that is gone loses them.
    void synchronizujBytyWewnetrzneIZwrocNoweElementy(QList<BytSystemuPlikow *> *noweElementy = nullptr);
    void synchronizujZDyskiem() override;
    // The same re-read with the listing taken on a worker thread; the difference is applied
    // here when it comes back.
    void synchronizujWTle();
    // Re-lists taken on workers whose difference the main thread has not applied yet: the
    // graph is in step with the disk only once none is left.
    static int liczbaOdczytowWTle() { return s_odczytowWTle; }
    // A first read in parts, from a listing taken elsewhere: each part's entities are made and
    // added (aligned with `wpisy`, null where an entry is gone), until the read is ended. Does
    // nothing once the folder was read whole.
    QList<BytSystemuPlikow *> dodajWpisyZListingu(const QList<BytSystemuPlikow::Rozpoznanie> &wpisy);
    void zakonczOdczytZListingu(const FolderListing::Identity &tozsamosc);

    bool jestLisciem() override;

    // Creates the sub-folder `nazwa` and answers its entity; nullptr when it failed or
    // something of that name is already there.
    BytKatalogu *nowyKatalog(const QString &nazwa, BladOperacji *blad = nullptr);
    // After the rename the children are read again under the new path.
    bool zmienNazweBytuNaDyskuNa(const QString &nazwa, BladOperacji *blad = nullptr) override;

    BytSystemuPlikow *znajdzBytZOstatnimKomponentemSciezki(const QString &nazwa);
    // The entity below this folder that is the URL or lies deepest above it, descending
    // through sub-folders; `jestRowny` tells whether the answer is the URL itself.
    BytSystemuPlikow *znajdzBytZURL(const QString &url, bool *jestRowny = nullptr);

    // Announces that something below this folder changed, to every folder above first.
    void ogloszZmianeWezla();

    bool canReceiveDrop() const override { return true; }
    QString dropDestinationURL() const override { return plikowyURL(); }

    QString opiszKlase() override { return {}; }

    BazaFasolek *bazaFasolek() const { return m_bazaFasolek; }
    RzeczWBazieFasolekZKatalogiem *rzeczZKatalogiem() const { return m_rzeczZKatalogiem; }

signals:
    void bytyWewnetrzneChanged(const QList<BytSystemuPlikow *> &dodane, const QList<BytSystemuPlikow *> &usuniete);
    // Something below this folder changed; the pulse climbs to every folder above.
    void kvoNodeHasChanged();
    void bazaFasolekChanged();
    void rzeczZKatalogiemChanged();
    void zBytuKataloguDoFasolkiChanged();
    void zBytuKataloguDoPotokuChanged();

private:
    friend struct RelacjeModelu;

    void poZmianieUrla(const QString &stary) override;
    // Brings the children in step with a comparison of them with the folder's listing.
    void zastosujPorownanie(const SynchronizatorZestawuObiektow &synchronizator, bool udane,
                            const FolderListing::Identity &tozsamosc,
                            QList<BytSystemuPlikow *> *noweElementy = nullptr);

    ZbiorObiektow<BytSystemuPlikow> m_bytyWewnetrzne;
    FolderListing::Identity m_tozsamoscOdczytanego;
    bool m_czyBytyBylyOdczytaneZDysku = false;
    bool m_wlasnieCzytamBytyZDysku = false;
    bool m_czytamWTle = false;
    bool m_czytacPonownieWTle = false;
    quint64 m_opcjeSynchronizacji = 0;
    static inline int s_odczytowWTle = 0;
    BazaFasolek *m_bazaFasolek = nullptr;
    RzeczWBazieFasolekZKatalogiem *m_rzeczZKatalogiem = nullptr;
    Fasolka *m_zBytuKataloguDoFasolki = nullptr;
    Potok *m_zBytuKataloguDoPotoku = nullptr;
};
