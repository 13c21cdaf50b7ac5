#include "WidokKomorkiPotoku.h"

#include "Model/RzeczWBazieFasolek.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/TekstNaJednejLinii.h"

#include <QPainter>

namespace {
constexpr int marginesKomorkiPotoku = 6;
constexpr int bokIkonyKomorkiPotoku = 16;
} // namespace

QRect WidokKomorkiPotoku::prostokatNazwy(const QRect &komorka)
{
    const int lewa = komorka.left() + marginesKomorkiPotoku + bokIkonyKomorkiPotoku + marginesKomorkiPotoku;
    return QRect(QPoint(lewa, komorka.top()),
                 QPoint(std::max(lewa, komorka.right() - marginesKomorkiPotoku), komorka.bottom()));
}

void WidokKomorkiPotoku::paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const
{
    const auto *rzecz =
        qobject_cast<RzeczWBazieFasolek *>(indeks.data(KontrolerTablicy::RolaObiektu).value<QObject *>());
    if (!rzecz)
        return DelegatTabeliPapierowej::paint(malarz, opcja, indeks);
    const QRect komorka = opcja.rect;
    malarz->save();
    const QRect ikona(komorka.left() + marginesKomorkiPotoku, komorka.center().y() - bokIkonyKomorkiPotoku / 2 + 1,
                      bokIkonyKomorkiPotoku, bokIkonyKomorkiPotoku);
    rzecz->ikona().paint(malarz, ikona);
    QFont czcionka = opcja.font;
    czcionka.setBold(true);
    malarz->setFont(czcionka);
    // The normal text colour whatever the selection: the row draws the selection.
    malarz->setPen(opcja.palette.color(QPalette::Active, QPalette::Text));
    const QRect nazwa = prostokatNazwy(komorka);
    malarz->drawText(
        nazwa, Qt::AlignVCenter | Qt::AlignLeft,
        QFontMetrics(czcionka).elidedText(tekstNaJednejLinii(rzecz->nazwa()), Qt::ElideMiddle, nazwa.width()));
    malarz->restore();
}

void WidokKomorkiPotoku::updateEditorGeometry(QWidget *edytor, const QStyleOptionViewItem &opcja,
                                              const QModelIndex &) const
{
    const QRect nazwa = prostokatNazwy(opcja.rect);
    const int wysokosc = std::min(nazwa.height(), edytor->sizeHint().height());
    edytor->setGeometry(nazwa.left() - 2, nazwa.center().y() - wysokosc / 2, nazwa.width() + 2, wysokosc);
}
