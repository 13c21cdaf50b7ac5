#pragma once

#include <QImage>
#include <QWidget>

// An image scaled down to fit the view, centred, never enlarged.
class WidokObrazuPodgladu : public QWidget
{
    Q_OBJECT

public:
    explicit WidokObrazuPodgladu(QWidget *rodzic = nullptr);

    QImage obraz() const { return m_obraz; }
    void setObraz(const QImage &obraz);

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    QImage m_obraz;
};
