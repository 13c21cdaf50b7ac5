#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Actions/DymekNowaRzecz.h"
#include "Actions/PoleNazwa.h"
#include "Model/Fasolka.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

using namespace PolecenieWOknie;

class NowaFasolkaWDlugiejLiscieXvfb : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        for (int i = 0; i < 150; ++i)
            plik(QStringLiteral("All Beans/_Main_Flow/Aaa filler %1.txt").arg(i, 3, 10, QLatin1Char('0')));
    }
};

} // namespace

// The main flow of 160 beans with rows with details: a bean made by "+", last by name, shows selected at the
// bottom of the scrolled list; the screenshot is for people to look at.
TEST_F(NowaFasolkaWDlugiejLiscieXvfb, TheNewBeanShowsSelectedAtTheEndOfTheScrolledList)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    m_okno->setGeometry(20, 40, 980, 640);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    m_okno->activateWindow();
    auto *tabela = widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
    ASSERT_NE(tabela, nullptr);
    for (const char *nazwa : {"przyciskWszystkie", "przyciskRodzajuWiersza"}) {
        auto *przycisk = m_okno->findChild<QAbstractButton *>(QLatin1String(nazwa));
        ASSERT_TRUE(przycisk && przycisk->isVisible()) << nazwa;
        QTest::mouseClick(przycisk, Qt::LeftButton);
        ASSERT_TRUE(przycisk->isChecked()) << nazwa;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return tabela->model()->rowCount() > 150; }, 3000));

    QTest::mouseClick(m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskNowaFasolka")), Qt::LeftButton);
    DymekNowaRzecz *dymek = pokazanyDymekNowaRzecz();
    ASSERT_NE(dymek, nullptr);
    QTest::keyClicks(dymek->poleNazwa(), QStringLiteral("Zzz new bean"));
    QTest::keyClick(dymek->poleNazwa(), Qt::Key_Return);

    const QString nowa = m_baza.sciezka() + QStringLiteral("/Tarrowind/All Beans/_Main_Flow/_Incubation/Zzz new bean");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(nowa).isDir(); }, 3000));
    KontrolerTablicy *tablica = tabela->kontrolerTablicy();
    const auto wWidoku = [&] {
        const QList<QObject *> zaznaczone = tablica->selectedObjects();
        auto *fasolka = zaznaczone.size() == 1 ? qobject_cast<Fasolka *>(zaznaczone.constFirst()) : nullptr;
        if (!fasolka || fasolka->nazwa() != QStringLiteral("Zzz new bean"))
            return false;
        const QRect komorka =
            tabela->visualRect(tablica->index(tablica->wierszObiektu(fasolka), KontrolerListyFasolek::KolumnaNazwa));
        return tabela->viewport()->rect().contains(komorka);
    };
    ASSERT_TRUE(QTest::qWaitFor(wWidoku, 3000));
    zrzutOkna(m_okno, QStringLiteral("long-flow-rows-with-details-new-bean.png"));
}
