#include "WidokRozdzielonyListwyFiltra.h"

#include <QEvent>

#include <algorithm>

WidokRozdzielonyListwyFiltra::WidokRozdzielonyListwyFiltra(QWidget *rodzic)
    : SplitView(Qt::Horizontal, rodzic)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize WidokRozdzielonyListwyFiltra::sizeHint() const
{
    int wysokosc = 0;
    for (QWidget *panel : subviews()) {
        if (!panel->isHidden())
            wysokosc = std::max(wysokosc, panel->sizeHint().height());
    }
    return {0, wysokosc};
}

QSize WidokRozdzielonyListwyFiltra::minimumSizeHint() const
{
    return sizeHint();
}

qreal WidokRozdzielonyListwyFiltra::dividerThickness() const
{
    return 0.0;
}

bool WidokRozdzielonyListwyFiltra::event(QEvent *zdarzenie)
{
    // A pane got or lost its contents: the tab's layout has to hear of it, as this view has none.
    if (zdarzenie->type() == QEvent::LayoutRequest)
        updateGeometry();
    return SplitView::event(zdarzenie);
}
