#pragma once

#include <QStyledItemDelegate>

// The cell of a navigation bar row: the icon (its selected variant on the selected row, template
// icons tinted), the name in white or black, headers in small grey capitals, and on the static
// entries the open-in-new-window button, which the outline hit-tests.
class WidokKomorkiPaskaNawigacji : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static bool maPrzycisk(const QModelIndex &indeks);
    static QRectF prostokatPrzycisku(const QRect &komorka);

    void paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    QSize sizeHint(const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;

private:
    static void rysujSrodtytul(QPainter &malarz, const QRect &komorka, const QString &tekst);
};
