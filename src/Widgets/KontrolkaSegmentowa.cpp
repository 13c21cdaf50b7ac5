#include "KontrolkaSegmentowa.h"

#include <QBoxLayout>
#include <QToolButton>

KontrolkaSegmentowa::KontrolkaSegmentowa(const QStringList &etykiety, Qt::Orientation orientacja, QWidget *rodzic)
    : QWidget(rodzic)
{
    auto *uklad =
        new QBoxLayout(orientacja == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    for (const QString &etykieta : etykiety) {
        auto *przycisk = new QToolButton(this);
        przycisk->setText(etykieta);
        przycisk->setAutoRaise(false);
        przycisk->setFocusPolicy(Qt::NoFocus);
        const int segment = int(m_segmenty.size());
        connect(przycisk, &QToolButton::clicked, this, [this, segment] {
            m_wybrany = segment;
            emit segmentKlikniety();
        });
        uklad->addWidget(przycisk);
        m_segmenty.append(przycisk);
    }
}

bool KontrolkaSegmentowa::isEnabledForSegment(int segment) const
{
    const QToolButton *przycisk = m_segmenty.value(segment);
    return przycisk && przycisk->isEnabled();
}

void KontrolkaSegmentowa::setEnabledForSegment(bool wlaczony, int segment)
{
    if (QToolButton *przycisk = m_segmenty.value(segment))
        przycisk->setEnabled(wlaczony);
}
