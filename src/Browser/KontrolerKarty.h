#pragma once

#include "Platform/Ui/ViewController.h"

#include <QPointer>

class TloKarty;

// The view controller of one tab; the concrete tabs' controllers build their widget trees on it.
// Every tab's contents lie on a card: the root of the tree.
class KontrolerKarty : public ViewController
{
    Q_OBJECT

public:
    explicit KontrolerKarty(QObject *rodzic = nullptr);

    // The card under the tab's contents; the concrete controller gives it its kind.
    TloKarty *tloKarty() const;

protected:
    void loadView() override;

private:
    QPointer<TloKarty> m_tloKarty;
};
