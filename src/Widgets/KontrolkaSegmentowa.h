#pragma once

#include <QList>
#include <QWidget>

class QToolButton;

// A row of segments that act as one control: a click selects its segment and sends the
// control's one command (segmentKlikniety), whose receiver reads selectedSegment.
class KontrolkaSegmentowa : public QWidget
{
    Q_OBJECT

public:
    KontrolkaSegmentowa(const QStringList &etykiety, Qt::Orientation orientacja, QWidget *rodzic = nullptr);

    int selectedSegment() const { return m_wybrany; }
    void setSelectedSegment(int segment) { m_wybrany = segment; }
    bool isEnabledForSegment(int segment) const;
    void setEnabledForSegment(bool wlaczony, int segment);
    QToolButton *przyciskSegmentu(int segment) const { return m_segmenty.value(segment); }

signals:
    void segmentKlikniety();

private:
    QList<QToolButton *> m_segmenty;
    int m_wybrany = -1;
};
