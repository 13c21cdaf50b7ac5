#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/UstawieniaKartyFasolki.h"
#include "Browser/UstawieniaKartyPortfolio.h"
#include "Platform/Ui/SplitView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A split view of a left pane and a right panel with its create-folder button, as a tab lays it out.
class PanelPrawy : public ::testing::Test
{
protected:
    void zbuduj(int szerokosc)
    {
        widok = std::make_unique<SplitView>(Qt::Horizontal);
        lewy = new QWidget;
        panel = new QWidget;
        przycisk = new QToolButton(panel);
        widok->addSubview(lewy);
        widok->addSubview(panel);
        kontroler.setWidokRozdzielony(widok.get());
        kontroler.setWidokPanelaPrawego(panel);
        kontroler.setPrzyciskZalozKatalog(przycisk);
        widok->setDelegate(&kontroler);
        widok->resize(szerokosc, 300);
        widok->show();
    }

    // One press on divider 0, one mouse move per position, one release.
    void przeciagnij(std::initializer_list<qreal> pozycje)
    {
        const QPointF start(widok->positionOfDivider(0), 150);
        QWidget *uchwyt = widok->childAt(start.toPoint());
        ASSERT_TRUE(uchwyt && uchwyt != lewy && uchwyt != panel) << "no grip on the divider";
        const auto wyslij = [&](QEvent::Type typ, QPointF punkt, Qt::MouseButtons przyciski) {
            QMouseEvent zdarzenie(typ, uchwyt->mapFrom(widok.get(), punkt), widok->mapToGlobal(punkt), Qt::LeftButton,
                                  przyciski, Qt::NoModifier);
            QApplication::sendEvent(uchwyt, &zdarzenie);
        };
        wyslij(QEvent::MouseButtonPress, start, Qt::LeftButton);
        QPointF punkt = start;
        for (qreal x : pozycje) {
            punkt = QPointF(x, 150);
            wyslij(QEvent::MouseMove, punkt, Qt::LeftButton);
        }
        wyslij(QEvent::MouseButtonRelease, punkt, Qt::NoButton);
    }

    KontrolerWidokuRozdzielonegoZPanelemPrawym kontroler;
    std::unique_ptr<SplitView> widok;
    QWidget *lewy = nullptr;
    QWidget *panel = nullptr;
    QToolButton *przycisk = nullptr;
};

} // namespace

TEST_F(PanelPrawy, ADragKeepsTheDividerBetweenHalfTheViewAndTheViewLess201)
{
    zbuduj(1000);
    kontroler.setSzerokoscPanelaPrawego(300);
    const struct
    {
        qreal cel;
        qreal rozdzielnik;
    } przypadki[] = {{300, 500}, {650, 650}, {850, 799}, {100, 500}, {790, 790}, {880, 799}};
    for (const auto &przypadek : przypadki) {
        przeciagnij({przypadek.cel});
        EXPECT_EQ(widok->positionOfDivider(0), przypadek.rozdzielnik) << przypadek.cel;
        EXPECT_EQ(kontroler.szerokoscPanelaPrawego(), 999 - przypadek.rozdzielnik) << przypadek.cel;
        EXPECT_TRUE(kontroler.czyWidocznyPanelPrawy());
    }
}

TEST_F(PanelPrawy, InAViewOf300PointsEveryDividerPositionBecomes150)
{
    zbuduj(300);
    for (double pozycja : {-5.0, 0.0, 150.0, 299.0, 1000.0}) {
        kontroler.setPozycjaRozdzielnika(pozycja);
        EXPECT_EQ(widok->positionOfDivider(0), 150.0) << pozycja;
    }
}

TEST_F(PanelPrawy, AWiderWindowGoesToTheLeftPaneAndThePanelKeepsItsWidth)
{
    zbuduj(1000);
    kontroler.setSzerokoscPanelaPrawego(250);
    widok->resize(1200, 300);
    EXPECT_EQ(kontroler.szerokoscPanelaPrawego(), 250.0);
    EXPECT_EQ(panel->width(), 250);
    EXPECT_EQ(lewy->width(), 949);
}

