#include "PoleceniaNowychRzeczy.h"

#include "AlertNiepowodzenia.h"
#include "ElementyDlaPolecen.h"
#include "KontrolerDymkaNowaRzecz.h"
#include "OtwarcieRzeczy.h"

#include "Browser/KartaPortfolio.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Model/BazaFasolek.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/TableViewWithAutoSelectedRows.h"

#include <QAbstractButton>

PoleceniaNowychRzeczy::PoleceniaNowychRzeczy(const ElementyDlaPolecen &elementy, QObject *wlasciciel)
    : m_elementy(elementy)
    , m_wlasciciel(wlasciciel)
{
}

PoleceniaNowychRzeczy::~PoleceniaNowychRzeczy()
{
    QObject::disconnect(m_oczekujaceZaznaczenie);
}

KontrolerDymkaNowaRzecz *PoleceniaNowychRzeczy::kontrolerDymkaNowaRzecz()
{
    if (!m_kontrolerDymkaNowaRzecz)
        m_kontrolerDymkaNowaRzecz = new KontrolerDymkaNowaRzecz(m_wlasciciel);
    return m_kontrolerDymkaNowaRzecz;
}

void PoleceniaNowychRzeczy::setKontrolerDymkaNowaRzecz(KontrolerDymkaNowaRzecz *kontroler)
{
    m_kontrolerDymkaNowaRzecz = kontroler;
}

void PoleceniaNowychRzeczy::setPrzyciskDlaDymkaNowaRzecz(QAbstractButton *przycisk)
{
    m_przyciskDlaDymkaNowaRzecz = przycisk;
}

KontrolerDymkaNowaRzecz::Kotwica PoleceniaNowychRzeczy::kotwicaDymka(QObject *nadawca) const
{
    if (auto *przycisk = qobject_cast<QAbstractButton *>(nadawca))
        return {przycisk, {}};
    if (m_przyciskDlaDymkaNowaRzecz)
        return {m_przyciskDlaDymkaNowaRzecz.data(), {}};
    return m_miejsceDymka ? m_miejsceDymka() : KontrolerDymkaNowaRzecz::Kotwica{};
}

void PoleceniaNowychRzeczy::pokazFasolkeWPotoku()
{
    Fasolka *pokazywana = m_elementy.fasolka();
    if (!pokazywana)
        return;
    if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolioWPrzegladarceZWidokiem(m_elementy.widokNaKarcie()))
        karta->pokazFasolkeWPotoku(pokazywana);
    else
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiemIZaznaczonaFasolka(pokazywana->potok(),
                                                                                          pokazywana);
}

void PoleceniaNowychRzeczy::wyswietlDymekNowaFasolka(QObject *nadawca)
{
    Potok *docelowy = m_elementy.potokDocelowy();
    if (!docelowy)
        return;
    const KontrolerDymkaNowaRzecz::Kotwica kotwica = kotwicaDymka(nadawca);
    kontrolerDymkaNowaRzecz()->wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(
        rnrFasolka, docelowy->nazwa(), m_wlasciciel,
        [this](const QString &nazwa) { dokonczAkcjeWyswietlDymekNowaFasolka(nazwa); }, kotwica.widok, kotwica.obszar);
}

