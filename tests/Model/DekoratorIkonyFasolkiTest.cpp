#include "Model/DekoratorIkonyFasolki.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

QPixmap wypelniony(int piksele, QColor kolor, qreal skala = 1.0)
{
    QImage obraz(piksele, piksele, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(kolor);
    QPixmap wynik = QPixmap::fromImage(obraz);
    wynik.setDevicePixelRatio(skala);
    return wynik;
}

QIcon ikona(std::initializer_list<int> rozmiary, QColor kolor)
{
    QIcon wynik;
    for (int rozmiar : rozmiary)
        wynik.addPixmap(wypelniony(rozmiar, kolor));
    return wynik;
}

QList<int> wysokosci(const QIcon &ikona)
{
    QList<int> wynik;
    for (const QSize &rozmiar : ikona.availableSizes())
        wynik << rozmiar.height();
    return wynik;
}

QColor srodek(const QIcon &ikona, int rozmiar)
{
    return ikona.pixmap(QSize(rozmiar, rozmiar), 1.0).toImage().pixelColor(rozmiar / 2, rozmiar / 2);
}

TEST(DekoratorIkonyFasolkiTest, RepresentationsUpTo128PointsAreBadged)
{
    const QIcon wynik = DekoratorIkonyFasolki::newCombinedNSImageWithImageFractionOgraniczDo(
        ikona({16, 32, 128, 256}, Qt::red), ikona({512}, Qt::green), 1.0, 128.0);
    EXPECT_EQ(wysokosci(wynik), (QList<int>{16, 32, 128}));
    EXPECT_EQ(srodek(wynik, 32), QColor(Qt::green));
}

TEST(DekoratorIkonyFasolkiTest, AnIconWithNothingUpTo128PointsIsBadgedUpTo512)
{
    const QIcon wynik = DekoratorIkonyFasolki::ikonaUdekorowanaKielkiem(ikona({256, 512, 1024}, Qt::red));
    EXPECT_EQ(wysokosci(wynik), (QList<int>{256, 512}));
    EXPECT_TRUE(DekoratorIkonyFasolki::ikonaUdekorowanaKielkiem(QIcon()).isNull());
}

TEST(DekoratorIkonyFasolkiTest, ARepresentationLargerThanEveryBadgeIsAddedUnbadged)
{
    const QIcon wynik = DekoratorIkonyFasolki::newCombinedNSImageWithImageFractionOgraniczDo(
        ikona({16, 32}, Qt::red), ikona({16}, Qt::green), 1.0, 128.0);
    EXPECT_EQ(wysokosci(wynik), (QList<int>{16, 32}));
    EXPECT_EQ(srodek(wynik, 16), QColor(Qt::green));
    EXPECT_EQ(srodek(wynik, 32), QColor(Qt::red));
}

TEST(DekoratorIkonyFasolkiTest, RepresentationsCompareByPointsThenByPixels)
{
    EXPECT_LT(DekoratorIkonyFasolki::compareImageRepsBySize(wypelniony(16, Qt::red), wypelniony(32, Qt::red)), 0);
    EXPECT_GT(DekoratorIkonyFasolki::compareImageRepsBySize(wypelniony(64, Qt::red, 2.0), wypelniony(32, Qt::red)), 0);
    EXPECT_LT(DekoratorIkonyFasolki::compareImageRepsBySize(wypelniony(64, Qt::red, 2.0), wypelniony(48, Qt::red)), 0)
        << "32 points come before 48 points, whatever the pixels";
    EXPECT_EQ(DekoratorIkonyFasolki::compareImageRepsBySize(wypelniony(32, Qt::red), wypelniony(32, Qt::blue)), 0);
}

} // namespace
