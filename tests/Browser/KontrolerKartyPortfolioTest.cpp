#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/FabrykiKart.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Browser/UstawieniaKartyPortfolio.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/StosCoreData.h"
#include "Platform/UserDefaults.h"
#include "Views/KontrolerArchiwum.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/KontrolerPotoku.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Widgets/KontrolkaSegmentowa.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// A navigation bar with fixed elements that, like the real one, calls the tab back at once, from
// inside the tab's own request, whenever its selection changes.
class PasekTestowy : public KontrolerPaskaNawigacji
{
public:
    struct Element
    {
        QString nazwa;
        ItemWidoku item;
    };
    using KontrolerPaskaNawigacji::KontrolerPaskaNawigacji;

    void zaznaczElementONazwie(const QString &nazwa) override
    {
        for (int i = 0; i < elementy.size(); ++i) {
            if (elementy.at(i).nazwa == nazwa)
                zaznacz(i);
        }
    }
    void zaznaczElement(QObject *obiekt) override
    {
        for (int i = 0; i < elementy.size(); ++i) {
            if (elementy.at(i).item.potok() == obiekt)
                zaznacz(i);
        }
    }
    void zaznaczElementDlaWidoku(const ItemWidoku &item) override
    {
        for (int i = 0; i < elementy.size(); ++i) {
            if (KontrolerKartyPortfolio::nazwaWidokuDlaItem(elementy.at(i).item)
                == KontrolerKartyPortfolio::nazwaWidokuDlaItem(item))
                return zaznacz(i);
        }
        zaznaczony = -1;
    }
    QString nazwaZaznaczonegoElementu() const override
    {
        return zaznaczony < 0 ? QString() : elementy.at(zaznaczony).nazwa;
    }

    QList<Element> elementy;
    int zaznaczony = -1;

private:
    void zaznacz(int i)
    {
        if (i == zaznaczony)
            return;
        zaznaczony = i;
        if (kontrolerKartyPortfolio())
            kontrolerKartyPortfolio()->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(elementy.at(i).item, true);
    }
};

Potok *potok(const QString &nazwa)
{
    auto *wynik = StosCoreData::kontekstOZ()->wstaw<Potok>();
    wynik->setNazwaWPamieci(nazwa);
    return wynik;
}

class KartaPortfolioTest : public ::testing::Test
{
protected:
    const FabrykiKart m_fabrykiProgramu = FabrykiKart::biezace();
    void SetUp() override
    {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        A = potok(QStringLiteral("A"));
        B = potok(QStringLiteral("B"));
        C = potok(QStringLiteral("C"));
        D = potok(QStringLiteral("D"));
        FabrykiKart zPaskiemTestowym = m_fabrykiProgramu;
        zPaskiemTestowym.pasekNawigacji = [this](QObject *rodzic) {
            pasek = new PasekTestowy(rodzic);
            pasek->elementy = {{QStringLiteral("Main Flow"), ItemWidoku(A)},
                               {QStringLiteral("B"), ItemWidoku(B)},
                               {QStringLiteral("C"), ItemWidoku(C)},
                               {QStringLiteral("D"), ItemWidoku(D)},
                               {QStringLiteral("Archived Beans"), ItemWidoku(NazwyWidokow::archiwum)},
                               {QStringLiteral("All Beans"), ItemWidoku(NazwyWidokow::wszystkieFasolki)}};
            return pasek;
        };
        FabrykiKart::ustaw(std::move(zPaskiemTestowym));
    }
    void TearDown() override { FabrykiKart::ustaw(m_fabrykiProgramu); }

