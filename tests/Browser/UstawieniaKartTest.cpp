#include "Browser/KontrolerKartyFasolki.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/UstawieniaKartyFasolki.h"
#include "Browser/UstawieniaKartyPortfolio.h"
#include "Platform/UserDefaults.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <functional>

namespace {

UstawieniaKartyPortfolio *otworzKartePortfolio(KontrolerKartyPortfolio &kontroler)
{
    kontroler.ustawieniaKarty()->odczytajUstawieniaAplikacji();
    return kontroler.ustawieniaKarty();
}

} // namespace

TEST(UstawieniaKartTest, AFirstStartGivesTheRegisteredValuesAndATabReadsNothingBeforeItsSetUp)
{
    KontrolerKartyPortfolio portfolio;
    KontrolerKartyFasolki fasolki;
    EXPECT_EQ(portfolio.ustawieniaKarty()->wybranyWidok(), QString());
    EXPECT_EQ(portfolio.ustawieniaKarty()->szerokoscPaskaNawigacji(), 0.0);
    EXPECT_EQ(fasolki.ustawieniaKarty()->szerokoscPanelaPrawego(), 0.0);

    const UstawieniaKartyPortfolio *p = otworzKartePortfolio(portfolio);
    fasolki.ustawieniaKarty()->odczytajUstawieniaAplikacji();
    EXPECT_EQ(p->wybranyWidok(), QStringLiteral("Main Flow"));
    EXPECT_EQ(p->statusPaskaZakresu(), UstawieniaKartyPortfolio::statusWszystkie);
    EXPECT_EQ(p->szerokoscPanelaPrawego(), 200.0);
    EXPECT_TRUE(p->czyWidocznyPanelPrawy());
    EXPECT_EQ(p->szerokoscPaskaNawigacji(), 175.0);
    EXPECT_TRUE(p->czyWidocznyPasekNawigacji());
    EXPECT_TRUE(p->czyPodzialNaPotoki());
    EXPECT_EQ(fasolki.ustawieniaKarty()->szerokoscPanelaPrawego(), 200.0);
    EXPECT_TRUE(fasolki.ustawieniaKarty()->czyWidocznyPanelPrawy());
}

TEST(UstawieniaKartTest, AWidthIsStoredInSinglePrecisionAndReadsBackWidenedInTheNextTab)
{
    KontrolerKartyPortfolio pierwsza;
    otworzKartePortfolio(pierwsza)->setSzerokoscPaskaNawigacji(175.3);
    KontrolerKartyFasolki fasolki;
    fasolki.ustawieniaKarty()->setSzerokoscPanelaPrawego(175.3);
    ASSERT_TRUE(UserDefaults::standard().synchronize());

    KontrolerKartyPortfolio druga;
    EXPECT_EQ(otworzKartePortfolio(druga)->szerokoscPaskaNawigacji(), 175.3000030517578);
    KontrolerKartyFasolki drugaFasolki;
    drugaFasolki.ustawieniaKarty()->odczytajUstawieniaAplikacji();
    EXPECT_EQ(drugaFasolki.ustawieniaKarty()->szerokoscPanelaPrawego(), 175.3000030517578);
    // What the next start of the program finds in the file.
    QSettings plik(UserDefaults::standard().fileName(), QSettings::IniFormat);
    EXPECT_EQ(double(plik.value(QStringLiteral("KartaPortfolio.szerokoscPaskaNawigacji")).toFloat()),
              175.3000030517578);
}

TEST(UstawieniaKartTest, AChangeIsStoredForNewTabsWhileAnOpenTabKeepsItsOwnValue)
{
    KontrolerKartyPortfolio pierwsza;
    KontrolerKartyPortfolio druga;
    otworzKartePortfolio(druga);
    otworzKartePortfolio(pierwsza)->setStatusPaskaZakresu(3);
    pierwsza.ustawieniaKarty()->setRowViewType(1);
    KontrolerKartyFasolki fasolkiOtwarta;
    fasolkiOtwarta.ustawieniaKarty()->odczytajUstawieniaAplikacji();
    KontrolerKartyFasolki fasolkiZmieniona;
    fasolkiZmieniona.ustawieniaKarty()->setSzerokoscPanelaPrawego(260.0);

    EXPECT_EQ(druga.ustawieniaKarty()->statusPaskaZakresu(), UstawieniaKartyPortfolio::statusWszystkie);
    EXPECT_EQ(fasolkiOtwarta.ustawieniaKarty()->szerokoscPanelaPrawego(), 200.0);
    KontrolerKartyPortfolio nowa;
    EXPECT_EQ(otworzKartePortfolio(nowa)->statusPaskaZakresu(), 3);
    EXPECT_EQ(nowa.ustawieniaKarty()->rowViewType(), 0) << "the row view type belongs to one tab";
    KontrolerKartyFasolki nowaFasolki;
    nowaFasolki.ustawieniaKarty()->odczytajUstawieniaAplikacji();
    EXPECT_EQ(nowaFasolki.ustawieniaKarty()->szerokoscPanelaPrawego(), 260.0);
    EXPECT_EQ(nowa.ustawieniaKarty()->szerokoscPanelaPrawego(), 200.0) << "the bean tabs keep keys of their own";
}

