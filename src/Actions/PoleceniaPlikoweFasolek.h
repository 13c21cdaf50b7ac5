#pragma once

#include <QCoreApplication>
#include <QPointer>

class ElementyDlaPolecen;
class KontrolerBiezacegoWidokuSzczegolow;
class Menu;
class QObject;

// The commands that change beans on disk. Duplicate and trash finish later; the disk watcher
// brings their changes into the graph.
class PoleceniaPlikoweFasolek
{
    Q_DECLARE_TR_FUNCTIONS(KontrolerAkcjeNaElementach)

public:
    explicit PoleceniaPlikoweFasolek(const ElementyDlaPolecen &elementy);

    // The details view whose action buttons a wrap revalidates.
    void setKontrolerBiezacegoWidokuSzczegolow(KontrolerBiezacegoWidokuSzczegolow *kontroler);

    void duplikujFasolki(QObject *nadawca);
    void moveToTrash(QObject *nadawca);
    void opakujFasolkePlikowaWKatalog();
    void wypakujZawartoscFasolkiZKatalogu();
    // To the flow that is the sender's represented object.
    void przeniesFasolkiDoPotoku(QObject *nadawca);
    // The main flow, then the topical ones by name; each item sends przeniesFasolkiDoPotoku to
    // the menu's delegate.
    static void zaktualizujPodrzedneMenuPrzeniesDoPotoku(Menu *menu);

private:
    const ElementyDlaPolecen &m_elementy;
    QPointer<KontrolerBiezacegoWidokuSzczegolow> m_kontrolerBiezacegoWidokuSzczegolow;
};
