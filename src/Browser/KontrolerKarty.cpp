#include "KontrolerKarty.h"

KontrolerKarty::KontrolerKarty(QObject *rodzic)
    : ViewController(rodzic)
{
}
