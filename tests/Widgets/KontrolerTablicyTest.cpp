#include "Widgets/KontrolerTablicy.h"
#include "Widgets/TableViewWithAutoSelectedRows.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTreeView>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Ten objects, named by number, and lists of them.
struct Obiekty
{
    std::vector<std::unique_ptr<QObject>> wszystkie;
    Obiekty()
    {
        for (int i = 0; i < 10; ++i)
            wszystkie.push_back(std::make_unique<QObject>());
    }
    QList<QObject *> operator()(std::initializer_list<int> numery) const
    {
        QList<QObject *> lista;
        for (int numer : numery)
            lista.append(wszystkie[numer].get());
        return lista;
    }
};

void sprawdzWiersze(const KontrolerTablicy &kontroler)
{
    for (int wiersz = 0; wiersz < kontroler.arrangedObjects().size(); ++wiersz)
        EXPECT_EQ(kontroler.wierszObiektu(kontroler.arrangedObjects()[wiersz]), wiersz);
}

} // namespace

TEST(KontrolerTablicy, AResetKeepsTheSurvivingSelectedObjectsAtTheirNewRowsInOneChange)
{
    const struct
    {
        std::initializer_list<int> przed, zaznaczone, po, zostaja;
    } przypadki[] = {
        {{0, 1, 2, 3, 4, 5}, {1, 3, 4}, {4, 9, 0, 3, 8}, {4, 3}},
        {{0, 1, 2, 3}, {1}, {2, 3}, {}},
        {{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {4, 3, 7, 2, 1, 0}, {4, 3, 2, 1, 0}},
    };
    for (const auto &p : przypadki) {
        Obiekty o;
        KontrolerTablicy kontroler;
        kontroler.ustawTresc(o(p.przed));
        kontroler.setSelectedObjects(o(p.zaznaczone));
        QSignalSpy zmiany(&kontroler, &KontrolerTablicy::selectedObjectsChanged);
        kontroler.ustawTresc(o(p.po));
        EXPECT_EQ(zmiany.count(), 1);
        EXPECT_EQ(kontroler.selectedObjects(), o(p.zostaja));
        EXPECT_EQ(kontroler.selectionModel()->selectedRows().size(), qsizetype(p.zostaja.size()));
        sprawdzWiersze(kontroler);
    }
}

// Each case resets a list of objects 0-4 with the flag off, then runs its steps, then lets
// the event loop turn once.
TEST(TableViewWithAutoSelectedRows, SelectsTheAddedObjectsWhereTheyStandAfterTheTurn)
{
    using Kroki = std::function<void(TableViewWithAutoSelectedRows *&, KontrolerTablicy &, const Obiekty &)>;
    const struct
    {
        const char *co;
        Kroki kroki;
        std::initializer_list<int> zaznaczone;
    } przypadki[] = {
        {"5 -> 7 selects the two new",
         [](auto *&t, auto &k, auto &o) {
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({0, 1, 2, 3, 4, 5, 6}));
         },
         {5, 6}},
        {"a removal selects nothing",
         [](auto *&t, auto &k, auto &o) {
             k.setSelectedObjects(o({0}));
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({0, 2, 3, 4}));
         },
         {0}},
        {"a reset with the flag off still records",
         [](auto *&t, auto &k, auto &o) {
             k.ustawTresc(o({0, 1, 2, 3, 4, 5, 6}));
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({6, 5, 4, 3, 2, 1, 0}));
         },
         {}},
        {"a second reset before the turn",
         [](auto *&t, auto &k, auto &o) {
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({0, 1, 2, 3, 4, 5, 6, 7}));
             k.ustawTresc(o({7, 0, 1, 2, 3, 4, 6}));
         },
         {7, 6}},
        {"a deleted table runs nothing",
         [](auto *&t, auto &k, auto &o) {
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({0, 1, 2, 3, 4, 5}));
             delete t;
             t = nullptr;
         },
         {}},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.co);
        Obiekty o;
        KontrolerTablicy kontroler;
        auto *tabela = new TableViewWithAutoSelectedRows;
        tabela->setKontrolerTablicy(&kontroler);
        kontroler.ustawTresc(o({0, 1, 2, 3, 4}));
        p.kroki(tabela, kontroler, o);
        QCoreApplication::processEvents();
        QList<QObject *> oczekiwane = o(p.zaznaczone);
        std::sort(oczekiwane.begin(), oczekiwane.end(),
                  [&](QObject *a, QObject *b) { return kontroler.wierszObiektu(a) < kontroler.wierszObiektu(b); });
        EXPECT_EQ(kontroler.selectedObjects(), oczekiwane);
        if (tabela) {
            EXPECT_EQ(tabela->lastDataSourceObjects(), kontroler.arrangedObjects());
            EXPECT_EQ(tabela->selectionModel(), kontroler.selectionModel());
        }
        sprawdzWiersze(kontroler);
        delete tabela;
    }
}

