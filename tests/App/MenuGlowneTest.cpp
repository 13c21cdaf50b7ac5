#include "Support/KatalogTestowy.h"
#include "Support/PozostawioneKopie.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Actions/DymekNowaRzecz.h"
#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Actions/KontrolerEdytoraSpodziewanegoRezultatu.h"
#include "Actions/PoleNazwa.h"
#include "App/MenuGlowne.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/TreeCopier.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Platform/Ui/Responder.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Views/KontrolerZawartosciFasolki.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokTabeliFasolkiZarchiwizowane.h"
#include "Views/WidokTabeliListyFasolek.h"
#include "Views/WidokTabeliWszystkieFasolki.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/KontrolkaSegmentowa.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

// The menu bar of the window the program's own start-up builds, in the situations a user meets:
// what each menu offers, and what its keys do there, on disk and on screen.
namespace {

using namespace PolecenieWOknie;

// The mnemonic of a title, or a null character; "&&" is a plain ampersand.
QChar mnemonik(const QString &tytul)
{
    for (qsizetype i = 0; i + 1 < tytul.size(); ++i) {
        if (tytul.at(i) != QLatin1Char('&'))
            continue;
        if (tytul.at(i + 1) != QLatin1Char('&'))
            return tytul.at(i + 1).toLower();
        ++i;
    }
    return {};
}

class MenuGlowneWProgramie : public UruchomionyProgram
{
public:
    using UruchomionyProgram::kartaPortfolio;
    using UruchomionyProgram::m_okno;
    using UruchomionyProgram::przegladarka;

    WidokTabeliFasolkiPotoku *lista() { return widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno); }
    QLineEdit *poleWyszukiwarki()
    {
        for (auto *pole : m_okno->findChildren<QLineEdit *>(QStringLiteral("poleWyszukiwarki")))
            if (pole->isVisible())
                return pole;
        return nullptr;
    }

