#pragma once

class PanelSzybkiegoPrzegladu;
class PreviewItem;

// What the preview panel shows. The panel takes the first responder along the chain from the
// main window's focus widget that implements this and accepts; it asks again on every focus
// change and whenever a source calls its reloadData.
class PreviewPanelDataSource
{
public:
    virtual ~PreviewPanelDataSource() = default;

    virtual bool acceptsPreviewPanelControl(PanelSzybkiegoPrzegladu *) { return true; }
    // The panel now shows this source's items, until the matching end.
    virtual void beginPreviewPanelControl(PanelSzybkiegoPrzegladu *) {}
    virtual void endPreviewPanelControl(PanelSzybkiegoPrzegladu *) {}
    virtual int numberOfPreviewItemsInPreviewPanel(PanelSzybkiegoPrzegladu *panel) = 0;
    // May be null: the panel then shows nothing.
    virtual PreviewItem *previewPanelPreviewItemAtIndex(PanelSzybkiegoPrzegladu *panel, int index) = 0;
};
