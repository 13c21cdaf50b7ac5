#pragma once

#include <QObject>
#include <QStringList>

// Shows the user, in an alert on the turn after a reading, which folders cannot be read and so show as empty.
// The folders found in one turn come in one alert.
class PowiadomienieONieczytelnychKatalogach : public QObject
{
public:
    PowiadomienieONieczytelnychKatalogach();

private:
    void dodaj(const QString &katalog, const QString &przyczyna);
    void pokaz();

    QStringList m_wiadomosci;
};
