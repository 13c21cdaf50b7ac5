#include "KontrolerDrzewa.h"

WezelDrzewa::WezelDrzewa(QObject *reprezentowanyObiekt, WezelDrzewa *rodzic)
    : QObject(rodzic)
    , m_reprezentowanyObiekt(reprezentowanyObiekt)
    , m_rodzic(rodzic)
{
}

QList<WezelDrzewa *> KontrolerDrzewa::selectedNodes() const
{
    QList<WezelDrzewa *> wezly;
    for (const QPointer<WezelDrzewa> &wezel : m_zaznaczone) {
        if (wezel)
            wezly.append(wezel);
    }
    return wezly;
}

void KontrolerDrzewa::setSelectedNodes(const QList<WezelDrzewa *> &wezly)
{
    m_zaznaczone.clear();
    for (WezelDrzewa *wezel : wezly)
        m_zaznaczone.append(wezel);
    emit selectionChanged();
}
