#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Browser/KartaFasolki.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Views/KontrolerZawartosciFasolki.h"
#include "Views/WidokKomorkiPaskaNawigacji.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokTabeliFasolkiZarchiwizowane.h"
#include "Views/WidokTabeliWszystkieFasolki.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/ObrysMenuPodrecznego.h"
#include "Widgets/WidokPapierowy.h"
#include "Widgets/ZieloneZaznaczenie.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QImage>
#include <QList>

namespace {

using namespace PolecenieWOknie;

// Every paper list and outline of the program, as the user reaches it.
enum class ListaPapieru {
    Potok,
    PotokWysokieWiersze,
    WszystkieFasolki,
    Archiwum,
    RzeczyPotoku,
    KartaFasolki,
    KartaFasolkiRzeczyPotoku,
    WidokFasolki,
    WidokFasolkiRzeczyPotoku,
};

struct PrzypadekPapieru
{
    const char *nazwa;
    ListaPapieru lista;
    // The rows leave room below them in a window 700 high.
    bool miejscePodWierszami;
};

const PrzypadekPapieru przypadkiPapieru[] = {
    {"Potok", ListaPapieru::Potok, true},
    {"PotokWysokieWiersze", ListaPapieru::PotokWysokieWiersze, false},
    {"WszystkieFasolki", ListaPapieru::WszystkieFasolki, false},
    {"Archiwum", ListaPapieru::Archiwum, true},
    {"RzeczyPotoku", ListaPapieru::RzeczyPotoku, true},
    {"KartaFasolki", ListaPapieru::KartaFasolki, true},
    {"KartaFasolkiRzeczyPotoku", ListaPapieru::KartaFasolkiRzeczyPotoku, true},
    {"WidokFasolki", ListaPapieru::WidokFasolki, true},
    {"WidokFasolkiRzeczyPotoku", ListaPapieru::WidokFasolkiRzeczyPotoku, true},
};

// The grey of the dotted row separator.
constexpr int szaroscSeparatora = 199;

// Where the row lies, whichever of its columns shows: some lists hide one, and group headers span them.
QRect ramkaWiersza(const QAbstractItemView *widok, int wiersz)
{
    for (int kolumna = 0; kolumna < widok->model()->columnCount(); ++kolumna)
        if (const QRect ramka = widok->visualRect(widok->model()->index(wiersz, kolumna)); ramka.isValid())
            return ramka;
    return {};
}

class WygladPapieruWProgramie : public UruchomionyProgram
{
protected:
    WidokZaryseliPaskaNawigacji *pasek() { return widocznyWidok<WidokZaryseliPaskaNawigacji>(m_okno); }

    QModelIndex wierszPaska(const QString &nazwa)
    {
        return pasek()
            ->model()
            ->match(pasek()->model()->index(0, 0), Qt::DisplayRole, nazwa, 1, Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    }

    void kliknijWPasku(const QString &nazwa)
    {
        ASSERT_NE(pasek(), nullptr);
        const QModelIndex wiersz = wierszPaska(nazwa);
        ASSERT_TRUE(wiersz.isValid()) << nazwa.toStdString();
        QTest::mouseClick(pasek()->viewport(), Qt::LeftButton, {}, pasek()->visualRect(wiersz).center());
    }

    // The file of the row: its bean's in a list, its entry's in an outline.
    static QString sciezkaWiersza(QAbstractItemView *widok, const QModelIndex &indeks)
    {
        if (auto *lista = qobject_cast<WidokTabeliListyFasolek *>(widok)) {
            auto *fasolka = qobject_cast<Fasolka *>(lista->kontrolerTablicy()->obiektWWierszu(indeks.row()));
            return fasolka && fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString();
        }
        auto *drzewo = qobject_cast<KontrolerDrzewa *>(widok->model());
        BytSystemuPlikow *byt = drzewo && indeks.isValid() ? drzewo->wezel(indeks)->byt() : nullptr;
        return byt ? byt->plikowyURL() : QString();
    }

    // A folder bean of the flow list, right-clicked, and `polecenie` chosen from its menu.
    void otworzFasolkeKatalogowa(const QString &polecenie)
    {
        auto *lista = widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
        ASSERT_NE(lista, nullptr);
        KontrolerTablicy *tablica = lista->kontrolerTablicy();
        int wiersz = -1;
        for (int w = 0; w < tablica->rowCount() && wiersz < 0; ++w)
            if (auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(w));
                fasolka && fasolka->jestZKatalogiem())
                wiersz = w;
        ASSERT_GE(wiersz, 0);
        kliknijPrawym(lista, lista->model()->index(wiersz, 1));
        wybierzZMenu(otwarteMenu(), polecenie);
    }

