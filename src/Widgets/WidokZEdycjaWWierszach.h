#pragma once

#include <QPointer>
#include <QTreeView>

// What the kit's tables and outlines share beneath their own chains: a running in-row edit is
// cancelled, not committed, before the model resets, moves, adds or removes rows or columns,
// or changes its layout, and new values over the edited row replace the edit.
class WidokZEdycjaWWierszach : public QTreeView
{
    Q_OBJECT

public:
    explicit WidokZEdycjaWWierszach(QWidget *rodzic = nullptr);

    // The editor of one of the list's rows that has the focus of the list's window, or null.
    // A field in another list, or outside any, is not found.
    static QWidget *controlInEditModeForTableView(const QAbstractItemView *tabela);
    // The cell that `edytor` edits in the list, or an invalid index.
    static QModelIndex indeksEdytora(const QAbstractItemView *tabela, const QWidget *edytor);
    // Ends the edit in `nadawca` without committing; a rename field gets its starting text back.
    static void cancelOperation(QAbstractItemView *tabela, QWidget *nadawca);

    // Whether an edit was found and cancelled; never while the flag is off.
    bool abortEditing();
    bool shouldAbortEditingOnUpdates() const { return m_shouldAbortEditingOnUpdates; }
    void setShouldAbortEditingOnUpdates(bool flaga) { m_shouldAbortEditingOnUpdates = flaga; }

    void setModel(QAbstractItemModel *model) override;

protected:
    void dataChanged(const QModelIndex &lewyGorny, const QModelIndex &prawyDolny, const QList<int> &role) override;
    void commitData(QWidget *edytor) override;
    void closeEditor(QWidget *edytor, QAbstractItemDelegate::EndEditHint wskazowka) override;

private:
    // Selects the row `ruch` leads to from the current one and edits it in `kolumna`.
    void edytujSasiedni(CursorAction ruch, int kolumna);

    bool m_shouldAbortEditingOnUpdates = true;
    // The editor whose text is being committed, and its column.
    QPointer<QWidget> m_zatwierdzanyEdytor;
    int m_kolumnaZatwierdzanego = 0;
};
