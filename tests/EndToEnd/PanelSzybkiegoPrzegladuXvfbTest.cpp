#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/TarrowindAppDelegate.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Platform/Ui/PreviewPanelDataSource.h"
#include "Platform/Ui/WidokPodgladuPliku.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Views/KontrolerPotoku.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTest>

TEST(PanelSzybkiegoPrzegladuXvfbTest, AnImageBeanInThePanelBesideTheProgramsWindowWhichKeepsTheFocus)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    KatalogTestowy dir;
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    const QString baza = dir.katalog(QStringLiteral("Projekty"));
    ASSERT_TRUE(GeneratorPortfolio::zbuduj(baza, {.potoki = 2, .fasolkiNaPotok = 6}).udany);
    QImage obraz(640, 400, QImage::Format_RGB32);
    obraz.fill(QColor(70, 130, 180));
    QPainter malarz(&obraz);
    malarz.setBrush(QColor(255, 200, 0));
    malarz.drawEllipse(QPoint(320, 200), 150, 150);
    malarz.end();
    ASSERT_TRUE(obraz.save(baza + QStringLiteral("/Tarrowind/All Beans/Potok 0001/Zachód słońca.png"), "PNG"));
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(baza));
    Fasolka *zdjecie = BazaFasolek::sharedBazaFasolek()
                           ->znajdzPotokONazwie(QStringLiteral("Potok 0001"))
                           ->znajdzFasolkeONazwie(QStringLiteral("Zachód słońca.png"));
    ASSERT_TRUE(zdjecie);

    WindowRegistry::instance();
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
    delegat.applicationDidFinishLaunching();
    QWidget *okno = WindowRegistry::instance().mainWindow();
    ASSERT_TRUE(okno);
    okno->setGeometry(20, 40, 760, 480);
    // The bean in its flow's list, as Show in Flow leaves it: selected, the list holding the focus.
    KontrolerKartyPortfolio *karta = KartaPortfolio::wybranaKartaPortfolio()->kontrolerKartyPortfolio();
    karta->pokazFasolkeWPotoku(zdjecie);
    auto *zrodlo = qobject_cast<KontrolerPotoku *>(karta->kontrolerBiezacegoWidokuSzczegolow());
    ASSERT_TRUE(zrodlo);
    ASSERT_EQ(zrodlo->kontrolerTablicy()->selectedObjects(), QList<QObject *>{zdjecie});
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno));
    zrodlo->widokTabeli()->setFocus();

    PanelSzybkiegoPrzegladu::pokazWspolny();
    PanelSzybkiegoPrzegladu *panel = PanelSzybkiegoPrzegladu::wspolny();
    panel->setGeometry(800, 60, 440, 360);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
    QTest::qWait(400);
    EXPECT_EQ(QApplication::activeWindow(), okno) << "the panel never takes the focus";
    EXPECT_EQ(panel->zrodloDanych(), static_cast<PreviewPanelDataSource *>(zrodlo));
    EXPECT_EQ(panel->widokPodgladu()->rodzaj(), WidokPodgladuPliku::Rodzaj::Obraz);

    const QRect obszar = okno->frameGeometry().united(panel->frameGeometry()).adjusted(-10, -10, 10, 10);
    const QString katalog = qEnvironmentVariable("TARROWIND_SCREENSHOTS", QDir::currentPath());
    QDir().mkpath(katalog);
    const QImage zrzut = QGuiApplication::primaryScreen()
                             ->grabWindow(0, obszar.x(), obszar.y(), obszar.width(), obszar.height())
                             .toImage();
    EXPECT_TRUE(zrzut.save(katalog + QStringLiteral("/preview-panel-image-bean.png")));
    const QPoint srodekPanelu = panel->geometry().center() - obszar.topLeft();
    EXPECT_EQ(zrzut.pixelColor(srodekPanelu), QColor(255, 200, 0)) << "the picture's sun in the middle of the panel";
    PanelSzybkiegoPrzegladu::ukryjWspolny();
}
