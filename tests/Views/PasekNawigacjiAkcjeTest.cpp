#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPaskiemNawigacji.h"
#include "Platform/PreviewItem.h"
#include "Platform/Ui/PreviewPanelDataSource.h"
#include "Platform/Ui/SplitView.h"
#include "Platform/UserDefaults.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/WidokKomorkiPaskaNawigacji.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Widgets/FileNameChangerField.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>

#include <functional>

namespace {

// The bar of the program's first window, driven by real events at its rows' places.
class PasekNawigacjiAkcjeTest : public UruchomionyProgram
{
protected:
    // A window opened with its bar hidden remembers that for the tabs after it.
    void TearDown() override
    {
        UruchomionyProgram::TearDown();
        UserDefaults::standard().removeObject(QStringLiteral("KartaPortfolio.czyWidocznyPasekNawigacji"));
    }

    KontrolerPaskaNawigacji *pasek() { return kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerPaskaNawigacji(); }
    WidokZaryseliPaskaNawigacji *zarys() { return pasek()->widokZaryseli(); }

    // The visible row showing `nazwa`; "separator" is the first row, which shows nothing.
    QModelIndex wiersz(const QString &nazwa)
    {
        if (nazwa == QLatin1String("separator"))
            return zarys()->indeksWiersza(0);
        for (int w = 0; zarys()->indeksWiersza(w).isValid(); ++w)
            if (zarys()->indeksWiersza(w).data().toString() == nazwa)
                return zarys()->indeksWiersza(w);
        return {};
    }
    QPoint srodek(const QString &nazwa) { return zarys()->visualRect(wiersz(nazwa)).center(); }
    QStringList nazwyWierszy()
    {
        QStringList nazwy;
        for (int w = 0; zarys()->indeksWiersza(w).isValid(); ++w)
            nazwy << zarys()->indeksWiersza(w).data().toString();
        return nazwy;
    }
    // The opaque pixels of a row dark enough to be its name's letters.
    int ciemnePiksele(const QModelIndex &indeks)
    {
        const QImage obraz = zarys()->viewport()->grab(zarys()->visualRect(indeks)).toImage();
        int ciemne = 0;
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                ciemne += qAlpha(obraz.pixel(x, y)) > 200 && qGray(obraz.pixel(x, y)) < 60 ? 1 : 0;
        return ciemne;
    }
    void kliknij(const QString &nazwa) { QTest::mouseClick(zarys()->viewport(), Qt::LeftButton, {}, srodek(nazwa)); }

    // The rename field open in the bar, or null.
    FileNameChangerField *pole()
    {
        return qobject_cast<FileNameChangerField *>(WidokZEdycjaWWierszach::controlInEditModeForTableView(zarys()));
    }
    // A click on the selected row, then the wait for the field that a double-click would have stopped.
    bool otworzPole(const QString &nazwa)
    {
        kliknij(nazwa);
        if (!zarys()->selectionModel()->isSelected(wiersz(nazwa)))
            return false;
        kliknij(nazwa);
        return QTest::qWaitFor([&] { return pole() != nullptr; }, QApplication::doubleClickInterval() + 1000);
    }

    PrzegladarkaTarrowind *nowaPrzegladarka(const QList<BrowserWindow *> &przed)
    {
        for (BrowserWindow *okno : widoczneOknaPrzegladarki())
            if (!przed.contains(okno))
                return PrzegladarkaTarrowind::przegladarkaDlaOkna(okno);
        return nullptr;
    }

    NagrywarkaAlertow m_alerty;
};

} // namespace

