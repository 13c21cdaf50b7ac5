// Drops from another program on a real X server (xvfb-run with QT_QPA_PLATFORM=xcb; under the
// offscreen platform these tests skip): a second process offers files with given actions, xdotool
// drags them into the window the program's start-up built, and the source prints what it heard.

#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Platform/Paths.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"

#include <QDirIterator>
#include <QProcess>

namespace {

template <typename Widok>
Widok *widocznyWidok(QWidget *okno, const QString &nazwa = {})
{
    for (Widok *widok : okno->findChildren<Widok *>(nazwa))
        if (widok->isVisible())
            return widok;
    return nullptr;
}

// The paths of the items of that name anywhere below the folder.
QStringList znajdzWszystkie(const QString &katalog, const QString &nazwa)
{
    QStringList znalezione;
    QDirIterator i(katalog, {nazwa}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                   QDirIterator::Subdirectories);
    while (i.hasNext())
        znalezione << i.next();
    return znalezione;
}

class ZrzutZInnegoProgramu : public UruchomionyProgram
{
protected:
    // The places of the flow view that take drops, each in the middle of where it stands for the
    // flow or its items folder.
    enum class Miejsce { Lista, Ikona, Zarys };

    QPoint punkt(Miejsce miejsce)
    {
        switch (miejsce) {
        case Miejsce::Lista: {
            // Below the last row the list stands for its flow.
            auto *lista = widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
            const int wiersze = lista->model()->rowCount();
            const int dol = wiersze ? lista->visualRect(lista->model()->index(wiersze - 1, 0)).bottom() : 0;
            const QPoint wWidoku(lista->viewport()->width() / 2, (dol + lista->viewport()->height()) / 2);
            EXPECT_GT(lista->viewport()->height() - dol, 40) << "no free space below the rows";
            return lista->viewport()->mapToGlobal(wWidoku);
        }
        case Miejsce::Ikona: {
            auto *ikona = widocznyWidok<IkonaZPrzeciaganymFolderem>(m_okno, QStringLiteral("ikonaZFolderemPotoku"));
            return ikona->mapToGlobal(ikona->rect().center());
        }
        case Miejsce::Zarys: {
            auto *zarys = widocznyWidok<WidokZaryseliRzeczyKatalogu>(m_okno);
            const QRect obszar = zarys->viewport()->rect();
            return zarys->viewport()->mapToGlobal(QPoint(obszar.center().x(), obszar.bottom() - 30));
        }
        }
        return {};
    }

    // The flow the window shows, by its folder icon.
    QString folderPotoku()
    {
        auto *ikona = widocznyWidok<IkonaZPrzeciaganymFolderem>(m_okno, QStringLiteral("ikonaZFolderemPotoku"));
        return ikona ? ikona->plikowyURL() : QString();
    }

    // Starts the other program beside the window, drags its URIs onto `cel` and lets go; answers
    // what it printed once it heard the answer. It keeps running, to serve the dragged data, until
    // the next drag or the end of the test.
    QString przeciagnij(const QStringList &urle, const QString &akcje, const QPoint &cel)
    {
        zakonczZrodlo();
        m_zrodlo = std::make_unique<QProcess>();
        m_zrodlo->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_zrodlo->start(QStringLiteral(TARROWIND_ZRODLO_PRZECIAGANIA),
                        QStringList{QStringLiteral("1060,100,160,120"), akcje, QStringLiteral("--delete-on-move")}
                            + urle);
        QString wyjscie;
        const auto czytaj = [&](const char *oczekiwane) {
            wyjscie += QString::fromUtf8(m_zrodlo->readAll());
            return wyjscie.contains(QLatin1String(oczekiwane));
        };
        if (!QTest::qWaitFor([&] { return czytaj("ready"); }, 10000))
            return QStringLiteral("the source never showed");
        const QPoint start(1140, 160);
        const QString skrypt = QString::asprintf(
            "mousemove %d %d sleep 0.3 mousedown 1 sleep 0.3 mousemove %d %d sleep 0.3 "
            "mousemove %d %d sleep 0.3 mousemove %d %d sleep 0.5 mouseup 1",
            start.x(), start.y(), start.x() - 80, start.y() + 10, cel.x(), cel.y(), cel.x() + 4, cel.y() + 4);
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), skrypt.split(QLatin1Char(' ')));
        // Heard Move, the source has deleted its files before it answers.
        const auto skonczone = [&] {
            return xdotool.state() == QProcess::NotRunning && czytaj("answered")
                   && (!wyjscie.contains(QLatin1String("answered Move")) || czytaj("deleted"));
        };
        if (!QTest::qWaitFor(skonczone, 15000))
            return wyjscie + QStringLiteral(" (the drag never ended)");
        return wyjscie;
    }

    void zakonczZrodlo()
    {
        if (!m_zrodlo)
            return;
        m_zrodlo->kill();
        m_zrodlo->waitForFinished();
        m_zrodlo.reset();
    }

    void TearDown() override
    {
        zakonczZrodlo();
        UruchomionyProgram::TearDown();
    }

    std::unique_ptr<QProcess> m_zrodlo;
    NagrywarkaAlertow m_alerty;
};

