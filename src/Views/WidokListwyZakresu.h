#pragma once

#include "ListwaZakresu.h"

#include <QFrame>
#include <QPointer>

class PrzyciskZakresu;
class QAbstractButton;
class QAction;
class QMenu;
class QPushButton;

// The scope bar as the user sees it: the In Work, Inactive, Done and All buttons, the In Work
// sub-status menu, the division toggle and the bar's context menu, all showing one ListwaZakresu.
// Every change of the scope refreshes every control, the In Work title too.
class WidokListwyZakresu : public QFrame
{
    Q_OBJECT

public:
    explicit WidokListwyZakresu(ListwaZakresu *listwa, QWidget *rodzic = nullptr);

    ListwaZakresu *listwaZakresu() const { return m_listwa; }
    // The division into flows is offered in the All Beans view only.
    void setPokazujPodzialNaPotoki(bool pokazuj);

    PrzyciskZakresu *przyciskWObrobce() const { return m_przyciskWObrobce; }
    PrzyciskZakresu *przyciskNieaktywne() const { return m_przyciskNieaktywne; }
    PrzyciskZakresu *przyciskUkonczone() const { return m_przyciskUkonczone; }
    PrzyciskZakresu *przyciskWszystkie() const { return m_przyciskWszystkie; }
    QPushButton *przyciskPodzialNaPotoki() const { return m_przyciskPodzialNaPotoki; }
    QMenu *menuPrzyciskuWObrobce() const { return m_menuPrzyciskuWObrobce; }
    QMenu *menuListwyZakresu() const { return m_menuListwyZakresu; }

protected:
    void contextMenuEvent(QContextMenuEvent *zdarzenie) override;

private:
    PrzyciskZakresu *dodajPrzycisk(const char *nazwaObiektu, const QString &tytul, int znacznik);
    QMenu *zbudujMenu(const char *nazwaObiektu, const QList<int> &znaczniki);
    void odswiez();

    QPointer<ListwaZakresu> m_listwa;
    PrzyciskZakresu *m_przyciskWObrobce = nullptr;
    PrzyciskZakresu *m_przyciskNieaktywne = nullptr;
    PrzyciskZakresu *m_przyciskUkonczone = nullptr;
    PrzyciskZakresu *m_przyciskWszystkie = nullptr;
    QPushButton *m_przyciskPodzialNaPotoki = nullptr;
    QMenu *m_menuPrzyciskuWObrobce = nullptr;
    QMenu *m_menuListwyZakresu = nullptr;
};
