#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class Browser;

// The contents of one tab: title, icon and view. It owns its view; a window only shows the
// view while the tab lies in that window's strip. Concrete tabs derive from it and own their
// controllers, so view, title and controller travel together from window to window.
class TabContents : public QObject
{
    Q_OBJECT

public:
    TabContents();
    ~TabContents() override;

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QIcon icon() const { return m_icon; }
    void setIcon(const QIcon &icon);

    QWidget *view() const { return m_view; }
    // Takes ownership of `view`; the previous view goes (later, it may be inside a handler).
    void setView(QWidget *view);

    // The browser whose strip holds this tab; nullptr while the tab lies in none.
    Browser *browser() const;

    // Sent when the tab becomes the active tab of its window. Gives the view the focus;
    // concrete tabs focus their main control instead.
    virtual bool becomeFirstResponder();

signals:
    void titleChanged();
    void iconChanged();
    void viewChanged();

private:
    friend class TabStripModel;

    QString m_title;
    QIcon m_icon;
    QPointer<QWidget> m_view;
    QPointer<Browser> m_browser;
};