    void otworz(RodzajWidokuPortfolio rodzaj = rwpWidokNieokreslony)
    {
        karta.reset();
        karta = std::make_unique<KartaPortfolio>(rodzaj);
        k = karta->kontrolerKartyPortfolio();
    }
    void pokaz(Potok *p) { k->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(ItemWidoku(p), true); }
    QString historia() const
    {
        const auto nazwy = [](const QList<ItemWidoku> &lista) {
            QStringList wynik;
            for (const ItemWidoku &item : lista)
                wynik << (item.potok() ? item.potok()->nazwa() : item.nazwaWidoku());
            return wynik.join(QLatin1Char(' '));
        };
        const ItemWidoku biezacy = k->itemBiezacegoWidokuSzczeglow();
        return nazwy(k->listaPoprzednichWidokow()) + QStringLiteral(" | ")
               + (biezacy.potok() ? biezacy.potok()->nazwa() : biezacy.nazwaWidoku()) + QStringLiteral(" | ")
               + nazwy(k->listaNastepnychWidokow());
    }
    void oczekujPrzyciskow() const
    {
        for (KontrolkaSegmentowa *przyciski : {k->przyciskiWsteczINaprzod1(), k->przyciskiWsteczINaprzod2()}) {
            EXPECT_EQ(przyciski->isEnabledForSegment(0), !k->listaPoprzednichWidokow().isEmpty());
            EXPECT_EQ(przyciski->isEnabledForSegment(1), !k->listaNastepnychWidokow().isEmpty());
        }
    }

    Potok *A = nullptr, *B = nullptr, *C = nullptr, *D = nullptr;
    PasekTestowy *pasek = nullptr;
    std::unique_ptr<KartaPortfolio> karta;
    KontrolerKartyPortfolio *k = nullptr;
};

} // namespace

TEST_F(KartaPortfolioTest, HistoryFollowsEveryStepAndForgettingEndsOnAnotherItem)
{
    enum Krok { Wstecz, Naprzod, PokazA, PokazB, PokazC, PokazD, ZapomnijA, ZapomnijB, ZapomnijC };
    const struct
    {
        const char *opis;
        QList<Krok> kroki;
        QString oczekiwana;
    } przypadki[] = {
        {"A B C", {PokazB, PokazC}, "A B | C | "},
        {"back", {PokazB, PokazC, Wstecz}, "A | B | C"},
        {"back twice", {PokazB, PokazC, Wstecz, Wstecz}, " | A | B C"},
        {"then forward", {PokazB, PokazC, Wstecz, Wstecz, Naprzod}, "A | B | C"},
        {"then D", {PokazB, PokazC, Wstecz, Wstecz, Naprzod, PokazD}, "A B | D | "},
        {"the shown item again", {PokazB, PokazB}, "A | B | "},
        {"forget the current, going back", {PokazB, PokazC, ZapomnijC}, "A | B | "},
        {"forget the current, going forward", {PokazB, Wstecz, ZapomnijA}, " | B | "},
        {"forget the current, nothing left", {ZapomnijA}, " | WidokWszystkieFasolki | "},
        {"A B A C, forget B", {PokazB, PokazA, PokazC, ZapomnijB}, "A A | C | "},
        {"then back", {PokazB, PokazA, PokazC, ZapomnijB, Wstecz}, "A | A | C"},
        {"then back onto the shown A", {PokazB, PokazA, PokazC, ZapomnijB, Wstecz, Wstecz}, " | A | A C"},
        {"then forget A", {PokazB, PokazA, PokazC, ZapomnijB, Wstecz, ZapomnijA}, " | C | "},
    };
    for (const auto &przypadek : przypadki) {
        SCOPED_TRACE(przypadek.opis);
        UserDefaults::standard().removeObject(QStringLiteral("KartaPortfolio.wybranyWidok"));
        otworz();
        for (Krok krok : przypadek.kroki) {
            switch (krok) {
            case Wstecz:
                k->przejdzDoPoprzedniegoWidoku();
                break;
            case Naprzod:
                k->przejdzDoNastepnegoWidoku();
                break;
            case PokazA:
                pokaz(A);
                break;
            case PokazB:
                pokaz(B);
                break;
            case PokazC:
                pokaz(C);
                break;
            case PokazD:
                pokaz(D);
                break;
            case ZapomnijA:
                k->zamknijWidokZItem(ItemWidoku(A));
                break;
            case ZapomnijB:
                k->zamknijWidokZItem(ItemWidoku(B));
                break;
            case ZapomnijC:
                k->zamknijWidokZItem(ItemWidoku(C));
                break;
            }
        }
        EXPECT_EQ(historia(), przypadek.oczekiwana);
        oczekujPrzyciskow();
        ASSERT_NE(k->kontrolerBiezacegoWidokuSzczegolow(), nullptr);
        EXPECT_EQ(k->kontrolerBiezacegoWidokuSzczegolow()->loadedView()->parentWidget(), k->zastepczyWidokZawartosci());
    }
}

