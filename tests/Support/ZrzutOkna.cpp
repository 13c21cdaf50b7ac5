#include "ZrzutOkna.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

QImage zapiszObrazZrzutu(const QImage &obraz, const QString &nazwa)
{
    const QString katalog = qEnvironmentVariable("TARROWIND_SCREENSHOTS", QDir::currentPath());
    QDir().mkpath(katalog);
    obraz.save(katalog + QLatin1Char('/') + nazwa);
    return obraz;
}

} // namespace

QImage zrzutOkna(QWidget *okno, const QString &nazwa)
{
    // The server paints what was just shown; a screenshot has no result to wait for.
    QTest::qWait(300);
    return zapiszObrazZrzutu(okno->screen()->grabWindow(okno->winId()).toImage().convertToFormat(QImage::Format_ARGB32),
                             nazwa);
}

QImage zrzutOkien(const QList<QWidget *> &okna, const QString &nazwa)
{
    // The server paints what was just shown; a screenshot has no result to wait for.
    QTest::qWait(300);
    QRect obszar;
    for (QWidget *okno : okna)
        obszar |= okno->frameGeometry();
    QScreen *ekran = QGuiApplication::primaryScreen();
    return zapiszObrazZrzutu(ekran->grabWindow(0, obszar.x(), obszar.y(), obszar.width(), obszar.height()).toImage(),
                             nazwa);
}
