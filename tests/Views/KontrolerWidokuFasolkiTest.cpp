#include "Support/Ui/UruchomionyProgram.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Browser/OknaTarrowind.h"
#include "Model/Archiwum.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Views/KontrolerZawartosciFasolki.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/ObserwacjaPortfolio.h"
#include "Support/Ui/WierszZarysu.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>

// The bean shown in a portfolio tab of the program's own first window: it follows its bean, lets the
// tab go on when the bean is gone or moves to a tab of its own, and takes files on its folder icon.
class KontrolerWidokuFasolkiTest : public UruchomionyProgram
{
protected:
    Potok *potokNr(int numer) { return baza()->potoki().elementy().at(numer); }

    Fasolka *fasolkaKatalogowa(Potok *potok, Fasolka *pomin = nullptr)
    {
        for (Fasolka *f : potok->fasolki())
            if (f->jestZKatalogiem() && f != pomin)
                return f;
        return nullptr;
    }

    KontrolerKartyPortfolio *kontrolerKarty() { return kartaPortfolio()->kontrolerKartyPortfolio(); }

    // The bean shown in this window's portfolio tab, as the flow list's Open does it.
    KontrolerWidokuFasolki *pokaz(Fasolka *fasolka)
    {
        kartaPortfolio()->otworzFasolkeNaKarciePortfolio(fasolka);
        QCoreApplication::processEvents();
        return qobject_cast<KontrolerWidokuFasolki *>(kontrolerKarty()->kontrolerBiezacegoWidokuSzczegolow());
    }

    // Whether the controller lived on through the handler that made the tab leave it: looked at
    // right after the handler returned, before the deferred deletions run.
    static void oczekujZwolnieniaPoObsludze(const QPointer<KontrolerWidokuFasolki> &kontroler, bool zywyPoObsludze)
    {
        EXPECT_TRUE(zywyPoObsludze) << "the controller went inside its own handler";
        wykonajOdlozoneUsuniecia();
        EXPECT_TRUE(kontroler.isNull()) << "the tab kept the controller of a bean it left";
    }
};

TEST_F(KontrolerWidokuFasolkiTest, TheSameBeanAgainRereadsNothing)
{
    Fasolka *fasolka = fasolkaKatalogowa(potokNr(0));
    KontrolerWidokuFasolki *widok = pokaz(fasolka);
    ASSERT_NE(widok, nullptr);
    EXPECT_EQ(kartaPortfolio()->title(), QStringLiteral("Bean: ") + fasolka->nazwa());
    QSignalSpy odczytyFasolki(widok->kontrolerRzeczyFasolki()->kontrolerDrzewa(), &QAbstractItemModel::modelReset);
    QSignalSpy odczytyPotoku(widok->kontrolerRzeczyPotoku()->kontrolerDrzewa(), &QAbstractItemModel::modelReset);

    // Away to the flow and back through the history: the cached view is handed the same bean.
    kontrolerKarty()->przejdzDoPoprzedniegoWidoku();
    kontrolerKarty()->przejdzDoNastepnegoWidoku();
    ASSERT_EQ(kontrolerKarty()->kontrolerBiezacegoWidokuSzczegolow(), widok);
    widok->setFasolka(fasolka);
    EXPECT_EQ(odczytyFasolki.count(), 0);
    EXPECT_EQ(odczytyPotoku.count(), 0);
}

TEST_F(KontrolerWidokuFasolkiTest, RePointedToASameNamedBeanItNoLongerHearsTheFirst)
{
    ASSERT_TRUE(czekajNaObserwacjePortfolio());
    Fasolka *pierwsza = fasolkaKatalogowa(potokNr(1));
    Fasolka *druga = fasolkaKatalogowa(potokNr(2));
    ASSERT_TRUE(pierwsza && druga);
    druga->setNazwa(pierwsza->nazwa());
    ASSERT_EQ(druga->nazwa(), pierwsza->nazwa());
    KontrolerWidokuFasolki *widok = pokaz(pierwsza);
    ASSERT_EQ(pokaz(druga), widok) << "beans of one name share the tab's view";
    EXPECT_EQ(widok->nazwaPotoku(), potokNr(2)->nazwa());
    EXPECT_EQ(widok->kontrolerRzeczyFasolki()->katalog(), druga->katalog());

    const QPointer<Fasolka> usuwana = pierwsza;
    ASSERT_TRUE(QDir(pierwsza->bytFasolki()->plikowyURL()).removeRecursively());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !usuwana || usuwana->zostalaUsunieta(); }, czasNaZdarzenieMs));
    przeczekajCisze();
    EXPECT_EQ(kontrolerKarty()->kontrolerBiezacegoWidokuSzczegolow(), widok);
    EXPECT_EQ(widok->fasolka(), druga);
    EXPECT_EQ(kartaPortfolio()->title(), QStringLiteral("Bean: ") + druga->nazwa());
}

