#include "EdytorSpodziewanegoRezultatu.h"

EdytorSpodziewanegoRezultatu::EdytorSpodziewanegoRezultatu(QWidget *rodzic)
    : QPlainTextEdit(rodzic)
{
}
