#include "TokenAktywacji.h"

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

void TokenAktywacji::zastosuj(QWidget *okno) const
{
    if (pusty() || !okno)
        return;
    // On X11 it is carried but not applied: a startup identifier needs the X protocol library directly.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return;
    // Qt's Wayland activation takes the token from here, and only once.
    qputenv("XDG_ACTIVATION_TOKEN", token().toUtf8());
}
