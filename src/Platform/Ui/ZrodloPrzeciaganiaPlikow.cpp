#include "ZrodloPrzeciaganiaPlikow.h"

#include "Platform/ModalGate.h"

#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

bool ZrodloPrzeciaganiaPlikow::przeciagnijPliki(QWidget *zrodlo, const QStringList &sciezki, Qt::DropActions akcje)
{
    QDrag *przeciaganie = nowePrzeciaganie(zrodlo, sciezki);
    if (!przeciaganie)
        return false;
    wykonaj(przeciaganie, akcje);
    return true;
}

QDrag *ZrodloPrzeciaganiaPlikow::nowePrzeciaganie(QWidget *zrodlo, const QStringList &sciezki)
{
    if (sciezki.isEmpty())
        return nullptr;
    QList<QUrl> urle;
    urle.reserve(sciezki.size());
    for (const QString &sciezka : sciezki)
        urle.append(QUrl::fromLocalFile(sciezka));
    auto *dane = new QMimeData;
    dane->setUrls(urle);
    auto *przeciaganie = new QDrag(zrodlo);
    przeciaganie->setMimeData(dane);
    return przeciaganie;
}

void ZrodloPrzeciaganiaPlikow::wykonaj(QDrag *przeciaganie, Qt::DropActions akcje)
{
    // Disk events wait while the drag runs its own loop.
    const ModalGate::Raise brama;
    przeciaganie->exec(akcje, Qt::MoveAction);
}
