#include "ZrzutTestowy.h"

#include "Actions/AdapterZrzutuUrli.h"
#include "Platform/Paths.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTreeView>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Walidacja = ZrzutTestowy;
using Wykonanie = ZrzutTestowy;

constexpr Qt::DropActions wszystkie = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

// Sends the event to the widget as Qt's drag would and answers it.
template <class Zdarzenie>
std::pair<bool, Qt::DropAction> wyslij(QWidget *cel, Zdarzenie &&zdarzenie)
{
    zdarzenie.ignore();
    QCoreApplication::sendEvent(cel, &zdarzenie);
    return {zdarzenie.isAccepted(), zdarzenie.dropAction()};
}

} // namespace

TEST_F(Walidacja, TheSourcesActionsNarrowedByTheKeysGiveMoveOverCopyOverNone)
{
    const struct
    {
        QStringList sciezki;
        Qt::DropActions akcje;
        Qt::KeyboardModifiers klawisze;
        Qt::DropAction oczekiwana;
    } przypadki[] = {
        {{m_zewnetrzny}, wszystkie, Qt::NoModifier, Qt::MoveAction},
        {{m_zewnetrzny}, wszystkie, Qt::ControlModifier, Qt::CopyAction},
        {{m_zewnetrzny}, wszystkie, Qt::ShiftModifier, Qt::MoveAction},
        {{m_zewnetrzny}, wszystkie, Qt::ControlModifier | Qt::ShiftModifier, Qt::IgnoreAction},
        {{m_zewnetrzny}, Qt::LinkAction, Qt::NoModifier, Qt::IgnoreAction},
        {{m_zewnetrzny}, Qt::CopyAction, Qt::ShiftModifier, Qt::IgnoreAction},
        {{QStringLiteral("https://example.org/a")}, Qt::MoveAction, Qt::NoModifier, Qt::CopyAction},
        {{}, Qt::MoveAction, Qt::NoModifier, Qt::MoveAction},
    };
    for (const auto &p : przypadki)
        EXPECT_EQ(KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
                      informacja(p.sciezki, p.akcje, p.klawisze), potok(QStringLiteral("Play")), nullptr),
                  p.oczekiwana)
            << qPrintable(p.sciezki.join(' ')) << " " << int(p.akcje) << " " << int(p.klawisze);
}

TEST_F(Wykonanie, ItemsKeepTheirStatusInAnotherFlowAndComeFromOutsideIntoIncubation)
{
    const QStringList zrodla{R(QStringLiteral("All Beans/Work/aktywna.txt")),
                             R(QStringLiteral("All Beans/Work/_Waiting_For/czeka.txt")),
                             R(QStringLiteral("Archived Beans/Work/stara.txt")), m_zewnetrzny};
    EXPECT_TRUE(zrzuc(potok(QStringLiteral("Play")), zrodla));

    for (const QString &cel : {QStringLiteral("aktywna.txt"), QStringLiteral("_Waiting_For/czeka.txt"),
                               QStringLiteral("_Incubation/stara.txt"), QStringLiteral("_Incubation/nowy.txt")})
        EXPECT_TRUE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Play/") + cel))) << qPrintable(cel);
    for (const QString &zrodlo : zrodla)
        EXPECT_FALSE(KatalogTestowy::istnieje(zrodlo)) << qPrintable(zrodlo);
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
    EXPECT_EQ(potok(QStringLiteral("Play"))->fasolki().size(), 4);
    EXPECT_EQ(potok(QStringLiteral("Work"))->fasolki().size(), 1) << "the source flow was re-read";
}

