#include "KontrolerWidokuFasolki.h"

#include "KontrolerRzeczyKatalogu.h"

#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/Fasolka.h"

#include <QCoreApplication>

KontrolerWidokuFasolki::KontrolerWidokuFasolki(QObject *rodzic)
    : KontrolerWidokuZPanelemRzeczy(rodzic)
{
}

Fasolka *KontrolerWidokuFasolki::fasolka() const
{
    return m_fasolka;
}

void KontrolerWidokuFasolki::setFasolka(Fasolka *fasolka)
{
    if (fasolka == m_fasolka)
        return;
    m_fasolka = fasolka;
    QObject *kontekst = nowyKontekstObserwacji();
    if (fasolka) {
        connect(fasolka, &Fasolka::nazwaChanged, kontekst, [this] { emit tytulZakladkiChanged(); });
        connect(fasolka, &Fasolka::zostalaUsunietaChanged, kontekst, [this] { fasolkaZmienilaUsuniecie(); });
    }
    kontrolerRzeczyFasolki()->setKatalog(fasolka && fasolka->jestZKatalogiem() ? fasolka->katalog() : nullptr);
    emit tytulZakladkiChanged();
}

QString KontrolerWidokuFasolki::tytulZakladki() const
{
    if (!m_fasolka)
        return QCoreApplication::translate("KontrolerWidokuFasolki", "no bean");
    return QCoreApplication::translate("KontrolerWidokuFasolki", "Bean: %1").arg(m_fasolka->nazwa());
}

QIcon KontrolerWidokuFasolki::ikonaZakladki() const
{
    return m_fasolka ? m_fasolka->ikona() : QIcon();
}

void KontrolerWidokuFasolki::fasolkaZmienilaUsuniecie()
{
    if (m_fasolka && m_fasolka->zostalaUsunieta() && kontrolerKartyPortfolio())
        kontrolerKartyPortfolio()->zamknijWidokZItem(ItemWidoku(m_fasolka.data()));
}