TEST(TableViewWithAutoSelectedRows, TheFirstResetWithTheFlagOnSelectsEveryRow)
{
    Obiekty o;
    KontrolerTablicy kontroler;
    TableViewWithAutoSelectedRows tabela;
    tabela.setKontrolerTablicy(&kontroler);
    tabela.setShouldSelectAddedRows(true);
    kontroler.ustawTresc(o({3, 1, 2}));
    EXPECT_TRUE(kontroler.selectedObjects().isEmpty()) << "not inside the reset";
    QCoreApplication::processEvents();
    EXPECT_EQ(kontroler.selectedObjects(), o({3, 1, 2}));
}

namespace {

// A new list made from the old one the way providers change theirs: rows leave, arrive, one row
// moves, or the survivors come in a new order.
QList<QObject *> zmienionaLista(const QList<QObject *> &stara, const std::vector<std::unique_ptr<QObject>> &pula,
                                QRandomGenerator &los)
{
    QList<QObject *> nowa = stara;
    switch (los.bounded(5)) {
    case 0: // one row moves
        if (nowa.size() > 1)
            nowa.move(los.bounded(int(nowa.size())), los.bounded(int(nowa.size())));
        break;
    case 1: // a new order
        std::shuffle(nowa.begin(), nowa.end(), los);
        break;
    default:
        break;
    }
    // Some leave, some of the rest of the pool arrive at random places.
    for (int i = int(los.bounded(4)); i > 0 && !nowa.isEmpty(); --i)
        nowa.removeAt(los.bounded(int(nowa.size())));
    for (int i = int(los.bounded(4)); i > 0; --i) {
        QObject *obiekt = pula[size_t(los.bounded(int(pula.size())))].get();
        if (!nowa.contains(obiekt))
            nowa.insert(los.bounded(int(nowa.size()) + 1), obiekt);
    }
    return nowa;
}

} // namespace

TEST(KontrolerTablicy, ANewListArrivesAsRowChangesThatKeepEveryStayingObjectsIndexesAndSelection)
{
    std::vector<std::unique_ptr<QObject>> pula;
    for (int i = 0; i < 40; ++i)
        pula.push_back(std::make_unique<QObject>());
    KontrolerTablicy kontroler;
    kontroler.ustawTytulyKolumn({QStringLiteral("a"), QStringLiteral("b")});
    QAbstractItemModelTester tester(&kontroler, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QTreeView widok;
    widok.setModel(&kontroler);
    widok.setSelectionModel(kontroler.selectionModel());
    QSignalSpy resety(&kontroler, &QAbstractItemModel::modelAboutToBeReset);

    QRandomGenerator los(37);
    QList<QObject *> lista;
    for (int krok = 0; krok < 400; ++krok) {
        const QList<QObject *> nowa = krok % 50 == 0 ? QList<QObject *>() : zmienionaLista(lista, pula, los);
        QList<QObject *> zaznaczone;
        for (QObject *obiekt : std::as_const(lista)) {
            if (los.bounded(3) == 0)
                zaznaczone.append(obiekt);
        }
        kontroler.setSelectedObjects(zaznaczone);
        std::vector<std::pair<QPersistentModelIndex, QObject *>> indeksy;
        for (int wiersz = 0; wiersz < kontroler.rowCount(); ++wiersz) {
            for (int kolumna = 0; kolumna < 2; ++kolumna)
                indeksy.emplace_back(kontroler.index(wiersz, kolumna), lista[wiersz]);
        }

        kontroler.ustawTresc(nowa);
        SCOPED_TRACE(krok);
        ASSERT_EQ(kontroler.arrangedObjects(), nowa);
        ASSERT_EQ(kontroler.rowCount(), nowa.size());
        sprawdzWiersze(kontroler);
        for (const auto &[indeks, obiekt] : indeksy) {
            if (nowa.contains(obiekt))
                ASSERT_EQ(indeks.data(KontrolerTablicy::RolaObiektu).value<QObject *>(), obiekt);
            else
                ASSERT_FALSE(indeks.isValid());
        }
        QList<QObject *> zostaja;
        for (QObject *obiekt : nowa) {
            if (zaznaczone.contains(obiekt))
                zostaja.append(obiekt);
        }
        ASSERT_EQ(kontroler.selectedObjects(), zostaja);
        lista = nowa;
    }
    EXPECT_EQ(resety.count(), 0);
}
