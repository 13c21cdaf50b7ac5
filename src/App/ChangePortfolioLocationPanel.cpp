#include "ChangePortfolioLocationPanel.h"

#include "ChangePortfolioLocationController.h"

#include <QHideEvent>
#include <QStackedWidget>

ChangePortfolioLocationPanel::ChangePortfolioLocationPanel(QWidget *rodzic)
    : QDialog(rodzic, Qt::Sheet)
{
}

void ChangePortfolioLocationPanel::selectTabViewItem(QWidget *karta)
{
    if (tabView && karta && tabView->indexOf(karta) >= 0)
        tabView->setCurrentWidget(karta);
}

void ChangePortfolioLocationPanel::reject()
{
    // While an operation runs the sheet stays: its outcome is shown there.
    if (m_kontroler)
        m_kontroler->closeChangePortfolioLocationPanel(this);
    else
        QDialog::reject();
}

void ChangePortfolioLocationPanel::hideEvent(QHideEvent *zdarzenie)
{
    QDialog::hideEvent(zdarzenie);
    if (!zdarzenie->spontaneous())
        emit sheetEnded();
}
