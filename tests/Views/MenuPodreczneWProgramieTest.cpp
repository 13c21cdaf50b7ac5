#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/KontrolerTablicy.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include <functional>

namespace {

using namespace PolecenieWOknie;

// The keyboard's menu key: to the view itself, which holds the focus.
void nacisnijKlawiszMenu(QAbstractItemView *widok)
{
    const QPoint punkt(5, 5);
    QContextMenuEvent zdarzenie(QContextMenuEvent::Keyboard, punkt, widok->mapToGlobal(punkt));
    QApplication::sendEvent(widok, &zdarzenie);
}

class MenuPodreczneWProgramie : public UruchomionyProgram
{
protected:
    WidokTabeliFasolkiPotoku *lista() { return widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno); }
    QString sciezkaWWierszu(int wiersz)
    {
        auto *fasolka = qobject_cast<Fasolka *>(lista()->kontrolerTablicy()->obiektWWierszu(wiersz));
        return fasolka && fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString();
    }
    // Every other bean of the list stays where it lay.
    void oczekujTylkoWKoszu(const QString &wKoszu, const QStringList &wszystkie)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(wKoszu); }, 5000)) << wKoszu.toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return lista()->kontrolerTablicy()->rowCount() == wszystkie.size() - 1; }));
        for (const QString &sciezka : wszystkie) {
            if (sciezka != wKoszu) {
                EXPECT_TRUE(QFileInfo::exists(sciezka)) << sciezka.toStdString();
            }
        }
    }
    QStringList sciezkiListy()
    {
        QStringList sciezki;
        for (int wiersz = 0; wiersz < lista()->kontrolerTablicy()->rowCount(); ++wiersz)
            sciezki << sciezkaWWierszu(wiersz);
        return sciezki;
    }
    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(MenuPodreczneWProgramie, MoveToTrashFromTheBeanListTakesTheRowClickedWithTheMouseOrTheMenuKey)
{
    ASSERT_NE(lista(), nullptr);
    ASSERT_GE(lista()->kontrolerTablicy()->rowCount(), 4);
    for (const int wiersz : {0, 2}) {
        SCOPED_TRACE(wiersz);
        const QStringList wszystkie = sciezkiListy();
        const QString klikniety = sciezkaWWierszu(wiersz);
        kliknijPrawym(lista(), lista()->model()->index(wiersz, 0));
        wybierzZMenu(otwarteMenu(), QStringLiteral("Move to Trash"));
        oczekujTylkoWKoszu(klikniety, wszystkie);
        if (HasFatalFailure())
            return;
    }

    const QStringList wszystkie = sciezkiListy();
    const QString biezacy = sciezkaWWierszu(1);
    lista()->setFocus();
    lista()->setCurrentIndex(lista()->model()->index(1, 0));
    nacisnijKlawiszMenu(lista());
    wybierzZMenu(otwarteMenu(), QStringLiteral("Move to Trash"));
    oczekujTylkoWKoszu(biezacy, wszystkie);
}

TEST_F(MenuPodreczneWProgramie, TheFolderOutlineAndTheNavigationBarSelectTheRowClicked)
{
    auto *zarys = widocznyWidok<WidokZaryseliRzeczyKatalogu>(m_okno);
    ASSERT_NE(zarys, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return zarys->model()->rowCount() >= 2; }));
    kliknijPrawym(zarys, zarys->model()->index(1, 0));
    ASSERT_NE(otwarteMenu(), nullptr);
    otwarteMenu()->close();
    EXPECT_EQ(zarys->selectionModel()->selectedRows().value(0).row(), 1);

    zarys->setFocus();
    zarys->setCurrentIndex(zarys->model()->index(0, 0));
    nacisnijKlawiszMenu(zarys);
    ASSERT_NE(otwarteMenu(), nullptr);
    otwarteMenu()->close();
    EXPECT_EQ(zarys->selectionModel()->selectedRows().value(0).row(), 0);

    auto *pasek = widocznyWidok<WidokZaryseliPaskaNawigacji>(m_okno);
    ASSERT_NE(pasek, nullptr);
    QModelIndex potok;
    for (int wiersz = 0; wiersz < 12 && !potok.isValid(); ++wiersz) {
        const QModelIndex kandydat = pasek->indexAt(QPoint(40, 2 + wiersz * 20));
        if (kandydat.data().toString() == QStringLiteral("Potok 0002"))
            potok = kandydat;
    }
    ASSERT_TRUE(potok.isValid());
    kliknijPrawym(pasek, potok);
    ASSERT_NE(otwarteMenu(), nullptr);
    otwarteMenu()->close();
    EXPECT_EQ(pasek->selectionModel()->selectedRows().value(0).data().toString(), QStringLiteral("Potok 0002"));
}

// A fresh account has no data folder yet: the outline's Move to Trash still lands the file in the home Trash,
// not in a "files" folder of the working directory.
TEST_F(MenuPodreczneWProgramie, MoveToTrashFromTheOutlineOnAFreshAccountLandsInTheHomeTrash)
{
    const QString dane = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    ASSERT_TRUE(QDir(dane).removeRecursively());
    auto *zarys = widocznyWidok<WidokZaryseliRzeczyKatalogu>(m_okno);
    ASSERT_NE(zarys, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return zarys->model()->rowCount() >= 1; }));
    const QModelIndex wiersz = zarys->model()->index(0, 0);
    const QString nazwa = wiersz.data().toString();
    const QString sciezka = qobject_cast<KontrolerDrzewa *>(zarys->model())->wezel(wiersz)->byt()->plikowyURL();
    const QByteArray tresc = [&] {
        QFile plik(sciezka);
        return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
    }();
    kliknijPrawym(zarys, wiersz);
    wybierzZMenu(otwarteMenu(), QStringLiteral("Move to Trash"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(sciezka); }, 5000)) << sciezka.toStdString();
    QFile wKoszu(dane + QStringLiteral("/Trash/files/") + nazwa);
    ASSERT_TRUE(wKoszu.open(QIODevice::ReadOnly)) << wKoszu.fileName().toStdString();
    EXPECT_EQ(wKoszu.readAll(), tresc);
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(QStringLiteral("files/") + nazwa)));
}

