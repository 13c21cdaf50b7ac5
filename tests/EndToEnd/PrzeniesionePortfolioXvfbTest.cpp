#include "Support/CzasyOczekiwania.h"
#include "Support/ObserwacjaPortfolio.h"
#include "Support/Ui/UruchomionyWBiurze.h"
#include "Support/ZrzutOkna.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

// The window after another program renamed the portfolio's base folder, and the sheet that tells of a
// portfolio moved out of reach; the screenshots are for people to look at.
namespace {

class PrzeniesionePortfolioXvfb : public UruchomionyWBiurze
{
protected:
    void SetUp() override
    {
        UruchomionyWBiurze::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
        m_lista = pierwszyWidoczny<WidokTabeliFasolkiPotoku>();
        ASSERT_NE(m_lista, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_lista->kontrolerTablicy()->rowCount() > 2; }, czasNaZdarzenieMs));
        ASSERT_TRUE(czekajNaObserwacjePortfolio());
    }

    WidokTabeliFasolkiPotoku *m_lista = nullptr;
};

TEST_F(PrzeniesionePortfolioXvfb, TheFlowListAfterTheBaseFolderWasRenamed)
{
    KontrolerTablicy *tablica = m_lista->kontrolerTablicy();
    const int wiersze = tablica->rowCount();
    auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(0));
    ASSERT_NE(fasolka, nullptr);
    m_lista->selectionModel()->select(tablica->index(0, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    ASSERT_NO_FATAL_FAILURE(przenies(QStringLiteral("Biuro"), QStringLiteral("Biuro po zmianie nazwy")));

    const QString nowyKorzen = m_baza.sciezka(QStringLiteral("Biuro po zmianie nazwy/Tarrowind/"));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return fasolka->bytFasolki()->plikowyURL().startsWith(nowyKorzen); }, czasNaZdarzenieMs));
    QTest::qWait(100);
    EXPECT_EQ(tablica->rowCount(), wiersze);
    EXPECT_EQ(tablica->selectedObjects(), QList<QObject *>{fasolka});
    zrzutOkna(m_okno, QStringLiteral("portfolio-followed-after-rename.png"));
}

TEST_F(PrzeniesionePortfolioXvfb, TheSheetTellingThePortfolioCannotBeFound)
{
    QString tekst;
    // Looks from inside the sheet's own modal loop.
    QTimer szukanie;
    szukanie.setInterval(50);
    QObject::connect(&szukanie, &QTimer::timeout, m_okno, [&] {
        QWidget *arkusz = QApplication::activeModalWidget();
        if (!arkusz || !arkusz->isVisible() || !QTest::qWaitForWindowExposed(arkusz))
            return;
        szukanie.stop();
        QTest::qWait(100);
        zrzutOkien({m_okno, arkusz}, QStringLiteral("portfolio-not-found.png"));
        if (auto *pole = qobject_cast<QMessageBox *>(arkusz))
            tekst = pole->text();
        if (auto *dialog = qobject_cast<QDialog *>(arkusz))
            dialog->done(0);
    });
    szukanie.start();

    ASSERT_NO_FATAL_FAILURE(przenies(QStringLiteral("Biuro/Tarrowind"), QStringLiteral("Kosz/Tarrowind")));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !tekst.isEmpty(); }, 10000)) << "no sheet showed";
    EXPECT_EQ(tekst, QStringLiteral("The folder \u201CTarrowind\u201D couldn\u2019t be found."));
}

} // namespace