TEST_F(KartaPortfolioTest, AFlowDeletedFromItsOwnHandlerLeavesTheViewAndItsControllerGoesATurnLater)
{
    otworz();
    pokaz(B);
    pokaz(A);
    pokaz(C);
    k->zamknijWidokZItem(ItemWidoku(B));
    k->przejdzDoPoprzedniegoWidoku();
    QPointer<KontrolerBiezacegoWidokuSzczegolow> kontrolerA = k->kontrolerBiezacegoWidokuSzczegolow();
    ASSERT_EQ(qobject_cast<KontrolerPotoku *>(kontrolerA.data())->potok(), A);

    // A lies outside any database, so it reports itself deleted.
    emit A->zostalUsunietyChanged();
    EXPECT_EQ(k->itemBiezacegoWidokuSzczeglow().potok(), C);
    EXPECT_EQ(karta->title(), QStringLiteral("Flow: C"));
    ASSERT_FALSE(kontrolerA.isNull()) << "not inside the handler that asked";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(kontrolerA.isNull());

    pokaz(A);
    EXPECT_NE(k->kontrolerBiezacegoWidokuSzczegolow(), nullptr) << "a fresh controller under A's key";
}

// A controller is cached under its flow's name at the time, so another flow that later takes that name
// takes the controller over, and the flow it showed is followed by nobody but the tab.
TEST_F(KartaPortfolioTest, AFlowInTheHistoryThatGoesAwayIsForgottenEvenWhenItsControllerShowsAnother)
{
    otworz();
    pokaz(B);
    pokaz(C);
    B->setNazwaWPamieci(QStringLiteral("B2"));
    emit B->nazwaChanged();
    D->setNazwaWPamieci(QStringLiteral("B"));
    emit D->nazwaChanged();
    pokaz(D);
    k->przejdzDoPoprzedniegoWidoku();
    ASSERT_EQ(historia(), QStringLiteral("A B2 | C | B"));

    emit B->zostalUsunietyChanged();
    EXPECT_EQ(historia(), QStringLiteral("A | C | B"));
    oczekujPrzyciskow();
    k->przejdzDoPoprzedniegoWidoku();
    EXPECT_EQ(k->itemBiezacegoWidokuSzczeglow().potok(), A);
    EXPECT_EQ(karta->title(), QStringLiteral("Flow: A"));
}

TEST_F(KartaPortfolioTest, ARenameRetitlesAtOnceAndTheNextVisitBuildsAnotherController)
{
    otworz();
    pokaz(B);
    KontrolerBiezacegoWidokuSzczegolow *przed = k->kontrolerBiezacegoWidokuSzczegolow();
    B->setNazwaWPamieci(QStringLiteral("B2"));
    emit B->nazwaChanged();
    EXPECT_EQ(karta->title(), QStringLiteral("Flow: B2"));
    pokaz(C);
    pokaz(B);
    EXPECT_NE(k->kontrolerBiezacegoWidokuSzczegolow(), przed);
}

