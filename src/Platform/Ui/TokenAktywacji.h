#pragma once

#include <QString>
#include <QVariantMap>

class QWidget;

// The launcher's leave to bring a window forward, handed by a later launch to the running program in
// org.freedesktop.Application's platform data. Wayland grants the activation only with it.
class TokenAktywacji
{
public:
    static const QString kluczTokenu;
    static const QString kluczIdentyfikatoraStartu;

    TokenAktywacji() = default;

    // What a launch hands over. Read before the application object exists: on X11 Qt takes
    // DESKTOP_STARTUP_ID out of the environment as it connects.
    static QVariantMap danePlatformyZeSrodowiska();
    static TokenAktywacji zDanychPlatformy(const QVariantMap &dane);

    bool pusty() const { return m_token.isEmpty() && m_identyfikatorStartu.isEmpty(); }
    // The startup identifier stands in for a launcher that set only that.
    QString token() const;

    // Spends the token on `okno`, which is about to be raised and activated.
    void zastosuj(QWidget *okno) const;

private:
    QString m_token;
    QString m_identyfikatorStartu;
};
