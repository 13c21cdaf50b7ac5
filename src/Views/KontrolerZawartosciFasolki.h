#pragma once

#include "Browser/ZawartoscFasolkiNaKarcie.h"
#include "Platform/Ui/SplitView.h"
#include "Widgets/DelegatZrzutuNaIkoneZPrzeciaganymFolderem.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"

#include <QBoxLayout>
#include <QPointer>

#include <memory>

class BytKatalogu;
class Fasolka;
class KontrolerAkcjeNaElementach;
class KontrolerEdytoraSpodziewanegoRezultatu;
class KontrolerRzeczyKatalogu;
class KontrolerWidokuRozdzielonegoZPanelemPrawym;
class QLabel;

// One bean at full size, as a bean tab and a bean shown in a portfolio tab both show it: the bean's
// icon (which takes drops into its folder), name and flow, its expected outcome, and two folder
// outlines, the bean's folder and its flow's items in the right panel. It follows its bean and tells
// its owner when the name changes or the bean is gone; what that does to a tab is the owner's.
class KontrolerZawartosciFasolki : public ZawartoscFasolkiNaKarcie, public DelegatZrzutuNaIkoneZPrzeciaganymFolderem
{
    Q_OBJECT

public:
    explicit KontrolerZawartosciFasolki(QObject *rodzic = nullptr);
    ~KontrolerZawartosciFasolki() override;

    // Embeds both outlines and follows the bean folder's selection.
    void ustawWidok() override;

    Fasolka *fasolka() const override;
    void setFasolka(Fasolka *fasolka) override;
    QString nazwaPotoku() const override;

    void ustawWidokJakoPierwszyResponder() override;
    bool czyMoznaWyswietlicDymekNowyKatalog(const ZawartoscKarty *karta) const override;
    void wyswietlDymekNowyKatalog(ZawartoscKarty *karta) override;
    // The header's row beside the names, where an owner puts controls of its own.
    QBoxLayout *ukladNaglowka() const { return m_ukladNaglowka; }

    KontrolerRzeczyKatalogu *kontrolerRzeczyFasolki() const { return m_kontrolerRzeczyFasolki; }
    KontrolerRzeczyKatalogu *kontrolerRzeczyPotoku() const { return m_kontrolerRzeczyPotoku; }
    KontrolerWidokuRozdzielonegoZPanelemPrawym *kontrolerWidokuRozdzielonegoZPanelemPrawym() const override
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

protected:
    void loadView() override;

private:
    QWidget *zbudujNaglowek();
    void osadzZarys(KontrolerRzeczyKatalogu *kontroler, QWidget *miejsce);
    void obserwujFasolke();
    void obserwujPotok();
    BytKatalogu *katalogRzeczyPotoku() const;
    void uaktualnijUrlIkony();
    void zmienionoZaznaczenieRzeczyFasolki();

    QPointer<Fasolka> m_fasolka;
    KontrolerRzeczyKatalogu *m_kontrolerRzeczyFasolki;
    KontrolerRzeczyKatalogu *m_kontrolerRzeczyPotoku;
    KontrolerEdytoraSpodziewanegoRezultatu *m_kontrolerEdytoraSpodziewanegoRezultatu;
    KontrolerWidokuRozdzielonegoZPanelemPrawym *m_kontrolerWidokuRozdzielonegoZPanelemPrawym;
    KontrolerAkcjeNaElementach *m_kontrolerAkcjeNaFasolkach;
    QPointer<SplitView> m_widokRozdzielonyZEdytoremSpodziewanegoRezultatu;
    QPointer<SplitView> m_widokRozdzielonyZPanelemPrawym;
    QPointer<QWidget> m_widokDlaRzeczyFasolki;
    QPointer<QWidget> m_widokDlaRzeczyPotoku;
    QPointer<IkonaZPrzeciaganymFolderem> m_ikonaZFolderemPotoku;
    QPointer<QLabel> m_poleNazwy;
    QPointer<QLabel> m_poleNazwyPotoku;
    QPointer<QBoxLayout> m_ukladNaglowka;
    // The bean's observations, and those of the objects reached from it; each set goes with
    // what it observes, so a controller re-pointed to another bean hears nothing of the first.
    std::unique_ptr<QObject> m_kontekstFasolki;
    std::unique_ptr<QObject> m_kontekstPotoku;
    bool m_widokUstawiony = false;
};
