#pragma once

#include "Browser/ItemWidoku.h"

#include "Platform/Ui/ViewController.h"

#include <QPointer>

class KontrolerKartyPortfolio;

// The navigation bar of a portfolio tab. It has no elements yet, so no row can be selected and
// none of the selections below changes anything; the tab only places its view and pairs with it.
class KontrolerPaskaNawigacji : public ViewController
{
    Q_OBJECT

public:
    explicit KontrolerPaskaNawigacji(QObject *rodzic = nullptr);

    // From here on a change of the bar's selection switches the tab to the selected item.
    virtual void skonfigurujWidok(KontrolerKartyPortfolio *kontroler);
    // Selects each row whose element bears `nazwa`.
    virtual void zaznaczElementONazwie(const QString &nazwa);
    // Selects the row of a flow.
    virtual void zaznaczElement(QObject *obiekt);
    // Selects the first row whose element has the item's key, else no row.
    virtual void zaznaczElementDlaWidoku(const ItemWidoku &item);
    // The name of the one selected element; empty when not exactly one is selected.
    virtual QString nazwaZaznaczonegoElementu() const;

protected:
    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const;
    void loadView() override;

private:
    QPointer<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
};
