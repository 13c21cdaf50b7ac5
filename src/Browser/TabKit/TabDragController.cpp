#include "TabDragController.h"

#include "Browser.h"
#include "BrowserWindow.h"
#include "BrowserWindowController.h"
#include "TabContents.h"
#include "TabMimeData.h"
#include "TabStripModel.h"

#include <QPoint>

#include <algorithm>

namespace {

BrowserWindow *windowOf(const Browser *browser)
{
    const BrowserWindowController *controller = browser ? browser->windowController() : nullptr;
    return controller ? controller->window() : nullptr;
}

} // namespace

TabContents *TabDragController::draggedTab(const QMimeData *data)
{
    const auto *tabData = qobject_cast<const TabMimeData *>(data);
    TabContents *contents = tabData ? tabData->tabContents() : nullptr;
    return contents && contents->browser() ? contents : nullptr;
}

bool TabDragController::canDropTab(const QMimeData *data, const Browser *target)
{
    return target && draggedTab(data);
}

bool TabDragController::moveTab(TabContents *contents, Browser *target, int insertionIndex)
{
    Browser *source = contents ? contents->browser() : nullptr;
    if (!source || !target)
        return false;
    TabStripModel *from = source->tabStripModel();
    TabStripModel *to = target->tabStripModel();
    const int index = from->indexOfTabContents(contents);
    insertionIndex = std::clamp(insertionIndex, 0, to->count());

    if (source == target) {
        const int finalIndex = insertionIndex > index ? insertionIndex - 1 : insertionIndex;
        from->moveTabContentsAt(index, finalIndex);
        from->activateTabAt(finalIndex);
        return true;
    }
    to->insertTabContentsAt(insertionIndex, from->detachTabContentsAt(index), true);
    if (BrowserWindowController *controller = target->windowController())
        controller->showWindow();
    return true;
}

Browser *TabDragController::tearOffTab(TabContents *contents, const QPoint &windowTopLeft)
{
    Browser *source = contents ? contents->browser() : nullptr;
    if (!source)
        return nullptr;
    BrowserWindow *sourceWindow = windowOf(source);
    if (source->tabCount() == 1) {
        if (sourceWindow)
            sourceWindow->move(windowTopLeft);
        return source;
    }

    Browser *target = source->createBrowserInNewWindow();
    BrowserWindow *targetWindow = windowOf(target);
    if (!targetWindow)
        return nullptr;
    if (sourceWindow)
        targetWindow->resize(sourceWindow->size());
    targetWindow->move(windowTopLeft);
    TabStripModel *from = source->tabStripModel();
    target->tabStripModel()->insertTabContentsAt(0, from->detachTabContentsAt(from->indexOfTabContents(contents)),
                                                 true);
    target->windowController()->showWindow();
    return target;
}

Browser *TabDragController::finishDrag(const TabMimeData &data, bool cancelled, const QPoint &tearOffTopLeft)
{
    TabContents *contents = data.tabContents();
    if (!contents || !contents->browser())
        return nullptr;
    if (data.hasDrop()) {
        // A strip took the drop; when its window went meanwhile the tab stays where it is.
        Browser *target = data.dropBrowser();
        if (!target || !moveTab(contents, target, data.dropIndex()))
            return contents->browser();
        return target;
    }
    if (cancelled)
        return contents->browser();
    return tearOffTab(contents, tearOffTopLeft);
}
