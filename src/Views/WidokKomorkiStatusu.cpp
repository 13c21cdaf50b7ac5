#include "WidokKomorkiStatusu.h"

#include "Model/Fasolka.h"
#include "Widgets/KontrolerTablicy.h"

#include <QPainter>

void WidokKomorkiStatusu::paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const
{
    const auto *fasolka = qobject_cast<Fasolka *>(indeks.data(KontrolerTablicy::RolaObiektu).value<QObject *>());
    if (!fasolka)
        return;
    constexpr int bok = 16;
    const QRect ikona(opcja.rect.center().x() - bok / 2 + 1, opcja.rect.center().y() - bok / 2 + 1, bok, bok);
    Fasolka::ikonaStatusuFasolki(fasolka->statusFasolki()).paint(malarz, ikona);
}
