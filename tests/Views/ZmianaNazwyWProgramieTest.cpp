#include "Support/ObserwacjaPortfolio.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Model/BytKatalogu.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/PartiaZmianNaDysku.h"
#include "Platform/DelayedOperations.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/FileNameChangerField.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/WidokZEdycjaWWierszach.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSignalSpy>

#include <functional>

namespace {

// The key that ends the edit, and whether the typed name reaches the disk.
struct KlawiszKonca
{
    const char *nazwa;
    Qt::Key klawisz;
    bool zatwierdza;
};

// Tab first: its renamed item then sorts first, with a row below it to move on to.
const KlawiszKonca klawiszeKonca[] = {
    {"Tab", Qt::Key_Tab, true},
    {"Return", Qt::Key_Return, true},
    {"Enter", Qt::Key_Enter, true},
    {"Escape", Qt::Key_Escape, false},
};

// Typed for the item below the one Tab renamed; no extension, so it fits a folder and a file alike.
const QString nazwaPoTabie = QStringLiteral("Aa renamed after Tab");

// A list or outline of the window and what the test needs to know of its rows.
struct WidokZNazwami
{
    QAbstractItemView *widok = nullptr;
    int kolumnaNazwy = 0;
    // The path on disk of the item in a row, empty for none.
    std::function<QString(int wiersz)> sciezka;
    // Whether an item may be renamed by the test: one it has not renamed yet, whose name on disk is
    // the name shown.
    std::function<bool(const QString &sciezka)> doZmiany;
};

class ZmianaNazwyWProgramie : public UruchomionyProgram
{
protected:
    // For each key: a click selects an item's row, F2 opens its name field, a new name is typed
    // over the old one and the key ends the edit; then the disk holds the new name, or for Escape
    // the old one.
    void zmieniajNazwyKolejnymiKlawiszami(const WidokZNazwami &opis)
    {
        QAbstractItemView *widok = opis.widok;
        for (const KlawiszKonca &koniec : klawiszeKonca) {
            SCOPED_TRACE(koniec.nazwa);
            // An unselected row, which the click selects; Escape may cancel the rename of any item.
            const auto pasuje = [&](int wiersz) {
                return !widok->selectionModel()->isRowSelected(wiersz, {})
                       && (!koniec.zatwierdza || opis.doZmiany(opis.sciezka(wiersz)));
            };
            int wiersz = 0;
            while (wiersz < widok->model()->rowCount() && !pasuje(wiersz))
                ++wiersz;
            ASSERT_LT(wiersz, widok->model()->rowCount());
            const QString stara = opis.sciezka(wiersz);
            const QString nowa = QFileInfo(stara).dir().filePath(QStringLiteral("Aa renamed by ") + koniec.nazwa
                                                                 + (QFileInfo(stara).isDir() ? "" : ".txt"));
            QSignalSpy przeladowania(widok->model(), &QAbstractItemModel::modelReset);
            QSignalSpy przestawienia(widok->model(), &QAbstractItemModel::layoutChanged);
            QSignalSpy przeniesienia(widok->model(), &QAbstractItemModel::rowsMoved);

            const QRect komorka = widok->visualRect(widok->model()->index(wiersz, opis.kolumnaNazwy));
            QTest::mouseClick(widok->viewport(), Qt::LeftButton, {}, QPoint(komorka.left() + 30, komorka.center().y()));
            QTest::keyClick(widok, Qt::Key_F2);
            auto *pole = qobject_cast<FileNameChangerField *>(QApplication::focusWidget());
            ASSERT_NE(pole, nullptr) << "F2 opened no name field";
            QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(pole, QFileInfo(nowa).fileName());
            QSignalSpy partie(PartiaZmianNaDysku::instancja(), &PartiaZmianNaDysku::zakonczona);
            QTest::keyClick(pole, koniec.klawisz);
            if (koniec.klawisz == Qt::Key_Tab) {
                // The next name typed right behind Tab, before the program's next turn: keys the window system
                // queued while the program was busy come so, to whatever has the focus by then.
                QWidget *fokus = QApplication::focusWidget();
                ASSERT_NE(fokus, nullptr);
                QTest::keyClick(fokus, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(fokus, nazwaPoTabie);
            }

            if (!koniec.zatwierdza) {
                ASSERT_TRUE(
                    QTest::qWaitFor([&] { return !WidokZEdycjaWWierszach::controlInEditModeForTableView(widok); }));
                EXPECT_TRUE(QFileInfo::exists(stara));
                EXPECT_FALSE(QFileInfo::exists(nowa));
                continue;
            }
            ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(nowa) && !QFileInfo::exists(stara); }))
                << "not renamed to " << nowa.toStdString();
            // The renamed item takes its place among the rows.
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return !przeladowania.isEmpty() || !przestawienia.isEmpty() || !przeniesienia.isEmpty(); }));
            if (koniec.klawisz != Qt::Key_Tab) {
                EXPECT_TRUE(
                    QTest::qWaitFor([&] { return !WidokZEdycjaWWierszach::controlInEditModeForTableView(widok); }));
                // F2 again, on the item still selected: its name opens, not another cell of the row.
                QTest::keyClick(widok, Qt::Key_F2);
                QWidget *znowu = WidokZEdycjaWWierszach::controlInEditModeForTableView(widok);
                ASSERT_NE(znowu, nullptr);
                EXPECT_EQ(WidokZEdycjaWWierszach::indeksEdytora(widok, znowu).column(), opis.kolumnaNazwy);
                QTest::keyClick(znowu, Qt::Key_Escape);
                continue;
            }
            // Tab moved on: the name of the row below the renamed item is open, with what was typed behind Tab.
            ASSERT_TRUE(QTest::qWaitFor([&] { return WidokZEdycjaWWierszach::controlInEditModeForTableView(widok); }));
            const QPointer<QWidget> dalej = WidokZEdycjaWWierszach::controlInEditModeForTableView(widok);
            const QModelIndex edytowany = WidokZEdycjaWWierszach::indeksEdytora(widok, dalej);
            EXPECT_EQ(edytowany.column(), opis.kolumnaNazwy);
            EXPECT_EQ(opis.sciezka(edytowany.row() - 1).toStdString(), nowa.toStdString());
            zakonczNastepnaPoOdpowiedzi(opis, dalej, opis.sciezka(edytowany.row()), partie);
            if (HasFatalFailure())
                return;
            EXPECT_TRUE(QFileInfo::exists(nowa));
        }
        EXPECT_TRUE(m_alerty.wpisy().isEmpty());
    }

    // The name typed behind Tab, in the next field, while the program still answers the rename on disk: the watcher
    // reports it and the list reloads after it. Once both are done the field is still open on the item it was opened
    // on, with what was typed, and Return writes that name to that item; Escape leaves an item the test may not
    // rename as it was.
    static void zakonczNastepnaPoOdpowiedzi(const WidokZNazwami &opis, const QPointer<QWidget> &dalej,
                                            const QString &nastepna, const QSignalSpy &partie)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return !partie.isEmpty() && DelayedOperations::liczbaOczekujacych() == 0
                   && BytKatalogu::liczbaOdczytowWTle() == 0;
        })) << "the watcher did not report the rename, or the list's reload after it did not end";
        ASSERT_TRUE(dalej && WidokZEdycjaWWierszach::controlInEditModeForTableView(opis.widok) == dalej)
            << "the next name's field closed before its edit ended";
        auto *pole = qobject_cast<FileNameChangerField *>(dalej.data());
        ASSERT_NE(pole, nullptr);
        EXPECT_EQ(opis.sciezka(WidokZEdycjaWWierszach::indeksEdytora(opis.widok, pole).row()).toStdString(),
                  nastepna.toStdString());
        ASSERT_EQ(pole->text().toStdString(), nazwaPoTabie.toStdString()) << "the keys typed behind Tab were lost";
        if (!opis.doZmiany(nastepna)) {
            QTest::keyClick(pole, Qt::Key_Escape);
            EXPECT_TRUE(QFileInfo::exists(nastepna));
            return;
        }
        const QString wpisana = QFileInfo(nastepna).dir().filePath(nazwaPoTabie);
        QTest::keyClick(pole, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(wpisana) && !QFileInfo::exists(nastepna); }))
            << "not renamed to " << wpisana.toStdString();
    }

    NagrywarkaAlertow m_alerty;
};

