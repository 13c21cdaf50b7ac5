#include "ZrodloPrzegladuListyFasolek.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Platform/PreviewItem.h"

void ZrodloPrzegladuListyFasolek::setKontroleryPrzegladu(KontrolerAkcjeNaElementach *zaznaczenia,
                                                         KontrolerAkcjeNaElementach *staly)
{
    m_zaznaczenia = zaznaczenia;
    m_staly = staly;
}

int ZrodloPrzegladuListyFasolek::numberOfPreviewItemsInPreviewPanel(PanelSzybkiegoPrzegladu *)
{
    if (const int liczba = m_zaznaczenia ? m_zaznaczenia->liczbaZaznaczonychElementow() : 0; liczba > 0)
        return liczba;
    return m_staly && !m_staly->zaznaczoneElementy().isEmpty() ? 1 : 0;
}

PreviewItem *ZrodloPrzegladuListyFasolek::previewPanelPreviewItemAtIndex(PanelSzybkiegoPrzegladu *, int index)
{
    const QList<QObject *> zaznaczone = m_zaznaczenia ? m_zaznaczenia->zaznaczoneElementy() : QList<QObject *>();
    if (!zaznaczone.isEmpty())
        return dynamic_cast<PreviewItem *>(zaznaczone.value(index));
    return m_staly ? dynamic_cast<PreviewItem *>(m_staly->zaznaczoneElementy().value(0)) : nullptr;
}
