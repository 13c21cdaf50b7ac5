#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QString>

// The program's own images, loaded by their design names from the resources.
// A missing image gives a drawn placeholder and one console line.
class ObrazyAplikacji
{
public:
    static QImage obraz(const QString &nazwa);
    static QIcon ikona(const QString &nazwa);
    static bool istnieje(const QString &nazwa);
    // The icon of the launcher entry, in its sizes up to 256, for every window of the program.
    static QIcon ikonaProgramu();
    // From now on `nazwa` loads `obraz` in place of the bundled image; a null image puts the
    // bundled one back. For images whose pixels a caller must know, as in pixel tests.
    static void podstaw(const QString &nazwa, const QImage &obraz);

private:
    static QString sciezkaZasobu(const QString &nazwa);
    static QImage zastepczy();
    static QHash<QString, QImage> &pamiec();
};
