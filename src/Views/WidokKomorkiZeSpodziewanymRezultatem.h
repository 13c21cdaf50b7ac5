#pragma once

#include "WidokKomorkiFasolki.h"

#include <QHash>

// The bean cell of tall rows: the bean's line above, its expected outcome below. The outcome is
// read from disk when the row is first shown, not on every paint, and read again when the bean
// announces a change; beans whose rows scroll out of view or leave the list are let go.
class WidokKomorkiZeSpodziewanymRezultatem : public WidokKomorkiFasolki
{
    Q_OBJECT

public:
    explicit WidokKomorkiZeSpodziewanymRezultatem(QAbstractItemView *tabela);

    void paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;

protected:
    QRect liniaNazwy(const QRect &komorka) const override;

private:
    struct Rezultat
    {
        QString tekst;
        QMetaObject::Connection zmiana;
    };

    QString rezultat(Fasolka *fasolka) const;
    void zapomnijNiewidoczne();
    void zapomnijUsuwane(const QModelIndex &rodzic, int pierwszy, int ostatni);
    void zapomnijWszystkie();

    // Filled while painting: the rows shown are the rows painted.
    mutable QHash<const Fasolka *, Rezultat> m_rezultaty;
};