TEST_F(KontrolerWidokuFasolkiTest, TheBeansFolderRemovedByAnotherProgramTakesTheTabBackAndReleasesTheViewLater)
{
    ASSERT_TRUE(czekajNaObserwacjePortfolio());
    Fasolka *fasolka = fasolkaKatalogowa(potokNr(0));
    const ItemWidoku poprzedni = kontrolerKarty()->itemBiezacegoWidokuSzczeglow();
    const QPointer<KontrolerWidokuFasolki> widok = pokaz(fasolka);
    ASSERT_FALSE(widok.isNull());
    // Heard after the view's own handler, which was connected first.
    bool zywyPoObsludze = false;
    QObject::connect(fasolka, &Fasolka::zostalaUsunietaChanged, m_okno, [&] { zywyPoObsludze = !widok.isNull(); });

    ASSERT_TRUE(QDir(fasolka->bytFasolki()->plikowyURL()).removeRecursively());
    ASSERT_TRUE(QTest::qWaitFor([&] { return kontrolerKarty()->itemBiezacegoWidokuSzczeglow() == poprzedni; },
                                czasNaZdarzenieMs));
    oczekujZwolnieniaPoObsludze(widok, zywyPoObsludze);
    EXPECT_FALSE(kartaPortfolio()->title().startsWith(QStringLiteral("Bean: ")));
    EXPECT_FALSE(kontrolerKarty()->zwalidujPrzyciskNaprzod()) << "the bean left the history";
}

// The header's button, clicked as a person clicks it: the bean goes on in a tab of its own, and the
// portfolio tab leaves it.
TEST_F(KontrolerWidokuFasolkiTest, TheOpenButtonMovesTheBeanToATabOrWithAltToANewWindow)
{
    for (const bool zAlt : {false, true}) {
        SCOPED_TRACE(zAlt ? "Alt" : "no modifier");
        Fasolka *fasolka = fasolkaKatalogowa(potokNr(0), zAlt ? fasolkaKatalogowa(potokNr(0)) : nullptr);
        KontrolerKartyPortfolio *karta = kontrolerKarty();
        const ItemWidoku poprzedni = karta->itemBiezacegoWidokuSzczeglow();
        const QPointer<KontrolerWidokuFasolki> widok = pokaz(fasolka);
        ASSERT_FALSE(widok.isNull());
        auto *przycisk = widok->view()->findChild<QAbstractButton *>(QStringLiteral("przyciskOtworzNaKarcie"));
        ASSERT_TRUE(przycisk && przycisk->isVisible());
        EXPECT_EQ(przycisk->toolTip(), QStringLiteral("Open in a Bean Tab (Alt: in a New Window)"));
        const int kartPrzed = przegladarka()->tabCount();
        const QList<BrowserWindow *> oknaPrzed = widoczneOknaPrzegladarki();

        QTest::mouseClick(przycisk, Qt::LeftButton, zAlt ? Qt::AltModifier : Qt::NoModifier);
        const bool zywyPoObsludze = !widok.isNull();
        EXPECT_EQ(karta->itemBiezacegoWidokuSzczeglow(), poprzedni);
        if (zAlt) {
            EXPECT_EQ(przegladarka()->tabCount(), kartPrzed);
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return widoczneOknaPrzegladarki().size() == oknaPrzed.size() + 1; }, 2000));
            PrzegladarkaTarrowind *nowa = nullptr;
            for (BrowserWindow *okno : widoczneOknaPrzegladarki())
                if (!oknaPrzed.contains(okno))
                    nowa = PrzegladarkaTarrowind::przegladarkaDlaOkna(okno);
            ASSERT_NE(nowa, nullptr);
            ASSERT_NE(nowa->wybranaKartaFasolki(), nullptr);
            EXPECT_EQ(nowa->wybranaKartaFasolki()->fasolka(), fasolka);
        } else {
            ASSERT_EQ(przegladarka()->tabCount(), kartPrzed + 1);
            auto *kartaFasolki = qobject_cast<KartaFasolki *>(przegladarka()->tabContentsAtIndex(kartPrzed));
            ASSERT_NE(kartaFasolki, nullptr);
            EXPECT_EQ(kartaFasolki->fasolka(), fasolka);
            EXPECT_EQ(widoczneOknaPrzegladarki().size(), oknaPrzed.size());
        }
        oczekujZwolnieniaPoObsludze(widok, zywyPoObsludze);
        ASSERT_TRUE(aktywuj(m_okno));
        przegladarka()->selectTabAtIndex(0);
    }
}

