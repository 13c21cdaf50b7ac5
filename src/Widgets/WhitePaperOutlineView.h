#pragma once

#include "GreenDropBorderOutlineView.h"
#include "ZWyglademPapieru.h"

// The paper outline of folders. An owner that changes the header's height after creating it
// calls layoutSubviews and addAndSetUpTableHeaderSeparator.
class WhitePaperOutlineView : public ZWyglademPapieru<GreenDropBorderOutlineView>
{
    Q_OBJECT

public:
    explicit WhitePaperOutlineView(QWidget *rodzic = nullptr);

    // Paper header cells for the columns there are, the header's height, and the drop border.
    void layoutSubviews();
};
