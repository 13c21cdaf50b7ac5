#pragma once

#include "Platform/Ui/InformacjaOPrzeciaganiu.h"
#include "Widgets/ObrysMenuPodrecznego.h"
#include "Widgets/OutlineViewWithEnhancedEditMode.h"

#include <QPointer>

#include <functional>

class QMenu;

// The navigation bar's outline: it never takes the keyboard focus, picks a context menu by the
// kind of row clicked, and keeps the row under an accepted drag, which its rows frame. What a
// drop does is decided by its owner. A selected row that leaves takes the selection with it.
class WidokZaryseliPaskaNawigacji : public OutlineViewWithEnhancedEditMode
{
    Q_OBJECT

public:
    // The operation a drop at a point of the viewport would carry out (none: refused), and the
    // drop itself, whether it was taken.
    using OperacjaZrzutu = std::function<Qt::DropAction(const InformacjaOPrzeciaganiu &, const QPoint &)>;
    using WykonanieZrzutu = std::function<bool(const InformacjaOPrzeciaganiu &, const QPoint &)>;

    explicit WidokZaryseliPaskaNawigacji(QWidget *rodzic = nullptr);

    // Without them every drop is refused.
    void ustawObslugeZrzutow(OperacjaZrzutu operacja, WykonanieZrzutu wykonanie);

    QMenu *menuPodrecznePotoku() const { return m_menuPodrecznePotoku; }
    void setMenuPodrecznePotoku(QMenu *menu) { m_menuPodrecznePotoku = menu; }
    QMenu *menuPodreczneElementu() const { return m_menuPodreczneElementu; }
    void setMenuPodreczneElementu(QMenu *menu) { m_menuPodreczneElementu = menu; }
    QMenu *menuPodreczneWszystkieFasolki() const { return m_menuPodreczneWszystkieFasolki; }
    void setMenuPodreczneWszystkieFasolki(QMenu *menu) { m_menuPodreczneWszystkieFasolki = menu; }

    // The row under the drag while the drag can drop there, else -1 (a row in view order).
    int wierszCelZrzutu() const { return m_wierszCelZrzutu; }
    void setWierszCelZrzutu(int wiersz) { m_wierszCelZrzutu = wiersz; }

    // The menu of a row's tree item; null for headers, separators and anything else.
    QMenu *defaultMenuForItem(const QObject *element) const;
    // Selects the row alone and answers its menu; null for an invalid index.
    QMenu *menuDlaIndeksu(const QModelIndex &indeks);
    // Keeps the drop-target row after a drag moved to `punkt` with `operacja`.
    void zaktualizujWierszCelZrzutu(const QPoint &punkt, Qt::DropAction operacja);
    void wyswietlWierszCelZrzutu(int wiersz);

    QModelIndex indeksWiersza(int wiersz) const;
    int wierszIndeksu(const QModelIndex &indeks) const;

signals:
    // The open-in-new-window button of a static entry was pressed; the row is left as it was.
    void przyciskNowegoOknaKlikniety(const QModelIndex &indeks);
    // A row that may be selected was double-clicked, and is the selected row; never the button.
    void dwuklikNaWierszu(const QModelIndex &indeks, Qt::KeyboardModifiers modyfikatory);

protected:
    void contextMenuEvent(QContextMenuEvent *zdarzenie) override;
    void mousePressEvent(QMouseEvent *zdarzenie) override;
    void mouseDoubleClickEvent(QMouseEvent *zdarzenie) override;
    void dragEnterEvent(QDragEnterEvent *zdarzenie) override;
    void dragMoveEvent(QDragMoveEvent *zdarzenie) override;
    void dragLeaveEvent(QDragLeaveEvent *zdarzenie) override;
    void dropEvent(QDropEvent *zdarzenie) override;
    void drawRow(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    void drawBranches(QPainter *malarz, const QRect &prostokat, const QModelIndex &indeks) const override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &indeks,
                                                         const QEvent *zdarzenie) const override;
    void rowsAboutToBeRemoved(const QModelIndex &rodzic, int pierwszy, int ostatni) override;

private:
    bool naPrzycisku(const QModelIndex &indeks, const QPointF &punkt) const;
    void przyjmijPrzeciaganie(QDragMoveEvent *zdarzenie);

    QPointer<QMenu> m_menuPodrecznePotoku;
    QPointer<QMenu> m_menuPodreczneElementu;
    QPointer<QMenu> m_menuPodreczneWszystkieFasolki;
    int m_wierszCelZrzutu = -1;
    ObrysMenuPodrecznego m_obrysMenuPodrecznego;
    OperacjaZrzutu m_operacjaZrzutu;
    WykonanieZrzutu m_wykonanieZrzutu;
};
