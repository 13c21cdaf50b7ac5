#include "PrzeciagniecieMysza.h"

#include <QCoreApplication>
#include <QCursor>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The steps after the press. Each is a timer of its own, set before its step moves, so the next one
// fires inside a drag loop that the move starts (a timer does not fire again while its slot runs).
struct KrokiPrzeciagania : std::enable_shared_from_this<KrokiPrzeciagania>
{
    static constexpr int kroki = 6;
    QPointer<QWindow> okno;
    QPoint skad;
    QPoint dokad;
    std::function<void()> nadCelem;
    bool puszczona = false;

    void krok(int numer)
    {
        if (!okno) {
            puszczona = true;
            return;
        }
        if (numer > kroki) {
            QTest::mouseRelease(okno, Qt::LeftButton, {}, dokad);
            puszczona = true;
            return;
        }
        const auto dalej = [ja = shared_from_this(), numer] {
            QTimer::singleShot(30, [ja, numer] { ja->krok(numer + 1); });
        };
        if (numer < kroki)
            dalej();
        QTest::mouseMove(okno, skad + (dokad - skad) * numer / kroki);
        if (numer < kroki)
            return;
        // The pointer rests over the target; what runs here may wait without the release coming.
        if (nadCelem)
            nadCelem();
        dalej();
    }
};

} // namespace

void przeciagnijMysza(QWindow *okno, QPoint skad, QPoint dokad, const std::function<void()> &nadCelem)
{
    auto kroki = std::make_shared<KrokiPrzeciagania>();
    kroki->okno = okno;
    kroki->skad = skad;
    kroki->dokad = dokad;
    kroki->nadCelem = nadCelem;
    // The pointer itself stands where the press is: a drag of files enters where the system's pointer is.
    QCursor::setPos(okno->screen(), okno->mapToGlobal(skad));
    QTest::mousePress(okno, Qt::LeftButton, {}, skad);
    QTimer::singleShot(0, [kroki] { kroki->krok(1); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return kroki->puszczona; }, 20000)) << "the drag never let go";
    QCoreApplication::processEvents();
}
