#include "KontrolerDymkaNowaRzecz.h"

#include "DymekNowaRzecz.h"
#include "PoleNazwa.h"

#include "Platform/DelayedOperations.h"

#include <QApplication>
#include <QLabel>

KontrolerDymkaNowaRzecz::KontrolerDymkaNowaRzecz(QObject *rodzic)
    : QObject(rodzic)
{
}

KontrolerDymkaNowaRzecz::~KontrolerDymkaNowaRzecz()
{
    // Going away with the popover open closes it; nobody is left to be told.
    if (m_dymek)
        m_dymek->disconnect(this);
}

QLabel *KontrolerDymkaNowaRzecz::poleOpis() const
{
    return m_dymek ? m_dymek->poleOpis() : nullptr;
}

PoleNazwa *KontrolerDymkaNowaRzecz::poleNazwa() const
{
    return m_dymek ? m_dymek->poleNazwa() : nullptr;
}

QString KontrolerDymkaNowaRzecz::tekstowyRodzajNowejRzeczy(RodzajNowejRzeczy rodzaj)
{
    switch (rodzaj) {
    case rnrRodzajNieokreslony:
        return QStringLiteral("rnrRodzajNieokreslony");
    case rnrFasolka:
        return QStringLiteral("rnrFasolka");
    case rnrKatalog:
        return QStringLiteral("rnrKatalog");
    case rnrPotok:
        return QStringLiteral("rnrPotok");
    }
    return {};
}

QString KontrolerDymkaNowaRzecz::opisNowejRzeczy(RodzajNowejRzeczy rodzaj, const QString &nazwaKontenera)
{
    switch (rodzaj) {
    case rnrFasolka:
        return tr("New Bean in '%1'").arg(nazwaKontenera);
    case rnrKatalog:
        if (nazwaKontenera.isEmpty())
            return tr("New Directory");
        return tr("New Directory in '%1'")
            .arg(nazwaKontenera == QLatin1String("_Flow_Items") ? tr("Flow Items") : nazwaKontenera);
    case rnrPotok:
        return tr("New Flow");
    default:
        return {};
    }
}

void KontrolerDymkaNowaRzecz::wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(
    RodzajNowejRzeczy rodzaj, const QString &nazwaKontenera, QObject *obiekt, MetodaKonczaca metodaKonczaca,
    QWidget *przycisk, const QRect &obszarPrzycisku)
{
    if (!m_dymek) {
        m_dymek = std::make_unique<DymekNowaRzecz>();
        connect(m_dymek->poleNazwa(), &PoleNazwa::textShouldEndEditing, this,
                &KontrolerDymkaNowaRzecz::controlTextShouldEndEditing);
        connect(m_dymek.get(), &DymekNowaRzecz::zamkniety, this, &KontrolerDymkaNowaRzecz::popoverDidClose);
    }
    m_rodzajNowejRzeczy = rodzaj;
    m_obiektZMetodaKonczaca = obiekt;
    m_metodaKonczaca = std::move(metodaKonczaca);
    m_nazwaNowejRzeczy.clear();
    m_dymek->poleOpis()->setText(opisNowejRzeczy(rodzaj, nazwaKontenera));
    m_dymek->poleNazwa()->zacznijEdycje();
    m_savedWindow = przycisk ? przycisk->window() : QApplication::activeWindow();
    m_savedFirstResponder = m_savedWindow ? m_savedWindow->focusWidget() : nullptr;
    m_otwarty = true;
    m_dymek->pokazPrzy(przycisk, obszarPrzycisku);
}

void KontrolerDymkaNowaRzecz::controlTextShouldEndEditing()
{
    // The close comes after the field has ended its editing, so a field that Tab emptied
    // is read empty.
    if (!m_dymek->poleNazwa()->text().isEmpty())
        QMetaObject::invokeMethod(m_dymek.get(), &QWidget::close, Qt::QueuedConnection);
}

void KontrolerDymkaNowaRzecz::popoverDidClose()
{
    if (!m_otwarty)
        return;
    m_otwarty = false;
    PoleNazwa *pole = m_dymek->poleNazwa();
    // Escape or a click outside: the editing ends here, without Return.
    if (pole->wTrakcieEdycji())
        pole->textDidEndEditing(PoleNazwa::rtInny);
    if (m_savedWindow && m_savedFirstResponder) {
        m_savedWindow->activateWindow();
        m_savedFirstResponder->setFocus(Qt::PopupFocusReason);
    }
    if (!pole->text().isEmpty())
        m_nazwaNowejRzeczy = pole->text();
    // A turn later: the completion may show an alert, which must not open inside a hide.
    if (!m_nazwaNowejRzeczy.isEmpty() && m_obiektZMetodaKonczaca && m_metodaKonczaca) {
        DelayedOperations::addOperationAfterDelayWithBlock(
            0, m_obiektZMetodaKonczaca, [metoda = m_metodaKonczaca, nazwa = m_nazwaNowejRzeczy] { metoda(nazwa); });
    }
    m_obiektZMetodaKonczaca.clear();
    m_metodaKonczaca = nullptr;
    m_savedWindow.clear();
    m_savedFirstResponder.clear();
}
