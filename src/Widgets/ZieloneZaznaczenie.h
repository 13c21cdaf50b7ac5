#pragma once

#include <QColor>
#include <QList>

// The program selects in green rather than in the platform's blue. Each function makes its
// colour anew; zastosujDoPaletyAplikacji puts them into the application's palette.
namespace ZieloneZaznaczenie {

// A selected row of the list that has the focus, and its text.
QColor alternateSelectedControlColor();
QColor alternateSelectedControlTextColor();
// A selected row of a list without the focus.
QColor secondarySelectedControlColor();
QColor selectedControlTextColor();
QColor selectedControlColor();
QColor selectedTextBackgroundColor();
QColor keyboardFocusIndicatorColor();
// The first row's colour, then the second's.
QList<QColor> controlAlternatingRowBackgroundColors();

// Once at start-up, before the first window: text selection in every widget; item selection with
// and without the focus, and the tinted alternate rows, in every item view.
void zastosujDoPaletyAplikacji();

} // namespace ZieloneZaznaczenie