    // A click on the row of the first folder bean of the flow's list that `warunek` accepts, which
    // becomes the selection and the bean the keys act on.
    void kliknijFasolkeKatalogowa(const std::function<bool(const Fasolka *)> &warunek)
    {
        ASSERT_NE(lista(), nullptr);
        KontrolerTablicy *tablica = lista()->kontrolerTablicy();
        ASSERT_TRUE(QTest::qWaitFor([&] { return tablica->rowCount() >= 4; }));
        m_fasolka = nullptr;
        for (int wiersz = 0; wiersz < tablica->rowCount() && !m_fasolka; ++wiersz) {
            auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(wiersz));
            if (fasolka && fasolka->jestZKatalogiem() && warunek(fasolka)) {
                m_fasolka = fasolka;
                m_sciezka = fasolka->bytFasolki()->plikowyURL();
                const QRect komorka = lista()->visualRect(lista()->model()->index(wiersz, 1));
                QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, komorka.center());
            }
        }
        ASSERT_NE(m_fasolka, nullptr) << "no such folder bean";
        ASSERT_EQ(tablica->selectedObjects(), QList<QObject *>{m_fasolka.data()});
        ASSERT_EQ(QApplication::focusWidget(), lista());
        m_obokFasolki = QDir(QFileInfo(m_sciezka).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    void kliknijFasolkeWInkubacji()
    {
        kliknijFasolkeKatalogowa([](const Fasolka *f) { return f->jestWInkubacji(); });
    }

    // Back from a bean view: a folder bean opened in this tab by a double-click on its row, Alt+Left,
    // then a click on the row of another folder bean, which the keys act on.
    void kliknijInnaPoPowrocieZWidokuFasolki()
    {
        kliknijFasolkeWInkubacji();
        if (HasFatalFailure())
            return;
        const QPointer<Fasolka> otwarta = m_fasolka;
        const int wiersz = lista()->kontrolerTablicy()->wierszObiektu(otwarta);
        QTest::mouseDClick(lista()->viewport(), Qt::LeftButton, {},
                           lista()->visualRect(lista()->model()->index(wiersz, 1)).center());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                KontrolerWidokuFasolki *widok = kartaPortfolio()->kontrolerWybranejFasolki();
                return widok && widok->fasolka() == otwarta && !lista();
            },
            2000))
            << "the double-click did not open the bean in this tab";
        nacisnij(Qt::ALT | Qt::Key_Left);
        ASSERT_TRUE(QTest::qWaitFor([&] { return lista() != nullptr; }, 2000)) << "Alt+Left did not go back";
        kliknijFasolkeKatalogowa([&](const Fasolka *f) { return f != otwarta && !f->jestNieaktywna(); });
    }

    // All Beans or the archive shown in this tab, and a click on the row of its first bean that
    // `warunek` accepts.
    template <typename Widok>
    void kliknijFasolkeWidoku(const std::function<void()> &pokaz, const std::function<bool(Fasolka *)> &warunek)
    {
        pokaz();
        Widok *widok = nullptr;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                widok = widocznyWidok<Widok>(m_okno);
                return widok && widok->kontrolerTablicy()->rowCount() >= 4;
            },
            3000));
        KontrolerTablicy *tablica = widok->kontrolerTablicy();
        int znaleziony = -1;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (int wiersz = 0; wiersz < tablica->rowCount() && znaleziony < 0; ++wiersz) {
                    auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(wiersz));
                    if (fasolka && warunek(fasolka))
                        znaleziony = wiersz;
                }
                return znaleziony >= 0;
            },
            5000))
            << "no such bean in the list";
        m_fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(znaleziony));
        m_sciezka = m_fasolka->bytFasolki()->plikowyURL();
        QTest::mouseClick(widok->viewport(), Qt::LeftButton, {},
                          widok->visualRect(widok->model()->index(znaleziony, 1)).center());
        ASSERT_EQ(tablica->selectedObjects(), QList<QObject *>{m_fasolka.data()});
        ASSERT_EQ(QApplication::focusWidget(), widok);
        m_obokFasolki = QDir(QFileInfo(m_sciezka).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    void kliknijFasolkeWeWszystkich()
    {
        kliknijFasolkeWidoku<WidokTabeliWszystkieFasolki>(
            [this] { kartaPortfolio()->pokazWszystkieFasolki(); },
            [](Fasolka *f) { return f->jestZKatalogiem() && f->jestWInkubacji(); });
    }
    // The generated archive holds file beans only; Open wants a folder one.
    void kliknijFasolkeWArchiwum()
    {
        const QDir archiwum(m_baza.sciezka() + QStringLiteral("/Tarrowind/Archived Beans"));
        const QString potok = archiwum.entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
        ASSERT_FALSE(potok.isEmpty());
        ASSERT_TRUE(archiwum.mkpath(potok + QStringLiteral("/Projekt Z")));
        kliknijFasolkeWidoku<WidokTabeliFasolkiZarchiwizowane>([this] { kartaPortfolio()->pokazArchiwum(); },
                                                               [](Fasolka *f) { return f->nazwa() == "Projekt Z"; });
    }

    // The main menu's item, enabled, chosen after the click on a row.
    void wybierz(Akcja akcja)
    {
        if (HasFatalFailure())
            return;
        PozycjaMenu *wybrana = pozycja(akcja);
        ASSERT_NE(wybrana, nullptr);
        ASSERT_TRUE(wybrana->isEnabled()) << wybrana->text().toStdString();
        wybrana->trigger();
    }
    void wybierzPoKliknieciuWeWszystkich(Akcja akcja)
    {
        kliknijFasolkeWeWszystkich();
        wybierz(akcja);
    }
    void wybierzPoKliknieciuWArchiwum(Akcja akcja)
    {
        kliknijFasolkeWArchiwum();
        wybierz(akcja);
    }

    // The way a user reaches the field, whose bar may lie folded away.
    void przejdzDoPolaWyszukiwarki()
    {
        nacisnij(Qt::CTRL | Qt::Key_F);
        ASSERT_NE(poleWyszukiwarki(), nullptr);
        ASSERT_EQ(QApplication::focusWidget(), poleWyszukiwarki());
    }

    // The button of that name in the view shown, clicked in its middle.
    void kliknijPrzycisk(const char *nazwa)
    {
        QAbstractButton *widoczny = nullptr;
        for (auto *przycisk : m_okno->findChildren<QAbstractButton *>(QLatin1String(nazwa)))
            if (przycisk->isVisible())
                widoczny = przycisk;
        ASSERT_NE(widoczny, nullptr) << nazwa;
        QTest::mouseClick(widoczny, Qt::LeftButton);
    }

    // "+" under the list, the name typed in its popover and Return; the new bean selected.
    void nowaFasolkaPrzezPlus(const QString &nazwa, QAbstractItemView *widok)
    {
        kliknijPrzycisk("przyciskNowaFasolka");
        if (HasFatalFailure())
            return;
        DymekNowaRzecz *dymek = pokazanyDymekNowaRzecz();
        ASSERT_NE(dymek, nullptr);
        QTest::keyClicks(dymek->poleNazwa(), nazwa);
        QTest::keyClick(dymek->poleNazwa(), Qt::Key_Return);
        auto *tablica = qobject_cast<WidokTabeliListyFasolek *>(widok)->kontrolerTablicy();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const QList<QObject *> zaznaczone = tablica->selectedObjects();
                auto *fasolka = zaznaczone.size() == 1 ? qobject_cast<Fasolka *>(zaznaczone.first()) : nullptr;
                if (fasolka && fasolka->nazwa() == nazwa)
                    m_fasolka = fasolka;
                return m_fasolka && m_fasolka->nazwa() == nazwa;
            },
            3000))
            << "the new bean is not selected";
        m_sciezka = m_fasolka->bytFasolki()->plikowyURL();
    }

    KartaFasolki *otworzKarteFasolki()
    {
        KartaFasolki *karta = przegladarka()->nowaKartaFasolki(m_fasolka);
        EXPECT_TRUE(QTest::qWaitFor([&] { return przegladarka()->wybranaKartaFasolki() == karta; }));
        return karta;
    }

    EdytorSpodziewanegoRezultatu *edytorWTrybieEdycji(KartaFasolki *karta)
    {
        EdytorSpodziewanegoRezultatu *edytor =
            karta->kontrolerKartyFasolki()->kontrolerEdytoraSpodziewanegoRezultatu()->edytor();
        edytor->setFocus();
        QTest::keyClick(edytor, Qt::Key_Return);
        EXPECT_FALSE(edytor->isReadOnly()) << "Return did not start the edit";
        return edytor;
    }

    void nacisnij(QKeyCombination klawisz)
    {
        QWidget *fokus = QApplication::focusWidget();
        QTest::keyClick(fokus ? fokus : m_okno, klawisz.key(), klawisz.keyboardModifiers());
    }

    // Every item of every menu of the bar, each menu prepared as opening it does.
    QList<QPair<QMenu *, QList<PozycjaMenu *>>> otworzWszystkieMenu()
    {
        QList<QPair<QMenu *, QList<PozycjaMenu *>>> wynik;
        std::function<void(QMenu *)> otworz = [&](QMenu *menu) {
            if (auto *nasze = qobject_cast<Menu *>(menu))
                nasze->przygotujDoPokazania();
            QList<PozycjaMenu *> pozycje;
            for (QAction *akcja : menu->actions()) {
                if (auto *pozycja = qobject_cast<PozycjaMenu *>(akcja))
                    pozycje << pozycja;
            }
            wynik.append({menu, pozycje});
            for (QAction *akcja : menu->actions()) {
                if (akcja->menu())
                    otworz(akcja->menu());
            }
        };
        for (QAction *akcja : m_okno->menuBar()->actions())
            otworz(akcja->menu());
        return wynik;
    }

    PozycjaMenu *pozycja(Akcja akcja, int tag = 0)
    {
        for (const auto &[menu, pozycje] : otworzWszystkieMenu())
            for (PozycjaMenu *p : pozycje)
                if (p->akcja() == akcja && p->tag() == tag)
                    return p;
        return nullptr;
    }

    QPointer<Fasolka> m_fasolka;
    QString m_sciezka;
    QString m_tytul;
    QStringList m_obokFasolki;
    NagrywarkaAlertow m_alerty;
};

