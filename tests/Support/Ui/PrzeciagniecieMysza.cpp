#include "PrzeciagniecieMysza.h"

#include <QCoreApplication>
#include <QTest>
#include <QWindow>

void przeciagnijMysza(QWindow *okno, QPoint skad, QPoint dokad)
{
    constexpr int kroki = 6;
    QTest::mousePress(okno, Qt::LeftButton, {}, skad);
    for (int krok = 1; krok <= kroki; ++krok) {
        QTest::mouseMove(okno, skad + (dokad - skad) * krok / kroki);
        QCoreApplication::processEvents();
    }
    QTest::mouseRelease(okno, Qt::LeftButton, {}, dokad);
    QCoreApplication::processEvents();
}
