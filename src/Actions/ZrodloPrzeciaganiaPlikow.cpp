#include "ZrodloPrzeciaganiaPlikow.h"

#include "Platform/ModalGate.h"

#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

bool ZrodloPrzeciaganiaPlikow::przeciagnijPliki(QWidget *zrodlo, const QStringList &sciezki, Qt::DropActions akcje)
{
    if (sciezki.isEmpty())
        return false;
    QList<QUrl> urle;
    urle.reserve(sciezki.size());
    for (const QString &sciezka : sciezki)
        urle.append(QUrl::fromLocalFile(sciezka));
    auto *dane = new QMimeData;
    dane->setUrls(urle);
    // Qt deletes the drag when it is over.
    auto *przeciaganie = new QDrag(zrodlo);
    przeciaganie->setMimeData(dane);
    // Disk events wait while the drag runs its own loop.
    const ModalGate::Raise brama;
    przeciaganie->exec(akcje, Qt::MoveAction);
    return true;
}