enum class Sytuacja {
    ListaPotoku,
    PoleWyszukiwarki,
    WszystkieFasolki,
    KartaFasolki,
    BezNowychOkien,
    Archiwum,            // an archived bean clicked in the archive shown in the same tab
    ArchiwumIWstecz,     // the same, then Alt+Left back to the flow
    WierszeZeSzczegolami // the flow's list switched to tall rows by its own button
};

struct StanPozycji
{
    Akcja akcja;
    bool wlaczona;
    int tag = 0;
    // Whether the item shows a checkmark; unchecked when not given.
    std::optional<bool> zaznaczona = std::nullopt;
};

struct PrzypadekMenu
{
    const char *nazwa;
    Sytuacja sytuacja;
    std::vector<StanPozycji> stany;
};

void PrintTo(const PrzypadekMenu &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

const PrzypadekMenu przypadkiMenu[] = {
    {"FlowList",
     Sytuacja::ListaPotoku,
     {{Akcja::noweOknoZKartaPortfolio, true},
      {Akcja::nowaKartaPortfolio, true},
      {Akcja::przejdzDoWyszukiwarki, true},
      {Akcja::akcjaUkryjPasekNawigacji, true},
      {Akcja::akcjaPokazPasekNawigacji, false},
      {Akcja::przejdzDoPoprzedniegoWidoku, false},
      {Akcja::przejdzDoNastepnegoWidoku, false},
      {Akcja::wybierzPoprzedniaKarte, false},
      {Akcja::wybierzNastepnaKarte, false},
      {Akcja::ustawRodzajWidokuWiersza, true, 0, true},
      {Akcja::ustawRodzajWidokuWiersza, true, 1, false},
      {Akcja::pokazFasolkeWPotoku, true},
      {Akcja::nowaKartaPortfolioZWidokiemElementu, false},
      {Akcja::noweOknoZWidokiemElementuNaKarciePortfolio, false},
      {Akcja::aktywujFasolki, true},
      {Akcja::duplikujFasolki, true},
      {Akcja::moveToTrash, true},
      {Akcja::nowaKartaFasolki, true},
      {Akcja::terminate, true}}},
    {"SearchField",
     Sytuacja::PoleWyszukiwarki,
     {{Akcja::przejdzDoWyszukiwarki, true}, {Akcja::noweOknoZKartaPortfolio, true}}},
    {"AllBeans",
     Sytuacja::WszystkieFasolki,
     {{Akcja::akcjaUkryjPasekNawigacji, true},
      {Akcja::przejdzDoPoprzedniegoWidoku, false},
      {Akcja::przejdzDoNastepnegoWidoku, false},
      {Akcja::wybierzPoprzedniaKarte, true},
      {Akcja::wybierzNastepnaKarte, true},
      {Akcja::ustawRodzajWidokuWiersza, true, 0, true},
      {Akcja::ustawRodzajWidokuWiersza, true, 1, false},
      {Akcja::pokazArchiwum, true},
      {Akcja::aktywujFasolki, false},
      {Akcja::moveToTrash, false}}},
    {"BeanTab",
     Sytuacja::KartaFasolki,
     {{Akcja::noweOknoZKartaPortfolio, true},
      {Akcja::nowaKartaPortfolio, true},
      {Akcja::przejdzDoWyszukiwarki, false},
      {Akcja::akcjaUkryjPasekNawigacji, false},
      {Akcja::akcjaPokazPasekNawigacji, false},
      {Akcja::przejdzDoPoprzedniegoWidoku, false},
      {Akcja::wybierzPoprzedniaKarte, true},
      {Akcja::wybierzNastepnaKarte, true},
      {Akcja::ustawRodzajWidokuWiersza, false, 0},
      {Akcja::ustawRodzajWidokuWiersza, false, 1},
      {Akcja::pokazWszystkieFasolki, false},
      {Akcja::moveToTrash, true}}},
    {"NoNewWindows",
     Sytuacja::BezNowychOkien,
     {{Akcja::noweOknoZKartaPortfolio, false},
      {Akcja::nowaKartaPortfolio, false},
      {Akcja::noweOknoZKartaArchiwum, false},
      {Akcja::terminate, true}}},
    {"Archive",
     Sytuacja::Archiwum,
     {{Akcja::przejdzDoPoprzedniegoWidoku, true},
      {Akcja::przejdzDoNastepnegoWidoku, false},
      {Akcja::ustawRodzajWidokuWiersza, true, 0, true},
      {Akcja::ustawRodzajWidokuWiersza, true, 1, false},
      {Akcja::pokazFasolkeWPotoku, false},
      {Akcja::otworzFasolkeNaKarciePortfolio, true},
      {Akcja::reaktywujFasolke, true}}},
    {"ArchiveThenBack",
     Sytuacja::ArchiwumIWstecz,
     {{Akcja::przejdzDoPoprzedniegoWidoku, false},
      {Akcja::przejdzDoNastepnegoWidoku, true},
      {Akcja::wybierzPoprzedniaKarte, false}}},
    {"TallRows",
     Sytuacja::WierszeZeSzczegolami,
     {{Akcja::ustawRodzajWidokuWiersza, true, 0, false}, {Akcja::ustawRodzajWidokuWiersza, true, 1, true}}},
};

class MenuWSytuacji : public MenuGlowneWProgramie, public ::testing::WithParamInterface<PrzypadekMenu>
{
};

} // namespace

