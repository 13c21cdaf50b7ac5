#include "TableViewWithEnhancedEditMode.h"

TableViewWithEnhancedEditMode::TableViewWithEnhancedEditMode(QWidget *rodzic)
    : WidokZEdycjaWWierszach(rodzic)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
}
