#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Browser/KartaFasolki.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Views/KontrolerZawartosciFasolki.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/KontrolerTablicy.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QWindow>

namespace {

// One entry of the flow's items folder: what it holds when the program starts, what another
// program leaves in it before the folder's next pulse, and whether its row has a triangle then.
struct ZawartoscWpisu
{
    const char *nazwa;
    enum { Plik, PustyKatalog, KatalogZPlikiem, KatalogZUkrytym } naStarcie;
    enum { BezZmian, Oprozniony, Napelniony } przedPulsem;
    bool trojkatNaStarcie;
    bool trojkatPoPulsie;
};

const ZawartoscWpisu zawartosciElementow[] = {
    {"a pusty", ZawartoscWpisu::PustyKatalog, ZawartoscWpisu::BezZmian, false, false},
    {"b pelny", ZawartoscWpisu::KatalogZPlikiem, ZawartoscWpisu::BezZmian, true, true},
    {"c tylko ukryty", ZawartoscWpisu::KatalogZUkrytym, ZawartoscWpisu::BezZmian, false, false},
    {"d oprozniony", ZawartoscWpisu::KatalogZPlikiem, ZawartoscWpisu::Oprozniony, true, false},
    {"e napelniony", ZawartoscWpisu::PustyKatalog, ZawartoscWpisu::Napelniony, false, true},
    {"f plik.txt", ZawartoscWpisu::Plik, ZawartoscWpisu::BezZmian, false, false},
};

class TrojkatyZarysuWProgramie : public UruchomionyProgram
{
protected:
    static QString elementy() { return QStringLiteral("All Beans/_Main_Flow/_Flow_Items/"); }
    // A folder bean of the main flow.
    static QString projekt() { return QStringLiteral("All Beans/_Main_Flow/Projekt 0006/"); }

    void przedUruchomieniem() override
    {
        for (const QString &folder : {elementy(), projekt()})
            wypelnij(folder);
    }

    void wypelnij(const QString &folder)
    {
        for (const ZawartoscWpisu &wpis : zawartosciElementow) {
            const QString sciezka = folder + QString::fromUtf8(wpis.nazwa);
            switch (wpis.naStarcie) {
            case ZawartoscWpisu::Plik:
                plik(sciezka);
                break;
            case ZawartoscWpisu::PustyKatalog:
                katalog(sciezka);
                break;
            case ZawartoscWpisu::KatalogZPlikiem:
                plik(sciezka + QStringLiteral("/w.txt"));
                break;
            case ZawartoscWpisu::KatalogZUkrytym:
                plik(sciezka + QStringLiteral("/.ukryty"));
                break;
            }
        }
    }

    QModelIndex wiersz(const char *nazwa) const
    {
        const QModelIndexList trafione =
            m_drzewo->match(m_drzewo->index(0, 0), Qt::EditRole, QString::fromUtf8(nazwa), 1, Qt::MatchFixedString);
        return trafione.value(0);
    }

    // What the window shows left of the row's name, where a triangle goes: the outline's own repaints, not a
    // drawing made afresh for the test. The row's top points stay out, where the first row lies under the
    // header's dotted separator.
    QImage obokNazwy(const QModelIndex &indeks) const
    {
        constexpr int pominiete = 2;
        const QRect wiersz = m_zarys->visualRect(indeks);
        QWidget *okno = m_zarys->window();
        const QPoint wOknie =
            m_zarys->viewport()->mapTo(okno, QPoint(wiersz.left() - m_zarys->indentation(), wiersz.top() + pominiete));
        return okno->windowHandle()
            ->screen()
            ->grabWindow(okno->winId(), wOknie.x(), wOknie.y(), m_zarys->indentation(), wiersz.height() - pominiete)
            .toImage();
    }

