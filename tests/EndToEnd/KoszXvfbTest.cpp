#include "Support/Ui/LapaczAlertu.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

// On a real X server: the alert after Delete on a bean while the home Trash is a regular file, over the window whose
// list still shows the bean. The screenshot is for people to look at.
class KoszNaSerwerzeX : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        ASSERT_TRUE(QDir().mkpath(m_dane));
        QFile kosz(m_dane + QStringLiteral("/Trash"));
        ASSERT_TRUE(kosz.open(QIODevice::WriteOnly) && kosz.write("nie kosz") == 8);
    }
    void TearDown() override
    {
        UruchomionyProgram::TearDown();
        QFile::remove(m_dane + QStringLiteral("/Trash"));
    }

    const QString m_dane = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    LapaczAlertu m_alert;
};

} // namespace

TEST_F(KoszNaSerwerzeX, TheAlertWhenTheHomeTrashCannotBeUsed)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    auto *lista = PolecenieWOknie::widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
    ASSERT_NE(lista, nullptr);
    KontrolerTablicy *tablica = lista->kontrolerTablicy();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica->rowCount() >= 4; }));
    auto *fasolka = qobject_cast<Fasolka *>(tablica->obiektWWierszu(0));
    ASSERT_TRUE(fasolka && fasolka->bytFasolki());
    const QString sciezka = fasolka->bytFasolki()->plikowyURL();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualRect(lista->model()->index(0, 1)).center());

    // The confirmation answered with its own button, then the alert that follows caught on screen.
    QTimer potwierdzenie;
    potwierdzenie.setInterval(20);
    QObject::connect(&potwierdzenie, &QTimer::timeout, [&] {
        auto *pytanie = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!pytanie || !pytanie->isVisible() || !pytanie->text().startsWith(QStringLiteral("Confirm move")))
            return;
        potwierdzenie.stop();
        for (QAbstractButton *przycisk : pytanie->buttons())
            if (przycisk->text() == QStringLiteral("Move to Trash"))
                QTest::mouseClick(przycisk, Qt::LeftButton);
        m_alert.lap(QStringLiteral("kosz-nie-do-uzycia.png"), [this] { return m_okno; });
    });
    potwierdzenie.start();
    QTest::keyClick(lista, Qt::Key_Delete);

    ASSERT_TRUE(QTest::qWaitFor([&] { return m_alert.zlapany(); }, 5000));
    EXPECT_EQ(m_alert.tekst(),
              QStringLiteral("Could not move \u201C%1\u201D to the Trash.").arg(QFileInfo(sciezka).fileName()));
    EXPECT_TRUE(m_alert.informacja().contains(QStringLiteral("\u201CTrash\u201D is not a folder.")))
        << qPrintable(m_alert.informacja());
    EXPECT_TRUE(QFileInfo::exists(sciezka));
}