TEST_F(Wykonanie, ARefusedItemIsRefusedAtValidationAndAgainWhenCarriedOut)
{
    const struct
    {
        QString zrodlo;
        std::function<QObject *()> odbiorca;
    } przypadki[] = {
        {R(QStringLiteral("All Beans/Work/aktywna.txt")), [&] { return potok(QStringLiteral("Work")); }},
        {R(QStringLiteral("All Beans/Work/_Flow_Items/A/a.txt")), [&] { return rzeczy(QStringLiteral("A")); }},
        {R(QStringLiteral("All Beans/Work/_Flow_Items/A")), [&] { return rzeczy(QStringLiteral("A")); }},
        {R(QStringLiteral("All Beans/Work/_Flow_Items/A")), [&] { return rzeczy(QStringLiteral("A/B")); }},
        {R(QStringLiteral("All Beans/Work/_Done")), [&] { return potok(QStringLiteral("Play")); }},
        {R(QStringLiteral("All Beans/_Main_Flow")), [&] { return potok(QStringLiteral("Play")); }},
        {R(QStringLiteral("Archived Beans")), [&] { return potok(QStringLiteral("Play")); }},
        // Beans under a flow's own folder names, which could never be made Active.
        {m_baza.katalog(QStringLiteral("Poza/_Done")), [&] { return potok(QStringLiteral("Play")); }},
        {m_baza.plik(QStringLiteral("Poza/_Flow_Items")), [&] { return potok(QStringLiteral("Play")); }},
        {m_baza.plik(QStringLiteral("Inne/_Incubation")),
         [&] { return *baza()->archiwum()->archiwaPotokow().begin(); }},
    };
    for (const auto &p : przypadki) {
        zapamietajStan();
        EXPECT_EQ(KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
                      informacja({p.zrodlo}, Qt::CopyAction | Qt::MoveAction), p.odbiorca(), nullptr),
                  Qt::IgnoreAction)
            << qPrintable(p.zrodlo);
        for (Qt::DropAction operacja : {Qt::CopyAction, Qt::MoveAction})
            EXPECT_FALSE(zrzuc(p.odbiorca(), {p.zrodlo}, operacja)) << qPrintable(p.zrodlo);
        sprawdzNiezmienione();
    }
    EXPECT_EQ(m_alerty.wpisy().size(), 2 * int(std::size(przypadki)));
}

TEST_F(Wykonanie, OfThreeFilesOneTakenNameFailsAloneAndTheReceiverIsReRead)
{
    const QString wDrodze = plik(QStringLiteral("All Beans/Work/_Flow_Items/A/x2"), "w drodze");
    const QStringList zrodla{m_baza.plik(QStringLiteral("Poza/x1")), m_baza.plik(QStringLiteral("Poza/x2"), "nowy"),
                             m_baza.plik(QStringLiteral("Poza/x3"))};
    rzeczy(QStringLiteral("A"))->bytyWewnetrzne();
    QList<BytSystemuPlikow *> nowe;
    EXPECT_FALSE(zrzuc(rzeczy(QStringLiteral("A")), zrodla, Qt::CopyAction, &nowe));

    EXPECT_EQ(nowe.size(), 2);
    EXPECT_EQ(KatalogTestowy::czytaj(wDrodze), "w drodze");
    ASSERT_EQ(m_alerty.wpisy().size(), 1);
    EXPECT_EQ(m_alerty.wpisy()[0].alert.messageText(), QStringLiteral("Following things were not copied:\n- 'x2'"));
    EXPECT_TRUE(m_alerty.wpisy()[0].alert.informativeText().contains(QStringLiteral("already exists")));
}

TEST_F(Wykonanie, AMoveReReadsTheSourceFlowACopyDoesNot)
{
    // A file the graph has not heard of shows whether the source flow was read again.
    const QString obcy = plik(QStringLiteral("All Beans/Work/obcy.txt"));
    int wB = 1;
    for (const auto &[operacja, zrodlo] : {std::pair{Qt::CopyAction, QStringLiteral("aktywna.txt")},
                                           std::pair{Qt::MoveAction, QStringLiteral("_Waiting_For/czeka.txt")}}) {
        EXPECT_TRUE(zrzuc(rzeczy(QStringLiteral("A/B")), {R(QStringLiteral("All Beans/Work/") + zrodlo)}, operacja));
        EXPECT_EQ(potok(QStringLiteral("Work"))->znajdzFasolkeONazwie(QStringLiteral("obcy.txt")) != nullptr,
                  operacja == Qt::MoveAction);
        EXPECT_EQ(rzeczy(QStringLiteral("A/B"))->bytyWewnetrzneBezOdczytu().size(), ++wB) << "the receiver was re-read";
    }
    EXPECT_TRUE(KatalogTestowy::istnieje(obcy));
}

TEST_F(Wykonanie, AReceiverGoneMeanwhileGetsNothingMade)
{
    KontrolerPrzeciagnieciaIZrzutu silnik(potok(QStringLiteral("Play")), Qt::MoveAction);
    ASSERT_TRUE(silnik.pobierzUrleZeSchowkaDlaWidokuUrleZeSchowka(informacja({m_zewnetrzny}, Qt::MoveAction), nullptr));
    ASSERT_TRUE(QDir().rename(R(QStringLiteral("All Beans/Play")), m_baza.sciezka(QStringLiteral("Play"))));

    EXPECT_FALSE(silnik.wykonajOperacjeNaZrzuconychRzeczachIZwrocNoweElementy());
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Play"))));
    EXPECT_TRUE(QDir(m_baza.sciezka(QStringLiteral("Play"))).isEmpty());
    EXPECT_EQ(KatalogTestowy::czytaj(m_zewnetrzny), "N");
}

