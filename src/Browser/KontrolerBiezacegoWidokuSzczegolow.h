#pragma once

#include "Platform/Ui/ViewController.h"

#include <QIcon>
#include <QPointer>
#include <QString>

class Fasolka;
class ItemWidoku;
class KontrolerKartyPortfolio;
class ZawartoscKarty;

// What a portfolio tab asks of the controller of each view its details area shows, at a switch and
// for the tab's commands; a view without a use for one keeps the empty default. The tab gets its
// controllers from FabrykiKart and knows no view class.
class KontrolerBiezacegoWidokuSzczegolow : public ViewController
{
    Q_OBJECT

public:
    explicit KontrolerBiezacegoWidokuSzczegolow(QObject *rodzic = nullptr);

    // Once, right after the view was first placed in the details area.
    virtual void ustawWidok() {}
    virtual void ustawWidokJakoPierwszyResponder();
    // The filter bar above the details view; none by default.
    QWidget *widokListwyFiltra() const { return m_widokListwyFiltra; }
    void setWidokListwyFiltra(QWidget *widok) { m_widokListwyFiltra = widok; }
    // The tab's title; changes are announced by tytulZakladkiChanged.
    virtual QString tytulZakladki() const = 0;
    virtual QIcon ikonaZakladki() const = 0;
    // Reads the view's state from the tab's settings.
    virtual void odczytajUstawienia() {}
    virtual void walidujPrzyciskiAkcji() {}
    // The item the tab shows with this controller, at every switch to it.
    virtual void przyjmijItem(const ItemWidoku &item) {}
    // The tab's "show the bean in its flow", for the flow shown.
    virtual void pokazFasolkeWPotoku(Fasolka *fasolka) {}
    // Focuses the search field of the view's filter bar.
    virtual void przejdzDoWyszukiwarki(QObject *nadawca) {}
    // The main menu's new-item popovers, for the view shown in the tab `karta`.
    virtual bool czyMoznaWyswietlicDymekNowaFasolka() const { return false; }
    virtual void wyswietlDymekNowaFasolka() {}
    virtual bool czyMoznaWyswietlicDymekNowyKatalog(const ZawartoscKarty *karta) const { return false; }
    virtual void wyswietlDymekNowyKatalog(ZawartoscKarty *karta) {}

    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const;
    void setKontrolerKartyPortfolio(KontrolerKartyPortfolio *kontroler);

signals:
    void tytulZakladkiChanged();

private:
    QPointer<QWidget> m_widokListwyFiltra;
    QPointer<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
};
