#pragma once

#include "KontrolerDymkaNowaRzecz.h"

#include <QCoreApplication>
#include <QList>
#include <QMetaObject>
#include <QPointer>

#include <functional>

class ElementyDlaPolecen;
class Fasolka;
class Potok;
class QAbstractButton;

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
    // Where a popover points without a button to point at (a menu's command), asked as it opens.
    void setMiejsceDymka(std::function<KontrolerDymkaNowaRzecz::Kotwica()> miejsce)
    {
        m_miejsceDymka = std::move(miejsce);
    }
    // Called with a new bean before it is selected, so that the list shows it.
    void setOdslonNowaFasolke(std::function<void(Fasolka *nowa)> odslon) { m_odslonNowaFasolke = std::move(odslon); }
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
    KontrolerDymkaNowaRzecz::Kotwica kotwicaDymka(QObject *nadawca) const;
    void zaznaczWLiscie(QObject *obiekt);

    const ElementyDlaPolecen &m_elementy;
    QObject *m_wlasciciel;
    QPointer<KontrolerDymkaNowaRzecz> m_kontrolerDymkaNowaRzecz;
    QPointer<QAbstractButton> m_przyciskDlaDymkaNowaRzecz;
    std::function<KontrolerDymkaNowaRzecz::Kotwica()> m_miejsceDymka;
    std::function<void(Fasolka *nowa)> m_odslonNowaFasolke;
    std::function<bool()> m_warunekNowejFasolki;
    std::function<void(Potok *)> m_zaznaczNowyPotok;
    // Until the list shows a new bean it is to select: one listing later at most.
    QMetaObject::Connection m_oczekujaceZaznaczenie;
};
