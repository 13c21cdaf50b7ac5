#include "Platform/StrumienInotify.h"
#include "Platform/Konsola.h"
#include "Platform/ModalGate.h"
#include "Platform/Paths.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/KatalogTestowy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace {

void zapisz(const QString &sciezka)
{
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly | QIODevice::Append)) << qPrintable(sciezka);
    plik.write("x");
}

bool przenies(const QString &zrodlo, const QString &cel)
{
    return QDir().rename(zrodlo, cel);
}

// Collects the delivered batches and notes whether each came on the main thread.
class Odbiorca
{
public:
    explicit Odbiorca(StrumienInotify &strumien)
    {
        QObject::connect(&strumien, &StrumienInotify::zdarzenia, &m_kontekst,
                         [this](const QList<StrumienInotify::Zdarzenie> &partia) {
                             m_partie.append(partia);
                             if (QThread::currentThread() != QCoreApplication::instance()->thread())
                                 m_pozaGlownymWatkiem = true;
                         });
    }

    bool czekajNa(const QString &sciezka, int ms = czasNaZdarzenieMs)
    {
        return QTest::qWaitFor([&] { return sciezki().contains(sciezka); }, ms);
    }
    QSet<QString> sciezki() const
    {
        QSet<QString> wynik;
        for (const auto &partia : m_partie) {
            for (const auto &z : partia)
                wynik.insert(z.sciezka);
        }
        return wynik;
    }
    quint32 flagi(const QString &sciezka) const
    {
        quint32 wynik = 0;
        for (const auto &partia : m_partie) {
            for (const auto &z : partia) {
                if (z.sciezka == sciezka)
                    wynik |= z.flagi;
            }
        }
        return wynik;
    }
    const QList<QList<StrumienInotify::Zdarzenie>> &partie() const { return m_partie; }
    bool pozaGlownymWatkiem() const { return m_pozaGlownymWatkiem; }
    void wyczysc() { m_partie.clear(); }

private:
    QObject m_kontekst;
    QList<QList<StrumienInotify::Zdarzenie>> m_partie;
    bool m_pozaGlownymWatkiem = false;
};

class StrumienInotifyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        korzen = dysk.katalog(QStringLiteral("All Beans"));
        strumien.setOpoznienie(0.05);
    }

    bool uruchomIZaczekaj(const QStringList &korzenie, int katalogow)
    {
        return strumien.uruchom(korzenie)
               && QTest::qWaitFor([&] { return strumien.liczbaObserwowanychKatalogow() == katalogow; },
                                  czasNaZdarzenieMs);
    }
    bool czekajNaKatalogow(int katalogow)
    {
        return QTest::qWaitFor([&] { return strumien.liczbaObserwowanychKatalogow() == katalogow; }, czasNaZdarzenieMs);
    }

    KatalogTestowy dysk;
    QString korzen;
    StrumienInotify strumien;
    Odbiorca odbiorca{strumien};
};

// ---- trees

TEST_F(StrumienInotifyTest, ChangeDeepInTreeIsReportedAsItsFolderOnly)
{
    const QString gleboki = dysk.katalog(QStringLiteral("All Beans/a/b/c/d"));
    dysk.plik(QStringLiteral("All Beans/a/b/plik.txt"));
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 5));

    zapisz(gleboki + QStringLiteral("/nowy.txt"));

    ASSERT_TRUE(odbiorca.czekajNa(gleboki));
    przeczekajCisze();
    EXPECT_EQ(odbiorca.sciezki(), QSet<QString>{gleboki});
    EXPECT_EQ(odbiorca.flagi(gleboki), 0u);
}

