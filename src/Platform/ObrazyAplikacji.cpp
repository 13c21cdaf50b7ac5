#include "ObrazyAplikacji.h"

#include "Konsola.h"

#include <QFile>
#include <QPainter>

// The resources live in a static library: nothing else would pull their registration in.
static void zarejestrujZasoby()
{
    static const bool zarejestrowane = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(zarejestrowane);
}

QString ObrazyAplikacji::sciezkaZasobu(const QString &nazwa)
{
    zarejestrujZasoby();
    for (const char *rozszerzenie : {".png", ".svg"}) {
        const QString sciezka = QStringLiteral(":/images/") + nazwa + QLatin1String(rozszerzenie);
        if (QFile::exists(sciezka))
            return sciezka;
    }
    return {};
}

QIcon ObrazyAplikacji::ikonaProgramu()
{
    zarejestrujZasoby();
    // 512 is left out: the window manager gets every size in one property of the window.
    QIcon ikona;
    for (int rozmiar : {16, 24, 32, 48, 64, 128, 256})
        ikona.addFile(QStringLiteral(":/desktop/Tarrowind-%1.png").arg(rozmiar), QSize(rozmiar, rozmiar));
    return ikona;
}

bool ObrazyAplikacji::istnieje(const QString &nazwa)
{
    return !sciezkaZasobu(nazwa).isEmpty();
}

QImage ObrazyAplikacji::zastepczy()
{
    QImage obraz(32, 32, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    QPainter malarz(&obraz);
    malarz.setPen(QPen(QColor(160, 160, 160), 2));
    malarz.drawRect(obraz.rect().adjusted(1, 1, -2, -2));
    malarz.drawLine(2, 2, 29, 29);
    malarz.drawLine(29, 2, 2, 29);
    return obraz;
}

QHash<QString, QImage> &ObrazyAplikacji::pamiec()
{
    static QHash<QString, QImage> obrazy;
    return obrazy;
}

void ObrazyAplikacji::podstaw(const QString &nazwa, const QImage &obraz)
{
    if (obraz.isNull())
        pamiec().remove(nazwa);
    else
        pamiec().insert(nazwa, obraz);
}

QImage ObrazyAplikacji::obraz(const QString &nazwa)
{
    if (auto it = pamiec().constFind(nazwa); it != pamiec().constEnd())
        return *it;
    const QString sciezka = sciezkaZasobu(nazwa);
    QImage wynik = sciezka.isEmpty() ? QImage() : QImage(sciezka);
    if (wynik.isNull()) {
        drukujLinie(QStringLiteral("Błąd: brak obrazu '%1'"), nazwa);
        wynik = zastepczy();
    }
    pamiec().insert(nazwa, wynik);
    return wynik;
}

QIcon ObrazyAplikacji::ikona(const QString &nazwa)
{
    // A bundled file is decoded once; an image put in its place is not kept here.
    static QHash<QString, QIcon> zPlikow;
    if (const auto it = zPlikow.constFind(nazwa); it != zPlikow.constEnd())
        return *it;
    const QString sciezka = sciezkaZasobu(nazwa);
    if (!sciezka.isEmpty())
        return *zPlikow.insert(nazwa, QIcon(sciezka));
    return QIcon(QPixmap::fromImage(obraz(nazwa)));
}
