#include "Platform/Kosz.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every entry of a folder, hidden ones too.
QStringList wpisy(const QString &katalog)
{
    return QDir(katalog).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t tryb(const QString &sciezka)
{
    struct stat info;
    return lstat(QFile::encodeName(sciezka).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// The item's path as an info file must name it: absolute, or below the volume's top.
QString oczekiwanaSciezka(const QString &element, const QString &korzen = {})
{
    const QString pelna = QFileInfo(QFileInfo(element).path()).canonicalFilePath() + QLatin1Char('/')
                          + QFileInfo(element).fileName();
    return korzen.isEmpty() ? pelna : pelna.mid(korzen.size() + 1);
}

// The info file of `nazwa` in the Trash: its header, the item's path decoded and a deletion date of this minute.
void sprawdzInformacje(const QString &kosz, const QString &nazwa, const QString &sciezka)
{
    const QByteArray tresc = KatalogTestowy::czytaj(kosz + QStringLiteral("/info/") + nazwa + ".trashinfo");
    const QList<QByteArray> linie = tresc.split('\n');
    ASSERT_EQ(linie.size(), 4) << tresc.toStdString();
    EXPECT_EQ(linie[0], "[Trash Info]");
    ASSERT_TRUE(linie[1].startsWith("Path=")) << tresc.toStdString();
    EXPECT_EQ(QFile::decodeName(QByteArray::fromPercentEncoding(linie[1].mid(5))), sciezka);
    EXPECT_FALSE(linie[1].contains(' ')) << "percent-encoded";
    ASSERT_TRUE(linie[2].startsWith("DeletionDate=")) << tresc.toStdString();
    const QDateTime data =
        QDateTime::fromString(QString::fromLatin1(linie[2].mid(13)), QStringLiteral("yyyy-MM-ddThh:mm:ss"));
    ASSERT_TRUE(data.isValid()) << tresc.toStdString();
    EXPECT_LE(std::abs(data.secsTo(QDateTime::currentDateTime())), 60);
    EXPECT_TRUE(linie[3].isEmpty());
}

struct PrzypadekKosza
{
    const char *opis;
    // Lays out the data folder `dane` and the item; answers the item's path.
    QString (*przygotuj)(KatalogTestowy &dir, const QString &dane);
    // Its name in the Trash's "files"; null when it must stay.
    const char *nazwaWKoszu;
    // The reason when it stays: %1 the item's name, %2 the home Trash.
    const char *przyczyna;
};

void PrintTo(const PrzypadekKosza &przypadek, std::ostream *os)
{
    *os << przypadek.opis;
}

constexpr const char *nazwaPliku = "Plan Q3 50%.pdf";

QString plikObok(KatalogTestowy &dir)
{
    return dir.plik(QStringLiteral("Potok/") + nazwaPliku, "plan");
}

QString koszGotowy(KatalogTestowy &dir, const QString &dane)
{
    dir.katalog(QDir(dir.sciezka()).relativeFilePath(dane + QStringLiteral("/Trash/files")));
    dir.katalog(QDir(dir.sciezka()).relativeFilePath(dane + QStringLiteral("/Trash/info")));
    return plikObok(dir);
}

QString bezKatalogu(KatalogTestowy &dir, const QString &)
{
    return plikObok(dir);
}

QString koszZwyklymPlikiem(KatalogTestowy &dir, const QString &dane)
{
    dir.plik(QDir(dir.sciezka()).relativeFilePath(dane + QStringLiteral("/Trash")), "nie kosz");
    return plikObok(dir);
}

QString filesZwyklymPlikiem(KatalogTestowy &dir, const QString &dane)
{
    dir.katalog(QDir(dir.sciezka()).relativeFilePath(dane + QStringLiteral("/Trash/info")));
    dir.plik(QDir(dir.sciezka()).relativeFilePath(dane + QStringLiteral("/Trash/files")), "nie folder");
    return plikObok(dir);
}

// An earlier item of the same name is in the Trash with its info file.
QString nazwaZajeta(KatalogTestowy &dir, const QString &dane)
{
    const QString kosz = QDir(dir.sciezka()).relativeFilePath(dane + QStringLiteral("/Trash"));
    dir.plik(kosz + QStringLiteral("/files/") + nazwaPliku, "wczesniejszy");
    dir.plik(kosz + QStringLiteral("/info/") + nazwaPliku + QStringLiteral(".trashinfo"), "wczesniejsza");
    return plikObok(dir);
}

// Another program left an item in "files" without its info file.
QString nazwaZajetaBezInformacji(KatalogTestowy &dir, const QString &dane)
{
    const QString kosz = QDir(dir.sciezka()).relativeFilePath(dane + QStringLiteral("/Trash"));
    dir.plik(kosz + QStringLiteral("/files/") + nazwaPliku, "wczesniejszy");
    dir.katalog(kosz + QStringLiteral("/info"));
    return plikObok(dir);
}

QString dowiazanieWiszace(KatalogTestowy &dir, const QString &)
{
    dir.katalog(QStringLiteral("Potok"));
    const QString link = dir.sciezka(QStringLiteral("Potok/Stary"));
    symlink("nie-ma-go", QFile::encodeName(link).constData());
    return link;
}

QString dowiazaniePetla(KatalogTestowy &dir, const QString &)
{
    dir.katalog(QStringLiteral("Potok"));
    const QString link = dir.sciezka(QStringLiteral("Potok/Petla"));
    symlink("Petla", QFile::encodeName(link).constData());
    return link;
}

QString dowiazanieDoKatalogu(KatalogTestowy &dir, const QString &)
{
    dir.plik(QStringLiteral("Projekt/notatka.txt"), "notatka");
    dir.katalog(QStringLiteral("Potok"));
    const QString link = dir.sciezka(QStringLiteral("Potok/Skrot"));
    symlink(QFile::encodeName(dir.sciezka(QStringLiteral("Projekt"))).constData(), QFile::encodeName(link).constData());
    return link;
}

// A name the folder takes, too long for its info file, which adds ".trashinfo".
QString nazwaBliskoLimitu(KatalogTestowy &dir, const QString &)
{
    return dir.plik(QStringLiteral("Potok/") + QString(246, QLatin1Char('n')) + QStringLiteral(".pdf"), "plan");
}

// The data folder exists, holds no Trash and only root may write into it.
QString daneTylkoDoOdczytu(KatalogTestowy &dir, const QString &dane)
{
    dir.katalog(QDir(dir.sciezka()).relativeFilePath(dane));
    chmod(QFile::encodeName(dane).constData(), 0555);
    return plikObok(dir);
}

class KoszWTabeli : public ::testing::TestWithParam<PrzypadekKosza>
{
protected:
    void SetUp() override
    {
        m_poprzedniRoboczy = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.katalog(QStringLiteral("roboczy"))));
    }
    void TearDown() override
    {
        chmod(QFile::encodeName(dane).constData(), 0755);
        QDir::setCurrent(m_poprzedniRoboczy);
    }

    KatalogTestowy dir;
    const QString dane = dir.sciezka(QStringLiteral("dom/.local/share"));
    QString m_poprzedniRoboczy;
};

} // namespace

