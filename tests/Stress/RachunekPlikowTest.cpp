#include "Support/RachunekPlikow.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

// The account every stress test trusts. A walk that meets one file twice, as it does when the program renames a
// folder while the walk runs, must not make the account expect a second copy; a copy the program made must.
TEST(RachunekPlikow, ACopyRaisesTheCountAndOneFileMetTwiceDoesNot)
{
    const struct
    {
        const char *opis;
        int (*drugi)(const char *, const char *);
        bool utracony;
    } przypadki[] = {
        // A hard link is one file at two places, as a folder renamed between two parts of one walk.
        {"one file met twice", &::link, false},
        {"a copy",
         [](const char *z, const char *dokad) {
             return QFile::copy(QFile::decodeName(z), QFile::decodeName(dokad)) ? 0 : -1;
         },
         true},
    };
    for (const auto &przypadek : przypadki) {
        SCOPED_TRACE(przypadek.opis);
        QTemporaryDir katalog;
        RachunekPlikow rachunek(katalog.path());
        const QByteArray pierwszy = QFile::encodeName(katalog.filePath(QStringLiteral("pierwszy")));
        const QByteArray drugi = QFile::encodeName(katalog.filePath(QStringLiteral("drugi")));
        ASSERT_TRUE(rachunek.zapisz(pierwszy, "bajty"));
        ASSERT_EQ(przypadek.drugi(pierwszy.constData(), drugi.constData()), 0);

        rachunek.przyjmijKopie();
        ASSERT_EQ(::unlink(drugi.constData()), 0);
        EXPECT_EQ(!rachunek.roznica().isEmpty(), przypadek.utracony) << qPrintable(rachunek.roznica());
    }
}
