#include "Support/CzasyOczekiwania.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/ObserwacjaPortfolio.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/NagrywarkaWyboruKatalogu.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyWBiurze.h"

#include "App/ChangePortfolioLocationController.h"
#include "App/ChangePortfolioLocationPanel.h"
#include "App/PreferencesWindowController.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/TreeCopier.h"
#include "Platform/UserDefaults.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/KontrolerTablicy.h"

#include <QFileInfo>
#include <QPushButton>
#include <QStackedWidget>

#include <atomic>
#include <chrono>
#include <thread>

// The portfolio renamed or moved by another program while the program's own window shows a flow.
namespace {

using namespace PolecenieWOknie;

class PrzeniesionePortfolioWProgramie : public UruchomionyWBiurze
{
protected:
    void TearDown() override
    {
        TreeCopier::setCopiedHookForTests({});
        UruchomionyWBiurze::TearDown();
    }

    WidokTabeliFasolkiPotoku *lista() const { return widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno); }
    QString tytulListy() const
    {
        return lista()->model()->headerData(KontrolerListyFasolek::KolumnaNazwa, Qt::Horizontal).toString();
    }

    NagrywarkaAlertow m_alerty;
};

// The base folder renamed: the list keeps its beans, and a status key acts on the bean at its new place.
TEST_F(PrzeniesionePortfolioWProgramie, ARenamedBaseFolderIsFollowedAndAStatusKeyActsThere)
{
    ASSERT_NE(lista(), nullptr);
    KontrolerTablicy *tablica = lista()->kontrolerTablicy();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica->rowCount() > 2; }, czasNaZdarzenieMs));
    ASSERT_TRUE(czekajNaObserwacjePortfolio());
    const QString tytul = tytulListy();
    const int wiersze = tablica->rowCount();
    KontrolerBiezacegoWidokuSzczegolow *widok =
        kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerBiezacegoWidokuSzczegolow();
    Fasolka *fasolka = nullptr;
    for (int w = 0; w < wiersze && !fasolka; ++w) {
        auto *kandydat = qobject_cast<Fasolka *>(tablica->obiektWWierszu(w));
        if (kandydat && kandydat->statusFasolki() == Fasolka::sfAktywna)
            fasolka = kandydat;
    }
    ASSERT_NE(fasolka, nullptr);
    const QString nazwaPliku = QFileInfo(fasolka->bytFasolki()->plikowyURL()).fileName();

    ASSERT_NO_FATAL_FAILURE(przenies(QStringLiteral("Biuro"), QStringLiteral("Biuro 2")));

    const QString nowyKorzen = m_baza.sciezka(QStringLiteral("Biuro 2/Tarrowind"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fasolka->bytFasolki()->plikowyURL().startsWith(nowyKorzen + u'/'); },
                                czasNaZdarzenieMs))
        << "the bean did not follow: " << fasolka->bytFasolki()->plikowyURL().toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(tytulListy(), tytul);
    EXPECT_EQ(tablica->rowCount(), wiersze);
    EXPECT_EQ(kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerBiezacegoWidokuSzczegolow(), widok)
        << "the tab left its view";
    EXPECT_EQ(UserDefaults::standard()
                  .dictionaryForKey(QLatin1String(SpecKatalog::kluczUrlaBazowego))
                  .value(QStringLiteral("path"))
                  .toString(),
              m_baza.sciezka(QStringLiteral("Biuro 2")));

    // The flow's items outline follows as well: another program's new item at the new place shows.
    auto *zarys = widocznyWidok<WidokZaryseliRzeczyKatalogu>(m_okno);
    ASSERT_NE(zarys, nullptr);
    m_baza.plik(QStringLiteral("Biuro 2/Tarrowind/All Beans/_Main_Flow/_Flow_Items/nowa rzecz.txt"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return !zarys->model()
                        ->match(zarys->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("nowa rzecz.txt"), 1,
                                Qt::MatchFixedString)
                        .isEmpty();
        },
        czasNaZdarzenieMs))
        << "the items outline did not follow";

    ASSERT_TRUE(aktywuj(m_okno));
    const QModelIndex indeks = tablica->index(tablica->wierszObiektu(fasolka), KontrolerListyFasolek::KolumnaNazwa);
    QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, lista()->visualRect(indeks).center());
    ASSERT_EQ(tablica->selectedObjects(), QList<QObject *>{fasolka});
    QTest::keyClick(lista(), Qt::Key_4, Qt::ControlModifier);

    const QString cel = nowyKorzen + QStringLiteral("/All Beans/_Main_Flow/_Inactive/") + nazwaPliku;
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(cel); }, czasNaZdarzenieMs))
        << "not made inactive there";
    EXPECT_EQ(fasolka->statusFasolki(), Fasolka::sfNieaktywna);
    EXPECT_FALSE(QFileInfo::exists(biuro())) << "something was made at the old place";
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

