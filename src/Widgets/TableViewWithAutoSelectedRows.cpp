#include "TableViewWithAutoSelectedRows.h"

#include "KontrolerTablicy.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QSet>

#include <algorithm>

TableViewWithAutoSelectedRows::TableViewWithAutoSelectedRows(QWidget *rodzic)
    : TableViewWithEnhancedEditMode(rodzic)
{
}

void TableViewWithAutoSelectedRows::setKontrolerTablicy(KontrolerTablicy *kontroler)
{
    if (m_kontroler)
        disconnect(m_kontroler, nullptr, this, nullptr);
    m_kontroler = kontroler;
    QItemSelectionModel *wlasne = selectionModel();
    setModel(kontroler);
    if (kontroler) {
        // setModel made a selection model of its own, which the controller's replaces.
        QItemSelectionModel *zModelu = selectionModel();
        setSelectionModel(kontroler->selectionModel());
        if (zModelu && zModelu != wlasne && zModelu->parent() == this)
            zModelu->deleteLater();
        connect(kontroler, &KontrolerTablicy::arrangedObjectsChanged, this, &TableViewWithAutoSelectedRows::poResecie);
        connect(kontroler, &KontrolerTablicy::dataChanged, this,
                [this] { setUniformRowHeights(m_kontroler->wierszeJednakowejWysokosci()); });
    }
    if (wlasne && wlasne->parent() == this)
        wlasne->deleteLater();
}

QList<QObject *> TableViewWithAutoSelectedRows::currentDataSourceObjects() const
{
    return m_kontroler ? m_kontroler->arrangedObjects() : QList<QObject *>();
}

void TableViewWithAutoSelectedRows::setShouldSelectAddedRows(bool flaga, CzyZaznaczycDodany warunek)
{
    m_shouldSelectAddedRows = flaga;
    m_czyZaznaczycDodany = std::move(warunek);
}

void TableViewWithAutoSelectedRows::przewinDoWiersza(int wiersz)
{
    if (!model() || wiersz < 0 || wiersz >= model()->rowCount())
        return;
    // A hidden column has no width, and a cell of no width is never scrolled to.
    for (int miejsce = 0; miejsce < header()->count(); ++miejsce) {
        const int kolumna = header()->logicalIndex(miejsce);
        if (!header()->isSectionHidden(kolumna)) {
            const QModelIndex indeks = model()->index(wiersz, kolumna);
            scrollTo(indeks);
            // Scrolling down, the tree view leaves the row's last pixel below the viewport.
            const QRect ramka = visualRect(indeks);
            const int wystaje = std::min(ramka.bottom() - viewport()->rect().bottom(), ramka.top());
            if (wystaje > 0)
                verticalScrollBar()->setValue(verticalScrollBar()->value() + wystaje);
            return;
        }
    }
}

void TableViewWithAutoSelectedRows::poResecie()
{
    const QList<QObject *> biezace = currentDataSourceObjects();
    setUniformRowHeights(m_kontroler->wierszeJednakowejWysokosci());
    if (m_shouldSelectAddedRows) {
        const QSet<QObject *> poprzednie(m_lastDataSourceObjects.cbegin(), m_lastDataSourceObjects.cend());
        QList<QPointer<QObject>> dodane;
        for (QObject *obiekt : biezace) {
            if (!poprzednie.contains(obiekt) && (!m_czyZaznaczycDodany || m_czyZaznaczycDodany(obiekt)))
                dodane.append(obiekt);
        }
        // After the current event: by then the list may have changed again, so the objects are
        // looked up where they stand when the selection is made, not where they stood now.
        if (!dodane.isEmpty()) {
            QMetaObject::invokeMethod(
                this,
                [this, dodane] {
                    QList<QObject *> obecne;
                    for (const QPointer<QObject> &obiekt : dodane) {
                        if (obiekt && m_kontroler && m_kontroler->wierszObiektu(obiekt) >= 0)
                            obecne.append(obiekt);
                    }
                    if (obecne.isEmpty())
                        return;
                    m_kontroler->setSelectedObjects(obecne);
                    przewinDoWiersza(m_kontroler->wierszObiektu(obecne.constFirst()));
                },
                Qt::QueuedConnection);
        }
    }
    m_lastDataSourceObjects = biezace;
}