TEST_F(KartaPortfolioTest, OpeningOnAViewOrABeanKeepsTheStoredSelectionRight)
{
    UserDefaults::standard().setObject(QStringLiteral("KartaPortfolio.wybranyWidok"), QStringLiteral("C"));
    otworz(rwpWidokArchiwum);
    EXPECT_EQ(historia(), QStringLiteral(" | WidokArchiwum | "));
    EXPECT_EQ(karta->title(), QStringLiteral("Archived Beans"));
    EXPECT_EQ(k->ustawieniaKarty()->wybranyWidok(), QStringLiteral("Archived Beans"));

    auto *fasolka = StosCoreData::kontekstOZ()->wstaw<Fasolka>();
    fasolka->setNazwaWPamieci(QStringLiteral("Plan"));
    karta->otworzFasolkeNaKarciePortfolio(fasolka);
    EXPECT_EQ(pasek->zaznaczony, -1) << "a bean has no element in the bar";
    EXPECT_EQ(k->ustawieniaKarty()->wybranyWidok(), QStringLiteral("Archived Beans"));
    EXPECT_EQ(karta->title(), QStringLiteral("Bean: Plan"));
    EXPECT_NE(karta->kontrolerWybranejFasolki(), nullptr);
    EXPECT_EQ(karta->kontrolerWybranegoArchiwum(), nullptr);

    UserDefaults::standard().setObject(QStringLiteral("KartaPortfolio.wybranyWidok"), QStringLiteral("C"));
    otworz();
    EXPECT_EQ(historia(), QStringLiteral(" | C | ")) << "kind 0 restores the stored element";
}

TEST_F(KartaPortfolioTest, CommandsAreAvailableByTheViewShown)
{
    otworz(rwpWidokPobranychRzeczy);
    const struct
    {
        const char *opis;
        std::function<void()> pokaz;
        bool wyszukiwarka, nowaFasolka, nowyKatalogZPanelem, nowyKatalogBezPanelu;
    } przypadki[] = {
        {"Downloads", [&] { karta->pokazPobraneRzeczy(); }, false, false, true, true},
        {"Reference Library", [&] { karta->pokazBibliotekeMatRef(); }, false, false, true, true},
        {"All Beans", [&] { karta->pokazWszystkieFasolki(); }, true, false, false, false},
        {"archive", [&] { karta->pokazArchiwum(); }, true, false, false, false},
        {"a flow", [&] { karta->pokazPotok(B); }, true, true, true, false},
        {"a bean, no outline focused",
         [&] {
             auto *f = StosCoreData::kontekstOZ()->wstaw<Fasolka>();
             f->setNazwaWPamieci(QStringLiteral("Plan"));
             karta->otworzFasolkeNaKarciePortfolio(f);
             // Shown, the bean focuses its folder's outline; the focus goes elsewhere.
             if (QWidget *fokus = k->view()->window()->focusWidget())
                 fokus->clearFocus();
         },
         false, false, false, true},
    };
    for (const auto &przypadek : przypadki) {
        SCOPED_TRACE(przypadek.opis);
        przypadek.pokaz();
        EXPECT_EQ(karta->czyMoznaPrzejscDoWyszukiwarki(), przypadek.wyszukiwarka);
        EXPECT_EQ(karta->czyMoznaWyswietlicDymekNowaFasolka(), przypadek.nowaFasolka);
        for (bool panel : {true, false}) {
            k->ustawieniaKarty()->setCzyWidocznyPanelPrawy(panel);
            k->kontrolerBiezacegoWidokuSzczegolow()->odczytajUstawienia();
            EXPECT_EQ(karta->czyMoznaWyswietlicDymekNowyKatalog(),
                      panel ? przypadek.nowyKatalogZPanelem : przypadek.nowyKatalogBezPanelu)
                << panel;
        }
    }

    karta->ukryjPasekNawigacji();
    EXPECT_TRUE(k->widokNaZakladke()->isVisibleTo(k->loadedView()));
    karta->wyswietlDymekNowyPotok();
    EXPECT_TRUE(karta->czyWidocznyPasekNawigacji());
    EXPECT_TRUE(k->ustawieniaKarty()->czyWidocznyPasekNawigacji()) << "stored as shown";
    EXPECT_FALSE(k->widokNaZakladke()->isVisibleTo(k->loadedView()));
}