    // Shows the list by clicks and menus, as a user does, and hands it over once it has rows.
    QAbstractItemView *pokaz(ListaPapieru lista)
    {
        QAbstractItemView *widok = nullptr;
        switch (lista) {
        case ListaPapieru::Potok:
            widok = widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
            break;
        case ListaPapieru::PotokWysokieWiersze: {
            auto *przycisk = m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskRodzajuWiersza"));
            EXPECT_NE(przycisk, nullptr);
            if (!przycisk)
                return nullptr;
            QTest::mouseClick(przycisk, Qt::LeftButton);
            auto *tabela = widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
            EXPECT_TRUE(tabela && tabela->rowViewType() == 1);
            widok = tabela;
            break;
        }
        case ListaPapieru::WszystkieFasolki:
            kliknijWPasku(QStringLiteral("All Beans"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return widocznyWidok<WidokTabeliWszystkieFasolki>(m_okno); }, 2000));
            widok = widocznyWidok<WidokTabeliWszystkieFasolki>(m_okno);
            break;
        case ListaPapieru::Archiwum:
            kliknijWPasku(QStringLiteral("Archived Beans"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return widocznyWidok<WidokTabeliFasolkiZarchiwizowane>(m_okno); }, 2000));
            widok = widocznyWidok<WidokTabeliFasolkiZarchiwizowane>(m_okno);
            break;
        case ListaPapieru::RzeczyPotoku:
            widok = widocznyWidok<WidokZaryseliRzeczyKatalogu>(m_okno);
            break;
        case ListaPapieru::KartaFasolki:
        case ListaPapieru::KartaFasolkiRzeczyPotoku: {
            otworzFasolkeKatalogowa(QStringLiteral("Open in New Tab"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return przegladarka()->tabCount() == 2; }, 2000));
            przegladarka()->selectTabAtIndex(1);
            KartaFasolki *karta = przegladarka()->wybranaKartaFasolki();
            EXPECT_NE(karta, nullptr);
            if (!karta)
                return nullptr;
            KontrolerKartyFasolki *kontroler = karta->kontrolerKartyFasolki();
            widok = (lista == ListaPapieru::KartaFasolki ? kontroler->kontrolerRzeczyFasolki()
                                                         : kontroler->kontrolerRzeczyPotoku())
                        ->widokZaryseli();
            break;
        }
        case ListaPapieru::WidokFasolki:
        case ListaPapieru::WidokFasolkiRzeczyPotoku: {
            otworzFasolkeKatalogowa(QStringLiteral("Open"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return kartaPortfolio()->kontrolerWybranejFasolki() != nullptr; }, 2000));
            KontrolerWidokuFasolki *kontroler = kartaPortfolio()->kontrolerWybranejFasolki();
            if (!kontroler)
                return nullptr;
            widok = (lista == ListaPapieru::WidokFasolki ? kontroler->kontrolerRzeczyFasolki()
                                                         : kontroler->kontrolerRzeczyPotoku())
                        ->widokZaryseli();
            break;
        }
        }
        if (!widok)
            return nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] { return widok->isVisible() && widok->model()->rowCount() >= 2; }, 5000));
        // Laid out: the rows have their places.
        EXPECT_TRUE(QTest::qWaitFor([&] { return ramkaWiersza(widok, 0).isValid(); }, 2000));
        return widok;
    }
};

class PapierListWProgramie : public WygladPapieruWProgramie, public ::testing::WithParamInterface<PrzypadekPapieru>
{
};

// Dots 1 point long 3 points apart, from the row's left edge.
bool kropkowanaLinia(const QImage &obraz, int y)
{
    return qRed(obraz.pixel(0, y)) == szaroscSeparatora && qRed(obraz.pixel(3, y)) == szaroscSeparatora
           && qRed(obraz.pixel(6, y)) == szaroscSeparatora && qRed(obraz.pixel(1, y)) != szaroscSeparatora;
}

} // namespace

