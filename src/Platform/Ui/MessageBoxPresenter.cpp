#include "MessageBoxPresenter.h"

#include "Alert.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

int MessageBoxPresenter::pokaz(Alert &alert, QWidget *okno)
{
    QMessageBox okienko(okno);
    switch (alert.alertStyle()) {
    case Alert::AlertStyle::Warning:
        okienko.setIcon(QMessageBox::Warning);
        break;
    case Alert::AlertStyle::Informational:
        okienko.setIcon(QMessageBox::Information);
        break;
    case Alert::AlertStyle::Critical:
        okienko.setIcon(QMessageBox::Critical);
        break;
    }
    okienko.setText(alert.messageText());
    okienko.setInformativeText(alert.informativeText());
    okienko.setWindowModality(okno ? Qt::WindowModal : Qt::ApplicationModal);

    QList<QAbstractButton *> przyciski;
    for (const QString &tytul : alert.buttons())
        przyciski.append(okienko.addButton(tytul, QMessageBox::ActionRole));
    okienko.setDefaultButton(static_cast<QPushButton *>(przyciski.first()));
    const int escape = alert.escapeButton();
    if (escape >= 0)
        okienko.setEscapeButton(przyciski.at(escape));

    QCheckBox *wyciszenie = nullptr;
    if (alert.showsSuppressionButton()) {
        wyciszenie = new QCheckBox(QCoreApplication::translate("Alert", "Do not show this message again"));
        wyciszenie->setChecked(alert.suppressionButtonState());
        okienko.setCheckBox(wyciszenie);
    }

    okienko.exec();

    if (wyciszenie)
        alert.setSuppressionButtonState(wyciszenie->isChecked());
    int indeks = przyciski.indexOf(okienko.clickedButton());
    // No button reported, which the box should not allow: the cautious answer, not the default.
    if (indeks < 0)
        indeks = escape >= 0 ? escape : int(przyciski.size()) - 1;
    return Alert::pierwszyPrzycisk + indeks;
}
