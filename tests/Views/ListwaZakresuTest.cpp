#include "Views/ListwaZakresu.h"
#include "Views/ProxyWszystkieFasolki.h"
#include "Views/PrzyciskZakresu.h"
#include "Views/WidokListwyZakresu.h"

#include "Browser/KontrolerKartyPortfolio.h"
#include "Platform/UserDefaults.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kluczZakresu = QStringLiteral("KartaPortfolio.statusPaskaZakresu");
const QString kluczPodzialu = QStringLiteral("KartaPortfolio.WszystkieFasolki.czyPodzialNaPotoki");

// What every control of the bar shows: the four buttons, then the ticked items of both menus by tag.
struct Kontrolki
{
    QString tytul;
    QList<bool> przyciski;
    QList<int> zaznaczoneWMenu;
    bool operator==(const Kontrolki &) const = default;
};

Kontrolki kontrolki(const WidokListwyZakresu &widok)
{
    Kontrolki wynik{widok.przyciskWObrobce()->text(), {}, {}};
    for (auto *przycisk :
         {widok.przyciskWObrobce(), widok.przyciskNieaktywne(), widok.przyciskUkonczone(), widok.przyciskWszystkie()})
        wynik.przyciski << przycisk->isChecked();
    for (QMenu *menu : {widok.menuPrzyciskuWObrobce(), widok.menuListwyZakresu()}) {
        for (QAction *akcja : menu->actions()) {
            if (akcja->isChecked() && akcja->data().toInt() <= ListwaZakresu::zWszystkie)
                wynik.zaznaczoneWMenu << akcja->data().toInt();
        }
    }
    return wynik;
}

void wybierz(QMenu *menu, int znacznik)
{
    for (QAction *akcja : menu->actions()) {
        if (akcja->data().toInt() == znacznik && akcja->isCheckable())
            akcja->trigger();
    }
}

} // namespace

TEST(ListwaZakresu, EveryWayOfChoosingAScopeRefreshesEveryControlAndNoDoesNothing)
{
    ListwaZakresu listwa;
    WidokListwyZakresu widok(&listwa);
    const struct
    {
        const char *opis;
        std::function<void()> czynnosc;
        StatusPaskaZakresu kod;
        Kontrolki widac;
    } kroki[] = {
        {"Active", [&] { listwa.setCzyAktywne(true); }, 3, {"Active", {true, false, false, false}, {3, 3}}},
        {"All", [&] { listwa.setCzyWszystkie(true); }, 8, {"Active", {false, false, false, true}, {8}}},
        {"In Work button",
         [&] { widok.przyciskWObrobce()->click(); },
         3,
         {"Active", {true, false, false, false}, {3, 3}}},
        {"NO for the scope shown",
         [&] { listwa.setCzyAktywne(false); },
         3,
         {"Active", {true, false, false, false}, {3, 3}}},
        {"ticked item chosen again",
         [&] { wybierz(widok.menuListwyZakresu(), 3); },
         3,
         {"Active", {true, false, false, false}, {3, 3}}},
        {"sub-menu tag 1",
         [&] { wybierz(widok.menuPrzyciskuWObrobce(), 1); },
         1,
         {"In Work", {true, false, false, false}, {1, 1}}},
        {"Done from the bar's menu",
         [&] { wybierz(widok.menuListwyZakresu(), 7); },
         7,
         {"In Work", {false, false, true, false}, {7}}},
        {"Waiting For",
         [&] { listwa.setCzyOczekujace(true); },
         4,
         {"Waiting For", {true, false, false, false}, {4, 4}}},
        {"code 9", [&] { listwa.setStatusPaskaZakresu(9); }, 9, {"Waiting For", {false, false, false, false}, {}}},
        {"code 0", [&] { listwa.setStatusPaskaZakresu(0); }, 0, {"Waiting For", {false, false, false, false}, {}}},
    };
    for (const auto &krok : kroki) {
        krok.czynnosc();
        EXPECT_EQ(listwa.statusPaskaZakresu(), krok.kod) << krok.opis;
        EXPECT_TRUE(kontrolki(widok) == krok.widac) << krok.opis << ": " << qPrintable(kontrolki(widok).tytul);
    }
}

