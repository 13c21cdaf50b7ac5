#include "Platform/Ui/FileDialogFolderChooser.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QTest>
#include <QWidget>

namespace {

struct Wybor
{
    int zakonczenia = 0;
    std::optional<QString> katalog;
};

QFileDialog *otworz(QWidget &okno, const QString &start, Wybor &wybor)
{
    FileDialogFolderChooser chooser;
    FolderChooser::Request prosba;
    prosba.prompt = QStringLiteral("Select");
    prosba.message = QStringLiteral("Choose a place.\nSecond line.");
    prosba.startFolder = start;
    chooser.choose(&okno, prosba, [&wybor](const std::optional<QString> &katalog) {
        ++wybor.zakonczenia;
        wybor.katalog = katalog;
    });
    return okno.findChild<QFileDialog *>();
}

} // namespace

TEST(FileDialogFolderChooserTest, ShowsFoldersOnlyAsASheetWithThePromptAndMessage)
{
    KatalogTestowy dir;
    const QString start = dir.katalog(QStringLiteral("start"));
    QWidget okno;
    okno.show();
    Wybor wybor;
    QFileDialog *dialog = otworz(okno, start, wybor);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
    EXPECT_FALSE(dialog->testOption(QFileDialog::ReadOnly)) << "new folders can be made";
    EXPECT_EQ(dialog->labelText(QFileDialog::Accept), QStringLiteral("Select"));
    EXPECT_EQ(dialog->directory().absolutePath(), start);
    const QLabel *wiadomosc = dialog->findChild<QLabel *>(QStringLiteral("message"));
    ASSERT_NE(wiadomosc, nullptr);
    EXPECT_EQ(wiadomosc->text(), QStringLiteral("Choose a place.\nSecond line."));
    EXPECT_EQ(wybor.zakonczenia, 0) << "the call returns while the chooser is open";
    dialog->reject();
}

TEST(FileDialogFolderChooserTest, AnswersTheChosenFolderOrNothingWhenCancelled)
{
    KatalogTestowy dir;
    const QString wybrany = dir.katalog(QStringLiteral("wybrany/"));
    QWidget okno;
    okno.show();

    Wybor zatwierdzony;
    QFileDialog *dialog = otworz(okno, dir.sciezka(), zatwierdzony);
    dialog->setDirectory(wybrany);
    static_cast<QDialog *>(dialog)->accept();
    EXPECT_EQ(zatwierdzony.zakonczenia, 1);
    EXPECT_EQ(zatwierdzony.katalog, std::optional<QString>(dir.sciezka(QStringLiteral("wybrany"))));
    EXPECT_TRUE(QTest::qWaitFor([&] { return okno.findChild<QFileDialog *>() == nullptr; }, 1000))
        << "a closed chooser goes away";

    Wybor anulowany;
    dialog = otworz(okno, dir.sciezka(), anulowany);
    dialog->reject();
    EXPECT_EQ(anulowany.zakonczenia, 1);
    EXPECT_FALSE(anulowany.katalog.has_value());
}
