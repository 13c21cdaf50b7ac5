#include "TemporaryCopy.h"

#include "FileOperations.h"
#include "Konsola.h"
#include "Paths.h"
#include "TreeCopier.h"
#include "UchwytPliku.h"
#include "UserDefaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QThreadPool>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kluczZapisanychKopii = QStringLiteral("TemporaryCopy.recorded");
// Inside the folder beside the marker, the copy under a name of its own that the marker cannot take.
constexpr char nazwaKopiiWSrodku[] = "copy";
// The marker's fourth field, for a duplicate's copy.
constexpr char slowoDuplikatu[] = "duplicate";

QByteArray przeczytajPlik(const char *sciezka)
{
    QByteArray tresc;
    const UchwytPliku plik(open(sciezka, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info;
    if (!plik.otwarty() || fstat(plik.deskryptor(), &info) != 0 || !S_ISREG(info.st_mode))
        return tresc;
    char bufor[512];
    ssize_t n;
    while (tresc.size() < 4096 && ((n = read(plik.deskryptor(), bufor, sizeof bufor)) > 0 || (n < 0 && errno == EINTR)))
        tresc.append(bufor, std::max<ssize_t>(n, 0));
    return tresc;
}

QByteArray identyfikatorRozruchu()
{
    static const QByteArray rozruch = przeczytajPlik("/proc/sys/kernel/random/boot_id").trimmed();
    return rozruch;
}

// The start time of a process in clock ticks since boot (field 22 of its stat); with the process id
// and the boot it names one process, even once its id is given to another.
QByteArray czasStartuProcesu(qint64 pid)
{
    const QByteArray stat = przeczytajPlik(QByteArray("/proc/" + QByteArray::number(pid) + "/stat").constData());
    // The command name in parentheses may hold spaces: the fields are counted after it.
    const qsizetype nawias = stat.lastIndexOf(')');
    if (nawias < 0)
        return {};
    const QList<QByteArray> pola = stat.mid(nawias + 2).split(' ');
    return pola.size() > 19 ? pola.at(19) : QByteArray();
}

// A marker that names a process still running in this boot; anything unreadable names none.
bool procesZnacznikaDziala(const QByteArray &znacznik)
{
    const QList<QByteArray> pola = znacznik.trimmed().split(' ');
    bool liczba = false;
    const bool ksztalt = pola.size() == 3 || (pola.size() == 4 && pola.at(3) == slowoDuplikatu);
    const qint64 pid = ksztalt ? pola.at(0).toLongLong(&liczba) : 0;
    if (!liczba || pid <= 0 || pola.at(1).isEmpty() || pola.at(2) != identyfikatorRozruchu())
        return false;
    return czasStartuProcesu(pid) == pola.at(1);
}

bool nazwaKopiiTymczasowej(const QString &nazwa)
{
    static const QRegularExpression wzor(QStringLiteral("^\\.tarrowind-[0-9a-f]{16}\\.tmp$"));
    return wzor.match(nazwa).hasMatch();
}

QString kanoniczna(const QString &sciezka)
{
    char wynik[PATH_MAX];
    return realpath(QFile::encodeName(sciezka).constData(), wynik) ? QFile::decodeName(wynik) : QString();
}

// The copies this process is making now: the settings may name one before it has its marker.
QMutex mutexKopiiTegoProcesu;
QSet<QString> &kopieTegoProcesu()
{
    static QSet<QString> kopie;
    return kopie;
}

bool robionaPrzezTenProces(const QString &sciezka)
{
    const QMutexLocker blokada(&mutexKopiiTegoProcesu);
    return kopieTegoProcesu().contains(sciezka);
}

// What became of a recorded copy that was looked at.
enum class StanPozostalosci {
    Usunieta,     // its process was gone: removed, or already not there
    ProcesDziala, // its process still runs: kept
    NieNasza,     // not a copy of ours by name, kind, place or marker: kept on disk, no longer recorded
    NieUsunieta,  // its process was gone but the removal failed: kept for the next try
};

StanPozostalosci usunJesliPorzucona(const QString &sciezka)
{
    // Without the boot's identity no process can be told gone: nothing is removed.
    if (robionaPrzezTenProces(sciezka) || identyfikatorRozruchu().isEmpty())
        return StanPozostalosci::ProcesDziala;
    const QString rodzic = Paths::parent(sciezka);
    const QString nazwa = Paths::lastComponent(sciezka);
    struct stat info;
    if (lstat(QFile::encodeName(sciezka).constData(), &info) != 0)
        return errno == ENOENT ? StanPozostalosci::Usunieta : StanPozostalosci::NieUsunieta;
    // Only a real folder of our name that lies where it was recorded, reached through no link.
    if (!nazwaKopiiTymczasowej(nazwa) || !S_ISDIR(info.st_mode) || kanoniczna(rodzic).isEmpty()
        || kanoniczna(sciezka) != Paths::join(kanoniczna(rodzic), nazwa))
        return StanPozostalosci::NieNasza;
    const QByteArray sciezkaB = QFile::encodeName(sciezka);
    const QByteArray sciezkaZnacznika = sciezkaB + '/' + TemporaryCopy::markerName;
    const QByteArray znacznik = przeczytajPlik(sciezkaZnacznika.constData());
    if (znacznik.isEmpty()) {
        // Killed before its marker was written, or once a removal took it as the last thing inside: only a
        // folder that holds nothing else goes.
        if (lstat(sciezkaZnacznika.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0)
            unlink(sciezkaZnacznika.constData());
        if (rmdir(sciezkaB.constData()) == 0)
            return StanPozostalosci::Usunieta;
        return StanPozostalosci::NieNasza;
    }
    if (procesZnacznikaDziala(znacznik))
        return StanPozostalosci::ProcesDziala;
    BladOperacji blad;
    const UchwytPliku katalog(open(QFile::encodeName(rodzic).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!katalog.otwarty())
        BladOperacji::zErrno(&blad, errno, QStringLiteral("Could not remove the item."), sciezka);
    if (!katalog.otwarty()
        || !TreeCopier::removeEntry(katalog.deskryptor(), nazwa, sciezka, TemporaryCopy::markerName, &blad)) {
        drukujLinie(QStringLiteral("Błąd: nie mogę usunąć pozostawionej kopii tymczasowej %1: %2"), sciezka,
                    blad.przyczyna);
        return StanPozostalosci::NieUsunieta;
    }
    if (znacznik.trimmed().endsWith(slowoDuplikatu))
        drukujLinie(QStringLiteral("Usunięto kopię tymczasową pozostawioną przez przerwane duplikowanie: %1"), sciezka);
    else
        drukujLinie(QStringLiteral("Usunięto kopię tymczasową pozostawioną przez przerwane przenoszenie: %1"), sciezka);
    return StanPozostalosci::Usunieta;
}

QStringList zapisaneKopie()
{
    return UserDefaults::standard().objectForKey(kluczZapisanychKopii).toStringList();
}

void zapiszKopie(const QStringList &kopie)
{
    if (kopie.isEmpty())
        UserDefaults::standard().removeObject(kluczZapisanychKopii);
    else
        UserDefaults::standard().setObject(kluczZapisanychKopii, kopie);
    // On disk before the copy starts: a kill a moment later must find the record.
    UserDefaults::standard().synchronize();
}

} // namespace

TemporaryCopy::TemporaryCopy(const QString &cel, Purpose purpose)
    : m_cel(cel)
    , m_sciezka(FileOperations::hiddenTemporarySibling(cel))
    , m_purpose(purpose)
{
    {
        const QMutexLocker blokada(&mutexKopiiTegoProcesu);
        kopieTegoProcesu().insert(m_sciezka);
    }
    zapiszKopie(zapisaneKopie() << m_sciezka);
}

TemporaryCopy::~TemporaryCopy()
{
    // One that stays keeps its record, for the next start.
    if (remove())
        forget({m_sciezka});
    const QMutexLocker blokada(&mutexKopiiTegoProcesu);
    kopieTegoProcesu().remove(m_sciezka);
}

bool TemporaryCopy::make(BladOperacji *blad)
{
    m_katalog =
        UchwytPliku(open(QFile::encodeName(Paths::parent(m_sciezka)).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    const QByteArray nazwa = QFile::encodeName(Paths::lastComponent(m_sciezka));
    if (!m_katalog.otwarty() || mkdirat(m_katalog.deskryptor(), nazwa.constData(), 0700) != 0) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), m_cel, Paths::parent(m_cel));
        return false;
    }
    const QByteArray znacznik = markerOf(getpid(), m_purpose);
    m_zrobiona = true;
    const QByteArray sciezkaZnacznika = nazwa + '/' + TemporaryCopy::markerName;
    UchwytPliku plik(openat(m_katalog.deskryptor(), sciezkaZnacznika.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    const bool zapisany = plik.otwarty()
                          && write(plik.deskryptor(), znacznik.constData(), size_t(znacznik.size())) == znacznik.size();
    const int numerBledu = errno;
    if (!plik.zamknij() && zapisany) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), m_cel, Paths::parent(m_cel));
        return false;
    }
    if (!zapisany) {
        BladOperacji::zErrno(blad, numerBledu, QStringLiteral("Could not copy the item."), m_cel, Paths::parent(m_cel));
        return false;
    }
    return true;
}

QString TemporaryCopy::copyPath() const
{
    return Paths::join(m_sciezka, QString::fromLatin1(nazwaKopiiWSrodku));
}

bool TemporaryCopy::placeCopy(int *numerBledu)
{
    if (placeCopyAt(m_cel, numerBledu))
        return true;
    removeCopy();
    return false;
}

void TemporaryCopy::removeCopy()
{
    // A folder of that name this object did not make is not its to empty.
    if (!m_zrobiona)
        return;
    const UchwytPliku folder(openat(m_katalog.deskryptor(),
                                    QFile::encodeName(Paths::lastComponent(m_sciezka)).constData(),
                                    O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder.otwarty())
        TreeCopier::removeEntry(folder.deskryptor(), QString::fromLatin1(nazwaKopiiWSrodku), copyPath(), {});
}

bool TemporaryCopy::remove()
{
    if (!m_zrobiona)
        return true;
    // Mostly only the marker is left: the copy was renamed into place, or taken back by TreeCopier or
    // placeCopy. A move's copy cut short by a folder moved away may still be inside.
    const QString nazwa = Paths::lastComponent(m_sciezka);
    const bool usunieta =
        TreeCopier::removeEntry(m_katalog.deskryptor(), nazwa, m_sciezka, markerName)
        || (faccessat(m_katalog.deskryptor(), QFile::encodeName(nazwa).constData(), F_OK, AT_SYMLINK_NOFOLLOW) != 0
            && errno == ENOENT);
    if (usunieta) {
        m_zrobiona = false;
        m_katalog = UchwytPliku();
    }
    return usunieta;
}

bool TemporaryCopy::placeCopyAt(const QString &cel, int *numerBledu)
{
    // Every copied file on the disk before the copy takes the final name, with one call for the
    // whole file system: a sync per file made a move of many small files crawl.
    {
        const UchwytPliku katalog(open(QFile::encodeName(m_sciezka).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!katalog.otwarty() || syncfs(katalog.deskryptor()) != 0) {
            *numerBledu = errno;
            return false;
        }
    }
    if (!FileOperations::renameNoReplace(copyPath(), cel, numerBledu))
        return false;
    // The rename itself on the disk before anything of the source goes.
    const QByteArray sciezkaRodzica = QFile::encodeName(Paths::parent(cel));
    const UchwytPliku rodzic(open(sciezkaRodzica.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (rodzic.otwarty())
        fsync(rodzic.deskryptor());
    return true;
}

QByteArray TemporaryCopy::markerOf(qint64 pid, Purpose purpose)
{
    const QByteArray rodzaj = purpose == Purpose::Duplicate ? QByteArray(" ") + slowoDuplikatu : QByteArray();
    return QByteArray::number(pid) + ' ' + czasStartuProcesu(pid) + ' ' + identyfikatorRozruchu() + rodzaj + '\n';
}

QStringList TemporaryCopy::removeAbandoned(const QStringList &sciezki)
{
    QStringList rozstrzygniete;
    for (const QString &sciezka : sciezki) {
        const StanPozostalosci stan = usunJesliPorzucona(sciezka);
        if (stan == StanPozostalosci::Usunieta || stan == StanPozostalosci::NieNasza)
            rozstrzygniete << sciezka;
    }
    return rozstrzygniete;
}

QStringList TemporaryCopy::recordedIn(const QString &katalog)
{
    struct stat szukany;
    if (stat(QFile::encodeName(katalog).constData(), &szukany) != 0)
        return {};
    QStringList wynik;
    for (const QString &sciezka : zapisaneKopie()) {
        // The same folder by its identity, whatever path led to it.
        struct stat info;
        if (stat(QFile::encodeName(Paths::parent(sciezka)).constData(), &info) == 0 && info.st_dev == szukany.st_dev
            && info.st_ino == szukany.st_ino)
            wynik << sciezka;
    }
    return wynik;
}

void TemporaryCopy::forget(const QStringList &sciezki)
{
    if (sciezki.isEmpty())
        return;
    QStringList kopie = zapisaneKopie();
    const qsizetype przed = kopie.size();
    for (const QString &sciezka : sciezki)
        kopie.removeAll(sciezka);
    if (kopie.size() != przed)
        zapiszKopie(kopie);
}

void TemporaryCopy::removeAbandonedIn(const QString &katalog)
{
    forget(removeAbandoned(recordedIn(katalog)));
}

void TemporaryCopy::removeAbandonedInBackground()
{
    const QStringList kopie = zapisaneKopie();
    if (kopie.isEmpty())
        return;
    QThreadPool::globalInstance()->start([kopie] {
        const QStringList rozstrzygniete = removeAbandoned(kopie);
        // The settings belong to the main thread; a program that ends first leaves the records to the next start.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [rozstrzygniete] { forget(rozstrzygniete); }, Qt::QueuedConnection);
    });
}
