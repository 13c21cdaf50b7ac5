#include "Widgets/OutlineViewWithEnhancedEditMode.h"
#include "Widgets/WhitePaperTableView.h"

#include <QApplication>
#include <QLineEdit>
#include <QStringListModel>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A model that asks its outline for a reload while the outline lays its rows out.
class ModelPrzeladowujacy : public QStringListModel
{
public:
    using QStringListModel::QStringListModel;
    OutlineViewWithEnhancedEditMode *widok = nullptr;
    mutable int pytania = 0;

    int rowCount(const QModelIndex &rodzic) const override
    {
        if (widok && !rodzic.isValid()) {
            ++pytania;
            widok->reloadData();
        }
        return QStringListModel::rowCount(rodzic);
    }
};

// A list kept in order: a name written sorts the rows at once, as the program's outline does.
class ModelPorzadkowany : public QStringListModel
{
public:
    using QStringListModel::QStringListModel;

    bool setData(const QModelIndex &indeks, const QVariant &wartosc, int rola) override
    {
        const bool zapisane = QStringListModel::setData(indeks, wartosc, rola);
        sort(0);
        return zapisane;
    }
};

QLineEdit *otwartePole(const QAbstractItemView &tabela)
{
    return qobject_cast<QLineEdit *>(WidokZEdycjaWWierszach::controlInEditModeForTableView(&tabela));
}

} // namespace

// A name being typed in row 1 ("b") when the model changes under it.
TEST(EdycjaWWierszach, AChangeUnderAnEditCancelsItWithoutCommittingWhatWasTyped)
{
    using Zmiana = std::function<void(QStringListModel &)>;
    const struct
    {
        const char *co;
        bool flaga;
        Zmiana zmiana;
        bool edycjaTrwa;
        QStringList model;
    } przypadki[] = {
        {"reset",
         true,
         [](auto &m) {
             m.setStringList({"a", "b", "c"});
         },
         false,
         {"a", "b", "c"}},
        {"insert", true, [](auto &m) { m.insertRows(0, 1); }, false, {"", "a", "b", "c"}},
        {"new value", true, [](auto &m) { m.setData(m.index(1), "B"); }, false, {"a", "B", "c"}},
        {"new value, flag off", false, [](auto &m) { m.setData(m.index(1), "B"); }, false, {"a", "B", "c"}},
        {"insert, flag off", false, [](auto &m) { m.insertRows(0, 1); }, true, {"", "a", "b", "c"}},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.co);
        QStringListModel model({"a", "b", "c"});
        WhitePaperTableView tabela;
        tabela.setModel(&model);
        tabela.setShouldAbortEditingOnUpdates(p.flaga);
        tabela.resize(300, 200);
        tabela.show();
        tabela.edit(model.index(1));
        QWidget *pole = WidokZEdycjaWWierszach::controlInEditModeForTableView(&tabela);
        ASSERT_NE(pole, nullptr);
        QTest::keyClicks(pole, "xyz");
        p.zmiana(model);
        QCoreApplication::processEvents();
        EXPECT_EQ(WidokZEdycjaWWierszach::controlInEditModeForTableView(&tabela) != nullptr, p.edycjaTrwa);
        EXPECT_EQ(model.stringList(), p.model);
    }
}

TEST(EdycjaWWierszach, AnOutlineDropsAReloadAskedForDuringItsReload)
{
    ModelPrzeladowujacy model({"a", "b"});
    OutlineViewWithEnhancedEditMode widok;
    widok.setModel(&model);
    model.widok = &widok;
    for (int przeladowanie = 0; przeladowanie < 2; ++przeladowanie) {
        model.pytania = 0;
        widok.reloadData();
        EXPECT_GT(model.pytania, 0) << "each of two reloads in a row runs";
        EXPECT_LT(model.pytania, 10) << "the reload asked for inside is dropped";
    }
}

// Tab writes "c" as "a", the rows re-sort, and the field of the row below opens a turn later. Keys typed before that
// (queued behind the Tab while the program was busy, they come all at once) go to the fields they were meant for, a
// second Tab among them included: none searches the list's rows.
TEST(EdycjaWWierszach, KeysTypedBehindTabGoToTheNextRowsFieldOnceItOpens)
{
    ModelPorzadkowany model({"b", "c", "d", "e"});
    WhitePaperTableView tabela;
    tabela.setModel(&model);
    tabela.resize(300, 200);
    tabela.show();
    tabela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tabela));
    tabela.setCurrentIndex(model.index(1));
    tabela.edit(model.index(1));
    QLineEdit *pole = otwartePole(tabela);
    ASSERT_NE(pole, nullptr);
    QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pole, "a");
    QTest::keyClick(pole, Qt::Key_Tab);

    QWidget *fokus = QApplication::focusWidget();
    ASSERT_EQ(fokus, &tabela);
    QTest::keyClick(fokus, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(fokus, "ba");
    QTest::keyClick(fokus, Qt::Key_Tab);
    QTest::keyClick(fokus, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(fokus, "bb");
    ASSERT_TRUE(QTest::qWaitFor([&] { return otwartePole(tabela) && otwartePole(tabela)->text() == "bb"; }));
    EXPECT_EQ(model.stringList(), QStringList({"a", "ba", "d", "e"}));
    EXPECT_EQ(WidokZEdycjaWWierszach::indeksEdytora(&tabela, otwartePole(tabela)).row(), 2);
    QTest::keyClick(otwartePole(tabela), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return model.stringList() == QStringList({"a", "ba", "bb", "e"}); }));
}
