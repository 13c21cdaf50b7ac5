#pragma once

#include <QLabel>

// A one-line label for a path: it asks for no width of its own and, when narrower than its
// text, shows the text with its middle elided. text() stays the whole text.
class ElidingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget *rodzic = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    // What is painted at the label's present width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;
};
