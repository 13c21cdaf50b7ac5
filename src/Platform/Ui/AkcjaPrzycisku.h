#pragma once

#include "Akcja.h"

#include <QObject>
#include <QPointer>

class QAbstractButton;
class Responder;

// The command of a button: a click sends it to the target, or along the responder chain of the
// button's window when there is none. Owners enable the button through zwaliduj.
class AkcjaPrzycisku : public QObject
{
    Q_OBJECT

public:
    // Gives the button its command (replacing one it had); the object lives as the button's child.
    static AkcjaPrzycisku *ustaw(QAbstractButton *przycisk, Akcja akcja, Responder *cel = nullptr, int tag = 0);
    static AkcjaPrzycisku *dla(const QAbstractButton *przycisk);

    Akcja akcja() const { return m_akcja; }
    Responder *cel() const;
    int tag() const { return m_tag; }
    QAbstractButton *przycisk() const;

    // Enables the button when the command's target accepts it; answers the new state.
    bool zwaliduj();

private:
    AkcjaPrzycisku(QAbstractButton *przycisk);
    void wyslij();

    Akcja m_akcja = Akcja::generalItem;
    QPointer<Responder> m_cel;
    bool m_maCel = false;
    int m_tag = 0;
};
