#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// The program's place on the session bus. The first launch takes the name and answers
// org.freedesktop.Application.Activate; a later launch hands over to it and ends.
class UslugaAktywacji : public QObject
{
    Q_OBJECT

public:
    static const QString nazwaUslugi;
    static const QString sciezkaObiektu;
    static const QString interfejs;

    enum class Wynik {
        // This process holds the name and will hear of later launches.
        Zarejestrowana,
        // A running program was activated; this one has nothing left to do.
        Przekazana,
        // No bus, or no answer from the program holding the name: this process runs on its own.
        BezSzyny,
    };

    explicit UslugaAktywacji(const QDBusConnection &polaczenie = QDBusConnection::sessionBus(),
                             QObject *rodzic = nullptr);
    ~UslugaAktywacji() override;

    Wynik zarejestrujLubPrzekaz();

signals:
    // Another launch handed over to this process.
    void aktywowana();

private:
    friend class AdapterAktywacjiAplikacji;

    QDBusConnection m_polaczenie;
    bool m_zarejestrowana = false;
};