TEST_F(StrumienInotifyTest, FolderRenamedInsideTreeKeepsCorrectPaths)
{
    dysk.katalog(QStringLiteral("All Beans/a/b/c"));
    dysk.katalog(QStringLiteral("All Beans/y"));
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 5));

    ASSERT_TRUE(przenies(korzen + QStringLiteral("/a"), korzen + QStringLiteral("/z")));
    ASSERT_TRUE(odbiorca.czekajNa(korzen));
    odbiorca.wyczysc();
    zapisz(korzen + QStringLiteral("/z/b/c/plik"));
    ASSERT_TRUE(odbiorca.czekajNa(korzen + QStringLiteral("/z/b/c")));

    // Into another folder of the tree, one level deeper.
    ASSERT_TRUE(przenies(korzen + QStringLiteral("/z/b"), korzen + QStringLiteral("/y/b")));
    ASSERT_TRUE(odbiorca.czekajNa(korzen + QStringLiteral("/y")));
    odbiorca.wyczysc();
    zapisz(korzen + QStringLiteral("/y/b/c/plik"));
    ASSERT_TRUE(odbiorca.czekajNa(korzen + QStringLiteral("/y/b/c")));
    przeczekajCisze();

    for (const QString &sciezka : odbiorca.sciezki())
        EXPECT_FALSE(sciezka.contains(QLatin1String("/a/")) || sciezka.contains(QLatin1String("/z/")))
            << qPrintable(sciezka);
    EXPECT_EQ(strumien.liczbaObserwowanychKatalogow(), 5);
}

TEST_F(StrumienInotifyTest, FolderMovedOutOfTreeIsNoLongerWatched)
{
    dysk.katalog(QStringLiteral("All Beans/a/b"));
    const QString poza = dysk.katalog(QStringLiteral("poza"));
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 3));

    ASSERT_TRUE(przenies(korzen + QStringLiteral("/a"), poza + QStringLiteral("/a")));
    ASSERT_TRUE(odbiorca.czekajNa(korzen));
    ASSERT_TRUE(czekajNaKatalogow(1));
    odbiorca.wyczysc();
    zapisz(poza + QStringLiteral("/a/b/plik"));
    przeczekajCisze();

    EXPECT_TRUE(odbiorca.partie().isEmpty());
}

TEST_F(StrumienInotifyTest, HiddenEntriesAreNeitherReportedNorWatched)
{
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 1));

    zapisz(korzen + QStringLiteral("/.ukryty"));
    ASSERT_TRUE(QDir(korzen).mkpath(QStringLiteral(".tarrowind-0123/wewnatrz")));
    zapisz(korzen + QStringLiteral("/.tarrowind-0123/wewnatrz/plik"));
    przeczekajCisze();
    EXPECT_TRUE(odbiorca.partie().isEmpty());
    EXPECT_EQ(strumien.liczbaObserwowanychKatalogow(), 1);

    // A finished copy renamed into place is news in its folder, and is watched from then on.
    ASSERT_TRUE(przenies(korzen + QStringLiteral("/.tarrowind-0123"), korzen + QStringLiteral("/Projekt")));
    ASSERT_TRUE(odbiorca.czekajNa(korzen));
    ASSERT_TRUE(czekajNaKatalogow(3));
    zapisz(korzen + QStringLiteral("/Projekt/wewnatrz/drugi"));
    EXPECT_TRUE(odbiorca.czekajNa(korzen + QStringLiteral("/Projekt/wewnatrz")));

    // Renamed to a hidden name, it leaves the watched tree.
    ASSERT_TRUE(przenies(korzen + QStringLiteral("/Projekt"), korzen + QStringLiteral("/.schowany")));
    EXPECT_TRUE(czekajNaKatalogow(1));
}

TEST_F(StrumienInotifyTest, DeepBurstOfNewFoldersIsFullyWatchedAndReported)
{
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 1));

    // Made faster than any watch can be added: what lands before a watch is found by the scan.
    QString najglebszy = korzen;
    for (int i = 0; i < 12; ++i)
        najglebszy += QStringLiteral("/p%1").arg(i);
    ASSERT_TRUE(QDir().mkpath(najglebszy));
    zapisz(najglebszy + QStringLiteral("/plik"));
    QStringList liscie;
    for (int i = 0; i < 25; ++i) {
        for (int j = 0; j < 20; ++j) {
            const QString lisc = korzen + QStringLiteral("/szeroki/g%1/h%2").arg(i).arg(j);
            ASSERT_TRUE(QDir().mkpath(lisc));
            zapisz(lisc + QStringLiteral("/plik"));
            liscie.append(lisc);
        }
    }

    ASSERT_TRUE(czekajNaKatalogow(1 + 12 + 1 + 25 + 25 * 20));
    ASSERT_TRUE(odbiorca.czekajNa(najglebszy));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QSet<QString> zgloszone = odbiorca.sciezki();
            return std::all_of(liscie.begin(), liscie.end(), [&](const QString &l) { return zgloszone.contains(l); });
        },
        czasNaZdarzenieMs));

    odbiorca.wyczysc();
    zapisz(liscie.last() + QStringLiteral("/drugi"));
    EXPECT_TRUE(odbiorca.czekajNa(liscie.last()));
}

