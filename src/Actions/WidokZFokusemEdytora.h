#pragma once

#include <QPointer>
#include <QWidget>

// The pane of the expected-outcome editor: it holds the text view and, while the text is being
// edited, draws a green ring just outside it.
class WidokZFokusemEdytora : public QWidget
{
    Q_OBJECT

public:
    explicit WidokZFokusemEdytora(QWidget *rodzic = nullptr);

    QWidget *widokPrzewijany() const { return m_widokPrzewijany; }
    void setWidokPrzewijany(QWidget *widok) { m_widokPrzewijany = widok; }

    bool czyRysowacFokusEdytora() const { return m_czyRysowacFokusEdytora; }
    void setCzyRysowacFokusEdytora(bool rysowac);
    // The text view's frame grown by 4 on every side.
    QRectF ramkaFokusu() const;

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    QPointer<QWidget> m_widokPrzewijany;
    bool m_czyRysowacFokusEdytora = false;
};
