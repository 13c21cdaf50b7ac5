#include "TabView.h"

#include "TabContents.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {

constexpr int kSideInset = 8;
constexpr int kIconSize = 16;
constexpr int kCloseButtonSize = 16;
constexpr int kGap = 4;
constexpr qreal kCornerRadius = 4.0;

} // namespace

TabView::TabView(TabContents *contents, QWidget *parent)
    : QWidget(parent)
    , m_contents(contents)
    , m_closeButton(new QToolButton(this))
{
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setFixedSize(kCloseButtonSize, kCloseButtonSize);
    const QIcon closeIcon = QIcon::fromTheme(QStringLiteral("window-close"));
    if (closeIcon.isNull())
        m_closeButton->setText(QStringLiteral("\u00d7"));
    else
        m_closeButton->setIcon(closeIcon);
    m_closeButton->setToolTip(tr("Close Tab"));
    connect(m_closeButton, &QToolButton::clicked, this, &TabView::closeRequested);
    contentsChanged();
}

TabContents *TabView::contents() const
{
    return m_contents;
}

void TabView::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

void TabView::contentsChanged()
{
    setToolTip(m_contents ? m_contents->title() : QString());
    update();
}

void TabView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintEar(painter);

    int left = sideInset();
    if (m_contents && !m_contents->icon().isNull()) {
        const QRect iconRect(left, (height() - kIconSize) / 2, kIconSize, kIconSize);
        m_contents->icon().paint(&painter, iconRect);
        left = iconRect.right() + 1 + kGap;
    }
    const int right = m_closeButton->geometry().left() - kGap;
    if (m_contents && right > left) {
        const QRect textRect(left, 0, right - left, height());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(m_contents->title(), Qt::ElideRight, textRect.width()));
    }
}

void TabView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_closeButton->move(width() - sideInset() - kCloseButtonSize, (height() - kCloseButtonSize) / 2);
}

void TabView::paintEar(QPainter &painter)
{
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, 0.5);
    QPainterPath path;
    path.moveTo(r.bottomLeft());
    path.lineTo(r.left(), r.top() + kCornerRadius);
    path.quadTo(r.topLeft(), QPointF(r.left() + kCornerRadius, r.top()));
    path.lineTo(r.right() - kCornerRadius, r.top());
    path.quadTo(r.topRight(), QPointF(r.right(), r.top() + kCornerRadius));
    path.lineTo(r.bottomRight());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, palette().color(m_selected ? QPalette::Window : QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawPath(path);
    painter.restore();
}

int TabView::sideInset() const
{
    return kSideInset;
}
