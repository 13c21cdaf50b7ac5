#include "WorkspaceOperations.h"

#include "FileOperations.h"
#include "ModalGate.h"
#include "Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>

#include <cerrno>

namespace {

// Held completions try again after this long, as the folder move's reports do.
constexpr int odstepPonowieniaMs = 100;
// A clash on every try up to here is no longer a clash worth another name.
constexpr int najwiecejProbKopii = 10000;

} // namespace

void WorkspaceOperations::duplicateURLs(const QStringList &urls, QObject *kontekst, Completion zakonczenie)
{
    uruchom(urls, kontekst, std::move(zakonczenie), &WorkspaceOperations::duplikuj);
}

void WorkspaceOperations::recycleURLs(const QStringList &urls, QObject *kontekst, Completion zakonczenie)
{
    uruchom(urls, kontekst, std::move(zakonczenie), &WorkspaceOperations::doKosza);
}

QString WorkspaceOperations::nazwaKopii(const QString &url, int numer)
{
    const QString rozszerzenie = FileOperations::isFolderNoFollow(url) ? QString() : Paths::extension(url);
    QString nazwa = Paths::lastComponent(url);
    if (!rozszerzenie.isEmpty())
        nazwa.chop(rozszerzenie.size() + 1);
    nazwa += numer == 1 ? QStringLiteral(" copy") : QStringLiteral(" copy %1").arg(numer);
    if (!rozszerzenie.isEmpty())
        nazwa += QLatin1Char('.') + rozszerzenie;
    return Paths::join(Paths::parent(url), nazwa);
}

bool WorkspaceOperations::duplikuj(const QString &url, BladOperacji *blad)
{
    for (int numer = 1; numer <= najwiecejProbKopii; ++numer) {
        const QString kopia = nazwaKopii(url, numer);
        if (FileOperations::exists(kopia))
            continue;
        BladOperacji bladKopii;
        if (FileOperations::copyNoReplace(url, kopia, &bladKopii))
            return true;
        // Another program took the name meanwhile: the next one.
        if (bladKopii.kod == EEXIST && FileOperations::exists(url))
            continue;
        if (blad)
            *blad = bladKopii;
        return false;
    }
    BladOperacji::zErrno(blad, EEXIST, QStringLiteral("Could not duplicate the item."), url, Paths::parent(url));
    return false;
}

bool WorkspaceOperations::doKosza(const QString &url, BladOperacji *blad)
{
    // The home trash lies in the user's data folder, which a fresh account may not have yet.
    FileOperations::createFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), true);
    QFile plik(url);
    if (plik.moveToTrash())
        return true;
    BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), int(plik.error()),
                        QStringLiteral("Could not move “%1” to the Trash.").arg(Paths::lastComponent(url)),
                        plik.errorString());
    return false;
}

void WorkspaceOperations::uruchom(const QStringList &urls, QObject *kontekst, Completion zakonczenie,
                                  bool (*operacja)(const QString &, BladOperacji *))
{
    QPointer<QObject> cel = kontekst;
    QThreadPool::globalInstance()->start([urls, cel, zakonczenie = std::move(zakonczenie), operacja] {
        std::optional<BladOperacji> ostatni;
        for (const QString &url : urls) {
            BladOperacji blad;
            if (!operacja(url, &blad))
                ostatni = blad;
        }
        // Queued to the main thread, where alone the context may be asked whether it still lives.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [cel, zakonczenie, ostatni] {
                if (cel)
                    dostarcz(cel, zakonczenie, ostatni);
            },
            Qt::QueuedConnection);
    });
}

void WorkspaceOperations::dostarcz(QObject *kontekst, Completion zakonczenie, std::optional<BladOperacji> blad)
{
    if (ModalGate::isRaised()) {
        QTimer::singleShot(odstepPonowieniaMs, kontekst,
                           [kontekst, zakonczenie, blad] { dostarcz(kontekst, zakonczenie, blad); });
        return;
    }
    zakonczenie(blad);
}
