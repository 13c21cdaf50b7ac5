#include "OutlineViewWithEnhancedEditMode.h"

#include <QScopedValueRollback>

OutlineViewWithEnhancedEditMode::OutlineViewWithEnhancedEditMode(QWidget *rodzic)
    : WidokZEdycjaWWierszach(rodzic)
{
}

void OutlineViewWithEnhancedEditMode::reloadData()
{
    if (m_inReloadData)
        return;
    const QScopedValueRollback wPrzeladowaniu(m_inReloadData, true);
    abortEditing();
    doItemsLayout();
    viewport()->update();
}
