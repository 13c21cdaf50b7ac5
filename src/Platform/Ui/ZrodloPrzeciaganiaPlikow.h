#pragma once

#include <QStringList>

class QDrag;
class QWidget;

// Drags files out of a list, an outline or a folder icon as "text/uri-list". Whatever the
// destination answers, nothing is deleted here: a destination that moved the files has moved
// them already. Lists call this from their own startDrag, whose inherited form removes rows
// after a Move.
class ZrodloPrzeciaganiaPlikow
{
public:
    ZrodloPrzeciaganiaPlikow() = delete;

    static constexpr Qt::DropActions akcjeListy = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    static constexpr Qt::DropActions akcjeIkonyKatalogu = Qt::CopyAction | Qt::MoveAction;

    // Runs the drag to its end; NO, and no drag, when there is no path.
    static bool przeciagnijPliki(QWidget *zrodlo, const QStringList &sciezki, Qt::DropActions akcje);
    // The drag of the paths, not yet started; nullptr when there is no path.
    static QDrag *nowePrzeciaganie(QWidget *zrodlo, const QStringList &sciezki);
    // Runs a drag to its end; Qt deletes it then.
    static void wykonaj(QDrag *przeciaganie, Qt::DropActions akcje);
};
