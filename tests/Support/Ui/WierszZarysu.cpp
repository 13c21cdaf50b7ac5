#include "WierszZarysu.h"

#include "Views/KontrolerDrzewa.h"

#include <QTest>

#include <gtest/gtest.h>

QModelIndex wierszZarysu(KontrolerDrzewa *drzewo, const QString &sciezka)
{
    // The shown folder's rows come in from a worker thread.
    EXPECT_TRUE(QTest::qWaitFor([drzewo] { return !drzewo->wczytuje(); }, 10000)) << "the folder is still being read";
    QModelIndex indeks;
    for (const QString &nazwa : sciezka.split(QLatin1Char('/'))) {
        if (drzewo->canFetchMore(indeks))
            drzewo->fetchMore(indeks);
        indeks = drzewo->match(drzewo->index(0, 0, indeks), Qt::DisplayRole, nazwa, 1, Qt::MatchFixedString).value(0);
    }
    return indeks;
}
