#include "Support/PortfolioTestowe.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Platform/Konsola.h"
#include "Views/KontrolerArchiwum.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/ListwaFiltra.h"
#include "Views/ProxyArchiwum.h"
#include "Views/WidokTabeliFasolkiZarchiwizowane.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

// The archive view over a small portfolio: Main Flow's archive holds a file bean and a folder bean,
// "Drugi"'s archive two file beans; each flow has one bean in work.
class KontrolerArchiwumTest : public PortfolioTestowe
{
protected:
    void SetUp() override
    {
        PortfolioTestowe::SetUp();
        for (const char *sciezka : {"All Beans/_Main_Flow/aktywna", "All Beans/Drugi/obca", "Archived Beans/_Main_Flow/stara",
                                    "Archived Beans/Drugi/dawna", "Archived Beans/Drugi/minona"})
            plik(QString::fromLatin1(sciezka));
        katalog(QStringLiteral("Archived Beans/_Main_Flow/teczka"));
        m_kontroler.view();
        m_kontroler.ustawWidok();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        Konsola::ustawWyjscie({});
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        PortfolioTestowe::TearDown();
    }

    Archiwum *archiwum() const { return BazaFasolek::sharedBazaFasolek()->archiwum(); }
    ArchiwumPotoku *archiwumPotoku(const char *nazwa) const
    {
        return archiwum()->znajdzArchiwumPotokuONazwie(QString::fromLatin1(nazwa));
    }
    Fasolka *fasolka(const char *nazwa) const
    {
        for (ArchiwumPotoku *archiwumPotoku : archiwum()->archiwaPotokow().elementy())
            for (Fasolka *f : archiwumPotoku->fasolki())
                if (f->nazwa() == QLatin1String(nazwa))
                    return f;
        return nullptr;
    }
    KontrolerTablicy *tablica() const { return m_kontroler.kontrolerTablicy(); }
    // What the rows hold: a flow archive's name in brackets, a bean's name as it is.
    QStringList wiersze() const
    {
        QStringList wynik;
        for (QObject *obiekt : tablica()->arrangedObjects())
            wynik << (qobject_cast<ArchiwumPotoku *>(obiekt) ? QLatin1Char('[') + static_cast<ArchiwumPotoku *>(obiekt)->nazwa() + QLatin1Char(']')
                                                           : static_cast<Fasolka *>(obiekt)->nazwa());
        return wynik;
    }

    KontrolerArchiwum m_kontroler;
};

TEST_F(KontrolerArchiwumTest, TheSearchFieldKeepsOnlyMatchingBeansUnderTheirHeaders)
{
    EXPECT_EQ(wiersze(), (QStringList{"[Main Flow]", "stara", "teczka", "[Drugi]", "dawna", "minona"}));
    QLineEdit *pole = m_kontroler.poleWyszukiwarki();
    ASSERT_NE(pole, nullptr);
    QTest::keyClicks(pole, QStringLiteral("na"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica()->rowCount() == 3; }, 2000));
    EXPECT_EQ(wiersze(), (QStringList{"[Drugi]", "dawna", "minona"}));
    pole->clear();
    QTest::keyClicks(pole, QStringLiteral("ecz"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica()->rowCount() == 2; }, 2000));
    EXPECT_EQ(wiersze(), (QStringList{"[Main Flow]", "teczka"}));
}

TEST_F(KontrolerArchiwumTest, SelectingABeanMakesItTheWholeSelectionAndSaysSoOnTheConsole)
{
    QStringList linie;
    Konsola::ustawWyjscie([&linie](const QByteArray &linia) { linie << QString::fromUtf8(linia).trimmed(); });
    tablica()->setSelectedObjects({archiwumPotoku("Drugi"), fasolka("stara"), fasolka("dawna")});
    m_kontroler.zaznaczFasolke(fasolka("minona"));
    EXPECT_EQ(tablica()->selectedObjects(), QList<QObject *>{fasolka("minona")});
    EXPECT_EQ(linie, QStringList{"WidokArchiwum zaznaczFasolke:"});
    EXPECT_EQ(m_kontroler.kontrolerAkcjeNaArchiwum()->dodatkowyElement(), fasolka("minona"));
}

TEST_F(KontrolerArchiwumTest, TheArchiveControllerHasTheArchiveAndTheOneSelectedRowAsSecondaryItem)
{
    KontrolerAkcjeNaElementach *naArchiwum = m_kontroler.kontrolerAkcjeNaArchiwum();
    EXPECT_EQ(naArchiwum->archiwum(), archiwum());
    const struct
    {
        const char *nazwa;
        QList<QObject *> zaznaczone;
        QObject *dodatkowy;
    } przypadki[] = {
        {"header", {archiwumPotoku("Drugi")}, archiwumPotoku("Drugi")},
        {"bean", {fasolka("teczka")}, fasolka("teczka")},
        {"two", {fasolka("teczka"), fasolka("dawna")}, nullptr},
        {"none", {}, nullptr},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        tablica()->setSelectedObjects(p.zaznaczone);
        EXPECT_EQ(naArchiwum->dodatkowyElement(), p.dodatkowy);
        EXPECT_EQ(naArchiwum->archiwum(), archiwum());
    }
}

// The view in the window the program's start-up builds, reached through the navigation bar.
class KontrolerArchiwumWProgramieTest : public UruchomionyProgram
{
protected:
    void SetUp() override
    {
        UruchomionyProgram::SetUp();
        if (HasFatalFailure())
            return;
        WidokZaryseliPaskaNawigacji *pasek = kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerPaskaNawigacji()->widokZaryseli();
        const QModelIndex wiersz =
            pasek->model()->match(pasek->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("Archived Beans")).value(0);
        ASSERT_TRUE(wiersz.isValid());
        QTest::mouseClick(pasek->viewport(), Qt::LeftButton, {}, pasek->visualRect(wiersz).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return kartaPortfolio()->kontrolerWybranegoArchiwum() != nullptr; }, 2000));
        m_tabela = PolecenieWOknie::widocznyWidok<WidokTabeliFasolkiZarchiwizowane>(m_okno);
        ASSERT_NE(m_tabela, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_tabela->kontrolerTablicy()->rowCount() > 0; }, 2000));
    }

    WidokTabeliFasolkiZarchiwizowane *m_tabela = nullptr;
};

TEST_F(KontrolerArchiwumWProgramieTest, TheOpenButtonBesideTheSearchFieldShowsTheArchiveFolder)
{
    auto *przycisk = m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskOtworzArchiwumWFinderze"));
    ASSERT_TRUE(przycisk && przycisk->isVisible());
    EXPECT_TRUE(przycisk->isEnabled());
    // The filter strip is laid out a turn after the view was placed.
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_okno->childAt(przycisk->mapTo(m_okno, przycisk->rect().center())) == przycisk; }));
    QTest::mouseClick(przycisk, Qt::LeftButton);
    const QString katalog = BazaFasolek::sharedBazaFasolek()->archiwum()->katalog()->plikowyURL();
    EXPECT_EQ(m_wywolania, QStringList{QStringLiteral("open ") + katalog});
}
