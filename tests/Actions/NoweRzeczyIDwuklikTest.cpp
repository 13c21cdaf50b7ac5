#include "OknaZGenerowanymPortfolio.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/OknaTarrowind.h"
#include "Browser/RodzajWidokuPortfolio.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/NagrywajaceUslugiPulpitu.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Views/KontrolerPotoku.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Views/ListwaZakresu.h"
#include "Views/ProxyFasolkiPotoku.h"
#include "Views/ProxyWszystkieFasolki.h"
#include "Widgets/KontrolerTablicy.h"

#include <QFileInfo>

namespace {

class NoweRzeczyIDwuklik : public OknaZGenerowanymPortfolio
{
protected:
    Potok *p1() { return potok(QStringLiteral("Potok 0001")); }
    QList<Fasolka *> fasolkiKatalogowe()
    {
        QList<Fasolka *> wynik;
        for (Fasolka *f : p1()->fasolki()) {
            if (f->jestZKatalogiem())
                wynik << f;
        }
        std::sort(wynik.begin(), wynik.end(), [](Fasolka *a, Fasolka *b) { return a->nazwa() < b->nazwa(); });
        return wynik;
    }

    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(NoweRzeczyIDwuklik, ANewBeanLiesInIncubationAndIsSelectedInAScopeThatShowsIt)
{
    const struct { ListwaZakresu::Zakres przed, po; } zakresy[] = {
        {ListwaZakresu::zAktywne, ListwaZakresu::zWObrobce},
        {ListwaZakresu::zUkonczone, ListwaZakresu::zWObrobce},
        {ListwaZakresu::zWInkubacji, ListwaZakresu::zWInkubacji},
        {ListwaZakresu::zWObrobce, ListwaZakresu::zWObrobce},
        {ListwaZakresu::zWszystkie, ListwaZakresu::zWszystkie},
    };
    int numer = 0;
    for (const auto &z : zakresy) {
        ListwaZakresu listwa;
        listwa.setStatusPaskaZakresu(z.przed);
        ProxyFasolkiPotoku proxy;
        proxy.setPotok(p1());
        proxy.setListwaZakresu(&listwa);
        KontrolerTablicy tablica;
        QObject::connect(&proxy, &ProxyListyFasolek::tablicaChanged, &tablica, [&] { tablica.ustawTresc(proxy.tablica()); });
        tablica.ustawTresc(proxy.tablica());
        KontrolerAkcjeNaElementach kontroler;
        kontroler.setElement(p1());
        kontroler.setKontrolerTablicy(&tablica);
        kontroler.setListwaZakresu(&listwa);

        const QString nazwa = QStringLiteral("Nowa %1").arg(++numer);
        kontroler.dokonczAkcjeWyswietlDymekNowaFasolka(nazwa);
        SCOPED_TRACE(nazwa.toStdString());
        EXPECT_TRUE(QFileInfo(R(QStringLiteral("All Beans/Potok 0001/_Incubation/") + nazwa)).isDir());
        EXPECT_EQ(listwa.statusPaskaZakresu(), z.po);
        Fasolka *nowa = p1()->znajdzFasolkeONazwie(nazwa);
        ASSERT_TRUE(nowa);
        ASSERT_TRUE(QTest::qWaitFor([&] { return tablica.selectedObjects() == QList<QObject *>{nowa}; }, 2000));
    }
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

TEST_F(NoweRzeczyIDwuklik, RefusedNamesCreateNothingAndTheAlertGivesTheModelsReason)
{
    KontrolerAkcjeNaElementach kontroler;
    Fasolka *wybrana = fasolkiKatalogowe().first();
    kontroler.setElement(wybrana); // a bean's flow is the target
    zapamietajStan();
    for (const QString &nazwa : {QStringLiteral("a/b"), QStringLiteral(".."), QStringLiteral(".x")})
        kontroler.dokonczAkcjeWyswietlDymekNowaFasolka(nazwa);
    sprawdzNiezmienione();
    ASSERT_EQ(m_alerty.wpisy().size(), 3);
    for (const auto &wpis : m_alerty.wpisy()) {
        EXPECT_EQ(wpis.alert.messageText(), "Could not create Bean Directory.");
        EXPECT_FALSE(wpis.alert.informativeText().isEmpty());
    }

    kontroler.dokonczAkcjeWyswietlDymekNowyPotok(QStringLiteral("Potok 0002"));
    sprawdzNiezmienione();
    ASSERT_EQ(m_alerty.wpisy().size(), 4);
    EXPECT_EQ(m_alerty.wpisy().last().alert.messageText(), "Could not create Flow Directory.");
    EXPECT_FALSE(m_alerty.wpisy().last().alert.informativeText().isEmpty());
    EXPECT_TRUE(m_konsola.contains("Błąd: Could not create Flow Directory. " + m_alerty.wpisy().last().alert.informativeText()));
}

TEST_F(NoweRzeczyIDwuklik, ANewFlowIsSelectedInTheNavigationBarAndShown)
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    auto *karta = qobject_cast<KartaPortfolio *>(przegladarka->activeTabContents());
    ASSERT_TRUE(karta);
    karta->kontrolerKartyPortfolio()->kontrolerAkcjeNaBazieFasolek()->dokonczAkcjeWyswietlDymekNowyPotok(QStringLiteral("Nowy"));
    Potok *nowy = potok(QStringLiteral("Nowy"));
    ASSERT_TRUE(nowy);
    ASSERT_TRUE(karta->kontrolerWybranegoPotoku());
    EXPECT_EQ(karta->kontrolerWybranegoPotoku()->potok(), nowy);
}

TEST_F(NoweRzeczyIDwuklik, TheNewBeanPredicateInAllBeansNeedsTheDivisionIntoFlows)
{
    ListwaZakresu listwa;
    ProxyWszystkieFasolki proxy;
    proxy.setListwaZakresu(&listwa);
    KontrolerAkcjeNaElementach kontroler;
    kontroler.setProxyWszystkieFasolki(&proxy);
    kontroler.setElement(fasolkiKatalogowe().first());
    for (const bool podzial : {false, true}) {
        listwa.setCzyPodzialNaPotoki(podzial);
        EXPECT_EQ(kontroler.czyMoznaWyswietlicDymekNowaFasolka(), podzial);
    }
    kontroler.setElement(nullptr);
    EXPECT_FALSE(kontroler.czyMoznaWyswietlicDymekNowaFasolka());
}

TEST_F(NoweRzeczyIDwuklik, DoubleClickOpensEachItemByItsKindAndTheModifiers)
{
    Fasolka *katalogowa = fasolkiKatalogowe().first();
    Fasolka *plikowa = p1()->znajdzFasolkeONazwie(QStringLiteral("Fasolka 0000.txt"));
    Potok *drugi = potok(QStringLiteral("Potok 0002"));
    const Qt::KeyboardModifiers brak, alt = Qt::AltModifier, ctrl = Qt::ControlModifier,
                                      oba = Qt::AltModifier | Qt::ControlModifier;
    const struct { QObject *element; Qt::KeyboardModifiers modyfikatory; const char *skutek; } przypadki[] = {
        {katalogowa, brak, "bean shown"}, {katalogowa, alt, "new tab"},
        {katalogowa, ctrl, "nothing"},    {katalogowa, oba, "new window"},
        {plikowa, brak, "opened"},        {plikowa, alt, "opened"},
        {plikowa, ctrl, "opened"},        {plikowa, oba, "opened"},
        {drugi, brak, "flow shown"},      {drugi, alt, "flow shown"},
        {drugi, ctrl, "flow shown"},      {drugi, oba, "flow shown"},
        {baza()->archiwum(), brak, "nothing"}, {baza()->archiwum(), alt, "nothing"},
        {baza()->archiwum(), ctrl, "nothing"}, {baza()->archiwum(), oba, "nothing"},
    };
    for (const auto &p : przypadki) {
        PrzegladarkaTarrowind *przegladarka =
            PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(rwpWidokWszystkieFasolki, false);
        auto *karta = qobject_cast<KartaPortfolio *>(przegladarka->activeTabContents());
        KontrolerAkcjeNaElementach kontroler;
        kontroler.setWidokNaKarcie(przegladarka->windowController()->window()->centralWidget());
        m_wywolania.clear();
        kontroler.otworzFasolkeNaKarciePortfolioPrzezDwuklik({p.element}, p.modyfikatory);

        QString skutek = QStringLiteral("nothing");
        if (widoczneOknaPrzegladarki().size() > 1)
            skutek = QStringLiteral("new window");
        else if (przegladarka->tabCount() > 1)
            skutek = QStringLiteral("new tab");
        else if (m_wywolania == QStringList{"open " + url(plikowa)})
            skutek = QStringLiteral("opened");
        else if (karta->kontrolerWybranejFasolki() && karta->kontrolerWybranejFasolki()->fasolka() == katalogowa)
            skutek = QStringLiteral("bean shown");
        else if (karta->kontrolerWybranegoPotoku() && karta->kontrolerWybranegoPotoku()->potok() == drugi)
            skutek = QStringLiteral("flow shown");
        EXPECT_EQ(skutek, p.skutek) << p.element->metaObject()->className() << " " << int(p.modyfikatory);
        for (BrowserWindow *okno : widoczneOknaPrzegladarki())
            okno->close();
        wykonajOdlozoneUsuniecia();
    }

    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    auto *karta = qobject_cast<KartaPortfolio *>(przegladarka->activeTabContents());
    KontrolerAkcjeNaElementach kontroler;
    kontroler.setWidokNaKarcie(przegladarka->windowController()->window()->centralWidget());
    const QList<Fasolka *> dwie = fasolkiKatalogowe().mid(0, 2);
    ASSERT_EQ(dwie.size(), 2);
    kontroler.otworzFasolkeNaKarciePortfolioLubPrzejdzDoPotokuPrzezDwuklik({dwie[0], dwie[1]}, brak);
    ASSERT_TRUE(karta->kontrolerWybranejFasolki());
    EXPECT_EQ(karta->kontrolerWybranejFasolki()->fasolka(), dwie[1]);
}
