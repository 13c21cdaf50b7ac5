#include "Platform/UserDefaults.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(UserDefaultsTest, AWriteThatFailedOnceDoesNotFailEveryWriteAfterIt)
{
    UserDefaults &ustawienia = UserDefaults::standard();
    const QString plik = ustawienia.fileName();
    QFile::remove(plik);
    ASSERT_TRUE(QDir().mkpath(plik)) << "a folder in the way of the settings file";
    ustawienia.setObject(QStringLiteral("klucz"), QStringLiteral("pierwsza"));
    EXPECT_FALSE(ustawienia.synchronize());

    ASSERT_TRUE(QDir(plik).removeRecursively());
    ustawienia.setObject(QStringLiteral("klucz"), QStringLiteral("druga"));
    EXPECT_TRUE(ustawienia.synchronize());
    EXPECT_EQ(ustawienia.stringForKey(QStringLiteral("klucz")), QStringLiteral("druga"));
    EXPECT_TRUE(QFile::exists(plik));
}
