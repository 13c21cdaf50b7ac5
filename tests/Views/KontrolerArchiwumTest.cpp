#include "Support/PortfolioTestowe.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/Ui/ZrzutPlikuZInnegoProgramu.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Platform/Konsola.h"
#include "Platform/PreviewItem.h"
#include "Views/KontrolerArchiwum.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/ListwaFiltra.h"
#include "Views/ProxyArchiwum.h"
#include "Views/WidokTabeliFasolkiZarchiwizowane.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <functional>

// The archive view over a small portfolio: Main Flow's archive holds a file bean and a folder bean,
// "Drugi"'s archive two file beans; each flow has one bean in work.
class KontrolerArchiwumTest : public PortfolioTestowe
{
protected:
    void SetUp() override
    {
        PortfolioTestowe::SetUp();
        for (const char *sciezka :
             {"All Beans/_Main_Flow/aktywna", "All Beans/Drugi/obca", "Archived Beans/_Main_Flow/stara",
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
            wynik << (qobject_cast<ArchiwumPotoku *>(obiekt)
                          ? QLatin1Char('[') + static_cast<ArchiwumPotoku *>(obiekt)->nazwa() + QLatin1Char(']')
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

TEST_F(KontrolerArchiwumTest, DropsBetweenRowsGoToTheFlowArchiveAboveAndLandAFifthOfASecondLater)
{
    WidokTabeliFasolkiZarchiwizowane *tabela = m_kontroler.widokTabeli();
    m_kontroler.view()->resize(500, 400);
    m_kontroler.view()->show();
    QCoreApplication::processEvents();
    // Rows: [Main Flow] stara teczka [Drugi] dawna minona.
    const auto wiersz = [&](QObject *obiekt) {
        return tabela->visualRect(
            tablica()->index(tablica()->wierszObiektu(obiekt), KontrolerListyFasolek::KolumnaNazwa));
    };
    const auto glowne = [&] { return static_cast<QObject *>(archiwumPotoku("Main Flow")); };
    const auto drugie = [&] { return static_cast<QObject *>(archiwumPotoku("Drugi")); };
    // `cel` nullptr: refused; `ramka`: the framed row's object.
    const struct
    {
        const char *nazwa;
        std::function<QPoint()> miejsce;
        std::function<QObject *()> ramka;
        const char *cel;
    } przypadki[] = {
        {"miedzy_fasolkami", [&] { return QPoint(200, wiersz(fasolka("dawna")).bottom()); }, drugie,
         "Archived Beans/Drugi/"},
        {"tuz_nad_naglowkiem", [&] { return QPoint(200, wiersz(drugie()).top()); }, glowne,
         "Archived Beans/_Main_Flow/"},
        {"na_naglowek", [&] { return QPoint(200, wiersz(drugie()).center().y()); }, drugie, "Archived Beans/Drugi/"},
        {"pod_ostatnim", [&] { return QPoint(200, wiersz(fasolka("minona")).bottom() + 30); }, drugie,
         "Archived Beans/Drugi/"},
        {"na_teczke", [&] { return QPoint(200, wiersz(fasolka("teczka")).center().y()); },
         [&] { return static_cast<QObject *>(fasolka("teczka")); }, "Archived Beans/_Main_Flow/teczka/"},
        {"nad_pierwszym", [&] { return QPoint(200, wiersz(glowne()).top()); }, nullptr, nullptr},
        {"na_plik", [&] { return QPoint(200, wiersz(fasolka("stara")).center().y()); }, nullptr, nullptr},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        ZrzutPlikuZInnegoProgramu zrzut(m_baza.plik(QStringLiteral("obce/") + QString::fromLatin1(p.nazwa)), tabela,
                                        p.miejsce());
        EXPECT_EQ(zrzut.wejdz(), p.cel != nullptr);
        EXPECT_EQ(tabela->wierszCeluZrzutu(), p.ramka ? tablica()->wierszObiektu(p.ramka()) : -1);
        EXPECT_EQ(zrzut.upusc(), p.cel != nullptr) << "a place refused while dragging takes the drop";
        EXPECT_EQ(tabela->wierszCeluZrzutu(), -1);
        zrzut.oczekujPliku(p.cel ? R(QString::fromLatin1(p.cel) + QString::fromLatin1(p.nazwa)) : QString());
    }
}

TEST_F(KontrolerArchiwumTest, OnlyTheSelectedBeansFilesAreDraggedInRowOrder)
{
    const struct
    {
        const char *nazwa;
        QList<QObject *> zaznaczone;
        QStringList sciezki;
    } przypadki[] = {
        {"headers only", {archiwumPotoku("Drugi"), archiwumPotoku("Main Flow")}, {}},
        {"header and two beans",
         {fasolka("minona"), archiwumPotoku("Main Flow"), fasolka("stara")},
         {R(QStringLiteral("Archived Beans/_Main_Flow/stara")), R(QStringLiteral("Archived Beans/Drugi/minona"))}},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        tablica()->setSelectedObjects(p.zaznaczone);
        EXPECT_EQ(m_kontroler.widokTabeli()->sciezkiDoPrzeciagniecia(), p.sciezki);
    }
}

TEST_F(KontrolerArchiwumTest, ThePreviewShowsTheArchiveFolderWithNothingSelectedElseTheSelection)
{
    ASSERT_EQ(m_kontroler.numberOfPreviewItemsInPreviewPanel(nullptr), 1);
    PreviewItem *element = m_kontroler.previewPanelPreviewItemAtIndex(nullptr, 0);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->previewItemURL(), R(QStringLiteral("Archived Beans")));
    tablica()->setSelectedObjects({fasolka("teczka"), fasolka("dawna")});
    ASSERT_EQ(m_kontroler.numberOfPreviewItemsInPreviewPanel(nullptr), 2);
    EXPECT_EQ(m_kontroler.previewPanelPreviewItemAtIndex(nullptr, 1)->previewItemURL(),
              R(QStringLiteral("Archived Beans/Drugi/dawna")));
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
        WidokZaryseliPaskaNawigacji *pasek =
            kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerPaskaNawigacji()->widokZaryseli();
        const QModelIndex wiersz =
            pasek->model()
                ->match(pasek->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("Archived Beans"))
                .value(0);
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
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return m_okno->childAt(przycisk->mapTo(m_okno, przycisk->rect().center())) == przycisk; }));
    QTest::mouseClick(przycisk, Qt::LeftButton);
    const QString katalog = BazaFasolek::sharedBazaFasolek()->archiwum()->katalog()->plikowyURL();
    EXPECT_EQ(m_wywolania, QStringList{QStringLiteral("open ") + katalog});
}

TEST_F(KontrolerArchiwumWProgramieTest, ARightClickOpensTheMenuOfTheClickedRowsItem)
{
    KontrolerTablicy *tablica = m_tabela->kontrolerTablicy();
    // The second flow archive's header and its first bean, so that a row taken one off shows.
    int naglowek = -1;
    for (int wiersz = 1; wiersz < tablica->rowCount() && naglowek < 0; ++wiersz)
        if (qobject_cast<ArchiwumPotoku *>(tablica->obiektWWierszu(wiersz)))
            naglowek = wiersz;
    ASSERT_GT(naglowek, 0);
    auto *archiwumPotoku = static_cast<ArchiwumPotoku *>(tablica->obiektWWierszu(naglowek));
    auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(naglowek + 1));
    ASSERT_NE(fasolka, nullptr);
    const struct
    {
        const char *nazwa;
        int wiersz;
        const char *polecenie;
        QString wywolanie;
    } przypadki[] = {
        {"flow archive", naglowek, "Open in File Manager",
         QStringLiteral("folder %1 []").arg(archiwumPotoku->katalog()->plikowyURL())},
        {"bean", naglowek + 1, "Show in File Manager", QStringLiteral("reveal ") + fasolka->bytFasolki()->plikowyURL()},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        m_wywolania.clear();
        PolecenieWOknie::kliknijPrawym(m_tabela,
                                       m_tabela->model()->index(p.wiersz, KontrolerListyFasolek::KolumnaNazwa));
        PolecenieWOknie::wybierzZMenu(PolecenieWOknie::otwarteMenu(), QString::fromLatin1(p.polecenie));
        EXPECT_EQ(m_wywolania.join('\n').toStdString(), p.wywolanie.toStdString());
    }
}

