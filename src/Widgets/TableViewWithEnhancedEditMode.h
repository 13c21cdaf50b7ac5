#pragma once

#include "WidokZEdycjaWWierszach.h"

// A flat list, the bottom of the table chain of the widget kit: whole rows are selected, and
// every row is as high as the first.
class TableViewWithEnhancedEditMode : public WidokZEdycjaWWierszach
{
    Q_OBJECT

public:
    explicit TableViewWithEnhancedEditMode(QWidget *rodzic = nullptr);
};
