#include "PortfolioPodObciazeniem.h"

#include "Model/Archiwum.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"

#include "Platform/FolderListing.h"
#include "Platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <functional>

#include <sys/mount.h>
#include <sys/stat.h>

namespace {

constexpr int krokowWTrakcie = 15;

class Awaria : public PortfolioPodObciazeniem
{
protected:
    // The fault, then program steps on the graph that has not heard of it and, once the watcher
    // has delivered, on the graph that has; then the fault is mended. Nothing may be lost on the
    // way, and after the next re-read the graph equals a fresh build again.
    void przebieg(const std::function<void()> &zepsuj, const std::function<void()> &wTrakcie,
                  const std::function<void()> &napraw)
    {
        zepsuj();
        for (int i = 0; i < krokowWTrakcie && !HasFailure(); ++i)
            krokProgramu();
        ASSERT_TRUE(ustal());
        sprawdzPliki(QStringLiteral("the fault"));
        wTrakcie();
        for (int i = 0; i < krokowWTrakcie && !HasFailure(); ++i)
            krokProgramu();
        ASSERT_TRUE(ustal());
        sprawdzPliki(QStringLiteral("the steps during the fault"));
        napraw();
        ASSERT_TRUE(ustal());
        sprawdzNiezmienniki(QStringLiteral("mending the fault"));
    }

    static QString urlFasolki(const Fasolka *fasolka) { return fasolka->bytFasolki()->plikowyURL(); }

    // The listings of these folders fail, wherever they are moved, in the test and in the
    // watcher alike. The hook is only swapped while the watcher's thread is stopped.
    void ustawNieczytelne(const QStringList &sciezki)
    {
        QSet<ino_t> wezly;
        for (const QString &sciezka : sciezki) {
            struct stat info;
            ASSERT_EQ(lstat(QFile::encodeName(sciezka).constData(), &info), 0);
            wezly.insert(info.st_ino);
        }
        m_listingiDzialaja = wezly.isEmpty();
        wznowObserwacje([&] {
            if (wezly.isEmpty())
                FolderListing::setFaultHookForTests({});
            else
                FolderListing::setFaultHookForTests([wezly](const QString &katalog) -> std::optional<int> {
                    struct stat info;
                    const bool nieczytelny = lstat(QFile::encodeName(katalog).constData(), &info) == 0
                                             && wezly.contains(info.st_ino);
                    return nieczytelny ? std::optional<int>(EACCES) : std::nullopt;
                });
        });
    }
};

TEST_F(Awaria, ThePortfolioFolderRemovedAndMadeAgainWhileTheProgramRuns)
{
    const QString gdzieIndziej = poza(QStringLiteral("Tarrowind"));
    przebieg([&] { ASSERT_TRUE(QDir().rename(R(), gdzieIndziej)); },
             [&] {
                 EXPECT_TRUE(baza()->potoki().isEmpty());
                 EXPECT_TRUE(baza()->archiwum()->archiwaPotokow().isEmpty());
                 // Another program makes a new, small portfolio in its place.
                 ASSERT_TRUE(QDir().mkpath(R(QStringLiteral("All Beans/_Main_Flow"))));
                 ASSERT_TRUE(QDir().mkpath(R(QStringLiteral("All Beans/Nowy/_Done"))));
                 ASSERT_TRUE(QDir().mkpath(R(QStringLiteral("Archived Beans"))));
                 zapiszPlik(R(QStringLiteral("All Beans/Nowy/_Done/nowy.txt")), nowaTresc());
                 ASSERT_TRUE(ustal());
                 sprawdzNiezmienniki(QStringLiteral("a new portfolio in its place"));
             },
             [&] {
                 usunDrzewo(R());
                 ASSERT_TRUE(QDir().rename(gdzieIndziej, R()));
             });
}

TEST_F(Awaria, AFlowFolderReplacedByAFile)
{
    const QString sciezka = R(QStringLiteral("All Beans/Potok 0002"));
    przebieg(
        [&] {
            ASSERT_TRUE(QDir().rename(sciezka, poza(QStringLiteral("Potok 0002"))));
            zapiszPlik(sciezka, nowaTresc());
        },
        [&] { sprawdzNiezmienniki(QStringLiteral("a flow folder replaced by a file")); },
        [&] {
            usunDrzewo(sciezka);
            ASSERT_TRUE(QDir().rename(poza(QStringLiteral("Potok 0002")), sciezka));
        });
}

TEST_F(Awaria, FoldersThatCannotBeReadKeepTheirBeans)
{
    const QStringList nieczytelne{R(QStringLiteral("All Beans/Potok 0002/_Done")),
                                  R(QStringLiteral("Archived Beans/Potok 0002"))};
    QStringList bylyTam;
    for (Fasolka *f : fasolkiGrafu()) {
        if (nieczytelne.contains(Paths::parent(urlFasolki(f))))
            bylyTam << urlFasolki(f);
    }
    ASSERT_FALSE(bylyTam.isEmpty());
    const auto zmienWNich = [&] {
        for (const QString &katalog : nieczytelne)
            zapiszPlik(Paths::join(katalog, nowaNazwa(true)), nowaTresc());
        zapiszPlik(R(QStringLiteral("All Beans/Potok 0002/")) + nowaNazwa(true), nowaTresc());
    };
    przebieg(
        [&] {
            ustawNieczytelne(nieczytelne);
            zmienWNich();
            ASSERT_TRUE(ustal());
            // Every bean whose file is still there stays: an unreadable folder is no empty one.
            QStringList wGrafie;
            for (Fasolka *f : fasolkiGrafu())
                wGrafie << urlFasolki(f);
            for (const QString &url : std::as_const(bylyTam))
                EXPECT_TRUE(wGrafie.contains(url)) << url.toStdString() << " left the graph";
        },
        [] {},
        [&] {
            ustawNieczytelne({});
            // The next change reads them again, wherever the steps took them.
            for (Potok *p : baza()->potoki())
                p->synchronizujZDyskiem();
            baza()->archiwum()->synchronizujZDyskiem();
        });
}

// A small tmpfs in a private mount namespace (see w-prywatnej-przestrzeni-montowan.sh) is the
// full disk: a bean archived onto it must be copied across devices, and an expected outcome
// written on it finds no room.
class PelnyDysk : public PortfolioPodObciazeniem
{
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("TARROWIND_PRIVATE_MOUNTS"))
            GTEST_SKIP() << "runs in its own ctest entry, in a private mount namespace";
        PortfolioPodObciazeniem::SetUp();
    }
    void TearDown() override
    {
        if (!m_punkt.isEmpty())
            umount2(QFile::encodeName(m_punkt).constData(), MNT_DETACH);
        PortfolioPodObciazeniem::TearDown();
    }
    // The watcher watches the folder that the mount hides: it walks the trees again.
    bool zamontuj(const QString &punkt, const char *rozmiar)
    {
        bool udany = false;
        wznowObserwacje(
            [&] { udany = mount("tmpfs", QFile::encodeName(punkt).constData(), "tmpfs", 0, rozmiar) == 0; });
        if (udany)
            m_punkt = punkt;
        return udany;
    }
    QString m_punkt;
};

