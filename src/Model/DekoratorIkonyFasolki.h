#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// Puts the sprout badge on a file bean's icon. An icon's representations are its pixmaps
// at the sizes it offers; the badge is drawn over the whole of each one.
class DekoratorIkonyFasolki
{
public:
    // The badged icon: its representations up to 128 points high, or up to 512 when the
    // icon has none that small.
    static QIcon ikonaUdekorowanaKielkiem(const QIcon &ikona);

    // Each representation of `podstawa` up to `ograniczDo` points high, badged with the
    // smallest badge representation not smaller than it; left as it is when there is none.
    static QIcon newCombinedNSImageWithImageFractionOgraniczDo(const QIcon &podstawa, const QIcon &odznaka,
                                                               qreal frakcja, qreal ograniczDo);
    // Height in whole points first, then height in pixels: <0, 0 or >0.
    static int compareImageRepsBySize(const QPixmap &a, const QPixmap &b);
    static QPixmap newCombinedImageRepWithImageFraction(const QPixmap &podstawa, const QPixmap &odznaka, qreal frakcja);

    static QList<QPixmap> reprezentacje(const QIcon &ikona);
};
