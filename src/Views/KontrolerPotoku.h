#pragma once

#include "KontrolerWidokuZPanelemRzeczy.h"

#include <QPointer>

class Fasolka;
class KartaPortfolio;
class Potok;

// The view of one flow in a portfolio tab. It follows its flow's name into the tab's title and
// asks the tab to forget the flow once the flow is deleted; its list of beans is still to come.
class KontrolerPotoku : public KontrolerWidokuZPanelemRzeczy
{
    Q_OBJECT

public:
    explicit KontrolerPotoku(QObject *rodzic = nullptr);

    Potok *potok() const;
    void setPotok(Potok *potok);
    KartaPortfolio *kartaPortfolio() const;
    void setKartaPortfolio(KartaPortfolio *karta);

    // "Flow: …", or "no flow".
    QString tytulZakladki() const override;
    QIcon ikonaZakladki() const override;

    // The outline of the flow's items folder.
    KontrolerRzeczyKatalogu *kontrolerRzeczyPotoku() const { return kontrolerRzeczyPanelu(); }

    // Selects the bean's row; the view has no list yet.
    void zaznaczFasolke(Fasolka *) {}
    // The new-bean popover; it opens nothing yet.
    void wyswietlDymekNowaFasolka() {}
    // Focuses the search field; the view has none yet.
    void przejdzDoWyszukiwarki(QObject *) {}

private:
    void potokZmienilUsuniecie();

    QPointer<Potok> m_potok;
    QPointer<KartaPortfolio> m_kartaPortfolio;
};
