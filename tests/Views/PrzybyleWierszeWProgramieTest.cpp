#include "Support/CzasyOczekiwania.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/Ui/ZrzutPlikuZInnegoProgramu.h"

#include "Actions/PoleNazwa.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/WidokTabeliListyFasolek.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <functional>

// Rows that a command of this program brings into a long list, in the window the program's own start-up builds:
// the new row is selected and scrolled into view, whatever the list and its row height.
namespace {

using namespace PolecenieWOknie;

constexpr int liczbaWypelniaczy = 150;
const QString nowaNazwa = QStringLiteral("Zzz new bean");

class PrzybyleWierszeWProgramie : public UruchomionyProgram
{
protected:
    void SetUp() override
    {
        UruchomionyProgram::SetUp();
        if (HasFatalFailure())
            return;
        m_okno->resize(1000, 500);
        QCoreApplication::processEvents();
    }

    // The main flow of 160 beans, the fillers first by name; a bean of another flow and one archived that sort
    // last in the main flow once moved there.
    void przedUruchomieniem() override
    {
        for (int i = 0; i < liczbaWypelniaczy; ++i)
            plik(QStringLiteral("All Beans/_Main_Flow/Aaa filler %1.txt").arg(i, 3, 10, QLatin1Char('0')));
        plik(QStringLiteral("All Beans/Potok 0001/Zzz moved.txt"));
        plik(QStringLiteral("Archived Beans/_Main_Flow/Zzz archived.txt"));
    }

    static WidokTabeliListyFasolek *lista(QWidget *okno) { return widocznyWidok<WidokTabeliListyFasolek>(okno); }

    static QAbstractButton *przycisk(QWidget *okno, const char *nazwa)
    {
        for (auto *widoczny : okno->findChildren<QAbstractButton *>(QLatin1String(nazwa)))
            if (widoczny->isVisible())
                return widoczny;
        return nullptr;
    }

    // A toggle of the list's bars put in the wanted state by a click.
    static void przelacz(QWidget *okno, const char *nazwa, bool wlaczony)
    {
        QAbstractButton *przelacznik = przycisk(okno, nazwa);
        ASSERT_NE(przelacznik, nullptr) << nazwa;
        if (przelacznik->isChecked() != wlaczony)
            QTest::mouseClick(przelacznik, Qt::LeftButton);
        ASSERT_EQ(przelacznik->isChecked(), wlaczony) << nazwa;
    }

    // A window more, opened by its key from this one.
    BrowserWindow *drugieOkno()
    {
        QWidget *fokus = QApplication::focusWidget();
        QTest::keyClick(fokus && fokus->window() == m_okno ? fokus : m_okno, Qt::Key_N, Qt::ControlModifier);
        EXPECT_TRUE(QTest::qWaitFor([] { return widoczneOknaPrzegladarki().size() == 2; }, 2000));
        for (BrowserWindow *okno : widoczneOknaPrzegladarki())
            if (okno != m_okno) {
                okno->resize(800, 400);
                return okno;
            }
        return nullptr;
    }

    // The last bean row whose name cell lies whole in the viewport.
    static int ostatniWidocznyWiersz(WidokTabeliListyFasolek *widok)
    {
        int ostatni = -1;
        for (int w = 0; w < widok->model()->rowCount(); ++w) {
            const QRect komorka = widok->visualRect(widok->model()->index(w, KontrolerListyFasolek::KolumnaNazwa));
            if (widok->viewport()->rect().contains(komorka)
                && qobject_cast<Fasolka *>(widok->kontrolerTablicy()->obiektWWierszu(w)))
                ostatni = w;
        }
        return ostatni;
    }

    static Fasolka *fasolkaWWierszu(WidokTabeliListyFasolek *widok, int wiersz)
    {
        return qobject_cast<Fasolka *>(widok->kontrolerTablicy()->obiektWWierszu(wiersz));
    }

