#pragma once

#include "Akcja.h"

#include <QPointer>

class PozycjaMenu;
class QAbstractButton;

// The item being validated: its action, its tag and the object itself (a menu item, a button,
// or whatever an owner validates on its own), which is also the command's sender.
class ElementInterfejsu
{
public:
    ElementInterfejsu(Akcja akcja, QObject *obiekt = nullptr, int tag = 0);
    explicit ElementInterfejsu(PozycjaMenu *pozycja);

    Akcja akcja() const { return m_akcja; }
    int tag() const { return m_tag; }
    QObject *obiekt() const { return m_obiekt; }

    // The menu item, whose look validation may change (hidden, title, checkmark); else null.
    PozycjaMenu *pozycjaMenu() const;
    QAbstractButton *przycisk() const;

private:
    Akcja m_akcja;
    QPointer<QObject> m_obiekt;
    int m_tag = 0;
};
