#include "KontrolerPotoku.h"

#include "KontrolerRzeczyKatalogu.h"

#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/Potok.h"

#include <QCoreApplication>

KontrolerPotoku::KontrolerPotoku(QObject *rodzic)
    : KontrolerWidokuZPanelemRzeczy(rodzic)
{
}

Potok *KontrolerPotoku::potok() const
{
    return m_potok;
}

void KontrolerPotoku::setPotok(Potok *potok)
{
    if (potok == m_potok)
        return;
    m_potok = potok;
    QObject *kontekst = nowyKontekstObserwacji();
    if (potok) {
        connect(potok, &Potok::nazwaChanged, kontekst, [this] { emit tytulZakladkiChanged(); });
        connect(potok, &Potok::zostalUsunietyChanged, kontekst, [this] { potokZmienilUsuniecie(); });
    }
    kontrolerRzeczyPotoku()->setKatalog(potok ? potok->katalogRzeczyPotoku() : nullptr);
    emit tytulZakladkiChanged();
}

KartaPortfolio *KontrolerPotoku::kartaPortfolio() const
{
    return m_kartaPortfolio;
}

void KontrolerPotoku::setKartaPortfolio(KartaPortfolio *karta)
{
    m_kartaPortfolio = karta;
}

QString KontrolerPotoku::tytulZakladki() const
{
    if (!m_potok)
        return QCoreApplication::translate("KontrolerPotoku", "no flow");
    return QCoreApplication::translate("KontrolerPotoku", "Flow: %1").arg(m_potok->nazwa());
}

QIcon KontrolerPotoku::ikonaZakladki() const
{
    return m_potok ? m_potok->ikona() : QIcon();
}

void KontrolerPotoku::potokZmienilUsuniecie()
{
    if (m_potok && m_potok->zostalUsuniety() && kontrolerKartyPortfolio())
        kontrolerKartyPortfolio()->zamknijWidokZItem(ItemWidoku(m_potok.data()));
}
