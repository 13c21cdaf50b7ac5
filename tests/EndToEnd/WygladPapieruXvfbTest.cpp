#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "App/PreferencesWindowController.h"
#include "App/TarrowindAppDelegate.h"
#include "App/UruchomienieProgramu.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Model/Fasolka.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/KontrolerZawartosciFasolki.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokTabeliWszystkieFasolki.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>

namespace {

using namespace PolecenieWOknie;

class WygladPapieruXvfb : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        katalog(QStringLiteral("All Beans/_Main_Flow/Projekt 0006/pusty"));
        plik(QStringLiteral("All Beans/_Main_Flow/Projekt 0006/pelny/w.txt"));
    }

    WidokZaryseliPaskaNawigacji *pasek() { return widocznyWidok<WidokZaryseliPaskaNawigacji>(m_okno); }

    void kliknijWPasku(const QString &nazwa)
    {
        const QModelIndex wiersz =
            pasek()
                ->model()
                ->match(pasek()->model()->index(0, 0), Qt::DisplayRole, nazwa, 1, Qt::MatchExactly | Qt::MatchRecursive)
                .value(0);
        ASSERT_TRUE(wiersz.isValid()) << nazwa.toStdString();
        QTest::mouseClick(pasek()->viewport(), Qt::LeftButton, {}, pasek()->visualRect(wiersz).center());
        QTest::qWait(200);
    }

    WidokTabeliFasolkiPotoku *lista() { return widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno); }

    NagrywarkaAlertow m_alerty;
};

} // namespace

// The lists as paper, the mark of a right-clicked row, the bar's selected name and the red focus on a real
// X server; the screenshots are for people to look at.
TEST_F(WygladPapieruXvfb, ListsMarksAndFocusOnARealDisplay)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    m_okno->setGeometry(20, 40, 980, 640);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    m_okno->activateWindow();
    ASSERT_NE(pasek(), nullptr);
    ASSERT_NE(lista(), nullptr);

    // A row below the selected one, right-clicked: its menu open over the outlined row.
    QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {},
                      lista()->visualRect(lista()->model()->index(1, 1)).center());
    kliknijPrawym(lista(), lista()->model()->index(4, 1));
    QMenu *menu = otwarteMenu();
    ASSERT_NE(menu, nullptr);
    QTest::qWait(200);
    zrzutOkien({m_okno, menu}, QStringLiteral("paper-flow-list-context-menu.png"));
    menu->close();
    ASSERT_TRUE(QTest::qWaitFor([] { return otwarteMenu() == nullptr; }, 2000));

    // Find: the search field with the focus.
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : m_okno, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QLineEdit *>(QApplication::focusWidget()); }, 2000));
    QTest::qWait(200);
    zrzutOkna(m_okno, QStringLiteral("focus-search-field.png"));

    kliknijWPasku(QStringLiteral("All Beans"));
    zrzutOkna(m_okno, QStringLiteral("paper-all-beans.png"));
    // Filtered down to one bean of each flow: rows, then the empty sheet below them.
    QLineEdit *szukaj = nullptr;
    for (QLineEdit *pole : m_okno->findChildren<QLineEdit *>(QStringLiteral("poleWyszukiwarki")))
        if (pole->isVisible())
            szukaj = pole;
    ASSERT_NE(szukaj, nullptr);
    QTest::keyClicks(szukaj, QStringLiteral("Projekt 0006"));
    QTest::keyClick(szukaj, Qt::Key_Return);
    auto *wszystkie = widocznyWidok<WidokTabeliWszystkieFasolki>(m_okno);
    ASSERT_NE(wszystkie, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return wszystkie->kontrolerTablicy()->rowCount() <= 6; }, 3000));
    QTest::qWait(200);
    zrzutOkna(m_okno, QStringLiteral("paper-all-beans-filtered.png"));
    szukaj->clear();
    QTest::keyClick(szukaj, Qt::Key_Return);
    kliknijWPasku(QStringLiteral("Archived Beans"));
    zrzutOkna(m_okno, QStringLiteral("paper-archive-bar-archived-beans-selected.png"));

    // The bean tab, whose folder holds an empty folder and a full one.
    kliknijWPasku(QStringLiteral("Main Flow"));
    int projekt = -1;
    for (int w = 0; w < lista()->kontrolerTablicy()->rowCount() && projekt < 0; ++w)
        if (auto *f = qobject_cast<Fasolka *>(lista()->kontrolerTablicy()->obiektWWierszu(w));
            f && f->nazwa() == QStringLiteral("Projekt 0006"))
            projekt = w;
    ASSERT_GE(projekt, 0);
    kliknijPrawym(lista(), lista()->model()->index(projekt, 1));
    wybierzZMenu(otwarteMenu(), QStringLiteral("Open in New Tab"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return przegladarka()->tabCount() == 2; }, 2000));
    przegladarka()->selectTabAtIndex(1);
    KartaFasolki *karta = przegladarka()->wybranaKartaFasolki();
    ASSERT_NE(karta, nullptr);
    KontrolerDrzewa *drzewo = karta->kontrolerKartyFasolki()->kontrolerRzeczyFasolki()->kontrolerDrzewa();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !drzewo->wczytuje() && !drzewo->czekaNaLiscie(); }, 5000));
    QTest::qWait(200);
    zrzutOkna(m_okno, QStringLiteral("bean-tab-empty-and-full-folder.png"));

    // Preferences, Tab onto a button.
    TarrowindAppDelegate &delegat = m_uruchomienie->delegat();
    delegat.otworzPreferencje(nullptr);
    QWidget *preferencje = delegat.kontrolerOknaPreferencji()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preferencje));
    preferencje->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == preferencje; }, 2000));
    for (int krok = 0; krok < 12 && !qobject_cast<QAbstractButton *>(QApplication::focusWidget()); ++krok)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : preferencje, Qt::Key_Tab);
    ASSERT_NE(qobject_cast<QAbstractButton *>(QApplication::focusWidget()), nullptr);
    QTest::qWait(200);
    zrzutOkien({preferencje}, QStringLiteral("focus-preferences-button.png"));
    preferencje->close();
}
