#include "Widgets/GreenDropBorderView.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/NaglowekTabeliPapierowej.h"
#include "Widgets/WhitePaperTableView.h"
#include "Widgets/WidokNaroznikaTabeliPapierowej.h"

#include "Platform/Ui/ElementInterfejsu.h"
#include "Widgets/ZieloneZaznaczenie.h"

#include <QItemSelectionModel>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

QImage obrazWidoku(QWidget &widok)
{
    return widok.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Records where text is drawn, so titles are checked without their pixels.
class SondaTekstu : public QPaintDevice
{
    class Silnik : public QPaintEngine
    {
    public:
        Silnik()
            : QPaintEngine(AllFeatures)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawTextItem(const QPointF &p, const QTextItem &) override { punkty.append(p); }
        Type type() const override { return User; }
        QList<QPointF> punkty;
    };

public:
    QPaintEngine *paintEngine() const override { return &m_silnik; }
    QList<QPointF> punkty() const { return m_silnik.punkty; }

protected:
    int metric(PaintDeviceMetric metryka) const override
    {
        return metryka == PdmDevicePixelRatio || metryka == PdmDevicePixelRatioScaled / 65536 ? 1 : 96 * 8;
    }

private:
    mutable Silnik m_silnik;
};

class KontrolerAkcjiTestowy : public Responder
{
public:
    bool zgoda = true;
    int przelaczenia = 0;
    bool validateUserInterfaceItem(const ElementInterfejsu &element) override
    {
        return zgoda && element.akcja() == Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu;
    }
    void performAction(Akcja akcja, QObject *) override
    {
        przelaczenia += akcja == Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu;
    }
};

} // namespace

TEST(GreenDropBorderTableView, DropZonesLieTenPointsInFromTheLeftAndThirtyFromTheRight)
{
    WhitePaperTableView tabela;
    tabela.resize(400, 300);
    tabela.show();
    ASSERT_EQ(tabela.viewport()->width(), 400);
    for (const auto &[x, wStrefie] :
         {std::pair{5, true}, {370, true}, {380, true}, {10, false}, {200, false}, {369, false}})
        EXPECT_EQ(GreenDropBorderTableView::checkIfMousePositionIsInDropZones(QPoint(x, 50), &tabela), wStrefie) << x;
}

TEST(GreenDropBorderTableView, CrossingAZoneEdgeRepaintsOnceEachWayAndKeepsTheSelection)
{
    std::vector<std::unique_ptr<QObject>> obiekty(3);
    KontrolerTablicy kontroler;
    for (auto &obiekt : obiekty)
        obiekt = std::make_unique<QObject>();
    WhitePaperTableView tabela;
    tabela.setKontrolerTablicy(&kontroler);
    kontroler.ustawTresc({obiekty[0].get(), obiekty[1].get(), obiekty[2].get()});
    kontroler.setSelectedObjects({obiekty[1].get()});
    tabela.resize(400, 300);
    tabela.show();
    QCoreApplication::processEvents();

    int malowania = 0;
    struct Licznik : QObject
    {
        int *n;
        bool eventFilter(QObject *, QEvent *e) override
        {
            *n += e->type() == QEvent::Paint;
            return false;
        }
    } licznik;
    licznik.n = &malowania;
    tabela.viewport()->installEventFilter(&licznik);
    for (const auto &[x, wStrefie, odmalowania] :
         {std::tuple{200, false, 0}, {210, false, 0}, {380, true, 1}, {390, true, 0}, {200, false, 1}}) {
        malowania = 0;
        tabela.draggingUpdated(QPoint(x, 100));
        QCoreApplication::processEvents();
        EXPECT_EQ(tabela.mouseInDropZone(), wStrefie) << x;
        EXPECT_EQ(malowania, odmalowania) << x;
    }
    EXPECT_EQ(kontroler.selectedObjects(), QList<QObject *>{obiekty[1].get()});
}

