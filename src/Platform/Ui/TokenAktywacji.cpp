#include "TokenAktywacji.h"

#include "PowiadomienieOStarcieX11.h"

#include <QGuiApplication>
#include <QWidget>

const QString TokenAktywacji::kluczTokenu = QStringLiteral("activation-token");
const QString TokenAktywacji::kluczIdentyfikatoraStartu = QStringLiteral("desktop-startup-id");

QVariantMap TokenAktywacji::danePlatformyZeSrodowiska()
{
    QVariantMap dane;
    if (const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        dane.insert(kluczTokenu, token);
    if (const QString id = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !id.isEmpty())
        dane.insert(kluczIdentyfikatoraStartu, id);
    return dane;
}

TokenAktywacji TokenAktywacji::zDanychPlatformy(const QVariantMap &dane)
{
    TokenAktywacji wynik;
    wynik.m_token = dane.value(kluczTokenu).toString();
    wynik.m_identyfikatorStartu = dane.value(kluczIdentyfikatoraStartu).toString();
    return wynik;
}

QString TokenAktywacji::token() const
{
    return m_token.isEmpty() ? m_identyfikatorStartu : m_token;
}

QString TokenAktywacji::identyfikatorStartu() const
{
    return m_identyfikatorStartu.isEmpty() ? m_token : m_identyfikatorStartu;
}

void TokenAktywacji::zastosuj(QWidget *okno) const
{
    if (pusty() || !okno)
        return;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        PowiadomienieOStarcieX11::zakonczStart(okno, identyfikatorStartu().toUtf8());
        return;
    }
    // Qt's Wayland activation takes the token from here, and only once.
    qputenv("XDG_ACTIVATION_TOKEN", token().toUtf8());
}
