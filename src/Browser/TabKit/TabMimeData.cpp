#include "TabMimeData.h"

#include "Browser.h"
#include "TabContents.h"

#include <QCoreApplication>

QString TabMimeData::mimeType()
{
    return QStringLiteral("application/x-tarrowind-tab");
}

TabMimeData::TabMimeData(TabContents *contents)
    : m_contents(contents)
{
    setData(mimeType(), QByteArray::number(QCoreApplication::applicationPid()));
}

TabContents *TabMimeData::tabContents() const
{
    return m_contents;
}

Browser *TabMimeData::dropBrowser() const
{
    return m_dropBrowser;
}

void TabMimeData::recordDrop(Browser *target, int insertionIndex) const
{
    m_dropBrowser = target;
    m_dropIndex = insertionIndex;
    m_hasDrop = true;
}