TEST_P(MenuWSytuacji, OneEnabledItemPerKeyEachWithAHandlerAndUniqueMnemonics)
{
    const PrzypadekMenu &p = GetParam();
    kliknijFasolkeWInkubacji();
    if (HasFatalFailure())
        return;
    switch (p.sytuacja) {
    case Sytuacja::ListaPotoku:
        break;
    case Sytuacja::PoleWyszukiwarki:
        przejdzDoPolaWyszukiwarki();
        break;
    case Sytuacja::WszystkieFasolki:
        przegladarka()->nowaKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(rwpWidokWszystkieFasolki, false);
        break;
    case Sytuacja::KartaFasolki: {
        KartaFasolki *karta = otworzKarteFasolki();
        ASSERT_NE(karta, nullptr);
        QAbstractItemView *zarys = karta->kontrolerKartyFasolki()->kontrolerRzeczyFasolki()->widokZaryseli();
        ASSERT_TRUE(QTest::qWaitFor([&] { return zarys->isVisible() && zarys->model()->rowCount() >= 1; }));
        QTest::mouseClick(zarys->viewport(), Qt::LeftButton, {},
                          zarys->visualRect(zarys->model()->index(0, 0)).center());
        ASSERT_EQ(QApplication::focusWidget(), zarys);
        break;
    }
    case Sytuacja::BezNowychOkien:
        m_uruchomienie->delegat().kontrolerAkcjeNaMenuGlownym()->setCanOpenNewWindow(false);
        break;
    case Sytuacja::Archiwum:
        kliknijFasolkeWArchiwum();
        break;
    case Sytuacja::ArchiwumIWstecz:
        kliknijFasolkeWArchiwum();
        nacisnij(Qt::ALT | Qt::Key_Left);
        ASSERT_TRUE(QTest::qWaitFor([&] { return lista() != nullptr; }, 2000)) << "Alt+Left did not go back";
        break;
    case Sytuacja::WierszeZeSzczegolami: {
        auto *przycisk = m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskRodzajuWiersza"));
        ASSERT_NE(przycisk, nullptr);
        QTest::mouseClick(przycisk, Qt::LeftButton);
        ASSERT_EQ(lista()->rowViewType(), 1);
        break;
    }
    }
    if (HasFatalFailure())
        return;
    // The diagnostics hang in the bar only in a build with assertions; they are checked here anyway.
    QMenuBar *pasek = m_okno->menuBar();
    bool zDeweloperem = false;
    for (QAction *akcja : pasek->actions())
        zDeweloperem = zDeweloperem || akcja->text() == QStringLiteral("&Developer");
    if (!zDeweloperem)
        pasek->addMenu(MenuGlowne::zbudujMenuDewelopera(pasek, &m_uruchomienie->delegat()));

    QMap<QKeySequence, QString> klawisze;
    QSet<QChar> mnemonikiPaska;
    for (QAction *akcja : pasek->actions()) {
        EXPECT_FALSE(mnemonikiPaska.contains(mnemonik(akcja->text()))) << akcja->text().toStdString();
        mnemonikiPaska.insert(mnemonik(akcja->text()));
    }
    for (const auto &[menu, pozycje] : otworzWszystkieMenu()) {
        const bool menuPaska = pasek->actions().contains(menu->menuAction());
        QSet<QChar> mnemoniki;
        QSet<QString> tytuly;
        for (PozycjaMenu *pozycja : pozycje) {
            if (!pozycja->isVisible())
                continue;
            const QString tytul = pozycja->text();
            SCOPED_TRACE(tytul.toStdString());
            const QString bezMnemonika = QString(tytul).remove(QLatin1Char('&'));
            EXPECT_FALSE(tytuly.contains(bezMnemonika)) << "shown twice in " << menu->title().toStdString();
            tytuly.insert(bezMnemonika);
            const QChar znak = mnemonik(tytul);
            EXPECT_FALSE(!znak.isNull() && mnemoniki.contains(znak))
                << "mnemonic used twice in " << menu->title().toStdString();
            mnemoniki.insert(znak);
            if (menuPaska) {
                EXPECT_FALSE(znak.isNull()) << "no mnemonic";
            }
            if (!pozycja->isEnabled())
                continue;
            for (const QKeySequence &klawisz : pozycja->shortcuts()) {
                EXPECT_FALSE(klawisze.contains(klawisz))
                    << klawisze.value(klawisz).toStdString() << " has that key too";
                klawisze.insert(klawisz, tytul);
            }
            Responder *cel = pozycja->cel()
                                 ? pozycja->cel()
                                 : LancuchResponderow::targetForAction(pozycja->akcja(), pozycja->oknoPolecenia());
            ASSERT_NE(cel, nullptr) << "enabled with no handler";
            EXPECT_TRUE(cel->handlesAction(pozycja->akcja()));
        }
    }
    for (const StanPozycji &stan : p.stany) {
        SCOPED_TRACE(nazwaSelektora(stan.akcja).toStdString() + " " + std::to_string(stan.tag));
        PozycjaMenu *znaleziona = pozycja(stan.akcja, stan.tag);
        ASSERT_NE(znaleziona, nullptr);
        EXPECT_EQ(znaleziona->isEnabled(), stan.wlaczona);
        EXPECT_EQ(znaleziona->isChecked(), stan.zaznaczona.value_or(false));
    }
    // The menu's history commands and the tab's back and forward buttons agree.
    if (KartaPortfolio *karta = kartaPortfolio()) {
        KontrolkaSegmentowa *przyciski = karta->kontrolerKartyPortfolio()->przyciskiWsteczINaprzod1();
        EXPECT_EQ(pozycja(Akcja::przejdzDoPoprzedniegoWidoku)->isEnabled(), przyciski->isEnabledForSegment(0));
        EXPECT_EQ(pozycja(Akcja::przejdzDoNastepnegoWidoku)->isEnabled(), przyciski->isEnabledForSegment(1));
    }
}

INSTANTIATE_TEST_SUITE_P(Sytuacje, MenuWSytuacji, ::testing::ValuesIn(przypadkiMenu),
                         [](const ::testing::TestParamInfo<PrzypadekMenu> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

namespace {

struct PrzypadekKlawisza
{
    const char *nazwa;
    // Leaves the focus where the keys go.
    std::function<void(MenuGlowneWProgramie &)> przygotuj;
    std::vector<QKeyCombination> klawisze;
    std::function<void(MenuGlowneWProgramie &)> sprawdz;
};

void PrintTo(const PrzypadekKlawisza &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

void sprawdzOtwarta(MenuGlowneWProgramie &t)
{
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            KontrolerWidokuFasolki *widok = t.kartaPortfolio()->kontrolerWybranejFasolki();
            return widok && widok->fasolka() == t.m_fasolka;
        },
        2000));
    EXPECT_EQ(t.przegladarka()->tabCount(), 1);
    EXPECT_TRUE(QFileInfo::exists(t.m_sciezka));
}

void sprawdzAktywna(MenuGlowneWProgramie &t)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.m_fasolka->statusFasolki() == Fasolka::sfAktywna; }, 3000));
    const QString sciezka = t.m_fasolka->bytFasolki()->plikowyURL();
    EXPECT_TRUE(QFileInfo(sciezka).isDir()) << sciezka.toStdString();
    EXPECT_EQ(QFileInfo(sciezka).fileName(), QFileInfo(t.m_sciezka).fileName());
    EXPECT_TRUE(sciezka == t.m_sciezka || !QFileInfo::exists(t.m_sciezka));
}