// Files dragged from another program onto the bar: a flow row takes them into the flow a fifth of a
// second after the drop; every other place refuses, for the drop too, and frames nothing.
TEST_F(PasekNawigacjiAkcjeTest, OnlyAFlowRowTakesDropsAndCarriesThemOutAFifthOfASecondLater)
{
    const struct
    {
        const char *nazwa;
        std::function<QPoint()> miejsce;
        const char *przeciagany; // empty: a new file outside the portfolio
        const char *cel;         // where it lands; nullptr: refused
    } przypadki[] = {
        {"na_potok", [&] { return srodek("Potok 0002"); }, "", "All Beans/Potok 0002/_Incubation/"},
        {"wszystkie_fasolki", [&] { return srodek("All Beans"); }, "", nullptr},
        {"archiwum", [&] { return srodek("Archived Beans"); }, "", nullptr},
        {"srodtytul", [&] { return srodek("IN WORK"); }, "", nullptr},
        {"separator", [&] { return srodek("separator"); }, "", nullptr},
        {"miedzy_potokami", [&] { return zarys()->visualRect(wiersz("Potok 0002")).topLeft() + QPoint(40, 1); }, "",
         nullptr},
        {"potok_na_potok", [&] { return srodek("Potok 0002"); }, "All Beans/Potok 0001", nullptr},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const QString zrodlo = *p.przeciagany ? R(QString::fromLatin1(p.przeciagany))
                                              : m_baza.plik(QStringLiteral("obce/") + QString::fromLatin1(p.nazwa));
        ASSERT_TRUE(QFileInfo::exists(zrodlo));
        QMimeData dane;
        dane.setUrls({QUrl::fromLocalFile(zrodlo)});
        const QPoint miejsce = p.miejsce();
        const Qt::DropActions akcje = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent wejscie(miejsce, akcje, &dane, Qt::LeftButton, {});
        QCoreApplication::sendEvent(zarys()->viewport(), &wejscie);
        // A refusing row takes the entry too, so that the moves after it still come: its action tells.
        EXPECT_EQ(wejscie.isAccepted() && wejscie.dropAction() != Qt::IgnoreAction, p.cel != nullptr);
        EXPECT_EQ(zarys()->wierszCelZrzutu(), p.cel ? zarys()->wierszIndeksu(zarys()->indexAt(miejsce)) : -1);
        if (p.cel) {
            EXPECT_GT(ciemnePiksele(zarys()->indexAt(miejsce)), 20) << "the frame hides the row's name";
        }
        QDropEvent zrzut(miejsce, akcje, &dane, Qt::LeftButton, {});
        QCoreApplication::sendEvent(zarys()->viewport(), &zrzut);
        EXPECT_EQ(zrzut.isAccepted(), p.cel != nullptr);
        EXPECT_EQ(zarys()->wierszCelZrzutu(), -1);
        const QString cel = p.cel ? R(QString::fromLatin1(p.cel) + QFileInfo(zrodlo).fileName()) : zrodlo;
        EXPECT_EQ(QFileInfo::exists(cel), !p.cel) << "carried out at once";
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(cel); }, 5000));
    }
}

// A double-click opens the row's element: in a new window, or with Alt in a new tab of this window.
// On a header it opens nothing, though another row is selected; and it starts no rename.
TEST_F(PasekNawigacjiAkcjeTest, ADoubleClickOpensTheRowsElementElsewhere)
{
    const struct
    {
        const char *wiersz;
        Qt::KeyboardModifiers klawisze;
        int noweOkna, noweKarty;
    } przypadki[] = {
        {"Potok 0002", Qt::NoModifier, 1, 0},
        {"Potok 0002", Qt::AltModifier, 0, 1},
        {"IN WORK", Qt::NoModifier, 0, 0},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.wiersz);
        SCOPED_TRACE(int(p.klawisze));
        ASSERT_TRUE(aktywuj(m_okno));
        kliknij(QStringLiteral("Potok 0002"));
        ASSERT_TRUE(zarys()->selectionModel()->isSelected(wiersz("Potok 0002")));
        const QList<BrowserWindow *> oknaPrzed = widoczneOknaPrzegladarki();
        const int kartPrzed = przegladarka()->tabCount();
        QTest::mouseDClick(zarys()->viewport(), Qt::LeftButton, p.klawisze, srodek(p.wiersz));
        // A rename would start once Qt's double-click interval is over: nothing more comes after it.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        EXPECT_EQ(pole(), nullptr) << "a rename began";
        ASSERT_EQ(widoczneOknaPrzegladarki().size(), oknaPrzed.size() + p.noweOkna);
        ASSERT_EQ(przegladarka()->tabCount(), kartPrzed + p.noweKarty);
        if (p.noweOkna) {
            PrzegladarkaTarrowind *nowa = nowaPrzegladarka(oknaPrzed);
            ASSERT_NE(nowa, nullptr);
            EXPECT_EQ(nowa->wybranaKartaPortfolio()->title(), QStringLiteral("Flow: Potok 0002"));
            nowa->windowController()->window()->close();
        }
        if (p.noweKarty) {
            EXPECT_EQ(przegladarka()->tabContentsAtIndex(kartPrzed)->title(), QStringLiteral("Flow: Potok 0002"));
        }
    }
}

