#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMetaObject>
#include <QPointer>

#include <functional>

class ElementyDlaPolecen;
class KontrolerDymkaNowaRzecz;
class Potok;
class QAbstractButton;
class QWidget;

// The new bean and new flow popovers, showing a bean in its flow, going to a flow, and the
// double-click on a list. What the owning view adds (revealing and selecting a new item, when a
// new bean may be made) comes in as hooks.
class PoleceniaNowychRzeczy
{
    Q_DECLARE_TR_FUNCTIONS(KontrolerAkcjeNaElementach)

public:
    // `wlasciciel` owns a popover made here and ends its pending connections.
    PoleceniaNowychRzeczy(const ElementyDlaPolecen &elementy, QObject *wlasciciel);
    ~PoleceniaNowychRzeczy();

    // Without one given, a popover is made on first use.
    KontrolerDymkaNowaRzecz *kontrolerDymkaNowaRzecz();
    void setKontrolerDymkaNowaRzecz(KontrolerDymkaNowaRzecz *kontroler);
    void setPrzyciskDlaDymkaNowaRzecz(QAbstractButton *przycisk);
    // Called before a new bean is selected, so that the list shows it.
    void setOdslonNowaFasolke(std::function<void()> odslon) { m_odslonNowaFasolke = std::move(odslon); }
    // When set, a new bean may be made only while it holds (and an item is chosen).
    void setWarunekNowejFasolki(std::function<bool()> warunek) { m_warunekNowejFasolki = std::move(warunek); }
    void setZaznaczNowyPotok(std::function<void(Potok *)> zaznacz) { m_zaznaczNowyPotok = std::move(zaznacz); }

    // The bean in its flow: in the window's portfolio tab, else in a new window.
    void pokazFasolkeWPotoku();
    // The anchor is the sender when it is a button. The completions work from the selection at
    // that time.
    void wyswietlDymekNowaFasolka(QObject *nadawca);
    void dokonczAkcjeWyswietlDymekNowaFasolka(const QString &nazwa);
    bool czyMoznaWyswietlicDymekNowaFasolka() const;
    void wyswietlDymekNowyPotok(QObject *nadawca);
    void dokonczAkcjeWyswietlDymekNowyPotok(const QString &nazwa);
    static void wyswietlDymekNowyPotokNaKarcieProtfolio();
    static bool czyMoznaWyswietlicDymekNowyPotokNaKarciePortfolio();
    void akcjaPrzejdzDoPotoku();
    // In the window's portfolio tab; without one nothing happens.
    void operacjaPrzejdzDoPotoku(Potok *potok);
    // Each double-clicked item in turn; `modyfikatory` come from the double-click's own event:
    // Alt a new tab, Alt+Ctrl a new window, Ctrl alone nothing, for a folder bean.
    void otworzFasolkeNaKarciePortfolioPrzezDwuklik(const QList<QObject *> &elementy,
                                                    Qt::KeyboardModifiers modyfikatory);

private:
    QWidget *kotwicaDymka(QObject *nadawca) const;
    void zaznaczWLiscie(QObject *obiekt);

    const ElementyDlaPolecen &m_elementy;
    QObject *m_wlasciciel;
    QPointer<KontrolerDymkaNowaRzecz> m_kontrolerDymkaNowaRzecz;
    QPointer<QAbstractButton> m_przyciskDlaDymkaNowaRzecz;
    std::function<void()> m_odslonNowaFasolke;
    std::function<bool()> m_warunekNowejFasolki;
    std::function<void(Potok *)> m_zaznaczNowyPotok;
    // Until the list shows a new bean it is to select: one listing later at most.
    QMetaObject::Connection m_oczekujaceZaznaczenie;
};
