#pragma once

#include <QMimeData>
#include <QPointer>

class Browser;
class TabContents;

// What a tab dragged out of its strip carries: the tab itself, so only strips of this
// process can take it, under the private type "application/x-tarrowind-tab".
class TabMimeData : public QMimeData
{
    Q_OBJECT

public:
    static QString mimeType();

    explicit TabMimeData(TabContents *contents);

    // nullptr once the tab is gone.
    TabContents *tabContents() const;

    // The strip that takes the drop only notes where the tab goes (drop events hand out the
    // data as const); the drag's source moves the tab once the drag is over, so no window
    // closes under a running drag.
    void recordDrop(Browser *target, int insertionIndex) const;
    bool hasDrop() const { return m_hasDrop; }
    Browser *dropBrowser() const;
    int dropIndex() const { return m_dropIndex; }

private:
    QPointer<TabContents> m_contents;
    mutable QPointer<Browser> m_dropBrowser;
    mutable int m_dropIndex = -1;
    mutable bool m_hasDrop = false;
};
