#pragma once

#include "FilePathURLDropReceiverProtocol.h"
#include "IndeksFasolek.h"
#include "ProtokolSynchronizacjiZDyskiem.h"
#include "RzeczWBazieFasolek.h"
#include "ZbiorObiektow.h"

#include "Platform/BladOperacji.h"
#include "Platform/FolderListing.h"
#include "Platform/PreviewItem.h"

#include <QMetaObject>

class BazaFasolek;
class BytKatalogu;
class BytSystemuPlikow;
class Fasolka;

// A flow: a folder directly in "All Beans" with the beans that lie in it and in its five
// status folders. "_Main_Flow" is the main flow, every other folder a topical one.
class Potok : public RzeczWBazieFasolek,
              public PreviewItem,
              public ProtokolSynchronizacjiZDyskiem,
              public FilePathURLDropReceiverProtocol
{
    Q_OBJECT

public:
    enum RodzajPotoku : int { rpBrak = 0, rpGlowny = 1, rpTematyczny = 2 };

    Potok();

    // 2 for a folder directly in "All Beans", 1 when that folder is "_Main_Flow", else 0.
    static int odczytajRodzajPotokuDlaURLa(const QString &url);
    // "Main Flow": what the main flow shows whatever its folder's name, so no other flow may be given it.
    static const QString &nazwaPotokuGlownego();
    // A name typed for another flow that would read as the main flow's, in either spelling.
    static bool jestNazwaPotokuGlownego(const QString &nazwa);
    // A new flow with its beans read; the caller adds it to the database's flows.
    static Potok *zarzadzanyObiektPotokuZURLem(const QString &url, quint32 rodzajZListingu = 0);

    BazaFasolek *bazaFasolek() const { return m_bazaFasolek; }
    BytSystemuPlikow *bytPotoku() const { return m_bytPotoku; }
    void setBytPotoku(BytSystemuPlikow *byt);
    BytKatalogu *katalogRzeczyPotoku() const { return m_katalogRzeczyPotoku; }
    void setKatalogRzeczyPotoku(BytKatalogu *katalog);
    const ZbiorObiektow<Fasolka> &fasolki() const { return m_fasolki; }
    IndeksFasolek &indeksFasolek() const { return m_indeksFasolek; }

    int rodzajPotoku() const;
    bool toPotokGlowny() const { return rodzajPotoku() == rpGlowny; }
    bool toPotokTematyczny() const { return rodzajPotoku() == rpTematyczny; }
    // Taken out of the database: views showing it close.
    bool zostalUsuniety() const { return !m_bazaFasolek; }
    QList<Fasolka *> fasolkiWInkubacji() const;
    QList<Fasolka *> fasolkiAktywne() const;
    // The navigation bar's view of a flow: a leaf whose children are its active beans by name;
    // they change with fasolkiAktywneChanged.
    QList<Fasolka *> dzieciSplotu() const;
    bool splotJestLisciem() const { return true; }
    QList<Fasolka *> fasolkiOczekujace() const;
    QList<Fasolka *> fasolkiNieaktywne() const;
    QList<Fasolka *> fasolkiGotowe() const;
    QList<Fasolka *> fasolkiUkonczone() const;
    bool maKatalogRzeczyPotoku() const;
    bool maNiepustyKatalogRzeczyPotoku() const;
    QString urlKataloguRzeczyPotoku() const;
    QIcon ikonaPaskaNawigacji() const;
    QIcon ikonaZaznaczonaPaskaNawigacji() const { return ikonaPaskaNawigacji(); }

    // "Main Flow" for the main flow, the folder's name for a topical one.
    QString nazwa() const override;
    QIcon ikona() const override;
    // The flow folder's own name as spelled on disk: what a flow archive is matched by.
    QString nazwaKatalogu() const;

    Fasolka *znajdzFasolkeONazwie(const QString &nazwa) const;

    // Renames the flow folder; when that fails the flow keeps its name and the console says so.
    // A refusal leaves its reason in `blad`.
    void setNazwa(const QString &nazwa, BladOperacji *blad = nullptr);
    // The flow folder gets the name; the beans' paths follow. The main flow keeps its folder.
    bool zmienNazwePotokuNaDysku(const QString &nazwa, BladOperacji *blad = nullptr);
    // A new folder bean in "_Incubation"; the bean made for it, or nullptr with the reason.
    Fasolka *nowaFasolka(const QString &nazwa, BladOperacji *blad = nullptr);

    void synchronizujFasolki();
    void synchronizujZDyskiem() override;

    bool canReceiveDrop() const override { return true; }
    QString dropDestinationURL() const override;
    QString previewItemURL() const override { return dropDestinationURL(); }
    QString previewItemTitle() const override { return nazwa(); }

signals:
    void bazaFasolekChanged();
    void bytPotokuChanged();
    void katalogRzeczyPotokuChanged();
    void fasolkiChanged(const QList<Fasolka *> &dodane, const QList<Fasolka *> &usuniete);
    void rodzajPotokuChanged();
    void toPotokGlownyChanged();
    void toPotokTematycznyChanged();
    void zostalUsunietyChanged();
    void fasolkiWInkubacjiChanged();
    void fasolkiAktywneChanged();
    void fasolkiOczekujaceChanged();
    void fasolkiNieaktywneChanged();
    void fasolkiGotoweChanged();
    void fasolkiUkonczoneChanged();
    void maKatalogRzeczyPotokuChanged();
    void maNiepustyKatalogRzeczyPotokuChanged();
    void urlKataloguRzeczyPotokuChanged();
    // A marker: the name of one of this flow's beans changed.
    void nazwaJakiejsFasolkiZmieniona();

private:
    friend struct RelacjeModelu;

    void poZmianieBytuPotoku();
    void poZmianieUrlaBytuPotoku(const QString &stary, const QString &nowy);
    void poZmianieKataloguRzeczyPotoku();
    void poZmianieFasolek(const QList<Fasolka *> &dodane, const QList<Fasolka *> &usuniete);
    void ogloszZmianeRodzaju();
    QList<Fasolka *> fasolkiZeStatusem(int status) const;
    Fasolka *fasolkaZUrlem(const QString &url) const;
    // The beans lying in a folder that could not be read, as entries of a listing, so they stay.
    QList<FolderListing::Wpis> wpisyFasolekWKatalogu(const QString &katalog) const;

    BazaFasolek *m_bazaFasolek = nullptr;
    BytSystemuPlikow *m_bytPotoku = nullptr;
    BytKatalogu *m_katalogRzeczyPotoku = nullptr;
    ZbiorObiektow<Fasolka> m_fasolki;
    mutable IndeksFasolek m_indeksFasolek;
    QMetaObject::Connection m_obserwacjaUrla;
    QMetaObject::Connection m_obserwacjaRzeczyPotoku;
};
