#pragma once

#include "KomorkaNaglowkaTabeliPapierowej.h"

#include <QWidget>

// The piece of paper header above a list's vertical scroll bar: white, with the dotted line
// along its top, without a title or separator.
class WidokNaroznikaTabeliPapierowej : public QWidget
{
    Q_OBJECT

public:
    explicit WidokNaroznikaTabeliPapierowej(QWidget *rodzic = nullptr);

    KomorkaNaglowkaTabeliPapierowej &komorkaNaglowkaTabeli() { return m_komorkaNaglowkaTabeli; }

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    KomorkaNaglowkaTabeliPapierowej m_komorkaNaglowkaTabeli;
};
