#include "ElidingLabel.h"

#include <QPainter>
#include <QStyle>

ElidingLabel::ElidingLabel(QWidget *rodzic)
    : QLabel(rodzic)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

QSize ElidingLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

QSize ElidingLabel::sizeHint() const
{
    // Long paths must not widen the window that holds the label.
    return {0, QLabel::sizeHint().height()};
}

QString ElidingLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void ElidingLabel::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    style()->drawItemText(&malarz, contentsRect(), int(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}
