#include "Model/BytKatalogu.h"
#include "Model/KluczeNazwy.h"
#include "Model/StosCoreData.h"
#include "Platform/FolderListing.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"

#include "Support/KatalogTestowy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// More entries than the first part shown, so that the rest is still coming when the disk changes.
constexpr int wpisowWczytywanych = 700;
// More than the first part and the parts handed over for their entities, so that several come.
constexpr int wpisowWieluCzesci = 4500;

QString nazwaWpisuWczytywanego(int i)
{
    return QStringLiteral("wpis %1%2")
        .arg(i, 4, 10, QLatin1Char('0'))
        .arg(i % 7 == 0 ? QString() : QStringLiteral(".txt"));
}

// What the folder holds, in the outline's order.
QStringList naDyskuWPorzadkuZarysu(const QString &katalog)
{
    QStringList nazwy;
    for (const FolderListing::Wpis &wpis : FolderListing::list(katalog).wpisy)
        nazwy.append(wpis.nazwa);
    std::stable_sort(nazwy.begin(), nazwy.end(),
                     [](const QString &a, const QString &b) { return KluczeNazwy::kolator().compare(a, b) < 0; });
    return nazwy;
}

QStringList wierszeZarysu(const KontrolerDrzewa *drzewo)
{
    QStringList nazwy;
    for (int i = 0; i < drzewo->rowCount(); ++i)
        nazwy.append(drzewo->index(i, 0).data(Qt::EditRole).toString());
    return nazwy;
}

struct ZmianaPodczasWczytywania
{
    const char *opis;
    std::function<void(KatalogTestowy &)> zmiana;
};

} // namespace

// However the disk changes while the rows are coming in, once it settles the outline shows
// exactly what one listing of the folder reads, sorted by name.
TEST(WczytywanieZarysuTest, RowsReadInPartsEndAsTheFolderListsOnceChangesSettle)
{
    const auto przemianuj = [](KatalogTestowy &dysk, const QString &z, const QString &na) {
        ASSERT_TRUE(QFile::rename(dysk.sciezka(z), dysk.sciezka(na))) << qPrintable(z);
    };
    BytKatalogu *pokazany = nullptr;
    const ZmianaPodczasWczytywania przypadki[] = {
        {"nothing changes", [](KatalogTestowy &) {}},
        {"a file added at the top", [](KatalogTestowy &dysk) { dysk.plik(QStringLiteral("aaa nowy.txt")); }},
        {"a folder added at the end", [](KatalogTestowy &dysk) { dysk.katalog(QStringLiteral("zzz nowy")); }},
        {"entries removed, shown and not yet shown",
         [](KatalogTestowy &dysk) {
             for (const int i : {0, 1, 350, 699})
                 ASSERT_TRUE(QDir(dysk.sciezka(nazwaWpisuWczytywanego(i))).removeRecursively()
                             || QFile::remove(dysk.sciezka(nazwaWpisuWczytywanego(i))));
         }},
        {"a file renamed to sort elsewhere",
         [&](KatalogTestowy &dysk) { przemianuj(dysk, nazwaWpisuWczytywanego(3), QStringLiteral("ostatni.txt")); }},
        {"a folder renamed",
         [&](KatalogTestowy &dysk) { przemianuj(dysk, nazwaWpisuWczytywanego(7), QStringLiteral("Alfa")); }},
        {"a file added and the folder's pulse sent at once",
         [&](KatalogTestowy &dysk) {
             dysk.plik(QStringLiteral("mmm nowy.txt"));
             pokazany->ogloszZmianeWezla();
         }},
        {"entries removed from the last part listed",
         [](KatalogTestowy &dysk) {
             for (const int i : {690, 691, 699})
                 ASSERT_TRUE(QDir(dysk.sciezka(nazwaWpisuWczytywanego(i))).removeRecursively()
                             || QFile::remove(dysk.sciezka(nazwaWpisuWczytywanego(i))));
         }},
        {"the folder read whole by another view",
         [&](KatalogTestowy &dysk) {
             dysk.plik(QStringLiteral("ccc nowy.txt"));
             pokazany->synchronizujBytyWewnetrzneIZwrocNoweElementy();
         }},
        {"added, removed and renamed at once",
         [&](KatalogTestowy &dysk) {
             dysk.plik(QStringLiteral("Ą pierwszy.txt"));
             ASSERT_TRUE(QFile::remove(dysk.sciezka(nazwaWpisuWczytywanego(500))));
             przemianuj(dysk, nazwaWpisuWczytywanego(600), QStringLiteral("b.txt"));
         }},
    };
    for (const ZmianaPodczasWczytywania &przypadek : przypadki) {
        SCOPED_TRACE(przypadek.opis);
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        KatalogTestowy dysk;
        for (int i = 0; i < wpisowWczytywanych; ++i)
            i % 7 == 0 ? (void)dysk.plik(nazwaWpisuWczytywanego(i) + QStringLiteral("/w.txt"))
                       : (void)dysk.plik(nazwaWpisuWczytywanego(i));
        KontrolerRzeczyKatalogu kontroler;
        kontroler.ustawWidok();
        KontrolerDrzewa *drzewo = kontroler.kontrolerDrzewa();
        // The disk changes as the first rows arrive, the rest of the folder not in yet.
        bool zmieniony = false;
        bool wczytywalPrzyZmianie = false;
        QObject::connect(drzewo, &QAbstractItemModel::rowsInserted, drzewo, [&] {
            if (zmieniony)
                return;
            zmieniony = true;
            wczytywalPrzyZmianie = drzewo->wczytuje() && drzewo->rowCount() < wpisowWczytywanych;
            przypadek.zmiana(dysk);
        });
        pokazany = BytSystemuPlikow::bytKataloguDlaURL(dysk.sciezka());
        kontroler.setKatalog(pokazany);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !drzewo->wczytuje(); }, 10000));
        EXPECT_TRUE(wczytywalPrzyZmianie);
        const QStringList oczekiwane = naDyskuWPorzadkuZarysu(dysk.sciezka());
        ASSERT_TRUE(QTest::qWaitFor([&] { return wierszeZarysu(drzewo) == oczekiwane; }, 5000))
            << qPrintable(wierszeZarysu(drzewo).mid(0, 5).join(QLatin1Char('|'))) << " ... "
            << qPrintable(oczekiwane.mid(0, 5).join(QLatin1Char('|')));
    }
}

