#include "Support/CzasyOczekiwania.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/ObserwacjaPortfolio.h"
#include "Support/PortfolioTestowe.h"

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

// The portfolio folder renamed, moved or deleted by another program while the graph watches it:
// the graph follows it wherever its stored location leads, or tells that it cannot be found and
// makes nothing at either place.
namespace {

struct PrzypadekPrzeniesienia
{
    const char *nazwa;
    const char *zapisanaBaza; // relative to the test folder, as stored
    const char *skad;         // what another program moves
    const char *dokad;        // where to; empty: deleted
    const char *nowyKorzen;   // where the graph follows to; empty: nowhere
    const char *nowaBaza;     // the stored path afterwards
};

const PrzypadekPrzeniesienia przypadkiPrzeniesienia[] = {
    {"BazaPrzemianowana", "Biuro", "Biuro", "Biuro 2", "Biuro 2/Tarrowind", "Biuro 2"},
    {"BazaPrzeniesionaPoziomWyzej", "a/Biuro", "a/Biuro", "Biuro", "Biuro/Tarrowind", "Biuro"},
    {"PortfolioZapisaneWprostPrzeniesionePoziomWyzej", "Biuro/Tarrowind", "Biuro/Tarrowind", "Tarrowind", "Tarrowind",
     "Tarrowind"},
    {"PortfolioPrzemianowane", "Biuro", "Biuro/Tarrowind", "Biuro/Tarrowind stary", "", "Biuro"},
    // The stored folder is found under its new name, but holds no "Tarrowind".
    {"PortfolioZapisaneWprostPrzemianowane", "Biuro/Tarrowind", "Biuro/Tarrowind", "Biuro/Portfolio", "",
     "Biuro/Tarrowind"},
    {"BazaPrzeniesionaDoSasiedniegoKatalogu", "Biuro", "Biuro", "Inny/Biuro", "", "Biuro"},
    {"PortfolioUsuniete", "Biuro", "Biuro/Tarrowind", "", "", "Biuro"},
};

class PrzeniesionePortfolioTest : public PortfolioTestowe
{
protected:
    void TearDown() override
    {
        BazaFasolek::setPortfolioNieZnalezione({});
        PortfolioTestowe::TearDown();
    }

    // Main Flow with an active file bean, flow "Druga" with an inactive folder bean, one archived
    // bean; the stored base `baza`, the graph built and watched.
    void zbudujPortfolio(const QString &baza)
    {
        const QString korzen = SpecKatalog::korzenDlaBazy(m_baza.sciezka(baza));
        const QString wzgledny = QDir(m_baza.sciezka()).relativeFilePath(korzen);
        m_baza.plik(wzgledny + QStringLiteral("/All Beans/_Main_Flow/Plan.txt"));
        m_baza.plik(wzgledny + QStringLiteral("/All Beans/Druga/_Inactive/Projekt/notatka.txt"));
        m_baza.plik(wzgledny + QStringLiteral("/Archived Beans/_Main_Flow/Stara.txt"));
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(m_baza.sciezka(baza)));
        BazaFasolek::setPortfolioNieZnalezione([this](const QString &utracony, const BladOperacji &blad) {
            m_nieZnalezione << utracony + QStringLiteral(" | ") + blad.przyczyna;
        });
        ASSERT_TRUE(obserwujDyskWszedzie());
    }

    bool obserwujDyskWszedzie()
    {
        ObserwatorZmianNaDysku::zainstaluj(0.05);
        BazaFasolek::sharedBazaFasolek();
        return czekajNaObserwacjePortfolio();
    }

    static BazaFasolek *baza() { return BazaFasolek::sharedBazaFasolek(); }