    // The row's context menu, and its item (in the submenu `podmenu` when given) chosen.
    static void wybierzZMenuWiersza(WidokTabeliListyFasolek *widok, int wiersz, const QString &tytul,
                                    const QString &podmenu = {})
    {
        kliknijPrawym(widok, widok->model()->index(wiersz, KontrolerListyFasolek::KolumnaNazwa));
        ASSERT_TRUE(QTest::qWaitFor([] { return otwarteMenu() && otwarteMenu()->isVisible(); }, 2000));
        QMenu *menu = otwarteMenu();
        if (!podmenu.isEmpty()) {
            QAction *rodzic = nullptr;
            for (QAction *akcja : menu->actions())
                if (akcja->text() == podmenu)
                    rodzic = akcja;
            ASSERT_TRUE(rodzic && rodzic->menu()) << qPrintable(podmenu);
            menu->setActiveAction(rodzic);
            ASSERT_TRUE(QTest::qWaitFor([&] { return rodzic->menu()->isVisible(); }, 2000));
            QMenu *wewnetrzne = rodzic->menu();
            wybierzZMenu(wewnetrzne, tytul);
            menu->close();
            return;
        }
        wybierzZMenu(menu, tytul);
    }

    static int wierszFasolki(WidokTabeliListyFasolek *widok, const QString &nazwa)
    {
        KontrolerTablicy *tablica = widok->kontrolerTablicy();
        for (int w = 0; w < tablica->rowCount(); ++w) {
            auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(w));
            if (fasolka && fasolka->nazwa() == nazwa)
                return w;
        }
        return -1;
    }

    static void kliknijWiersz(WidokTabeliListyFasolek *widok, int wiersz)
    {
        const QModelIndex indeks = widok->model()->index(wiersz, KontrolerListyFasolek::KolumnaNazwa);
        QTest::mouseClick(widok->viewport(), Qt::LeftButton, {}, widok->visualRect(indeks).center());
    }

    // "+" under the list, the name typed in its popover and Return.
    static void nowaFasolkaPrzezPlus(QWidget *okno, const QString &nazwa)
    {
        QAbstractButton *plus = przycisk(okno, "przyciskNowaFasolka");
        ASSERT_NE(plus, nullptr);
        ASSERT_TRUE(plus->isEnabled());
        QTest::mouseClick(plus, Qt::LeftButton);
        DymekNowaRzecz *dymek = pokazanyDymekNowaRzecz();
        ASSERT_NE(dymek, nullptr);
        QTest::keyClicks(dymek->poleNazwa(), nazwa);
        QTest::keyClick(dymek->poleNazwa(), Qt::Key_Return);
    }

    // The bean of that name the list's one selected row, its whole row inside the viewport.
    static bool zaznaczonyWWidoku(WidokTabeliListyFasolek *widok, const QString &nazwa)
    {
        const QList<QObject *> zaznaczone = widok->kontrolerTablicy()->selectedObjects();
        auto *fasolka = zaznaczone.size() == 1 ? qobject_cast<Fasolka *>(zaznaczone.constFirst()) : nullptr;
        if (!fasolka || fasolka->nazwa() != nazwa)
            return false;
        const int wiersz = widok->kontrolerTablicy()->wierszObiektu(fasolka);
        const QRect komorka = widok->visualRect(widok->model()->index(wiersz, KontrolerListyFasolek::KolumnaNazwa));
        return !komorka.isEmpty() && widok->viewport()->rect().contains(komorka);
    }

    static QString opisZaznaczenia(WidokTabeliListyFasolek *widok)
    {
        QStringList opis;
        for (QObject *obiekt : widok->kontrolerTablicy()->selectedObjects()) {
            const int wiersz = widok->kontrolerTablicy()->wierszObiektu(obiekt);
            const QRect komorka = widok->visualRect(widok->model()->index(wiersz, KontrolerListyFasolek::KolumnaNazwa));
            auto *fasolka = qobject_cast<Fasolka *>(obiekt);
            opis << QStringLiteral("%1 row %2 at %3,%4 %5x%6 in %7 high")
                        .arg(fasolka ? fasolka->nazwa() : QStringLiteral("?"))
                        .arg(wiersz)
                        .arg(komorka.x())
                        .arg(komorka.y())
                        .arg(komorka.width())
                        .arg(komorka.height())
                        .arg(widok->viewport()->height());
        }
        return opis.join(QStringLiteral("; "));
    }

    QString sciezkaGlownego(const QString &wzgledna) const
    {
        return m_baza.sciezka() + QStringLiteral("/Tarrowind/All Beans/_Main_Flow/") + wzgledna;
    }

