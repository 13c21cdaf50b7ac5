#include "SplotBazowy.h"

#include "Potok.h"

#include "Platform/Konsola.h"

SplotBazowy::SplotBazowy(QObject *rodzic)
    : QObject(rodzic)
{
}

SplotBazowy::~SplotBazowy() = default;

QList<QObject *> SplotBazowy::dzieciSplotu()
{
    QList<QObject *> dzieci;
    for (const QPointer<QObject> &dziecko : std::as_const(m_dzieci)) {
        if (dziecko)
            dzieci.append(dziecko);
    }
    return dzieci;
}

void SplotBazowy::setDzieciSplotu(const QList<QObject *> &dzieci)
{
    zwolnijDzieci();
    for (QObject *dziecko : dzieci)
        dopiszDziecko(dziecko);
}

void SplotBazowy::dopiszDziecko(QObject *dziecko)
{
    if (auto *splot = qobject_cast<SplotBazowy *>(dziecko); splot && !splot->parent()) {
        splot->setParent(this);
        m_wlasneDzieci.append(splot);
    }
    m_dzieci.append(dziecko);
}

void SplotBazowy::zwolnijDzieci()
{
    m_dzieci.clear();
    const QList<QPointer<SplotBazowy>> wlasne = std::exchange(m_wlasneDzieci, {});
    for (const QPointer<SplotBazowy> &dziecko : wlasne)
        delete dziecko.data();
}

std::unique_ptr<SplotBazowy> SplotBazowy::kopia() const
{
    for (const QPointer<QObject> &dziecko : m_dzieci) {
        if (dziecko && !qobject_cast<Potok *>(dziecko) && !qobject_cast<SplotBazowy *>(dziecko)) {
            drukujLinie(QStringLiteral("Błąd: SplotBazowy has not supported child object during copyWithZone: (%1)"),
                        QString::fromLatin1(dziecko->metaObject()->className()));
            return nullptr;
        }
    }
    std::unique_ptr<SplotBazowy> nowy(qobject_cast<SplotBazowy *>(metaObject()->newInstance()));
    Q_ASSERT(nowy && nowy->metaObject() == metaObject());
    if (!nowy)
        return nullptr;
    nowy->skopiujWlasciwosciZ(*this);
    return nowy;
}

void SplotBazowy::skopiujWlasciwosciZ(const SplotBazowy &inny)
{
    m_nazwa = inny.m_nazwa;
    m_ikona = inny.m_ikona;
    m_ikonaZaznaczona = inny.m_ikonaZaznaczona;
    m_splotJestLisciem = inny.m_splotJestLisciem;
    for (const QPointer<QObject> &dziecko : inny.m_dzieci) {
        if (auto *splot = qobject_cast<SplotBazowy *>(dziecko))
            dopiszDziecko(splot->kopia().release());
        else if (dziecko)
            dopiszDziecko(dziecko);
    }
    m_reprezentowanyObiekt = inny.m_reprezentowanyObiekt;
    m_widokSzczegolow = inny.m_widokSzczegolow;
    m_identyfikatorWidokuKomorki = inny.m_identyfikatorWidokuKomorki;
    m_czyMaZaznaczycWiersz = inny.m_czyMaZaznaczycWiersz;
}
