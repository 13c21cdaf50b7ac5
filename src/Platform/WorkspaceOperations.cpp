#include "WorkspaceOperations.h"

#include "FileOperations.h"
#include "ModalGate.h"
#include "Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QThreadPool>
#include <QTimer>

#include <cerrno>

#include <unistd.h>

namespace {

// Held completions try again after this long, as the folder move's reports do.
constexpr int odstepPonowieniaMs = 100;
// A clash on every try up to here is no longer a clash worth another name.
constexpr int najwiecejProbKopii = 10000;

// A trash folder of the volume itself, as the freedesktop rules name it: the shared ".Trash/<uid>" or the user's
// own ".Trash-<uid>", one the user may write into.
bool maKoszNaWlasnymWoluminie(const QString &korzenWoluminu)
{
    const QString uid = QString::number(getuid());
    for (const QString &kosz : {Paths::join(korzenWoluminu, QStringLiteral(".Trash/") + uid),
                                Paths::join(korzenWoluminu, QStringLiteral(".Trash-") + uid)}) {
        if (FileOperations::isFolderNoFollow(kosz) && access(QFile::encodeName(kosz).constData(), W_OK | X_OK) == 0)
            return true;
    }
    return false;
}

// NO when the item lies on another volume than the home Trash and that volume has no trash folder the user
// could make or use: the item could only be copied into the Trash, which the desktop's Trash does not do.
bool maUzytecznyKosz(const QString &url, const QString &katalogDanych)
{
    const QStorageInfo wolumin(url);
    if (!wolumin.isValid())
        return true;
    if (wolumin == QStorageInfo(katalogDanych))
        return true;
    return maKoszNaWlasnymWoluminie(wolumin.rootPath());
}

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
    const QString katalogDanych = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    FileOperations::createFolder(katalogDanych, true);
    QFile plik(url);
    if (plik.moveToTrash())
        return true;
    const QString nazwa = Paths::lastComponent(url);
    const QString opis = QStringLiteral("Could not move \u201C%1\u201D to the Trash.").arg(nazwa);
    // The system's own words would speak of a cross-device link.
    if (FileOperations::exists(url) && !maUzytecznyKosz(url, katalogDanych)) {
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), EXDEV, opis,
                            QStringLiteral("\u201C%1\u201D cannot be moved to the Trash because its volume has no "
                                           "Trash that Tarrowind can use. It stays where it was.")
                                .arg(nazwa));
        return false;
    }
    BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), int(plik.error()), opis,
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
