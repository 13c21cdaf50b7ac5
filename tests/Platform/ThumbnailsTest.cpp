#include "Platform/Thumbnails.h"
#include "Platform/FileAttributes.h"
#include "Platform/FileIcons.h"
#include "Platform/ObrazyAplikacji.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>

#include <unistd.h>

namespace {

QString utworzObraz(KatalogTestowy &dir, const QString &nazwa, QSize rozmiar, QColor kolor)
{
    QImage obraz(rozmiar, QImage::Format_RGB32);
    obraz.fill(kolor);
    const QString sciezka = dir.sciezka(nazwa);
    EXPECT_TRUE(obraz.save(sciezka, "PNG"));
    return sciezka;
}

QString zapiszMiniatureWPamieci(const QString &plik, const QString &czasZmiany, QColor kolor)
{
    const QString sciezka = Thumbnails::cachePath(plik, QStringLiteral("large"));
    QDir().mkpath(QFileInfo(sciezka).path());
    QImage miniatura(256, 128, QImage::Format_ARGB32);
    miniatura.fill(kolor);
    miniatura.setText(QStringLiteral("Thumb::MTime"), czasZmiany);
    EXPECT_TRUE(miniatura.save(sciezka, "PNG"));
    return sciezka;
}

TEST(Thumbnails, AnImageIsItsOwnThumbnailScaledIntoTheLimit)
{
    KatalogTestowy dir;
    const QString duzy = utworzObraz(dir, QStringLiteral("duzy.png"), QSize(3000, 1500), Qt::red);
    const QImage miniatura = Thumbnails::thumbnailForFile(duzy, 1024);
    EXPECT_EQ(miniatura.size(), QSize(1024, 512));
    EXPECT_EQ(QColor(miniatura.pixel(10, 10)), QColor(Qt::red));
    const QString maly = utworzObraz(dir, QStringLiteral("maly.png"), QSize(40, 30), Qt::blue);
    EXPECT_EQ(Thumbnails::thumbnailForFile(maly, 1024).size(), QSize(40, 30)) << "never enlarged";
}

TEST(Thumbnails, OtherFilesUseTheFreedesktopCacheUnlessItIsStale)
{
    KatalogTestowy dir;
    const QString plik = dir.plik(QStringLiteral("dokument z spacją.pdf"), "%PDF-1.4");
    const qint64 czas = QFileInfo(plik).lastModified().toSecsSinceEpoch();
    zapiszMiniatureWPamieci(plik, QString::number(czas), Qt::green);
    QImage miniatura = Thumbnails::thumbnailForFile(plik, 1024);
    ASSERT_EQ(miniatura.size(), QSize(256, 128));
    EXPECT_EQ(QColor(miniatura.pixel(5, 5)), QColor(Qt::green));

    // A thumbnail of an older version, or one that does not say of which, is not shown.
    for (const QString &czasMiniatury : {QString::number(czas - 60), QString()}) {
        zapiszMiniatureWPamieci(plik, czasMiniatury, Qt::green);
        miniatura = Thumbnails::thumbnailForFile(plik, 1024);
        EXPECT_FALSE(miniatura.isNull()) << "the icon stands in";
        EXPECT_NE(miniatura.size(), QSize(256, 128)) << qPrintable(czasMiniatury);
    }
}

TEST(FileIcons, EveryFileGetsAnIconAndOurOwnImagesStandInForAMissingTheme)
{
    KatalogTestowy dir;
    EXPECT_FALSE(FileIcons::iconForFile(dir.katalog(QStringLiteral("k"))).isNull());
    EXPECT_FALSE(FileIcons::iconForFile(dir.plik(QStringLiteral("x.nieznane"))).isNull());

    const QImage katalogu = FileIcons::fallbackIcon(dir.sciezka(QStringLiteral("k"))).pixmap(64, 64).toImage();
    const QImage tekstu = FileIcons::fallbackIcon(dir.plik(QStringLiteral("a.txt"))).pixmap(64, 64).toImage();
    EXPECT_EQ(katalogu.convertToFormat(QImage::Format_ARGB32),
              ObrazyAplikacji::obraz(QStringLiteral("IkonaKatalogu")).convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(tekstu.convertToFormat(QImage::Format_ARGB32),
              ObrazyAplikacji::obraz(QStringLiteral("IkonaPlikuTekstowego")).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(ObrazyAplikacji::istnieje(QStringLiteral("IkonaPliku")));
}

TEST(FileAttributes, TypesComeFromTheItemItselfAndItsName)
{
    KatalogTestowy dir;
    dir.katalog(QStringLiteral("k"));
    ASSERT_EQ(symlink("k", QFile::encodeName(dir.sciezka(QStringLiteral("link"))).constData()), 0);
    EXPECT_EQ(FileAttributes::typeIdentifier(dir.sciezka(QStringLiteral("k"))), FileAttributes::typFolderu);
    EXPECT_EQ(FileAttributes::typeIdentifier(dir.sciezka(QStringLiteral("link"))), FileAttributes::typDowiazania);
    EXPECT_EQ(FileAttributes::typeIdentifier(dir.plik(QStringLiteral("a.txt"), "\x89PNG")), FileAttributes::typTekstu)
        << "by name, the content is never read";
    EXPECT_EQ(FileAttributes::typeIdentifier(dir.plik(QStringLiteral("b.md"))), QStringLiteral("text/markdown"));
    EXPECT_TRUE(FileAttributes::typeIdentifier(dir.sciezka(QStringLiteral("nie-ma"))).isEmpty());
    EXPECT_FALSE(FileAttributes::dateAdded(dir.sciezka(QStringLiteral("nie-ma"))).isValid());
}

} // namespace
