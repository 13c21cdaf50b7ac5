#pragma once

#include "ObrysMenuPodrecznego.h"
#include "WidokPapierowy.h"

class KomorkaNaglowkaTabeliPapierowej;
class LiniaKreskowana;
class QMenu;
class QModelIndex;
class QPainter;
class QPaintEvent;
class QStyleOptionViewItem;
class QWidget;

// The look of a sheet of white paper for a list or an outline (`Baza`): a paper header with
// its corner piece above the vertical scroll bar, the dotted triple line under the header, a
// dotted line under every row and through the empty space below the last one, and no other
// grid. The list is its own scroll area, so the separator lies in the list itself.
template <class Baza>
class ZWyglademPapieru : public Baza, public WidokPapierowy
{
public:
    explicit ZWyglademPapieru(QWidget *rodzic = nullptr);

    // The pitch of the rows and of the lines below them.
    void setRowHeight(qreal wysokosc);
    void setGridStyleMask(int maska);

    // Places the separator at (0, header height − 2, width, 3), making it the first time.
    void addAndSetUpTableHeaderSeparator();
    LiniaKreskowana *separatorNaglowkaTabeli() const { return m_separatorNaglowkaTabeli; }
    // The paper header cell of a column; null, with a line in the system log, when it has none.
    KomorkaNaglowkaTabeliPapierowej *headerCellInColumn(int kolumna) const;
    // Outlines the row of `indeks` while `menu`, its context menu, is open.
    void oznaczWierszMenuPodrecznego(const QModelIndex &indeks, QMenu *menu)
    {
        m_obrysMenuPodrecznego.oznacz(this, indeks, menu);
    }

protected:
    void drawRow(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    void paintEvent(QPaintEvent *zdarzenie) override;
    void updateGeometries() override;

private:
    LiniaKreskowana *m_separatorNaglowkaTabeli = nullptr;
    ObrysMenuPodrecznego m_obrysMenuPodrecznego;
};
