#pragma once

#include <QPointer>
#include <QWidget>

class QPainter;
class QToolButton;
class TabContents;

// One ear in the tab strip: the tab's icon and title and its close button. Mouse presses
// and drags on the ear belong to the strip, which it leaves them to.
class TabView : public QWidget
{
    Q_OBJECT

public:
    explicit TabView(TabContents *contents, QWidget *parent = nullptr);

    TabContents *contents() const;
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    QToolButton *closeButton() const { return m_closeButton; }

    // The tab's title or icon changed.
    void contentsChanged();

signals:
    void closeRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The ear's shape, under icon and title; plain here.
    virtual void paintEar(QPainter &painter);
    // How far in from the ear's sides the icon and the close button lie.
    virtual int sideInset() const;

private:
    QPointer<TabContents> m_contents;
    QToolButton *m_closeButton;
    bool m_selected = false;
};
