#include "MessageBoxPresenter.h"

#include "Alert.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

int MessageBoxPresenter::present(Alert &alert, QWidget *okno)
{
    // On the heap and watched: the window may go while the sheet waits, and take the box with it.
    QPointer<QMessageBox> okienko = new QMessageBox(okno);
    switch (alert.alertStyle()) {
    case Alert::AlertStyle::Warning:
        okienko->setIcon(QMessageBox::Warning);
        break;
    case Alert::AlertStyle::Informational:
        okienko->setIcon(QMessageBox::Information);
        break;
    case Alert::AlertStyle::Critical:
        okienko->setIcon(QMessageBox::Critical);
        break;
    }
    okienko->setText(alert.messageText());
    okienko->setInformativeText(alert.informativeText());
    okienko->setWindowModality(okno ? Qt::WindowModal : Qt::ApplicationModal);

    QList<QAbstractButton *> przyciski;
    for (const QString &tytul : alert.buttons())
        przyciski.append(okienko->addButton(tytul, QMessageBox::ActionRole));
    okienko->setDefaultButton(static_cast<QPushButton *>(przyciski.first()));
    const int escape = alert.escapeButton();
    if (escape >= 0)
        okienko->setEscapeButton(przyciski.at(escape));
    // No button reported, which the box should not allow: the cautious answer, not the default.
    const int ostrozna = Alert::firstButton + (escape >= 0 ? escape : int(przyciski.size()) - 1);

    QCheckBox *wyciszenie = nullptr;
    if (alert.showsSuppressionButton()) {
        wyciszenie = new QCheckBox(QCoreApplication::translate("Alert", "Do not show this message again"));
        wyciszenie->setChecked(alert.suppressionButtonState());
        okienko->setCheckBox(wyciszenie);
    }

    okienko->exec();
    if (!okienko)
        return ostrozna;

    if (wyciszenie)
        alert.setSuppressionButtonState(wyciszenie->isChecked());
    const int indeks = przyciski.indexOf(okienko->clickedButton());
    delete okienko.data();
    return indeks < 0 ? ostrozna : Alert::firstButton + indeks;
}
