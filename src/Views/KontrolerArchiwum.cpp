#include "KontrolerArchiwum.h"

#include "KontrolerListyFasolek.h"
#include "ListwaFiltra.h"
#include "ProxyArchiwum.h"
#include "WidokTabeliFasolkiZarchiwizowane.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/MenuKontroleraElementow.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/Archiwum.h"
#include "Model/BazaFasolek.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Platform/Konsola.h"
#include "Platform/Ui/AkcjaPrzycisku.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Widgets/KontrolerTablicy.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

KontrolerArchiwum::KontrolerArchiwum(QObject *rodzic)
    : KontrolerNazwanegoWidoku(QT_TRANSLATE_NOOP("KontrolerNazwanegoWidoku", "Archived Beans"),
                               QStringLiteral("Archiwum"), rodzic)
    , m_proxy(new ProxyArchiwum(this))
    , m_kontrolerAkcjeNaElementach(new KontrolerAkcjeNaElementach(this))
    , m_kontrolerAkcjeNaArchiwum(new KontrolerAkcjeNaElementach(this))
{
    addHandler(Akcja::otworzArchiwumWFinderze, [this](QObject *) { otworzArchiwumWFinderze(); });
    addHandler(Akcja::ustawRodzajWidokuWiersza, [this](QObject *nadawca) {
        if (m_lista)
            m_lista->ustawRodzajWidokuWiersza(nadawca);
    });
}

KontrolerArchiwum::~KontrolerArchiwum() = default;

void KontrolerArchiwum::loadView()
{
    m_widokTabeli = new WidokTabeliFasolkiZarchiwizowane;
    m_lista = new KontrolerListyFasolek(m_widokTabeli, m_proxy, nullptr, this);
    setWidokListwyFiltra(m_lista->listwaFiltra());

    // Beside the search field: the bottom bar's buttons are the selection's, and this one acts on the archive.
    auto *przycisk = new QToolButton;
    przycisk->setObjectName(QStringLiteral("przyciskOtworzArchiwumWFinderze"));
    przycisk->setAutoRaise(true);
    przycisk->setIcon(
        QIcon::fromTheme(QStringLiteral("folder-open"), przycisk->style()->standardIcon(QStyle::SP_DirOpenIcon)));
    przycisk->setToolTip(tr("Open in File Manager"));
    AkcjaPrzycisku::ustaw(przycisk, Akcja::otworzArchiwumWFinderze, this);
    if (auto *uklad = qobject_cast<QBoxLayout *>(m_lista->listwaFiltra()->layout()))
        uklad->insertWidget(uklad->indexOf(m_lista->listwaFiltra()->poleWyszukiwarki()), przycisk);
    m_przyciskOtworzArchiwum = przycisk;

    // Headers cannot be renamed, and neither can archived beans; nothing here pops a status menu.
    m_lista->setKolumnaStatusu(false);
    m_lista->setPrzyciskStatusu(false);
    m_lista->setEdytowalny([](QObject *) { return false; });
    m_lista->wlaczZrzutyNaNaglowki();
    m_lista->polaczZAkcjami(m_kontrolerAkcjeNaElementach, m_kontrolerAkcjeNaArchiwum);
    setKontroleryPrzegladu(m_kontrolerAkcjeNaElementach, m_kontrolerAkcjeNaArchiwum);
    m_kontrolerAkcjeNaElementach->setKontrolerBiezacegoWidokuSzczegolow(this);
    m_kontrolerAkcjeNaArchiwum->setKontrolerBiezacegoWidokuSzczegolow(this);
    m_widokTabeli->setMenuPodreczneArchiwumPotoku(
        MenuKontroleraElementow::zbudujMenuElementu(m_kontrolerAkcjeNaElementach, m_widokTabeli));
    m_widokTabeli->setMenuPodreczneFasolki(
        MenuKontroleraElementow::zbuduj(m_kontrolerAkcjeNaElementach, m_widokTabeli));
    m_lista->setCeleAkcji({this, m_kontrolerAkcjeNaElementach});
    connect(m_lista, &KontrolerListyFasolek::podwojnaAkcja, m_kontrolerAkcjeNaElementach,
            &KontrolerAkcjeNaElementach::otworzFasolkeNaKarciePortfolioPrzezDwuklik);
    setView(m_lista->widok());
}

void KontrolerArchiwum::ustawWidok()
{
    view();
    m_proxy->setArchiwum(BazaFasolek::sharedBazaFasolek()->archiwum());
    // The list's commands come right after this controller's.
    m_kontrolerAkcjeNaElementach->wstawDoLancuchaZaResponderem(this);
    m_kontrolerAkcjeNaArchiwum->setElement(BazaFasolek::sharedBazaFasolek()->archiwum());
}

void KontrolerArchiwum::odczytajUstawienia()
{
    view();
    KontrolerKartyPortfolio *karta = kontrolerKartyPortfolio();
    m_lista->setUstawieniaKarty(karta ? karta->ustawieniaKarty() : nullptr);
}

void KontrolerArchiwum::ustawWidokJakoPierwszyResponder()
{
    if (m_widokTabeli)
        m_widokTabeli->setFocus(Qt::OtherFocusReason);
}

void KontrolerArchiwum::walidujPrzyciskiAkcji()
{
    if (m_lista)
        m_lista->walidujPrzyciskiAkcji();
}

bool KontrolerArchiwum::validateUserInterfaceItem(const ElementInterfejsu &element)
{
    return element.akcja() == Akcja::ustawRodzajWidokuWiersza && m_lista
           && m_lista->walidujRodzajWidokuWiersza(element);
}

KontrolerTablicy *KontrolerArchiwum::kontrolerTablicy() const
{
    return m_lista ? m_lista->kontrolerTablicy() : nullptr;
}

QLineEdit *KontrolerArchiwum::poleWyszukiwarki() const
{
    return m_lista ? m_lista->listwaFiltra()->poleWyszukiwarki() : nullptr;
}

WidokDolnegoPaskaIkon *KontrolerArchiwum::widokDolnegoPaskaIkon() const
{
    return m_lista ? m_lista->widokDolnegoPaskaIkon() : nullptr;
}

void KontrolerArchiwum::przejdzDoWyszukiwarki(QObject *)
{
    view();
    m_lista->listwaFiltra()->przejdzDoWyszukiwarki();
}

void KontrolerArchiwum::otworzArchiwumWFinderze()
{
    Archiwum *archiwum = BazaFasolek::sharedBazaFasolek()->archiwum();
    if (archiwum && archiwum->katalog())
        archiwum->katalog()->otworzWDomyslnejAplikacji();
}

void KontrolerArchiwum::zaznaczFasolke(Fasolka *fasolka)
{
    drukujLinie(QStringLiteral("WidokArchiwum zaznaczFasolke:"));
    view();
    m_lista->kontrolerTablicy()->setSelectedObjects({fasolka});
}
