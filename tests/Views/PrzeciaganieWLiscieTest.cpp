// On a real X server only (the EndToEnd.PrzeciaganieWLiscie entry: xvfb-run, QT_QPA_PLATFORM=xcb); under the
// offscreen platform a drag of files ends as it starts, and these tests skip. The pointer drags rows of the
// window the start-up built onto other rows of the same list or outline.

#include "Support/CzasyOczekiwania.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/PrzeciagniecieMysza.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/Ui/WierszZarysu.h"
#include "Support/ZrzutOkna.h"

#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Paths.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/WidokTabeliListyFasolek.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {

#define WYMAGA_SERWERA_X_W_LISCIE() \
    if (QGuiApplication::platformName() != QLatin1String("xcb")) \
    GTEST_SKIP() << "needs xvfb-run and QT_QPA_PLATFORM=xcb"

class PrzeciaganieWLiscie : public UruchomionyProgram
{
protected:
    void SetUp() override
    {
        UruchomionyProgram::SetUp();
        if (HasFatalFailure())
            return;
        m_okno->resize(1200, 900);
        QCoreApplication::processEvents();
    }

    void przedUruchomieniem() override
    {
        plik(QStringLiteral("All Beans/Garden/_Waiting_For/Seeds.txt"));
        katalog(QStringLiteral("All Beans/Garden/Shed"));
        plik(QStringLiteral("All Beans/Garden/_Flow_Items/Note.txt"));
        plik(QStringLiteral("All Beans/Garden/_Flow_Items/Tools/Rake.txt"));
        plik(QStringLiteral("All Beans/Kitchen/Recipe.txt"));
        plik(QStringLiteral("All Beans/Kitchen/Spoon.txt"));
        katalog(QStringLiteral("All Beans/Kitchen/Pantry"));
        plik(QStringLiteral("All Beans/Kitchen/_Ready/Menu.txt"));
        plik(QStringLiteral("Archived Beans/Garden/Old.txt"));
        plik(QStringLiteral("Archived Beans/Kitchen/Stale.txt"));
        plik(QStringLiteral("All Beans/Garden4/Bulb.txt"));
        plik(QStringLiteral("All Beans/Garden4/_Flow_Items/Plan.txt"));
    }

    QPoint wOknie(QWidget *widok, QPoint punkt) const { return widok->mapTo(m_okno, punkt); }

    void pokaz(const QString &nazwa) { PolecenieWOknie::kliknijWPaskuNawigacji(m_okno, nazwa); }

    WidokTabeliListyFasolek *lista() const { return pierwszyWidoczny<WidokTabeliListyFasolek>(); }

    // The row of a bean by its file's name, or of a header by its flow's or flow archive's name.
    static int wiersz(WidokTabeliListyFasolek *lista, const QString &nazwa)
    {
        KontrolerTablicy *tablica = lista->kontrolerTablicy();
        for (int w = 0; w < tablica->rowCount(); ++w) {
            QObject *obiekt = tablica->obiektWWierszu(w);
            auto *fasolka = qobject_cast<Fasolka *>(obiekt);
            if (fasolka && fasolka->bytFasolki() && Paths::lastComponent(fasolka->bytFasolki()->plikowyURL()) == nazwa)
                return w;
            auto *potok = qobject_cast<Potok *>(obiekt);
            auto *archiwum = qobject_cast<ArchiwumPotoku *>(obiekt);
            if ((potok && potok->nazwa() == nazwa) || (archiwum && archiwum->nazwa() == nazwa))
                return w;
        }
        return -1;
    }

    WidokZaryseliRzeczyKatalogu *zarysRzeczy(const QString &katalog) const
    {
        for (auto *zarys : m_okno->findChildren<WidokZaryseliRzeczyKatalogu *>()) {
            auto *drzewo = qobject_cast<KontrolerDrzewa *>(zarys->model());
            if (zarys->isVisible() && drzewo && drzewo->katalog() && drzewo->katalog()->plikowyURL() == katalog)
                return zarys;
        }
        return nullptr;
    }

