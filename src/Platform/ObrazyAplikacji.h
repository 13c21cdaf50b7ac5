#pragma once

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

private:
    static QString sciezkaZasobu(const QString &nazwa);
    static QImage zastepczy();
};