void sprawdzDuplikat(MenuGlowneWProgramie &t)
{
    const QDir katalog(QFileInfo(t.m_sciezka).path());
    QStringList nowe;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            nowe = katalog.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            for (const QString &nazwa : t.m_obokFasolki)
                nowe.removeOne(nazwa);
            return !nowe.isEmpty();
        },
        3000));
    ASSERT_EQ(nowe.size(), 1);
    EXPECT_TRUE(nowe.first().startsWith(QFileInfo(t.m_sciezka).completeBaseName())) << nowe.first().toStdString();
    EXPECT_TRUE(QFileInfo::exists(t.m_sciezka));
}

// Where another program moves the bean's status folder while the bean is duplicated.
QString przeniesionyStatus()
{
    return QDir::homePath() + QStringLiteral("/Status moved away");
}

void sprawdzDuplikatWPrzeniesionymStatusie(MenuGlowneWProgramie &t)
{
    const bool odpowiedz = QTest::qWaitFor([&] { return !t.m_alerty.wpisy().isEmpty(); }, 5000);
    TreeCopier::setCopiedHookForTests({});
    ASSERT_TRUE(odpowiedz);
    const Alert &alert = t.m_alerty.wpisy().first().alert;
    EXPECT_EQ(alert.messageText().toStdString(), "Could not duplicate the item.");
    EXPECT_EQ(alert.informativeText(),
              QStringLiteral("The item \u201C%1\u201D couldn\u2019t be found.").arg(QFileInfo(t.m_sciezka).fileName()));
    const QStringList wPrzeniesionym =
        QDir(przeniesionyStatus()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(wPrzeniesionym.filter(QStringLiteral(".tarrowind-")).join(u' ').toStdString(), "");
    EXPECT_TRUE(wPrzeniesionym.contains(QFileInfo(t.m_sciezka).fileName()));
    EXPECT_TRUE(PozostawioneKopie::zapisane().isEmpty());
}

void sprawdzKartaFasolki(MenuGlowneWProgramie &t)
{
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            KartaFasolki *karta = t.przegladarka()->wybranaKartaFasolki();
            return karta && karta->fasolka() == t.m_fasolka;
        },
        2000))
        << "no bean tab for " << t.m_fasolka->nazwa().toStdString();
    EXPECT_EQ(t.przegladarka()->tabCount(), 2);
}

void sprawdzNieaktywna(MenuGlowneWProgramie &t)
{
    const QDir potok(t.m_fasolka->potok()->bytPotoku()->plikowyURL());
    const QString nieaktywna = potok.filePath(QStringLiteral("_Inactive/") + QFileInfo(t.m_sciezka).fileName());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(nieaktywna).isDir() && !QFileInfo::exists(t.m_sciezka); }, 3000))
        << nieaktywna.toStdString();
    EXPECT_EQ(t.m_fasolka->statusFasolki(), Fasolka::sfNieaktywna);
}

void sprawdzPytanieOKosz(MenuGlowneWProgramie &t)
{
    ASSERT_EQ(t.m_alerty.wpisy().size(), 1);
    EXPECT_EQ(t.m_alerty.wpisy().first().alert.messageText(),
              QStringLiteral("Confirm move of '%1' to Trash").arg(t.m_fasolka->nazwa()));
    EXPECT_TRUE(QFileInfo::exists(t.m_sciezka));
}

void sprawdzReaktywowana(MenuGlowneWProgramie &t)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(t.m_sciezka); }, 3000)) << t.m_sciezka.toStdString();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return t.m_fasolka && t.m_fasolka->statusFasolki() == Fasolka::sfAktywna; }, 3000));
    EXPECT_TRUE(QFileInfo::exists(t.m_fasolka->bytFasolki()->plikowyURL()));
}

