#pragma once

#include <QProxyStyle>

// The application's style with the keyboard focus drawn in the focus colour of the program's palette
// (red) instead of the style's selection highlight, which is the pale green of the selected text and
// would not show on white. Buttons, fields, check boxes, combo and spin boxes, sliders and the focus
// frames of list items all take it; selections keep their green.
class StylFokusuKlawiatury : public QProxyStyle
{
    Q_OBJECT

public:
    // Once for the application, before its palette is set: a new style resets the palette.
    static void zainstaluj();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *opcja, QPainter *malarz,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl kontrolka, const QStyleOptionComplex *opcja, QPainter *malarz,
                            const QWidget *widget = nullptr) const override;
};