TEST(GreenDropBorderTableView, TheBorderStandsUnderTheHeaderAndStrokesItsFrameInGreen)
{
    WhitePaperTableView tabela;
    tabela.setHeaderHeight(22.5);
    tabela.resize(300, 200);
    tabela.addAndSetUpBorderView();
    EXPECT_EQ(tabela.borderView()->geometry(), QRect(0, 21, tabela.viewport()->width(), 200 - 21));

    GreenDropBorderView ramka;
    ramka.resize(300, 200);
    ramka.setShouldDrawFocusRing(true);
    const QImage obraz = obrazWidoku(ramka);
    const QRgb zielen = ZieloneZaznaczenie::alternateSelectedControlColor().rgba();
    // The stroke (2, 3, 296, 195), 4 wide: pixels 0-3 and 296-299 across, 1-4 and 196-199 down.
    for (const auto &[x, y, zielony] : {std::tuple{100, 0, false},
                                        {100, 1, true},
                                        {100, 4, true},
                                        {100, 5, false},
                                        {100, 199, true},
                                        {100, 195, false},
                                        {0, 100, true},
                                        {3, 100, true},
                                        {4, 100, false},
                                        {299, 100, true},
                                        {295, 100, false}})
        EXPECT_EQ(obraz.pixel(x, y) == zielen, zielony) << x << "," << y;
}

TEST(WhitePaperTableView, RowsAreAsHighAsTheRowViewTypeSays)
{
    QObject obiekt;
    KontrolerTablicy kontroler;
    WhitePaperTableView tabela;
    tabela.setKontrolerTablicy(&kontroler);
    kontroler.ustawTresc({&obiekt});
    for (const auto &[rodzaj, wysokosc] : {std::pair{0, 23}, {1, 50}, {2, 17}, {7, 17}, {-1, 17}}) {
        tabela.setRowViewType(rodzaj);
        EXPECT_EQ(tabela.visualRect(kontroler.index(0, 0)).height(), wysokosc) << rodzaj;
    }
}

TEST(WhitePaperTableView, EmptyRowsGetDottedLinesOnlyWithTheHorizontalGrid)
{
    for (const bool siatka : {true, false}) {
        WhitePaperTableView tabela;
        tabela.setGridStyleMask(siatka ? WidokPapierowy::SolidHorizontalGridLineMask : 0);
        tabela.resize(200, 27 + 100);
        const QImage obraz = obrazWidoku(*tabela.viewport());
        for (const int y : {22, 45, 68, 91}) {
            EXPECT_EQ(qRed(obraz.pixel(0, y)) == 199 && qRed(obraz.pixel(3, y)) == 199, siatka) << y;
            EXPECT_EQ(qRed(obraz.pixel(1, y)), 255) << y;
            EXPECT_EQ(qRed(obraz.pixel(0, y - 1)), 255) << y;
        }
    }
    const struct
    {
        QRectF obszar;
        qreal skok;
        QList<qreal> linie;
    } przypadki[] = {
        {QRectF(0, 0, 100, 80), 23.5, {0, 23, 46, 69}},
        {QRectF(0, -50, 100, 50), 23, {0, -23, -46}},
        {QRectF(0, 0, 100, 80), 0.5, {}},
    };
    for (const auto &p : przypadki)
        EXPECT_EQ(WhitePaperTableView::liniePustychWierszy(p.obszar, p.skok, 200, 0), p.linie);
}