    // This window's list of the main flow or of All Beans, scope All, with the row height and division asked.
    WidokTabeliListyFasolek *pokazListe(bool wszystkie, bool zeSzczegolami, bool podzielone = false)
    {
        kliknijWPaskuNawigacji(m_okno, wszystkie ? QStringLiteral("All Beans") : QStringLiteral("Main Flow"));
        przelacz(m_okno, "przyciskWszystkie", true);
        if (wszystkie)
            przelacz(m_okno, "przyciskPodzialNaPotoki", podzielone);
        przelacz(m_okno, "przyciskRodzajuWiersza", zeSzczegolami);
        if (HasFatalFailure())
            return nullptr;
        WidokTabeliListyFasolek *widok = lista(m_okno);
        EXPECT_TRUE(widok && QTest::qWaitFor([&] { return widok->model()->rowCount() > liczbaWypelniaczy; }, 3000));
        return widok;
    }

    // The search field of this window's list, its text replaced by the phrase and Return.
    void wpiszFraze(const QString &fraza)
    {
        QLineEdit *pole = nullptr;
        for (auto *kandydat : m_okno->findChildren<QLineEdit *>(QStringLiteral("poleWyszukiwarki")))
            if (kandydat->isVisible())
                pole = kandydat;
        ASSERT_NE(pole, nullptr);
        QTest::mouseClick(pole, Qt::LeftButton);
        QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(pole, Qt::Key_Backspace);
        QTest::keyClicks(pole, fraza);
        QTest::keyClick(pole, Qt::Key_Return);
    }

    NagrywarkaAlertow m_alerty;
};

// Where the new bean is made and which list is looked at.
enum class Lista {
    Potok,                 // the flow view, "+" under it
    WszystkiePodzielone,   // All Beans divided into flows, a bean of the main flow clicked, "+" under it
    WszystkieZDrugiegoOkna // All Beans not divided in this window; the bean made in a second window's flow view
};

struct PrzypadekNowej
{
    const char *nazwa;
    Lista lista;
    bool zeSzczegolami; // rows with details
    bool fraza;         // a phrase the new name lacks typed first
};

