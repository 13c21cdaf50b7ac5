#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
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
        for (const QString &sciezka : wszystkie)
            if (sciezka != wKoszu)
                EXPECT_TRUE(QFileInfo::exists(sciezka)) << sciezka.toStdString();
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
