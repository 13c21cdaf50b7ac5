#include "UslugaAktywacji.h"

#include "AdapterAktywacjiAplikacji.h"

#include "Platform/Konsola.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QVariantMap>

const QString UslugaAktywacji::nazwaUslugi = QStringLiteral("org.tarrowind.Tarrowind");
const QString UslugaAktywacji::sciezkaObiektu = QStringLiteral("/org/tarrowind/Tarrowind");
const QString UslugaAktywacji::interfejs = QStringLiteral("org.freedesktop.Application");

namespace {
// A running program busy in a modal loop still answers; one that does not within this long hangs.
constexpr int czasNaOdpowiedzMs = 5000;
} // namespace

UslugaAktywacji::UslugaAktywacji(const QDBusConnection &polaczenie, QObject *rodzic)
    : QObject(rodzic)
    , m_polaczenie(polaczenie)
{
    new AdapterAktywacjiAplikacji(this);
}

UslugaAktywacji::~UslugaAktywacji()
{
    if (!m_zarejestrowana)
        return;
    m_polaczenie.unregisterService(nazwaUslugi);
    m_polaczenie.unregisterObject(sciezkaObiektu);
}

UslugaAktywacji::Wynik UslugaAktywacji::zarejestrujLubPrzekaz(const QVariantMap &danePlatformy)
{
    if (!m_polaczenie.isConnected() || !m_polaczenie.interface())
        return Wynik::BezSzyny;

    // A holder that ends between the two steps leaves the name free: the next round takes it.
    for (int runda = 0; runda < 2; ++runda) {
        // The object is in place before the name, so an activation right after finds it.
        if (!m_polaczenie.registerObject(sciezkaObiektu, this, QDBusConnection::ExportAdaptors))
            return Wynik::BezSzyny;
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> rejestracja =
            m_polaczenie.interface()->registerService(nazwaUslugi, QDBusConnectionInterface::DontQueueService,
                                                      QDBusConnectionInterface::DontAllowReplacement);
        if (rejestracja.isValid() && rejestracja.value() == QDBusConnectionInterface::ServiceRegistered) {
            m_zarejestrowana = true;
            return Wynik::Zarejestrowana;
        }
        m_polaczenie.unregisterObject(sciezkaObiektu);
        if (!rejestracja.isValid())
            return Wynik::BezSzyny;

        QDBusMessage wywolanie =
            QDBusMessage::createMethodCall(nazwaUslugi, sciezkaObiektu, interfejs, QStringLiteral("Activate"));
        wywolanie << danePlatformy;
        const QDBusMessage odpowiedz = m_polaczenie.call(wywolanie, QDBus::BlockWithGui, czasNaOdpowiedzMs);
        if (odpowiedz.type() == QDBusMessage::ReplyMessage)
            return Wynik::Przekazana;
        if (QDBusError(odpowiedz).type() == QDBusError::ServiceUnknown
            || odpowiedz.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
            continue;
        drukujLinie(QStringLiteral("Błąd: działający program nie odpowiedział na aktywację: %1"),
                    odpowiedz.errorMessage());
        return Wynik::NieOdpowiada;
    }
    return Wynik::NieOdpowiada;
}
