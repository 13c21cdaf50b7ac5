#pragma once

#include "Platform/Ui/PreviewPanelDataSource.h"

#include <QPointer>

class KontrolerAkcjeNaElementach;

// What the preview panel shows for a bean list's view: the list's selected items, or with none
// selected the view's own item (a flow, the database, the archive), which previews its folder.
class ZrodloPrzegladuListyFasolek : public PreviewPanelDataSource
{
public:
    // `zaznaczenia` acts on the list's selection; `staly` has the view's own item.
    void setKontroleryPrzegladu(KontrolerAkcjeNaElementach *zaznaczenia, KontrolerAkcjeNaElementach *staly);

    int numberOfPreviewItemsInPreviewPanel(PanelSzybkiegoPrzegladu *panel) override;
    PreviewItem *previewPanelPreviewItemAtIndex(PanelSzybkiegoPrzegladu *panel, int index) override;

private:
    QPointer<KontrolerAkcjeNaElementach> m_zaznaczenia;
    QPointer<KontrolerAkcjeNaElementach> m_staly;
};
