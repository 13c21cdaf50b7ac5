#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/TarrowindAppDelegate.h"
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

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>

namespace {

// A focusable field in the program's window that offers one bean to the panel, as the lists will.
class ZrodloJednejFasolki : public QLineEdit, public PreviewPanelDataSource
{
public:
    ZrodloJednejFasolki(Fasolka *fasolka, QWidget *rodzic) : QLineEdit(rodzic), m_fasolka(fasolka) {}
    int numberOfPreviewItemsInPreviewPanel(PanelSzybkiegoPrzegladu *) override { return 1; }
    PreviewItem *previewPanelPreviewItemAtIndex(PanelSzybkiegoPrzegladu *, int) override { return m_fasolka; }

private:
    Fasolka *m_fasolka;
};

} // namespace

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
    auto *zrodlo = new ZrodloJednejFasolki(zdjecie, okno);
    zrodlo->setGeometry(10, okno->height() - 40, 200, 24);
    zrodlo->show();
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno));
    zrodlo->setFocus();

    PanelSzybkiegoPrzegladu::pokazWspolny();
    PanelSzybkiegoPrzegladu *panel = PanelSzybkiegoPrzegladu::wspolny();
    panel->setGeometry(800, 60, 440, 360);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
    QTest::qWait(400);
    EXPECT_EQ(QApplication::activeWindow(), okno) << "the panel never takes the focus";
    EXPECT_EQ(panel->zrodloDanych(), zrodlo);
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
