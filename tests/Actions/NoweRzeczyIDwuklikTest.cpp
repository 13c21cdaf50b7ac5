#include "OknaZGenerowanymPortfolio.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/RodzajWidokuPortfolio.h"
#include "Browser/TabKit/BrowserWindowController.h"
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
        return wynik;
    }

    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(NoweRzeczyIDwuklik, ANewBeanLiesInIncubationAndIsSelectedInAScopeThatShowsIt)
{
    const struct
    {
        ListwaZakresu::Zakres przed, po;
    } zakresy[] = {
        {ListwaZakresu::zAktywne, ListwaZakresu::zWObrobce},      {ListwaZakresu::zUkonczone, ListwaZakresu::zWObrobce},
        {ListwaZakresu::zWInkubacji, ListwaZakresu::zWInkubacji}, {ListwaZakresu::zWObrobce, ListwaZakresu::zWObrobce},
        {ListwaZakresu::zWszystkie, ListwaZakresu::zWszystkie},
    };
    for (const auto &z : zakresy) {
        ListwaZakresu listwa;
        listwa.setStatusPaskaZakresu(z.przed);
        ProxyFasolkiPotoku proxy;
        proxy.setPotok(p1());
        proxy.setListwaZakresu(&listwa);
        KontrolerTablicy tablica;
        QObject::connect(&proxy, &ProxyListyFasolek::tablicaChanged, &tablica,
                         [&] { tablica.ustawTresc(proxy.tablica()); });
        tablica.ustawTresc(proxy.tablica());
        KontrolerAkcjeNaElementach kontroler;
        kontroler.setElement(p1());
        kontroler.setKontrolerTablicy(&tablica);
        kontroler.setOdslonNowaFasolke([&listwa](Fasolka *) { listwa.odslonNowaFasolke(); });

        const QString nazwa = QStringLiteral("Nowa %1").arg(z.przed);
        kontroler.dokonczAkcjeWyswietlDymekNowaFasolka(nazwa);
        SCOPED_TRACE(nazwa.toStdString());
        EXPECT_TRUE(QFileInfo(R(QStringLiteral("All Beans/Potok 0001/_Incubation/") + nazwa)).isDir());
        EXPECT_EQ(listwa.statusPaskaZakresu(), z.po);
        Fasolka *nowa = p1()->znajdzFasolkeONazwie(nazwa);
        ASSERT_TRUE(nowa && QTest::qWaitFor([&] { return tablica.selectedObjects() == QList<QObject *>{nowa}; }, 2000));
    }
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

TEST_F(NoweRzeczyIDwuklik, RefusedNamesCreateNothingAndTheAlertGivesTheModelsReason)
{
    const QString fasolki = QStringLiteral("Could not create Bean Directory."),
                  potoki = QStringLiteral("Could not create Flow Directory.");
    const struct
    {
        QString nazwa, wiadomosc;
    } odmowy[] = {{"a/b", fasolki}, {"..", fasolki}, {".x", fasolki}, {"Potok 0002", potoki}};
    KontrolerAkcjeNaElementach kontroler;
    kontroler.setElement(fasolkiKatalogowe().first()); // a bean's flow is the target
    zapamietajStan();
    for (const auto &o : odmowy) {
        o.wiadomosc == fasolki ? kontroler.dokonczAkcjeWyswietlDymekNowaFasolka(o.nazwa)
                               : kontroler.dokonczAkcjeWyswietlDymekNowyPotok(o.nazwa);
        ASSERT_FALSE(m_alerty.wpisy().isEmpty());
        const Alert &alert = m_alerty.wpisy().last().alert;
        EXPECT_EQ(alert.messageText(), o.wiadomosc);
        EXPECT_FALSE(alert.informativeText().isEmpty()) << o.nazwa.toStdString();
        EXPECT_EQ(m_konsola.last(), "Błąd: " + o.wiadomosc + " " + alert.informativeText());
    }
    EXPECT_EQ(m_alerty.wpisy().size(), 4);
    sprawdzNiezmienione();

    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    auto *karta = qobject_cast<KartaPortfolio *>(przegladarka->activeTabContents());
    karta->kontrolerKartyPortfolio()->kontrolerAkcjeNaBazieFasolek()->dokonczAkcjeWyswietlDymekNowyPotok(
        QStringLiteral("Nowy"));
    ASSERT_TRUE(potok(QStringLiteral("Nowy")) && karta->kontrolerWybranegoPotoku());
    EXPECT_EQ(karta->kontrolerWybranegoPotoku()->potok(), potok(QStringLiteral("Nowy")))
        << "a new flow is selected in the bar";
}

TEST_F(NoweRzeczyIDwuklik, TheNewBeanPredicateInAllBeansNeedsTheDivisionIntoFlows)
{
    ListwaZakresu listwa;
    ProxyWszystkieFasolki proxy;
    proxy.setListwaZakresu(&listwa);
    KontrolerAkcjeNaElementach kontroler;
    kontroler.setWarunekNowejFasolki([&proxy] { return proxy.czyPodzialNaPotoki(); });
    kontroler.setElement(fasolkiKatalogowe().first());
    listwa.setCzyPodzialNaPotoki(false);
    EXPECT_FALSE(kontroler.czyMoznaWyswietlicDymekNowaFasolka());
    listwa.setCzyPodzialNaPotoki(true);
    EXPECT_TRUE(kontroler.czyMoznaWyswietlicDymekNowaFasolka());
    kontroler.setElement(nullptr);
    EXPECT_FALSE(kontroler.czyMoznaWyswietlicDymekNowaFasolka());
}

// Each item by its kind and the modifiers; two folder beans are shown one after the other, so the second stays.
TEST_F(NoweRzeczyIDwuklik, DoubleClickOpensEachItemByItsKindAndTheModifiers)
{
    Fasolka *katalogowa = fasolkiKatalogowe().at(1),
            *plikowa = p1()->znajdzFasolkeONazwie(QStringLiteral("Fasolka 0000.txt"));
    Potok *drugi = potok(QStringLiteral("Potok 0002"));
    const Qt::KeyboardModifiers modyfikatory[] = {
        {}, Qt::AltModifier, Qt::ControlModifier, Qt::AltModifier | Qt::ControlModifier};
    const struct
    {
        QList<QObject *> elementy;
        QStringList skutki;
    } przypadki[] = {
        {{katalogowa}, {"bean shown", "new tab", "nothing", "new window"}},
        {{fasolkiKatalogowe().at(0), katalogowa}, {"bean shown", "new tab", "nothing", "new window"}},
        {{plikowa}, {"opened", "opened", "opened", "opened"}},
        {{drugi}, {"flow shown", "flow shown", "flow shown", "flow shown"}},
        {{baza()->archiwum()}, {"nothing", "nothing", "nothing", "nothing"}},
    };
    for (const auto &p : przypadki) {
        for (int m = 0; m < 4; ++m) {
            PrzegladarkaTarrowind *przegladarka =
                PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(
                    rwpWidokWszystkieFasolki, false);
            auto *karta = qobject_cast<KartaPortfolio *>(przegladarka->activeTabContents());
            KontrolerAkcjeNaElementach kontroler;
            kontroler.setWidokNaKarcie(przegladarka->windowController()->window()->centralWidget());
            m_wywolania.clear();
            kontroler.otworzFasolkeNaKarciePortfolioLubPrzejdzDoPotokuPrzezDwuklik(p.elementy, modyfikatory[m]);
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
            EXPECT_EQ(skutek, p.skutki[m]) << p.elementy.first()->metaObject()->className() << " " << m;
            for (BrowserWindow *okno : widoczneOknaPrzegladarki())
                okno->close();
            wykonajOdlozoneUsuniecia();
        }
    }
}
