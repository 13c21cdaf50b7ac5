#include "AkcjaPrzycisku.h"

#include "ElementInterfejsu.h"
#include "LancuchResponderow.h"
#include "Responder.h"

#include <QAbstractButton>

AkcjaPrzycisku::AkcjaPrzycisku(QAbstractButton *przycisk)
    : QObject(przycisk)
{
    connect(przycisk, &QAbstractButton::clicked, this, &AkcjaPrzycisku::wyslij);
}

AkcjaPrzycisku *AkcjaPrzycisku::ustaw(QAbstractButton *przycisk, Akcja akcja, Responder *cel, int tag)
{
    AkcjaPrzycisku *polecenie = dla(przycisk);
    if (!polecenie)
        polecenie = new AkcjaPrzycisku(przycisk);
    polecenie->m_akcja = akcja;
    polecenie->m_cel = cel;
    polecenie->m_maCel = cel != nullptr;
    polecenie->m_tag = tag;
    return polecenie;
}

AkcjaPrzycisku *AkcjaPrzycisku::dla(const QAbstractButton *przycisk)
{
    return przycisk ? przycisk->findChild<AkcjaPrzycisku *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

Responder *AkcjaPrzycisku::cel() const
{
    return m_cel;
}

QAbstractButton *AkcjaPrzycisku::przycisk() const
{
    return static_cast<QAbstractButton *>(parent());
}

bool AkcjaPrzycisku::zwaliduj()
{
    const bool celZniknal = m_maCel && !m_cel;
    const bool wlaczony =
        !celZniknal
        && LancuchResponderow::zwaliduj(ElementInterfejsu(m_akcja, przycisk(), m_tag), m_cel, przycisk()->window());
    przycisk()->setEnabled(wlaczony);
    return wlaczony;
}

void AkcjaPrzycisku::wyslij()
{
    if (m_maCel && !m_cel)
        return;
    LancuchResponderow::sendAction(m_akcja, m_cel, przycisk(), przycisk()->window());
}
