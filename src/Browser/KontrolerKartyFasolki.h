#pragma once

#include "KontrolerKarty.h"

#include "Platform/Ui/SplitView.h"
#include "Widgets/DelegatZrzutuNaIkoneZPrzeciaganymFolderem.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"

#include <QPointer>

#include <memory>

class Fasolka;
class KartaFasolki;
class KontrolerAkcjeNaElementach;
class KontrolerEdytoraSpodziewanegoRezultatu;
class KontrolerRzeczyKatalogu;
class KontrolerWidokuRozdzielonegoZPanelemPrawym;
class QLabel;
class UstawieniaKartyFasolki;

// The controller of one bean tab: the bean's folder and its flow's items as two outlines, the
// expected outcome, and the bean's folder icon. It follows its bean: a rename retitles the tab, a
// move re-points the icon, and a deletion closes the tab.
class KontrolerKartyFasolki : public KontrolerKarty, public DelegatZrzutuNaIkoneZPrzeciaganymFolderem
{
    Q_OBJECT

public:
    explicit KontrolerKartyFasolki(QObject *rodzic = nullptr);
    ~KontrolerKartyFasolki() override;

    // Once, before the bean is set.
    void ustawWidok();

    Fasolka *fasolka() const;
    // Setting the bean already shown changes nothing; no bean leaves the views as they were.
    void setFasolka(Fasolka *fasolka);

    // The tab that owns this controller; not owned.
    KartaFasolki *kartaFasolki() const;
    void setKartaFasolki(KartaFasolki *karta);

    // "Bean: …", or "no bean".
    QString tytulZakladki() const;
    QIcon ikonaZakladki() const;
    // The name of the bean's flow, or of its flow archive; empty with neither.
    QString nazwaPotoku() const;

    // The tab's own settings, made with the controller.
    UstawieniaKartyFasolki *ustawieniaKarty() const { return m_ustawieniaKarty.get(); }
    KontrolerRzeczyKatalogu *kontrolerRzeczyFasolki() const { return m_kontrolerRzeczyFasolki; }
    KontrolerRzeczyKatalogu *kontrolerRzeczyPotoku() const { return m_kontrolerRzeczyPotoku; }
    KontrolerWidokuRozdzielonegoZPanelemPrawym *kontrolerWidokuRozdzielonegoZPanelemPrawym() const
    {
        return m_kontrolerWidokuRozdzielonegoZPanelemPrawym;
    }
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaFasolkach() const { return m_kontrolerAkcjeNaFasolkach; }
    KontrolerEdytoraSpodziewanegoRezultatu *kontrolerEdytoraSpodziewanegoRezultatu() const
    {
        return m_kontrolerEdytoraSpodziewanegoRezultatu;
    }
    IkonaZPrzeciaganymFolderem *ikonaZFolderemPotoku() const { return m_ikonaZFolderemPotoku; }

    Qt::DropAction ikonaZPrzeciaganymFolderemOperacjaDlaZrzutu(IkonaZPrzeciaganymFolderem *ikona,
                                                               const InformacjaOPrzeciaganiu &informacja) override;
    bool ikonaZPrzeciaganymFolderemOdbierzZrzut(IkonaZPrzeciaganymFolderem *ikona,
                                                const InformacjaOPrzeciaganiu &informacja) override;

signals:
    void nazwaPotokuChanged();

protected:
    void loadView() override;
    void awakeFromNib() override;

private:
    QWidget *zbudujNaglowek();
    void osadzZarys(KontrolerRzeczyKatalogu *kontroler, QWidget *miejsce);
    void obserwujFasolke();
    void obserwujPotok();
    void fasolkaZmienilaUsuniecie();
    void uaktualnijUrlIkony();
    void zmienionoZaznaczenieRzeczyFasolki();

    QPointer<Fasolka> m_fasolka;
    QPointer<KartaFasolki> m_kartaFasolki;
    std::unique_ptr<UstawieniaKartyFasolki> m_ustawieniaKarty;
    KontrolerRzeczyKatalogu *m_kontrolerRzeczyFasolki;
    KontrolerRzeczyKatalogu *m_kontrolerRzeczyPotoku;
    KontrolerEdytoraSpodziewanegoRezultatu *m_kontrolerEdytoraSpodziewanegoRezultatu;
    KontrolerWidokuRozdzielonegoZPanelemPrawym *m_kontrolerWidokuRozdzielonegoZPanelemPrawym;
    KontrolerAkcjeNaElementach *m_kontrolerAkcjeNaFasolkach;
    QPointer<QWidget> m_widokSzczegolow;
    QPointer<SplitView> m_widokRozdzielonyZEdytoremSpodziewanegoRezultatu;
    QPointer<SplitView> m_widokRozdzielonyZPanelemPrawym;
    QPointer<QWidget> m_widokDlaRzeczyFasolki;
    QPointer<QWidget> m_widokDlaRzeczyPotoku;
    QPointer<IkonaZPrzeciaganymFolderem> m_ikonaZFolderemPotoku;
    QPointer<QLabel> m_poleNazwy;
    QPointer<QLabel> m_poleNazwyPotoku;
    // The bean's observations, and those of the objects reached from it; each set goes with
    // what it observes.
    std::unique_ptr<QObject> m_kontekstFasolki;
    std::unique_ptr<QObject> m_kontekstPotoku;
    bool m_widokUstawiony = false;
};