    // Each flow and flow archive with its beans: object, path below the portfolio folder, status.
    static QStringList graf(const QString &korzen)
    {
        QStringList stan;
        const auto wzgledny = [&](const QString &url) {
            return url.startsWith(korzen + u'/') ? url.mid(korzen.size()) : QStringLiteral("poza: ") + url;
        };
        const auto fasolki = [&](const ZbiorObiektow<Fasolka> &zbior) {
            for (Fasolka *f : zbior)
                stan << QStringLiteral("  %1 %2 %3")
                            .arg(quintptr(f), 0, 16)
                            .arg(wzgledny(f->bytFasolki()->plikowyURL()))
                            .arg(f->statusFasolki());
        };
        for (Potok *p : baza()->potoki()) {
            stan << QStringLiteral("%1 %2").arg(quintptr(p), 0, 16).arg(wzgledny(p->bytPotoku()->plikowyURL()));
            fasolki(p->fasolki());
        }
        for (ArchiwumPotoku *a : baza()->archiwum()->archiwaPotokow()) {
            stan << QStringLiteral("%1 %2").arg(quintptr(a), 0, 16).arg(wzgledny(a->katalog()->plikowyURL()));
            fasolki(a->fasolki());
        }
        stan.sort();
        return stan;
    }

    void przenies(const char *skad, const char *dokad)
    {
        const QString zrodlo = m_baza.sciezka(QString::fromUtf8(skad));
        if (*dokad == '\0') {
            ASSERT_TRUE(QDir(zrodlo).removeRecursively());
            return;
        }
        const QString cel = m_baza.sciezka(QString::fromUtf8(dokad));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(cel).path()));
        // Another program's plain rename(2).
        ASSERT_EQ(std::rename(QFile::encodeName(zrodlo).constData(), QFile::encodeName(cel).constData()), 0);
    }

    static QString zapisanaSciezka()
    {
        return UserDefaults::standard()
            .dictionaryForKey(QLatin1String(SpecKatalog::kluczUrlaBazowego))
            .value(QStringLiteral("path"))
            .toString();
    }

    QStringList m_nieZnalezione;
};

TEST_F(PrzeniesionePortfolioTest, TheGraphFollowsThePortfolioWhereItsStoredLocationLeadsOrTellsItIsLost)
{
    for (const PrzypadekPrzeniesienia &p : przypadkiPrzeniesienia) {
        SCOPED_TRACE(p.nazwa);
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        m_nieZnalezione.clear();
        for (const QString &wpis : QDir(m_baza.sciezka()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries))
            ASSERT_TRUE(QDir(m_baza.sciezka(wpis)).removeRecursively());
        ASSERT_NO_FATAL_FAILURE(zbudujPortfolio(QString::fromUtf8(p.zapisanaBaza)));
        const QString staryKorzen = SpecKatalog::sharedSpecKatalog()->urlKorzenia();
        const QStringList przed = graf(staryKorzen);
        ASSERT_EQ(przed.size(), 6) << przed.join(u'\n').toStdString();

        QStringList przeniesione = migawkaKatalogu(m_baza.sciezka(QString::fromUtf8(p.skad)));
        ASSERT_NO_FATAL_FAILURE(przenies(p.skad, p.dokad));

        const bool podaza = *p.nowyKorzen != '\0';
        if (podaza) {
            const QString nowyKorzen = m_baza.sciezka(QString::fromUtf8(p.nowyKorzen));
            ASSERT_TRUE(QTest::qWaitFor([&] { return graf(nowyKorzen) == przed; }, czasNaZdarzenieMs))
                << "the graph did not follow, or lost its objects:\n"
                << graf(nowyKorzen).join(u'\n').toStdString();
            EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlKorzenia(), nowyKorzen);
            EXPECT_TRUE(m_nieZnalezione.isEmpty()) << m_nieZnalezione.join(u'\n').toStdString();
            // The watch moved along: another program's new file at the new place reaches the graph.
            ASSERT_TRUE(czekajNaObserwacjePortfolio());
            m_baza.plik(QString::fromUtf8(p.nowyKorzen) + QStringLiteral("/All Beans/_Main_Flow/Nowa.txt"));
            przeniesione = migawkaKatalogu(m_baza.sciezka(QString::fromUtf8(p.dokad)));
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return baza()->potokGlowny()->fasolki().size() == 2; }, czasNaZdarzenieMs));
        } else {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !m_nieZnalezione.isEmpty(); }, czasNaZdarzenieMs))
                << "the user was not told";
            EXPECT_TRUE(m_nieZnalezione.constFirst().startsWith(staryKorzen + QStringLiteral(" | The folder \u201C")))
                << m_nieZnalezione.constFirst().toStdString();
            EXPECT_TRUE(m_nieZnalezione.constFirst().endsWith(QStringLiteral("\u201D couldn\u2019t be found.")));
            EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlKorzenia(), staryKorzen);
            przeczekajCisze();
            EXPECT_EQ(m_nieZnalezione.size(), 1);
            EXPECT_TRUE(baza()->potoki().isEmpty());
        }
        EXPECT_EQ(zapisanaSciezka(), m_baza.sciezka(QString::fromUtf8(p.nowaBaza)));
        // Nothing made at the old place, nor an empty portfolio where the stored location now leads.
        EXPECT_FALSE(QFileInfo::exists(staryKorzen));
        if (*p.dokad != '\0') {
            EXPECT_EQ(migawkaKatalogu(m_baza.sciezka(QString::fromUtf8(p.dokad))), przeniesione)
                << "something was made or taken in the moved folder";
        }
    }
}

