#include "SplotWszystkieFasolki.h"

#include "BazaFasolek.h"
#include "DeskryptorSortu.h"
#include "Potok.h"

SplotWszystkieFasolki::SplotWszystkieFasolki(QObject *rodzic)
    : SplotBazowy(rodzic)
{
    m_obserwacjaPotokow = connect(BazaFasolek::sharedBazaFasolek(), &BazaFasolek::potokiChanged, this,
                                  [this](const QList<Potok *> &dodane, const QList<Potok *> &usuniete) {
                                      if (!dodane.isEmpty() || !usuniete.isEmpty())
                                          m_dzieciAktualne = false;
                                  });
}

SplotWszystkieFasolki::~SplotWszystkieFasolki()
{
    disconnect(m_obserwacjaPotokow);
}

QList<QObject *> SplotWszystkieFasolki::dzieciSplotu()
{
    if (!m_dzieciAktualne)
        zbudujDzieci();
    return SplotBazowy::dzieciSplotu();
}

void SplotWszystkieFasolki::setDzieciSplotu(const QList<QObject *> &dzieci)
{
    SplotBazowy::setDzieciSplotu(dzieci);
    m_dzieciAktualne = true;
}

void SplotWszystkieFasolki::zbudujDzieci()
{
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    QList<QObject *> dzieci;
    if (Potok *glowny = baza->potokGlowny())
        dzieci.append(glowny);
    if (m_splotPotokowTematycznych) {
        m_splotPotokowTematycznych->setDzieciSplotu({});
    } else {
        m_splotPotokowTematycznych = new SplotBazowy(this);
        m_splotPotokowTematycznych->setNazwa(QStringLiteral("TOPICAL"));
        m_splotPotokowTematycznych->setSplotJestLisciem(false);
        m_splotPotokowTematycznych->setIdentyfikatorWidokuKomorki(QStringLiteral("WidokKomorkiPotoku"));
        m_splotPotokowTematycznych->setCzyMaZaznaczycWiersz(false);
    }
    dzieci.append(m_splotPotokowTematycznych);
    QList<Potok *> tematyczne = baza->potokiTematyczne();
    BazaFasolek::deskryptorySortuPoNazwie().constFirst().posortuj(tematyczne);
    for (Potok *potok : std::as_const(tematyczne))
        m_splotPotokowTematycznych->dopiszDziecko(potok);
    setDzieciSplotu(dzieci);
}