void PrintTo(const PrzypadekNowej &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

const PrzypadekNowej przypadkiNowej[] = {
    {"FlowPlainRows", Lista::Potok, false, false},
    {"FlowRowsWithDetails", Lista::Potok, true, false},
    {"FlowAfterThePhraseWasCleared", Lista::Potok, true, true},
    {"AllBeansDivided", Lista::WszystkiePodzielone, false, false},
    {"AllBeansDividedRowsWithDetails", Lista::WszystkiePodzielone, true, false},
    {"AllBeansDividedAfterThePhraseWasCleared", Lista::WszystkiePodzielone, false, true},
    {"AllBeansNotDividedFromAnotherWindow", Lista::WszystkieZDrugiegoOkna, false, false},
    {"AllBeansNotDividedRowsWithDetailsFromAnotherWindow", Lista::WszystkieZDrugiegoOkna, true, false},
};

class NowaFasolkaWDlugiejLiscie : public PrzybyleWierszeWProgramie, public ::testing::WithParamInterface<PrzypadekNowej>
{
};

TEST_P(NowaFasolkaWDlugiejLiscie, IsSelectedAndScrolledIntoView)
{
    const PrzypadekNowej &p = GetParam();
    WidokTabeliListyFasolek *widok =
        pokazListe(p.lista != Lista::Potok, p.zeSzczegolami, p.lista == Lista::WszystkiePodzielone);
    ASSERT_NE(widok, nullptr);
    if (p.fraza) {
        wpiszFraze(QStringLiteral("filler 00"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return widok->kontrolerTablicy()->rowCount() <= 11; }, 3000));
    }
    if (p.lista == Lista::WszystkiePodzielone) {
        // The main flow heads the list; its first bean is the second row.
        kliknijWiersz(widok, 1);
        ASSERT_EQ(widok->kontrolerTablicy()->selectedObjects().size(), 1);
    }

    QWidget *oknoPolecenia = m_okno;
    if (p.lista == Lista::WszystkieZDrugiegoOkna) {
        oknoPolecenia = drugieOkno();
        ASSERT_NE(oknoPolecenia, nullptr);
        kliknijWPaskuNawigacji(oknoPolecenia, QStringLiteral("Main Flow"));
        ASSERT_FALSE(HasFatalFailure());
    }
    nowaFasolkaPrzezPlus(oknoPolecenia, nowaNazwa);
    ASSERT_FALSE(HasFatalFailure());

    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(sciezkaGlownego("_Incubation/" + nowaNazwa)).isDir(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return zaznaczonyWWidoku(widok, nowaNazwa); }, czasNaZdarzenieMs))
        << qPrintable(opisZaznaczenia(widok));
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tabela, NowaFasolkaWDlugiejLiscie, ::testing::ValuesIn(przypadkiNowej),
                         [](const ::testing::TestParamInfo<PrzypadekNowej> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

// A command of this program that brings a bean into the list: the name of the bean and its path on disk
// afterwards, relative to the main flow's folder.
struct Wniesienie
{
    QString nazwa;
    QString sciezka;
};

class PolecenieWnoszaceFasolke;

struct PrzypadekPolecenia
{
    const char *nazwa;
    bool wszystkie; // All Beans not divided, else the main flow's view
    bool zeSzczegolami;
    std::function<Wniesienie(PolecenieWnoszaceFasolke &t, WidokTabeliListyFasolek *lista)> polecenie;
};

void PrintTo(const PrzypadekPolecenia &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

class PolecenieWnoszaceFasolke : public PrzybyleWierszeWProgramie,
                                 public ::testing::WithParamInterface<PrzypadekPolecenia>
{
public:
    // The last bean in view clicked, then Ctrl+D: its copy lands below it, out of view.
    static Wniesienie duplikuj(PolecenieWnoszaceFasolke &, WidokTabeliListyFasolek *lista)
    {
        const int wiersz = ostatniWidocznyWiersz(lista);
        Fasolka *oryginal = fasolkaWWierszu(lista, wiersz);
        EXPECT_TRUE(oryginal && oryginal->nazwa().startsWith(QStringLiteral("Aaa filler")));
        if (!oryginal)
            return {};
        kliknijWiersz(lista, wiersz);
        EXPECT_EQ(QApplication::focusWidget(), lista);
        QTest::keyClick(lista, Qt::Key_D, Qt::ControlModifier);
        const QString kopia = QFileInfo(oryginal->nazwa()).completeBaseName() + QStringLiteral(" copy.txt");
        return {kopia, kopia};
    }

    // A file from another program dropped on the list's side, where the flow takes it.
    static Wniesienie upusc(PolecenieWnoszaceFasolke &t, WidokTabeliListyFasolek *lista)
    {
        ZrzutPlikuZInnegoProgramu zrzut(t.m_baza.plik(QStringLiteral("obce/Zzz dropped.txt")), lista,
                                        QPoint(3, lista->viewport()->height() / 2));
        EXPECT_TRUE(zrzut.wejdz());
        EXPECT_TRUE(zrzut.upusc());
        return {QStringLiteral("Zzz dropped.txt"), QStringLiteral("_Incubation/Zzz dropped.txt")};
    }

    // The last file bean in view selected and wrapped by its menu.
    static Wniesienie opakuj(PolecenieWnoszaceFasolke &, WidokTabeliListyFasolek *lista)
    {
        const int wiersz = ostatniWidocznyWiersz(lista);
        Fasolka *fasolka = fasolkaWWierszu(lista, wiersz);
        EXPECT_TRUE(fasolka && fasolka->jestZPlikiem());
        if (!fasolka)
            return {};
        const QString plik = fasolka->nazwa();
        kliknijWiersz(lista, wiersz);
        wybierzZMenuWiersza(lista, wiersz, QStringLiteral("Wrap in Bean Folder"));
        const QString katalog = QFileInfo(plik).completeBaseName();
        return {katalog, katalog + QStringLiteral("/") + plik};
    }

    // From another window's list of that view, the bean's menu item.
    static Wniesienie zDrugiegoOkna(PolecenieWnoszaceFasolke &t, const QString &widok, const QString &nazwa,
                                    const QString &tytul, const QString &podmenu)
    {
        QWidget *okno = t.drugieOkno();
        if (!okno)
            return {};
        kliknijWPaskuNawigacji(okno, widok);
        WidokTabeliListyFasolek *tam = lista(okno);
        EXPECT_TRUE(tam && QTest::qWaitFor([&] { return wierszFasolki(tam, nazwa) >= 0; }, 3000));
        if (!tam)
            return {};
        wybierzZMenuWiersza(tam, wierszFasolki(tam, nazwa), tytul, podmenu);
        return {nazwa, nazwa};
    }
    static Wniesienie przenies(PolecenieWnoszaceFasolke &t, WidokTabeliListyFasolek *)
    {
        return zDrugiegoOkna(t, QStringLiteral("Potok 0001"), QStringLiteral("Zzz moved.txt"),
                             QStringLiteral("Main Flow"), QStringLiteral("Move to Flow"));
    }
    static Wniesienie reaktywuj(PolecenieWnoszaceFasolke &t, WidokTabeliListyFasolek *)
    {
        return zDrugiegoOkna(t, QStringLiteral("Archived Beans"), QStringLiteral("Zzz archived.txt"),
                             QStringLiteral("Reactivate"), QStringLiteral("Status"));
    }
};

const PrzypadekPolecenia przypadkiPolecen[] = {
    {"DuplicateByCtrlD", false, false, &PolecenieWnoszaceFasolke::duplikuj},
    {"DuplicateByCtrlDRowsWithDetails", false, true, &PolecenieWnoszaceFasolke::duplikuj},
    {"DuplicateByCtrlDInAllBeans", true, false, &PolecenieWnoszaceFasolke::duplikuj},
    {"DropFromAnotherProgram", false, false, &PolecenieWnoszaceFasolke::upusc},
    {"WrapInBeanFolder", false, true, &PolecenieWnoszaceFasolke::opakuj},
    {"MoveToFlowInAnotherWindow", false, false, &PolecenieWnoszaceFasolke::przenies},
    {"ReactivateFromTheArchiveInAnotherWindow", false, true, &PolecenieWnoszaceFasolke::reaktywuj},
    {"ReactivateFromTheArchiveInAnotherWindowToAllBeans", true, false, &PolecenieWnoszaceFasolke::reaktywuj},
};

// The bean on disk, the list's one selected row, in view.
TEST_P(PolecenieWnoszaceFasolke, SelectsTheBeanItBringsAndShowsIt)
{
    const PrzypadekPolecenia &p = GetParam();
    WidokTabeliListyFasolek *widok = pokazListe(p.wszystkie, p.zeSzczegolami);
    ASSERT_NE(widok, nullptr);
    const Wniesienie wniesienie = p.polecenie(*this, widok);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_FALSE(wniesienie.nazwa.isEmpty());

    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(sciezkaGlownego(wniesienie.sciezka)); }, 3000))
        << qPrintable(wniesienie.sciezka);
    EXPECT_TRUE(QTest::qWaitFor([&] { return zaznaczonyWWidoku(widok, wniesienie.nazwa); }, czasNaZdarzenieMs))
        << qPrintable(opisZaznaczenia(widok));
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tabela, PolecenieWnoszaceFasolke, ::testing::ValuesIn(przypadkiPolecen),
                         [](const ::testing::TestParamInfo<PrzypadekPolecenia> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

// Another program's folders take no selection, whether named as a copy would be or not; a copy made by Ctrl+D
// after them does.
TEST_F(PrzybyleWierszeWProgramie, AnotherProgramsBeanLeavesTheSelectionAndADuplicateTakesIt)
{
    WidokTabeliListyFasolek *widok = pokazListe(false, false);
    ASSERT_NE(widok, nullptr);
    const int wiersz = ostatniWidocznyWiersz(widok);
    Fasolka *wybrana = fasolkaWWierszu(widok, wiersz);
    ASSERT_NE(wybrana, nullptr);
    kliknijWiersz(widok, wiersz);
    ASSERT_EQ(widok->kontrolerTablicy()->selectedObjects(), QList<QObject *>{wybrana});

    const QString jakKopia = QFileInfo(wybrana->nazwa()).completeBaseName() + QStringLiteral(" copy.txt");
    for (const QString &obcy : {jakKopia, QStringLiteral("Zzz other.txt")}) {
        ASSERT_FALSE(plik(QStringLiteral("All Beans/_Main_Flow/") + obcy).isEmpty());
        ASSERT_TRUE(QTest::qWaitFor([&] { return wierszFasolki(widok, obcy) >= 0; }, czasNaZdarzenieMs))
            << qPrintable(obcy);
        przeczekajCisze();
        EXPECT_EQ(widok->kontrolerTablicy()->selectedObjects(), QList<QObject *>{wybrana}) << qPrintable(obcy);
    }

    QTest::keyClick(widok, Qt::Key_D, Qt::ControlModifier);
    const QString kopia = QFileInfo(wybrana->nazwa()).completeBaseName() + QStringLiteral(" copy 2.txt");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(sciezkaGlownego(kopia)); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return zaznaczonyWWidoku(widok, kopia); }, czasNaZdarzenieMs))
        << qPrintable(opisZaznaczenia(widok));
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

