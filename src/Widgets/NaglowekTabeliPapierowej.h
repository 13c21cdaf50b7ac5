#pragma once

#include "KomorkaNaglowkaTabeliPapierowej.h"

#include <QHeaderView>

#include <memory>
#include <vector>

// The header of a paper list: one paper header cell per column draws that column's part. It
// is as high as the list says, and redraws when the column selection changes, so that the
// separators follow the selected column.
class NaglowekTabeliPapierowej : public QHeaderView
{
    Q_OBJECT

public:
    explicit NaglowekTabeliPapierowej(QWidget *rodzic = nullptr);

    // Null for a column that has no cell yet.
    KomorkaNaglowkaTabeliPapierowej *komorka(int kolumna) const;
    // A column without a cell gets one with the column's title; a cell it has stays as it is.
    void ustawKomorkeWKolumnie(int kolumna);
    // The column the selection holds as a whole; -1 while whole rows are selected.
    int selectedColumn() const;

    void setModel(QAbstractItemModel *model) override;
    void setSelectionModel(QItemSelectionModel *zaznaczenie) override;

protected:
    void paintSection(QPainter *malarz, const QRect &ramka, int kolumna) const override;

private:
    void ustawKomorki();
    void odswiezTytuly();

    std::vector<std::unique_ptr<KomorkaNaglowkaTabeliPapierowej>> m_komorki;
};
