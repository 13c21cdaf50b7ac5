#include "Widgets/IkonaZPrzeciaganymFolderem.h"
#include "Widgets/DelegatZrzutuNaIkoneZPrzeciaganymFolderem.h"

#include "Platform/Ui/Responder.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CelTestowy : public Responder
{
public:
    explicit CelTestowy(bool przyjmuje)
    {
        if (przyjmuje)
            addHandler(Akcja::otworzBytFasolkiWProgramie, [this](QObject *) { ++wywolania; });
    }
    int wywolania = 0;
};

class DelegatTestowy final : public DelegatZrzutuNaIkoneZPrzeciaganymFolderem
{
public:
    Qt::DropAction ikonaZPrzeciaganymFolderemOperacjaDlaZrzutu(IkonaZPrzeciaganymFolderem *,
                                                               const InformacjaOPrzeciaganiu &) override
    {
        return odpowiedzi.isEmpty() ? Qt::IgnoreAction : odpowiedzi.takeFirst();
    }
    bool ikonaZPrzeciaganymFolderemOdbierzZrzut(IkonaZPrzeciaganymFolderem *, const InformacjaOPrzeciaganiu &) override
    {
        ++odebrane;
        return wykonuje;
    }
    QList<Qt::DropAction> odpowiedzi;
    bool wykonuje = true;
    int odebrane = 0;
};

// Instead of Qt's drag loop: keeps the drag and, meanwhile, offers it to the icon itself.
class IkonaTestowa : public IkonaZPrzeciaganymFolderem
{
public:
    void wykonajPrzeciaganie(QDrag *przeciaganie) override
    {
        urle = przeciaganie->mimeData()->urls();
        rozmiarObrazu = przeciaganie->pixmap().size();
        punkt = przeciaganie->hotSpot();
        QDragEnterEvent wejscie(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, przeciaganie->mimeData(), Qt::LeftButton,
                                {});
        QCoreApplication::sendEvent(this, &wejscie);
        wlasnaPrzyjeta = wejscie.isAccepted();
        stanPodczas = stanWyswietlania();
        delete przeciaganie;
    }
    QList<QUrl> urle;
    QSize rozmiarObrazu;
    QPoint punkt;
    bool wlasnaPrzyjeta = true;
    int stanPodczas = -1;
};

// Instead of Qt's drag loop: a drop in it closes the view that holds the icon.
class IkonaZamykanaPodczasPrzeciagania : public IkonaZPrzeciaganymFolderem
{
public:
    using IkonaZPrzeciaganymFolderem::IkonaZPrzeciaganymFolderem;
    void wykonajPrzeciaganie(QDrag *przeciaganie) override
    {
        delete przeciaganie;
        delete parentWidget();
    }
};

QImage polPrzezroczysty()
{
    QImage obraz(40, 40, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    for (int y = 0; y < 40; ++y)
        for (int x = 20; x < 40; ++x)
            obraz.setPixelColor(x, y, QColor(200, 200, 200));
    return obraz;
}

class IkonaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ikona.resize(40, 40);
        ikona.setObraz(polPrzezroczysty());
        ikona.setDelegate(&delegat);
        dane.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/rzecz"))});
    }
    bool wejdz(Qt::DropAction *akcja = nullptr)
    {
        QDragEnterEvent wejscie(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &dane, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&ikona, &wejscie);
        if (akcja)
            *akcja = wejscie.dropAction();
        return wejscie.isAccepted() && wejscie.dropAction() != Qt::IgnoreAction;
    }
    bool przesun()
    {
        QDragMoveEvent ruch(QPoint(6, 6), Qt::CopyAction | Qt::MoveAction, &dane, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&ikona, &ruch);
        return ruch.isAccepted();
    }
    Qt::DropAction upusc()
    {
        QDropEvent zrzut(QPointF(6, 6), Qt::CopyAction | Qt::MoveAction, &dane, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&ikona, &zrzut);
        return zrzut.isAccepted() ? zrzut.dropAction() : Qt::IgnoreAction;
    }

    IkonaTestowa ikona;
    DelegatTestowy delegat;
    QMimeData dane;
};

} // namespace