// The button in the "All Beans" and "Archived Beans" rows opens that view in a new window, its bar
// hidden; the first window's bar keeps its selection.
TEST_F(PasekNawigacjiAkcjeTest, TheStaticEntriesButtonOpensItsViewInANewWindowWithoutTheBar)
{
    kliknij(QStringLiteral("Potok 0001"));
    for (const QString &nazwa : {QStringLiteral("All Beans"), QStringLiteral("Archived Beans")}) {
        SCOPED_TRACE(nazwa.toStdString());
        const QList<BrowserWindow *> oknaPrzed = widoczneOknaPrzegladarki();
        const QPointF przycisk =
            WidokKomorkiPaskaNawigacji::prostokatPrzycisku(zarys()->visualRect(wiersz(nazwa))).center();
        QTest::mouseClick(zarys()->viewport(), Qt::LeftButton, {}, przycisk.toPoint());
        ASSERT_EQ(widoczneOknaPrzegladarki().size(), oknaPrzed.size() + 1);
        PrzegladarkaTarrowind *nowa = nowaPrzegladarka(oknaPrzed);
        ASSERT_NE(nowa, nullptr);
        KartaPortfolio *karta = nowa->wybranaKartaPortfolio();
        ASSERT_NE(karta, nullptr);
        EXPECT_EQ(karta->title(), nazwa);
        EXPECT_FALSE(karta->kontrolerKartyPortfolio()
                         ->kontrolerWidokuRozdzielonegoZPaskiemNawigacji()
                         ->czyWidocznyPasekNawigacji());
        EXPECT_EQ(pasek()->nazwaZaznaczonegoElementu(), QStringLiteral("Potok 0001"));
        EXPECT_EQ(kartaPortfolio()->title(), QStringLiteral("Flow: Potok 0001"));
    }
}

// A flow renamed in place: the folder renamed on disk and the bar sorted anew; a taken name is
// reported once and the old one shown; the main flow keeps its name.
TEST_F(PasekNawigacjiAkcjeTest, AFlowRenamedInPlaceIsSortedAnewOrReportedAndTheMainFlowIsNot)
{
    ASSERT_TRUE(otworzPole(QStringLiteral("Potok 0002")));
    QTest::keyClicks(pole(), QStringLiteral("Potok 0001"));
    QTest::keyClick(pole(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_alerty.wpisy().size() == 1; }));
    EXPECT_EQ(m_alerty.wpisy()[0].alert.messageText(), QStringLiteral("Could not change flow name."));
    EXPECT_TRUE(m_konsola.contains(QStringLiteral("[KontrolerPaskaNawigacji controlTextDidEndEditing: Potok 0001]")));
    EXPECT_TRUE(wiersz(QStringLiteral("Potok 0002")).isValid());
    EXPECT_TRUE(QFileInfo::exists(R(QStringLiteral("All Beans/Potok 0002"))));
    EXPECT_EQ(pole(), nullptr);

    ASSERT_TRUE(otworzPole(QStringLiteral("Potok 0002")));
    QTest::keyClicks(pole(), QStringLiteral("Aaa"));
    QTest::keyClick(pole(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(R(QStringLiteral("All Beans/Aaa"))); }));
    EXPECT_FALSE(QFileInfo::exists(R(QStringLiteral("All Beans/Potok 0002"))));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const QStringList nazwy = nazwyWierszy();
        const qsizetype nowa = nazwy.indexOf(QStringLiteral("Aaa"));
        return nowa >= 0 && nowa < nazwy.indexOf(QStringLiteral("Potok 0001"));
    })) << nazwyWierszy().join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(pasek()->nazwaZaznaczonegoElementu(), QStringLiteral("Aaa"));
    EXPECT_EQ(m_alerty.wpisy().size(), 1);

    const QString glowny = baza()->potokGlowny()->nazwa();
    EXPECT_FALSE(wiersz(glowny).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(otworzPole(glowny));
}

// The preview shows the selected element: a flow's folder, the "All Beans" folder; nothing without one.
TEST_F(PasekNawigacjiAkcjeTest, ThePreviewShowsTheSelectedElementOrNothing)
{
    const struct
    {
        const char *wiersz; // nullptr: nothing selected
        const char *folder;
    } przypadki[] = {
        {"Potok 0001", "All Beans/Potok 0001"},
        {"All Beans", "All Beans"},
        {nullptr, nullptr},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.wiersz ? p.wiersz : "nothing");
        if (p.wiersz)
            kliknij(QString::fromLatin1(p.wiersz));
        else
            zarys()->clearSelection();
        PreviewPanelDataSource *zrodlo = pasek();
        ASSERT_EQ(zrodlo->numberOfPreviewItemsInPreviewPanel(nullptr), p.folder ? 1 : 0);
        if (!p.folder)
            continue;
        PreviewItem *element = zrodlo->previewPanelPreviewItemAtIndex(nullptr, 0);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->previewItemURL().toStdString(), R(QString::fromLatin1(p.folder)).toStdString());
    }
}
