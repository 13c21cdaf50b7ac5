#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/WidokZFokusemEdytora.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Platform/Paths.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <QFile>
#include <QPainter>

namespace {

using namespace PolecenieWOknie;

const QString tekstRezultatu = QStringLiteral("Shipping jumpy JPG");

class SpodziewanyRezultatXvfb : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        plik(QStringLiteral("All Beans/_Main_Flow/Shipping/expected outcome.txt"), tekstRezultatu.toUtf8());
    }

    // The visible editor once it shows the text.
    EdytorSpodziewanegoRezultatu *edytorZTekstem() const
    {
        EdytorSpodziewanegoRezultatu *edytor = nullptr;
        const bool jest = QTest::qWaitFor(
            [&] {
                edytor = nullptr;
                for (auto *kandydat : m_okno->findChildren<EdytorSpodziewanegoRezultatu *>())
                    if (kandydat->isVisible() && kandydat->toPlainText() == tekstRezultatu)
                        edytor = kandydat;
                return edytor != nullptr;
            },
            3000);
        return jest ? edytor : nullptr;
    }
};

// The box of the dark pixels of an image: the text's ink.
QRect obszarTuszu(const QImage &obraz)
{
    QRect obszar;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (qGray(obraz.pixel(x, y)) < 170)
                obszar |= QRect(x, y, 1, 1);
    return obszar;
}

// The ink of the text drawn whole where and as the placeholder is drawn, with room below it.
QRect tuszJakZastepnika(const QSize &rozmiar)
{
    QImage obraz(rozmiar.width(), rozmiar.height() + 40, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malarz(&obraz);
    malarz.setFont(EdytorSpodziewanegoRezultatu::czcionka());
    malarz.setPen(EdytorSpodziewanegoRezultatu::kolorTrybuPodgladu());
    malarz.drawText(QRectF(QPointF(0, 0), QSizeF(obraz.size())), Qt::AlignLeft | Qt::AlignTop, tekstRezultatu);
    malarz.end();
    return obszarTuszu(obraz);
}

} // namespace

// A folder bean whose expected outcome has descenders, in the bean view (a double-click on its row) and in a
// bean tab (Open in New Tab): in the lowest pane, in view mode, the text shows whole, where the placeholder
// of an empty bean shows.
TEST_F(SpodziewanyRezultatXvfb, TheExpectedOutcomeShowsWholeInTheLowestPaneWhereThePlaceholderShows)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    auto *lista = pierwszyWidoczny<WidokTabeliFasolkiPotoku>();
    ASSERT_NE(lista, nullptr);
    int wiersz = -1;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            KontrolerTablicy *tablica = lista->kontrolerTablicy();
            for (int w = 0; w < tablica->rowCount(); ++w) {
                auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(w));
                if (fasolka && fasolka->nazwa() == QStringLiteral("Shipping"))
                    wiersz = w;
            }
            return wiersz >= 0;
        },
        3000));
    const QRect rzad = lista->visualRect(lista->kontrolerTablicy()->index(wiersz, KontrolerListyFasolek::KolumnaNazwa));
    const QPoint naRzedzie(rzad.left() + 40, rzad.center().y());

    const struct
    {
        const char *opis;
        const char *polecenie; // of the row's context menu
        const char *zrzut;
    } przypadki[] = {
        {"bean view", "Open", "expected-outcome-bean-view.png"},
        {"bean tab", "Open in New Tab", "expected-outcome-bean-tab.png"},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.opis);
        if (!lista->isVisible()) {
            QTest::keyClick(m_okno, Qt::Key_Left, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([&] { return lista->isVisible(); }, 3000)) << "Back shows the flow again";
        }
        kliknijPrawymW(lista, naRzedzie);
        wybierzZMenu(otwarteMenu(), QString::fromLatin1(p.polecenie));
        EdytorSpodziewanegoRezultatu *edytor = edytorZTekstem();
        ASSERT_NE(edytor, nullptr);
        auto *panel = qobject_cast<WidokZFokusemEdytora *>(edytor->parentWidget());
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->height(), 23) << "the lowest pane";
        EXPECT_TRUE(edytor->isReadOnly()) << "view mode";

        const QImage obraz = edytor->viewport()->grab().toImage();
        const QRect tusz = obszarTuszu(obraz);
        const QRect wzor = tuszJakZastepnika(edytor->viewport()->size());
        ASSERT_FALSE(tusz.isEmpty());
        EXPECT_LT(wzor.bottom(), obraz.height() - 1) << "the whole line, descenders too, fits the view";
        EXPECT_NEAR(tusz.top(), wzor.top(), 1);
        EXPECT_NEAR(tusz.bottom(), wzor.bottom(), 1) << "descenders cut or the line moved";
        EXPECT_NEAR(tusz.left(), wzor.left(), 1);
        EXPECT_NEAR(edytor->viewport()->mapTo(edytor, QPoint(0, 0)).x(), 5, 0) << "the placeholder's left";
        const QRect wPanelu(edytor->viewport()->mapTo(panel, tusz.topLeft()), tusz.size());
        EXPECT_TRUE(panel->rect().contains(wPanelu));
        zrzutOkna(m_okno, QString::fromLatin1(p.zrzut));
    }

    // A second line typed in the bean tab and saved: the pane fits both lines, whole, in view mode.
    EdytorSpodziewanegoRezultatu *edytor = edytorZTekstem();
    ASSERT_NE(edytor, nullptr);
    QTest::mouseDClick(edytor->viewport(), Qt::LeftButton, {}, QPoint(20, 6));
    ASSERT_FALSE(edytor->isReadOnly()) << "a double-click edits";
    QTest::keyClick(edytor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(edytor, Qt::Key_Return, Qt::AltModifier);
    QTest::keyClicks(edytor, QStringLiteral("gypsy quay"));
    QTest::keyClick(edytor, Qt::Key_Return);
    const QString plikRezultatu = R(QStringLiteral("All Beans/_Main_Flow/Shipping/expected outcome.txt"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QFile plik(plikRezultatu);
            return plik.open(QIODevice::ReadOnly) && plik.readAll() == tekstRezultatu.toUtf8() + "\ngypsy quay";
        },
        3000));
    EXPECT_TRUE(edytor->isReadOnly()) << "view mode";
    auto *panel = qobject_cast<WidokZFokusemEdytora *>(edytor->parentWidget());
    ASSERT_NE(panel, nullptr);
    EXPECT_GT(panel->height(), 23);
    const QImage obraz = edytor->viewport()->grab().toImage();
    const QRect tusz = obszarTuszu(obraz);
    const QRect jednaLinia = tuszJakZastepnika(edytor->viewport()->size());
    EXPECT_NEAR(tusz.top(), jednaLinia.top(), 1) << "the first line stays where the placeholder shows";
    EXPECT_GT(tusz.bottom(), jednaLinia.bottom() + 8) << "the second line shows";
    EXPECT_LT(tusz.bottom(), obraz.height() - 1) << "the second line's descenders cut";
    zrzutOkna(m_okno, QStringLiteral("expected-outcome-two-lines-bean-tab.png"));
}
