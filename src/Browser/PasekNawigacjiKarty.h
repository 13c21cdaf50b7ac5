#pragma once

#include "ItemWidoku.h"

#include "Platform/Ui/ViewController.h"

class KontrolerKartyPortfolio;

// What a portfolio tab asks of its navigation bar; the bar itself is made by the factory App fills.
class PasekNawigacjiKarty : public ViewController
{
    Q_OBJECT

public:
    using ViewController::ViewController;

    // From here on a change of the bar's selection switches the tab to the selected item.
    virtual void skonfigurujWidok(KontrolerKartyPortfolio *kontroler) = 0;
    // Restores a remembered element: the last row whose element bears `nazwa`; no match changes nothing.
    virtual void zaznaczElementONazwie(const QString &nazwa) = 0;
    // Selects the row of a flow or a bean, opening its parent.
    virtual void zaznaczElement(QObject *obiekt) = 0;
    // Selects the row of the item (a flow or bean by identity, a view by name), else no row.
    virtual void zaznaczElementDlaWidoku(const ItemWidoku &item) = 0;
    // The name of the one selected element; empty when not exactly one is selected.
    virtual QString nazwaZaznaczonegoElementu() const = 0;
};