// The status changed through a row's context menu, then Bean ▸ Status walked by keys in the menu
// bar, which takes the keyboard from the list on the way: the submenu still acts on the bean
// selected in the list, not on nothing.
TEST_F(MenuPodreczneWProgramie, AfterTheContextMenuTheMainMenusStatusWalkedByKeysActsOnTheSelectedBean)
{
    ASSERT_NE(lista(), nullptr);
    KontrolerTablicy *tablica = lista()->kontrolerTablicy();
    const auto wierszFasolki = [&](const std::function<bool(const Fasolka *)> &warunek) {
        for (int wiersz = 0; wiersz < tablica->rowCount(); ++wiersz)
            if (auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(wiersz)); fasolka && warunek(fasolka))
                return wiersz;
        return -1;
    };
    const int gotowa = wierszFasolki([](const Fasolka *f) { return f->statusFasolki() != Fasolka::sfGotowa; });
    ASSERT_GE(gotowa, 0);
    const QString doGotowych = sciezkaWWierszu(gotowa);
    const QString potokGotowej =
        qobject_cast<Fasolka *>(tablica->obiektWWierszu(gotowa))->potok()->bytPotoku()->plikowyURL();
    kliknijPrawym(lista(), lista()->model()->index(gotowa, 0));
    QMenu *podreczne = otwarteMenu();
    ASSERT_NE(podreczne, nullptr);
    QMenu *statusy = nullptr;
    for (QAction *akcja : podreczne->actions())
        if (akcja->menu() && akcja->menu()->actions().size() > 6)
            for (QAction *wSrodku : akcja->menu()->actions())
                if (auto *pozycja = qobject_cast<PozycjaMenu *>(wSrodku);
                    pozycja && pozycja->akcja() == Akcja::oznaczFasolkiJakoGotowe)
                    statusy = akcja->menu();
    ASSERT_NE(statusy, nullptr) << "no Status submenu";
    statusy->popup(podreczne->geometry().topRight());
    ASSERT_TRUE(QTest::qWaitFor([&] { return otwarteMenu() == statusy; }));
    wybierzZMenu(statusy, Fasolka::tekstowyStatusFasolki(Fasolka::sfGotowa));
    podreczne->close();
    const QString gotowaNaDysku = potokGotowej + QStringLiteral("/_Ready/") + QFileInfo(doGotowych).fileName();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(gotowaNaDysku); }, 5000)) << "not Ready";

    // A bean whose name its flow archive does not hold yet.
    const auto wArchiwum = [this](const QString &sciezka) -> QString {
        QDir potok = QFileInfo(sciezka).dir();
        if (potok.dirName().startsWith(QLatin1Char('_')))
            potok.cdUp();
        return m_baza.sciezka() + QStringLiteral("/Tarrowind/Archived Beans/") + potok.dirName() + QStringLiteral("/")
               + QFileInfo(sciezka).fileName();
    };
    int wiersz = -1;
    for (int i = 0; i < tablica->rowCount() && wiersz < 0; ++i)
        if (!sciezkaWWierszu(i).isEmpty() && !QFileInfo::exists(wArchiwum(sciezkaWWierszu(i))))
            wiersz = i;
    ASSERT_GE(wiersz, 0);
    auto *wybrana = qobject_cast<Fasolka *>(tablica->obiektWWierszu(wiersz));
    const QString archiwizowana = sciezkaWWierszu(wiersz);
    const QString zarchiwizowana = wArchiwum(archiwizowana);
    QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {},
                      lista()->visualRect(lista()->model()->index(wiersz, 1)).center());
    ASSERT_EQ(tablica->selectedObjects(), QList<QObject *>{wybrana});
    ASSERT_TRUE(QTest::qWaitFor([&] { return lista()->hasFocus(); }));

    QTest::keyClick(lista(), Qt::Key_B, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return otwarteMenu() != nullptr; })) << "Alt+B opened no menu";
    QMenu *fasolka = otwarteMenu();
    QTest::keyClick(fasolka, Qt::Key_U);
    ASSERT_TRUE(QTest::qWaitFor([&] { return otwarteMenu() && otwarteMenu() != fasolka; })) << "no Status submenu";
    QMenu *status = otwarteMenu();
    QString naglowek = status->actions().value(0)->text();
    if (naglowek.endsWith(QStringLiteral("...")))
        naglowek.chop(3);
    EXPECT_TRUE(!naglowek.isEmpty() && wybrana->nazwa().startsWith(naglowek)) << naglowek.toStdString();
    QTest::keyClick(status, Qt::Key_V);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(zarchiwizowana); }, 5000)) << "not archived";
    EXPECT_FALSE(QFileInfo::exists(archiwizowana));
    EXPECT_TRUE(QFileInfo::exists(gotowaNaDysku));
}
