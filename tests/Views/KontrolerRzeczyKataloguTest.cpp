#include "Views/KontrolerRzeczyKatalogu.h"
#include "Actions/AdapterZrzutuUrli.h"
#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Model/BytKatalogu.h"
#include "Model/PobraneRzeczy.h"
#include "Model/StosCoreData.h"
#include "Platform/DelayedOperations.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerWidokuKataloguSpecjalnego.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/KatalogTestowy.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/WierszZarysu.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <utility>

namespace {

class KontrolerRzeczyKataloguTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        for (const char *sciezka : {"a/", "b/", "b/w.txt", "notatka.txt", "z.txt"})
            QLatin1String(sciezka).endsWith('/') ? m_dysk.katalog(QLatin1String(sciezka))
                                                 : m_dysk.plik(QLatin1String(sciezka));
        m_katalog = BytSystemuPlikow::bytKataloguDlaURL(m_dysk.sciezka());
        m_kontroler.ustawWidok();
        m_kontroler.setKatalog(m_katalog);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_kontroler.kontrolerDrzewa()->wczytuje(); }, 5000));
    }

    QModelIndex indeks(const QString &sciezka) { return wierszZarysu(m_kontroler.kontrolerDrzewa(), sciezka); }
    void zaznacz(const QStringList &sciezki, KontrolerDrzewa *drzewo = nullptr)
    {
        drzewo = drzewo ? drzewo : m_kontroler.kontrolerDrzewa();
        QModelIndexList indeksy;
        for (const QString &sciezka : sciezki)
            indeksy.append(wierszZarysu(drzewo, sciezka));
        drzewo->setSelectionIndexPaths(indeksy);
    }

    KatalogTestowy m_dysk;
    BytKatalogu *m_katalog = nullptr;
    KontrolerRzeczyKatalogu m_kontroler;
};

TEST_F(KontrolerRzeczyKataloguTest, CommandsAreEnabledByTheSingleSelection)
{
    const struct
    {
        QStringList zaznaczone;
        bool otworzW, otworzKatalog, pokaz, doKosza, nowyKatalog, przelacz;
    } przypadki[] = {
        {{}, false, false, false, false, true, true},
        {{QStringLiteral("z.txt")}, true, false, true, true, true, true},
        {{QStringLiteral("notatka.txt")}, true, false, true, true, true, true},
        {{QStringLiteral("a")}, false, true, true, true, true, true},
        {{QStringLiteral("a"), QStringLiteral("z.txt")}, false, false, false, false, true, true},
    };
    for (const auto &p : przypadki) {
        zaznacz(p.zaznaczone);
        const auto wlaczone = [this](Akcja akcja) {
            return m_kontroler.validateUserInterfaceItem(ElementInterfejsu(akcja));
        };
        SCOPED_TRACE(p.zaznaczone.join(QLatin1Char(',')).toStdString());
        EXPECT_EQ(wlaczone(Akcja::otworzBytElementuWProgramie), p.otworzW);
        EXPECT_EQ(wlaczone(Akcja::otworzBytRzeczyWDomyslnejAplikacji), p.otworzW);
        EXPECT_EQ(wlaczone(Akcja::otworzRzeczWFinderze), p.otworzKatalog);
        EXPECT_EQ(wlaczone(Akcja::pokazRzeczWFinderze), p.pokaz);
        EXPECT_EQ(wlaczone(Akcja::pokazPanelSzybkiegoPrzegladu), p.pokaz);
        EXPECT_EQ(wlaczone(Akcja::moveToTrash), p.doKosza);
        EXPECT_EQ(wlaczone(Akcja::wyswietlDymekNowyKatalog), p.nowyKatalog);
        EXPECT_EQ(wlaczone(Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu), p.przelacz);
        EXPECT_FALSE(wlaczone(Akcja::otworzBytFasolkiWProgramie));
    }
}

TEST_F(KontrolerRzeczyKataloguTest, ANewFolderGoesBesideTheSelectedFileOrIntoTheSelectedFolder)
{
    const struct
    {
        QStringList zaznaczone;
        QString nazwa;
        QString oczekiwana; // empty: refused
    } przypadki[] = {
        {{}, QStringLiteral("n1"), QStringLiteral("n1")},
        {{QStringLiteral("a")}, QStringLiteral("n2"), QStringLiteral("a/n2")},
        {{QStringLiteral("b/w.txt")}, QStringLiteral("n3"), QStringLiteral("b/n3")},
        {{QStringLiteral("notatka.txt")}, QStringLiteral("n4"), QStringLiteral("n4")},
        {{}, QStringLiteral("a"), {}},
    };
    for (const auto &p : przypadki) {
        NagrywarkaAlertow alerty;
        zaznacz(p.zaznaczone);
        SCOPED_TRACE(p.nazwa.toStdString());
        m_kontroler.dokonczAkcjeWyswietlDymekNowyKatalog(p.nazwa);
        if (p.oczekiwana.isEmpty()) {
            ASSERT_EQ(alerty.wpisy().size(), 1);
            EXPECT_EQ(alerty.wpisy()[0].alert.messageText(), QStringLiteral("Could not create directory."));
            EXPECT_EQ(alerty.wpisy()[0].alert.informativeText(), QStringLiteral("Directory already exists."));
            continue;
        }
        EXPECT_TRUE(QDir(m_dysk.sciezka(p.oczekiwana)).exists()) << p.oczekiwana.toStdString();
        const QList<BytSystemuPlikow *> zaznaczone = m_kontroler.kontrolerDrzewa()->selectedObjects();
        ASSERT_EQ(zaznaczone.size(), 1);
        EXPECT_EQ(zaznaczone[0]->plikowyURL(), m_dysk.sciezka(p.oczekiwana));
    }
}

