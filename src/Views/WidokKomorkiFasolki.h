#pragma once

#include "Widgets/DelegatTabeliPapierowej.h"

#include <QPointer>

class Fasolka;
class QAbstractItemView;

// The name cell of a bean row: the bean's icon, its name, and at the right a status button
// whose title is the bean's status in a grey of 0.4 (unless the list shows none). The cell stays light in a selected
// row. A press on the button is caught before the list sees it, so the selection stays as it was.
class WidokKomorkiFasolki : public DelegatTabeliPapierowej
{
    Q_OBJECT

public:
    explicit WidokKomorkiFasolki(QAbstractItemView *tabela);

    static Fasolka *fasolka(const QModelIndex &indeks);
    // Where the status button of `fasolka` lies in a cell occupying `komorka`; empty without one.
    QRect prostokatPrzyciskuStatusu(const QRect &komorka, const Fasolka *fasolka) const;
    // Off: no button, and the name takes its place.
    void setPrzyciskStatusu(bool widoczny) { m_przyciskStatusu = widoczny; }

    void paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    void updateEditorGeometry(QWidget *edytor, const QStyleOptionViewItem &opcja,
                              const QModelIndex &indeks) const override;

signals:
    // `przycisk` in the coordinates of the list's viewport.
    void przyciskStatusuNacisniety(const QModelIndex &indeks, const QRect &przycisk);

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;
    // The part of the cell the icon, the name and the status button share.
    virtual QRect liniaNazwy(const QRect &komorka) const { return komorka; }
    QAbstractItemView *tabela() const { return m_tabela; }
    QRect prostokatNazwy(const QRect &komorka, const Fasolka *fasolka) const;

private:
    QPointer<QAbstractItemView> m_tabela;
    // Kept as a widget: asking the table for its viewport fails while the table is torn down.
    QPointer<QWidget> m_obszarTabeli;
    bool m_przyciskStatusu = true;
};
