#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

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
        // No bus: this process runs on its own.
        BezSzyny,
        // Another process holds the name but does not answer: a second program on the same portfolio
        // and settings must not start.
        NieOdpowiada,
    };

    explicit UslugaAktywacji(const QDBusConnection &polaczenie = QDBusConnection::sessionBus(),
                             QObject *rodzic = nullptr);
    ~UslugaAktywacji() override;

    // A later launch hands `danePlatformy` (the launcher's token) over to the running program.
    Wynik zarejestrujLubPrzekaz(const QVariantMap &danePlatformy = {});

signals:
    // Another launch handed over to this process, with its platform data.
    void aktywowana(const QVariantMap &danePlatformy);

private:
    friend class AdapterAktywacjiAplikacji;

    QDBusConnection m_polaczenie;
    bool m_zarejestrowana = false;
};
