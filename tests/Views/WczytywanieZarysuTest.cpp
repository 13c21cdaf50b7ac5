#include "Model/BytKatalogu.h"
#include "Model/KluczeNazwy.h"
#include "Model/StosCoreData.h"
#include "Platform/FolderListing.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerRzeczyKatalogu.h"

#include "Support/KatalogTestowy.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// More entries than the first part shown, so that the rest is still coming when the disk changes.
constexpr int wpisow = 700;

QString nazwaWpisu(int i)
{
    return QStringLiteral("wpis %1%2").arg(i, 4, 10, QLatin1Char('0')).arg(i % 7 == 0 ? QString() : QStringLiteral(".txt"));
}

// What the folder holds, in the outline's order.
QStringList naDyskuPosortowane(const QString &katalog)
{
    QStringList nazwy;
    for (const FolderListing::Wpis &wpis : FolderListing::list(katalog).wpisy)
        nazwy.append(wpis.nazwa);
    std::stable_sort(nazwy.begin(), nazwy.end(),
                     [](const QString &a, const QString &b) { return KluczeNazwy::kolator().compare(a, b) < 0; });
    return nazwy;
}

QStringList wiersze(const KontrolerDrzewa *drzewo)
{
    QStringList nazwy;
    for (int i = 0; i < drzewo->rowCount(); ++i)
        nazwy.append(drzewo->index(i, 0).data(Qt::EditRole).toString());
    return nazwy;
}

struct Przypadek
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
    const Przypadek przypadki[] = {
        {"nothing changes", [](KatalogTestowy &) {}},
        {"a file added at the top", [](KatalogTestowy &dysk) { dysk.plik(QStringLiteral("aaa nowy.txt")); }},
        {"a folder added at the end", [](KatalogTestowy &dysk) { dysk.katalog(QStringLiteral("zzz nowy")); }},
        {"entries removed, shown and not yet shown",
         [](KatalogTestowy &dysk) {
             for (const int i : {0, 1, 350, 699})
                 ASSERT_TRUE(QDir(dysk.sciezka(nazwaWpisu(i))).removeRecursively() || QFile::remove(dysk.sciezka(nazwaWpisu(i))));
         }},
        {"a file renamed to sort elsewhere",
         [&](KatalogTestowy &dysk) { przemianuj(dysk, nazwaWpisu(3), QStringLiteral("ostatni.txt")); }},
        {"a folder renamed", [&](KatalogTestowy &dysk) { przemianuj(dysk, nazwaWpisu(7), QStringLiteral("Alfa")); }},
        {"added, removed and renamed at once",
         [&](KatalogTestowy &dysk) {
             dysk.plik(QStringLiteral("Ą pierwszy.txt"));
             ASSERT_TRUE(QFile::remove(dysk.sciezka(nazwaWpisu(500))));
             przemianuj(dysk, nazwaWpisu(600), QStringLiteral("b.txt"));
         }},
    };
    for (const Przypadek &przypadek : przypadki) {
        SCOPED_TRACE(przypadek.opis);
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        KatalogTestowy dysk;
        for (int i = 0; i < wpisow; ++i)
            i % 7 == 0 ? (void)dysk.plik(nazwaWpisu(i) + QStringLiteral("/w.txt")) : (void)dysk.plik(nazwaWpisu(i));
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
            wczytywalPrzyZmianie = drzewo->wczytuje() && drzewo->rowCount() < wpisow;
            przypadek.zmiana(dysk);
        });
        kontroler.setKatalog(BytSystemuPlikow::bytKataloguDlaURL(dysk.sciezka()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !drzewo->wczytuje(); }, 10000));
        EXPECT_TRUE(wczytywalPrzyZmianie);
        const QStringList oczekiwane = naDyskuPosortowane(dysk.sciezka());
        ASSERT_TRUE(QTest::qWaitFor([&] { return wiersze(drzewo) == oczekiwane; }, 5000))
            << qPrintable(wiersze(drzewo).mid(0, 5).join(QLatin1Char('|'))) << " ... "
            << qPrintable(oczekiwane.mid(0, 5).join(QLatin1Char('|')));
    }
}

// A folder read before (by another view) comes in the same way, without being read again first.
TEST(WczytywanieZarysuTest, AFolderReadBeforeShowsItsChildrenInOrder)
{
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    KatalogTestowy dysk;
    for (int i = 0; i < wpisow; ++i)
        dysk.plik(nazwaWpisu(wpisow - 1 - i));
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(dysk.sciezka());
    ASSERT_EQ(katalog->bytyWewnetrzne().size(), wpisow);
    KontrolerRzeczyKatalogu kontroler;
    kontroler.ustawWidok();
    kontroler.setKatalog(katalog);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !kontroler.kontrolerDrzewa()->wczytuje(); }, 10000));
    EXPECT_EQ(wiersze(kontroler.kontrolerDrzewa()), naDyskuPosortowane(dysk.sciezka()));
}
