#include "SystemDesktopServices.h"

#include "GioApplications.h"
#include "Konsola.h"
#include "Paths.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QUrl>

namespace {

// The file manager may be started by D-Bus activation first.
constexpr int limitCzasuPokazania = 10000;

void otworzKatalog(const QString &folder)
{
    DesktopServices::shared()->openInDefaultApplication(folder);
}

} // namespace

bool SystemDesktopServices::openInDefaultApplication(const QString &path, BladOperacji *blad)
{
    if (path.isEmpty())
        return false;
    BladOperacji bladGio;
    if (GioApplications::launchDefaultForPath(path, &bladGio))
        return true;
    // Where GIO could not even tell the type, another desktop's opener may know better. Once the desktop's registry
    // has no application for the type, or its application did not start, the opener would only fail out of sight.
    if (bladGio.kod == GioApplications::pnNieznanyTyp && QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    if (blad)
        *blad = bladGio;
    return false;
}

bool SystemDesktopServices::openWithApplication(const QString &path, const QString &desktopId, BladOperacji *blad)
{
    return !path.isEmpty() && GioApplications::launchWithApplication(path, desktopId, blad);
}

void SystemDesktopServices::revealInFileManager(const QString &path)
{
    if (!path.isEmpty())
        askFileManager(QStringLiteral("ShowItems"), {path}, Paths::parent(path));
}

void SystemDesktopServices::openFolderInFileManager(const QString &folder, const QStringList &selected)
{
    if (folder.isEmpty())
        return;
    if (selected.isEmpty())
        askFileManager(QStringLiteral("ShowFolders"), {folder}, folder);
    else
        askFileManager(QStringLiteral("ShowItems"), selected, folder);
}

void SystemDesktopServices::askFileManager(const QString &method, const QStringList &paths,
                                           const QString &fallbackFolder)
{
    QDBusConnection szyna = QDBusConnection::sessionBus();
    if (!szyna.isConnected()) {
        otworzKatalog(fallbackFolder);
        return;
    }
    QStringList uri;
    for (const QString &path : paths)
        uri << QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
    QDBusMessage wywolanie =
        QDBusMessage::createMethodCall(fileManagerService, fileManagerPath, fileManagerService, method);
    wywolanie << uri << QString();
    auto *obserwator = new QDBusPendingCallWatcher(szyna.asyncCall(wywolanie, limitCzasuPokazania));
    QObject::connect(
        obserwator, &QDBusPendingCallWatcher::finished, [fallbackFolder](QDBusPendingCallWatcher *wywolane) {
            if (wywolane->isError()) {
                drukujLinie(QStringLiteral("Błąd: %1 %2"), wywolane->error().name(), wywolane->error().message());
                otworzKatalog(fallbackFolder);
            }
            wywolane->deleteLater();
        });
}
