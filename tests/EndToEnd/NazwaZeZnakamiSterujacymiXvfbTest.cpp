#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Model/Fasolka.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <QDir>
#include <QGuiApplication>

// A bean named with a line break and a tab on a real X server: its row and the window title draw
// it on one line; the screenshot is for people to look at.
TEST_F(UruchomionyProgram, ABeanNamedWithALineBreakIsDrawnOnOneLine)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    const QString nazwa = QStringLiteral("Aa line\nbreak\tand tab");
    ASSERT_TRUE(QDir(m_baza.sciezka()).mkdir(QStringLiteral("Tarrowind/All Beans/_Main_Flow/") + nazwa));
    auto *lista = pierwszyWidoczny<WidokTabeliFasolkiPotoku>();
    ASSERT_NE(lista, nullptr);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (int wiersz = 0; wiersz < lista->kontrolerTablicy()->rowCount(); ++wiersz)
                if (auto *fasolka = qobject_cast<Fasolka *>(lista->kontrolerTablicy()->obiektWWierszu(wiersz)))
                    if (fasolka->nazwa() == nazwa)
                        return true;
            return false;
        },
        3000));
    kartaPortfolio()->setTitle(nazwa);
    zrzutOkna(m_okno, QStringLiteral("nazwa-ze-znakami-sterujacymi.png"));
}
