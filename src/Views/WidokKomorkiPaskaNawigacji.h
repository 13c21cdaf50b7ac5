#pragma once

#include <QStyledItemDelegate>

// The cell of a navigation bar row: the icon (its selected variant on the selected row, template
// icons tinted), the name in white or black, headers in small grey capitals, and on the static
// entries the open-in-new-window button, which the outline hit-tests. A flow's name is renamed in
// a field over it; the typed name goes to the bar's controller, never straight to the model.
class WidokKomorkiPaskaNawigacji : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static bool maPrzycisk(const QModelIndex &indeks);
    static QRectF prostokatPrzycisku(const QRect &komorka);

    void paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    QSize sizeHint(const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    QWidget *createEditor(QWidget *rodzic, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    void updateEditorGeometry(QWidget *edytor, const QStyleOptionViewItem &opcja,
                              const QModelIndex &indeks) const override;
    void setModelData(QWidget *edytor, QAbstractItemModel *model, const QModelIndex &indeks) const override;

signals:
    void controlTextDidEndEditing(const QModelIndex &indeks, const QString &tekst) const;

private:
    static void rysujSrodtytul(QPainter &malarz, const QRect &komorka, const QString &tekst);
};