// ---- roots

TEST_F(StrumienInotifyTest, RootDeletedIsReported)
{
    dysk.plik(QStringLiteral("All Beans/Flow/bean.txt"));
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 2));

    ASSERT_TRUE(QDir(korzen).removeRecursively());

    ASSERT_TRUE(odbiorca.czekajNa(korzen));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return odbiorca.flagi(korzen) & StrumienInotify::KorzenZmieniony; }, czasNaZdarzenieMs));
    EXPECT_TRUE(czekajNaKatalogow(0));
}

TEST_F(StrumienInotifyTest, RootMovedAwayIsReportedAndItsNewPlaceIsNot)
{
    dysk.katalog(QStringLiteral("All Beans/Flow"));
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 2));

    const QString nowe = dysk.sciezka(QStringLiteral("Gdzie indziej"));
    ASSERT_TRUE(przenies(korzen, nowe));
    ASSERT_TRUE(odbiorca.czekajNa(korzen));
    EXPECT_TRUE(odbiorca.flagi(korzen) & StrumienInotify::KorzenZmieniony);
    ASSERT_TRUE(czekajNaKatalogow(0));

    odbiorca.wyczysc();
    zapisz(nowe + QStringLiteral("/Flow/plik"));
    przeczekajCisze();
    EXPECT_TRUE(odbiorca.partie().isEmpty());
}

TEST_F(StrumienInotifyTest, FolderAboveRootRenamedReportsTheRoot)
{
    const QString glebszy = dysk.katalog(QStringLiteral("Tarrowind/All Beans/Flow"));
    const QString glebszyKorzen = Paths::parent(glebszy);
    ASSERT_TRUE(uruchomIZaczekaj({glebszyKorzen}, 2));

    ASSERT_TRUE(przenies(dysk.sciezka(QStringLiteral("Tarrowind")), dysk.sciezka(QStringLiteral("Tarrowind stary"))));

    ASSERT_TRUE(odbiorca.czekajNa(glebszyKorzen));
    EXPECT_TRUE(odbiorca.flagi(glebszyKorzen) & StrumienInotify::KorzenZmieniony);
    EXPECT_TRUE(czekajNaKatalogow(0));
}

TEST_F(StrumienInotifyTest, MissingRootIsReportedWhenItAppearsAndThenWatched)
{
    const QString brakujacy = dysk.sciezka(QStringLiteral("nowe/Tarrowind/Archived Beans"));
    ASSERT_TRUE(uruchomIZaczekaj({korzen, brakujacy}, 1));

    ASSERT_TRUE(QDir().mkpath(brakujacy + QStringLiteral("/Flow/Bean")));
    zapisz(brakujacy + QStringLiteral("/Flow/Bean/plik"));

    ASSERT_TRUE(odbiorca.czekajNa(brakujacy));
    EXPECT_TRUE(odbiorca.flagi(brakujacy) & StrumienInotify::KorzenZmieniony);
    ASSERT_TRUE(odbiorca.czekajNa(brakujacy + QStringLiteral("/Flow/Bean")));
    ASSERT_TRUE(czekajNaKatalogow(4));

    odbiorca.wyczysc();
    zapisz(brakujacy + QStringLiteral("/Flow/inny"));
    EXPECT_TRUE(odbiorca.czekajNa(brakujacy + QStringLiteral("/Flow")));
}

TEST_F(StrumienInotifyTest, RootRecreatedAtOnceIsWatchedAgain)
{
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 1));

    ASSERT_TRUE(QDir(korzen).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(korzen + QStringLiteral("/Flow")));

    ASSERT_TRUE(odbiorca.czekajNa(korzen));
    ASSERT_TRUE(czekajNaKatalogow(2));
    odbiorca.wyczysc();
    zapisz(korzen + QStringLiteral("/Flow/plik"));
    EXPECT_TRUE(odbiorca.czekajNa(korzen + QStringLiteral("/Flow")));
}

// ---- the watch limit

