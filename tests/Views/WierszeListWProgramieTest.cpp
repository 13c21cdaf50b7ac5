#include "Support/CzasyOczekiwania.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/ModelDrzewaPaskaNawigacji.h"
#include "Views/WidokKomorkiFasolki.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

#include <functional>

namespace {

using namespace PolecenieWOknie;

// The started program's window, short enough that its flow list scrolls.
class WierszeListWProgramie : public UruchomionyProgram
{
protected:
    void SetUp() override
    {
        UruchomionyProgram::SetUp();
        if (HasFatalFailure())
            return;
        m_okno->resize(1000, 300);
        QCoreApplication::processEvents();
    }

    WidokTabeliFasolkiPotoku *lista() const { return widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno); }
    KontrolerTablicy *tablica() const { return lista()->kontrolerTablicy(); }
    Fasolka *fasolkaWWierszu(int wiersz) const { return qobject_cast<Fasolka *>(tablica()->obiektWWierszu(wiersz)); }
    QRect komorkaNazwy(int wiersz) const
    {
        return lista()->visualRect(tablica()->index(wiersz, KontrolerListyFasolek::KolumnaNazwa));
    }
    bool wWidoku(int wiersz) const { return lista()->viewport()->rect().contains(komorkaNazwy(wiersz).center()); }
    // A turn of the mouse wheel over the list, a notch down.
    void przewinKolkiem()
    {
        const QPointF punkt = lista()->viewport()->rect().center();
        QWheelEvent kolko(punkt, lista()->viewport()->mapToGlobal(punkt), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(lista()->viewport(), &kolko);
    }
    // The first unselected row from `od` on that the predicate takes, or -1.
    int wiersz(const std::function<bool(int wiersz)> &pasuje, int od = 0) const
    {
        for (int w = od; w < tablica()->rowCount(); ++w) {
            if (!tablica()->selectionModel()->isRowSelected(w, {}) && pasuje(w))
                return w;
        }
        return -1;
    }
    static QString katalogStatusu(const Fasolka *wPotoku, int status)
    {
        // Active beans lie in the flow's folder itself, the others in its status folders.
        QDir potok = QFileInfo(wPotoku->bytFasolki()->plikowyURL()).dir();
        if (!Fasolka::oksDlaStatusuFasolki(wPotoku->statusFasolki()).isEmpty())
            potok.cdUp();
        const QString katalog = Fasolka::oksDlaStatusuFasolki(status);
        return katalog.isEmpty() ? potok.path() : potok.filePath(katalog);
    }

    NagrywarkaAlertow m_alerty;
};

// The menu of a row's status button, and one of its statuses chosen.
void wybierzStatusPrzyciskiem(WidokTabeliFasolkiPotoku *lista, int wiersz, int status)
{
    const QModelIndex indeks = lista->model()->index(wiersz, KontrolerListyFasolek::KolumnaNazwa);
    auto *komorka = static_cast<WidokKomorkiFasolki *>(lista->itemDelegateForIndex(indeks));
    auto *fasolka = qobject_cast<Fasolka *>(indeks.data(KontrolerTablicy::RolaObiektu).value<QObject *>());
    const QRect przycisk = komorka->prostokatPrzyciskuStatusu(lista->visualRect(indeks), fasolka);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, przycisk.center());
    wybierzZMenu(otwarteMenu(), Fasolka::tekstowyStatusFasolki(status));
}

} // namespace