    // Each entry's row against the table, as the model answers and as the window shows it: beside a file's
    // row, which never has a triangle, the same pixels are no triangle.
    void sprawdzTrojkaty(bool poPulsie)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !m_drzewo->wczytuje() && !m_drzewo->czekaNaLiscie(); }, 5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return wiersz("f plik.txt").isValid(); }, 5000));
        for (const ZawartoscWpisu &wpis : zawartosciElementow) {
            SCOPED_TRACE(wpis.nazwa);
            const QModelIndex indeks = wiersz(wpis.nazwa);
            ASSERT_TRUE(indeks.isValid());
            const bool oczekiwany = poPulsie ? wpis.trojkatPoPulsie : wpis.trojkatNaStarcie;
            EXPECT_EQ(m_drzewo->hasChildren(indeks), oczekiwany);
            // Painted in a later turn.
            const bool pokazany = QTest::qWaitFor(
                [&] {
                    const QImage bezTrojkata = obokNazwy(wiersz("f plik.txt"));
                    return !bezTrojkata.isNull() && (obokNazwy(indeks) != bezTrojkata) == oczekiwany;
                },
                1000);
            EXPECT_TRUE(pokazany) << (oczekiwany ? "no triangle shown" : "a triangle shown");
        }
    }

    // The entries as they stood at the start or after the pulse, in the outline of `kontroler`, shown on the folder
    // `folder`.
    void sprawdzZarys(KontrolerRzeczyKatalogu *kontroler, const QString &folder, bool poPulsie = false)
    {
        ASSERT_NE(kontroler, nullptr);
        m_zarys = kontroler->widokZaryseli();
        ASSERT_NE(m_zarys, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_zarys->isVisible(); }, 2000));
        m_drzewo = qobject_cast<KontrolerDrzewa *>(m_zarys->model());
        ASSERT_NE(m_drzewo, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_drzewo->katalog() != nullptr; }, 5000));
        ASSERT_EQ(m_drzewo->katalog()->plikowyURL() + u'/', R(folder));
        sprawdzTrojkaty(poPulsie);
    }

    // The folder bean's row in the flow list, right-clicked, and `polecenie` chosen from its menu.
    void otworzProjekt(const QString &polecenie)
    {
        auto *lista = pierwszyWidoczny<WidokTabeliFasolkiPotoku>();
        ASSERT_NE(lista, nullptr);
        KontrolerTablicy *tablica = lista->kontrolerTablicy();
        int wiersz = -1;
        for (int w = 0; w < tablica->rowCount() && wiersz < 0; ++w)
            if (auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(w));
                fasolka && fasolka->nazwa() == QStringLiteral("Projekt 0006"))
                wiersz = w;
        ASSERT_GE(wiersz, 0);
        PolecenieWOknie::kliknijPrawym(lista, lista->model()->index(wiersz, 1));
        PolecenieWOknie::wybierzZMenu(PolecenieWOknie::otwarteMenu(), polecenie);
    }

    // Another program empties and fills the entries of `folder` as the table says, then adds a file to the
    // folder itself, which the current outline is to show.
    void zmienPrzedPulsem(const QString &folder)
    {
        for (const ZawartoscWpisu &wpis : zawartosciElementow) {
            const QString sciezka = R(folder + QString::fromUtf8(wpis.nazwa));
            if (wpis.przedPulsem == ZawartoscWpisu::Oprozniony)
                ASSERT_TRUE(QFile::remove(sciezka + QStringLiteral("/w.txt")));
            else if (wpis.przedPulsem == ZawartoscWpisu::Napelniony)
                plik(folder + QString::fromUtf8(wpis.nazwa) + QStringLiteral("/w.txt"));
        }
        // The sub-folders' own changes do not reach the outline's folder: a new file there does.
        plik(folder + QStringLiteral("g nowy.txt"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return wiersz("g nowy.txt").isValid(); }, 5000));
    }

    WidokZaryseliRzeczyKatalogu *m_zarys = nullptr;
    KontrolerDrzewa *m_drzewo = nullptr;
};

} // namespace

// A sub-folder's triangle tells whether it holds anything shown, as its last read found: empty or
// holding only hidden names it has none; emptied or filled by another program, it follows at the
// folder's next pulse.
TEST_F(TrojkatyZarysuWProgramie, ASubFolderHasATriangleExactlyWhenItHoldsSomething)
{
    ASSERT_TRUE(obserwujDysk());
    m_zarys = pierwszyWidoczny<WidokZaryseliRzeczyKatalogu>();
    ASSERT_NE(m_zarys, nullptr);
    m_drzewo = qobject_cast<KontrolerDrzewa *>(m_zarys->model());
    ASSERT_NE(m_drzewo, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_drzewo->katalog() != nullptr; }, 5000));
    ASSERT_EQ(m_drzewo->katalog()->plikowyURL() + u'/', R(elementy()));
    sprawdzTrojkaty(false);
    if (HasFatalFailure())
        return;

    zmienPrzedPulsem(elementy());
    if (HasFatalFailure())
        return;
    sprawdzTrojkaty(true);
}

// The bean tab's and the bean view's outlines, of the bean's own folder and of its flow's items, give a
// folder row a triangle by the same rule as the flow's items panel.
TEST_F(TrojkatyZarysuWProgramie, TheBeanTabAndTheBeanViewGiveATriangleByTheSameRule)
{
    ASSERT_TRUE(obserwujDysk());
    otworzProjekt(QStringLiteral("Open in New Tab"));
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(QTest::qWaitFor([&] { return przegladarka()->tabCount() == 2; }, 2000));
    przegladarka()->selectTabAtIndex(1);
    KartaFasolki *karta = przegladarka()->wybranaKartaFasolki();
    ASSERT_NE(karta, nullptr);
    {
        SCOPED_TRACE("bean tab, bean folder");
        sprawdzZarys(karta->kontrolerKartyFasolki()->kontrolerRzeczyFasolki(), projekt());
    }
    {
        SCOPED_TRACE("bean tab, flow items");
        sprawdzZarys(karta->kontrolerKartyFasolki()->kontrolerRzeczyPotoku(), elementy());
    }
    if (HasFatalFailure())
        return;
    {
        SCOPED_TRACE("bean tab, bean folder, after the pulse");
        m_zarys = karta->kontrolerKartyFasolki()->kontrolerRzeczyFasolki()->widokZaryseli();
        m_drzewo = qobject_cast<KontrolerDrzewa *>(m_zarys->model());
        zmienPrzedPulsem(projekt());
        if (HasFatalFailure())
            return;
        sprawdzTrojkaty(true);
    }
    if (HasFatalFailure())
        return;

    przegladarka()->selectTabAtIndex(0);
    otworzProjekt(QStringLiteral("Open"));
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(QTest::qWaitFor([&] { return kartaPortfolio()->kontrolerWybranejFasolki() != nullptr; }, 2000));
    KontrolerWidokuFasolki *widokFasolki = kartaPortfolio()->kontrolerWybranejFasolki();
    {
        SCOPED_TRACE("bean view, bean folder");
        sprawdzZarys(widokFasolki->kontrolerRzeczyFasolki(), projekt(), true);
    }
    {
        SCOPED_TRACE("bean view, flow items");
        sprawdzZarys(widokFasolki->kontrolerRzeczyPotoku(), elementy());
    }
}