    void pokazPanelRzeczy()
    {
        for (auto *przycisk : m_okno->findChildren<QAbstractButton *>(QStringLiteral("czyWidocznyPanelPrawy"))) {
            if (przycisk->isVisible() && !przycisk->isChecked())
                QTest::mouseClick(przycisk, Qt::LeftButton);
        }
        QCoreApplication::processEvents();
    }

    NagrywarkaAlertow m_alerty;
};

enum class Miejsce {
    NaWierszu,
    // On the upper edge of the target row: between it and the row above.
    MiedzyWierszami,
    // The strip at the list's right edge, at the target row's height.
    StrefaBoczna,
};

} // namespace

// Rows dragged onto rows of the same list or outline keep every drop rule: a bean goes to another flow in
// its status, into a folder bean or a folder; onto itself, its own flow, its own folder or a file bean it
// is refused and stays where it was. Each drag starts over its own row, which refuses it.
TEST_F(PrzeciaganieWLiscie, RowsDraggedWithinOneListGoWhereADropFromElsewhereGoes)
{
    WYMAGA_SERWERA_X_W_LISCIE();
    const struct
    {
        const char *opis;
        const char *widok; // the navigation bar's row
        const char *zrodlo;
        const char *cel;
        Miejsce miejsce;
        const char *przed; // where the dragged item lies
        const char *po;    // where it lies afterwards; nullptr: refused, it stays
        const char *zrzut; // a screenshot while it hovers the target
    } przypadki[] = {
        {"All Beans: a waiting bean onto another flow's header", "All Beans", "Seeds.txt", "Kitchen",
         Miejsce::NaWierszu, "All Beans/Garden/_Waiting_For/Seeds.txt", "All Beans/Kitchen/_Waiting_For/Seeds.txt",
         "drag-within-all-beans-onto-header.png"},
        {"All Beans: a folder bean between two beans of another flow", "All Beans", "Shed", "Recipe.txt",
         Miejsce::MiedzyWierszami, "All Beans/Garden/Shed", "All Beans/Kitchen/Shed", nullptr},
        {"All Beans: a file bean onto a folder bean", "All Beans", "Recipe.txt", "Shed", Miejsce::NaWierszu,
         "All Beans/Kitchen/Recipe.txt", "All Beans/Kitchen/Shed/Recipe.txt", nullptr},
        {"All Beans: a bean onto its own flow's header", "All Beans", "Seeds.txt", "Kitchen", Miejsce::NaWierszu,
         "All Beans/Kitchen/_Waiting_For/Seeds.txt", nullptr, nullptr},
        {"All Beans: a folder bean onto itself", "All Beans", "Pantry", "Pantry", Miejsce::NaWierszu,
         "All Beans/Kitchen/Pantry", nullptr, nullptr},
        {"All Beans: a bean onto a file bean", "All Beans", "Menu.txt", "Seeds.txt", Miejsce::NaWierszu,
         "All Beans/Kitchen/_Ready/Menu.txt", nullptr, nullptr},
        {"All Beans: a bean on the upper edge of its flow's header goes to the flow above", "All Beans", "Menu.txt",
         "Kitchen", Miejsce::MiedzyWierszami, "All Beans/Kitchen/_Ready/Menu.txt", "All Beans/Garden4/_Ready/Menu.txt",
         nullptr},
        {"flow: a file bean onto a folder bean", "Kitchen", "Spoon.txt", "Pantry", Miejsce::NaWierszu,
         "All Beans/Kitchen/Spoon.txt", "All Beans/Kitchen/Pantry/Spoon.txt", "drag-within-flow-onto-folder-bean.png"},
        {"flow: a bean into its own flow's side zone", "Kitchen", "Shed", "Shed", Miejsce::StrefaBoczna,
         "All Beans/Kitchen/Shed", nullptr, nullptr},
        {"flow: a folder bean onto itself", "Kitchen", "Shed", "Shed", Miejsce::NaWierszu, "All Beans/Kitchen/Shed",
         nullptr, nullptr},
        {"archive: a bean onto another flow archive's header", "Archived Beans", "Old.txt", "Kitchen",
         Miejsce::NaWierszu, "Archived Beans/Garden/Old.txt", "Archived Beans/Kitchen/Old.txt",
         "drag-within-archive-onto-header.png"},
        {"archive: a bean onto its own flow archive's header", "Archived Beans", "Stale.txt", "Kitchen",
         Miejsce::NaWierszu, "Archived Beans/Kitchen/Stale.txt", nullptr, nullptr},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.opis);
        pokaz(QString::fromLatin1(p.widok));
        WidokTabeliListyFasolek *widok = nullptr;
        int zrodlo = -1, cel = -1;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                widok = lista();
                zrodlo = widok ? wiersz(widok, QString::fromLatin1(p.zrodlo)) : -1;
                cel = widok ? wiersz(widok, QString::fromLatin1(p.cel)) : -1;
                return zrodlo >= 0 && cel >= 0;
            },
            3000));
        const QString przed = R(QString::fromLatin1(p.przed));
        ASSERT_TRUE(QFileInfo::exists(przed));
        const QRect rzad =
            widok->visualRect(widok->kontrolerTablicy()->index(zrodlo, KontrolerListyFasolek::KolumnaNazwa));
        const QRect docelowy =
            widok->visualRect(widok->kontrolerTablicy()->index(cel, KontrolerListyFasolek::KolumnaNazwa));
        ASSERT_TRUE(widok->viewport()->rect().contains(rzad) && widok->viewport()->rect().contains(docelowy));
        QPoint dokad(docelowy.left() + 40, docelowy.center().y());
        if (p.miejsce == Miejsce::MiedzyWierszami)
            dokad.setY(docelowy.top() + 1);
        else if (p.miejsce == Miejsce::StrefaBoczna)
            dokad.setX(widok->viewport()->width() - 12);
        const QString zrzut = p.zrzut ? QString::fromLatin1(p.zrzut) : QString();
        przeciagnijMysza(m_okno->windowHandle(), wOknie(widok->viewport(), QPoint(rzad.left() + 40, rzad.center().y())),
                         wOknie(widok->viewport(), dokad), [&] {
                             if (!zrzut.isEmpty())
                                 zrzutOkna(m_okno, zrzut);
                         });
        if (p.po) {
            const QString po = R(QString::fromLatin1(p.po));
            EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(po); }, 3000)) << qPrintable(po);
            EXPECT_FALSE(QFileInfo::exists(przed));
        }
        // The list selects a bean that arrives a moment after it shows it: the next press comes after that.
        przeczekajCisze(400);
        if (!p.po) {
            EXPECT_TRUE(QFileInfo::exists(przed)) << "a refused drop moved nothing";
        }
        EXPECT_TRUE(m_alerty.wpisy().isEmpty());
    }
}

