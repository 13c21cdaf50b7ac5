#pragma once

#include <QMimeData>
#include <QPoint>
#include <QString>

class QAbstractItemView;

// A file from another program dropped on an item view: the drag enters at a point, then drops there, offering Copy,
// Move and Link as a file manager does.
class ZrzutPlikuZInnegoProgramu
{
public:
    ZrzutPlikuZInnegoProgramu(const QString &plik, QAbstractItemView *widok, const QPoint &miejsce);

    // Whether the view takes the entering drag.
    bool wejdz();
    // Whether the view takes the drop.
    bool upusc();
    // A refused file (`cel` empty) stays where it was; a taken one arrives at `cel` 0.2 s later, not at once.
    void oczekujPliku(const QString &cel) const;

private:
    QString m_plik;
    QAbstractItemView *m_widok;
    QPoint m_miejsce;
    QMimeData m_dane;
};
