#include "ProxyFasolkiPotoku.h"

#include "ListwaZakresu.h"

#include "Browser/KontrolerKartyPortfolio.h"

#include "Model/Fasolka.h"
#include "Model/Potok.h"

ProxyFasolkiPotoku::ProxyFasolkiPotoku(QObject *rodzic)
    : ProxyListyFasolek(rodzic)
{
}

ProxyFasolkiPotoku::~ProxyFasolkiPotoku() = default;

void ProxyFasolkiPotoku::setPotok(Potok *potok)
{
    m_potok = potok;
    m_obserwacjaPotoku = std::make_unique<QObject>();
    if (potok) {
        connect(potok, &Potok::fasolkiChanged, m_obserwacjaPotoku.get(), [this] { zmianaModelu(); });
        connect(potok, &Potok::nazwaJakiejsFasolkiZmieniona, m_obserwacjaPotoku.get(), [this] { zmianaModelu(); });
    }
    zmianaWlasna(QStringLiteral("potok"));
}

void ProxyFasolkiPotoku::setListwaZakresu(ListwaZakresu *listwa)
{
    m_listwaZakresu = listwa;
    m_obserwacjaListwy = std::make_unique<QObject>();
    if (listwa)
        connect(listwa, &ListwaZakresu::statusPaskaZakresuChanged, m_obserwacjaListwy.get(),
                [this] { zmianaWlasna(QStringLiteral("listwaZakresu.statusPaskaZakresu")); });
    zmianaWlasna(QStringLiteral("listwaZakresu"));
}

void ProxyFasolkiPotoku::odczytajUstawienia()
{
    if (!m_listwaZakresu || !m_kontrolerKartyPortfolio)
        return;
    UstawieniaKartyPortfolio *ustawienia = m_kontrolerKartyPortfolio->ustawieniaKarty();
    m_listwaZakresu->setUstawieniaKartyPortfolio(ustawienia);
    if (ustawienia && m_listwaZakresu->statusPaskaZakresu() != ustawienia->statusPaskaZakresu())
        m_listwaZakresu->setStatusPaskaZakresu(ustawienia->statusPaskaZakresu());
}

QList<QObject *> ProxyFasolkiPotoku::zbudujTablice(QString &tytul) const
{
    QList<Fasolka *> fasolki = fasolkiWZakresie(m_potok, m_listwaZakresu);
    posortujPoNazwie(fasolki);
    const qsizetype wszystkie = m_potok ? liczbaPasujacych(m_potok->fasolki().elementy()) : 0;
    tytul = tytulZLiczbami(maFraze(), fasolki.size(), wszystkie);
    return {fasolki.cbegin(), fasolki.cend()};
}
