#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/NazwyWProgramie.h"

#include "Model/Potok.h"
#include "Platform/NazwyPozaKodowaniem.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"

namespace {

class NazwyWProgramieZAlertami : public NazwyWProgramie
{
protected:
    // The turn on which an alert of what was just read would come.
    static void poTurze()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    int liczbaAlertowONazwach() const
    {
        int liczba = 0;
        for (const NagrywarkaAlertow::Wpis &wpis : m_alerty.wpisy())
            liczba += wpis.alert.messageText().contains(QStringLiteral("cannot show"));
        return liczba;
    }

    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(NazwyWProgramieZAlertami, TwinsInBothSpellingsAreTwoRowsOfTheBeanListAndOfTheNavigationBar)
{
    ASSERT_NE(lista(), nullptr);
    const QStringList sciezki = sciezkiListy();
    for (const char *nazwa : {"Caf\u00e9.txt", "Cafe\u0301.txt"})
        EXPECT_TRUE(sciezki.contains(R(QStringLiteral("All Beans/_Main_Flow/") + QString::fromUtf8(nazwa))))
            << nazwa << "\n"
            << qPrintable(sciezki.join(u'\n'));

    auto *pasek = pierwszyWidoczny<WidokZaryseliPaskaNawigacji>();
    ASSERT_NE(pasek, nullptr);
    int wierszeFlow = 0;
    for (const QModelIndex &indeks : wierszeWidoczne(pasek))
        wierszeFlow += indeks.data().toString().normalized(QString::NormalizationForm_C)
                       == QString::fromUtf8("Fl\u00f6w");
    EXPECT_EQ(wierszeFlow, 2);
}

TEST_F(NazwyWProgramieZAlertami, NamesItCannotShowAreToldOncePerFolderAndStayWithTheirFolder)
{
    const QString potok = R(QStringLiteral("All Beans/Potok 0001"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return liczbaAlertowONazwach() > 0; }, 2000));
    ASSERT_EQ(m_alerty.wpisy().size(), 1);
    EXPECT_EQ(m_alerty.wpisy()[0].alert.messageText(), NazwyPozaKodowaniem::wiadomosc(potok, 2));
    EXPECT_EQ(m_alerty.wpisy()[0].alert.messageText(),
              QString::fromUtf8("\u201C%1\u201D holds 2 items whose names Tarrowind cannot show.").arg(potok));

    // Another program adds a bean beside them: the re-read finds them again and says nothing.
    plik(QStringLiteral("All Beans/Potok 0001/nowa.txt"), "n");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return baza()
                ->znajdzPotokONazwie(QStringLiteral("Potok 0001"))
                ->znajdzFasolkeONazwie(QStringLiteral("nowa.txt"));
        },
        5000));
    poTurze();
    EXPECT_EQ(liczbaAlertowONazwach(), 1);

    // Renamed, the flow carries them along and is still the folder the user was told of.
    BladOperacji blad;
    ASSERT_TRUE(baza()
                    ->znajdzPotokONazwie(QStringLiteral("Potok 0001"))
                    ->zmienNazwePotokuNaDysku(QStringLiteral("Potok A"), &blad))
        << qPrintable(blad.przyczyna);
    const QByteArray nowy = QFile::encodeName(R(QStringLiteral("All Beans/Potok A")));
    struct stat info;
    EXPECT_EQ(::stat(QByteArray(nowy + "/z\xff.txt").constData(), &info), 0);
    EXPECT_EQ(::stat(QByteArray(nowy + "/d\xfe").constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    baza()->synchronizujZDyskiem();
    poTurze();
    EXPECT_EQ(liczbaAlertowONazwach(), 1);
}