// Moved where its stored location does not lead: the user is told once, the window stays, and
// nothing is made at the old place.
TEST_F(PrzeniesionePortfolioWProgramie, APortfolioMovedWhereNothingLeadsIsToldAndNothingIsMadeAtTheOldPlace)
{
    ASSERT_NE(lista(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lista()->kontrolerTablicy()->rowCount() > 2; }, czasNaZdarzenieMs));
    ASSERT_TRUE(czekajNaObserwacjePortfolio());
    const QString korzen = biuro() + QStringLiteral("/Tarrowind");
    const QStringList dysk = migawkaKatalogu(korzen);

    ASSERT_NO_FATAL_FAILURE(przenies(QStringLiteral("Biuro/Tarrowind"), QStringLiteral("Kosz/files/Tarrowind")));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_alerty.wpisy().isEmpty(); }, czasNaZdarzenieMs)) << "not told";
    const Alert &alert = m_alerty.wpisy().constFirst().alert;
    EXPECT_EQ(alert.messageText(), QStringLiteral("The folder \u201CTarrowind\u201D couldn\u2019t be found."));
    EXPECT_TRUE(alert.informativeText().contains(QStringLiteral("\u201C") + korzen + QStringLiteral("\u201D")))
        << alert.informativeText().toStdString();
    przeczekajCisze();
    EXPECT_EQ(m_alerty.wpisy().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(korzen)) << "a portfolio was made again at the old place";
    EXPECT_EQ(migawkaKatalogu(m_baza.sciezka(QStringLiteral("Kosz/files/Tarrowind"))), dysk);
    EXPECT_TRUE(m_okno->isVisible());
}

// The program's own change of location takes the portfolio away from under the watch: while it moves the
// portfolio, a loss that reaches the graph is no news to tell.
TEST_F(PrzeniesionePortfolioWProgramie, ALossReportedWhileAChangeOfLocationMovesThePortfolioIsNotTold)
{
    const auto inny = KatalogTestowy::katalogNaInnymSystemiePlikow(m_baza.sciezka());
    if (!inny)
        GTEST_SKIP() << "no second file system at /dev/shm";
    ASSERT_TRUE(czekajNaObserwacjePortfolio());
    // The copy waits at its first file until the loss has reached the graph.
    std::atomic<bool> kopiaCzeka = false;
    std::atomic<bool> kopiaMozeIsc = false;
    TreeCopier::setCopiedHookForTests([&](const QString &) {
        kopiaCzeka = true;
        while (!kopiaMozeIsc)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    NagrywarkaWyboruKatalogu wybor({inny->path()});
    m_alerty.dodajOdpowiedz(Alert::firstButton); // "Close windows"
    m_uruchomienie->delegat().otworzPreferencje(nullptr);
    PreferencesWindowController *preferencje = m_uruchomienie->delegat().kontrolerOknaPreferencji();
    ASSERT_NE(preferencje, nullptr);
    QPointer<ChangePortfolioLocationController> zmiana = preferencje->changePortfolioLocationController;
    ASSERT_TRUE(zmiana);
    zmiana->setShouldMigratePortfolio(true);
    preferencje->openChangePortfolioLocationPanel(nullptr);
    ChangePortfolioLocationPanel &panel = *zmiana->panel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.isVisible(); }, czasNaZdarzenieMs));
    panel.findChild<QPushButton *>(QStringLiteral("operateButton"))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return kopiaCzeka.load(); }, czasNaZdarzenieMs));

    ASSERT_NO_FATAL_FAILURE(przenies(QStringLiteral("Biuro/Tarrowind"), QStringLiteral("Tarrowind na chwile")));
    const bool zgloszona = QTest::qWaitFor(
        [&] { return m_konsola.filter(QStringLiteral("nie znaleziono portfolio")).size() == 1; }, czasNaZdarzenieMs);
    przeczekajCisze();
    ASSERT_NO_FATAL_FAILURE(przenies(QStringLiteral("Tarrowind na chwile"), QStringLiteral("Biuro/Tarrowind")));
    kopiaMozeIsc = true;
    ASSERT_TRUE(zgloszona) << "the loss never reached the graph";

    ASSERT_TRUE(
        QTest::qWaitFor([&] { return panel.tabView->currentWidget() == panel.doneTab; }, 3 * czasNaZdarzenieMs));
    przeczekajCisze();
    ASSERT_EQ(m_alerty.wpisy().size(), 1) << m_alerty.wpisy().constLast().alert.messageText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(biuro() + QStringLiteral("/Tarrowind")));
    EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlBazowy(), inny->path() + QStringLiteral("/Tarrowind"));
}

} // namespace
