#include "ZrzutTestowy.h"

#include "Actions/AdapterZrzutuUrli.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTreeView>

namespace {

using AdapterZrzutu = ZrzutTestowy;

// Sends the event to the widget as Qt's drag would and answers it.
template <class Zdarzenie>
std::pair<bool, Qt::DropAction> wyslij(QWidget *cel, Zdarzenie &&zdarzenie)
{
    zdarzenie.ignore();
    QCoreApplication::sendEvent(cel, &zdarzenie);
    return {zdarzenie.isAccepted(), zdarzenie.dropAction()};
}

} // namespace

TEST_F(AdapterZrzutu, AnItemViewAnswersTheEngineAndCarriesTheDropOutAMomentLaterAnsweringCopy)
{
    QObject *odbiorca = rzeczy(QStringLiteral("A"));
    QTreeView widok;
    new AdapterZrzutuUrli(&widok, AdapterZrzutuUrli::Wykonanie::PoChwili, [&](const QPoint &) { return odbiorca; });
    QMimeData dane;
    dane.setUrls({QUrl::fromLocalFile(m_zewnetrzny)});
    const Qt::DropActions akcje = Qt::CopyAction | Qt::MoveAction;
    const QPoint miejsce(5, 5);
    QWidget *viewport = widok.viewport();

    EXPECT_EQ(wyslij(viewport, QDragEnterEvent(miejsce, akcje, &dane, Qt::LeftButton, Qt::NoModifier)),
              std::pair(true, Qt::MoveAction));
    EXPECT_EQ(wyslij(viewport, QDragMoveEvent(miejsce, akcje, &dane, Qt::LeftButton, Qt::ControlModifier)),
              std::pair(true, Qt::CopyAction));
    odbiorca = fasolka(QStringLiteral("Work"), QStringLiteral("aktywna.txt"));
    EXPECT_FALSE(wyslij(viewport, QDragMoveEvent(miejsce, akcje, &dane, Qt::LeftButton, Qt::NoModifier)).first)
        << "a file bean takes no drops";

    odbiorca = rzeczy(QStringLiteral("A"));
    EXPECT_EQ(wyslij(viewport, QDropEvent(miejsce, akcje, &dane, Qt::LeftButton, Qt::NoModifier)),
              std::pair(true, Qt::CopyAction))
        << "no source may delete what was moved here";
    const QString cel = R(QStringLiteral("All Beans/Work/_Flow_Items/A/nowy.txt"));
    EXPECT_TRUE(KatalogTestowy::istnieje(m_zewnetrzny)) << "not yet";
    EXPECT_TRUE(QTest::qWaitFor([&] { return KatalogTestowy::istnieje(cel); }, 2000));
    EXPECT_FALSE(KatalogTestowy::istnieje(m_zewnetrzny));
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}
