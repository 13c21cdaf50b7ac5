#include "KontrolerWidokuKataloguSpecjalnego.h"

#include "KontrolerDrzewa.h"
#include "KontrolerRzeczyKatalogu.h"
#include "WidokZaryseliRzeczyKatalogu.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/RzeczWBazieFasolekZKatalogiem.h"

#include <QVBoxLayout>

KontrolerWidokuKataloguSpecjalnego::KontrolerWidokuKataloguSpecjalnego(const char *tytul, const QString &nazwaIkony,
                                                                       ElementZBazy elementZBazy, QObject *rodzic)
    : KontrolerNazwanegoWidoku(tytul, nazwaIkony, rodzic)
    , m_elementZBazy(std::move(elementZBazy))
    , m_element(m_elementZBazy())
    , m_kontrolerRzeczyKatalogu(new KontrolerRzeczyKatalogu(this))
    , m_kontrolerAkcje(new KontrolerAkcjeNaElementach(this))
{
}

void KontrolerWidokuKataloguSpecjalnego::loadView()
{
    auto *miejsce = new QWidget;
    miejsce->setObjectName(QStringLiteral("widokDlaRzeczyKatalogu"));
    auto *uklad = new QVBoxLayout(miejsce);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(m_kontrolerRzeczyKatalogu->view());
    setView(miejsce);
}

void KontrolerWidokuKataloguSpecjalnego::ustawWidok()
{
    view();
    if (m_widokUstawiony)
        return;
    m_widokUstawiony = true;
    connect(m_kontrolerRzeczyKatalogu->kontrolerDrzewa(), &KontrolerDrzewa::selectionChanged, this,
            &KontrolerWidokuKataloguSpecjalnego::zmienionoZaznaczenie);
    m_kontrolerRzeczyKatalogu->ustawWidok();
    m_kontrolerRzeczyKatalogu->setKatalog(m_element ? m_element->katalog() : nullptr);
    m_kontrolerRzeczyKatalogu->wlaczRysowanieLiniiNadNaglowkiem();
    m_kontrolerAkcje->setElement(m_elementZBazy());
}

void KontrolerWidokuKataloguSpecjalnego::ustawWidokJakoPierwszyResponder()
{
    if (WidokZaryseliRzeczyKatalogu *zarys = m_kontrolerRzeczyKatalogu->widokZaryseli())
        zarys->setFocus();
}

void KontrolerWidokuKataloguSpecjalnego::zmienionoZaznaczenie()
{
    WezelDrzewa *wezel = m_kontrolerRzeczyKatalogu->kontrolerDrzewa()->selectedNodes().value(0);
    WezelDrzewa *gorny = wezel ? wezel->wezelNajwyzszegoPoziomu() : nullptr;
    m_kontrolerAkcje->setDodatkowyElement(gorny ? qobject_cast<BytSystemuPlikow *>(gorny->representedObject())
                                                : nullptr);
}

void KontrolerWidokuKataloguSpecjalnego::wyswietlDymekNowyKatalog(ZawartoscKarty *)
{
    m_kontrolerRzeczyKatalogu->wyswietlDymekNowyKatalog(nullptr);
}
