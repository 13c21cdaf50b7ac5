#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/Potok.h"
#include "Model/SCEvents.h"

#include "Platform/Ui/ModalGateProbe.h"

#include "Support/PortfolioTestowe.h"

#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

using ObserwatorZmianNaDyskuOknoModalne = PortfolioTestowe;

TEST_F(ObserwatorZmianNaDyskuOknoModalne, ChangesWaitWhileAMessageBoxRunsAndArriveAfterItCloses)
{
    ModalGateProbe::install();
    const QString wszystkieFasolki = katalog(QStringLiteral("All Beans"));
    ObserwatorZmianNaDysku::zainstaluj(0.05);
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    auto *obserwator = dynamic_cast<ObserwatorZmianNaDysku *>(baza->obserwatorZmianNaDysku());
    ASSERT_NE(obserwator, nullptr);
    // "All Beans" with "_Main_Flow", and "Archived Beans".
    ASSERT_TRUE(QTest::qWaitFor([&] { return obserwator->events()->liczbaObserwowanychKatalogow() == 3; }, 5000));

    QMessageBox okno(QMessageBox::Information, QStringLiteral("Held"), QStringLiteral("Changes wait."));
    bool potokWidocznyPodczasOkna = true;
    QTimer::singleShot(50, &okno, [&] { QDir().mkdir(wszystkieFasolki + QStringLiteral("/During")); });
    // Many times the latency after the change, and still inside the alert's own loop.
    QTimer::singleShot(700, &okno, [&] {
        potokWidocznyPodczasOkna = baza->znajdzPotokONazwie(QStringLiteral("During")) != nullptr;
        okno.done(QMessageBox::Ok);
    });
    okno.exec();

    EXPECT_FALSE(potokWidocznyPodczasOkna);
    EXPECT_TRUE(QDir(wszystkieFasolki + QStringLiteral("/During")).exists());
    EXPECT_TRUE(QTest::qWaitFor([&] { return baza->znajdzPotokONazwie(QStringLiteral("During")) != nullptr; }, 5000));
    // The watcher goes with its graph, before the application does.
    StosCoreData::sharedStosCoreData()->nowyKontekst();
}

} // namespace
