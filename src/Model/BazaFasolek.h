#pragma once

#include "FilePathURLDropReceiverProtocol.h"
#include "ProtokolObserwatoraZmianNaDysku.h"
#include "ProtokolSynchronizacjiZDyskiem.h"
#include "ZbiorObiektow.h"

#include "Platform/BladOperacji.h"
#include "Platform/PreviewItem.h"

#include <QObject>

#include <functional>
#include <memory>

class Archiwum;
class ArchiwumPotoku;
class BibliotekaMatRef;
class BytKatalogu;
class DeskryptorSortu;
class Fasolka;
class PobraneRzeczy;
class Potok;
class RzeczyNaBiurku;

// The bean database, root of the graph: the flows of "All Beans" and the archive. The first
// request for it builds the whole mirror of the portfolio folder.
class BazaFasolek : public QObject,
                    public PreviewItem,
                    public ProtokolSynchronizacjiZDyskiem,
                    public FilePathURLDropReceiverProtocol
{
    Q_OBJECT

public:
    // A critical alert: message and informative text. The application shell shows it
    // modally; without one the console line is all there is.
    using AlertKrytyczny = std::function<void(const QString &wiadomosc, const QString &informacja)>;
    // The portfolio folder went away and its stored location leads to no portfolio: the old
    // place (the portfolio folder's path) and what could not be found. Told once per loss.
    using PortfolioNieZnalezione = std::function<void(const QString &korzen, const BladOperacji &blad)>;
    // Makes the disk watcher; the build starts it and a change of location re-points it.
    using FabrykaObserwatora = std::function<std::unique_ptr<ProtokolObserwatoraZmianNaDysku>()>;

    BazaFasolek();
    ~BazaFasolek() override;

    // The one database of the current object context, built on the first request.
    static BazaFasolek *sharedBazaFasolek();
    static void setAlertKrytyczny(AlertKrytyczny alert);
    static void setFabrykaObserwatoraZmianNaDysku(FabrykaObserwatora fabryka);
    static void setPortfolioNieZnalezione(PortfolioNieZnalezione powiadomienie);

    // The name orders of flow and bean lists and of file-system entities. Plain comparators:
    // asking for them builds nothing.
    static const QList<DeskryptorSortu> &deskryptorySortuPoNazwie();
    static const QList<DeskryptorSortu> &deskryptorySortuPoNazwieZlokalizowanej();

    BytKatalogu *katalog() const { return m_katalog; }
    void setKatalog(BytKatalogu *katalog);
    const ZbiorObiektow<Potok> &potoki() const { return m_potoki; }
    Archiwum *archiwum() const { return m_archiwum; }
    void setArchiwum(Archiwum *archiwum);
    BibliotekaMatRef *bibliotekaMatRef() const { return m_bibliotekaMatRef; }
    PobraneRzeczy *pobraneRzeczy() const { return m_pobraneRzeczy; }
    RzeczyNaBiurku *rzeczyNaBiurku() const { return m_rzeczyNaBiurku; }
    ProtokolObserwatoraZmianNaDysku *obserwatorZmianNaDysku() const { return m_obserwatorZmianNaDysku.get(); }
    // A view is about to show the object: what the watcher cannot follow of it is read again.
    void odczytajPokazanyObiekt(QObject *obiekt);

    // The one flow that is the main flow, or nullptr when there is none or more than one.
    Potok *potokGlowny() const;
    QList<Potok *> potokiTematyczne() const;

    // Answers the flows it made; each read its beans as it was made.
    QList<Potok *> synchronizujListePotokow();
    void synchronizujZDyskiem() override;
    void zainicjujKatalogiBazyFasolek();
    // Makes one fixed folder; a failure raises the critical alert and answers NO.
    bool zalozKatalog(const QString &url);
    // Re-points the whole graph at the location that SpecKatalog now holds.
    void updateBazaFasolekAfterUrlBazowyChange();

    enum class PolozeniePortfolio { naMiejscu, przeniesione, utracone };
    // A root of the watch changed. When the portfolio folder is gone, its stored location is
    // resolved again and the graph follows it there, every object kept; where it leads to no
    // portfolio, nothing is made at either place and the user is told.
    PolozeniePortfolio sprawdzPolozeniePortfolio();

    // By display name ("Main Flow" for the main flow).
    Potok *znajdzPotokONazwie(const QString &nazwa) const;
    // The flow whose folder bears the name of the flow archive's folder.
    Potok *potokDlaArchiwumPotoku(const ArchiwumPotoku *archiwumPotoku) const;

    // A new flow folder in "All Beans"; the flow made for it, or nullptr with the reason.
    Potok *nowyPotok(const QString &nazwa, BladOperacji *blad = nullptr);
    // Moves an archived bean back into its flow with the status; a flow that is gone is
    // made again.
    bool reaktywujZarchiwizowanaFasolkeIUstawStatus(Fasolka *fasolka, int status, BladOperacji *blad = nullptr);

    bool canReceiveDrop() const override { return true; }
    QString dropDestinationURL() const override;
    QString previewItemURL() const override { return dropDestinationURL(); }
    QString previewItemTitle() const override;

signals:
    void katalogChanged();
    void potokiChanged(const QList<Potok *> &dodane, const QList<Potok *> &usuniete);
    void archiwumChanged();
    void bibliotekaMatRefChanged();
    void pobraneRzeczyChanged();
    void rzeczyNaBiurkuChanged();
    void potokGlownyChanged();
    void potokiTematyczneChanged();
    // Markers: the beans of some flow changed; the name of some bean changed.
    void relacjaFasolkiZmieniona();
    void nazwaJakiejsFasolkiZmieniona();

private:
    // Every flow re-reads its beans, but for those `swieze` that have just read them.
    void synchronizujFasolkiWPotokach(const QList<Potok *> &swieze);

    friend struct RelacjeModelu;

    void zbuduj();
    // Every entity below the old portfolio folder takes the same path below the new one.
    static void przepiszUrlePortfolio(const QString &stary, const QString &nowy);
    Potok *potokZUrlem(const QString &url) const;

    BytKatalogu *m_katalog = nullptr;
    ZbiorObiektow<Potok> m_potoki;
    Archiwum *m_archiwum = nullptr;
    BibliotekaMatRef *m_bibliotekaMatRef = nullptr;
    PobraneRzeczy *m_pobraneRzeczy = nullptr;
    RzeczyNaBiurku *m_rzeczyNaBiurku = nullptr;
    std::unique_ptr<ProtokolObserwatoraZmianNaDysku> m_obserwatorZmianNaDysku;
    bool m_portfolioUtracone = false;
};