TEST_F(IkonaTest, AClickSendsOneActionToATargetThatTakesItAndADragWithoutAPathSendsNone)
{
    for (bool przyjmuje : {true, false}) {
        CelTestowy cel(przyjmuje);
        ikona.setTarget(&cel);
        ikona.setAction(Akcja::otworzBytFasolkiWProgramie);
        QTest::mouseClick(&ikona, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(cel.wywolania, przyjmuje ? 1 : 0);
        EXPECT_EQ(ikona.stanWyswietlania(), IkonaZPrzeciaganymFolderem::Normalny);

        // Without a path a drag gesture starts nothing and the press sends nothing.
        QTest::mousePress(&ikona, Qt::LeftButton, {}, QPoint(10, 10));
        QMouseEvent ruch(QEvent::MouseMove, QPointF(30, 30), ikona.mapToGlobal(QPointF(30, 30)), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(&ikona, &ruch);
        EXPECT_EQ(ikona.stanWyswietlania(), IkonaZPrzeciaganymFolderem::Przeciagany);
        QTest::mouseRelease(&ikona, Qt::LeftButton, {}, QPoint(30, 30));
        EXPECT_EQ(cel.wywolania, przyjmuje ? 1 : 0);
        EXPECT_EQ(ikona.stanWyswietlania(), IkonaZPrzeciaganymFolderem::Normalny);
    }
}

TEST_F(IkonaTest, DropsAreTakenOnlyWhenTheDelegateCarriedThemOut)
{
    const struct
    {
        const char *opis;
        QList<Qt::DropAction> odpowiedzi;
        bool wykonuje;
        bool plyta;
        bool ruchPrzyjety;
        Qt::DropAction odpowiedzZrzutu;
        int odebrane;
    } przypadki[] = {
        {"refused", {Qt::IgnoreAction, Qt::IgnoreAction, Qt::IgnoreAction}, true, false, false, Qt::IgnoreAction, 0},
        {"refused on entry, accepted on move",
         {Qt::IgnoreAction, Qt::MoveAction, Qt::MoveAction},
         true,
         false,
         true,
         Qt::CopyAction,
         1},
        {"accepted, carried out",
         {Qt::MoveAction, Qt::MoveAction, Qt::MoveAction},
         true,
         true,
         true,
         Qt::CopyAction,
         1},
        {"accepted, nothing carried out",
         {Qt::MoveAction, Qt::MoveAction, Qt::MoveAction},
         false,
         true,
         true,
         Qt::IgnoreAction,
         1},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.opis);
        delegat.odpowiedzi = p.odpowiedzi;
        delegat.wykonuje = p.wykonuje;
        delegat.odebrane = 0;
        wejdz();
        EXPECT_EQ(ikona.stanWyswietlania() == IkonaZPrzeciaganymFolderem::CelZrzutu, p.plyta);
        EXPECT_EQ(przesun(), p.ruchPrzyjety);
        EXPECT_EQ(upusc(), p.odpowiedzZrzutu) << "Copy, so that no source deletes what it thinks moved";
        EXPECT_EQ(delegat.odebrane, p.odebrane);
        EXPECT_EQ(ikona.stanWyswietlania(), IkonaZPrzeciaganymFolderem::Normalny);
    }
}

TEST_F(IkonaTest, ItsOwnDragCarriesOnePathA48PointImageAndIsNeverDroppedOnItself)
{
    ikona.setPlikowyURL(QStringLiteral("/tmp/fasolka"));
    delegat.odpowiedzi = {Qt::MoveAction};
    QTest::mousePress(&ikona, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent ruch(QEvent::MouseMove, QPointF(30, 30), ikona.mapToGlobal(QPointF(30, 30)), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(&ikona, &ruch);

    EXPECT_EQ(ikona.urle, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/tmp/fasolka"))});
    EXPECT_EQ(ikona.rozmiarObrazu, QSize(48, 48));
    EXPECT_EQ(ikona.punkt, QPoint(10, 38));
    EXPECT_FALSE(ikona.wlasnaPrzyjeta);
    EXPECT_EQ(ikona.stanPodczas, IkonaZPrzeciaganymFolderem::Przeciagany);
    EXPECT_EQ(ikona.stanWyswietlania(), IkonaZPrzeciaganymFolderem::Normalny) << "back once the drag ended";
}

TEST_F(IkonaTest, PlateUnderTheImageAndDarkenedPixelsByState)
{
    const struct
    {
        int stan;
        QColor zPrzezroczystej;
        int szaroscObrazu;
    } przypadki[] = {{IkonaZPrzeciaganymFolderem::Normalny, QColor(0, 0, 0, 0), 200},
                     {IkonaZPrzeciaganymFolderem::Wcisniety, QColor(0, 0, 0, 0), 50},
                     {IkonaZPrzeciaganymFolderem::Przeciagany, QColor(0, 0, 0, 0), 114},
                     {IkonaZPrzeciaganymFolderem::CelZrzutu, QColor::fromHsvF(79.0 / 360.0, 0.52, 0.85), 200}};
    for (const auto &p : przypadki) {
        ikona.ustawStanWyswietlania(p.stan);
        QImage obraz(ikona.size(), QImage::Format_ARGB32_Premultiplied);
        obraz.fill(Qt::transparent);
        ikona.render(&obraz, QPoint(), QRegion(), QWidget::DrawChildren);
        EXPECT_EQ(obraz.pixelColor(10, 20).rgba(), p.zPrzezroczystej.rgba()) << p.stan;
        EXPECT_NEAR(qRed(obraz.pixel(30, 20)), p.szaroscObrazu, 2) << p.stan;
    }
    ikona.setObraz({});
    ikona.ustawStanWyswietlania(IkonaZPrzeciaganymFolderem::Normalny);
    ikona.ustawStanWyswietlania(IkonaZPrzeciaganymFolderem::CelZrzutu);
    QImage pusty(ikona.size(), QImage::Format_ARGB32_Premultiplied);
    pusty.fill(Qt::transparent);
    ikona.render(&pusty, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(pusty.pixelColor(5, 5).alpha(), 0) << "no image, no plate";
}

TEST(IkonaZamykanaPodczasPrzeciagania, AViewClosedWhileItsIconIsDraggedTakesTheIconWithoutATouchAfterwards)
{
    const QPointer<QWidget> widok = new QWidget;
    const QPointer<IkonaZPrzeciaganymFolderem> ikona = new IkonaZamykanaPodczasPrzeciagania(widok);
    ikona->resize(40, 40);
    ikona->setObraz(polPrzezroczysty());
    ikona->setPlikowyURL(QStringLiteral("/tmp/fasolka"));
    QTest::mousePress(ikona, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent ruch(QEvent::MouseMove, QPointF(30, 30), ikona->mapToGlobal(QPointF(30, 30)), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(ikona, &ruch);

    EXPECT_FALSE(widok);
    EXPECT_FALSE(ikona);
}
