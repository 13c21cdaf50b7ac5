#pragma once

#include "RodzajNowejRzeczy.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

class DymekNowaRzecz;
class QLabel;
class PoleNazwa;
class QWidget;

// Names a new bean, flow or folder in a popover beside the button that asked. It makes nothing
// itself: closed with a name, it hands the name to the requester's completion.
class KontrolerDymkaNowaRzecz : public QObject
{
    Q_OBJECT

public:
    // Receives the typed name, never empty.
    using MetodaKonczaca = std::function<void(const QString &nazwa)>;

    explicit KontrolerDymkaNowaRzecz(QObject *rodzic = nullptr);
    ~KontrolerDymkaNowaRzecz() override;

    // Where a popover points: a widget, or a place in it (in its coordinates).
    struct Kotwica
    {
        QPointer<QWidget> widok;
        QRect obszar;
    };

    // The completion runs only while `obiekt`, the requester, lives.
    void wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(RodzajNowejRzeczy rodzaj,
                                                                  const QString &nazwaKontenera, QObject *obiekt,
                                                                  MetodaKonczaca metodaKonczaca, QWidget *przycisk,
                                                                  const QRect &obszarPrzycisku = {});
    static QString tekstowyRodzajNowejRzeczy(RodzajNowejRzeczy rodzaj);
    static QString opisNowejRzeczy(RodzajNowejRzeczy rodzaj, const QString &nazwaKontenera);

    // Null until the popover was first opened.
    DymekNowaRzecz *dymek() const { return m_dymek.get(); }
    QLabel *poleOpis() const;
    PoleNazwa *poleNazwa() const;
    RodzajNowejRzeczy rodzajNowejRzeczy() const { return m_rodzajNowejRzeczy; }

private:
    void controlTextShouldEndEditing();
    void popoverDidClose();

    std::unique_ptr<DymekNowaRzecz> m_dymek;
    RodzajNowejRzeczy m_rodzajNowejRzeczy = rnrRodzajNieokreslony;
    QPointer<QObject> m_obiektZMetodaKonczaca;
    MetodaKonczaca m_metodaKonczaca;
    QString m_nazwaNowejRzeczy;
    QPointer<QWidget> m_savedWindow;
    QPointer<QWidget> m_savedFirstResponder;
    bool m_otwarty = false;
};