// Into the home Trash by a rename, the name reserved by its info file; a link goes in as the link. Where the Trash
// cannot take it, the item stays, the reason names the Trash, and nothing is made in the working folder.
TEST_P(KoszWTabeli, TheItemIsInTheHomeTrashWithItsInfoOrStaysWithTheReason)
{
    const PrzypadekKosza &p = GetParam();
    if (p.przygotuj == daneTylkoDoOdczytu && geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder; the ctest entry Nieuprzywilejowany runs this case";
    const QString element = p.przygotuj(dir, dane);
    const QString nazwa = QFileInfo(element).fileName();
    const QByteArray dokad = KatalogTestowy::celDowiazania(element);
    const QString kosz = dane + QStringLiteral("/Trash");
    const QString sciezkaWInformacji = oczekiwanaSciezka(element);
    const QStringList wKoszuPrzed = wpisy(kosz + QStringLiteral("/files"));

    BladOperacji blad;
    const bool przeniesiony = Kosz::przenies(element, dane, &blad);

    EXPECT_TRUE(wpisy(dir.sciezka(QStringLiteral("roboczy"))).isEmpty())
        << wpisy(dir.sciezka(QStringLiteral("roboczy"))).join(' ').toStdString();
    if (!p.nazwaWKoszu) {
        EXPECT_FALSE(przeniesiony);
        EXPECT_EQ(KatalogTestowy::czytaj(element), "plan");
        EXPECT_EQ(blad.opis, QStringLiteral("Could not move \u201C%1\u201D to the Trash.").arg(nazwa));
        EXPECT_EQ(blad.przyczyna.toStdString(), QString::fromUtf8(p.przyczyna).arg(nazwa, kosz).toStdString());
        EXPECT_EQ(wpisy(kosz + QStringLiteral("/files")), wKoszuPrzed);
        EXPECT_TRUE(wpisy(kosz + QStringLiteral("/info")).isEmpty()) << "no info file left";
        return;
    }
    ASSERT_TRUE(przeniesiony) << blad.przyczyna.toStdString();
    const QString wKoszu = kosz + QStringLiteral("/files/") + QString::fromUtf8(p.nazwaWKoszu);
    EXPECT_FALSE(QFileInfo(element).exists() || QFileInfo(element).isSymLink());
    if (dokad.isEmpty()) {
        EXPECT_EQ(KatalogTestowy::czytaj(wKoszu), "plan");
    } else {
        EXPECT_EQ(KatalogTestowy::celDowiazania(wKoszu), dokad) << "the link itself, pointing where it pointed";
    }
    if (p.przygotuj == dowiazanieDoKatalogu) {
        EXPECT_EQ(KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("Projekt/notatka.txt"))), "notatka");
        EXPECT_FALSE(QFileInfo::exists(kosz + QStringLiteral("/files/notatka.txt")));
    }
    sprawdzInformacje(kosz, QString::fromUtf8(p.nazwaWKoszu), sciezkaWInformacji);
    // The earlier item of that name and its info file are as they were.
    for (const QString &wczesniejszy : wKoszuPrzed)
        EXPECT_EQ(KatalogTestowy::czytaj(kosz + QStringLiteral("/files/") + wczesniejszy), "wczesniejszy");
    if (p.przygotuj == nazwaZajeta) {
        EXPECT_EQ(KatalogTestowy::czytaj(kosz + QStringLiteral("/info/") + nazwaPliku + QStringLiteral(".trashinfo")),
                  "wczesniejsza");
    }
    if (p.przygotuj == nazwaZajetaBezInformacji) {
        EXPECT_EQ(wpisy(kosz + QStringLiteral("/info")), QStringList{QString::fromUtf8(p.nazwaWKoszu) + ".trashinfo"})
            << "the name given up leaves no info file";
    }
    if (p.przygotuj == bezKatalogu) {
        EXPECT_EQ(tryb(kosz), 0700u);
        EXPECT_EQ(tryb(kosz + QStringLiteral("/files")), 0700u);
        EXPECT_EQ(tryb(kosz + QStringLiteral("/info")), 0700u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kosz, KoszWTabeli,
    ::testing::Values(
        PrzypadekKosza{"TrashReady", koszGotowy, nazwaPliku, nullptr},
        PrzypadekKosza{"NoDataFolderYet", bezKatalogu, nazwaPliku, nullptr},
        PrzypadekKosza{"TrashARegularFile", koszZwyklymPlikiem, nullptr,
                       "\u201C%1\u201D cannot be moved to the Trash because the Trash folder \u201C%2\u201D cannot be "
                       "used. \u201CTrash\u201D is not a folder. It stays where it was."},
        PrzypadekKosza{"FilesARegularFile", filesZwyklymPlikiem, nullptr,
                       "\u201C%1\u201D cannot be moved to the Trash because the Trash folder \u201C%2\u201D cannot be "
                       "used. \u201Cfiles\u201D is not a folder. It stays where it was."},
        PrzypadekKosza{"NameTaken", nazwaZajeta, "Plan Q3 50%.2.pdf", nullptr},
        PrzypadekKosza{"NameTakenWithoutInfo", nazwaZajetaBezInformacji, "Plan Q3 50%.2.pdf", nullptr},
        PrzypadekKosza{"NameTenBytesFromTheLimit", nazwaBliskoLimitu, nullptr,
                       "\u201C%1\u201D cannot be moved to the Trash because its name is too long for the Trash. It "
                       "stays where it was."},
        PrzypadekKosza{"DanglingLink", dowiazanieWiszace, "Stary", nullptr},
        PrzypadekKosza{"LoopingLink", dowiazaniePetla, "Petla", nullptr},
        PrzypadekKosza{"LinkToAFolder", dowiazanieDoKatalogu, "Skrot", nullptr}),
    [](const ::testing::TestParamInfo<PrzypadekKosza> &wiersz) { return std::string(wiersz.param.opis); });

// The ctest entry "nieuprzywilejowany" runs these as an ordinary user.
INSTANTIATE_TEST_SUITE_P(NieuprzywilejowanyKosz, KoszWTabeli,
                         ::testing::Values(PrzypadekKosza{
                             "DataFolderReadOnlyWithoutTrash", daneTylkoDoOdczytu, nullptr,
                             "\u201C%1\u201D cannot be moved to the Trash because the Trash folder \u201C%2\u201D "
                             "cannot be used. You don\u2019t have permission to access \u201Cshare\u201D. It "
                             "stays where it was."}),
                         [](const ::testing::TestParamInfo<PrzypadekKosza> &wiersz) {
                             return std::string(wiersz.param.opis);
                         });

// A data folder relative to nothing would mean a Trash in whatever folder the program was started in.
TEST_F(KoszWTabeli, ADataFolderWithARelativePathIsNoTrashAndNothingLandsInTheWorkingFolder)
{
    const QString element = plikObok(dir);
    BladOperacji blad;
    EXPECT_FALSE(Kosz::przenies(element, QStringLiteral("dom/.local/share"), &blad));
    EXPECT_EQ(KatalogTestowy::czytaj(element), "plan");
    EXPECT_EQ(blad.przyczyna, QStringLiteral("\u201C%1\u201D cannot be moved to the Trash because the Trash folder "
                                             "\u201Cdom/.local/share/Trash\u201D cannot be used. Its path is not "
                                             "absolute. It stays where it was.")
                                  .arg(QString::fromUtf8(nazwaPliku)));
    EXPECT_TRUE(wpisy(dir.sciezka(QStringLiteral("roboczy"))).isEmpty());
}

namespace {

struct PrzypadekWoluminu
{
    const char *opis;
    // Lays out the volume's top before the move; NO where this user cannot lay it out.
    bool (*przygotuj)(const QString &korzen);
    // The Trash that takes the item, below the volume's top; %1 the user's id. Null when the item must stay.
    const char *kosz;
};

void PrintTo(const PrzypadekWoluminu &przypadek, std::ostream *os)
{
    *os << przypadek.opis;
}

bool bezKoszaNaWoluminie(const QString &)
{
    return true;
}

bool wspolnyKosz(const QString &korzen, mode_t tryb)
{
    const QByteArray wspolny = QFile::encodeName(korzen + QStringLiteral("/.Trash"));
    return mkdir(wspolny.constData(), 0777) == 0 && chmod(wspolny.constData(), tryb) == 0;
}

bool wspolnyLepki(const QString &korzen)
{
    return wspolnyKosz(korzen, 01777);
}

bool wspolnyBezBituLepkiego(const QString &korzen)
{
    return wspolnyKosz(korzen, 0777);
}

// Anyone may have placed such a link: it is never followed.
bool wspolnyJakoDowiazanie(const QString &korzen)
{
    const QByteArray gdzies = QFile::encodeName(korzen + QStringLiteral("/gdzies"));
    mkdir(gdzies.constData(), 0777);
    chmod(gdzies.constData(), 01777);
    return symlink("gdzies", QFile::encodeName(korzen + QStringLiteral("/.Trash")).constData()) == 0;
}

// A Trash with its "files" and "info", open to all, made by another user (nobody) under this user's name.
bool koszInnegoUzytkownika(const QString &kosz)
{
    for (const QString &folder : QStringList{kosz, kosz + QStringLiteral("/files"), kosz + QStringLiteral("/info")}) {
        const QByteArray f = QFile::encodeName(folder);
        if (mkdir(f.constData(), 0777) != 0 || chmod(f.constData(), 0777) != 0 || chown(f.constData(), 65534, 65534) != 0)
            return false;
    }
    return true;
}

bool wspolnyZFolderemInnego(const QString &korzen)
{
    return wspolnyLepki(korzen)
           && koszInnegoUzytkownika(korzen + QStringLiteral("/.Trash/") + QString::number(getuid()));
}

bool wlasnyOdInnego(const QString &korzen)
{
    return koszInnegoUzytkownika(korzen + QStringLiteral("/.Trash-") + QString::number(getuid()));
}

// A volume mounted in a private mount namespace (see w-prywatnej-przestrzeni-montowan.sh), away from the home Trash.
class WoluminyKosza : public ::testing::TestWithParam<PrzypadekWoluminu>
{
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("TARROWIND_PRIVATE_MOUNTS"))
            GTEST_SKIP() << "runs in its own ctest entry, in a private mount namespace";
    }
    void TearDown() override
    {
        if (!m_punkt.isEmpty())
            umount2(QFile::encodeName(m_punkt).constData(), MNT_DETACH);
    }
    bool zamontuj(const QString &punkt)
    {
        if (mount("tmpfs", QFile::encodeName(punkt).constData(), "tmpfs", 0, "size=1m,mode=0777") != 0)
            return false;
        m_punkt = punkt;
        return true;
    }

    KatalogTestowy dir;
    QString m_punkt;
};

} // namespace