// Inotify limits belong to the user namespace: the test runs itself again inside a new one
// with a small limit, so that nothing else on the machine feels it.
TEST_F(StrumienInotifyTest, WatchLimitReachedKeepsWhatIsWatchedAndSaysSoOnce)
{
    const QByteArray limit = qgetenv("TARROWIND_LIMIT_OBSERWACJI");
    if (limit.isEmpty()) {
        QProcess proba;
        proba.start(QStringLiteral("unshare"),
                    {QStringLiteral("--user"), QStringLiteral("--map-root-user"), QStringLiteral("sh"),
                     QStringLiteral("-c"), QStringLiteral("echo 100 > /proc/sys/user/max_inotify_watches")});
        if (!proba.waitForFinished(10000) || proba.exitStatus() != QProcess::NormalExit || proba.exitCode() != 0)
            GTEST_SKIP() << "no user namespace with its own inotify limits here";
        QProcess dziecko;
        QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
        srodowisko.insert(QStringLiteral("TARROWIND_LIMIT_OBSERWACJI"), QStringLiteral("1"));
        dziecko.setProcessEnvironment(srodowisko);
        dziecko.setProcessChannelMode(QProcess::MergedChannels);
        const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
        dziecko.start(QStringLiteral("unshare"),
                      {QStringLiteral("--user"), QStringLiteral("--map-root-user"),
                       QCoreApplication::applicationFilePath(),
                       QStringLiteral("--gtest_filter=%1.%2")
                           .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()))});
        ASSERT_TRUE(dziecko.waitForFinished(60000));
        const QByteArray wyjscie = dziecko.readAll();
        EXPECT_EQ(dziecko.exitCode(), 0) << wyjscie.constData();
        EXPECT_TRUE(wyjscie.contains("[  PASSED  ] 1 test")) << wyjscie.constData();
        return;
    }

    QStringList linie;
    Konsola::ustawWyjscie([&](const QByteArray &linia) { linie.append(QString::fromUtf8(linia)); });
    for (int i = 0; i < 6; ++i)
        dysk.katalog(QStringLiteral("All Beans/potok%1").arg(i));
    // The root, the folders above it, and two of the six below.
    int nadKorzeniem = 0;
    for (QString p = Paths::parent(korzen); !p.isEmpty(); p = p == QLatin1String("/") ? QString() : Paths::parent(p))
        ++nadKorzeniem;
    QFile ustawienie(QStringLiteral("/proc/sys/user/max_inotify_watches"));
    ASSERT_TRUE(ustawienie.open(QIODevice::WriteOnly));
    ustawienie.write(QByteArray::number(nadKorzeniem + 1 + 2));
    ustawienie.close();

    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !linie.isEmpty(); }, czasNaZdarzenieMs));
    ASSERT_TRUE(QDir(korzen).mkdir(QStringLiteral("jeszcze jeden")));
    ASSERT_TRUE(odbiorca.czekajNa(korzen));
    przeczekajCisze();
    EXPECT_EQ(strumien.liczbaObserwowanychKatalogow(), 3);
    ASSERT_EQ(linie.size(), 1);
    EXPECT_TRUE(linie.first().contains(QLatin1String("fs.inotify.max_user_watches"))) << qPrintable(linie.first());
    Konsola::ustawWyjscie({});
}

// ---- batches

TEST_F(StrumienInotifyTest, BatchNamesEachFolderOnceAndArrivesOnMainThread)
{
    const QString drugiKorzen = dysk.katalog(QStringLiteral("Archived Beans"));
    const QString a = dysk.katalog(QStringLiteral("All Beans/a"));
    const QString b = dysk.katalog(QStringLiteral("All Beans/b"));
    strumien.setOpoznienie(0.5);
    ASSERT_TRUE(uruchomIZaczekaj({korzen, drugiKorzen}, 4));

    for (int i = 0; i < 5; ++i) {
        zapisz(a + QStringLiteral("/plik%1").arg(i));
        zapisz(b + QStringLiteral("/plik%1").arg(i));
    }
    zapisz(drugiKorzen + QStringLiteral("/plik"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !odbiorca.partie().isEmpty(); }, czasNaZdarzenieMs));
    const auto &partia = odbiorca.partie().first();
    QStringList sciezki;
    for (const auto &z : partia)
        sciezki.append(z.sciezka);
    sciezki.sort();
    QStringList oczekiwane{a, b, drugiKorzen};
    oczekiwane.sort();
    EXPECT_EQ(sciezki, oczekiwane);
    EXPECT_FALSE(odbiorca.pozaGlownymWatkiem());
}

