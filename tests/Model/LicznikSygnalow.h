#pragma once

#include <QHash>
#include <QObject>
#include <QString>

// Counts the signals it was told to watch, by a name of the test's choosing.
class LicznikSygnalow
{
public:
    template <class Obiekt, class Sygnal>
    void obserwuj(const QString &nazwa, Obiekt *obiekt, Sygnal sygnal)
    {
        QObject::connect(obiekt, sygnal, &m_kontekst, [this, nazwa] { ++m_liczby[nazwa]; });
    }
    int operator[](const QString &nazwa) const { return m_liczby.value(nazwa); }
    void wyczysc() { m_liczby.clear(); }

private:
    QObject m_kontekst;
    QHash<QString, int> m_liczby;
};