TEST_F(KontrolerRzeczyKataloguTest, ARefusedRenameTouchesNothingAndSaysSo)
{
    NagrywarkaAlertow alerty;
    const QModelIndex plik = indeks(QStringLiteral("z.txt"));
    m_kontroler.controlTextDidEndEditing(plik, QStringLiteral("a/b"));
    EXPECT_TRUE(alerty.wpisy().isEmpty()); // deferred by one turn
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alerty.wpisy().isEmpty(); }, 5000));
    ASSERT_EQ(alerty.wpisy().size(), 1);
    EXPECT_EQ(alerty.wpisy()[0].alert.messageText(), QStringLiteral("Could not change 'z.txt' name to 'a/b'."));
    EXPECT_TRUE(QFile::exists(m_dysk.sciezka(QStringLiteral("z.txt"))));
    EXPECT_FALSE(QFile::exists(m_dysk.sciezka(QStringLiteral("a/b"))));
}

TEST_F(KontrolerRzeczyKataloguTest, TrashAsksByTheShownNameAndReportsAFailureByTheNameOnDisk)
{
    zaznacz({QStringLiteral("notatka.txt")});
    {
        NagrywarkaAlertow alerty({Alert::firstButton + 1});
        m_kontroler.moveToTrash();
        ASSERT_EQ(alerty.wpisy().size(), 1);
        EXPECT_EQ(alerty.wpisy()[0].alert.messageText(), QStringLiteral("Confirm move of 'notatka.txt' to Trash"));
        EXPECT_EQ(alerty.wpisy()[0].alert.buttons(),
                  QStringList({QStringLiteral("Move to Trash"), QStringLiteral("Cancel")}));
        EXPECT_TRUE(QFile::exists(m_dysk.sciezka(QStringLiteral("notatka.txt"))));
    }
    // Another program deleted the file after it was selected: the move fails and says so.
    ASSERT_TRUE(QFile::remove(m_dysk.sciezka(QStringLiteral("notatka.txt"))));
    {
        NagrywarkaAlertow alerty;
        m_kontroler.moveToTrash();
        ASSERT_EQ(alerty.wpisy().size(), 2);
        EXPECT_EQ(alerty.wpisy()[1].alert.messageText(), QStringLiteral("Could not move 'notatka.txt' to Trash."));
    }
}

// Each pulse asks for a reload its delay later; pulses that come while a listing runs on its worker are answered by
// one more listing taken after them. "Its delay later" is read off the order of the delayed blocks, not the clock: a
// block put off by the same delay just before a pulse runs before the reload that pulse asks for.
TEST_F(KontrolerRzeczyKataloguTest, PulsesGiveReloadsTheirDelayLaterAndOneListingAfterTheLast)
{
    // Each reload lists the folder again, which ends in the folder's leaf notice.
    QStringList kolejnosc;
    QObject::connect(m_katalog, &BytSystemuPlikow::jestLiscemChanged, m_kontroler.kontrolerDrzewa(),
                     [&] { kolejnosc.append(QStringLiteral("reload")); });
    // The first read's own pulse and its reload go first.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !kolejnosc.isEmpty(); }, 5000));
    kolejnosc.clear();
    QObject znacznikiTegoTestu;
    for (int i = 0; i < 3; ++i) {
        DelayedOperations::addOperationAfterDelayWithBlock(
            Opoznienia::biezace().przeladowanieKatalogu, &znacznikiTegoTestu,
            [&kolejnosc, i] { kolejnosc.append(QStringLiteral("pulse %1 + delay").arg(i)); });
        emit m_katalog->kvoNodeHasChanged();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return kolejnosc.contains(QStringLiteral("reload")); }, 5000));
    przeczekajCisze();
    const qsizetype przeladowania = kolejnosc.count(QStringLiteral("reload"));
    ASSERT_GE(przeladowania, 1);
    EXPECT_LE(przeladowania, 3);
    const QString opis = kolejnosc.join(QStringLiteral(", "));
    EXPECT_GT(kolejnosc.indexOf(QStringLiteral("reload")), kolejnosc.indexOf(QStringLiteral("pulse 0 + delay")))
        << opis.toStdString();
    EXPECT_GT(kolejnosc.lastIndexOf(QStringLiteral("reload")), kolejnosc.indexOf(QStringLiteral("pulse 2 + delay")))
        << opis.toStdString();
}