TEST_F(PelnyDysk, ACrossDeviceMoveAndAnExpectedOutcomeThatFindNoRoomLoseNothing)
{
    Potok *potok = baza()->nowyPotok(QStringLiteral("Pe\u0142ny"));
    ASSERT_NE(potok, nullptr);
    const QString archiwumPotoku = R(QStringLiteral("Archived Beans/Pe\u0142ny"));
    ASSERT_TRUE(QDir().mkdir(archiwumPotoku));
    if (!zamontuj(archiwumPotoku, "size=256k"))
        GTEST_SKIP() << "mounting a tmpfs was refused: " << std::strerror(errno);
    Fasolka *mala = potok->nowaFasolka(QStringLiteral("Ma\u0142a"));
    ASSERT_NE(mala, nullptr);
    ASSERT_TRUE(mala->ustawSpodziewanyRezultat(QStringLiteral("zmie\u015Bci si\u0119")));
    doliczTresc(QStringLiteral("zmie\u015Bci si\u0119").toUtf8(), mala->bytFasolki()->plikowyURL());
    zapiszPlik(R(QStringLiteral("All Beans/Pe\u0142ny/du\u017Cy.bin")), QByteArray(512 * 1024, 'd') + nowaTresc());
    ASSERT_TRUE(ustal());
    Fasolka *duzy = potok->znajdzFasolkeONazwie(QStringLiteral("du\u017Cy.bin"));
    ASSERT_NE(duzy, nullptr);

    // Across devices: copied, and the source goes only once the copy is whole.
    ASSERT_TRUE(mala->ustawStatus(Fasolka::sfZarchiwizowana));
    const QStringList przed = stanDysku();
    BladOperacji blad;
    EXPECT_FALSE(duzy->ustawStatus(Fasolka::sfZarchiwizowana, &blad));
    EXPECT_EQ(blad.kod, ENOSPC) << blad.przyczyna.toStdString();
    EXPECT_EQ(stanDysku(), przed) << "the half-made copy goes, the source stays";
    EXPECT_EQ(duzy->potok(), potok);

    // The disk fills up; writing the expected outcome fails and keeps the old one.
    zapiszPlik(Paths::join(archiwumPotoku, QStringLiteral("wype\u0142niacz")), QByteArray(200 * 1024, 'w'));
    EXPECT_FALSE(mala->ustawSpodziewanyRezultat(QString(64 * 1024, u'x')));
    EXPECT_EQ(mala->spodziewanyRezultat(), QStringLiteral("zmie\u015Bci si\u0119"));
    ASSERT_TRUE(ustal());
    sprawdzNiezmienniki(QStringLiteral("a full disk"));

    // Back across devices, into the flow.
    EXPECT_TRUE(mala->ustawStatus(Fasolka::sfWInkubacji));
    ASSERT_TRUE(ustal());
    sprawdzNiezmienniki(QStringLiteral("a move back from the full disk"));
}

} // namespace
