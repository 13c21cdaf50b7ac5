#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Model/Fasolka.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

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

class MenuGlowneXvfbTest : public UruchomionyProgram
{
};

} // namespace

// The program's start-up in this process on a real X server, a folder bean selected by a click in
// the flow list, then its File menu and its Bean menu with Status open; the screenshots are for
// people to look at.
TEST_F(MenuGlowneXvfbTest, TheFileMenuAndTheBeanMenuWithItsStatusSubmenuOverASelectedBean)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    BrowserWindow *okno = m_okno;

    WidokTabeliFasolkiPotoku *lista = pierwszyWidoczny<WidokTabeliFasolkiPotoku>();
    ASSERT_NE(lista, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lista->kontrolerTablicy()->rowCount() >= 4; }));
    int wiersz = 0;
    while (wiersz < lista->kontrolerTablicy()->rowCount()
           && !qobject_cast<Fasolka *>(lista->kontrolerTablicy()->obiektWWierszu(wiersz))->jestZKatalogiem())
        ++wiersz;
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualRect(lista->model()->index(wiersz, 1)).center());

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
}