// A folder read before (by another view) comes in the same way, without being read again first.
TEST(WczytywanieZarysuTest, AFolderReadBeforeShowsItsChildrenInOrder)
{
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    KatalogTestowy dysk;
    for (int i = 0; i < wpisowWczytywanych; ++i)
        dysk.plik(nazwaWpisuWczytywanego(wpisowWczytywanych - 1 - i));
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(dysk.sciezka());
    ASSERT_EQ(katalog->bytyWewnetrzne().size(), wpisowWczytywanych);
    KontrolerRzeczyKatalogu kontroler;
    kontroler.ustawWidok();
    kontroler.setKatalog(katalog);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !kontroler.kontrolerDrzewa()->wczytuje(); }, 10000));
    EXPECT_EQ(wierszeZarysu(kontroler.kontrolerDrzewa()), naDyskuWPorzadkuZarysu(dysk.sciezka()));
}

// Every insert leaves the rows in name order, whichever part of the listing they came from, and a
// row the user selected among the first keeps its selection while the rest come in.
TEST(WczytywanieZarysuTest, RowsArriveSortedAndASelectionMadeMeanwhileStays)
{
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    KatalogTestowy dysk;
    // Created in reverse, so that the disk lists them far from name order.
    for (int i = wpisowWieluCzesci - 1; i >= 0; --i)
        dysk.plik(nazwaWpisuWczytywanego(i) + (i % 7 == 0 ? QStringLiteral("/w.txt") : QString()));
    KontrolerRzeczyKatalogu kontroler;
    kontroler.ustawWidok();
    KontrolerDrzewa *drzewo = kontroler.kontrolerDrzewa();
    int wstawien = 0;
    QStringList nieposortowane;
    BytSystemuPlikow *zaznaczony = nullptr;
    QObject::connect(drzewo, &QAbstractItemModel::rowsInserted, drzewo, [&] {
        ++wstawien;
        const QStringList wiersze = wierszeZarysu(drzewo);
        if (!std::is_sorted(wiersze.begin(), wiersze.end(), [](const QString &a, const QString &b) {
                return KluczeNazwy::kolator().compare(a, b) < 0;
            }))
            nieposortowane.append(QString::number(wiersze.size()));
        if (!zaznaczony && drzewo->wczytuje()) {
            const QModelIndex ostatni = drzewo->index(drzewo->rowCount() - 1, 0);
            drzewo->setSelectionIndexPaths({ostatni});
            zaznaczony = drzewo->wezel(ostatni)->byt();
        }
    });
    kontroler.setKatalog(BytSystemuPlikow::bytKataloguDlaURL(dysk.sciezka()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !drzewo->wczytuje(); }, 10000));
    EXPECT_GT(wstawien, 1) << "the rows come in parts";
    EXPECT_TRUE(nieposortowane.isEmpty())
        << "out of order after inserts leaving " << qPrintable(nieposortowane.join(QLatin1Char(','))) << " rows";
    EXPECT_EQ(wierszeZarysu(drzewo), naDyskuWPorzadkuZarysu(dysk.sciezka()));
    ASSERT_NE(zaznaczony, nullptr);
    EXPECT_EQ(drzewo->selectedObjects(), QList<BytSystemuPlikow *>{zaznaczony});
}

