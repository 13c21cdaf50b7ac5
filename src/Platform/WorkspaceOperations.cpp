#include "WorkspaceOperations.h"

#include "FileOperations.h"
#include "Kosz.h"
#include "ModalGate.h"
#include "Paths.h"
#include "TemporaryCopy.h"
#include "TreeCopier.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// Held completions try again after this long, as the folder move's reports do.
constexpr int odstepPonowieniaMs = 100;
// A clash on every try up to here is no longer a clash worth another name.
constexpr int najwiecejProbKopii = 10000;

// The temporaries of the duplicates under way, by run. Made and removed on the main thread, as
// their records in the settings are; the copying threads only fill them.
using TymczasoweDuplikatow = std::vector<std::unique_ptr<TemporaryCopy>>;
std::map<quint64, TymczasoweDuplikatow> &duplikatyWToku()
{
    static std::map<quint64, TymczasoweDuplikatow> duplikaty;
    return duplikaty;
}

std::atomic<bool> anulowanieDuplikatow{false};
std::mutex mutexDuplikatow;
std::condition_variable koniecDuplikatu;
int watkiDuplikatow = 0;

} // namespace

void WorkspaceOperations::duplicateURLs(const QStringList &urls, QObject *kontekst, Completion zakonczenie)
{
    static quint64 ostatniNumer = 0;
    const quint64 numer = ++ostatniNumer;
    TymczasoweDuplikatow &tymczasowe = duplikatyWToku()[numer];
    std::vector<std::pair<QString, TemporaryCopy *>> praca;
    for (const QString &url : urls) {
        tymczasowe.push_back(std::make_unique<TemporaryCopy>(nazwaKopii(url, 1), TemporaryCopy::Purpose::Duplicate));
        praca.emplace_back(url, tymczasowe.back().get());
    }
    {
        const std::lock_guard blokada(mutexDuplikatow);
        ++watkiDuplikatow;
    }
    QPointer<QObject> cel = kontekst;
    QThreadPool::globalInstance()->start([praca, numer, cel, zakonczenie = std::move(zakonczenie)] {
        std::optional<BladOperacji> ostatni;
        for (const auto &[url, tymczasowa] : praca) {
            BladOperacji blad;
            if (!duplikuj(url, *tymczasowa, &blad))
                ostatni = blad;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [numer, cel, zakonczenie, ostatni] {
                // Cancelled as the program ends: nobody waits for the answer.
                if (duplikatyWToku().erase(numer) == 0)
                    return;
                if (cel)
                    dostarcz(cel, zakonczenie, ostatni);
            },
            Qt::QueuedConnection);
        {
            const std::lock_guard blokada(mutexDuplikatow);
            --watkiDuplikatow;
        }
        koniecDuplikatu.notify_all();
    });
}

void WorkspaceOperations::cancelAndWait()
{
    anulowanieDuplikatow = true;
    {
        std::unique_lock blokada(mutexDuplikatow);
        koniecDuplikatu.wait(blokada, [] { return watkiDuplikatow == 0; });
    }
    // The partial copies went with their cancel; the temporaries and their records go here.
    duplikatyWToku().clear();
    anulowanieDuplikatow = false;
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

bool WorkspaceOperations::duplikuj(const QString &url, TemporaryCopy &tymczasowa, BladOperacji *blad)
{
    // Named only once complete: a half-made copy is never listed as a bean of its own.
    TreeCopier kopiarka(&anulowanieDuplikatow);
    const bool zrobiony = tymczasowa.make(blad) && kopiarka.copy(url, tymczasowa.copyPath(), blad, nazwaKopii(url, 1))
                          && umiescKopie(url, tymczasowa, blad);
    // Gone at once, a copy cut short by its folder moved away with it: the items after this one need the
    // descriptor it holds.
    tymczasowa.remove();
    if (zrobiony)
        return true;
    // Gone with its folder, which another program moved or removed meanwhile: the item inside that
    // was missed would mean nothing to the user.
    if (!kopiarka.cancelled() && !FileOperations::exists(url))
        BladOperacji::zErrno(blad, ENOENT, QStringLiteral("Could not duplicate the item."), url);
    return false;
}

bool WorkspaceOperations::umiescKopie(const QString &url, TemporaryCopy &tymczasowa, BladOperacji *blad)
{
    for (int numer = 1; numer <= najwiecejProbKopii; ++numer) {
        int numerBledu = 0;
        if (tymczasowa.placeCopyAt(nazwaKopii(url, numer), &numerBledu))
            return true;
        // Another item holds the name, made meanwhile or before: the next one.
        if (numerBledu != EEXIST && numerBledu != ENOTEMPTY) {
            // A name too long is the copy's, not the original's.
            BladOperacji::zErrno(blad, numerBledu, QStringLiteral("Could not duplicate the item."),
                                 numerBledu == ENAMETOOLONG ? nazwaKopii(url, numer) : url, Paths::parent(url));
            return false;
        }
    }
    BladOperacji::zErrno(blad, EEXIST, QStringLiteral("Could not duplicate the item."), url, Paths::parent(url));
    return false;
}

bool WorkspaceOperations::doKosza(const QString &url, BladOperacji *blad)
{
    return Kosz::przenies(url, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), blad);
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
