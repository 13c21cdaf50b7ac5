#pragma once

#include "OutlineViewWithEnhancedEditMode.h"
#include "ZObramowaniemZrzutu.h"

// An outline with drop zones at its sides and a drop border, as GreenDropBorderTableView.
class GreenDropBorderOutlineView : public ZObramowaniemZrzutu<OutlineViewWithEnhancedEditMode>
{
    Q_OBJECT

public:
    explicit GreenDropBorderOutlineView(QWidget *rodzic = nullptr);
};