// Every thread of the shared pool kept busy, so that a duplicate started meanwhile waits for the release. Held only
// across synchronous input: painting waits for the same pool.
class WstrzymanaPula
{
public:
    WstrzymanaPula()
        : m_watki(QThreadPool::globalInstance()->maxThreadCount())
    {
        for (int i = 0; i < m_watki; ++i)
            QThreadPool::globalInstance()->start([this] {
                m_zajete.release();
                m_zwolnienie.acquire();
            });
        m_zajete.acquire(m_watki);
    }
    ~WstrzymanaPula() { zwolnij(); }

    void zwolnij()
    {
        m_zwolnienie.release(m_watki);
        m_watki = 0;
    }

private:
    int m_watki;
    QSemaphore m_zajete;
    QSemaphore m_zwolnienie;
};

QStringList nazwyZaznaczonych(WidokTabeliListyFasolek *widok)
{
    QStringList nazwy;
    for (QObject *obiekt : widok->kontrolerTablicy()->selectedObjects())
        if (auto *fasolka = qobject_cast<Fasolka *>(obiekt))
            nazwy << fasolka->nazwa();
    return nazwy;
}

// Ctrl+D twice before the first copy is made: the second copy takes the next name and is selected too.
TEST_F(PrzybyleWierszeWProgramie, ASecondDuplicateUnderWaySelectsItsOwnCopy)
{
    WidokTabeliListyFasolek *widok = pokazListe(false, false);
    ASSERT_NE(widok, nullptr);
    const int wiersz = ostatniWidocznyWiersz(widok);
    Fasolka *oryginal = fasolkaWWierszu(widok, wiersz);
    ASSERT_NE(oryginal, nullptr);
    const QString rdzen = QFileInfo(oryginal->nazwa()).completeBaseName();
    const QString druga = rdzen + QStringLiteral(" copy 2.txt");
    kliknijWiersz(widok, wiersz);
    {
        WstrzymanaPula pula;
        QTest::keyClick(widok, Qt::Key_D, Qt::ControlModifier);
        QTest::keyClick(widok, Qt::Key_D, Qt::ControlModifier);
    }

    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(sciezkaGlownego(druga)); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return nazwyZaznaczonych(widok).contains(druga); }, czasNaZdarzenieMs))
        << qPrintable(opisZaznaczenia(widok));
    const QStringList kopie = {rdzen + QStringLiteral(" copy.txt"), druga};
    for (const QString &nazwa : nazwyZaznaczonych(widok))
        EXPECT_TRUE(kopie.contains(nazwa)) << qPrintable(nazwa);
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

