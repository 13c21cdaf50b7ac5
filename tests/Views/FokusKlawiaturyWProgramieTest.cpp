#include "Support/Ui/UruchomionyProgram.h"

#include "App/PreferencesWindowController.h"
#include "App/TarrowindAppDelegate.h"
#include "App/UruchomienieProgramu.h"
#include "Views/WidokTabeliFasolkiPotoku.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>

namespace {

// A pixel of the red focus frame; the pale green of the selection, the greys of frames and the white of
// the fields are none.
bool czerwony(QRgb p)
{
    return qRed(p) > 150 && qRed(p) - qGreen(p) > 80 && qRed(p) - qBlue(p) > 80;
}

int czerwonychPikseli(QWidget *widget)
{
    QImage obraz(widget->size(), QImage::Format_ARGB32);
    EXPECT_FALSE(obraz.isNull());
    obraz.fill(Qt::white);
    widget->render(&obraz);
    int liczba = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            liczba += czerwony(obraz.pixel(x, y));
    return liczba;
}

class FokusKlawiaturyWProgramie : public UruchomionyProgram
{
};

} // namespace

// The search field reached by Find shows its focus in red; the frame goes when the list takes the focus.
TEST_F(FokusKlawiaturyWProgramie, TheFocusedSearchFieldIsFramedInRed)
{
    QLineEdit *pole = nullptr;
    for (QLineEdit *kandydat : m_okno->findChildren<QLineEdit *>(QStringLiteral("poleWyszukiwarki")))
        if (kandydat->isVisible())
            pole = kandydat;
    ASSERT_NE(pole, nullptr);
    ASSERT_EQ(pole->objectName(), QStringLiteral("poleWyszukiwarki"));
    // The strip it lies in is laid out a turn after the window.
    ASSERT_TRUE(QTest::qWaitFor([&] { return pole->height() > 0; }, 2000));
    EXPECT_EQ(czerwonychPikseli(pole), 0);

    m_okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == m_okno; }, 2000));
    // Edit ▸ Find, by its keys.
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : m_okno, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pole->hasFocus(); }, 2000));
    EXPECT_GT(czerwonychPikseli(pole), pole->width()) << "no red frame around the field";

    auto *lista = pierwszyWidoczny<WidokTabeliFasolkiPotoku>();
    ASSERT_NE(lista, nullptr);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, QPoint(40, 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pole->hasFocus(); }, 2000));
    EXPECT_EQ(czerwonychPikseli(pole), 0);
}

// In Preferences, Tab walks onto a button, whose focus shows in red.
TEST_F(FokusKlawiaturyWProgramie, APreferencesButtonReachedByTabIsFramedInRed)
{
    TarrowindAppDelegate &delegat = m_uruchomienie->delegat();
    delegat.otworzPreferencje(nullptr);
    ASSERT_NE(delegat.kontrolerOknaPreferencji(), nullptr);
    QWidget *okno = delegat.kontrolerOknaPreferencji()->window();
    ASSERT_NE(okno, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(okno));
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == okno; }, 2000));

    QAbstractButton *przycisk = nullptr;
    for (int krok = 0; krok < 12 && !przycisk; ++krok) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : okno, Qt::Key_Tab);
        przycisk = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
    }
    ASSERT_NE(przycisk, nullptr) << "Tab reaches no button";
    przycisk->repaint();
    EXPECT_GT(czerwonychPikseli(przycisk), przycisk->height()) << przycisk->objectName().toStdString();
    okno->close();
}