TEST_F(PanelPrawy, AHiddenPanelComesBackAtItsWidthAndANewTabOpensAsLastStored)
{
    KontrolerKartyFasolki karta;
    zbuduj(1000);
    kontroler.setKontrolerKartyFasolki(&karta);
    kontroler.setSzerokoscPanelaPrawego(260);
    kontroler.setCzyWidocznyPanelPrawy(false);

    EXPECT_FALSE(kontroler.czyWidocznyPanelPrawy());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(przycisk->isHidden());
    EXPECT_EQ(lewy->width(), 1000) << "the divider of a hidden panel takes no room";
    EXPECT_EQ(karta.ustawieniaKarty()->szerokoscPanelaPrawego(), 260.0) << "0 must never be stored";

    KontrolerKartyFasolki nowaKarta;
    nowaKarta.ustawieniaKarty()->odczytajUstawieniaAplikacji();
    EXPECT_EQ(nowaKarta.ustawieniaKarty()->szerokoscPanelaPrawego(), 260.0);
    EXPECT_FALSE(nowaKarta.ustawieniaKarty()->czyWidocznyPanelPrawy());

    kontroler.setCzyWidocznyPanelPrawy(true);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(przycisk->isHidden());
    EXPECT_EQ(panel->width(), 260);
    EXPECT_EQ(lewy->width(), 739);
    EXPECT_TRUE(karta.ustawieniaKarty()->czyWidocznyPanelPrawy());
}

TEST_F(PanelPrawy, ReadingWithoutALinkedTabLeavesAShownPanelOfNoWidth)
{
    zbuduj(1000);
    kontroler.odczytajUstawienia();
    EXPECT_EQ(widok->positionOfDivider(0), 999.0);
    EXPECT_TRUE(kontroler.czyWidocznyPanelPrawy());
    EXPECT_EQ(kontroler.szerokoscPanelaPrawego(), 0.0);
}

TEST_F(PanelPrawy, ADragThatCollapsesThePanelStoresNoButLeavesTheButtonShown)
{
    KontrolerKartyPortfolio karta;
    zbuduj(1000);
    kontroler.setKontrolerKartyPortfolio(&karta);
    kontroler.setSzerokoscPanelaPrawego(250);
    przeciagnij({990});

    EXPECT_FALSE(kontroler.czyWidocznyPanelPrawy());
    EXPECT_FALSE(karta.ustawieniaKarty()->czyWidocznyPanelPrawy());
    EXPECT_EQ(karta.ustawieniaKarty()->szerokoscPanelaPrawego(), 250.0);
    EXPECT_FALSE(przycisk->isHidden());
}

TEST_F(PanelPrawy, EveryDragStepIsAnnouncedOnceVisibilityFirst)
{
    zbuduj(1000);
    kontroler.setSzerokoscPanelaPrawego(300);
    QStringList ogloszenia;
    QObject::connect(&kontroler, &KontrolerWidokuRozdzielonegoZPanelemPrawym::czyWidocznyPanelPrawyChanged,
                     [&] { ogloszenia << QStringLiteral("czyWidoczny"); });
    QObject::connect(&kontroler, &KontrolerWidokuRozdzielonegoZPanelemPrawym::szerokoscPanelaPrawegoChanged, [&] {
        ogloszenia << QStringLiteral("szerokosc:") + QString::number(kontroler.szerokoscPanelaPrawego());
    });
    przeciagnij({690, 680, 670});
    EXPECT_EQ(ogloszenia, QStringList({"czyWidoczny", "szerokosc:309", "czyWidoczny", "szerokosc:319", "czyWidoczny",
                                       "szerokosc:329"}));
}
