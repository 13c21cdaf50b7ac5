#include "App/TarrowindAppDelegate.h"
#include "App/UruchomienieProgramu.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Model/Fasolka.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/ZrzutOkna.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

QAction *pozycjaOTytule(const QList<QAction *> &akcje, const QString &tytul)
{
    for (QAction *akcja : akcje)
        if (akcja->text() == tytul)
            return akcja;
    return nullptr;
}

} // namespace

// The program's start-up in this process on a real X server, a folder bean selected by a click in
// the flow list, then its File menu and its Bean menu with Status open; the screenshots are for
// people to look at.
TEST(MenuGlowneXvfbTest, TheFileMenuAndTheBeanMenuWithItsStatusSubmenuOverASelectedBean)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    KatalogTestowy dir;
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    const QString baza = dir.katalog(QStringLiteral("Projekty"));
    ASSERT_TRUE(GeneratorPortfolio::zbuduj(baza, {3, 12, 2, 2, 2}).udany);
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(baza));

    UruchomienieProgramu uruchomienie;
    uruchomienie.delegat().applicationDidFinishLaunching();
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::glownaPrzegladarka();
    ASSERT_NE(przegladarka, nullptr);
    BrowserWindow *okno = przegladarka->windowController()->window();
    okno->setGeometry(20, 40, 900, 560);
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno));

    WidokTabeliFasolkiPotoku *lista = nullptr;
    for (auto *widok : okno->findChildren<WidokTabeliFasolkiPotoku *>())
        if (widok->isVisible())
            lista = widok;
    ASSERT_NE(lista, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lista->kontrolerTablicy()->rowCount() >= 4; }));
    int wiersz = 0;
    while (wiersz < lista->kontrolerTablicy()->rowCount()
           && !qobject_cast<Fasolka *>(lista->kontrolerTablicy()->obiektWWierszu(wiersz))->jestZKatalogiem())
        ++wiersz;
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualRect(lista->model()->index(wiersz, 1)).center());

    QMenuBar *pasek = okno->menuBar();
    QAction *plik = pozycjaOTytule(pasek->actions(), QStringLiteral("&File"));
    ASSERT_NE(plik, nullptr);
    pasek->setActiveAction(plik);
    ASSERT_TRUE(QTest::qWaitFor([&] { return plik->menu()->isVisible(); }));
    QTest::qWait(200);
    zrzutOkien({okno, plik->menu()}, QStringLiteral("menu-plik.png"));
    plik->menu()->close();

    QAction *fasolka = pozycjaOTytule(pasek->actions(), QStringLiteral("&Bean"));
    ASSERT_NE(fasolka, nullptr);
    pasek->setActiveAction(fasolka);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fasolka->menu()->isVisible(); }));
    QAction *status = pozycjaOTytule(fasolka->menu()->actions(), QStringLiteral("Stat&us"));
    ASSERT_NE(status, nullptr);
    fasolka->menu()->setActiveAction(status);
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->menu()->isVisible(); }));
    QTest::qWait(200);
    zrzutOkien({okno, fasolka->menu(), status->menu()}, QStringLiteral("menu-fasolka.png"));
    EXPECT_TRUE(pozycjaOTytule(status->menu()->actions(), QStringLiteral("&Active"))->isEnabled());
    fasolka->menu()->close();
    StosCoreData::sharedStosCoreData()->nowyKontekst();
}