bool jeszczeNieZmieniona(const QString &sciezka)
{
    return !sciezka.isEmpty() && !QFileInfo(sciezka).fileName().startsWith(QLatin1String("Aa renamed"));
}

} // namespace

TEST_F(ZmianaNazwyWProgramie, AKeyEndsTheRenameOfABeanInTheFlowList)
{
    auto *lista = pierwszyWidoczny<WidokTabeliFasolkiPotoku>();
    ASSERT_NE(lista, nullptr);
    KontrolerTablicy *tablica = lista->kontrolerTablicy();
    ASSERT_TRUE(czekajNaObserwacjePortfolio());
    zmieniajNazwyKolejnymiKlawiszami({
        lista,
        KontrolerListyFasolek::KolumnaNazwa,
        [tablica](int wiersz) {
            auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(wiersz));
            return fasolka && fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString();
        },
        // A folder bean: a file bean's extension is hidden from its name.
        [](const QString &sciezka) { return jeszczeNieZmieniona(sciezka) && QFileInfo(sciezka).isDir(); },
    });
}

TEST_F(ZmianaNazwyWProgramie, AKeyEndsTheRenameOfAnItemInTheFolderOutline)
{
    ASSERT_TRUE(czekajNaObserwacjePortfolio());
    auto *zarys = pierwszyWidoczny<WidokZaryseliRzeczyKatalogu>();
    ASSERT_NE(zarys, nullptr);
    auto *drzewo = qobject_cast<KontrolerDrzewa *>(zarys->model());
    ASSERT_NE(drzewo, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return drzewo->rowCount() >= 3 && !drzewo->wczytuje(); }));
    // Tab renames two items: one more comes from another program, so that each key has its own.
    QFile dodany(QDir(drzewo->katalog()->plikowyURL()).filePath(QStringLiteral("plik dodany.txt")));
    ASSERT_TRUE(dodany.open(QIODevice::WriteOnly));
    dodany.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return drzewo->rowCount() >= 4; }));
    zmieniajNazwyKolejnymiKlawiszami({
        zarys,
        0,
        [drzewo](int wiersz) {
            const QModelIndex indeks = drzewo->index(wiersz, 0);
            return indeks.isValid() && drzewo->wezel(indeks)->byt() ? drzewo->wezel(indeks)->byt()->plikowyURL()
                                                                    : QString();
        },
        jeszczeNieZmieniona,
    });
}

