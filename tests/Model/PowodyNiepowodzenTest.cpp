#include "Model/OperacjeTestowe.h"

#include "Platform/Paths.h"
#include "Platform/WorkspaceOperations.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// Each failure tells the user what went wrong and why, in the words of the operation the user asked for.
namespace {

// Where a bean waits to change its status or to come: the flow "Work".
enum class DrogaStatusu { ZmianaStatusu, NowaFasolka, Reaktywacja };

struct PowodStatusu
{
    const char *nazwa;
    DrogaStatusu droga;
    const char *katalogStatusu; // the one that cannot be made
};

void PrintTo(const PowodStatusu &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

class PowodyNiepowodzen : public OperacjeTestowe
{
protected:
    // Tries the road; answers what it reported and checks that nothing moved.
    BladOperacji sprobuj(DrogaStatusu droga)
    {
        BladOperacji blad;
        switch (droga) {
        case DrogaStatusu::ZmianaStatusu: {
            Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
            EXPECT_NE(a, nullptr);
            if (a) {
                EXPECT_FALSE(a->ustawStatus(Fasolka::sfGotowa, &blad));
                EXPECT_EQ(url(a), R(QStringLiteral("All Beans/Work/a.txt")));
            }
            break;
        }
        case DrogaStatusu::NowaFasolka:
            EXPECT_EQ(potok(QStringLiteral("Work"))->nowaFasolka(QStringLiteral("Nowa"), &blad), nullptr);
            break;
        case DrogaStatusu::Reaktywacja: {
            ArchiwumPotoku *archiwum = baza()->archiwum()->znajdzArchiwumPotokuONazwie(QStringLiteral("Work"));
            Fasolka *b = nullptr;
            for (Fasolka *f : archiwum ? archiwum->fasolki().elementy() : QList<Fasolka *>{})
                b = f;
            EXPECT_NE(b, nullptr);
            if (b) {
                EXPECT_FALSE(b->ustawStatus(Fasolka::sfGotowa, &blad));
                EXPECT_EQ(url(b), R(QStringLiteral("Archived Beans/Work/b.txt")));
            }
            break;
        }
        }
        EXPECT_EQ(wpisy(QStringLiteral("All Beans/Work")), QStringList{QStringLiteral("a.txt")});
        return blad;
    }

    void przygotujWork()
    {
        plik(QStringLiteral("All Beans/Work/a.txt"));
        plik(QStringLiteral("Archived Beans/Work/b.txt"));
        ASSERT_NE(potok(QStringLiteral("Work")), nullptr);
    }
};

// A flow folder the user may not write into: only an ordinary user meets it (ctest entry "nieuprzywilejowany").
class NieuprzywilejowanePowodyStatusu : public PowodyNiepowodzen, public ::testing::WithParamInterface<PowodStatusu>
{
};

TEST_P(NieuprzywilejowanePowodyStatusu, AStatusFolderThatCannotBeMadeIsTheReasonNotTheBean)
{
    const PowodStatusu &p = GetParam();
    przygotujWork();
    const QByteArray work = QFile::encodeName(R(QStringLiteral("All Beans/Work")));
    ASSERT_EQ(chmod(work.constData(), 0555), 0);
    const BladOperacji blad = sprobuj(p.droga);
    chmod(work.constData(), 0755);
    EXPECT_EQ(
        blad.przyczyna.toStdString(),
        QStringLiteral("The status folder \u201C%1\u201D couldn\u2019t be made in \u201CWork\u201D. You don\u2019t "
                       "have permission to access \u201CWork\u201D.")
            .arg(QLatin1String(p.katalogStatusu))
            .toStdString());
    EXPECT_FALSE(blad.opis.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Drogi, NieuprzywilejowanePowodyStatusu,
                         ::testing::Values(PowodStatusu{"StatusChange", DrogaStatusu::ZmianaStatusu, "_Ready"},
                                           PowodStatusu{"NewBean", DrogaStatusu::NowaFasolka, "_Incubation"},
                                           PowodStatusu{"Reactivation", DrogaStatusu::Reaktywacja, "_Ready"}),
                         [](const ::testing::TestParamInfo<PowodStatusu> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

// "Main Flow" is what the main flow shows: a flow typed so, new or renamed, is refused as a name in use.
TEST_F(PowodyNiepowodzen, AFlowTypedMainFlowClashesWithTheMainFlow)
{
    przygotujWork();
    const QString wTuzy =
        QStringLiteral("An item named \u201CMain Flow\u201D already exists in \u201CAll Beans\u201D.");
    BladOperacji blad;
    EXPECT_EQ(baza()->nowyPotok(QStringLiteral("Main Flow"), &blad), nullptr);
    EXPECT_EQ(blad.kod, EEXIST);
    EXPECT_EQ(blad.przyczyna.toStdString(), wTuzy.toStdString());

    BladOperacji bladZmiany;
    EXPECT_FALSE(potok(QStringLiteral("Work"))->zmienNazwePotokuNaDysku(QStringLiteral("Main Flow"), &bladZmiany));
    EXPECT_EQ(bladZmiany.przyczyna.toStdString(), wTuzy.toStdString());
    EXPECT_EQ(wpisy(QStringLiteral("All Beans")), (QStringList{QStringLiteral("Work"), QStringLiteral("_Main_Flow")}));
    int glowne = 0;
    for (Potok *p : baza()->potoki())
        glowne += p->nazwa() == QStringLiteral("Main Flow");
    EXPECT_EQ(glowne, 1);
    EXPECT_EQ(baza()->znajdzPotokONazwie(QStringLiteral("Main Flow")), baza()->potokGlowny());
}

// A name one byte over the file system's limit: the failure is the rename's, the reason names the name typed.
TEST_F(PowodyNiepowodzen, ARenameToANameTooLongIsARenameThatFailed)
{
    przygotujWork();
    plik(QStringLiteral("All Beans/Work/_Flow_Items/notatka.txt"));
    const QString dluga(256, u'd');
    const QString przyczyna = QStringLiteral("The name \u201C%1\u201D is too long.").arg(dluga);
    struct Wiersz
    {
        const char *opis;
        std::function<bool(BladOperacji *)> zmiana;
    };
    BytKatalogu *rzeczy = potok(QStringLiteral("Work"))->katalogRzeczyPotoku();
    ASSERT_NE(rzeczy, nullptr);
    BytSystemuPlikow *notatka = rzeczy->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("notatka.txt"));
    ASSERT_NE(notatka, nullptr);
    const Wiersz wiersze[] = {
        {"Could not rename the bean.",
         [&](BladOperacji *b) {
             return fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"))->zmienNazweBytuFasolkiNaDysku(dluga, b);
         }},
        {"Could not rename the flow.",
         [&](BladOperacji *b) { return potok(QStringLiteral("Work"))->zmienNazwePotokuNaDysku(dluga, b); }},
        {"Could not rename the item.", [&](BladOperacji *b) { return notatka->zmienNazweBytuNaDyskuNa(dluga, b); }},
    };
    for (const Wiersz &w : wiersze) {
        SCOPED_TRACE(w.opis);
        BladOperacji blad;
        EXPECT_FALSE(w.zmiana(&blad));
        EXPECT_EQ(blad.opis.toStdString(), w.opis);
        EXPECT_EQ(blad.przyczyna.toStdString(), przyczyna.toStdString());
    }
    EXPECT_TRUE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Work/a.txt"))));
    EXPECT_TRUE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Work/_Flow_Items/notatka.txt"))));
}

// A wrap that finds its folder's name taken says so; the file is back under its name.
TEST_F(PowodyNiepowodzen, AWrapThatCannotMakeItsFolderSaysWhy)
{
    przygotujWork();
    plik(QStringLiteral("All Beans/Work/Raport.pdf"));
    potok(QStringLiteral("Work"))->synchronizujFasolki();
    Fasolka *raport = fasolka(QStringLiteral("Work"), QStringLiteral("Raport.pdf"));
    ASSERT_NE(raport, nullptr);
    plik(QStringLiteral("All Beans/Work/Raport"), "w drodze");
    BladOperacji blad;
    EXPECT_FALSE(raport->opakujFasolkePlikowaWKatalog(&blad));
    EXPECT_EQ(blad.opis.toStdString(), "Could not wrap the bean into a folder.");
    EXPECT_EQ(blad.przyczyna.toStdString(),
              QStringLiteral("An item named \u201CRaport\u201D already exists in \u201CWork\u201D.").toStdString());
    EXPECT_TRUE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Work/Raport.pdf"))));
}

// Volumes mounted in a private mount namespace (see w-prywatnej-przestrzeni-montowan.sh): a read-only one and one
// with no inode left.
class WoluminyPowodowNiepowodzen : public PowodyNiepowodzen
{
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("TARROWIND_PRIVATE_MOUNTS"))
            GTEST_SKIP() << "runs in its own ctest entry, in a private mount namespace";
        PowodyNiepowodzen::SetUp();
    }
    void TearDown() override
    {
        for (auto it = m_punkty.crbegin(); it != m_punkty.crend(); ++it)
            umount2(QFile::encodeName(*it).constData(), MNT_DETACH);
        PowodyNiepowodzen::TearDown();
    }
    bool zamontuj(const QString &punkt, const char *typ, unsigned long flagi, const char *opcje,
                  const QString &zrodlo = QStringLiteral("tmpfs"))
    {
        if (mount(QFile::encodeName(zrodlo).constData(), QFile::encodeName(punkt).constData(), typ, flagi, opcje) != 0)
            return false;
        m_punkty << punkt;
        return true;
    }
    // The folder mounted read-only over itself.
    bool tylkoDoOdczytu(const QString &punkt)
    {
        return zamontuj(punkt, nullptr, MS_BIND, nullptr, punkt)
               && mount(nullptr, QFile::encodeName(punkt).constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                        nullptr)
                      == 0;
    }
    QStringList m_punkty;
};

TEST_F(WoluminyPowodowNiepowodzen, AReadOnlyFlowFolderIsTheReasonOfAStatusChange)
{
    przygotujWork();
    if (!tylkoDoOdczytu(R(QStringLiteral("All Beans/Work"))))
        GTEST_SKIP() << "a read-only bind mount was refused: " << std::strerror(errno);
    const BladOperacji blad = sprobuj(DrogaStatusu::ZmianaStatusu);
    EXPECT_EQ(
        blad.przyczyna.toStdString(),
        QStringLiteral("The status folder \u201C_Ready\u201D couldn\u2019t be made in \u201CWork\u201D. The volume "
                       "holding \u201CWork\u201D is read-only.")
            .toStdString());
}

TEST_F(WoluminyPowodowNiepowodzen, AFlowFolderWithNoInodeLeftIsTheReasonOfAStatusChange)
{
    const QString work = katalog(QStringLiteral("All Beans/Work"));
    if (!zamontuj(work, "tmpfs", 0, "size=1m,nr_inodes=8"))
        GTEST_SKIP() << "mounting a tmpfs was refused: " << std::strerror(errno);
    plik(QStringLiteral("All Beans/Work/a.txt"));
    // The rest of the inodes, in a folder the flow reads as a bean.
    QString zapas = katalog(QStringLiteral("All Beans/Work/zapas"));
    for (int i = 0; i < 16; ++i)
        if (!QFile(zapas + QStringLiteral("/%1").arg(i)).open(QIODevice::WriteOnly))
            break;
    ASSERT_NE(potok(QStringLiteral("Work")), nullptr);
    Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
    ASSERT_NE(a, nullptr);
    BladOperacji blad;
    EXPECT_FALSE(a->ustawStatus(Fasolka::sfGotowa, &blad));
    EXPECT_EQ(url(a), R(QStringLiteral("All Beans/Work/a.txt")));
    EXPECT_EQ(blad.przyczyna.toStdString(),
              QStringLiteral("The status folder \u201C_Ready\u201D couldn\u2019t be made in \u201CWork\u201D. There "
                             "isn\u2019t enough space to complete the operation on \u201CWork\u201D.")
                  .toStdString());
}

// A read-only volume has no Trash the user could make there: the item stays, and the user hears why.
TEST_F(WoluminyPowodowNiepowodzen, AnItemOnAVolumeWithoutAUsableTrashStaysAndTheReasonSaysSo)
{
    przygotujWork();
    if (!tylkoDoOdczytu(R(QStringLiteral("All Beans/Work"))))
        GTEST_SKIP() << "a read-only bind mount was refused: " << std::strerror(errno);
    BladOperacji blad;
    EXPECT_FALSE(WorkspaceOperations::doKosza(R(QStringLiteral("All Beans/Work/a.txt")), &blad));
    EXPECT_EQ(blad.opis.toStdString(), "Could not move \u201Ca.txt\u201D to the Trash.");
    EXPECT_EQ(blad.przyczyna.toStdString(),
              "\u201Ca.txt\u201D cannot be moved to the Trash because its volume has no Trash that Tarrowind can use. "
              "It stays where it was.");
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/a.txt"))), "tresc");
}

} // namespace