// Each list is a sheet of paper: a dotted line on the last pixel row of every row, tall rows included, and
// more at the pitch of the rows through the empty space below the last one.
TEST_P(PapierListWProgramie, EveryRowAndTheEmptySpaceBelowHaveTheirDottedLine)
{
    m_okno->resize(m_okno->width(), std::max(m_okno->height(), 700));
    QAbstractItemView *widok = pokaz(GetParam().lista);
    ASSERT_NE(widok, nullptr);
    ASSERT_FALSE(HasFailure());
    QTest::qWait(0);
    const QImage obraz = widok->viewport()->grab().toImage();
    const int wysokosc = widok->viewport()->height();

    int dolOstatniego = 0;
    for (int wiersz = 0; wiersz < widok->model()->rowCount(); ++wiersz) {
        const QRect ramka = ramkaWiersza(widok, wiersz);
        if (ramka.bottom() >= wysokosc)
            break;
        EXPECT_TRUE(kropkowanaLinia(obraz, ramka.bottom())) << "row " << wiersz << " at y " << ramka.bottom();
        dolOstatniego = std::max(dolOstatniego, ramka.bottom() + 1);
    }
    if (!GetParam().miejscePodWierszami)
        return;
    // Rows as tall as the list's ordinary ones continue below, with no row in them.
    const auto *papier = dynamic_cast<const WidokPapierowy *>(widok);
    ASSERT_NE(papier, nullptr);
    const int skok = int(papier->rowHeight());
    ASSERT_FALSE(widok->indexAt(QPoint(1, dolOstatniego + 1)).isValid());
    ASSERT_LT(dolOstatniego + 2 * skok, wysokosc) << "no empty space below the rows";
    for (const int y : {dolOstatniego + skok - 1, dolOstatniego + 2 * skok - 1})
        EXPECT_TRUE(kropkowanaLinia(obraz, y)) << "empty space at y " << y;
    EXPECT_EQ(qRed(obraz.pixel(0, dolOstatniego + skok / 2)), 255);
}

INSTANTIATE_TEST_SUITE_P(KazdaLista, PapierListWProgramie, ::testing::ValuesIn(przypadkiPapieru),
                         [](const auto &wariant) { return std::string(wariant.param.nazwa); });

namespace {

// The columns from `od` up to `doKolumny` where a pixel of the row's middle band is ink: the shape of the text.
QList<bool> kolumnyTuszu(const QImage &obraz, int od, int doKolumny, bool (*tusz)(QRgb))
{
    QList<bool> kolumny;
    for (int x = od; x < doKolumny; ++x) {
        bool jest = false;
        for (int y = 3; y < obraz.height() - 3 && !jest; ++y)
            jest = tusz(obraz.pixel(x, y));
        kolumny.append(jest);
    }
    return kolumny;
}

} // namespace

// The bar's selected row changes its colours only: "Archived Beans" selected by a click at the bar's own
// width takes as much room as unselected, in white instead of black, and is not cut short.
TEST_F(WygladPapieruWProgramie, TheNavigationBarsSelectedRowKeepsItsFont)
{
    ASSERT_NE(pasek(), nullptr);
    const QString archiwum = QStringLiteral("Archived Beans");
    const auto obrazWiersza = [&] {
        const QRect ramka = pasek()->visualRect(wierszPaska(archiwum));
        return m_okno->grab(QRect(pasek()->viewport()->mapTo(m_okno, ramka.topLeft()), ramka.size())).toImage();
    };
    // In the row's own coordinates: from where the name begins, right of the icon, to the button.
    const QRect ramka = pasek()->visualRect(wierszPaska(archiwum));
    const int od = 25;
    const int doKolumny = int(WidokKomorkiPaskaNawigacji::prostokatPrzycisku(ramka).left()) - 4 - ramka.left();
    const auto czarny = [](QRgb p) { return qGray(p) < 90; };
    const auto bialy = [](QRgb p) { return qGray(p) > 200; };

    const QList<bool> niezaznaczony = kolumnyTuszu(obrazWiersza(), od, doKolumny, czarny);
    ASSERT_TRUE(niezaznaczony.contains(true));
    kliknijWPasku(archiwum);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasek()->selectionModel()->isSelected(wierszPaska(archiwum)); }, 2000));
    pasek()->viewport()->repaint();
    const QList<bool> zaznaczony = kolumnyTuszu(obrazWiersza(), od, doKolumny, bialy);
    // Black and white strokes cover the same columns, but for edges the antialiasing draws apart; a bold name,
    // wider and cut short, shifts glyph after glyph.
    int rozne = 0;
    for (qsizetype x = 0; x < zaznaczony.size(); ++x)
        rozne += zaznaczony[x] != niezaznaczony[x];
    EXPECT_LE(rozne, zaznaczony.size() / 6);
}

