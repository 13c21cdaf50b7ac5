#include "Support/Ui/UruchomionyProgram.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The program's start-up in this process on a real X server whose keyboard is laid out in Czech,
// where the digit keys give letters and the digits lie on Shift; pointer and keys come through the
// server (xdotool), as a user's do.
class KlawiszNaUkladzieCzeskim : public UruchomionyProgram
{
protected:
    static bool uruchom(const QString &program, const QStringList &argumenty)
    {
        QProcess proces;
        proces.start(program, argumenty);
        return QTest::qWaitFor([&] { return proces.state() == QProcess::NotRunning; }, 10000)
               && proces.exitStatus() == QProcess::NormalExit && proces.exitCode() == 0;
    }

    PozycjaMenu *pozycjaPaska(Akcja akcja) const
    {
        for (PozycjaMenu *pozycja : m_okno->menuBar()->findChildren<PozycjaMenu *>())
            if (pozycja->akcja() == akcja)
                return pozycja;
        return nullptr;
    }
};

} // namespace

// A click that only moves the selection of the focused list leaves the keys' items as the last focus
// change saw them, with nothing selected. Ctrl+Shift on the key that reads 4 under Shift is Ctrl+4 to
// Qt: the bean goes to Inactive at the first press, as the Bean menu's Status ▸ Inactive would.
TEST_F(KlawiszNaUkladzieCzeskim, CtrlShiftOnTheDigitFourKeyMovesTheClickedBeanToInactiveAtTheFirstPress)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    for (const char *program : {"xdotool", "setxkbmap"})
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            GTEST_SKIP() << "needs " << program << " (scripts/install-deps.sh installs it)";
    m_okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_okno));
    ASSERT_TRUE(uruchom(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), QStringLiteral("cz")}));

    auto *lista = pierwszyWidoczny<WidokTabeliFasolkiPotoku>();
    ASSERT_NE(lista, nullptr);
    KontrolerTablicy *tablica = lista->kontrolerTablicy();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica->rowCount() >= 4 && QApplication::focusWidget() == lista; }));
    ASSERT_TRUE(tablica->selectedObjects().isEmpty());
    PozycjaMenu *nieaktywna = pozycjaPaska(Akcja::deaktywujFasolki);
    ASSERT_NE(nieaktywna, nullptr);
    ASSERT_FALSE(nieaktywna->isEnabled()) << "the focus came to the list with a bean selected";

    int wiersz = 0;
    const auto wInkubacji = [](const Fasolka *f) { return f && f->jestZKatalogiem() && f->jestWInkubacji(); };
    while (wiersz < tablica->rowCount() && !wInkubacji(qobject_cast<Fasolka *>(tablica->obiektWWierszu(wiersz))))
        ++wiersz;
    auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(wiersz));
    ASSERT_NE(fasolka, nullptr) << "no folder bean in incubation";
    const QString sciezka = fasolka->bytFasolki()->plikowyURL();
    const QString wNieaktywnych = QDir(fasolka->potok()->bytPotoku()->plikowyURL())
                                      .filePath(QStringLiteral("_Inactive/") + QFileInfo(sciezka).fileName());
    const QPoint punkt = lista->viewport()->mapToGlobal(lista->visualRect(lista->model()->index(wiersz, 1)).center());
    ASSERT_TRUE(uruchom(QStringLiteral("xdotool"),
                        QString::asprintf("mousemove %d %d sleep 0.2 click 1", punkt.x(), punkt.y()).split(' ')));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica->selectedObjects() == QList<QObject *>{fasolka}; }));
    ASSERT_EQ(QApplication::focusWidget(), lista);

    // "č" lies where "4" does, under Shift.
    ASSERT_TRUE(uruchom(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+shift+ccaron")}));

    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(wNieaktywnych).isDir() && !QFileInfo::exists(sciezka); }, 3000))
        << wNieaktywnych.toStdString();
}
