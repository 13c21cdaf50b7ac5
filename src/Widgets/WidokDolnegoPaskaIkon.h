#pragma once

#include <QWidget>

class QHBoxLayout;

// The bar under a paper list: a pale green ground with dotted lines along its top. Its layout
// holds the bar's buttons, which the list's controller goes through to validate them.
class WidokDolnegoPaskaIkon : public QWidget
{
    Q_OBJECT

public:
    explicit WidokDolnegoPaskaIkon(QWidget *rodzic = nullptr);

    QHBoxLayout *ukladPrzyciskow() const;

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;
};