// The volume's shared Trash only when it is a real folder with the sticky bit, else the user's own, and either only
// when the user owns it; the info file names the item below the volume's top.
TEST_P(WoluminyKosza, AnItemAwayFromTheHomeTrashGoesIntoItsVolumesOwn)
{
    const QString korzen = dir.katalog(QStringLiteral("wolumin"));
    if (!zamontuj(korzen))
        GTEST_SKIP() << "mounting a tmpfs was refused: " << std::strerror(errno);
    if (!GetParam().przygotuj(korzen))
        GTEST_SKIP() << "this user cannot lay out the volume's top: " << std::strerror(errno);
    ASSERT_TRUE(QDir().mkpath(korzen + QStringLiteral("/teczka")));
    const QString element = korzen + QStringLiteral("/teczka/a b.txt");
    QFile plik(element);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly) && plik.write("a") == 1);
    plik.close();
    const QString sciezkaWInformacji = oczekiwanaSciezka(element, QFileInfo(korzen).canonicalFilePath());
    const QString cudzy = korzen + (GetParam().przygotuj == wlasnyOdInnego ? QStringLiteral("/.Trash-%1")
                                                                             : QStringLiteral("/.Trash/%1"))
                                       .arg(getuid());

    BladOperacji blad;
    const bool przeniesiony = Kosz::przenies(element, dir.sciezka(QStringLiteral("dom/.local/share")), &blad);

    if (GetParam().przygotuj == wspolnyZFolderemInnego || GetParam().przygotuj == wlasnyOdInnego) {
        EXPECT_TRUE(wpisy(cudzy + QStringLiteral("/files")).isEmpty()) << "nothing into another's Trash";
        EXPECT_TRUE(wpisy(cudzy + QStringLiteral("/info")).isEmpty());
    }
    if (!GetParam().kosz) {
        EXPECT_FALSE(przeniesiony);
        EXPECT_EQ(KatalogTestowy::czytaj(element), "a");
        EXPECT_EQ(blad.przyczyna, QStringLiteral("\u201Ca b.txt\u201D cannot be moved to the Trash because its volume "
                                                 "has no Trash that Tarrowind can use. It stays where it was."));
        return;
    }
    ASSERT_TRUE(przeniesiony) << blad.przyczyna.toStdString();

    const QString kosz = korzen + QLatin1Char('/') + QString::fromUtf8(GetParam().kosz).arg(getuid());
    EXPECT_FALSE(QFileInfo::exists(element));
    EXPECT_EQ(KatalogTestowy::czytaj(kosz + QStringLiteral("/files/a b.txt")), "a");
    sprawdzInformacje(kosz, QStringLiteral("a b.txt"), sciezkaWInformacji);
    EXPECT_EQ(sciezkaWInformacji, QStringLiteral("teczka/a b.txt"));
    EXPECT_EQ(tryb(kosz), 0700u);
    EXPECT_FALSE(QFileInfo::exists(dir.sciezka(QStringLiteral("dom/.local/share/Trash"))));
    if (GetParam().przygotuj == wspolnyJakoDowiazanie) {
        EXPECT_TRUE(wpisy(korzen + QStringLiteral("/gdzies")).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Woluminy, WoluminyKosza,
    ::testing::Values(PrzypadekWoluminu{"NoTrashYet", bezKoszaNaWoluminie, ".Trash-%1"},
                      PrzypadekWoluminu{"SharedTrashWithTheStickyBit", wspolnyLepki, ".Trash/%1"},
                      PrzypadekWoluminu{"SharedTrashWithoutTheStickyBit", wspolnyBezBituLepkiego, ".Trash-%1"},
                      PrzypadekWoluminu{"SharedTrashALink", wspolnyJakoDowiazanie, ".Trash-%1"},
                      PrzypadekWoluminu{"SharedTrashWithTheUsersFolderMadeByAnother", wspolnyZFolderemInnego,
                                        ".Trash-%1"},
                      PrzypadekWoluminu{"OwnTrashMadeByAnother", wlasnyOdInnego, nullptr}),
    [](const ::testing::TestParamInfo<PrzypadekWoluminu> &wiersz) { return std::string(wiersz.param.opis); });
