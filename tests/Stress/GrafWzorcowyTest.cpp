#include "PortfolioPodObciazeniem.h"

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/StosCoreData.h"

#include "Platform/Paths.h"

#include "Support/GeneratorPortfolio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The graph that a build makes of one fixed portfolio, written down once and kept: a faster or
// smaller model must still build exactly this. TARROWIND_ZAPISZ_WZORZEC=1 writes it anew.
class GrafWzorcowy : public PortfolioPodObciazeniem
{
protected:
    static QString plikWzorca()
    {
        return QStringLiteral(TARROWIND_KATALOG_STRESS "/GrafWzorcowy.txt");
    }

    // The generated flows and archives, and beside them what a listing has to tell apart: names in
    // either normal form and outside the encoding, links, a fifo, hidden entries, look-alikes of the
    // status folders, a status folder that is a file, items where no bean can be.
    void rozlozPortfolio()
    {
        QDir(R()).removeRecursively();
        GeneratorPortfolio::Uklad uklad;
        uklad.potoki = 5;
        uklad.fasolkiNaPotok = 24;
        uklad.plikiWFasolceKatalogowej = 2;
        uklad.plikiWRzeczachPotoku = 2;
        uklad.fasolkiNaArchiwumPotoku = 3;
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), uklad).udany);
        QDir(R(QStringLiteral("All Beans/Potok 0002/_Ready"))).removeRecursively();
        const QString glowny = QStringLiteral("All Beans/_Main_Flow/");
        for (const QString &plik : QStringList{glowny + QStringLiteral("Żółw.txt").normalized(QString::NormalizationForm_D),
                                    glowny + QStringLiteral("notatki"), glowny + QStringLiteral(".ukryty"),
                                    glowny + QStringLiteral("Łąka/expected outcome.txt"),
                                    glowny + QStringLiteral("Łąka/.ukryty"), glowny + QStringLiteral("Łąka/_Done/x.md"),
                                    glowny + QStringLiteral("_done/plan.txt"),
                                    glowny + QStringLiteral("_Flow_Items/Teczka/a.txt"),
                                    QStringLiteral("All Beans/luzny.txt"), QStringLiteral("Archived Beans/luzny.pdf"),
                                    QStringLiteral("Archived Beans/Stary/Raport.odt"),
                                    QStringLiteral("All Beans/Potok 0002/_Ready"),
                                    QStringLiteral("All Beans/Źródła").normalized(QString::NormalizationForm_D)
                                        + QStringLiteral("/_Incubation/Szkic.txt")})
        {
            QDir().mkpath(QFileInfo(R(plik)).absolutePath());
            zapiszPlik(R(plik), "x");
        }
        QDir(R()).mkpath(QStringLiteral("All Beans/Potok 0003/_Waiting_For/Pusty"));
        QDir(R()).mkpath(QStringLiteral("Archived Beans/Pusty"));
        const auto dowiazanie = [&](const char *cel, const QString &gdzie) {
            ASSERT_EQ(symlink(cel, QFile::encodeName(R(gdzie)).constData()), 0);
        };
        dowiazanie("Łąka", glowny + QStringLiteral("link do katalogu"));
        dowiazanie("notatki", glowny + QStringLiteral("link do pliku.pdf"));
        dowiazanie("nie ma", glowny + QStringLiteral("zerwany"));
        dowiazanie("_Main_Flow", QStringLiteral("All Beans/link do potoku"));
        ASSERT_EQ(mkfifo(QFile::encodeName(R(glowny + QStringLiteral("kolejka"))).constData(), 0644), 0);
        zapiszPlik(QFile::encodeName(R(glowny)) + "\xff zla nazwa", "x");
    }

    // The comparison of the stress run, and the entities behind the beans and their folders.
    QStringList zapis(BazaFasolek *baza)
    {
        QStringList linie = migawkaGrafu(baza);
        const QString korzen = Paths::nfc(R());
        const auto opis = [&](BytSystemuPlikow *byt) {
            return QStringLiteral("%1 %2").arg(QString::fromLatin1(byt->metaObject()->className()),
                                               Paths::nfc(byt->plikowyURL()).mid(korzen.size()));
        };
        QStringList byty;
        const auto dzieci = [&](BytKatalogu *katalog) {
            for (BytSystemuPlikow *dziecko : katalog->bytyWewnetrzne())
                byty << QStringLiteral("w %1: %2").arg(opis(katalog), opis(dziecko));
        };
        for (Fasolka *fasolka : fasolkiGrafu()) {
            byty << QStringLiteral("byt ") + opis(fasolka->bytFasolki());
            if (fasolka->katalog())
                dzieci(fasolka->katalog());
        }
        for (Potok *potok : potokiGrafu()) {
            if (potok->katalogRzeczyPotoku())
                dzieci(potok->katalogRzeczyPotoku());
        }
        byty.sort();
        return linie + byty;
    }
};

TEST_F(GrafWzorcowy, ABuildAndAFullReReadGiveTheGraphWrittenDownBeforeTheModelWasMadeFaster)
{
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    BazaFasolek::setFabrykaObserwatoraZmianNaDysku({});
    rozlozPortfolio();
    const QStringList poBudowie = zapis(baza());

    QFile plik(plikWzorca());
    if (qEnvironmentVariableIntValue("TARROWIND_ZAPISZ_WZORZEC") == 1) {
        ASSERT_TRUE(plik.open(QIODevice::WriteOnly | QIODevice::Truncate));
        plik.write(poBudowie.join(u'\n').toUtf8() + '\n');
        GTEST_SKIP() << "written " << plikWzorca().toStdString();
    }
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly)) << plikWzorca().toStdString();
    const QStringList wzorzec = QString::fromUtf8(plik.readAll()).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(poBudowie, wzorzec);

    baza()->synchronizujZDyskiem();
    baza()->archiwum()->synchronizujZDyskiem();
    EXPECT_EQ(zapis(baza()), wzorzec);
}

} // namespace