TEST_F(KontrolerArchiwumWProgramieTest, TheRowTypeToggleIsEnabledAndAPressWhereAStatusButtonWouldBeOnlySelects)
{
    QAbstractButton *przelacznik = nullptr;
    for (auto *przycisk : m_okno->findChildren<QAbstractButton *>(QStringLiteral("przyciskRodzajuWiersza")))
        if (przycisk->isVisible())
            przelacznik = przycisk;
    ASSERT_NE(przelacznik, nullptr);
    EXPECT_TRUE(przelacznik->isEnabled());

    KontrolerTablicy *tablica = m_tabela->kontrolerTablicy();
    tablica->setSelectedObjects({tablica->obiektWWierszu(0)});
    auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(1));
    ASSERT_NE(fasolka, nullptr);
    const QModelIndex indeks = m_tabela->model()->index(1, KontrolerListyFasolek::KolumnaNazwa);
    // A flow list's status button sits at the right end of the name cell.
    const QRect komorka = m_tabela->visualRect(indeks);
    QTest::mouseClick(m_tabela->viewport(), Qt::LeftButton, {}, QPoint(komorka.right() - 12, komorka.center().y()));
    EXPECT_EQ(tablica->selectedObjects(), QList<QObject *>{fasolka});
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "a status menu opened";
}