TEST_F(ZmianaNazwyWProgramie, AControlCharacterInANameShowsAsASymbolAndAnUnchangedRenameWritesNothing)
{
    const QString prawdziwa = QStringLiteral("Aa\nb\tc");
    const QString folderPotoku = QDir(m_baza.sciezka()).filePath(QStringLiteral("Tarrowind/All Beans/_Main_Flow"));
    ASSERT_TRUE(QDir(folderPotoku).mkdir(prawdziwa));
    auto *lista = pierwszyWidoczny<WidokTabeliFasolkiPotoku>();
    ASSERT_NE(lista, nullptr);
    KontrolerTablicy *tablica = lista->kontrolerTablicy();
    int wiersz = -1;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (int i = 0; i < tablica->rowCount(); ++i)
                if (auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(i));
                    fasolka && fasolka->nazwa() == prawdziwa)
                    return (wiersz = i) >= 0;
            return false;
        },
        3000));
    const QModelIndex indeks = tablica->index(wiersz, KontrolerListyFasolek::KolumnaNazwa);
    EXPECT_EQ(indeks.data(Qt::DisplayRole).toString(), QStringLiteral("Aa\u2424b\u2409c"));
    EXPECT_EQ(indeks.data(Qt::EditRole).toString(), prawdziwa);

    // The tab and the window draw a title on one line too.
    kartaPortfolio()->setTitle(QStringLiteral("Bean: ") + prawdziwa + QChar(0x7f));
    EXPECT_EQ(kartaPortfolio()->title(), QStringLiteral("Bean: Aa\u2424b\u2409c\u2421"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_okno->windowTitle() == kartaPortfolio()->title(); }));

    const QStringList przed = QDir(folderPotoku).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QRect komorka = lista->visualRect(indeks);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, QPoint(komorka.left() + 30, komorka.center().y()));
    QTest::keyClick(lista, Qt::Key_F2);
    auto *pole = qobject_cast<FileNameChangerField *>(QApplication::focusWidget());
    ASSERT_NE(pole, nullptr) << "F2 opened no name field";
    EXPECT_EQ(pole->text(), prawdziwa);
    QTest::keyClick(pole, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !WidokZEdycjaWWierszach::controlInEditModeForTableView(lista); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(QDir(folderPotoku).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), przed);
    EXPECT_TRUE(QFileInfo(QDir(folderPotoku).filePath(prawdziwa)).isDir());
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}