// Nodes hold their entities without a guard each: once the graph they came from is dropped, every
// node answers no entity, and the outline paints, looks up and reports a selection without one.
TEST(WczytywanieZarysuTest, NodesOfADroppedGraphAnswerNoEntity)
{
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    KatalogTestowy dysk;
    for (int i = 0; i < wpisowWczytywanych; ++i)
        dysk.plik(nazwaWpisuWczytywanego(i) + (i % 7 == 0 ? QStringLiteral("/w.txt") : QString()));
    KontrolerRzeczyKatalogu kontroler;
    kontroler.ustawWidok();
    kontroler.view()->resize(400, 300);
    kontroler.view()->show();
    KontrolerDrzewa *drzewo = kontroler.kontrolerDrzewa();
    kontroler.setKatalog(BytSystemuPlikow::bytKataloguDlaURL(dysk.sciezka()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !drzewo->wczytuje(); }, 10000));
    const QModelIndex katalog = drzewo->index(0, 0);
    drzewo->fetchMore(katalog);
    kontroler.widokZaryseli()->expand(katalog);
    ASSERT_EQ(drzewo->rowCount(katalog), 1);
    drzewo->setSelectionIndexPaths({drzewo->index(1, 0), drzewo->index(0, 0, katalog)});
    BytSystemuPlikow *zaznaczony = drzewo->wezel(drzewo->index(1, 0))->byt();
    ASSERT_EQ(drzewo->selectedObjects().size(), 2);

    StosCoreData::sharedStosCoreData()->nowyKontekst();
    const QModelIndex wiersze[] = {drzewo->index(0, 0), drzewo->index(1, 0), drzewo->index(0, 0, katalog)};
    for (const QModelIndex &wiersz : wiersze) {
        EXPECT_EQ(drzewo->wezel(wiersz)->byt(), nullptr);
        EXPECT_EQ(drzewo->wezel(wiersz)->representedObject(), nullptr);
        EXPECT_FALSE(wiersz.data(Qt::DisplayRole).isValid());
    }
    EXPECT_TRUE(drzewo->selectedObjects().isEmpty());
    EXPECT_FALSE(drzewo->indexPathOfObject(zaznaczony).isValid());
    kontroler.view()->repaint();
    drzewo->rearrangeObjects();
    kontroler.synchronizeContentOfExpandedItem(nullptr);
    EXPECT_EQ(drzewo->rowCount(), wpisowWczytywanych);
}