TEST_F(KontrolerWidokuFasolkiTest, AnArchivedBeanNamesItsFlowArchiveAndShowsNoFlowItems)
{
    ArchiwumPotoku *archiwum = baza()->archiwum()->archiwumPotokuDlaPotoku(potokNr(1));
    ASSERT_NE(archiwum, nullptr);
    ASSERT_FALSE(archiwum->fasolki().elementy().isEmpty());
    Fasolka *zarchiwizowana = archiwum->fasolki().elementy().constFirst();
    // A flow's bean first, so that the shared outline had a folder to drop.
    pokaz(fasolkaKatalogowa(potokNr(0)));
    KontrolerWidokuFasolki *widok = pokaz(zarchiwizowana);
    ASSERT_NE(widok, nullptr);
    EXPECT_EQ(widok->nazwaPotoku(), archiwum->nazwa());
    EXPECT_EQ(widok->view()->findChild<QLabel *>(QStringLiteral("poleNazwyPotoku"))->text(), archiwum->nazwa());
    EXPECT_EQ(widok->kontrolerRzeczyPotoku()->katalog(), nullptr);
    EXPECT_EQ(widok->kontrolerRzeczyPotoku()->kontrolerDrzewa()->rowCount(), 0);
}

// Its own bean archived by Ctrl+7 in the view: the view stays, now on a bean with no flow, and
// drops the flow's items.
TEST_F(KontrolerWidokuFasolkiTest, ItsOwnBeanArchivedByItsKeyLeavesTheFlowItemsOutlineEmpty)
{
    Fasolka *fasolka = fasolkaKatalogowa(potokNr(0));
    ASSERT_NE(fasolka, nullptr);
    ASSERT_TRUE(QDir().mkpath(potokNr(0)->bytPotoku()->plikowyURL() + QStringLiteral("/_Flow_Items/Notes")));
    KontrolerWidokuFasolki *widok = pokaz(fasolka);
    ASSERT_NE(widok, nullptr);
    KontrolerRzeczyKatalogu *rzeczy = widok->kontrolerRzeczyPotoku();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rzeczy->kontrolerDrzewa()->rowCount() > 0; }, 3000)) << "no flow items";
    const QString wArchiwum = m_baza.sciezka() + QStringLiteral("/Tarrowind/Archived Beans/")
                              + QFileInfo(potokNr(0)->bytPotoku()->plikowyURL()).fileName() + QStringLiteral("/")
                              + QFileInfo(fasolka->bytFasolki()->plikowyURL()).fileName();
    QWidget *zarys = widok->kontrolerRzeczyFasolki()->widokZaryseli();
    zarys->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return zarys->hasFocus(); }));

    QTest::keyClick(zarys, Qt::Key_7, Qt::ControlModifier);

    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(wArchiwum); }, 5000)) << "not archived";
    ASSERT_TRUE(QTest::qWaitFor([&] { return fasolka->jestZarchiwizowana(); }, 3000));
    ASSERT_EQ(kontrolerKarty()->kontrolerBiezacegoWidokuSzczegolow(), widok) << "the view left its archived bean";
    EXPECT_EQ(rzeczy->katalog(), nullptr);
    EXPECT_EQ(rzeczy->kontrolerDrzewa()->rowCount(), 0);
    EXPECT_EQ(widok->nazwaPotoku(), fasolka->archiwumPotoku()->nazwa());
}

