#include "ProxyWszystkieFasolki.h"

#include "ListwaZakresu.h"

#include "Browser/KontrolerKartyPortfolio.h"

#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"

ProxyWszystkieFasolki::ProxyWszystkieFasolki(QObject *rodzic)
    : ProxyListyFasolek(rodzic)
{
    connect(this, &ProxyListyFasolek::tablicaChanged, this, &ProxyWszystkieFasolki::liczbaFasolekChanged);
}

ProxyWszystkieFasolki::~ProxyWszystkieFasolki() = default;

void ProxyWszystkieFasolki::setBazaFasolek(BazaFasolek *baza)
{
    m_bazaFasolek = baza;
    m_obserwacjaBazy = std::make_unique<QObject>();
    if (baza) {
        QObject *kontekst = m_obserwacjaBazy.get();
        connect(baza, &BazaFasolek::potokiChanged, kontekst, [this] {
            obserwujPotoki();
            zmianaModelu();
        });
        connect(baza, &BazaFasolek::relacjaFasolkiZmieniona, kontekst, [this] { zmianaModelu(); });
        connect(baza, &BazaFasolek::nazwaJakiejsFasolkiZmieniona, kontekst, [this] { zmianaModelu(); });
    }
    obserwujPotoki();
    zmianaWlasna(QStringLiteral("bazaFasolek"));
}

bool ProxyWszystkieFasolki::czyPodzialNaPotoki() const
{
    return m_listwaZakresu && m_listwaZakresu->czyPodzialNaPotoki();
}

void ProxyWszystkieFasolki::setListwaZakresu(ListwaZakresu *listwa)
{
    m_listwaZakresu = listwa;
    m_obserwacjaListwy = std::make_unique<QObject>();
    if (listwa) {
        QObject *kontekst = m_obserwacjaListwy.get();
        connect(listwa, &ListwaZakresu::statusPaskaZakresuChanged, kontekst,
                [this] { zmianaWlasna(QStringLiteral("listwaZakresu.statusPaskaZakresu")); });
        connect(listwa, &ListwaZakresu::czyPodzialNaPotokiChanged, kontekst,
                [this] { zmianaWlasna(QStringLiteral("listwaZakresu.czyPodzialNaPotoki")); });
    }
    zmianaWlasna(QStringLiteral("listwaZakresu"));
}

qsizetype ProxyWszystkieFasolki::liczbaFasolek()
{
    tablica();
    return m_liczbaFasolek;
}

void ProxyWszystkieFasolki::odczytajUstawienia()
{
    if (!m_listwaZakresu || !m_kontrolerKartyPortfolio)
        return;
    UstawieniaKartyPortfolio *ustawienia = m_kontrolerKartyPortfolio->ustawieniaKarty();
    m_listwaZakresu->setUstawieniaKartyPortfolio(ustawienia);
    if (!ustawienia)
        return;
    if (m_listwaZakresu->czyPodzialNaPotoki() != ustawienia->czyPodzialNaPotoki())
        m_listwaZakresu->setCzyPodzialNaPotoki(ustawienia->czyPodzialNaPotoki());
    if (m_listwaZakresu->statusPaskaZakresu() != ustawienia->statusPaskaZakresu())
        m_listwaZakresu->setStatusPaskaZakresu(ustawienia->statusPaskaZakresu());
}

void ProxyWszystkieFasolki::obserwujPotoki()
{
    m_obserwacjaPotokow = std::make_unique<QObject>();
    if (!m_bazaFasolek)
        return;
    for (Potok *potok : m_bazaFasolek->potoki()) {
        connect(potok, &Potok::nazwaChanged, m_obserwacjaPotokow.get(), [this] { zmianaModelu(); });
        connect(potok, &Potok::toPotokGlownyChanged, m_obserwacjaPotokow.get(), [this] { zmianaModelu(); });
    }
}

QList<QObject *> ProxyWszystkieFasolki::zbudujTablice(QString &tytul) const
{
    QList<QObject *> lista;
    qsizetype wszystkie = 0;
    m_liczbaFasolek = 0;
    if (m_bazaFasolek) {
        QList<Potok *> potoki = m_bazaFasolek->potoki().elementy();
        posortujGrupy(potoki);
        const bool podzial = m_listwaZakresu && m_listwaZakresu->czyPodzialNaPotoki();
        QList<Fasolka *> bezPodzialu;
        for (Potok *potok : potoki) {
            QList<Fasolka *> fasolki = fasolkiWZakresie(potok, m_listwaZakresu);
            wszystkie += liczbaPasujacych(potok->fasolki().elementy());
            m_liczbaFasolek += fasolki.size();
            if (!podzial) {
                bezPodzialu.append(fasolki);
                continue;
            }
            if (fasolki.isEmpty())
                continue;
            posortujPoNazwie(fasolki);
            lista.append(potok);
            lista.append(QList<QObject *>(fasolki.cbegin(), fasolki.cend()));
        }
        if (!podzial) {
            posortujPoNazwie(bezPodzialu);
            lista = QList<QObject *>(bezPodzialu.cbegin(), bezPodzialu.cend());
        }
    }
    tytul = tytulZLiczbami(maFraze(), m_liczbaFasolek, wszystkie);
    return lista;
}
