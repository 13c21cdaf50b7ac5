#include "FileDialogFolderChooser.h"

#include "Platform/Paths.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

void FileDialogFolderChooser::choose(QWidget *okno, const Request &prosba, Completion zakonczenie)
{
    auto *dialog = new QFileDialog(okno);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's own dialog, so that the message can be shown and the prompt set on every desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setOption(QFileDialog::ReadOnly, !prosba.canCreateDirectories);
    dialog->setWindowModality(okno ? Qt::WindowModal : Qt::ApplicationModal);
    if (!prosba.prompt.isEmpty())
        dialog->setLabelText(QFileDialog::Accept, prosba.prompt);
    if (!prosba.startFolder.isEmpty())
        dialog->setDirectory(prosba.startFolder);
    if (!prosba.message.isEmpty()) {
        if (auto *uklad = qobject_cast<QGridLayout *>(dialog->layout())) {
            auto *wiadomosc = new QLabel(prosba.message, dialog);
            wiadomosc->setWordWrap(true);
            wiadomosc->setObjectName(QStringLiteral("message"));
            uklad->addWidget(wiadomosc, uklad->rowCount(), 0, 1, uklad->columnCount());
        }
    }
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, zakonczenie](int wynik) {
        std::optional<QString> katalog;
        const QStringList wybrane = dialog->selectedFiles();
        if (wynik == QDialog::Accepted && !wybrane.isEmpty())
            katalog = Paths::clean(wybrane.first());
        if (zakonczenie)
            zakonczenie(katalog);
    });
    dialog->open();
}
