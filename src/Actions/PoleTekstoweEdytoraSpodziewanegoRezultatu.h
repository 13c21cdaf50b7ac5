#pragma once

#include <QLineEdit>

// The text field that shows an expected outcome; its window's expected-outcome editor edits it.
class PoleTekstoweEdytoraSpodziewanegoRezultatu : public QLineEdit
{
    Q_OBJECT

public:
    explicit PoleTekstoweEdytoraSpodziewanegoRezultatu(QWidget *rodzic = nullptr);
};
