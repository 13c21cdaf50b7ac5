#include "TabContents.h"

#include "Browser.h"
#include "Widgets/TekstNaJednejLinii.h"

TabContents::TabContents() = default;

TabContents::~TabContents()
{
    delete m_view.data();
}

void TabContents::setTitle(const QString &title)
{
    // The tab and the window draw the title on one line, whatever the name holds.
    m_title = tekstNaJednejLinii(title);
    emit titleChanged();
}

void TabContents::setIcon(const QIcon &icon)
{
    m_icon = icon;
    emit iconChanged();
}

void TabContents::setView(QWidget *view)
{
    if (view == m_view)
        return;
    if (QWidget *previous = m_view) {
        previous->hide();
        previous->setParent(nullptr);
        previous->deleteLater();
    }
    m_view = view;
    emit viewChanged();
}

Browser *TabContents::browser() const
{
    return m_browser;
}

bool TabContents::becomeFirstResponder()
{
    if (m_view)
        m_view->setFocus(Qt::OtherFocusReason);
    return true;
}
