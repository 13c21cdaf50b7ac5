#include "WidokListwyZakresu.h"

#include "ListwaZakresu.h"
#include "PrzyciskZakresu.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>

namespace {

// The In Work button's value is "pressed", which has no menu tag of its own.
constexpr int znacznikWcisnietegoWObrobce = 0;
constexpr int separator = -1;

QString tytulZnacznika(int znacznik)
{
    return znacznik == ListwaZakresu::znacznikPodzialuNaPotoki
               ? QCoreApplication::translate("ListwaZakresu", "Divided into Flows")
               : ListwaZakresu::tytulZakresu(znacznik);
}

bool wartoscPrzycisku(const ListwaZakresu &listwa, int znacznik)
{
    return znacznik == znacznikWcisnietegoWObrobce ? listwa.czyWcisnietyPrzyciskWObrobce()
                                                   : listwa.wartoscZnacznika(znacznik);
}

void ustawWartoscPrzycisku(ListwaZakresu &listwa, int znacznik, bool wartosc)
{
    if (znacznik == znacznikWcisnietegoWObrobce)
        listwa.setCzyWcisnietyPrzyciskWObrobce(wartosc);
    else
        listwa.setWartoscZnacznika(znacznik, wartosc);
}

} // namespace

WidokListwyZakresu::WidokListwyZakresu(ListwaZakresu *listwa, QWidget *rodzic)
    : QFrame(rodzic)
    , m_listwa(listwa)
{
    setObjectName(QStringLiteral("listwaZakresu"));
    auto *uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(8, 2, 8, 2);
    uklad->setSpacing(4);

    m_menuPrzyciskuWObrobce = zbudujMenu("menuPrzyciskuWObrobce",
                                         {ListwaZakresu::zWObrobce, separator, ListwaZakresu::zWInkubacji,
                                          ListwaZakresu::zAktywne, ListwaZakresu::zOczekujace, ListwaZakresu::zGotowe});
    QFont czcionkaMenu(QStringLiteral("Lucida Grande"));
    czcionkaMenu.setPixelSize(12);
    m_menuPrzyciskuWObrobce->setFont(czcionkaMenu);
    m_menuListwyZakresu = zbudujMenu("menuListwyZakresu",
                                     {ListwaZakresu::zWObrobce, ListwaZakresu::zWInkubacji, ListwaZakresu::zAktywne,
                                      ListwaZakresu::zOczekujace, ListwaZakresu::zGotowe, separator,
                                      ListwaZakresu::zNieaktywne, ListwaZakresu::zUkonczone, ListwaZakresu::zWszystkie,
                                      separator, ListwaZakresu::znacznikPodzialuNaPotoki});

    m_przyciskWObrobce =
        dodajPrzycisk("przyciskWObrobce", tytulZnacznika(ListwaZakresu::zWObrobce), znacznikWcisnietegoWObrobce);
    m_przyciskWObrobce->setMenuPrzycisku(m_menuPrzyciskuWObrobce);
    m_przyciskNieaktywne =
        dodajPrzycisk("przyciskNieaktywne", tytulZnacznika(ListwaZakresu::zNieaktywne), ListwaZakresu::zNieaktywne);
    m_przyciskUkonczone =
        dodajPrzycisk("przyciskUkonczone", tytulZnacznika(ListwaZakresu::zUkonczone), ListwaZakresu::zUkonczone);
    m_przyciskWszystkie =
        dodajPrzycisk("przyciskWszystkie", tytulZnacznika(ListwaZakresu::zWszystkie), ListwaZakresu::zWszystkie);
    uklad->addStretch(1);

    m_przyciskPodzialNaPotoki = new QPushButton(tytulZnacznika(ListwaZakresu::znacznikPodzialuNaPotoki), this);
    m_przyciskPodzialNaPotoki->setObjectName(QStringLiteral("przyciskPodzialNaPotoki"));
    m_przyciskPodzialNaPotoki->setCheckable(true);
    m_przyciskPodzialNaPotoki->setFocusPolicy(Qt::NoFocus);
    connect(m_przyciskPodzialNaPotoki, &QPushButton::clicked, this, [this](bool wlaczony) {
        if (m_listwa)
            m_listwa->setCzyPodzialNaPotoki(wlaczony);
        odswiez();
    });
    uklad->addWidget(m_przyciskPodzialNaPotoki);
    setPokazujPodzialNaPotoki(false);

    if (m_listwa) {
        connect(m_listwa, &ListwaZakresu::statusPaskaZakresuChanged, this, &WidokListwyZakresu::odswiez);
        connect(m_listwa, &ListwaZakresu::czyPodzialNaPotokiChanged, this, &WidokListwyZakresu::odswiez);
    }
    odswiez();
}

void WidokListwyZakresu::setPokazujPodzialNaPotoki(bool pokazuj)
{
    m_przyciskPodzialNaPotoki->setVisible(pokazuj);
    for (QAction *akcja : m_menuListwyZakresu->actions()) {
        if (akcja->data().toInt() == ListwaZakresu::znacznikPodzialuNaPotoki)
            akcja->setVisible(pokazuj);
    }
}

void WidokListwyZakresu::contextMenuEvent(QContextMenuEvent *zdarzenie)
{
    zdarzenie->accept();
    m_menuListwyZakresu->exec(zdarzenie->globalPos());
}

PrzyciskZakresu *WidokListwyZakresu::dodajPrzycisk(const char *nazwaObiektu, const QString &tytul, int znacznik)
{
    auto *przycisk = new PrzyciskZakresu(tytul, this);
    przycisk->setObjectName(QLatin1String(nazwaObiektu));
    przycisk->setProperty("znacznik", znacznik);
    connect(przycisk, &QAbstractButton::clicked, this, [this, znacznik](bool wlaczony) {
        if (m_listwa)
            ustawWartoscPrzycisku(*m_listwa, znacznik, wlaczony);
        odswiez();
    });
    layout()->addWidget(przycisk);
    return przycisk;
}

QMenu *WidokListwyZakresu::zbudujMenu(const char *nazwaObiektu, const QList<int> &znaczniki)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QLatin1String(nazwaObiektu));
    for (const int znacznik : znaczniki) {
        if (znacznik == separator) {
            menu->addSeparator();
            continue;
        }
        QAction *akcja = menu->addAction(tytulZnacznika(znacznik));
        akcja->setCheckable(true);
        akcja->setData(znacznik);
        // Choosing a ticked scope unticks it, which changes nothing: the refresh ticks it again.
        connect(akcja, &QAction::triggered, this, [this, znacznik](bool zaznaczona) {
            if (m_listwa)
                m_listwa->setWartoscZnacznika(znacznik, zaznaczona);
            odswiez();
        });
    }
    return menu;
}

void WidokListwyZakresu::odswiez()
{
    if (!m_listwa)
        return;
    for (PrzyciskZakresu *przycisk :
         {m_przyciskWObrobce, m_przyciskNieaktywne, m_przyciskUkonczone, m_przyciskWszystkie})
        przycisk->setChecked(wartoscPrzycisku(*m_listwa, przycisk->property("znacznik").toInt()));
    m_przyciskWObrobce->setText(m_listwa->tytulPrzyciskuWObrobce());
    m_przyciskPodzialNaPotoki->setChecked(m_listwa->czyPodzialNaPotoki());
    for (QMenu *menu : {m_menuPrzyciskuWObrobce, m_menuListwyZakresu}) {
        for (QAction *akcja : menu->actions()) {
            if (akcja->isCheckable())
                akcja->setChecked(m_listwa->wartoscZnacznika(akcja->data().toInt()));
        }
    }
}