const PrzypadekKlawisza przypadkiKlawiszy[] = {
    {"ListCtrl2MovesTheSelectedBeanOnDisk",
     [](MenuGlowneWProgramie &t) { t.kliknijFasolkeWInkubacji(); },
     {Qt::CTRL | Qt::Key_2},
     [](MenuGlowneWProgramie &t) {
         const QDir potok = QFileInfo(QFileInfo(t.m_sciezka).path()).dir();
         const QString aktywna = potok.filePath(QFileInfo(t.m_sciezka).fileName());
         ASSERT_TRUE(
             QTest::qWaitFor([&] { return QFileInfo(aktywna).isDir() && !QFileInfo::exists(t.m_sciezka); }, 3000))
             << aktywna.toStdString();
         EXPECT_EQ(t.m_fasolka->statusFasolki(), 2);
     }},
    {"ListDeleteAsksFirst",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWInkubacji();
         t.m_alerty.dodajOdpowiedz(Alert::firstButton + 1); // "Cancel"
     },
     {QKeyCombination(Qt::Key_Delete)},
     [](MenuGlowneWProgramie &t) {
         ASSERT_EQ(t.m_alerty.wpisy().size(), 1);
         EXPECT_EQ(t.m_alerty.wpisy().first().alert.messageText(),
                   QStringLiteral("Confirm move of '%1' to Trash").arg(t.m_fasolka->nazwa()));
         EXPECT_TRUE(QFileInfo(t.m_sciezka).isDir());
     }},
    {"BackFromABeanViewCtrlReturnOpensTheClickedBeanInANewTab",
     [](MenuGlowneWProgramie &t) { t.kliknijInnaPoPowrocieZWidokuFasolki(); },
     {Qt::CTRL | Qt::Key_Return},
     sprawdzKartaFasolki},
    {"BackFromABeanViewCtrl4MovesTheClickedBeanToInactiveOnDisk",
     [](MenuGlowneWProgramie &t) { t.kliknijInnaPoPowrocieZWidokuFasolki(); },
     {Qt::CTRL | Qt::Key_4},
     sprawdzNieaktywna},
    {"BackFromABeanViewCtrlDDuplicatesTheClickedBean",
     [](MenuGlowneWProgramie &t) { t.kliknijInnaPoPowrocieZWidokuFasolki(); },
     {Qt::CTRL | Qt::Key_D},
     sprawdzDuplikat},
    {"BackFromABeanViewCtrlOOpensTheClickedBeanInThisTab",
     [](MenuGlowneWProgramie &t) { t.kliknijInnaPoPowrocieZWidokuFasolki(); },
     {Qt::CTRL | Qt::Key_O},
     sprawdzOtwarta},
    {"AllBeansCtrlOOpensTheSelectedBean",
     [](MenuGlowneWProgramie &t) { t.kliknijFasolkeWeWszystkich(); },
     {Qt::CTRL | Qt::Key_O},
     sprawdzOtwarta},
    {"AllBeansCtrl2MovesTheSelectedBeanOnDisk",
     [](MenuGlowneWProgramie &t) { t.kliknijFasolkeWeWszystkich(); },
     {Qt::CTRL | Qt::Key_2},
     sprawdzAktywna},
    {"AllBeansCtrlDDuplicatesTheSelectedBean",
     [](MenuGlowneWProgramie &t) { t.kliknijFasolkeWeWszystkich(); },
     {Qt::CTRL | Qt::Key_D},
     sprawdzDuplikat},
    {"ListCtrlDWhileAnotherProgramMovesTheStatusFolderOutNamesTheBeanAndLeavesNoTemporary",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWInkubacji();
         const QString status = QFileInfo(t.m_sciezka).path();
         TreeCopier::setCopiedHookForTests([status, przeniesiony = false](const QString &) mutable {
             if (!std::exchange(przeniesiony, true)) {
                 EXPECT_TRUE(QDir().rename(status, przeniesionyStatus()));
             }
         });
     },
     {Qt::CTRL | Qt::Key_D},
     sprawdzDuplikatWPrzeniesionymStatusie},
    {"AllBeansDeleteAsksFirst",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWeWszystkich();
         t.m_alerty.dodajOdpowiedz(Alert::firstButton + 1); // "Cancel"
     },
     {QKeyCombination(Qt::Key_Delete)},
     sprawdzPytanieOKosz},
    {"ArchiveCtrlOOpensTheSelectedBean",
     [](MenuGlowneWProgramie &t) { t.kliknijFasolkeWArchiwum(); },
     {Qt::CTRL | Qt::Key_O},
     sprawdzOtwarta},
    {"ArchiveCtrlDDuplicatesTheSelectedBean",
     [](MenuGlowneWProgramie &t) { t.kliknijFasolkeWArchiwum(); },
     {Qt::CTRL | Qt::Key_D},
     sprawdzDuplikat},
    {"ArchiveDeleteAsksFirst",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWArchiwum();
         t.m_alerty.dodajOdpowiedz(Alert::firstButton + 1); // "Cancel"
     },
     {QKeyCombination(Qt::Key_Delete)},
     sprawdzPytanieOKosz},
    {"AllBeansOpenItem",
     [](MenuGlowneWProgramie &t) { t.wybierzPoKliknieciuWeWszystkich(Akcja::otworzFasolkeNaKarciePortfolio); },
     {},
     sprawdzOtwarta},
    {"AllBeansActiveItem",
     [](MenuGlowneWProgramie &t) { t.wybierzPoKliknieciuWeWszystkich(Akcja::aktywujFasolki); },
     {},
     sprawdzAktywna},
    {"AllBeansDuplicateItem",
     [](MenuGlowneWProgramie &t) { t.wybierzPoKliknieciuWeWszystkich(Akcja::duplikujFasolki); },
     {},
     sprawdzDuplikat},
    {"AllBeansMoveToTrashItemAsksFirst",
     [](MenuGlowneWProgramie &t) {
         t.m_alerty.dodajOdpowiedz(Alert::firstButton + 1); // "Cancel"
         t.wybierzPoKliknieciuWeWszystkich(Akcja::moveToTrash);
     },
     {},
     sprawdzPytanieOKosz},
    {"ArchiveOpenItem",
     [](MenuGlowneWProgramie &t) { t.wybierzPoKliknieciuWArchiwum(Akcja::otworzFasolkeNaKarciePortfolio); },
     {},
     sprawdzOtwarta},
    {"ArchiveReactivateItemMovesTheSelectedBeanOnDisk",
     [](MenuGlowneWProgramie &t) { t.wybierzPoKliknieciuWArchiwum(Akcja::reaktywujFasolke); },
     {},
     sprawdzReaktywowana},
    {"ArchiveDuplicateItem",
     [](MenuGlowneWProgramie &t) { t.wybierzPoKliknieciuWArchiwum(Akcja::duplikujFasolki); },
     {},
     sprawdzDuplikat},
    {"ArchiveMoveToTrashItemAsksFirst",
     [](MenuGlowneWProgramie &t) {
         t.m_alerty.dodajOdpowiedz(Alert::firstButton + 1); // "Cancel"
         t.wybierzPoKliknieciuWArchiwum(Akcja::moveToTrash);
     },
     {},
     sprawdzPytanieOKosz},
    {"SearchFieldKeepsDelete",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWInkubacji();
         t.przejdzDoPolaWyszukiwarki();
         QTest::keyClicks(t.poleWyszukiwarki(), QStringLiteral("Projekt"));
         QTest::keyClick(t.poleWyszukiwarki(), Qt::Key_Home);
     },
     {QKeyCombination(Qt::Key_Delete)},
     [](MenuGlowneWProgramie &t) {
         EXPECT_EQ(t.poleWyszukiwarki()->text(), QStringLiteral("rojekt"));
         EXPECT_TRUE(t.m_alerty.wpisy().isEmpty());
         EXPECT_TRUE(QFileInfo(t.m_sciezka).isDir());
     }},
    {"SearchFieldKeepsCtrlReturn",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWInkubacji();
         t.przejdzDoPolaWyszukiwarki();
     },
     {Qt::CTRL | Qt::Key_Return},
     [](MenuGlowneWProgramie &t) { EXPECT_EQ(t.przegladarka()->tabCount(), 1); }},
    {"RenameFieldKeepsShiftReturn",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWInkubacji();
         QTest::keyClick(t.lista(), Qt::Key_F2);
         ASSERT_NE(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr) << "F2 opened no name field";
     },
     {Qt::SHIFT | Qt::Key_Return},
     [](MenuGlowneWProgramie &t) {
         EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1);
         EXPECT_EQ(t.przegladarka()->tabCount(), 1);
     }},
    {"ExpectedOutcomeEditorKeepsCtrlReturn",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWInkubacji();
         KartaFasolki *karta = t.otworzKarteFasolki();
         ASSERT_NE(karta, nullptr);
         t.edytorWTrybieEdycji(karta);
     },
     {Qt::CTRL | Qt::Key_Return},
     [](MenuGlowneWProgramie &t) { EXPECT_EQ(t.przegladarka()->tabCount(), 2); }},
    {"ListCtrlFGoesToTheSearchField",
     [](MenuGlowneWProgramie &t) { t.kliknijFasolkeWInkubacji(); },
     {Qt::CTRL | Qt::Key_F},
     [](MenuGlowneWProgramie &t) { EXPECT_EQ(QApplication::focusWidget(), t.poleWyszukiwarki()); }},
    {"F9HidesTheNavigationBar",
     [](MenuGlowneWProgramie &t) { t.kliknijFasolkeWInkubacji(); },
     {QKeyCombination(Qt::Key_F9)},
     [](MenuGlowneWProgramie &t) { EXPECT_FALSE(t.kartaPortfolio()->czyWidocznyPasekNawigacji()); }},
    {"F9TwiceShowsItAgain",
     [](MenuGlowneWProgramie &t) { t.kliknijFasolkeWInkubacji(); },
     {QKeyCombination(Qt::Key_F9), QKeyCombination(Qt::Key_F9)},
     [](MenuGlowneWProgramie &t) { EXPECT_TRUE(t.kartaPortfolio()->czyWidocznyPasekNawigacji()); }},
    {"AltLeftGoesBackToTheFlowShownBefore",
     [](MenuGlowneWProgramie &t) {
         t.m_tytul = t.kartaPortfolio()->title();
         auto *pasek = widocznyWidok<WidokZaryseliPaskaNawigacji>(t.m_okno);
         ASSERT_NE(pasek, nullptr);
         QModelIndex potok;
         for (int y = 2; y < pasek->viewport()->height() && !potok.isValid(); y += 4)
             if (const QModelIndex indeks = pasek->indexAt(QPoint(40, y)); indeks.data().toString() == "Potok 0002")
                 potok = indeks;
         ASSERT_TRUE(potok.isValid());
         QTest::mouseClick(pasek->viewport(), Qt::LeftButton, {}, pasek->visualRect(potok).center());
         ASSERT_TRUE(
             QTest::qWaitFor([&] { return t.kartaPortfolio()->title() == QStringLiteral("Flow: Potok 0002"); }));
     },
     {Qt::ALT | Qt::Key_Left},
     [](MenuGlowneWProgramie &t) { EXPECT_EQ(t.kartaPortfolio()->title(), t.m_tytul); }},
    {"AfterAScopeButtonDeleteTrashesTheSelectedBean",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWInkubacji();
         t.kliknijPrzycisk("przyciskWszystkie");
         ASSERT_EQ(QApplication::focusWidget(), t.lista());
         t.m_alerty.dodajOdpowiedz(Alert::firstButton); // "Move to Trash"
     },
     {QKeyCombination(Qt::Key_Delete)},
     [](MenuGlowneWProgramie &t) {
         ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(t.m_sciezka); }, 3000));
         EXPECT_EQ(t.m_alerty.wpisy().size(), 1);
     }},
    {"AfterDividedIntoFlowsCtrl2MovesTheSelectedBeanOnDisk",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWeWszystkich();
         t.kliknijPrzycisk("przyciskPodzialNaPotoki");
         ASSERT_NE(qobject_cast<WidokTabeliWszystkieFasolki *>(QApplication::focusWidget()), nullptr);
     },
     {Qt::CTRL | Qt::Key_2},
     sprawdzAktywna},
    {"ANewBeanMadeAfterAScopeButtonTakesCtrl2",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWInkubacji();
         t.kliknijPrzycisk("przyciskNieaktywne");
         t.nowaFasolkaPrzezPlus(QStringLiteral("Fresh by plus"), t.lista());
         ASSERT_EQ(QApplication::focusWidget(), t.lista());
     },
     {Qt::CTRL | Qt::Key_2},
     sprawdzAktywna},
    {"CtrlPageDownSelectsTheNextTab",
     [](MenuGlowneWProgramie &t) {
         t.kliknijFasolkeWInkubacji();
         t.przegladarka()->nowaKartaPortfolio();
         t.przegladarka()->selectTabAtIndex(0);
         t.lista()->setFocus();
     },
     {Qt::CTRL | Qt::Key_PageDown},
     [](MenuGlowneWProgramie &t) { EXPECT_EQ(t.przegladarka()->activeTabIndex(), 1); }},
};

