#include "PoleTekstoweEdytoraSpodziewanegoRezultatu.h"

PoleTekstoweEdytoraSpodziewanegoRezultatu::PoleTekstoweEdytoraSpodziewanegoRezultatu(QWidget *rodzic)
    : QLineEdit(rodzic)
{
}
