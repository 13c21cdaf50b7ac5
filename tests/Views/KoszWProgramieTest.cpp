#include "Support/KatalogTestowy.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

// The Delete key on a bean of the main flow's list, in the window the program's start-up builds: the bean goes into
// the home Trash as it is on disk, or stays with an alert that says why; the working folder never receives it.
namespace {

using PolecenieWOknie::widocznyWidok;

class KoszWProgramie : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        m_poprzedniRoboczy = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_roboczy.sciezka()));
        ASSERT_TRUE(QDir().mkpath(m_dane));
    }
    void TearDown() override
    {
        UruchomionyProgram::TearDown();
        QDir::setCurrent(m_poprzedniRoboczy);
        // The data folder outlives the test's home: the next test finds a Trash of its own making.
        QFile::remove(m_dane + QStringLiteral("/Trash"));
        QDir(m_dane + QStringLiteral("/Trash")).removeRecursively();
    }

    WidokTabeliFasolkiPotoku *lista() { return widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno); }
    QString glownyPotok() const { return m_baza.sciezka(QStringLiteral("Tarrowind/All Beans/_Main_Flow")); }
    // The row of the bean at `sciezka`, -1 while it has none.
    int wierszFasolki(const QString &sciezka)
    {
        KontrolerTablicy *tablica = lista()->kontrolerTablicy();
        for (int wiersz = 0; wiersz < tablica->rowCount(); ++wiersz) {
            auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(wiersz));
            if (fasolka && fasolka->bytFasolki() && fasolka->bytFasolki()->plikowyURL() == sciezka)
                return wiersz;
        }
        return -1;
    }
    // A click on the bean's row, then Delete as the user presses it; the confirmation is answered "Move to Trash".
    void usunKlawiszem(const QString &sciezka)
    {
        ASSERT_NE(lista(), nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return wierszFasolki(sciezka) >= 0; })) << sciezka.toStdString();
        const QRect komorka = lista()->visualRect(lista()->model()->index(wierszFasolki(sciezka), 1));
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, komorka.center());
        ASSERT_EQ(QApplication::focusWidget(), lista());
        const qsizetype przed = m_alerty.wpisy().size();
        QTest::keyClick(lista(), Qt::Key_Delete);
        ASSERT_GT(m_alerty.wpisy().size(), przed) << "no confirmation";
        EXPECT_EQ(m_alerty.wpisy()[przed].alert.messageText(),
                  QStringLiteral("Confirm move of '%1' to Trash").arg(QFileInfo(sciezka).fileName()));
    }
    QStringList wRoboczym() const
    {
        return QDir(m_roboczy.sciezka()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    const QString m_dane = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    KatalogTestowy m_roboczy;
    QString m_poprzedniRoboczy;
    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(KoszWProgramie, WithTheHomeTrashARegularFileTheBeanStaysAndTheAlertSaysWhy)
{
    QFile kosz(m_dane + QStringLiteral("/Trash"));
    ASSERT_TRUE(kosz.open(QIODevice::WriteOnly) && kosz.write("nie kosz") == 8);
    kosz.close();
    const QString sciezka = glownyPotok() + QStringLiteral("/Raport.pdf");
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly) && plik.write("raport") == 6);
    plik.close();

    usunKlawiszem(sciezka);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_alerty.wpisy().size() >= 2; }, 5000));
    EXPECT_EQ(m_alerty.wpisy()[1].alert.messageText(),
              QStringLiteral("Could not move \u201CRaport.pdf\u201D to the Trash."));
    EXPECT_EQ(
        m_alerty.wpisy()[1].alert.informativeText(),
        QStringLiteral("\u201CRaport.pdf\u201D cannot be moved to the Trash because the Trash folder \u201C%1\u201D "
                       "cannot be used. \u201CTrash\u201D is not a folder. It stays where it was.")
            .arg(kosz.fileName()));
    EXPECT_EQ(KatalogTestowy::czytaj(sciezka), "raport");
    EXPECT_EQ(KatalogTestowy::czytaj(kosz.fileName()), "nie kosz");
    EXPECT_GE(wierszFasolki(sciezka), 0);
    EXPECT_TRUE(wRoboczym().isEmpty()) << wRoboczym().join(' ').toStdString();
}

// A link bean goes in as the link, whether it points nowhere or to a folder that stays as it was.
TEST_F(KoszWProgramie, ALinkBeanGoesIntoTheTrashAsTheLinkAndItsRowGoes)
{
    KatalogTestowy cele;
    const QString notatka = cele.plik(QStringLiteral("Projekt/notatka.txt"), "notatka");
    const struct
    {
        const char *nazwa;
        QByteArray cel;
    } dowiazania[] = {{"Do nikad", QByteArray("/nie/ma/takiego")},
                      {"Skrot do projektu", QFile::encodeName(cele.sciezka(QStringLiteral("Projekt")))}};
    for (const auto &d : dowiazania) {
        SCOPED_TRACE(d.nazwa);
        const QString sciezka = glownyPotok() + QLatin1Char('/') + QString::fromUtf8(d.nazwa);
        ASSERT_EQ(symlink(d.cel.constData(), QFile::encodeName(sciezka).constData()), 0);
        const int przed = m_alerty.wpisy().size();
        usunKlawiszem(sciezka);
        if (HasFatalFailure())
            return;
        const QString wKoszu = m_dane + QStringLiteral("/Trash/files/") + QString::fromUtf8(d.nazwa);
        ASSERT_TRUE(QTest::qWaitFor([&] { return KatalogTestowy::istnieje(wKoszu); }, 5000)) << wKoszu.toStdString();
        EXPECT_EQ(KatalogTestowy::celDowiazania(wKoszu), d.cel);
        EXPECT_FALSE(KatalogTestowy::istnieje(sciezka));
        EXPECT_TRUE(QTest::qWaitFor([&] { return wierszFasolki(sciezka) < 0; }, 5000));
        EXPECT_EQ(m_alerty.wpisy().size(), przed + 1) << "the confirmation alone";
    }
    EXPECT_EQ(KatalogTestowy::czytaj(notatka), "notatka");
    EXPECT_TRUE(wRoboczym().isEmpty()) << wRoboczym().join(' ').toStdString();
}
