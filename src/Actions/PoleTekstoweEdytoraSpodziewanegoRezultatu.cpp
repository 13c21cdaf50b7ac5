#include "PoleTekstoweEdytoraSpodziewanegoRezultatu.h"

#include "EdytorSpodziewanegoRezultatu.h"

#include "Platform/Konsola.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

QString opisKlikniecia(const QMouseEvent &zdarzenie)
{
    const QPoint punkt = zdarzenie.position().toPoint();
    return QStringLiteral("{%1, %2}").arg(punkt.x()).arg(punkt.y());
}

} // namespace

PoleTekstoweEdytoraSpodziewanegoRezultatu::PoleTekstoweEdytoraSpodziewanegoRezultatu(QWidget *rodzic)
    : QLineEdit(rodzic)
{
    setReadOnly(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Text, EdytorSpodziewanegoRezultatu::kolorTrybuPodgladu());
    setPalette(paleta);
}

void PoleTekstoweEdytoraSpodziewanegoRezultatu::mousePressEvent(QMouseEvent *zdarzenie)
{
    drukujLinie(QStringLiteral("[PoleTekstoweEdytoraSpodziewanegoRezultatu mouseDown: %1]"),
                opisKlikniecia(*zdarzenie));
    QLineEdit::mousePressEvent(zdarzenie);
}

void PoleTekstoweEdytoraSpodziewanegoRezultatu::mouseDoubleClickEvent(QMouseEvent *zdarzenie)
{
    drukujLinie(QStringLiteral("[PoleTekstoweEdytoraSpodziewanegoRezultatu mouseDown: %1]"),
                opisKlikniecia(*zdarzenie));
    drukujLinie(QStringLiteral("dwuklik"));
    QLineEdit::mouseDoubleClickEvent(zdarzenie);
}

void PoleTekstoweEdytoraSpodziewanegoRezultatu::keyPressEvent(QKeyEvent *zdarzenie)
{
    drukujLinie(QStringLiteral("[PoleTekstoweEdytoraSpodziewanegoRezultatu keyDown: %1]"), zdarzenie->key());
    drukujLinie(QStringLiteral("klawisze = '%1'"), zdarzenie->text());
    if (EdytorSpodziewanegoRezultatu::czyKlawiszBezZnakow(*zdarzenie))
        return;
    if (EdytorSpodziewanegoRezultatu::czyReturnBezOpcji(*zdarzenie)) {
        drukujLinie(QStringLiteral("Znak nowej linii."));
        return;
    }
    if (zdarzenie->key() == Qt::Key_Escape)
        drukujLinie(QStringLiteral("Escape"));
    QLineEdit::keyPressEvent(zdarzenie);
}
