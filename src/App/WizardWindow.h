#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

class SetupAndMigrationWizard;

// The set-up wizard's window: paints the background its controller renders and tells the
// controller about closing, activation and a change of pixel density.
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

private:
    QPointer<SetupAndMigrationWizard> m_kontroler;
    QImage m_tlo;
};