// Put back where it was, the portfolio is read again; the user was told of the loss once.
TEST_F(PrzeniesionePortfolioTest, APortfolioPutBackAfterItWasLostIsReadAgainAndTheLossToldOnce)
{
    ASSERT_NO_FATAL_FAILURE(zbudujPortfolio(QStringLiteral("Biuro")));
    const QString korzen = SpecKatalog::sharedSpecKatalog()->urlKorzenia();
    const QStringList przed = graf(korzen);
    const QStringList dysk = migawkaKatalogu(m_baza.sciezka());
    ASSERT_NO_FATAL_FAILURE(przenies("Biuro/Tarrowind", "Tarrowind stary"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return baza()->potoki().isEmpty(); }, czasNaZdarzenieMs));

    ASSERT_NO_FATAL_FAILURE(przenies("Tarrowind stary", "Biuro/Tarrowind"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return baza()->potoki().size() == 2; }, czasNaZdarzenieMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return baza()->archiwum()->archiwaPotokow().size() == 1; }, czasNaZdarzenieMs));
    EXPECT_EQ(graf(korzen).size(), przed.size());
    EXPECT_EQ(migawkaKatalogu(m_baza.sciezka()), dysk);
    EXPECT_EQ(m_nieZnalezione.size(), 1);
}

} // namespace

// Followed to its new name and then lost: the loss names the folder as it was last followed, not its first name.
TEST_F(PrzeniesionePortfolioTest, APortfolioLostAfterItWasFollowedIsToldByItsLastName)
{
    ASSERT_NO_FATAL_FAILURE(zbudujPortfolio(QStringLiteral("Biuro")));
    ASSERT_NO_FATAL_FAILURE(przenies("Biuro", "Biuro 2"));
    const QString nowyKorzen = m_baza.sciezka(QStringLiteral("Biuro 2/Tarrowind"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return SpecKatalog::sharedSpecKatalog()->urlKorzenia() == nowyKorzen; },
                                czasNaZdarzenieMs));
    ASSERT_TRUE(czekajNaObserwacjePortfolio());

    ASSERT_NO_FATAL_FAILURE(przenies("Biuro 2", ""));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_nieZnalezione.isEmpty(); }, czasNaZdarzenieMs))
        << "the user was not told";
    EXPECT_EQ(m_nieZnalezione.constFirst(),
              nowyKorzen + QStringLiteral(" | The folder \u201CBiuro 2\u201D couldn\u2019t be found."));
}
