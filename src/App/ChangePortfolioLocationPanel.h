#pragma once

#include <QDialog>
#include <QPointer>

class ChangePortfolioLocationController;
class QProgressBar;
class QStackedWidget;

// The sheet of the change of portfolio location: four tabs, one shown at a time (choose,
// create-or-use progress, migration, done). Escape and the window's own close go to the
// controller, which decides whether the sheet may end.
class ChangePortfolioLocationPanel : public QDialog
{
    Q_OBJECT

public:
    explicit ChangePortfolioLocationPanel(QWidget *rodzic = nullptr);

    // Outlets, set by the Preferences window's resource.
    QPointer<QStackedWidget> tabView;
    QPointer<QWidget> changeLocationTab;
    QPointer<QWidget> migrationTab;
    QPointer<QWidget> useOrCreateProgressTab;
    QPointer<QWidget> doneTab;
    QPointer<QProgressBar> useOrCreateProgressIndicator;

    void setWindowController(ChangePortfolioLocationController *kontroler) { m_kontroler = kontroler; }

    // Selects the tab only when the tab view holds it.
    void selectTabViewItem(QWidget *karta);

public slots:
    void reject() override;

signals:
    // The sheet went away, for whatever reason.
    void sheetEnded();

protected:
    void hideEvent(QHideEvent *zdarzenie) override;

private:
    QPointer<ChangePortfolioLocationController> m_kontroler;
};
