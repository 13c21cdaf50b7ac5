#include "KontrolerWidokuFasolki.h"

#include "KontrolerZawartosciFasolki.h"

#include "Browser/ItemWidoku.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TloWidokuFasolki.h"
#include "Model/Fasolka.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/AkcjaPrzycisku.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QToolButton>

KontrolerWidokuFasolki::KontrolerWidokuFasolki(QObject *rodzic)
    : KontrolerBiezacegoWidokuSzczegolow(rodzic)
    , m_kontrolerZawartosciFasolki(new KontrolerZawartosciFasolki(this))
{
    connect(m_kontrolerZawartosciFasolki, &KontrolerZawartosciFasolki::nazwaFasolkiChanged, this,
            &KontrolerBiezacegoWidokuSzczegolow::tytulZakladkiChanged);
    connect(m_kontrolerZawartosciFasolki, &KontrolerZawartosciFasolki::fasolkaZostalaUsunieta, this,
            &KontrolerWidokuFasolki::zamknijWidokFasolki);
    addHandler(Akcja::otworzFasolkeNaKarcieLubWNowymOknie,
               [this](QObject *) { otworzFasolkeNaKarcieLubWNowymOknie(QGuiApplication::keyboardModifiers()); });
}

void KontrolerWidokuFasolki::loadView()
{
    // The card leaves its shadow and ear free around the bean's contents.
    auto *tlo = new TloWidokuFasolki;
    auto *uklad = new QVBoxLayout(tlo);
    uklad->setContentsMargins(10, 18, 14, 12);
    uklad->addWidget(m_kontrolerZawartosciFasolki->view());

    auto *przycisk = new QToolButton;
    przycisk->setObjectName(QStringLiteral("przyciskOtworzNaKarcie"));
    przycisk->setAutoRaise(true);
    przycisk->setIcon(ObrazyAplikacji::ikona(QStringLiteral("OtworzWNowymOknieTemplate")));
    przycisk->setToolTip(tr("Open in a Bean Tab (Alt: in a New Window)"));
    AkcjaPrzycisku::ustaw(przycisk, Akcja::otworzFasolkeNaKarcieLubWNowymOknie, this);
    m_kontrolerZawartosciFasolki->ukladNaglowka()->addWidget(przycisk, 0, Qt::AlignTop);
    setView(tlo);
}

Fasolka *KontrolerWidokuFasolki::fasolka() const
{
    return m_kontrolerZawartosciFasolki->fasolka();
}

void KontrolerWidokuFasolki::setFasolka(Fasolka *fasolka)
{
    if (fasolka == this->fasolka())
        return;
    m_kontrolerZawartosciFasolki->setFasolka(fasolka);
    emit tytulZakladkiChanged();
}

void KontrolerWidokuFasolki::ustawWidok()
{
    view();
    m_kontrolerZawartosciFasolki->ustawWidok();
}

void KontrolerWidokuFasolki::ustawWidokJakoPierwszyResponder()
{
    m_kontrolerZawartosciFasolki->ustawWidokJakoPierwszyResponder();
}

QString KontrolerWidokuFasolki::tytulZakladki() const
{
    return KontrolerKartyFasolki::tytulZakladkiDlaFasolki(fasolka());
}

QIcon KontrolerWidokuFasolki::ikonaZakladki() const
{
    return KontrolerKartyFasolki::ikonaZakladkiDlaFasolki(fasolka());
}

void KontrolerWidokuFasolki::odczytajUstawienia()
{
    kontrolerWidokuRozdzielonegoZPanelemPrawym()->setKontrolerKartyPortfolio(kontrolerKartyPortfolio());
    kontrolerWidokuRozdzielonegoZPanelemPrawym()->odczytajUstawienia();
}

QString KontrolerWidokuFasolki::nazwaPotoku() const
{
    return m_kontrolerZawartosciFasolki->nazwaPotoku();
}

KontrolerRzeczyKatalogu *KontrolerWidokuFasolki::kontrolerRzeczyFasolki() const
{
    return m_kontrolerZawartosciFasolki->kontrolerRzeczyFasolki();
}

KontrolerRzeczyKatalogu *KontrolerWidokuFasolki::kontrolerRzeczyPotoku() const
{
    return m_kontrolerZawartosciFasolki->kontrolerRzeczyPotoku();
}

KontrolerWidokuRozdzielonegoZPanelemPrawym *KontrolerWidokuFasolki::kontrolerWidokuRozdzielonegoZPanelemPrawym() const
{
    return m_kontrolerZawartosciFasolki->kontrolerWidokuRozdzielonegoZPanelemPrawym();
}

KontrolerAkcjeNaElementach *KontrolerWidokuFasolki::kontrolerAkcjeNaFasolkach() const
{
    return m_kontrolerZawartosciFasolki->kontrolerAkcjeNaFasolkach();
}

void KontrolerWidokuFasolki::otworzFasolkeNaKarcieLubWNowymOknie(Qt::KeyboardModifiers modyfikatory)
{
    Fasolka *fasolka = this->fasolka();
    if (!fasolka)
        return;
    if (modyfikatory.testFlag(Qt::AltModifier)) {
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(fasolka);
    } else if (PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(view())) {
        przegladarka->nowaKartaFasolki(fasolka);
    }
    zamknijWidokFasolki();
}

// The tab releases this controller a turn later, so the handler that got here returns first.
void KontrolerWidokuFasolki::zamknijWidokFasolki()
{
    if (KontrolerKartyPortfolio *karta = kontrolerKartyPortfolio(); karta && fasolka())
        karta->zamknijWidokZItem(ItemWidoku(fasolka()));
}

void KontrolerWidokuFasolki::przyjmijItem(const ItemWidoku &item)
{
    setFasolka(item.fasolka());
}

bool KontrolerWidokuFasolki::czyMoznaWyswietlicDymekNowyKatalog(const ZawartoscKarty *karta) const
{
    return m_kontrolerZawartosciFasolki->czyMoznaWyswietlicDymekNowyKatalog(karta);
}

void KontrolerWidokuFasolki::wyswietlDymekNowyKatalog(ZawartoscKarty *karta)
{
    m_kontrolerZawartosciFasolki->wyswietlDymekNowyKatalog(karta);
}