class KlawiszWProgramie : public MenuGlowneWProgramie, public ::testing::WithParamInterface<PrzypadekKlawisza>
{
};

} // namespace

TEST_P(KlawiszWProgramie, ActsInTheFocusedViewOrStaysInTheFocusedField)
{
    const PrzypadekKlawisza &p = GetParam();
    p.przygotuj(*this);
    if (HasFatalFailure())
        return;
    for (QKeyCombination klawisz : p.klawisze)
        nacisnij(klawisz);
    p.sprawdz(*this);
}

INSTANTIATE_TEST_SUITE_P(Tabela, KlawiszWProgramie, ::testing::ValuesIn(przypadkiKlawiszy),
                         [](const ::testing::TestParamInfo<PrzypadekKlawisza> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

TEST_F(MenuGlowneWProgramie, QuitKeepsTheExpectedOutcomeBeingTypedThenEndsTheProgram)
{
    kliknijFasolkeWInkubacji();
    KartaFasolki *karta = otworzKarteFasolki();
    ASSERT_NE(karta, nullptr);
    EdytorSpodziewanegoRezultatu *edytor = edytorWTrybieEdycji(karta);
    QTest::keyClicks(edytor, QStringLiteral("Dry tools"));

    nacisnij(Qt::CTRL | Qt::Key_Q);

    EXPECT_EQ(m_uruchomienie->delegat().stan(), TarrowindAppDelegate::Stan::Konczenie);
    EXPECT_EQ(KatalogTestowy::czytaj(QDir(m_sciezka).filePath(Fasolka::nazwaPlikuSpodziewanegoRezultatu())),
              QByteArray("Dry tools"));
    // The quit asked of the application object is undone for the tests after this one in the process.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

namespace {

struct PrzypadekFrazy
{
    const char *nazwa;
    bool wszystkieFasolki; // All Beans, else the flow's list
};

void PrintTo(const PrzypadekFrazy &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

const PrzypadekFrazy przypadkiFrazy[] = {{"FlowList", false}, {"AllBeans", true}};

class NowaFasolkaPodFraza : public MenuGlowneWProgramie, public ::testing::WithParamInterface<PrzypadekFrazy>
{
};

} // namespace

// A search phrase the new bean's name lacks would hide it: the phrase goes, and the bean is listed
// and selected, as the scope gives way for it.
TEST_P(NowaFasolkaPodFraza, ANewBeanClearsAPhraseThatWouldHideItAndIsSelected)
{
    if (GetParam().wszystkieFasolki)
        kliknijFasolkeWeWszystkich();
    else
        kliknijFasolkeWInkubacji();
    if (HasFatalFailure())
        return;
    auto *widok = qobject_cast<WidokTabeliListyFasolek *>(QApplication::focusWidget());
    ASSERT_NE(widok, nullptr);
    KontrolerTablicy *tablica = widok->kontrolerTablicy();
    const QString katalogPotoku = m_fasolka->potok()->bytPotoku()->plikowyURL();
    const int wierszyBezFrazy = tablica->rowCount();
    QLineEdit *pole = poleWyszukiwarki();
    ASSERT_NE(pole, nullptr);
    QTest::mouseClick(pole, Qt::LeftButton);
    QTest::keyClicks(pole, m_fasolka->nazwa());
    QTest::keyClick(pole, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica->rowCount() < wierszyBezFrazy; }, 2000))
        << "the phrase took no effect";

    nowaFasolkaPrzezPlus(QStringLiteral("Hidden new"), widok);

    EXPECT_TRUE(QFileInfo(katalogPotoku + QStringLiteral("/_Incubation/Hidden new")).isDir());
    EXPECT_TRUE(pole->text().isEmpty());
    EXPECT_EQ(tablica->rowCount(), wierszyBezFrazy + 1);
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tabela, NowaFasolkaPodFraza, ::testing::ValuesIn(przypadkiFrazy),
                         [](const ::testing::TestParamInfo<PrzypadekFrazy> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

namespace {

// Flows long enough that their last bean lies below the list's first screen.
class DlugiePotoki : public MenuGlowneWProgramie
{
protected:
    void przedUruchomieniem() override
    {
        for (const char *potok : {"_Main_Flow", "Potok 0001", "Potok 0002"})
            for (int numer = 0; numer < 40; ++numer)
                ASSERT_TRUE(QDir().mkpath(m_baza.sciezka()
                                          + QStringLiteral("/Tarrowind/All Beans/%1/Zasiew %2")
                                                .arg(QLatin1String(potok))
                                                .arg(numer, 2, 10, QLatin1Char('0'))));
    }
};

} // namespace

// Show in Flow from a bean tab opens a new window (the tab's own window shows no portfolio tab):
// there the bean is selected and scrolled into view.
TEST_F(DlugiePotoki, ShowInFlowFromABeanTabSelectsTheBeanInTheNewWindowAndScrollsItIntoView)
{
    ASSERT_NE(lista(), nullptr);
    KontrolerTablicy *tablica = lista()->kontrolerTablicy();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica->rowCount() > 40; }));
    const int ostatni = tablica->rowCount() - 1;
    m_fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(ostatni));
    ASSERT_NE(m_fasolka, nullptr);
    KartaFasolki *karta = otworzKarteFasolki();
    ASSERT_NE(karta, nullptr);
    QAbstractItemView *zarys = karta->kontrolerKartyFasolki()->kontrolerRzeczyFasolki()->widokZaryseli();
    ASSERT_TRUE(QTest::qWaitFor([&] { return zarys->isVisible(); }));
    zarys->setFocus(Qt::MouseFocusReason);

    wybierz(Akcja::pokazFasolkeWPotoku);

    BrowserWindow *nowe = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (BrowserWindow *okno : widoczneOknaPrzegladarki())
                if (okno != m_okno)
                    nowe = okno;
            return nowe != nullptr;
        },
        3000))
        << "no new window";
    WidokTabeliFasolkiPotoku *listaNowego = nullptr;
    int wiersz = -1;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            listaNowego = widocznyWidok<WidokTabeliFasolkiPotoku>(nowe);
            if (!listaNowego
                || listaNowego->kontrolerTablicy()->selectedObjects() != QList<QObject *>{m_fasolka.data()})
                return false;
            wiersz = listaNowego->kontrolerTablicy()->wierszObiektu(m_fasolka);
            return listaNowego->viewport()->rect().contains(
                listaNowego->visualRect(listaNowego->model()->index(wiersz, 1)));
        },
        3000))
        << "row " << wiersz << " not selected and in view";
}