// Whatever happens to the rows while the pool answers whether each sub-folder holds anything, once
// it settles every row's triangle is the disk's: a folder not opened has one exactly when it lists
// something, an opened one when it shows rows, a file never.
TEST(WczytywanieZarysuTest, TrianglesEndAsTheDiskHoldsWhateverHappensWhileTheyAreAsked)
{
    BytKatalogu *pokazany = nullptr;
    KontrolerRzeczyKatalogu *widok = nullptr;
    const ZmianaPodczasWczytywania przypadki[] = {
        {"nothing changes", [](KatalogTestowy &) {}},
        {"a file added at the top",
         [&](KatalogTestowy &dysk) {
             dysk.plik(QStringLiteral("aaa nowy.txt"));
             pokazany->synchronizujBytyWewnetrzneIZwrocNoweElementy();
         }},
        {"folders removed, one emptied",
         [&](KatalogTestowy &dysk) {
             for (const int i : {0, 7, 350})
                 ASSERT_TRUE(QDir(dysk.sciezka(nazwaWpisuWczytywanego(i))).removeRecursively());
             ASSERT_TRUE(QFile::remove(dysk.sciezka(nazwaWpisuWczytywanego(14) + QStringLiteral("/w.txt"))));
             pokazany->synchronizujBytyWewnetrzneIZwrocNoweElementy();
         }},
        {"the top file renamed by the program to sort last, moving every row",
         [&](KatalogTestowy &) {
             KontrolerDrzewa *drzewo = widok->kontrolerDrzewa();
             ASSERT_TRUE(drzewo->wezel(drzewo->index(1, 0))->byt()->zmienNazweBytuNaDyskuNa(QStringLiteral("zzz.txt")));
             drzewo->rearrangeObjects();
         }},
        {"a sub-folder opened",
         [&](KatalogTestowy &) {
             KontrolerDrzewa *drzewo = widok->kontrolerDrzewa();
             drzewo->fetchMore(drzewo->index(0, 0));
         }},
        {"the folder set again", [&](KatalogTestowy &) { widok->setKatalog(pokazany); }},
    };
    for (const ZmianaPodczasWczytywania &przypadek : przypadki) {
        SCOPED_TRACE(przypadek.opis);
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        KatalogTestowy dysk;
        // Every seventh a folder, every other of them empty.
        for (int i = 0; i < wpisowWczytywanych; ++i) {
            if (i % 14 == 0)
                dysk.plik(nazwaWpisuWczytywanego(i) + QStringLiteral("/w.txt"));
            else if (i % 7 == 0)
                dysk.katalog(nazwaWpisuWczytywanego(i));
            else
                dysk.plik(nazwaWpisuWczytywanego(i));
        }
        KontrolerRzeczyKatalogu kontroler;
        widok = &kontroler;
        kontroler.ustawWidok();
        KontrolerDrzewa *drzewo = kontroler.kontrolerDrzewa();
        bool zmieniony = false;
        bool pytalPrzyZmianie = false;
        QObject::connect(drzewo, &KontrolerDrzewa::wczytany, drzewo, [&] {
            if (std::exchange(zmieniony, true))
                return;
            pytalPrzyZmianie = drzewo->czekaNaLiscie();
            przypadek.zmiana(dysk);
        });
        pokazany = BytSystemuPlikow::bytKataloguDlaURL(dysk.sciezka());
        kontroler.setKatalog(pokazany);
        const QStringList oczekiwane = [&] {
            EXPECT_TRUE(QTest::qWaitFor([&] { return zmieniony; }, 10000));
            return naDyskuWPorzadkuZarysu(dysk.sciezka());
        }();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !drzewo->wczytuje() && !drzewo->czekaNaLiscie() && wierszeZarysu(drzewo) == oczekiwane; },
            5000));
        EXPECT_TRUE(pytalPrzyZmianie);
        QStringList bledne;
        for (int i = 0; i < drzewo->rowCount(); ++i) {
            const QModelIndex indeks = drzewo->index(i, 0);
            const QString sciezka = drzewo->wezel(indeks)->byt()->plikowyURL();
            if (drzewo->hasChildren(indeks) != (QFileInfo(sciezka).isDir() && FolderListing::hasVisibleEntry(sciezka)))
                bledne.append(indeks.data(Qt::EditRole).toString());
        }
        EXPECT_TRUE(bledne.isEmpty()) << qPrintable(bledne.join(QLatin1Char('|')));
    }
}