// A view answering a removed row looks rows up, which applies changes put off; one arriving for the same folder then
// must wait for the one running, or both remove the same rows (a crash of the random day, seed 38100).
TEST_F(KontrolerRzeczyKataloguTest, ALookupWhileRowsGoAppliesNoOtherChangeInTheMiddle)
{
    KontrolerDrzewa *drzewo = m_kontroler.kontrolerDrzewa();
    ASSERT_EQ(drzewo->rowCount(), 4);
    ASSERT_TRUE(QFile::remove(m_dysk.sciezka(QStringLiteral("notatka.txt"))));
    ASSERT_TRUE(QFile::remove(m_dysk.sciezka(QStringLiteral("z.txt"))));
    bool pierwszy = true;
    QObject::connect(drzewo, &QAbstractItemModel::rowsAboutToBeRemoved, drzewo, [&] {
        if (!std::exchange(pierwszy, false))
            return;
        emit m_katalog->bytyWewnetrzneChanged({}, {});
        drzewo->selectedNodes();
    });
    m_katalog->synchronizujZDyskiem();
    QCoreApplication::sendPostedEvents();
    drzewo->selectedNodes();
    QStringList nazwy;
    for (int i = 0; i < drzewo->rowCount(); ++i)
        nazwy << drzewo->wezel(drzewo->index(i, 0))->byt()->ostatniKomponentSciezki();
    EXPECT_EQ(nazwy, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

TEST_F(KontrolerRzeczyKataloguTest, DroppedFilesGoIntoTheFolderUnderThePointerOrTheShownOne)
{
    KatalogTestowy zrodla;
    QWidget *widok = m_kontroler.view();
    widok->resize(600, 400);
    widok->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widok));
    QWidget *pole = m_kontroler.widokZaryseli()->viewport();
    const QRect wierszA = m_kontroler.widokZaryseli()->visualRect(indeks(QStringLiteral("a")));
    const QRect wierszZ = m_kontroler.widokZaryseli()->visualRect(indeks(QStringLiteral("z.txt")));
    const struct
    {
        QPoint miejsce;
        QString cel; // relative to the shown folder
    } przypadki[] = {
        {wierszA.center(), QStringLiteral("a/")},
        {QPoint(2, wierszA.center().y()), QString()},                  // the side zone over a folder row
        {QPoint(wierszZ.center().x(), wierszZ.top()), QString()},      // between two top-level rows
        {QPoint(wierszA.center().x(), pole->height() - 5), QString()}, // empty space below the rows
    };
    int numer = 0;
    for (const auto &p : przypadki) {
        const QString nazwa = QStringLiteral("zrzucony%1.txt").arg(++numer);
        QMimeData dane;
        dane.setUrls({QUrl::fromLocalFile(zrodla.plik(nazwa))});
        QDragEnterEvent wejscie(p.miejsce, Qt::CopyAction | Qt::MoveAction, &dane, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pole, &wejscie);
        QDropEvent zrzut(QPointF(p.miejsce), Qt::CopyAction | Qt::MoveAction, &dane, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pole, &zrzut);
        SCOPED_TRACE(nazwa.toStdString());
        EXPECT_TRUE(zrzut.isAccepted());
        EXPECT_FALSE(QFile::exists(m_dysk.sciezka(p.cel + nazwa))) << "carried out a moment later";
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(m_dysk.sciezka(p.cel + nazwa)); }, 5000));
    }
}

TEST_F(KontrolerRzeczyKataloguTest, ASpecialFolderViewActsOnTheTopLevelEntryOfTheFirstSelectedRow)
{
    auto *pobrane = StosCoreData::kontekstOZ()->wstaw<PobraneRzeczy>();
    pobrane->ustawKatalogOURLu(m_dysk.sciezka());
    KontrolerWidokuKataloguSpecjalnego widok("Downloads", QString(), [pobrane] { return pobrane; });
    widok.ustawWidok();
    const struct
    {
        QStringList zaznaczone;
        QString dodatkowy;
    } przypadki[] = {
        {{QStringLiteral("b/w.txt")}, QStringLiteral("b")},
        {{}, {}},
        {{QStringLiteral("z.txt"), QStringLiteral("b/w.txt")}, QStringLiteral("b")}, // the topmost row counts
        {{QStringLiteral("z.txt")}, QStringLiteral("z.txt")},
    };
    for (const auto &p : przypadki) {
        zaznacz(p.zaznaczone, widok.kontrolerRzeczyKatalogu()->kontrolerDrzewa());
        const auto *element = qobject_cast<BytSystemuPlikow *>(widok.kontrolerAkcjeNaElementach()->dodatkowyElement());
        EXPECT_EQ(element ? element->ostatniKomponentSciezki() : QString(), p.dodatkowy)
            << p.zaznaczone.join(',').toStdString();
    }
}

} // namespace
