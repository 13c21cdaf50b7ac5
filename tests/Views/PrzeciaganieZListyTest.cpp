// On a real X server only (the EndToEnd.PrzeciaganieZListy entry: xvfb-run, QT_QPA_PLATFORM=xcb);
// under the offscreen platform it skips. xdotool drives the pointer from outside, and the window
// the beans are dropped on belongs to another process.

#include "Support/Ui/UruchomionyProgram.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>

namespace {

// The other program: its window to the right of ours, and the lines it has written so far.
class OdbiorcaWInnymProcesie
{
public:
    explicit OdbiorcaWInnymProcesie(const QRect &geometria)
    {
        QObject::connect(&m_proces, &QProcess::readyReadStandardOutput, [this] {
            while (m_proces.canReadLine()) {
                m_linie << QString::fromUtf8(m_proces.readLine()).trimmed();
                if (m_naLinie)
                    m_naLinie(m_linie.constLast());
            }
        });
        m_proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_proces.start(qEnvironmentVariable("TARROWIND_ODBIORCA_ZRZUTU"),
                       {QString::number(geometria.x()), QString::number(geometria.y()),
                        QString::number(geometria.width()), QString::number(geometria.height())});
    }
    ~OdbiorcaWInnymProcesie()
    {
        m_proces.kill();
        m_proces.waitForFinished();
    }

    bool czekajNa(const QString &linia) const
    {
        return QTest::qWaitFor([&] { return m_linie.contains(linia); }, 10000);
    }
    // What came after the last "wejscie", without the line's word.
    QStringList odebrane(const QString &slowo) const
    {
        QStringList wartosci;
        for (qsizetype i = m_linie.lastIndexOf(QStringLiteral("wejscie")) + 1; i < m_linie.size(); ++i)
            if (m_linie[i].startsWith(slowo + QLatin1Char(' ')))
                wartosci << m_linie[i].mid(slowo.size() + 1);
        return wartosci;
    }
    void zapomnij() { m_linie.clear(); }
    void naLinie(std::function<void(const QString &)> reakcja) { m_naLinie = std::move(reakcja); }

private:
    QProcess m_proces;
    QStringList m_linie;
    std::function<void(const QString &)> m_naLinie;
};

class NaSerwerzeX : public UruchomionyProgram
{
protected:
    WidokTabeliFasolkiPotoku *lista() const { return pierwszyWidoczny<WidokTabeliFasolkiPotoku>(); }
    QString sciezkaWWierszu(int wiersz) const
    {
        auto *fasolka = qobject_cast<Fasolka *>(lista()->kontrolerTablicy()->obiektWWierszu(wiersz));
        return fasolka && fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString();
    }
    QList<int> zaznaczoneWiersze() const
    {
        QList<int> wiersze;
        for (QObject *obiekt : lista()->kontrolerTablicy()->selectedObjects())
            wiersze << lista()->kontrolerTablicy()->wierszObiektu(obiekt);
        return wiersze;
    }
    // On the row's name, clear of the status button at its right.
    QPoint punktWiersza(int wiersz) const
    {
        const QRect komorka = lista()->visualRect(lista()->model()->index(wiersz, KontrolerListyFasolek::KolumnaNazwa));
        return QPoint(komorka.left() + 40, komorka.center().y());
    }
    // A press on the row, a move past the drag distance and on over the other window's middle,
    // and the release there, all by the X server's pointer.
    static void przeciagnijPrzezSerwer(const QPoint &start, const QPoint &koniec)
    {
        const QString skrypt = QString::asprintf(
            "mousemove %d %d sleep 0.3 mousedown 1 sleep 0.2 mousemove %d %d sleep 0.2 mousemove %d %d sleep 0.2 "
            "mousemove %d %d sleep 0.5 mousemove %d %d sleep 0.4 mouseup 1",
            start.x(), start.y(), start.x() + 4, start.y() + 6, start.x() + 20, start.y() + 30, koniec.x(), koniec.y(),
            koniec.x() + 5, koniec.y() + 5);
        QProcess::startDetached(QStringLiteral("xdotool"), skrypt.split(QLatin1Char(' ')));
    }
};

QStringList sciezkiPlikow(const QStringList &sciezki)
{
    QStringList pliki;
    for (const QString &sciezka : sciezki)
        pliki << QFileInfo(sciezka).absoluteFilePath();
    return pliki;
}

} // namespace

