#include "Widgets/KontrolerTablicy.h"
#include "Widgets/TableViewWithAutoSelectedRows.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QSignalSpy>

#include <gtest/gtest.h>

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
        {"5 -> 7 selects the two new", [](auto *&t, auto &k, auto &o) {
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({0, 1, 2, 3, 4, 5, 6}));
         }, {5, 6}},
        {"a removal selects nothing", [](auto *&t, auto &k, auto &o) {
             k.setSelectedObjects(o({0}));
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({0, 2, 3, 4}));
         }, {0}},
        {"a reset with the flag off still records", [](auto *&t, auto &k, auto &o) {
             k.ustawTresc(o({0, 1, 2, 3, 4, 5, 6}));
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({6, 5, 4, 3, 2, 1, 0}));
         }, {}},
        {"a second reset before the turn", [](auto *&t, auto &k, auto &o) {
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({0, 1, 2, 3, 4, 5, 6, 7}));
             k.ustawTresc(o({7, 0, 1, 2, 3, 4, 6}));
         }, {7, 6}},
        {"a deleted table runs nothing", [](auto *&t, auto &k, auto &o) {
             t->setShouldSelectAddedRows(true);
             k.ustawTresc(o({0, 1, 2, 3, 4, 5}));
             delete t;
             t = nullptr;
         }, {}},
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
