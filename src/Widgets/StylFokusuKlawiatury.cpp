#include "StylFokusuKlawiatury.h"

#include "ZieloneZaznaczenie.h"

#include <QApplication>
#include <QStyleOption>

namespace {

// Draws with a copy of the option whose highlight, from which the style takes its focus frame, is the
// focus colour; false, drawing nothing, when the option is of another kind or has no focus.
template <class Opcja, class Rysowanie>
bool zKoloremFokusu(const QStyleOption *opcja, Rysowanie rysowanie)
{
    const auto *typowa = qstyleoption_cast<const Opcja *>(opcja);
    if (!typowa || !(typowa->state & QStyle::State_HasFocus))
        return false;
    Opcja kopia(*typowa);
    kopia.palette.setColor(QPalette::Highlight, ZieloneZaznaczenie::keyboardFocusIndicatorColor());
    rysowanie(&kopia);
    return true;
}

} // namespace

void StylFokusuKlawiatury::zainstaluj()
{
    if (!qobject_cast<StylFokusuKlawiatury *>(QApplication::style()))
        QApplication::setStyle(new StylFokusuKlawiatury);
}

void StylFokusuKlawiatury::drawPrimitive(PrimitiveElement element, const QStyleOption *opcja, QPainter *malarz,
                                         const QWidget *widget) const
{
    const auto rysuj = [&](const QStyleOption *zmieniona) {
        QProxyStyle::drawPrimitive(element, zmieniona, malarz, widget);
    };
    bool narysowany = false;
    switch (element) {
    case PE_FrameFocusRect:
        narysowany = zKoloremFokusu<QStyleOptionFocusRect>(opcja, rysuj);
        break;
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
    case PE_IndicatorCheckBox:
    case PE_IndicatorRadioButton:
        narysowany = zKoloremFokusu<QStyleOptionButton>(opcja, rysuj);
        break;
    case PE_PanelButtonTool:
        narysowany = zKoloremFokusu<QStyleOptionToolButton>(opcja, rysuj);
        break;
    case PE_FrameLineEdit:
    case PE_PanelLineEdit:
        narysowany = zKoloremFokusu<QStyleOptionFrame>(opcja, rysuj);
        break;
    default:
        break;
    }
    if (!narysowany)
        QProxyStyle::drawPrimitive(element, opcja, malarz, widget);
}

void StylFokusuKlawiatury::drawComplexControl(ComplexControl kontrolka, const QStyleOptionComplex *opcja,
                                              QPainter *malarz, const QWidget *widget) const
{
    const auto rysuj = [&](const QStyleOption *zmieniona) {
        QProxyStyle::drawComplexControl(kontrolka, static_cast<const QStyleOptionComplex *>(zmieniona), malarz, widget);
    };
    bool narysowany = false;
    switch (kontrolka) {
    case CC_ComboBox:
        narysowany = zKoloremFokusu<QStyleOptionComboBox>(opcja, rysuj);
        break;
    case CC_SpinBox:
        narysowany = zKoloremFokusu<QStyleOptionSpinBox>(opcja, rysuj);
        break;
    case CC_Slider:
        narysowany = zKoloremFokusu<QStyleOptionSlider>(opcja, rysuj);
        break;
    case CC_ToolButton:
        narysowany = zKoloremFokusu<QStyleOptionToolButton>(opcja, rysuj);
        break;
    default:
        break;
    }
    if (!narysowany)
        QProxyStyle::drawComplexControl(kontrolka, opcja, malarz, widget);
}
