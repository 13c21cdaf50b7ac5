#pragma once

#include "TableViewWithEnhancedEditMode.h"

#include <QList>
#include <QPointer>

#include <functional>

#include "KontrolerTablicy.h"

// A list whose content is a KontrolerTablicy. After each reset it can select the objects that
// were not in the list before, so that a new or dropped bean is selected once it is shown, and
// scrolls the first of them into view.
class TableViewWithAutoSelectedRows : public TableViewWithEnhancedEditMode
{
    Q_OBJECT

public:
    // Which of the objects that entered the list at a reset are selected.
    using CzyZaznaczycDodany = std::function<bool(QObject *obiekt)>;

    explicit TableViewWithAutoSelectedRows(QWidget *rodzic = nullptr);

    // The list shows the controller's objects and shares its selection.
    void setKontrolerTablicy(KontrolerTablicy *kontroler);
    KontrolerTablicy *kontrolerTablicy() const { return m_kontroler; }

    // The controller's objects now; empty without a controller.
    QList<QObject *> currentDataSourceObjects() const;
    // The objects at the previous reset.
    const QList<QObject *> &lastDataSourceObjects() const { return m_lastDataSourceObjects; }

    bool shouldSelectAddedRows() const { return m_shouldSelectAddedRows; }
    // With a condition, only the added objects it takes; without, every one.
    void setShouldSelectAddedRows(bool flaga, CzyZaznaczycDodany warunek = {});

    // The row scrolled just into view, whichever of its columns are hidden; nothing for a row outside the list.
    void przewinDoWiersza(int wiersz);

private:
    void poResecie();

    QPointer<KontrolerTablicy> m_kontroler;
    QList<QObject *> m_lastDataSourceObjects;
    bool m_shouldSelectAddedRows = false;
    CzyZaznaczycDodany m_czyZaznaczycDodany;
};