// The flow items outline: an item onto a folder of the same outline goes into it; a folder onto itself or
// onto a folder inside it stays.
TEST_F(PrzeciaganieWLiscie, ItemsDraggedWithinTheFlowItemsOutlineGoWhereADropFromElsewhereGoes)
{
    WYMAGA_SERWERA_X_W_LISCIE();
    pokaz(QStringLiteral("Garden"));
    pokazPanelRzeczy();
    const QString rzeczy = R(QStringLiteral("All Beans/Garden/_Flow_Items"));
    WidokZaryseliRzeczyKatalogu *zarys = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (zarys = zarysRzeczy(rzeczy)); }, 3000));
    auto *drzewo = qobject_cast<KontrolerDrzewa *>(zarys->model());
    const QModelIndex narzedzia = wierszZarysu(drzewo, QStringLiteral("Tools"));
    ASSERT_TRUE(narzedzia.isValid());
    zarys->expand(narzedzia);
    const struct
    {
        const char *opis;
        const char *zrodlo; // below the shown folder
        const char *cel;
        const char *po; // nullptr: refused
    } przypadki[] = {
        {"a file onto a folder", "Note.txt", "Tools", "Tools/Note.txt"},
        {"a folder onto itself", "Tools", "Tools", nullptr},
        {"a folder onto a file inside it", "Tools", "Tools/Rake.txt", nullptr},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.opis);
        QModelIndex zrodlo, cel;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                zrodlo = wierszZarysu(drzewo, QString::fromLatin1(p.zrodlo));
                cel = wierszZarysu(drzewo, QString::fromLatin1(p.cel));
                return zrodlo.isValid() && cel.isValid();
            },
            3000));
        const QRect rzad = zarys->visualRect(zrodlo);
        const QRect docelowy = zarys->visualRect(cel);
        const QString przed = Paths::join(rzeczy, QString::fromLatin1(p.zrodlo));
        przeciagnijMysza(m_okno->windowHandle(), wOknie(zarys->viewport(), QPoint(rzad.left() + 30, rzad.center().y())),
                         wOknie(zarys->viewport(), QPoint(docelowy.left() + 30, docelowy.center().y())));
        if (p.po) {
            const QString po = Paths::join(rzeczy, QString::fromLatin1(p.po));
            EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(po); }, 3000)) << qPrintable(po);
            EXPECT_FALSE(QFileInfo::exists(przed));
            przeczekajCisze(400);
        } else {
            przeczekajCisze(400);
            EXPECT_TRUE(QFileInfo::exists(przed)) << "a refused drop moved nothing";
            EXPECT_TRUE(QFileInfo::exists(Paths::join(rzeczy, QStringLiteral("Tools/Rake.txt"))));
        }
    }
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