TEST_F(NaSerwerzeX, SelectedBeansDragOutOfTheFlowListIntoAnotherProgramsWindow)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs xvfb-run and QT_QPA_PLATFORM=xcb";
    ASSERT_NE(lista(), nullptr);
    const int wiersze = lista()->kontrolerTablicy()->rowCount();
    ASSERT_GE(wiersze, 6);
    const QRect obokOkna(m_okno->frameGeometry().right() + 20, m_okno->y() + 60, 200, 300);
    OdbiorcaWInnymProcesie odbiorca(obokOkna);
    ASSERT_TRUE(odbiorca.czekajNa(QStringLiteral("gotowy")));
    const QPoint srodekOdbiorcy = obokOkna.center();

    // Rows 1 and 3 selected, the press on row 3.
    QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, punktWiersza(1));
    QTest::mouseClick(lista()->viewport(), Qt::LeftButton, Qt::ControlModifier, punktWiersza(3));
    ASSERT_EQ(zaznaczoneWiersze(), QList<int>({1, 3}));
    const QStringList dwie{sciezkaWWierszu(1), sciezkaWWierszu(3)};

    // The screen while the beans hover over the other window, with the drag's own loop running.
    bool zrzucony = false;
    odbiorca.naLinie([&](const QString &linia) {
        if (linia != QLatin1String("wejscie") || zrzucony)
            return;
        zrzucony = true;
        const QRect obszar = m_okno->frameGeometry().united(obokOkna).adjusted(-10, -10, 10, 10);
        const QString katalog = qEnvironmentVariable("TARROWIND_SCREENSHOTS", QDir::currentPath());
        QDir().mkpath(katalog);
        m_okno->screen()
            ->grabWindow(0, obszar.x(), obszar.y(), obszar.width(), obszar.height())
            .save(katalog + QStringLiteral("/bean-list-drag-out.png"));
    });
    przeciagnijPrzezSerwer(lista()->viewport()->mapToGlobal(punktWiersza(3)), srodekOdbiorcy);
    ASSERT_TRUE(odbiorca.czekajNa(QStringLiteral("koniec"))) << "no drop reached the other window";
    EXPECT_TRUE(zrzucony);
    EXPECT_TRUE(odbiorca.odebrane(QStringLiteral("format")).contains(QStringLiteral("text/uri-list")));
    EXPECT_EQ(sciezkiPlikow(odbiorca.odebrane(QStringLiteral("url"))), sciezkiPlikow(dwie));
    EXPECT_EQ(zaznaczoneWiersze(), QList<int>({1, 3})) << "the rows passed over stay unselected";
    odbiorca.naLinie({});

    // A press on an unselected row selects it alone and drags it.
    odbiorca.zapomnij();
    const QString piata = sciezkaWWierszu(5);
    przeciagnijPrzezSerwer(lista()->viewport()->mapToGlobal(punktWiersza(5)), srodekOdbiorcy);
    ASSERT_TRUE(odbiorca.czekajNa(QStringLiteral("koniec"))) << "no drop reached the other window";
    EXPECT_EQ(sciezkiPlikow(odbiorca.odebrane(QStringLiteral("url"))), sciezkiPlikow({piata}));
    EXPECT_EQ(zaznaczoneWiersze(), QList<int>({5}));

    // The other window copied: every bean is where it was, and the list still shows them all.
    EXPECT_EQ(lista()->kontrolerTablicy()->rowCount(), wiersze);
    for (const QString &sciezka : dwie + QStringList{piata})
        EXPECT_TRUE(QFileInfo::exists(sciezka)) << sciezka.toStdString();
}