TEST(WhitePaperTableView, HeaderCellsDrawStateSelectionSeparatorsAndTheDottedTopLine)
{
    QObject a, b;
    KontrolerTablicy kontroler;
    kontroler.ustawTytulyKolumn({"", "", "", ""});
    WhitePaperTableView tabela;
    tabela.setKontrolerTablicy(&kontroler);
    tabela.setSelectionBehavior(QAbstractItemView::SelectColumns);
    kontroler.ustawTresc({&a, &b});
    tabela.resize(300, 200);
    for (int kolumna = 0; kolumna < 3; ++kolumna)
        tabela.header()->resizeSection(kolumna, 50);
    tabela.tableViewHeaderCellForColumn(2)->setStan(true);
    tabela.tableViewHeaderCellForColumn(3)->setCzyRysowacLinieNadNaglowkiem(false);
    kontroler.selectionModel()->select(QItemSelection(kontroler.index(0, 1), kontroler.index(1, 1)),
                                       QItemSelectionModel::Select);
    const QImage naglowek = obrazWidoku(*tabela.header());
    WidokNaroznikaTabeliPapierowej naroznik;
    naroznik.resize(15, 27);
    const QImage rog = obrazWidoku(naroznik);
    // Grey levels: white 255, state on 245, highlighted 237, separator 230, dots 209 on 242.
    for (const auto &[obraz, x, y, szarosc] : {std::tuple{&naglowek, 25, 10, 255},
                                               {&naglowek, 75, 10, 237},
                                               {&naglowek, 125, 10, 245},
                                               {&naglowek, 0, 0, 209},
                                               {&naglowek, 1, 0, 242},
                                               {&naglowek, 76, 0, 237},
                                               {&naglowek, 151, 0, 255},
                                               {&naglowek, 49, 3, 230},
                                               {&naglowek, 99, 3, 230},
                                               {&naglowek, 149, 3, 230},
                                               {&naglowek, 48, 0, 209},
                                               {&naglowek, 299, 3, 255},
                                               {&naglowek, 299, 25, 230},
                                               {&rog, 0, 0, 209},
                                               {&rog, 1, 0, 242},
                                               {&rog, 5, 10, 255},
                                               {&rog, 14, 20, 255}}) {
        EXPECT_EQ(qRed(obraz->pixel(x, y)), szarosc) << (obraz == &rog ? "corner " : "header ") << x << "," << y;
    }
}

TEST(WhitePaperTableView, TitlesStandOnTheBaselineTheTableAsksFor)
{
    WhitePaperTableView tabela;
    const KomorkaNaglowkaTabeliPapierowej komorka(QStringLiteral("Name"));
    for (const auto &[wysokosc, odstep, naglowek, baza] :
         {std::tuple{27.0, 9.0, true, 18.0}, {22.0, 7.0, true, 15.0}, {27.0, 9.0, false, 27.0}}) {
        tabela.setHeaderHeight(wysokosc);
        tabela.setHeaderTitleBaselineVerticalOffset(odstep);
        SondaTekstu sonda;
        QPainter malarz(&sonda);
        komorka.drawInteriorWithFrame(malarz, QRect(50, 0, 100, int(wysokosc)),
                                      naglowek ? static_cast<QWidget *>(tabela.header()) : &tabela);
        malarz.end();
        EXPECT_EQ(sonda.punkty(), QList<QPointF>{QPointF(55, baza)}) << wysokosc;
    }
}

TEST(WhitePaperTableView, SpaceTogglesThePreviewWhenTheActionsControllerAgrees)
{
    const struct
    {
        bool zgoda, przyciskMaFokus;
        Qt::KeyboardModifiers klawisze;
        int przelaczenia;
    } przypadki[] = {
        {true, false, Qt::NoModifier, 1},
        {true, false, Qt::ShiftModifier, 1},
        {false, false, Qt::NoModifier, 0},
        {true, true, Qt::NoModifier, 0},
    };
    for (const auto &p : przypadki) {
        QWidget okno;
        auto *tabela = new WhitePaperTableView;
        auto *przycisk = new QPushButton;
        auto *uklad = new QVBoxLayout(&okno);
        uklad->addWidget(tabela);
        uklad->addWidget(przycisk);
        KontrolerAkcjiTestowy kontroler;
        kontroler.zgoda = p.zgoda;
        tabela->setKontrolerAkcjeNaElementach(&kontroler);
        okno.show();
        (p.przyciskMaFokus ? static_cast<QWidget *>(przycisk) : tabela)->setFocus();
        QTest::keyClick(tabela, Qt::Key_Space, p.klawisze);
        EXPECT_EQ(kontroler.przelaczenia, p.przelaczenia) << p.zgoda << p.przyciskMaFokus;
    }
}
