#include "BytKatalogu.h"

#include "RelacjeModelu.h"
#include "SynchronizatorZestawuObiektow.h"

BytKatalogu::BytKatalogu()
{
    // The pulse climbs: every folder above learns that something below it changed.
    connect(this, &BytKatalogu::kvoNodeHasChanged, this, &BytKatalogu::przekazZmianeWGore);
}

void BytKatalogu::przekazZmianeWGore()
{
    if (BytKatalogu *rodzic = katalogNadrzedny())
        emit rodzic->kvoNodeHasChanged();
}

const QList<BytSystemuPlikow *> &BytKatalogu::bytyWewnetrzne()
{
    if (!m_czyBytyBylyOdczytaneZDysku && !m_wlasnieCzytamBytyZDysku)
        synchronizujBytyWewnetrzneIZwrocNoweElementy();
    return m_bytyWewnetrzne.elementy();
}

void BytKatalogu::synchronizujBytyWewnetrzneIZwrocNoweElementy(QList<BytSystemuPlikow *> *noweElementy)
{
    if (plikowyURL().isEmpty() || m_wlasnieCzytamBytyZDysku)
        return;
    m_wlasnieCzytamBytyZDysku = true;

    SynchronizatorZestawuObiektow synchronizator;
    const bool udane = synchronizator.zanalizujPotrzebySynchronizacjiZestawu(
        m_bytyWewnetrzne.elementy(), [](BytSystemuPlikow *byt) { return byt->plikowyURL(); }, plikowyURL(),
        m_opcjeSynchronizacji);
    bool zmiana = false;
    if (udane) {
        for (const auto &[byt, sciezka] : synchronizator.obiektyZNowaPisownia<BytSystemuPlikow>())
            byt->setPlikowyURL(sciezka);
        const QList<BytSystemuPlikow *> doUsuniecia = synchronizator.obiektyDoUsuniecia<BytSystemuPlikow>();
        RelacjeModelu::bytyWewnetrzne.usun(this, doUsuniecia);
        QList<BytSystemuPlikow *> nowe;
        for (const QString &url : synchronizator.urleDlaObiektowDoDodania()) {
            if (BytSystemuPlikow *byt = BytSystemuPlikow::bytSystemuPlikowDlaURL(url))
                nowe.append(byt);
        }
        RelacjeModelu::bytyWewnetrzne.dodaj(this, nowe);
        if (noweElementy)
            *noweElementy = nowe;
        zmiana = !doUsuniecia.isEmpty() || !nowe.isEmpty();
    }

    m_wlasnieCzytamBytyZDysku = false;
    emit jestLiscemChanged();
    if (zmiana)
        emit kvoNodeHasChanged();
    m_czyBytyBylyOdczytaneZDysku = true;
}

void BytKatalogu::synchronizujZDyskiem()
{
    synchronizujBytyWewnetrzneIZwrocNoweElementy();
}

bool BytKatalogu::jestLisciem()
{
    return !SynchronizatorZestawuObiektow::czyKatalogZawieraPrzynajmniejJedenElement(plikowyURL());
}