// A copy that came while no list showed it, the phrase hiding it, is awaited no more: another program's file put
// later at its path leaves the user's selection.
TEST_F(PrzybyleWierszeWProgramie, ACopyNoListShowedLeavesTheSelectionToLaterFilesAtItsPath)
{
    WidokTabeliListyFasolek *widok = pokazListe(false, false);
    ASSERT_NE(widok, nullptr);
    wpiszFraze(QStringLiteral("filler 149.txt"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return widok->kontrolerTablicy()->rowCount() == 1; }, 3000));
    Fasolka *oryginal = fasolkaWWierszu(widok, 0);
    ASSERT_NE(oryginal, nullptr);
    Potok *glowny = oryginal->potok();
    const QString kopia = QFileInfo(oryginal->nazwa()).completeBaseName() + QStringLiteral(" copy.txt");
    kliknijWiersz(widok, 0);
    QTest::keyClick(widok, Qt::Key_D, Qt::ControlModifier);
    const auto wGrafie = [&] {
        const QList<Fasolka *> fasolki = glowny->fasolki().elementy();
        return std::any_of(fasolki.cbegin(), fasolki.cend(), [&](const Fasolka *f) { return f->nazwa() == kopia; });
    };
    ASSERT_TRUE(QTest::qWaitFor(wGrafie, czasNaZdarzenieMs));

    wpiszFraze({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return wierszFasolki(widok, kopia) >= 0; }, 3000));
    kliknijWiersz(widok, 0);
    const QList<QObject *> wybrane = widok->kontrolerTablicy()->selectedObjects();
    ASSERT_EQ(wybrane.size(), 1);
    ASSERT_TRUE(QFile::remove(sciezkaGlownego(kopia)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return wierszFasolki(widok, kopia) < 0; }, czasNaZdarzenieMs));
    ASSERT_FALSE(plik(QStringLiteral("All Beans/_Main_Flow/") + kopia).isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return wierszFasolki(widok, kopia) >= 0; }, czasNaZdarzenieMs));
    przeczekajCisze();
    EXPECT_EQ(widok->kontrolerTablicy()->selectedObjects(), wybrane) << qPrintable(opisZaznaczenia(widok));
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

} // namespace
