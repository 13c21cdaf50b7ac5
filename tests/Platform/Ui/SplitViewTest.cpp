#include "Platform/Ui/SplitView.h"
#include "Platform/Ui/SplitViewDelegate.h"

#include "Support/Ui/PrzeciagniecieMysza.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

// One pane may collapse, and the divider beside it then hides, as the navigation bar's does.
class ZwijanyPanel : public SplitViewDelegate
{
public:
    explicit ZwijanyPanel(QWidget *panel)
        : m_panel(panel)
    {
    }
    qreal splitViewConstrainMinCoordinateOfSubviewAt(SplitView *, qreal, int) override { return 100; }
    qreal splitViewConstrainMaxCoordinateOfSubviewAt(SplitView *, qreal, int) override { return 300; }
    bool splitViewCanCollapseSubview(SplitView *, QWidget *podwidok) override { return podwidok == m_panel; }
    bool splitViewShouldHideDividerAtIndex(SplitView *, int) override { return true; }

private:
    QWidget *m_panel;
};

} // namespace

// Collapsed by a drag to its edge, the pane comes back by a drag out from that edge, though the
// divider beside it is hidden, and the divider then follows the pointer within its limits.
TEST(SplitViewTest, APaneCollapsedAtTheEdgeComesBackWhenItsDividerIsDraggedOut)
{
    const struct
    {
        bool pierwszyZwijany;
        int doKrawedzi, odKrawedzi, wynik;
    } przypadki[] = {
        {true, 5, 240, 240},    // the first pane, at the left edge
        {true, 5, 70, 100},     // past half the limit: back at the limit
        {false, 395, 180, 180}, // the last pane, at the right edge
    };
    for (const auto &p : przypadki) {
        SplitView widok;
        auto *pierwszy = new QWidget;
        pierwszy->resize(200, 10);
        auto *drugi = new QWidget;
        drugi->resize(197, 10);
        widok.addSubview(pierwszy);
        widok.addSubview(drugi);
        QWidget *zwijany = p.pierwszyZwijany ? pierwszy : drugi;
        ZwijanyPanel delegat(zwijany);
        widok.setDelegate(&delegat);
        widok.setGeometry(100, 100, 400, 300);
        widok.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widok));
        QWindow *okno = widok.windowHandle();

        przeciagnijMysza(okno, QPoint(201, 150), QPoint(p.doKrawedzi, 150));
        ASSERT_TRUE(widok.isSubviewCollapsed(zwijany)) << p.odKrawedzi;
        EXPECT_FALSE(zwijany->isVisible());
        EXPECT_TRUE(widok.dividerRect(0).isEmpty()) << "the divider hides";

        const QPoint krawedz(p.pierwszyZwijany ? 0 : 399, 150);
        przeciagnijMysza(okno, krawedz, QPoint(p.odKrawedzi, 150));
        EXPECT_FALSE(widok.isSubviewCollapsed(zwijany)) << p.odKrawedzi;
        EXPECT_TRUE(zwijany->isVisible()) << p.odKrawedzi;
        EXPECT_NEAR(widok.positionOfDivider(0), p.wynik, 1) << p.odKrawedzi;
    }
}

// Dividers of no thickness are not dragged, not even from the edge of a collapsed pane.
TEST(SplitViewTest, ADividerOfNoThicknessCannotBeDragged)
{
    class BezGrubosci : public SplitView
    {
    public:
        qreal dividerThickness() const override { return 0; }
    } widok;
    auto *pierwszy = new QWidget;
    pierwszy->resize(0, 10);
    widok.addSubview(pierwszy);
    widok.addSubview(new QWidget);
    ZwijanyPanel delegat(pierwszy);
    widok.setDelegate(&delegat);
    widok.setGeometry(100, 100, 400, 300);
    widok.setPosition(0, 0);
    widok.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widok));
    ASSERT_TRUE(widok.isSubviewCollapsed(pierwszy));
    przeciagnijMysza(widok.windowHandle(), QPoint(1, 150), QPoint(200, 150));
    EXPECT_TRUE(widok.isSubviewCollapsed(pierwszy));
}
