#include "BundleInfo.h"

QHash<QString, QString> &BundleInfo::replacement()
{
    static QHash<QString, QString> wartosci;
    return wartosci;
}

QString BundleInfo::infoValueForKey(const QString &klucz)
{
    if (!replacement().isEmpty())
        return replacement().value(klucz);
    if (klucz == QLatin1String(shortVersionKey))
        return QStringLiteral(TARROWIND_VERSION);
    if (klucz == QLatin1String(versionKey))
        return QStringLiteral(TARROWIND_BUILD_NUMBER);
    return {};
}

void BundleInfo::replaceForTests(const QHash<QString, QString> &wartosci)
{
    replacement() = wartosci;
}
