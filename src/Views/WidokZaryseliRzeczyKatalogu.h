#pragma once

#include "Platform/Ui/Menu.h"
#include "Widgets/WhitePaperOutlineView.h"

#include <QPointer>

// The outline of a folder's contents. A right-click on a row selects that row alone before the
// item menu opens, one outside the rows opens the outline's own menu; a drag takes the selected entries out as files.
class WidokZaryseliRzeczyKatalogu : public WhitePaperOutlineView
{
    Q_OBJECT

public:
    explicit WidokZaryseliRzeczyKatalogu(QWidget *rodzic = nullptr);

    Menu *menuPodreczneRzeczy() const { return m_menuPodreczneRzeczy; }
    void setMenuPodreczneRzeczy(Menu *menu) { m_menuPodreczneRzeczy = menu; }
    // The menu of a click outside the rows; the selection stays.
    Menu *menuPozaWierszami() const { return m_menuPozaWierszami; }
    void setMenuPozaWierszami(Menu *menu) { m_menuPozaWierszami = menu; }

    // The paths of the selected entities, in display order.
    QStringList sciezkiZaznaczonych() const;

protected:
    void contextMenuEvent(QContextMenuEvent *zdarzenie) override;
    void startDrag(Qt::DropActions akcje) override;
    void rowsInserted(const QModelIndex &rodzic, int pierwszy, int ostatni) override;
    void dataChanged(const QModelIndex &lewyGorny, const QModelIndex &prawyDolny,
                     const QList<int> &role = QList<int>()) override;

private:
    QPointer<Menu> m_menuPodreczneRzeczy;
    QPointer<Menu> m_menuPozaWierszami;
};