TEST_F(Wykonanie, AnItemViewAnswersTheEngineAndCarriesTheDropOutAMomentLaterAnsweringCopy)
{
    QTreeView widok;
    const QPoint bezOdbiorcy(150, 5);
    new AdapterZrzutuUrli(&widok, AdapterZrzutuUrli::Wykonanie::PoChwili, [&](const QPoint &punkt) {
        return punkt == bezOdbiorcy ? nullptr : rzeczy(QStringLiteral("A"));
    });
    QMimeData dane;
    dane.setUrls({QUrl::fromLocalFile(m_zewnetrzny)});
    const Qt::DropActions akcje = Qt::CopyAction | Qt::MoveAction;
    const QPoint miejsce(5, 5);
    QWidget *viewport = widok.viewport();
    // An event sent here has no source in this program: another program's drag hears Copy, though
    // the drop moves.
    EXPECT_EQ(wyslij(viewport, QDragEnterEvent(miejsce, akcje, &dane, Qt::LeftButton, Qt::NoModifier)),
              std::pair(true, Qt::CopyAction));
    EXPECT_EQ(wyslij(viewport, QDragMoveEvent(miejsce, Qt::MoveAction, &dane, Qt::LeftButton, Qt::NoModifier)),
              std::pair(false, Qt::MoveAction))
        << "a source offering no Copy is refused";
    EXPECT_EQ(wyslij(viewport, QDragMoveEvent(miejsce, akcje, &dane, Qt::LeftButton, Qt::ControlModifier)),
              std::pair(true, Qt::CopyAction));
    EXPECT_EQ(wyslij(viewport, QDropEvent(bezOdbiorcy, akcje, &dane, Qt::LeftButton, Qt::NoModifier)),
              std::pair(false, Qt::IgnoreAction))
        << "a refused drop goes back to its source";
    // The next drag starts anew.
    wyslij(viewport, QDragEnterEvent(miejsce, akcje, &dane, Qt::LeftButton, Qt::NoModifier));
    EXPECT_EQ(wyslij(viewport, QDropEvent(miejsce, akcje, &dane, Qt::LeftButton, Qt::NoModifier)),
              std::pair(true, Qt::CopyAction))
        << "no source may delete what was moved here";
    const QString cel = R(QStringLiteral("All Beans/Work/_Flow_Items/A/nowy.txt"));
    EXPECT_TRUE(KatalogTestowy::istnieje(m_zewnetrzny)) << "not yet";
    EXPECT_TRUE(QTest::qWaitFor([&] { return KatalogTestowy::istnieje(cel); }, 2000));
    EXPECT_FALSE(KatalogTestowy::istnieje(m_zewnetrzny));
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

// A file URL names a path on this machine only without a host or with "localhost"; Qt would turn
// another host's name into the first folder of a local path.
TEST_F(Wykonanie, AFileUrlThroughLocalhostIsALocalPathAndOneOfAnotherHostIsPassedOver)
{
    const QString gdzieIndziej = m_baza.plik(QStringLiteral("Poza/gdzie indziej.txt"), "G");
    const QString poza = m_baza.sciezka(QStringLiteral("Poza"));
    KontrolerPrzeciagnieciaIZrzutu silnik(potok(QStringLiteral("Play")), Qt::MoveAction);
    InformacjaOPrzeciaganiu przeciagane{
        {QUrl(QStringLiteral("file://localhost") + m_zewnetrzny),
         QUrl(QStringLiteral("file://inny-komputer") + gdzieIndziej),
         QUrl(QStringLiteral("file://") + poza.mid(1) + QStringLiteral("/gdzie indziej.txt"))},
        Qt::MoveAction,
        {}};
    ASSERT_TRUE(silnik.pobierzUrleZeSchowkaDlaWidokuUrleZeSchowka(przeciagane, nullptr));
    EXPECT_EQ(silnik.tablicaUrli(), QList<QUrl>{QUrl::fromLocalFile(m_zewnetrzny)});
    EXPECT_EQ(KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
                  przeciagane, potok(QStringLiteral("Play")), nullptr),
              Qt::MoveAction);

    EXPECT_TRUE(silnik.wykonajOperacjeNaZrzuconychRzeczachIZwrocNoweElementy());
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Play/_Incubation/nowy.txt"))), "N");
    EXPECT_FALSE(KatalogTestowy::istnieje(m_zewnetrzny));
    EXPECT_EQ(KatalogTestowy::czytaj(gdzieIndziej), "G");
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

// Only an ordinary user is stopped by a read-only folder (ctest entry "nieuprzywilejowany").
using NieuprzywilejowanyZrzut = ZrzutTestowy;

TEST_F(NieuprzywilejowanyZrzut, AMoveFromAnotherFileSystemWhoseOriginalsCannotGoReportsThemCopiedAndKeepsThemWhole)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root removes anything";
    const auto inny = KatalogTestowy::katalogNaInnymSystemiePlikow(m_baza.sciezka());
    ASSERT_TRUE(inny) << "/dev/shm and the temporary folder are on one file system";
    const QString zamkniety = inny->path() + QStringLiteral("/zamkniety");
    ASSERT_TRUE(QDir().mkpath(zamkniety + QStringLiteral("/teczka")));
    QFile plik(zamkniety + QStringLiteral("/plik.txt"));
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly) && plik.write("P") == 1);
    plik.close();
    QFile wTeczce(zamkniety + QStringLiteral("/teczka/w.txt"));
    ASSERT_TRUE(wTeczce.open(QIODevice::WriteOnly) && wTeczce.write("W") == 1);
    wTeczce.close();
    chmod(QFile::encodeName(zamkniety).constData(), 0555);

    KontrolerPrzeciagnieciaIZrzutu silnik(potok(QStringLiteral("Play")), Qt::MoveAction);
    silnik.pobierzUrleZeSchowkaDlaWidokuUrleZeSchowka(
        informacja({zamkniety + QStringLiteral("/plik.txt"), zamkniety + QStringLiteral("/teczka")}, Qt::MoveAction),
        nullptr);
    const bool udany = silnik.wykonajOperacjeNaZrzuconychRzeczachIZwrocNoweElementy();
    silnik.wyswietlInformacjeOPozostawionych();
    chmod(QFile::encodeName(zamkniety).constData(), 0755);

    EXPECT_TRUE(udany);
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Play/_Incubation/plik.txt"))), "P");
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Play/_Incubation/teczka/w.txt"))), "W");
    EXPECT_EQ(KatalogTestowy::czytaj(zamkniety + QStringLiteral("/plik.txt")), "P");
    EXPECT_EQ(KatalogTestowy::czytaj(zamkniety + QStringLiteral("/teczka/w.txt")), "W") << "the original stays whole";
    ASSERT_EQ(m_alerty.wpisy().size(), 1);
    EXPECT_EQ(
        m_alerty.wpisy()[0].alert.messageText(),
        QStringLiteral("Following things were copied; the original could not be removed:\n- 'plik.txt'\n- 'teczka'"));
    EXPECT_EQ(m_alerty.wpisy()[0].alert.informativeText(),
              QStringLiteral("You don\u2019t have permission to access \u201Cteczka\u201D."));
}

