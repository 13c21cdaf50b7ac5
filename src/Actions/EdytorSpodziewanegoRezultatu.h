#pragma once

#include <QPlainTextEdit>

// The text view that edits an expected outcome. Each browser window makes one and lends it to
// every expected-outcome field of the window.
class EdytorSpodziewanegoRezultatu : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit EdytorSpodziewanegoRezultatu(QWidget *rodzic = nullptr);
};