TEST(UstawieniaKartTest, TheRowViewTypeIsAnnouncedButNeverStored)
{
    KontrolerKartyPortfolio karta;
    UstawieniaKartyPortfolio *ustawienia = otworzKartePortfolio(karta);
    int ogloszenia = 0;
    QObject::connect(ustawienia, &UstawieniaKartyPortfolio::rowViewTypeChanged, [&] { ++ogloszenia; });
    ustawienia->setRowViewType(1);
    ustawienia->odczytajUstawieniaAplikacji();

    EXPECT_EQ(ustawienia->rowViewType(), 1) << "reading the stored values leaves it alone";
    EXPECT_EQ(ogloszenia, 1);
    ASSERT_TRUE(UserDefaults::standard().synchronize());
    QSettings plik(UserDefaults::standard().fileName(), QSettings::IniFormat);
    for (const QString &klucz : plik.allKeys())
        EXPECT_FALSE(klucz.contains(QStringLiteral("rowViewType"), Qt::CaseInsensitive)) << klucz.toStdString();
}

// A hand-edited or damaged settings file: what is stored under a key, and what the tab reads.
struct ZapisanaWartosc
{
    const char *klucz;
    QVariant zapisana;
    QVariant odczytana;
};

class UszkodzoneUstawienia : public ::testing::TestWithParam<ZapisanaWartosc>
{
};

QVariant odczytaj(const QString &klucz)
{
    KontrolerKartyPortfolio portfolio;
    UstawieniaKartyPortfolio *p = otworzKartePortfolio(portfolio);
    KontrolerKartyFasolki fasolki;
    fasolki.ustawieniaKarty()->odczytajUstawieniaAplikacji();
    const QHash<QString, std::function<QVariant()>> pola = {
        {QStringLiteral("KartaPortfolio.wybranyWidok"), [&] { return QVariant(p->wybranyWidok()); }},
        {QStringLiteral("KartaPortfolio.statusPaskaZakresu"), [&] { return QVariant(p->statusPaskaZakresu()); }},
        {QStringLiteral("KartaPortfolio.szerokoscPanelaPrawego"),
         [&] { return QVariant(p->szerokoscPanelaPrawego()); }},
        {QStringLiteral("KartaPortfolio.szerokoscPaskaNawigacji"),
         [&] { return QVariant(p->szerokoscPaskaNawigacji()); }},
        {QStringLiteral("KartaFasolki.szerokoscPanelaPrawego"),
         [&] { return QVariant(fasolki.ustawieniaKarty()->szerokoscPanelaPrawego()); }},
    };
    return pola.value(klucz)();
}

TEST_P(UszkodzoneUstawienia, ADamagedValueFallsBackAndAValidOneIsKeptExactly)
{
    const ZapisanaWartosc &przypadek = GetParam();
    const QString klucz = QString::fromLatin1(przypadek.klucz);
    UserDefaults::standard().setObject(klucz, przypadek.zapisana);
    EXPECT_EQ(odczytaj(klucz), przypadek.odczytana) << przypadek.zapisana.toString().toStdString();
}

// The INI file gives every hand-written value back as text.
INSTANTIATE_TEST_SUITE_P(
    UstawieniaKartTest, UszkodzoneUstawienia,
    ::testing::Values(
        ZapisanaWartosc{"KartaPortfolio.szerokoscPanelaPrawego", QStringLiteral("nan"), 200.0},
        ZapisanaWartosc{"KartaPortfolio.szerokoscPanelaPrawego", QStringLiteral("inf"), 200.0},
        ZapisanaWartosc{"KartaPortfolio.szerokoscPanelaPrawego", QStringLiteral("-40"), 200.0},
        ZapisanaWartosc{"KartaPortfolio.szerokoscPanelaPrawego", QStringLiteral("wide"), 200.0},
        ZapisanaWartosc{"KartaPortfolio.szerokoscPanelaPrawego", QStringLiteral("1e300"), 200.0},
        ZapisanaWartosc{"KartaPortfolio.szerokoscPanelaPrawego", QStringLiteral("0.5"), 0.5},
        ZapisanaWartosc{"KartaPortfolio.szerokoscPaskaNawigacji", QStringLiteral("-inf"), 175.0},
        ZapisanaWartosc{"KartaFasolki.szerokoscPanelaPrawego", QStringLiteral("nan"), 200.0},
        ZapisanaWartosc{"KartaPortfolio.statusPaskaZakresu", QStringLiteral("0"), 8},
        ZapisanaWartosc{"KartaPortfolio.statusPaskaZakresu", QStringLiteral("9"), 8},
        ZapisanaWartosc{"KartaPortfolio.statusPaskaZakresu", QStringLiteral("4294967297"), 8},
        ZapisanaWartosc{"KartaPortfolio.statusPaskaZakresu", QStringLiteral("nan"), 8},
        ZapisanaWartosc{"KartaPortfolio.statusPaskaZakresu", QStringLiteral("1"), 1},
        ZapisanaWartosc{"KartaPortfolio.wybranyWidok", QStringList{QStringLiteral("A"), QStringLiteral("B")},
                        QStringLiteral("Main Flow")},
        ZapisanaWartosc{"KartaPortfolio.wybranyWidok", QStringLiteral("Alpha, Beta"), QStringLiteral("Alpha, Beta")},
        ZapisanaWartosc{"KartaPortfolio.wybranyWidok", QString(), QString()}));
