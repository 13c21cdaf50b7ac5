#include "ZieloneZaznaczenie.h"

#include <QApplication>
#include <QPalette>

namespace ZieloneZaznaczenie {

QColor alternateSelectedControlColor()
{
    return QColor::fromHsvF(79.0f / 360, 0.52f, 0.85f, 1.0f);
}

QColor alternateSelectedControlTextColor()
{
    return QColor::fromRgbF(0, 0, 0, 1);
}

QColor secondarySelectedControlColor()
{
    return QColor::fromRgbF(0, 0, 0, 0.1f);
}

QColor selectedControlTextColor()
{
    return QColor::fromRgbF(1, 1, 1, 1);
}

QColor selectedControlColor()
{
    return QColor::fromHsvF(91.0f / 360, 0.18f, 0.98f, 1.0f);
}

QColor selectedTextBackgroundColor()
{
    return selectedControlColor();
}

QColor keyboardFocusIndicatorColor()
{
    return QColor(Qt::red);
}

QList<QColor> controlAlternatingRowBackgroundColors()
{
    return {QColor::fromHsvF(85.0f / 360, 0.05f, 0.99f, 1.0f), QColor(Qt::white)};
}

void zastosujDoPaletyAplikacji()
{
    // Selected text keeps the ordinary text colour: white would vanish on the pale green.
    QPalette ogolna = QApplication::palette();
    for (const QPalette::ColorGroup grupa : {QPalette::Active, QPalette::Inactive}) {
        ogolna.setColor(grupa, QPalette::Highlight, selectedTextBackgroundColor());
        ogolna.setColor(grupa, QPalette::HighlightedText, ogolna.color(grupa, QPalette::Text));
    }
    QApplication::setPalette(ogolna);

    // Qt paints every odd row in the alternate colour and the even ones in the base, white.
    QPalette listy = ogolna;
    listy.setColor(QPalette::Active, QPalette::Highlight, alternateSelectedControlColor());
    listy.setColor(QPalette::Active, QPalette::HighlightedText, alternateSelectedControlTextColor());
    listy.setColor(QPalette::Inactive, QPalette::Highlight, secondarySelectedControlColor());
    listy.setBrush(QPalette::AlternateBase, controlAlternatingRowBackgroundColors().constFirst());
    QApplication::setPalette(listy, "QAbstractItemView");
}

} // namespace ZieloneZaznaczenie
