#pragma once

#include "FilePathURLDropReceiverProtocol.h"
#include "ProtokolSynchronizacjiZDyskiem.h"
#include "RzeczWBazieFasolek.h"

#include "Platform/BladOperacji.h"
#include "Platform/FolderListing.h"
#include "Platform/PreviewItem.h"

#include <QMetaObject>

class ArchiwumPotoku;
class BytKatalogu;
class BytSystemuPlikow;
class Potok;
class ZalozoneKatalogi;

// A bean: one file or folder whose status is the place where it lies. It keeps no data of
// its own beyond caches; name, kind, icon and status are read from its file-system entity.
class Fasolka : public RzeczWBazieFasolek,
                public PreviewItem,
                public ProtokolSynchronizacjiZDyskiem,
                public FilePathURLDropReceiverProtocol
{
    Q_OBJECT

public:
    enum StatusFasolki : int {
        sfNieokreslony = 0,
        sfWInkubacji = 1,
        sfAktywna = 2,
        sfOczekujaca = 3,
        sfNieaktywna = 4,
        sfGotowa = 5,
        sfUkonczona = 6,
        sfZarchiwizowana = 7,
    };
    enum RodzajFasolki : int { rfBrak = 0, rfPlik = 1, rfKatalog = 2 };

    Fasolka() = default;

    // The only way beans are made. The bean belongs to no flow yet; bytFasolki is nullptr
    // when nothing was found at the URL.
    // `rodzajZListingu`: the file type a listing read, as for the entity's factory.
    static Fasolka *zarzadzanyObiektFasolkiZURLem(const QString &url, quint32 rodzajZListingu = 0);
    // For re-reads: a bean for an entry that is still there, nullptr when it has gone again
    // (it would be a bean with no file and no name).
    static Fasolka *fasolkaZUrlemJesliIstnieje(const QString &url, quint32 rodzajZListingu);
    // For re-reads: another program re-spelled the bean's name.
    static void ustawUrlBytuFasolki(Fasolka *fasolka, const QString &url);
    // For re-reads: the bean's entity was made for a real folder. A folder that takes the place
    // of a file of the same name (or a file that of a folder) is another item, with a bean of its own.
    static bool maBytKatalogu(const Fasolka *fasolka);
    // The owner's re-read found the bean's folder replaced by another under the same name:
    // a bean whose folder was read reads it again.
    static void synchronizujJesliZastapiona(Fasolka *fasolka, const FolderListing::Identity &naDysku);

    // The status that a place gives, whether or not anything lies there.
    static int odczytajStatusFasolkiDlaURLa(const QString &url);
    // 0 nothing there, 2 a folder (a link to one counts), 1 anything else.
    static int odczytajRodzajFasolkiDlaURLa(const QString &url);
    static QString tekstowyStatusFasolki(int status);
    static QIcon ikonaStatusuFasolki(int status);
    // The status folder's name for 1, 3, 4, 5 and 6; empty for the others.
    static QString oksDlaStatusuFasolki(int status);
    static QString urlDlaFasolkiZKatalogiemZOKSZeStatusemWPotokuOUrlu(bool zKatalogiem, const QString &nazwa,
                                                                      int status, const QString &urlPotoku);
    static const QString &nazwaPlikuSpodziewanegoRezultatu();
    // Creates the status folder of `status` in the existing flow folder when it is missing; YES
    // for a status without one. With `zalozone` the folder made goes back when that operation fails.
    // A folder that cannot be made fills `blad` under `opis`, saying which folder and why.
    static bool zalozKatalogJesliPotrzebaDlaStatusuDlaPotokuZUrlem(int status, const QString &urlPotoku,
                                                                   ZalozoneKatalogi *zalozone = nullptr,
                                                                   const QString &opis = {},
                                                                   BladOperacji *blad = nullptr);

    Potok *potok() const { return m_potok; }
    ArchiwumPotoku *archiwumPotoku() const { return m_archiwumPotoku; }
    BytSystemuPlikow *bytFasolki() const { return m_bytFasolki; }
    void setBytFasolki(BytSystemuPlikow *byt);
    BytKatalogu *katalog() const { return m_katalog; }
    void setKatalog(BytKatalogu *katalog);

    QString nazwa() const override;
    QIcon ikona() const override;
    // A bean in the navigation tree: a leaf with no children.
    QList<Fasolka *> dzieciSplotu() const { return {}; }
    bool splotJestLisciem() const { return true; }
    int rodzajFasolki() const;
    int statusFasolki() const;
    QString tekstowyStatusFasolki() const { return tekstowyStatusFasolki(statusFasolki()); }
    QIcon ikonaStatusuFasolki() const { return ikonaStatusuFasolki(statusFasolki()); }
    bool jestWInkubacji() const { return statusFasolki() == sfWInkubacji; }
    bool jestAktywna() const { return statusFasolki() == sfAktywna; }
    bool jestOczekujaca() const { return statusFasolki() == sfOczekujaca; }
    bool jestNieaktywna() const { return statusFasolki() == sfNieaktywna; }
    bool jestGotowa() const { return statusFasolki() == sfGotowa; }
    bool jestUkonczona() const { return statusFasolki() == sfUkonczona; }
    bool jestZarchiwizowana() const { return statusFasolki() == sfZarchiwizowana; }
    bool jestZPlikiem() const { return rodzajFasolki() == rfPlik; }
    bool jestZKatalogiem() const { return rodzajFasolki() == rfKatalog; }
    // Taken out of its flow or flow archive: views showing it let it go.
    bool zostalaUsunieta() const { return !m_potok && !m_archiwumPotoku; }
    QString spodziewanyRezultat() const;
    // Writes the text into "expected outcome.txt" of a folder bean; the empty text deletes it.
    bool ustawSpodziewanyRezultat(const QString &tekst);
    // Renames the file or folder on disk; without a file-system entity only the cached name.
    // A refusal leaves its reason in `blad`.
    void setNazwa(const QString &nazwa, BladOperacji *blad = nullptr);

    // Operations on disk. Each acts on the disk first and then on the graph; a failure
    // leaves both as they were and says on the console which step failed.
    // Moves the bean to the place of the status in its flow; 7 archives it, leaving 7
    // brings it back into its flow.
    bool ustawStatus(int status, BladOperacji *blad = nullptr);
    // The same status place in another flow.
    bool przeniesDoPotoku(Potok *potok);
    // Where the bean would lie in the flow with the status; empty for 0, 7 and others.
    QString urlDlaPotokuIStatusu(const Potok *potok, int status) const;
    // The disk step of every move of the bean's item into another folder: never onto a name that
    // folder holds in any spelling, which Linux would keep beside it but a later read would hide.
    // The graph is the caller's to bring in step.
    bool przeniesBytFasolkiNaDysku(const QString &cel, const QString &opis, BladOperacji *blad = nullptr);
    // After a successful move of the item to another file system: the folder where items written
    // into it meanwhile stayed (the old bean folder, or the one that held the file); else empty.
    QString katalogPozostawionych() const { return m_katalogPozostawionych; }
    // After a move to another file system that copied the item but could not remove its original,
    // which stays where it was: why; else empty.
    QString przyczynaPozostawieniaOryginalu() const { return m_przyczynaPozostawieniaOryginalu; }
    bool opakujFasolkePlikowaWKatalog(BladOperacji *blad = nullptr);
    bool wypakujZawartoscFasolkiZKatalogu();
    bool zmienNazweBytuFasolkiNaDysku(const QString &nazwa, BladOperacji *blad = nullptr);

    void synchronizujZDyskiem() override;

    bool canReceiveDrop() const override { return jestZKatalogiem(); }
    QString dropDestinationURL() const override;
    QString previewItemURL() const override;
    QString previewItemTitle() const override { return nazwa(); }

signals:
    void potokChanged();
    void archiwumPotokuChanged();
    void bytFasolkiChanged();
    void katalogChanged();
    void rodzajFasolkiChanged();
    void statusFasolkiChanged();
    void tekstowyStatusFasolkiChanged();
    void ikonaStatusuFasolkiChanged();
    void jestWInkubacjiChanged();
    void jestAktywnaChanged();
    void jestOczekujacaChanged();
    void jestNieaktywnaChanged();
    void jestGotowaChanged();
    void jestUkonczonaChanged();
    void jestZarchiwizowanaChanged();
    void jestZPlikiemChanged();
    void jestZKatalogiemChanged();
    void zostalaUsunietaChanged();
    void spodziewanyRezultatChanged();

private:
    friend struct RelacjeModelu;
    friend class BytSystemuPlikow;

    // A bean hears of its own changes first, before any observer, through these calls rather
    // than through connections of its own: a graph holds tens of thousands of beans.
    void ogloszZmianeBytuFasolki();
    void ogloszZmianePotoku();
    void ogloszZmianeArchiwumPotoku();
    void poZmianieBytuFasolki();
    void poZmianieUrlaBytuFasolki(const QString &staryUrl);
    void ogloszZmianeOdczytanego();
    void uaktualnijKatalog(bool zapytajDysk);
    void ogloszZmianeRodzaju();
    void ogloszZmianeStatusu();
    // After a failed roll-back: the owner reads its beans again, so the graph shows the disk.
    void synchronizujWlasciciela();

    Potok *m_potok = nullptr;
    ArchiwumPotoku *m_archiwumPotoku = nullptr;
    BytSystemuPlikow *m_bytFasolki = nullptr;
    BytKatalogu *m_katalog = nullptr;
    QString m_katalogPozostawionych;
    QString m_przyczynaPozostawieniaOryginalu;

    // The status is cached together with the path it was computed for, so a reader that
    // runs before this bean heard of a move still gets the status of the new place.
    mutable int m_statusFasolki = sfNieokreslony;
    mutable QString m_urlStatusu;
    mutable QIcon m_obrazekIkonyPlikowejZKielkiem;
    mutable qint64 m_zapamietanyObrazekIkonyPlikowej = 0;
};
