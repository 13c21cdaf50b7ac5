#include "WidokPaskaZakladek.h"

#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/WidokZakladki.h"
#include "Browser/ZawartoscKarty.h"

#include <QEvent>
#include <QtMath>

WidokPaskaZakladek::WidokPaskaZakladek(QWidget *parent)
    : TabStripView(parent)
{
}

std::int32_t WidokPaskaZakladek::rodzajWybranejKarty() const
{
    const PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaOkna(window());
    const auto *wybrana = qobject_cast<ZawartoscKarty *>(przegladarka ? przegladarka->activeTabContents() : nullptr);
    return wybrana ? wybrana->rodzajKarty() : 0;
}

TabView *WidokPaskaZakladek::createTabView(TabContents *contents)
{
    return new WidokZakladki(contents, this);
}

void WidokPaskaZakladek::paintStrip(QPainter &painter)
{
    m_rysownik.rysujGoreKarty(painter, rodzajWybranejKarty(), this);
}

int WidokPaskaZakladek::tabOverlap() const
{
    return qRound(RysownikZarysuITlaKartyPrzegladarki::biegFlankiZakladki * tabHeight);
}

void WidokPaskaZakladek::changeEvent(QEvent *event)
{
    TabStripView::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        update();
}
