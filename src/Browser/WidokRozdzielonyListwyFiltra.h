#pragma once

#include "Platform/Ui/SplitView.h"

// The strip above a portfolio tab's details: the tool strip that stands in for a collapsed
// navigation bar beside the host of the details view's filter bar. It is as tall as its tallest
// pane wants, so an empty host with a closed tool strip takes no room. Its divider is not drawn
// and cannot be dragged: the tool strip is either closed or 73 points wide.
class WidokRozdzielonyListwyFiltra : public SplitView
{
    Q_OBJECT

public:
    explicit WidokRozdzielonyListwyFiltra(QWidget *rodzic = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    qreal dividerThickness() const override;

protected:
    bool event(QEvent *zdarzenie) override;
};
