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

void otworzKatalogNadrzedny(const QString &path)
{
    DesktopServices::shared()->openInDefaultApplication(Paths::parent(path));
}

} // namespace

bool SystemDesktopServices::openInDefaultApplication(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (GioApplications::launchDefaultForPath(path))
        return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SystemDesktopServices::revealInFileManager(const QString &path)
{
    if (path.isEmpty())
        return;
    QDBusConnection szyna = QDBusConnection::sessionBus();
    if (!szyna.isConnected()) {
        otworzKatalogNadrzedny(path);
        return;
    }
    QDBusMessage wywolanie =
        QDBusMessage::createMethodCall(fileManagerService, fileManagerPath, fileManagerService, QStringLiteral("ShowItems"));
    wywolanie << QStringList{QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded())} << QString();
    auto *obserwator = new QDBusPendingCallWatcher(szyna.asyncCall(wywolanie, limitCzasuPokazania));
    QObject::connect(obserwator, &QDBusPendingCallWatcher::finished, [path](QDBusPendingCallWatcher *wywolane) {
        if (wywolane->isError()) {
            drukujLinie(QStringLiteral("Błąd: %1 %2"), wywolane->error().name(), wywolane->error().message());
            otworzKatalogNadrzedny(path);
        }
        wywolane->deleteLater();
    });
}