// The flow list in scope In Work, scrolled by the wheel, two beans selected by clicks; then a third
// bean changes its status and leaves the list or stays in its row, by another program's move or by
// this program's status button. No code puts the scroll position or the selection back: the list's
// rows change, the list is never reset.
TEST_F(WierszeListWProgramie, AStatusChangeKeepsTheScrollPositionAndTheSelectionOfTheShownList)
{
    ASSERT_NE(lista(), nullptr);
    auto *wObrobce = m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskWObrobce"));
    ASSERT_NE(wObrobce, nullptr);
    QTest::mouseClick(wObrobce, Qt::LeftButton, {}, QPoint(8, wObrobce->height() / 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica()->rowCount() == 8; })) << "In Work of a generated flow";
    // Another program adds beans, so that the list scrolls after every change below.
    const QString aktywne = katalogStatusu(fasolkaWWierszu(0), Fasolka::sfAktywna);
    for (int i = 0; i < 12; ++i)
        ASSERT_FALSE(
            m_baza.plik(QDir(m_baza.sciezka()).relativeFilePath(aktywne) + QStringLiteral("/Dodana %1.txt").arg(i))
                .isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica()->rowCount() == 20; }, czasNaZdarzenieMs));

    const struct
    {
        const char *co;
        int status; // of the bean that changes, one of the rows in view
        bool wWidoku;
        std::function<void(WidokTabeliFasolkiPotoku *lista, int wiersz)> zmien;
        bool opuszczaListe; // else it stays in its row
    } przypadki[] = {
        {"another program moves an active bean to Done", Fasolka::sfAktywna, false,
         [](WidokTabeliFasolkiPotoku *lista, int wiersz) {
             auto *fasolka = qobject_cast<Fasolka *>(
                 lista->model()->index(wiersz, 0).data(KontrolerTablicy::RolaObiektu).value<QObject *>());
             const QString sciezka = fasolka->bytFasolki()->plikowyURL();
             const QString doKatalogu = katalogStatusu(fasolka, Fasolka::sfUkonczona);
             ASSERT_TRUE(QDir().mkpath(doKatalogu));
             ASSERT_TRUE(QDir().rename(sciezka, doKatalogu + QLatin1Char('/') + QFileInfo(sciezka).fileName()));
         },
         true},
        {"the status button of a row moves its bean to Done", Fasolka::sfAktywna, true,
         [](WidokTabeliFasolkiPotoku *lista, int wiersz) {
             wybierzStatusPrzyciskiem(lista, wiersz, Fasolka::sfUkonczona);
         },
         true},
        {"the status button of a row gives its bean Ready", Fasolka::sfAktywna, true,
         [](WidokTabeliFasolkiPotoku *lista, int wiersz) {
             wybierzStatusPrzyciskiem(lista, wiersz, Fasolka::sfGotowa);
         },
         false},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.co);
        QScrollBar *pionowy = lista()->verticalScrollBar();
        pionowy->setValue(0);
        przewinKolkiem();
        ASSERT_GT(pionowy->value(), 0) << "the wheel scrolled nothing";
        const int pierwszy = wiersz([&](int w) { return wWidoku(w); });
        ASSERT_GE(pierwszy, 0);
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, komorkaNazwy(pierwszy).center());
        const int drugi = wiersz([&](int w) { return wWidoku(w); }, pierwszy + 2);
        ASSERT_GE(drugi, 0);
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, Qt::ControlModifier, komorkaNazwy(drugi).center());
        const QList<QObject *> zaznaczone = tablica()->selectedObjects();
        ASSERT_EQ(zaznaczone.size(), 2);
        const int przewiniecie = pionowy->value();
        const int zmieniany = wiersz(
            [&](int w) { return fasolkaWWierszu(w)->statusFasolki() == p.status && (!p.wWidoku || wWidoku(w)); });
        ASSERT_GE(zmieniany, 0);
        const QPointer<QObject> fasolka = tablica()->obiektWWierszu(zmieniany);
        const int wiersze = tablica()->rowCount();
        QSignalSpy resety(tablica(), &QAbstractItemModel::modelAboutToBeReset);

        p.zmien(lista(), zmieniany);
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return p.opuszczaListe ? tablica()->rowCount() == wiersze - 1
                                       : fasolka && qobject_cast<Fasolka *>(fasolka)->statusFasolki() != p.status;
            },
            czasNaZdarzenieMs));
        if (!p.opuszczaListe) {
            EXPECT_EQ(tablica()->wierszObiektu(fasolka), zmieniany) << "the list is sorted by name";
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(pionowy->value(), przewiniecie);
        EXPECT_EQ(tablica()->selectedObjects(), zaznaczone);
        EXPECT_EQ(resety.count(), 0);
    }
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

