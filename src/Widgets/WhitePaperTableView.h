#pragma once

#include "GreenDropBorderTableView.h"
#include "ZWyglademPapieru.h"

#include <QPointer>

#include <functional>

#include "Platform/Ui/Responder.h"

// The paper list of beans. Space toggles the preview panel through the list's actions
// controller; gaining the focus lets an open preview panel follow this list.
//
// Its class operations serve paper lists and paper outlines alike.
class WhitePaperTableView : public ZWyglademPapieru<GreenDropBorderTableView>
{
    Q_OBJECT

public:
    explicit WhitePaperTableView(QWidget *rodzic = nullptr);

    // The header, and the corner piece above the vertical scroll bar, `wysokosc` high.
    static void setHeaderHeightOfTableView(qreal wysokosc, QTreeView *tabela);
    // A paper header with a paper cell for every column, and a paper corner; run again, it
    // keeps the cells and corner there are, with their settings.
    static void setHeaderCellsInTableView(QTreeView *tabela);
    static void ustawKomorkeTabeliWKolumnie(QTreeView *tabela, int kolumna);
    static KomorkaNaglowkaTabeliPapierowej *headerCellForTableView(const QTreeView *tabela, int kolumna);
    // The dotted lines through the empty space below the last row; `obszar` is in the list's
    // coordinates, which start at the top of the first row.
    static void drawLinesBetweenEmptyRowsInTableView(QPainter &malarz, const QTreeView *tabela, const QRectF &obszar,
                                                     qreal skala);
    // Where those lines lie for rows `skok` apart in a list `wysokosc` high whose last row ends
    // at `dolOstatniegoWiersza`: on whole points, each step cut toward zero.
    static QList<qreal> liniePustychWierszy(const QRectF &obszar, qreal skok, qreal wysokosc,
                                            qreal dolOstatniegoWiersza);
    static qreal defaultRowHeightForRowViewType(int rowViewType);

    // What an open preview panel does when a paper list gains the focus; the panel sets it.
    static void ustawAktualizacjePanelaSzybkiegoPrzegladu(std::function<void()> aktualizacja);

    int rowViewType() const { return m_rowViewType; }
    void setRowViewType(int rodzaj);
    Responder *kontrolerAkcjeNaElementach() const { return m_kontrolerAkcjeNaElementach; }
    void setKontrolerAkcjeNaElementach(Responder *kontroler) { m_kontrolerAkcjeNaElementach = kontroler; }
    KomorkaNaglowkaTabeliPapierowej *tableViewHeaderCellForColumn(int kolumna) const;
    // The row a drag would drop onto, framed in green; -1: none.
    int wierszCeluZrzutu() const { return m_wierszCeluZrzutu; }
    void setWierszCeluZrzutu(int wiersz);

signals:
    void rowViewTypeChanged();

protected:
    void keyPressEvent(QKeyEvent *zdarzenie) override;
    void focusInEvent(QFocusEvent *zdarzenie) override;
    // A right press leaves the selection as it is: the context menu that follows acts on the
    // clicked row alone when that row is not selected.
    void mousePressEvent(QMouseEvent *zdarzenie) override;
    void mouseMoveEvent(QMouseEvent *zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent *zdarzenie) override;

private:
    int m_rowViewType = 0;
    int m_wierszCeluZrzutu = -1;
    QPointer<Responder> m_kontrolerAkcjeNaElementach;
};
