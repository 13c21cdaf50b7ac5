#pragma once

#include <QHash>
#include <QString>

// What the program says about itself: its version and build number, set by the build.
class BundleInfo
{
public:
    static constexpr const char *shortVersionKey = "CFBundleShortVersionString";
    static constexpr const char *versionKey = "CFBundleVersion";

    // The value of the key; empty for a key the program does not know.
    static QString infoValueForKey(const QString &klucz);

    // From now on the keys answer these values; an empty table puts the build's back.
    static void replaceForTests(const QHash<QString, QString> &wartosci);

private:
    static QHash<QString, QString> &replacement();
};