TEST_F(Wykonanie, ADroppedNameClashesInEitherSpellingButATwinFolderIsNoTargetOfItself)
{
    const QString kawiarnia = plik(QString::fromUtf8("All Beans/Work/_Flow_Items/A/Caf\u00e9"), "jest");
    const QString obca = m_baza.plik(QString::fromUtf8("Poza/Cafe\u0301"), "obca");
    rzeczy(QStringLiteral("A"))->bytyWewnetrzne();
    EXPECT_FALSE(zrzuc(rzeczy(QStringLiteral("A")), {obca}, Qt::CopyAction));
    ASSERT_EQ(m_alerty.wpisy().size(), 1);
    EXPECT_TRUE(m_alerty.wpisy()[0].alert.informativeText().contains(QStringLiteral("already exists")));
    EXPECT_EQ(wpisy(QStringLiteral("All Beans/Work/_Flow_Items/A")),
              (QStringList{QStringLiteral("B"), QString::fromUtf8("Caf\u00e9"), QStringLiteral("a.txt")}));
    EXPECT_EQ(KatalogTestowy::czytaj(kawiarnia), "jest");

    // Of two folders whose names differ only in normalisation, one moves into the other.
    katalog(QString::fromUtf8("All Beans/Work/_Flow_Items/A/Fl\u00f6w"));
    const QString nfd = plik(QString::fromUtf8("All Beans/Work/_Flow_Items/A/Flo\u0308w/x"), "x");
    rzeczy(QStringLiteral("A"))->synchronizujZDyskiem();
    BytKatalogu *cel = rzeczy(QString::fromUtf8("A/Fl\u00f6w"));
    ASSERT_NE(cel, nullptr);
    ASSERT_EQ(cel->plikowyURL(), R(QString::fromUtf8("All Beans/Work/_Flow_Items/A/Fl\u00f6w")));
    EXPECT_NE(KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
                  informacja({Paths::parent(nfd)}, Qt::MoveAction), cel, nullptr),
              Qt::IgnoreAction);
    EXPECT_TRUE(zrzuc(cel, {Paths::parent(nfd)}, Qt::MoveAction));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QString::fromUtf8("All Beans/Work/_Flow_Items/A/Fl\u00f6w/Flo\u0308w/x"))), "x");
}
