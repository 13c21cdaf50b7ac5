#pragma once

#include <QString>
#include <QUrl>

// Links to pages of the product's web site, tagged so the site can tell where a visit came from.
namespace GoogleAnalytics {

// The site's root, without a trailing separator.
inline constexpr const char *witryna = "https://tarrowind.example";

// The page at `sciezka` below the site, with the caller's tag and the running version.
QUrl URLDlaGoogleAnalytics(const QString &sciezka, const QString &wywolujacy);
QString infoValueForKey(const QString &klucz);

} // namespace GoogleAnalytics
