#pragma once

#include "Browser/KontrolerOknaPrzegladarkiTarrowind.h"

#include <QPlainTextEdit>

// The text view that edits an expected outcome. Each browser window makes one and lends it to
// every expected-outcome field of the window.
class EdytorSpodziewanegoRezultatu : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit EdytorSpodziewanegoRezultatu(QWidget *rodzic = nullptr);

    // What the browser windows are given at start-up to lend this editor to the
    // expected-outcome fields.
    static KontrolerOknaPrzegladarkiTarrowind::DostawcaEdytoraPola dostawcaDlaOkien();
};
