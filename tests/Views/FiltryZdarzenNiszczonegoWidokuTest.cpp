#include "Model/StosCoreData.h"
#include "Views/AdapterZrzutuListyFasolek.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/WidokKomorkiFasolki.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/WhitePaperTableView.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// ~QWidget sends its last events (hide, focus, destroy) through the filters watching the view and its
// viewport while the view is no longer of its own type; a filter that then asks the view as its full
// type is undefined behaviour (UBSan: "member call on address … which does not point to an object of
// type 'QAbstractScrollArea'"). Each case tears its view down with input queued and its filters installed.
struct WidokZFiltrem
{
    QPointer<QAbstractScrollArea> widok;
    std::shared_ptr<QObject> wlascicielFiltra; // outlives the view, as a controller does
};

void zniszczPodczasZdarzen(QAbstractScrollArea *widok)
{
    widok->resize(300, 200);
    widok->show();
    widok->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widok));
    QWidget *obszar = widok->viewport();
    const QPointF miejsce(10, 10);
    QCoreApplication::postEvent(obszar, new QMouseEvent(QEvent::MouseButtonPress, miejsce, obszar->mapToGlobal(miejsce),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widok,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
    obszar->update();
    delete widok;
    QCoreApplication::processEvents();
}

TEST(FiltryZdarzenNiszczonegoWidokuTest, AViewTornDownUnderItsFiltersLeavesThemQuiet)
{
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    const struct
    {
        const char *nazwa;
        std::function<WidokZFiltrem()> zbuduj;
    } przypadki[] = {
        {"bean list's drop adapter",
         [] {
             auto *tabela = new WhitePaperTableView;
             new AdapterZrzutuListyFasolek(tabela, [] { return nullptr; });
             return WidokZFiltrem{tabela, nullptr};
         }},
        {"bean cell's status button",
         [] {
             auto *tabela = new WhitePaperTableView;
             auto komorka = std::make_shared<WidokKomorkiFasolki>(tabela);
             komorka->setParent(nullptr);
             return WidokZFiltrem{tabela, komorka};
         }},
        {"folder outline's controller",
         [] {
             auto kontroler = std::make_shared<KontrolerRzeczyKatalogu>();
             kontroler->ustawWidok();
             WidokZaryseliRzeczyKatalogu *zarys = kontroler->widokZaryseli();
             zarys->setParent(nullptr);
             return WidokZFiltrem{zarys, kontroler};
         }},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        WidokZFiltrem zbudowany = p.zbuduj();
        ASSERT_TRUE(zbudowany.widok);
        zniszczPodczasZdarzen(zbudowany.widok);
        EXPECT_FALSE(zbudowany.widok);
        if (auto *kontroler = dynamic_cast<KontrolerRzeczyKatalogu *>(zbudowany.wlascicielFiltra.get())) {
            EXPECT_EQ(kontroler->widokZaryseli(), nullptr);
        }
    }
}

} // namespace
