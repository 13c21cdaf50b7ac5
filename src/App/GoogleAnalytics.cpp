#include "GoogleAnalytics.h"

#include "Platform/BundleInfo.h"

namespace GoogleAnalytics {

QUrl URLDlaGoogleAnalytics(const QString &sciezka, const QString &wywolujacy)
{
    const QString kampania =
        QStringLiteral("version-%1").arg(infoValueForKey(QLatin1String(BundleInfo::shortVersionKey)));
    const QString tekst =
        QStringLiteral("%1/%2?utm_source=%3&utm_medium=%4&utm_campaign=%5")
            .arg(QLatin1String(witryna), sciezka, QStringLiteral("tarrowind-app-fs"), wywolujacy, kampania);
    // Only what may not stand in a link is escaped (a blank, quotes, letters beyond ASCII); the
    // separators of the link itself stay as they are.
    return QUrl::fromEncoded(QUrl::toPercentEncoding(tekst, "!$&'()*+,;=:/?@#~"), QUrl::StrictMode);
}

QString infoValueForKey(const QString &klucz)
{
    return BundleInfo::infoValueForKey(klucz);
}

} // namespace GoogleAnalytics
