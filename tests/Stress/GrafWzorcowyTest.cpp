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
    // The generated flows and archives, and beside them what a listing has to tell apart: names in
    // either normal form and outside the encoding, links, a fifo, hidden entries, look-alikes of the
    // status folders, a status folder that is a file, items where no bean can be.
    void rozlozPortfolio()
    {
        QDir(R()).removeRecursively();
        const GeneratorPortfolio::Uklad uklad{.potoki = 5,
                                              .fasolkiNaPotok = 24,
                                              .plikiWFasolceKatalogowej = 2,
                                              .plikiWRzeczachPotoku = 2,
                                              .fasolkiNaArchiwumPotoku = 3};
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), uklad).udany);
        QDir(R(QStringLiteral("All Beans/Potok 0002/_Ready"))).removeRecursively();
        const QString nfd = QStringLiteral("All Beans/_Main_Flow/Żółw.txt|All Beans/Źródła/_Incubation/Szkic.txt")
                                .normalized(QString::NormalizationForm_D);
        const QString pliki = QStringLiteral(
            "All Beans/_Main_Flow/notatki|All Beans/_Main_Flow/.ukryty|All Beans/_Main_Flow/Łąka/expected outcome.txt|"
            "All Beans/_Main_Flow/Łąka/.ukryty|All Beans/_Main_Flow/Łąka/_Done/x.md|All "
            "Beans/_Main_Flow/_done/plan.txt|"
            "All Beans/_Main_Flow/_Flow_Items/Teczka/a.txt|All Beans/luzny.txt|Archived Beans/luzny.pdf|"
            "Archived Beans/Stary/Raport.odt|All Beans/Potok 0002/_Ready|");
        for (const QString &plik : QString(pliki + nfd).split(u'|')) {
            QDir().mkpath(QFileInfo(R(plik)).absolutePath());
            zapiszPlik(R(plik), "x");
        }
        QDir(R()).mkpath(QStringLiteral("All Beans/Potok 0003/_Waiting_For/Pusty"));
        QDir(R()).mkpath(QStringLiteral("Archived Beans/Pusty"));
        const QString glowny = QStringLiteral("All Beans/_Main_Flow/");
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

    QFile plik(QStringLiteral(TARROWIND_KATALOG_STRESS "/GrafWzorcowy.txt"));
    if (qEnvironmentVariableIntValue("TARROWIND_ZAPISZ_WZORZEC") == 1) {
        ASSERT_TRUE(plik.open(QIODevice::WriteOnly | QIODevice::Truncate));
        plik.write(poBudowie.join(u'\n').toUtf8() + '\n');
        GTEST_SKIP() << "written " << plik.fileName().toStdString();
    }
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly)) << plik.fileName().toStdString();
    const QStringList wzorzec = QString::fromUtf8(plik.readAll()).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(poBudowie, wzorzec);

    baza()->synchronizujZDyskiem();
    baza()->archiwum()->synchronizujZDyskiem();
    EXPECT_EQ(zapis(baza()), wzorzec);
}

} // namespace