namespace {

// Where a right click lands to mark a row, and what the mark looks like there.
enum class WidokZMenu { ListaPotoku, RzeczyPotoku, PasekNawigacji };

struct PrzypadekObrysu
{
    const char *nazwa;
    WidokZMenu widok;
};

const PrzypadekObrysu przypadkiObrysu[] = {
    {"ListaPotoku", WidokZMenu::ListaPotoku},
    {"RzeczyPotoku", WidokZMenu::RzeczyPotoku},
    {"PasekNawigacji", WidokZMenu::PasekNawigacji},
};

class ObrysMenuWProgramie : public WygladPapieruWProgramie, public ::testing::WithParamInterface<PrzypadekObrysu>
{
protected:
    void przedUruchomieniem() override
    {
        for (const char *nazwa : {"a.txt", "b.txt", "c.txt"})
            plik(QStringLiteral("All Beans/_Main_Flow/_Flow_Items/") + QLatin1String(nazwa));
    }

    // The pixel on the clicked row's top edge, halfway across, where the mark runs.
    static QRgb naKrawedzi(QAbstractItemView *widok, const QRect &ramka)
    {
        return widok->viewport()->grab().toImage().pixel(widok->viewport()->width() / 2, ramka.top() + 2);
    }

    static int odleglosc(QRgb a, const QColor &b)
    {
        return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green()) + std::abs(qBlue(a) - b.blue());
    }

    NagrywarkaAlertow m_alerty;
};

} // namespace

// A right click marks the row the menu acts on while the menu is open, whether that row is selected or
// not; the mark goes with the menu, and the command chosen acts on the clicked row.
TEST_P(ObrysMenuWProgramie, TheRightClickedRowIsOutlinedWhileItsMenuIsOpen)
{
    QAbstractItemView *widok = nullptr;
    QModelIndex wybrany;
    QModelIndex klikniety;
    switch (GetParam().widok) {
    case WidokZMenu::ListaPotoku:
        widok = pokaz(ListaPapieru::Potok);
        ASSERT_NE(widok, nullptr);
        wybrany = widok->model()->index(0, 1);
        klikniety = widok->model()->index(3, 1);
        break;
    case WidokZMenu::RzeczyPotoku:
        // The click selects the row, as the menu will.
        widok = pokaz(ListaPapieru::RzeczyPotoku);
        ASSERT_NE(widok, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return widok->model()->rowCount() >= 3; }, 5000));
        wybrany = klikniety = widok->model()->index(2, 0);
        break;
    case WidokZMenu::PasekNawigacji:
        widok = pasek();
        ASSERT_NE(widok, nullptr);
        wybrany = klikniety = wierszPaska(QStringLiteral("Potok 0002"));
        break;
    }
    ASSERT_TRUE(klikniety.isValid());
    QTest::mouseClick(widok->viewport(), Qt::LeftButton, {}, widok->visualRect(wybrany).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return widok->selectionModel()->isSelected(wybrany); }, 2000));
    const bool zaznaczony = wybrany == klikniety;
    const QRect ramka = widok->visualRect(klikniety);
    widok->viewport()->repaint();
    const QRgb przed = naKrawedzi(widok, ramka);

    kliknijPrawym(widok, klikniety);
    QMenu *menu = otwarteMenu();
    ASSERT_NE(menu, nullptr);
    widok->viewport()->repaint();
    const QRgb zMenu = naKrawedzi(widok, ramka);
    // White over the bar's dark selection.
    const QColor obrys = GetParam().widok == WidokZMenu::PasekNawigacji
                             ? QColor(Qt::white)
                             : ObrysMenuPodrecznego::kolorNaPapierze(zaznaczony);
    EXPECT_LT(odleglosc(zMenu, obrys), 60) << std::hex << zMenu;
    EXPECT_GT(odleglosc(przed, obrys), 100) << std::hex << przed;

    const QString sciezka = sciezkaWiersza(widok, klikniety);
    menu->close();
    ASSERT_TRUE(QTest::qWaitFor([] { return otwarteMenu() == nullptr; }, 2000));
    widok->viewport()->repaint();
    EXPECT_EQ(naKrawedzi(widok, ramka), przed);

    if (GetParam().widok == WidokZMenu::PasekNawigacji)
        return;
    const QString zaznaczona = sciezkaWiersza(widok, widok->model()->index(0, klikniety.column()));
    ASSERT_FALSE(sciezka.isEmpty());
    kliknijPrawym(widok, klikniety);
    wybierzZMenu(otwarteMenu(), QStringLiteral("Move to Trash"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(sciezka); }, 5000)) << sciezka.toStdString();
    EXPECT_TRUE(QFileInfo::exists(zaznaczona)) << zaznaczona.toStdString();
}

INSTANTIATE_TEST_SUITE_P(KazdyWidok, ObrysMenuWProgramie, ::testing::ValuesIn(przypadkiObrysu),
                         [](const auto &wariant) { return std::string(wariant.param.nazwa); });
