#pragma once

#include "Platform/Ui/SplitView.h"

// The split view of a flow's view: a plain one-point divider in light grey.
class WidokRozdzielonyPotoku : public SplitView
{
    Q_OBJECT

public:
    explicit WidokRozdzielonyPotoku(QWidget *rodzic = nullptr);

    QColor dividerColor() const override;
};
