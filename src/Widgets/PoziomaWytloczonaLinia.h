#pragma once

#include <QWidget>

// A horizontal rule pressed into the surface: a light line across the middle with a dark one a
// point below it, a point shorter at its right end.
class PoziomaWytloczonaLinia : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;
};