void PoleceniaNowychRzeczy::dokonczAkcjeWyswietlDymekNowaFasolka(const QString &nazwa)
{
    // The selection may have changed while the popover was open.
    Potok *docelowy = m_elementy.potokDocelowy();
    BladOperacji blad;
    Fasolka *nowa = docelowy ? docelowy->nowaFasolka(nazwa, &blad) : nullptr;
    if (!nowa) {
        AlertNiepowodzenia::pokaz(tr("Could not create Bean Directory."), docelowy ? &blad : nullptr,
                                  AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
        return;
    }
    if (m_odslonNowaFasolke)
        m_odslonNowaFasolke(nowa);
    zaznaczWLiscie(nowa);
}

void PoleceniaNowychRzeczy::zaznaczWLiscie(QObject *obiekt)
{
    KontrolerTablicy *tablica = m_elementy.kontrolerTablicy();
    if (!tablica)
        return;
    QObject::disconnect(m_oczekujaceZaznaczenie);
    const qsizetype wiersz = tablica->arrangedObjects().indexOf(obiekt);
    if (wiersz < 0) {
        // The list learns of the model's change on a later turn.
        const QPointer<QObject> oczekujacy = obiekt;
        m_oczekujaceZaznaczenie =
            QObject::connect(tablica, &KontrolerTablicy::arrangedObjectsChanged, m_wlasciciel, [this, oczekujacy] {
                QObject::disconnect(m_oczekujaceZaznaczenie);
                KontrolerTablicy *biezaca = m_elementy.kontrolerTablicy();
                if (oczekujacy && biezaca && biezaca->arrangedObjects().contains(oczekujacy))
                    zaznaczWLiscie(oczekujacy);
            });
        return;
    }
    tablica->setSelectedObjects({obiekt});
    if (auto *widok = qobject_cast<TableViewWithAutoSelectedRows *>(m_elementy.widokTabeli()))
        widok->przewinDoWiersza(int(wiersz));
}

bool PoleceniaNowychRzeczy::czyMoznaWyswietlicDymekNowaFasolka() const
{
    if (m_warunekNowejFasolki)
        return m_elementy.element() && m_warunekNowejFasolki();
    return m_elementy.potokDocelowy() != nullptr;
}

void PoleceniaNowychRzeczy::wyswietlDymekNowyPotok(QObject *nadawca)
{
    const KontrolerDymkaNowaRzecz::Kotwica kotwica = kotwicaDymka(nadawca);
    kontrolerDymkaNowaRzecz()->wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(
        rnrPotok, QString(), m_wlasciciel, [this](const QString &nazwa) { dokonczAkcjeWyswietlDymekNowyPotok(nazwa); },
        kotwica.widok, kotwica.obszar);
}

void PoleceniaNowychRzeczy::dokonczAkcjeWyswietlDymekNowyPotok(const QString &nazwa)
{
    BladOperacji blad;
    Potok *nowy = BazaFasolek::sharedBazaFasolek()->nowyPotok(nazwa, &blad);
    if (!nowy) {
        AlertNiepowodzenia::pokaz(tr("Could not create Flow Directory."), &blad,
                                  AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
        return;
    }
    if (m_zaznaczNowyPotok)
        m_zaznaczNowyPotok(nowy);
}

void PoleceniaNowychRzeczy::wyswietlDymekNowyPotokNaKarcieProtfolio()
{
    if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolio())
        karta->wyswietlDymekNowyPotok();
}

bool PoleceniaNowychRzeczy::czyMoznaWyswietlicDymekNowyPotokNaKarciePortfolio()
{
    return KartaPortfolio::wybranaKartaPortfolio() != nullptr;
}

void PoleceniaNowychRzeczy::akcjaPrzejdzDoPotoku()
{
    if (Potok *wybrany = m_elementy.potok())
        operacjaPrzejdzDoPotoku(wybrany);
}

void PoleceniaNowychRzeczy::operacjaPrzejdzDoPotoku(Potok *potok)
{
    if (!potok)
        return;
    if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolioWPrzegladarceZWidokiem(m_elementy.widokNaKarcie()))
        karta->pokazPotok(potok);
}

void PoleceniaNowychRzeczy::otworzFasolkeNaKarciePortfolioPrzezDwuklik(const QList<QObject *> &elementy,
                                                                       Qt::KeyboardModifiers modyfikatory)
{
    const bool opcja = modyfikatory.testFlag(Qt::AltModifier);
    const bool komenda = modyfikatory.testFlag(Qt::ControlModifier);
    QWidget *widok = m_elementy.widokNaKarcie();
    for (QObject *element : elementy) {
        if (auto *otwierany = qobject_cast<Potok *>(element)) {
            operacjaPrzejdzDoPotoku(otwierany);
            continue;
        }
        auto *otwierana = qobject_cast<Fasolka *>(element);
        if (!otwierana)
            continue;
        if (otwierana->jestZPlikiem()) {
            OtwarcieRzeczy::wDomyslnejAplikacji(otwierana->bytFasolki());
        } else if (otwierana->jestZKatalogiem()) {
            if (!opcja && !komenda) {
                if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolioWPrzegladarceZWidokiem(widok))
                    karta->otworzFasolkeNaKarciePortfolio(otwierana);
            } else if (opcja && !komenda) {
                if (PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(widok))
                    przegladarka->nowaKartaFasolki(otwierana);
            } else if (opcja && komenda) {
                PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(otwierana);
            }
        }
    }
}