TEST_F(StrumienInotifyTest, FlushDeliversPendingChangesWithoutTheLatency)
{
    strumien.setOpoznienie(30);
    EXPECT_FALSE(strumien.wypchnijZdarzenia(true));
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 1));

    zapisz(korzen + QStringLiteral("/pierwszy"));
    EXPECT_TRUE(strumien.wypchnijZdarzenia(true));
    EXPECT_EQ(odbiorca.sciezki(), QSet<QString>{korzen});

    odbiorca.wyczysc();
    zapisz(korzen + QStringLiteral("/drugi"));
    EXPECT_TRUE(strumien.wypchnijZdarzenia(false));
    EXPECT_TRUE(odbiorca.czekajNa(korzen));
}

// ---- the modal gate

TEST_F(StrumienInotifyTest, RaisedGateHoldsBatchAndReleasesItSoonAfterLowering)
{
    const QString a = dysk.katalog(QStringLiteral("All Beans/a"));
    const QString b = dysk.katalog(QStringLiteral("All Beans/b"));
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 3));

    auto podniesiona = std::make_unique<ModalGate::Raise>();
    zapisz(a + QStringLiteral("/plik"));
    przeczekajCisze();
    zapisz(b + QStringLiteral("/plik"));
    przeczekajCisze();
    EXPECT_TRUE(odbiorca.partie().isEmpty());

    podniesiona.reset();
    // Never from inside the code that lowered the gate: at the event loop's next turn, with no timer of its own.
    EXPECT_TRUE(odbiorca.partie().isEmpty());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(odbiorca.partie().size(), 1);
    EXPECT_EQ(odbiorca.sciezki(), (QSet<QString>{a, b}));
}

TEST_F(StrumienInotifyTest, OpenModalWidgetHoldsBatchUntilProbeSaysClosed)
{
    bool otwarte = true;
    ModalGate::setModalWidgetProbe([&] { return otwarte; });
    // The probe reads this test's variable: it goes with the test, failed or not.
    const auto bezSondy = qScopeGuard([] { ModalGate::setModalWidgetProbe({}); });
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 1));

    zapisz(korzen + QStringLiteral("/plik"));
    przeczekajCisze();
    EXPECT_TRUE(odbiorca.partie().isEmpty());

    // Nothing tells the gate the probe's answer changed: the stream looks at it again by itself.
    otwarte = false;
    ASSERT_TRUE(odbiorca.czekajNa(korzen));
}

// ---- lifecycle

TEST_F(StrumienInotifyTest, RestartWatchesOnlyTheNewRoots)
{
    const QString nowy = dysk.katalog(QStringLiteral("Nowe portfolio/All Beans"));
    EXPECT_FALSE(strumien.uruchom({}));
    EXPECT_FALSE(strumien.zatrzymaj());
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 1));
    EXPECT_FALSE(strumien.uruchom({nowy}));

    EXPECT_TRUE(strumien.zatrzymaj());
    EXPECT_FALSE(strumien.czyDziala());
    ASSERT_TRUE(uruchomIZaczekaj({nowy}, 1));
    EXPECT_EQ(strumien.korzenie(), QStringList{nowy});

    zapisz(korzen + QStringLiteral("/stary"));
    zapisz(nowy + QStringLiteral("/nowy"));
    ASSERT_TRUE(odbiorca.czekajNa(nowy));
    przeczekajCisze();
    EXPECT_EQ(odbiorca.sciezki(), QSet<QString>{nowy});
}

TEST_F(StrumienInotifyTest, StopDropsBatchesStillOnTheirWay)
{
    strumien.setOpoznienie(0);
    ASSERT_TRUE(uruchomIZaczekaj({korzen}, 1));

    zapisz(korzen + QStringLiteral("/plik"));
    // The worker posts its batch while the main thread does not run its loop.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(strumien.zatrzymaj());
    przeczekajCisze();

    EXPECT_TRUE(odbiorca.partie().isEmpty());
}

} // namespace
