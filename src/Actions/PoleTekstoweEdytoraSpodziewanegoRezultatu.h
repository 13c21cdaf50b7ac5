#pragma once

#include <QLineEdit>

// A one-line field that shows an expected outcome, read-only: what it shows is saved only
// through the editor.
class PoleTekstoweEdytoraSpodziewanegoRezultatu : public QLineEdit
{
    Q_OBJECT

public:
    explicit PoleTekstoweEdytoraSpodziewanegoRezultatu(QWidget *rodzic = nullptr);

protected:
    void mousePressEvent(QMouseEvent *zdarzenie) override;
    void mouseDoubleClickEvent(QMouseEvent *zdarzenie) override;
    void keyPressEvent(QKeyEvent *zdarzenie) override;
};