TEST(ListwaZakresu, WritesThroughOnlyOnceTheSettingsAreAttachedAndThenEveryChangeAnEqualOneToo)
{
    ListwaZakresu listwa;
    listwa.setCzyNieaktywne(true);
    listwa.setCzyPodzialNaPotoki(false);
    UserDefaults &domyslne = UserDefaults::standard();
    EXPECT_FALSE(domyslne.hasStoredValue(kluczZakresu));
    EXPECT_FALSE(domyslne.hasStoredValue(kluczPodzialu));

    KontrolerKartyPortfolio karta;
    karta.ustawieniaKarty()->odczytajUstawieniaAplikacji();
    ProxyWszystkieFasolki proxy;
    proxy.setListwaZakresu(&listwa);
    proxy.setKontrolerKartyPortfolio(&karta);
    proxy.odczytajUstawienia();
    // The stored defaults came into the bar: All, divided.
    EXPECT_EQ(listwa.statusPaskaZakresu(), ListwaZakresu::zWszystkie);
    EXPECT_TRUE(listwa.czyPodzialNaPotoki());

    const struct
    {
        std::function<void()> czynnosc;
        const QString &klucz;
        int wartosc;
    } kroki[] = {
        {[&] { listwa.setCzyGotowe(true); }, kluczZakresu, 5},
        {[&] { listwa.setCzyPodzialNaPotoki(false); }, kluczPodzialu, 0},
        {[&] { listwa.setCzyPodzialNaPotoki(false); }, kluczPodzialu, 0},
        {[&] { listwa.setCzyWcisnietyPrzyciskWObrobce(true); }, kluczZakresu, 5},
        {[&] { listwa.setStatusPaskaZakresu(2); }, kluczZakresu, 2},
    };
    for (const auto &krok : kroki) {
        domyslne.removeObject(kluczZakresu);
        domyslne.removeObject(kluczPodzialu);
        krok.czynnosc();
        ASSERT_TRUE(domyslne.hasStoredValue(krok.klucz)) << qPrintable(krok.klucz);
        EXPECT_EQ(domyslne.integerForKey(krok.klucz), krok.wartosc) << qPrintable(krok.klucz);
    }
}

TEST(PrzyciskZakresu, APressedButtonIgnoresAClickAndTheRightEdgeOpensTheMenuPressedOrNot)
{
    ListwaZakresu listwa;
    listwa.setCzyWszystkie(true);
    WidokListwyZakresu widok(&listwa);
    widok.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widok));

    PrzyciskZakresu *wszystkie = widok.przyciskWszystkie();
    QTest::mouseClick(wszystkie, Qt::LeftButton, {}, wszystkie->rect().center());
    EXPECT_TRUE(wszystkie->isChecked());
    EXPECT_EQ(listwa.statusPaskaZakresu(), ListwaZakresu::zWszystkie);

    for (const bool wcisniety : {false, true}) {
        listwa.setStatusPaskaZakresu(wcisniety ? ListwaZakresu::zAktywne : ListwaZakresu::zWszystkie);
        PrzyciskZakresu *wObrobce = widok.przyciskWObrobce();
        QMenu *otwarte = nullptr;
        QTimer::singleShot(100, [&] {
            otwarte = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (otwarte)
                otwarte->close();
        });
        QTest::mouseClick(wObrobce, Qt::LeftButton, {}, QPoint(wObrobce->width() - 5, wObrobce->height() / 2));
        EXPECT_EQ(otwarte, widok.menuPrzyciskuWObrobce()) << wcisniety;
        EXPECT_EQ(listwa.czyWcisnietyPrzyciskWObrobce(), wcisniety);
    }
}
