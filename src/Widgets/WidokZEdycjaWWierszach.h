#pragma once

#include <QPointer>
#include <QTreeView>

#include <memory>
#include <vector>

class QKeyEvent;

// What the kit's tables and outlines share beneath their own chains: a running in-row edit is
// cancelled, not committed, before the model resets, moves, adds or removes rows or columns,
// or changes its layout, and new values over the edited row replace the edit. Keys typed after
// a Tab that moves on to the next row go to that row's field, however late it opens.
class WidokZEdycjaWWierszach : public QTreeView
{
    Q_OBJECT

public:
    explicit WidokZEdycjaWWierszach(QWidget *rodzic = nullptr);
    ~WidokZEdycjaWWierszach() override;

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
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    // Selects the row `ruch` leads to from the current one and edits it in `kolumna`.
    void edytujSasiedni(CursorAction ruch, int kolumna);
    // The keys held while the next field was awaited, each to the widget with the window's focus now.
    void oddajWstrzymaneKlawisze();

    bool m_shouldAbortEditingOnUpdates = true;
    // The editor whose text is being committed, and its column.
    QPointer<QWidget> m_zatwierdzanyEdytor;
    int m_kolumnaZatwierdzanego = 0;
    // Set from a Tab's commit until its move to the next row is made.
    bool m_czekaNaSasiedni = false;
    std::vector<std::unique_ptr<QKeyEvent>> m_wstrzymaneKlawisze;
};
