#pragma once

#include "App/SetupAndMigrationWizard.h"
#include "App/WizardController.h"
#include "App/WizardWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

// Small lookups into the wizard's window by the outlet names its widgets carry.
namespace KreatorTestowy {

inline QPushButton *przycisk(SetupAndMigrationWizard &kreator, const char *nazwa)
{
    return kreator.window()->findChild<QPushButton *>(QLatin1String(nazwa));
}

inline QString tekst(SetupAndMigrationWizard &kreator, const char *nazwa)
{
    const QLabel *etykieta = kreator.window()->findChild<QLabel *>(QLatin1String(nazwa));
    return etykieta ? etykieta->text() : QStringLiteral("<no label>");
}

inline QString strona(SetupAndMigrationWizard &kreator)
{
    const QWidget *biezaca = kreator.wizardController->tabView->currentWidget();
    return biezaca ? biezaca->objectName() : QString();
}

inline bool czekajNaStrone(SetupAndMigrationWizard &kreator, const char *nazwa, int milisekundy = 6000)
{
    return QTest::qWaitFor([&] { return strona(kreator) == QLatin1String(nazwa); }, milisekundy);
}

} // namespace KreatorTestowy