// A flow another program adds and then removes: the bar's other rows keep their selection and
// their expansion, open or closed, and the tab keeps its view.
TEST_F(WierszeListWProgramie, TheNavigationBarKeepsItsSelectionAndExpansionWhileAnotherProgramAddsAndRemovesAFlow)
{
    auto *pasek = widocznyWidok<WidokZaryseliPaskaNawigacji>(m_okno);
    ASSERT_NE(pasek, nullptr);
    m_okno->resize(1000, 640);
    QCoreApplication::processEvents();
    const auto wiersz = [&](const QString &nazwa) {
        for (QModelIndex indeks = pasek->model()->index(0, 0); indeks.isValid(); indeks = pasek->indexBelow(indeks)) {
            if (indeks.data().toString() == nazwa)
                return indeks;
        }
        return QModelIndex();
    };
    const auto zaznaczony = [&] { return pasek->selectionModel()->selectedRows().value(0).data().toString(); };
    const QString katalogPotoku = R(QStringLiteral("All Beans/Potok 0000a"));
    const struct
    {
        const char *co;
        QString wybrany;
        bool otwarteWszystkie;
    } przypadki[] = {
        {"a flow selected, its branch open", QStringLiteral("Potok 0002"), true},
        {"Archived Beans selected, the flows' branch closed", QStringLiteral("Archived Beans"), false},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.co);
        const QModelIndex wszystkie = wiersz(QStringLiteral("All Beans"));
        ASSERT_TRUE(wszystkie.isValid());
        if (pasek->isExpanded(wszystkie) != p.otwarteWszystkie)
            QTest::mouseClick(pasek->viewport(), Qt::LeftButton, {},
                              QPoint(pasek->indentation() / 2, pasek->visualRect(wszystkie).center().y()));
        ASSERT_EQ(pasek->isExpanded(wszystkie), p.otwarteWszystkie);
        ASSERT_TRUE(wiersz(p.wybrany).isValid());
        QTest::mouseClick(pasek->viewport(), Qt::LeftButton, {}, pasek->visualRect(wiersz(p.wybrany)).center());
        ASSERT_EQ(zaznaczony(), p.wybrany);
        const ItemWidoku pokazany = kartaPortfolio()->kontrolerKartyPortfolio()->itemBiezacegoWidokuSzczeglow();
        QSignalSpy resety(pasek->model(), &QAbstractItemModel::modelAboutToBeReset);
        const auto potoki = [&] { return pasek->model()->rowCount(wiersz(QStringLiteral("All Beans"))); };
        const int potokiPrzed = potoki();

        ASSERT_TRUE(QDir().mkdir(katalogPotoku));
        ASSERT_TRUE(QTest::qWaitFor([&] { return potoki() == potokiPrzed + 1; }, czasNaZdarzenieMs));
        QCoreApplication::processEvents();
        EXPECT_EQ(zaznaczony(), p.wybrany);
        EXPECT_EQ(pasek->isExpanded(wiersz(QStringLiteral("All Beans"))), p.otwarteWszystkie);
        EXPECT_EQ(wiersz(QStringLiteral("Potok 0000a")).isValid(), p.otwarteWszystkie);

        ASSERT_TRUE(QDir(katalogPotoku).removeRecursively());
        ASSERT_TRUE(QTest::qWaitFor([&] { return potoki() == potokiPrzed; }, czasNaZdarzenieMs));
        QCoreApplication::processEvents();
        EXPECT_EQ(zaznaczony(), p.wybrany);
        EXPECT_EQ(pasek->isExpanded(wiersz(QStringLiteral("All Beans"))), p.otwarteWszystkie);
        EXPECT_FALSE(wiersz(QStringLiteral("Potok 0000a")).isValid());
        EXPECT_EQ(kartaPortfolio()->kontrolerKartyPortfolio()->itemBiezacegoWidokuSzczeglow(), pokazany);
        EXPECT_EQ(resety.count(), 0);
    }
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}
