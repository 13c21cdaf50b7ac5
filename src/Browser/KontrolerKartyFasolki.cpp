#include "KontrolerKartyFasolki.h"

#include "FabrykiKart.h"
#include "KartaFasolki.h"
#include "KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "TloKarty.h"
#include "UstawieniaKartyFasolki.h"
#include "ZawartoscKarty.h"

#include "Browser/TabKit/Browser.h"
#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"

#include <QCoreApplication>
#include <QTimer>

KontrolerKartyFasolki::KontrolerKartyFasolki(QObject *rodzic)
    : KontrolerKarty(rodzic)
    , m_ustawieniaKarty(std::make_unique<UstawieniaKartyFasolki>())
    , m_kontrolerZawartosciFasolki(FabrykiKart::biezace().zawartoscFasolki(this))
{
    connect(m_kontrolerZawartosciFasolki, &ZawartoscFasolkiNaKarcie::nazwaPotokuChanged, this,
            &KontrolerKartyFasolki::nazwaPotokuChanged);
    connect(m_kontrolerZawartosciFasolki, &ZawartoscFasolkiNaKarcie::nazwaFasolkiChanged, this, [this] {
        if (m_kartaFasolki && fasolka())
            m_kartaFasolki->setTitle(fasolka()->nazwa());
    });
    connect(m_kontrolerZawartosciFasolki, &ZawartoscFasolkiNaKarcie::fasolkaZostalaUsunieta, this,
            &KontrolerKartyFasolki::fasolkaZmienilaUsuniecie);
}

KontrolerKartyFasolki::~KontrolerKartyFasolki() = default;

void KontrolerKartyFasolki::loadView()
{
    KontrolerKarty::loadView();
    QWidget *szczegoly = m_kontrolerZawartosciFasolki->view();
    szczegoly->setObjectName(QStringLiteral("widokSzczegolow"));
    m_widokSzczegolow = szczegoly;
    tloKarty()->setWidokSzczegolow(szczegoly);
    tloKarty()->awakeFromNib();
}

void KontrolerKartyFasolki::awakeFromNib()
{
    KontrolerKarty::awakeFromNib();
    tloKarty()->setRodzajKarty(ZawartoscKarty::rodzajKartaFasolki);
    wstawDoLancuchaZaResponderem(m_widokSzczegolow);
    FabrykiKart::biezace().umiescAkcjeNaKarcie(this, m_widokSzczegolow);
}

void KontrolerKartyFasolki::ustawWidok()
{
    view();
    if (m_widokUstawiony)
        return;
    m_widokUstawiony = true;
    m_ustawieniaKarty->odczytajUstawieniaAplikacji();
    m_kontrolerZawartosciFasolki->ustawWidok();
    kontrolerWidokuRozdzielonegoZPanelemPrawym()->setKontrolerKartyFasolki(this);
    kontrolerWidokuRozdzielonegoZPanelemPrawym()->odczytajUstawienia();
}

Fasolka *KontrolerKartyFasolki::fasolka() const
{
    return m_kontrolerZawartosciFasolki->fasolka();
}

void KontrolerKartyFasolki::setFasolka(Fasolka *fasolka)
{
    // Read again first when the watcher cannot follow its folders.
    if (fasolka)
        BazaFasolek::sharedBazaFasolek()->odczytajPokazanyObiekt(fasolka);
    m_kontrolerZawartosciFasolki->setFasolka(fasolka);
}

void KontrolerKartyFasolki::fasolkaZmienilaUsuniecie()
{
    if (!m_kartaFasolki)
        return;
    // Not inside the bean's own signal: the tab closes on a later turn, if it still lies in a browser.
    QTimer::singleShot(0, m_kartaFasolki, [karta = m_kartaFasolki] {
        Browser *przegladarka = karta ? karta->browser() : nullptr;
        const int indeks = przegladarka ? przegladarka->indexOfTabContents(karta) : -1;
        if (indeks >= 0)
            przegladarka->closeTabAtIndex(indeks);
    });
}

KartaFasolki *KontrolerKartyFasolki::kartaFasolki() const
{
    return m_kartaFasolki;
}

void KontrolerKartyFasolki::setKartaFasolki(KartaFasolki *karta)
{
    m_kartaFasolki = karta;
}

QString KontrolerKartyFasolki::tytulZakladki() const
{
    return tytulZakladkiDlaFasolki(fasolka());
}

QIcon KontrolerKartyFasolki::ikonaZakladki() const
{
    return ikonaZakladkiDlaFasolki(fasolka());
}

QString KontrolerKartyFasolki::tytulZakladkiDlaFasolki(const Fasolka *fasolka)
{
    if (!fasolka)
        return QCoreApplication::translate("KontrolerKartyFasolki", "no bean");
    return QCoreApplication::translate("KontrolerKartyFasolki", "Bean: %1").arg(fasolka->nazwa());
}

QIcon KontrolerKartyFasolki::ikonaZakladkiDlaFasolki(const Fasolka *fasolka)
{
    return fasolka ? fasolka->ikona() : QIcon();
}

QString KontrolerKartyFasolki::nazwaPotoku() const
{
    return m_kontrolerZawartosciFasolki->nazwaPotoku();
}

KontrolerWidokuRozdzielonegoZPanelemPrawym *KontrolerKartyFasolki::kontrolerWidokuRozdzielonegoZPanelemPrawym() const
{
    return m_kontrolerZawartosciFasolki->kontrolerWidokuRozdzielonegoZPanelemPrawym();
}