#define WYMAGA_SERWERA_X() \
    if (QGuiApplication::platformName() != QLatin1String("xcb")) \
    GTEST_SKIP() << "needs xvfb-run and QT_QPA_PLATFORM=xcb"

} // namespace

// The source deletes its files when it hears Move, as some file managers do: it must hear Copy while
// we move each file, once, a moment after the drop.
TEST_F(ZrzutZInnegoProgramu, AnotherProgramHearsCopyWhileItsFilesAreMovedInOnceAndNothingIsLost)
{
    WYMAGA_SERWERA_X();
    const QString potok = folderPotoku();
    ASSERT_FALSE(potok.isEmpty());
    const struct
    {
        const char *opis;
        Miejsce miejsce;
        QString akcje;
        QString nazwa;
        bool przezLocalhost;
        QString cel; // below the flow folder; empty: refused, the file stays
    } przypadki[] = {
        {"the bean list", Miejsce::Lista, "copy,move", "lista.txt", false, "_Incubation/lista.txt"},
        {"the flow's folder icon", Miejsce::Ikona, "copy,move", "ikona.txt", false, "_Incubation/ikona.txt"},
        {"the items outline", Miejsce::Zarys, "copy,move", "zarys.txt", false, "_Flow_Items/zarys.txt"},
        {"a file://localhost URL", Miejsce::Lista, "copy,move", "localhost.txt", true, "_Incubation/localhost.txt"},
        {"a source offering no Copy", Miejsce::Lista, "move", "tylko przenies.txt", false, ""},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.opis);
        const QString zewnetrzny = m_baza.plik(QStringLiteral("Poza/") + p.nazwa, p.nazwa.toUtf8());
        const QString url = p.przezLocalhost ? QStringLiteral("file://localhost") + zewnetrzny
                                             : QUrl::fromLocalFile(zewnetrzny).toString();
        const QString wyjscie = przeciagnij({url}, p.akcje, punkt(p.miejsce));

        if (p.cel.isEmpty()) {
            EXPECT_TRUE(wyjscie.contains(QStringLiteral("answered Ignore"))) << wyjscie.toStdString();
            EXPECT_EQ(KatalogTestowy::czytaj(zewnetrzny), p.nazwa.toUtf8());
            EXPECT_EQ(znajdzWszystkie(R(), p.nazwa), QStringList());
            continue;
        }
        EXPECT_TRUE(wyjscie.contains(QStringLiteral("answered Copy"))) << wyjscie.toStdString();
        const QString przeniesiony = Paths::join(potok, p.cel);
        EXPECT_TRUE(QTest::qWaitFor([&] { return KatalogTestowy::istnieje(przeniesiony); }, 5000));
        EXPECT_EQ(KatalogTestowy::czytaj(przeniesiony), p.nazwa.toUtf8());
        EXPECT_EQ(znajdzWszystkie(R(), p.nazwa), QStringList{przeniesiony}) << "moved once";
        EXPECT_FALSE(KatalogTestowy::istnieje(zewnetrzny));
    }
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
    zrzutOkna(m_okno, QStringLiteral("drop-from-another-program.png"));
}

// A folder bearing a flow's own folder name would become a bean that can never be made Active.
TEST_F(ZrzutZInnegoProgramu, AFolderNamedLikeAFlowsOwnFolderIsRefusedAndStaysWithItsSource)
{
    WYMAGA_SERWERA_X();
    const QString zewnetrzny = m_baza.katalog(QStringLiteral("Poza/_Done"));
    m_baza.plik(QStringLiteral("Poza/_Done/w srodku.txt"), "W");
    const QString wyjscie =
        przeciagnij({QUrl::fromLocalFile(zewnetrzny).toString()}, QStringLiteral("copy,move"), punkt(Miejsce::Lista));
    EXPECT_TRUE(wyjscie.contains(QStringLiteral("answered Ignore"))) << wyjscie.toStdString();
    EXPECT_EQ(KatalogTestowy::czytaj(zewnetrzny + QStringLiteral("/w srodku.txt")), "W");
    EXPECT_EQ(znajdzWszystkie(R(), QStringLiteral("w srodku.txt")), QStringList());
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}
