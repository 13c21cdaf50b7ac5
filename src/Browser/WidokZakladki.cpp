#include "WidokZakladki.h"

#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Browser/TabKit/TabStripView.h"
#include "Browser/ZawartoscKarty.h"

#include <QEvent>
#include <QtMath>

namespace {

// The ear's index in its strip's model, or -1.
int indeksWModelu(const PrzegladarkaTarrowind *przegladarka, const TabView *ucho)
{
    const BrowserWindowController *kontroler = przegladarka ? przegladarka->windowController() : nullptr;
    const TabStripView *pasek = kontroler ? kontroler->tabStripView() : nullptr;
    return pasek ? pasek->modelIndexForTabView(ucho) : -1;
}

} // namespace

WidokZakladki::WidokZakladki(TabContents *contents, QWidget *parent)
    : TabView(contents, parent)
{
}

std::int32_t WidokZakladki::rodzajTejKarty()
{
    if (m_rodzajTejKarty == 0) {
        const PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(this);
        const int indeks = indeksWModelu(przegladarka, this);
        const TabContents *zawartosc = przegladarka ? przegladarka->tabContentsAtIndex(indeks) : nullptr;
        if (const auto *karta = qobject_cast<const ZawartoscKarty *>(zawartosc))
            m_rodzajTejKarty = karta->rodzajKarty();
    }
    return m_rodzajTejKarty;
}

std::int32_t WidokZakladki::rodzajWybranejKarty() const
{
    const PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(this);
    const auto *wybrana = qobject_cast<ZawartoscKarty *>(przegladarka ? przegladarka->activeTabContents() : nullptr);
    return wybrana ? wybrana->rodzajKarty() : 0;
}

bool WidokZakladki::czyZakladkaWybrana() const
{
    const PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(this);
    const int indeks = indeksWModelu(przegladarka, this);
    return indeks >= 0 && indeks == przegladarka->activeTabIndex();
}

void WidokZakladki::paintEar(QPainter &painter)
{
    m_rysownik.rysujZakladkeKarty(painter, rodzajTejKarty(), this, rodzajWybranejKarty(), czyZakladkaWybrana());
}

int WidokZakladki::sideInset() const
{
    // Icon and close button stay clear of the flanks.
    return 3 + qCeil(RysownikZarysuITlaKartyPrzegladarki::biegFlankiZakladki * height());
}

void WidokZakladki::changeEvent(QEvent *event)
{
    TabView::changeEvent(event);
    // The selected ear's shadow shows only in the active window.
    if (event->type() == QEvent::ActivationChange)
        update();
}
