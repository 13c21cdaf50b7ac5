#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

class SetupAndMigrationWizard;

// The set-up wizard's window: paints the background its controller renders, tells the
// controller about closing, activation and a change of pixel density, presses the shown page's
// default button on Return and attaches sheets where the controller says.
class WizardWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WizardWindow(QWidget *rodzic = nullptr);

    void setWindowController(SetupAndMigrationWizard *kontroler) { m_kontroler = kontroler; }
    SetupAndMigrationWizard *windowController() const { return m_kontroler; }

    // Repeated over the window like a pattern, from its top-left corner.
    void setTlo(const QImage &tlo);
    QImage tlo() const { return m_tlo; }

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;
    void closeEvent(QCloseEvent *zdarzenie) override;
    void changeEvent(QEvent *zdarzenie) override;
    void keyPressEvent(QKeyEvent *zdarzenie) override;

private:
    QPointer<SetupAndMigrationWizard> m_kontroler;
    QImage m_tlo;
};
