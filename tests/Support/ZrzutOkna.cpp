#include "ZrzutOkna.h"

#include <QDir>
#include <QScreen>
#include <QTest>
#include <QWidget>

QImage zrzutOkna(QWidget *okno, const QString &nazwa)
{
    QTest::qWait(300);
    const QImage obraz = okno->screen()->grabWindow(okno->winId()).toImage().convertToFormat(QImage::Format_ARGB32);
    const QString katalog = qEnvironmentVariable("TARROWIND_SCREENSHOTS", QDir::currentPath());
    QDir().mkpath(katalog);
    obraz.save(katalog + QLatin1Char('/') + nazwa);
    return obraz;
}
