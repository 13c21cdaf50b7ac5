#include "ZapowiedzianePrzybycia.h"

#include "Platform/FileOperations.h"

#include <QCoreApplication>

ZapowiedzianePrzybycia *ZapowiedzianePrzybycia::instancja()
{
    static ZapowiedzianePrzybycia przybycia;
    return &przybycia;
}

void ZapowiedzianePrzybycia::zapowiedz(const QString &sciezka)
{
    m_sciezki.insert(sciezka);
}

bool ZapowiedzianePrzybycia::przyjmij(const QString &sciezka)
{
    if (!m_sciezki.contains(sciezka))
        return false;
    // The lists told of one change are told one after another, each on a turn posted before this one.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this, sciezka] { m_sciezki.remove(sciezka); }, Qt::QueuedConnection);
    return true;
}

void ZapowiedzianePrzybycia::zakonczPolecenie(const QStringList &sciezki)
{
    for (const QString &sciezka : sciezki) {
        if (!FileOperations::exists(sciezka))
            m_sciezki.remove(sciezka);
    }
}
