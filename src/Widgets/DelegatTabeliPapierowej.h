#pragma once

#include <QStyledItemDelegate>

// The cells of the paper lists: as high as the list's rows, in their normal colours in a
// selected row (the row draws the selection), and with a rename field as their editor.
// The lists' own cell delegates derive from it.
class DelegatTabeliPapierowej : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    QSize sizeHint(const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    QWidget *createEditor(QWidget *rodzic, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    void setEditorData(QWidget *edytor, const QModelIndex &indeks) const override;
};