// A flow renamed in its view, then another program makes a flow of the old name: the view's folder
// icon stands for the renamed flow's folder, so dragged into that flow's own items it is refused and
// neither flow moves.
TEST_F(PrzeciaganieWLiscie, TheFlowIconOfARenamedFlowDragsThatFlowNotTheOneMadeUnderItsOldName)
{
    WYMAGA_SERWERA_X_W_LISCIE();
    pokaz(QStringLiteral("Garden4"));
    QLineEdit *nazwa = nullptr;
    for (QLineEdit *pole : m_okno->findChildren<QLineEdit *>(QStringLiteral("nazwaPotoku")))
        if (pole->isVisible())
            nazwa = pole;
    ASSERT_NE(nazwa, nullptr);
    ASSERT_EQ(nazwa->text(), QStringLiteral("Garden4"));
    QTest::mouseClick(nazwa, Qt::LeftButton);
    QTest::keyClick(nazwa, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(nazwa, QStringLiteral("Garden5"));
    QTest::keyClick(nazwa, Qt::Key_Return);
    const QString garden5 = R(QStringLiteral("All Beans/Garden5"));
    const QString garden4 = R(QStringLiteral("All Beans/Garden4"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(garden5 + QStringLiteral("/Bulb.txt")); }, 3000));

    // Another program makes a flow under the old name.
    plik(QStringLiteral("All Beans/Garden4/Sprout.txt"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return potok(QStringLiteral("Garden4")); }, 5000));
    auto *ikona = pierwszyWidoczny<IkonaZPrzeciaganymFolderem>();
    ASSERT_NE(ikona, nullptr);
    EXPECT_EQ(ikona->plikowyURL().toStdString(), garden5.toStdString());

    pokazPanelRzeczy();
    const QString rzeczy = garden5 + QStringLiteral("/_Flow_Items");
    WidokZaryseliRzeczyKatalogu *zarys = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (zarys = zarysRzeczy(rzeczy)); }, 3000));
    const QPoint ponizejWierszy(zarys->viewport()->width() / 2, zarys->viewport()->height() - 20);
    przeciagnijMysza(m_okno->windowHandle(), wOknie(ikona, ikona->rect().center()),
                     wOknie(zarys->viewport(), ponizejWierszy),
                     [&] { zrzutOkna(m_okno, QStringLiteral("flow-icon-of-renamed-flow-over-its-items.png")); });
    przeczekajCisze(400);
    EXPECT_TRUE(QFileInfo::exists(garden4 + QStringLiteral("/Sprout.txt")));
    EXPECT_TRUE(QFileInfo::exists(garden5 + QStringLiteral("/Bulb.txt")));
    EXPECT_EQ(QDir(rzeczy).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(u',').toStdString(), "Plan.txt");
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}
