#pragma once

#include <QObject>
#include <QStringList>

// Shows the user, in an alert on the turn after a reading, which folders hold items whose names
// the program cannot show. The folders found in one turn (the start-up reads every flow) come in
// one alert.
class PowiadomienieONazwachPozaKodowaniem : public QObject
{
public:
    PowiadomienieONazwachPozaKodowaniem();

private:
    void dodaj(const QString &katalog, int ile);
    void pokaz();

    QStringList m_wiadomosci;
};
