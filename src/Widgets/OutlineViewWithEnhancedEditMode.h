#pragma once

#include "WidokZEdycjaWWierszach.h"

// A tree of rows, the bottom of the outline chain of the widget kit. A reload asked for while
// the outline reloads (by the end of the cancelled edit, or by the model while it answers) is
// dropped.
class OutlineViewWithEnhancedEditMode : public WidokZEdycjaWWierszach
{
    Q_OBJECT

public:
    explicit OutlineViewWithEnhancedEditMode(QWidget *rodzic = nullptr);

    // Lays the rows out again from the model.
    void reloadData();

private:
    bool m_inReloadData = false;
};