TEST_F(KontrolerWidokuFasolkiTest, TheTopLevelEntryHoldingTheFirstSelectedRowIsTheBeansSecondaryItem)
{
    Fasolka *fasolka = fasolkaKatalogowa(potokNr(0));
    const QDir katalog(fasolka->katalog()->plikowyURL());
    for (const char *sciezka : {"gora/srodek/dol/plik.txt", "luzny.txt"}) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(katalog.filePath(QLatin1String(sciezka))).path()));
        ASSERT_TRUE(QFile(katalog.filePath(QLatin1String(sciezka))).open(QIODevice::WriteOnly));
    }
    KontrolerWidokuFasolki *widok = pokaz(fasolka);
    KontrolerDrzewa *drzewo = widok->kontrolerRzeczyFasolki()->kontrolerDrzewa();
    const QModelIndex gora = wierszZarysu(drzewo, QStringLiteral("gora"));
    const QModelIndex plik = wierszZarysu(drzewo, QStringLiteral("gora/srodek/dol/plik.txt"));
    const QModelIndex luzny = wierszZarysu(drzewo, QStringLiteral("luzny.txt"));
    ASSERT_TRUE(gora.isValid() && plik.isValid() && luzny.isValid());

    const struct
    {
        QModelIndexList zaznaczone;
        QModelIndex oczekiwany;
    } przypadki[] = {{{plik}, gora}, {{}, {}}, {{luzny, plik}, gora}, {{luzny}, luzny}};
    for (const auto &przypadek : przypadki) {
        drzewo->setSelectionIndexPaths(przypadek.zaznaczone);
        EXPECT_EQ(widok->kontrolerAkcjeNaFasolkach()->dodatkowyElement(),
                  przypadek.oczekiwany.isValid() ? drzewo->wezel(przypadek.oczekiwany)->representedObject() : nullptr);
    }
}

// A drag from another program onto the header's icon: a folder bean takes the file into its folder at
// once; a file bean's icon refuses it.
TEST_F(KontrolerWidokuFasolkiTest, FilesDroppedOnAFolderBeansIconLandInItsFolderAtOnce)
{
    Fasolka *plikowa = nullptr;
    for (Fasolka *f : potokNr(0)->fasolki())
        if (!f->jestZKatalogiem() && !plikowa)
            plikowa = f;
    ASSERT_NE(plikowa, nullptr);
    const struct
    {
        Fasolka *fasolka;
        bool przyjmuje;
    } przypadki[] = {{fasolkaKatalogowa(potokNr(0)), true}, {plikowa, false}};
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.fasolka->nazwa().toStdString());
        KontrolerWidokuFasolki *widok = pokaz(p.fasolka);
        IkonaZPrzeciaganymFolderem *ikona = widok->kontrolerZawartosciFasolki()->ikonaZFolderemPotoku();
        ASSERT_TRUE(ikona->isVisible());
        const QString zrodlo = m_baza.plik(QStringLiteral("obce/na_ikone_") + p.fasolka->nazwa());
        QMimeData dane;
        dane.setUrls({QUrl::fromLocalFile(zrodlo)});
        const Qt::DropActions akcje = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent wejscie(ikona->rect().center(), akcje, &dane, Qt::LeftButton, {});
        QCoreApplication::sendEvent(ikona, &wejscie);
        EXPECT_EQ(wejscie.dropAction() != Qt::IgnoreAction, p.przyjmuje);
        QDropEvent zrzut(ikona->rect().center(), akcje, &dane, Qt::LeftButton, {});
        QCoreApplication::sendEvent(ikona, &zrzut);
        const QString wFasolce = QFileInfo(p.fasolka->bytFasolki()->plikowyURL()).filePath() + "/"
                                 + QFileInfo(zrodlo).fileName();
        EXPECT_EQ(QFileInfo::exists(wFasolce), p.przyjmuje);
        if (!p.przyjmuje) {
            EXPECT_TRUE(QFileInfo::exists(zrodlo));
        }
    }
}
