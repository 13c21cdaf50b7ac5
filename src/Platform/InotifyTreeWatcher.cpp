#include "InotifyTreeWatcher.h"

#include "FolderListing.h"
#include "Paths.h"
#include "StrumienInotify.h"
#include "UchwytKatalogu.h"

#include <QFile>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <latch>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr quint32 maskaDrzewa = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_ATTRIB
                                | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK;
// Above a root only its own name matters; IN_MASK_ADD keeps a tree watch's wider mask.
constexpr quint32 maskaPrzodka = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF
                                 | IN_ONLYDIR | IN_MASK_ADD;

bool jestKatalogiem(const QString &sciezka, struct stat *info = nullptr)
{
    struct stat wlasne;
    struct stat *cel = info ? info : &wlasne;
    return ::stat(QFile::encodeName(sciezka).constData(), cel) == 0 && S_ISDIR(cel->st_mode);
}

// Byte-exact: two spellings that look alike are two folders on Linux.
QString przedrostekPoddrzewa(const QString &sciezka)
{
    return sciezka.endsWith(QLatin1Char('/')) ? sciezka : sciezka + QLatin1Char('/');
}

bool lezyWLubJest(const QString &zewnetrzna, const QString &wewnetrzna)
{
    return wewnetrzna == zewnetrzna || wewnetrzna.startsWith(przedrostekPoddrzewa(zewnetrzna));
}

struct OdciskWpisow
{
    quint64 wartosc = 0;
    QStringList podkatalogi; // visible names that are folders themselves
};

quint64 wymieszaj(quint64 x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    return x ^ (x >> 33);
}

quint64 odciskStat(const struct stat &info)
{
    quint64 h = wymieszaj(quint64(info.st_ino));
    for (const quint64 pole :
         {quint64(info.st_mtim.tv_sec), quint64(info.st_mtim.tv_nsec), quint64(info.st_ctim.tv_sec),
          quint64(info.st_ctim.tv_nsec), quint64(info.st_size), quint64(info.st_mode)})
        h = wymieszaj(h ^ pole);
    return h;
}

// What another program changes in a folder shows in the folder's own times (entries added,
// removed, renamed) or in an entry's (a file written in place). Without a watch that is all we
// can compare. Nothing when the folder cannot be read.
std::optional<OdciskWpisow> odcisnijWpisyKatalogu(const QString &sciezka)
{
    UchwytPliku plik(::open(QFile::encodeName(sciezka).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
    struct stat info;
    if (!plik.otwarty() || ::fstat(plik.deskryptor(), &info) != 0)
        return std::nullopt;
    const UchwytKatalogu katalog = UchwytKatalogu::zDeskryptora(plik);
    if (!katalog.otwarty())
        return std::nullopt;
    OdciskWpisow odcisk;
    odcisk.wartosc = odciskStat(info);
    // Summed: the order readdir gives must not count.
    quint64 suma = 0;
    while (const dirent *wpis = ::readdir(katalog.strumien())) {
        if (wpis->d_name[0] == '.')
            continue;
        const QByteArray nazwa(wpis->d_name);
        quint64 h = wymieszaj(qHash(nazwa));
        if (::fstatat(katalog.deskryptor(), wpis->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
            // A sub-folder's own times change with its entries, which its own look reports.
            if (S_ISDIR(info.st_mode)) {
                h = wymieszaj(h ^ quint64(info.st_ino));
                odcisk.podkatalogi.append(QFile::decodeName(nazwa));
            } else {
                h = wymieszaj(h ^ odciskStat(info));
            }
        }
        suma += h;
    }
    odcisk.wartosc = wymieszaj(odcisk.wartosc ^ suma);
    return odcisk;
}

// Threads beyond a few only queue on the same directory locks.
constexpr int najwiecejPomocnikow = 3;
// Fewer folders than this are cheaper to take in one thread than to hand out.
constexpr size_t najmniejRownolegle = 8;

} // namespace

InotifyTreeWatcher::InotifyTreeWatcher()
{
    m_helpers.setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 1, najwiecejPomocnikow));
}

InotifyTreeWatcher::~InotifyTreeWatcher() = default;

bool InotifyTreeWatcher::open(const QStringList &korzenie, int *numerBledu)
{
    m_fd = UchwytPliku(inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!m_fd.otwarty()) {
        if (numerBledu)
            *numerBledu = errno;
        return false;
    }
    m_buffer.resize(64 * 1024);
    for (const QString &sciezka : korzenie) {
        const bool wInnym = std::any_of(korzenie.begin(), korzenie.end(), [&](const QString &inny) {
            return inny != sciezka && lezyWLubJest(inny, sciezka);
        });
        const bool powtorzony =
            std::any_of(m_roots.begin(), m_roots.end(), [&](const Root &k) { return k.path == sciezka; });
        if (!wInnym && !powtorzony)
            m_roots.push_back(Root{sciezka});
    }
    Reports pominiete;
    checkRoots(false, pominiete);
    return true;
}

bool InotifyTreeWatcher::takeLimitWarning()
{
    return std::exchange(m_warning, false);
}

int InotifyTreeWatcher::addWatch(const QString &sciezka, quint32 maska, int *numerBledu)
{
    const int wd = inotify_add_watch(descriptor(), QFile::encodeName(sciezka).constData(), maska);
    if (wd < 0) {
        if (numerBledu)
            *numerBledu = errno;
        noteWatchError(errno);
    }
    return wd;
}

void InotifyTreeWatcher::noteWatchError(int numerBledu)
{
    if (numerBledu == ENOSPC && !m_limit) {
        m_limit = true;
        m_warning = true;
    }
}

// ---- roots and the paths above them

void InotifyTreeWatcher::checkRoots(bool zglaszaj, Reports &wyjscie)
{
    m_checkRoots = false;
    // Watch the way down first, so that a change made while we look is still heard.
    refreshAncestors();
    for (Root &korzen : m_roots)
        checkRoot(korzen, zglaszaj, wyjscie);
}

void InotifyTreeWatcher::refreshAncestors()
{
    std::unordered_map<int, QString> nowi;
    for (const Root &korzen : m_roots) {
        QStringList wGore;
        for (QString p = Paths::parent(korzen.path); !p.isEmpty(); p = Paths::parent(p)) {
            wGore.prepend(p);
            if (p == QLatin1String("/"))
                break;
        }
        for (const QString &przodek : std::as_const(wGore)) {
            if (!jestKatalogiem(przodek))
                break;
            const int wd = addWatch(przodek, maskaPrzodka);
            if (wd < 0)
                break;
            nowi[wd] = przodek;
        }
    }
    for (const auto &[wd, sciezka] : m_ancestors) {
        if (!nowi.count(wd) && !m_folders.count(wd))
            inotify_rm_watch(descriptor(), wd);
    }
    m_ancestors = std::move(nowi);
}

void InotifyTreeWatcher::checkRoot(Root &korzen, bool zglaszaj, Reports &wyjscie)
{
    // The stat comes before the watch: should the folder be replaced in between, the next
    // check sees another inode and starts over.
    struct stat info;
    const bool jest = jestKatalogiem(korzen.path, &info);
    if (korzen.wd >= 0) {
        if (jest && info.st_dev == korzen.device && info.st_ino == korzen.inode)
            return;
        dropSubtree(korzen.path);
        korzen.wd = -1;
        wyjscie.append({korzen.path, StrumienInotify::KorzenZmieniony});
    }
    if (!jest)
        return;
    int numerBledu = 0;
    const int wd = addWatch(korzen.path, maskaDrzewa, &numerBledu);
    if (wd < 0) {
        if (numerBledu == ENOSPC)
            leaveUnwatched(korzen.path, zglaszaj);
        return;
    }
    korzen.wd = wd;
    korzen.device = info.st_dev;
    korzen.inode = info.st_ino;
    registerFolder(wd, korzen.path);
    m_queue.push_back(PendingFolder{-1, {}, wd, zglaszaj, false});
    if (zglaszaj)
        wyjscie.append({korzen.path, StrumienInotify::KorzenZmieniony});
}

bool InotifyTreeWatcher::concernsRoot(const QString &przodek, const QString &nazwa) const
{
    const QString sciezka = Paths::join(przodek, nazwa);
    return std::any_of(m_roots.begin(), m_roots.end(), [&](const Root &k) { return lezyWLubJest(sciezka, k.path); });
}

// ---- the table of watched folders

std::vector<std::pair<QString, int>> InotifyTreeWatcher::subtree(const QString &sciezka) const
{
    std::vector<std::pair<QString, int>> wynik;
    if (const auto sam = m_watches.find(sciezka); sam != m_watches.end())
        wynik.emplace_back(*sam);
    const QString przedrostek = przedrostekPoddrzewa(sciezka);
    for (auto it = m_watches.lower_bound(przedrostek); it != m_watches.end() && it->first.startsWith(przedrostek); ++it)
        wynik.emplace_back(*it);
    return wynik;
}

void InotifyTreeWatcher::registerFolder(int wd, const QString &sciezka)
{
    if (const auto znany = m_folders.find(wd); znany != m_folders.end()) {
        // The folder arrived here without both halves of its rename being seen. The old path is
        // copied: the move rewrites the very entry it would otherwise be read from.
        if (const QString stara = znany->second.path; stara != sciezka)
            moveSubtree(stara, sciezka);
        m_folders[wd].walkNumber = m_walkNumber;
        // Found inside the trees: it has not left them, whatever half of a rename still waits.
        std::erase_if(m_pendingMoves, [wd](const auto &przeniesienie) { return przeniesienie.second.wd == wd; });
        return;
    }
    // Whatever was watched under this path before has been replaced.
    if (m_watches.count(sciezka))
        dropSubtree(sciezka);
    if (m_unwatched.erase(sciezka))
        m_unwatchedChanged = true;
    m_folders.emplace(wd, WatchedFolder{sciezka, m_walkNumber});
    m_watches[sciezka] = wd;
}

bool InotifyTreeWatcher::moveSubtree(const QString &stara, const QString &nowa)
{
    const auto przenoszone = subtree(stara);
    if (przenoszone.empty())
        return false;
    // A rename may only land on an empty folder; whatever we had there is gone.
    for (const auto &[sciezka, wd] : subtree(nowa)) {
        if (!lezyWLubJest(stara, sciezka))
            dropSubtree(sciezka);
    }
    moveUnwatchedSubtree(stara, nowa);
    for (const auto &[sciezka, wd] : przenoszone) {
        const QString nowaSciezka = nowa + sciezka.mid(stara.size());
        if (const auto w = m_watches.find(sciezka); w != m_watches.end() && w->second == wd)
            m_watches.erase(w);
        m_watches[nowaSciezka] = wd;
        WatchedFolder &katalog = m_folders[wd];
        katalog.path = nowaSciezka;
        katalog.walkNumber = m_walkNumber;
    }
    return true;
}

void InotifyTreeWatcher::dropSubtree(const QString &sciezka)
{
    forgetUnwatchedSubtree(sciezka);
    for (const auto &[p, wd] : subtree(sciezka)) {
        m_watches.erase(p);
        const auto katalog = m_folders.find(wd);
        if (katalog == m_folders.end() || katalog->second.path != p)
            continue;
        m_folders.erase(katalog);
        if (!m_ancestors.count(wd))
            inotify_rm_watch(descriptor(), wd);
    }
}

void InotifyTreeWatcher::forgetWatch(int wd, Reports &wyjscie)
{
    if (const auto katalog = m_folders.find(wd); katalog != m_folders.end()) {
        if (const auto w = m_watches.find(katalog->second.path); w != m_watches.end() && w->second == wd)
            m_watches.erase(w);
        m_folders.erase(katalog);
    }
    if (m_ancestors.erase(wd))
        m_checkRoots = true;
    for (Root &korzen : m_roots) {
        if (korzen.wd != wd)
            continue;
        dropSubtree(korzen.path);
        korzen.wd = -1;
        wyjscie.append({korzen.path, StrumienInotify::KorzenZmieniony});
        m_checkRoots = true;
    }
}

// ---- the walk

void InotifyTreeWatcher::walk(int ileKatalogow, Reports &wyjscie)
{
    std::vector<WalkStep> kroki = takeSteps(ileKatalogow);
    prepareSteps(kroki);
    for (WalkStep &krok : kroki)
        applyStep(krok, wyjscie);
    if (m_queue.empty() && m_sweeping)
        sweep();
}

std::vector<InotifyTreeWatcher::WalkStep> InotifyTreeWatcher::takeSteps(int ileKatalogow)
{
    std::vector<WalkStep> kroki;
    for (int i = 0; i < ileKatalogow && !m_queue.empty(); ++i) {
        WalkStep krok;
        krok.pending = std::move(m_queue.front());
        m_queue.pop_front();
        // Queued by its parent's watch, not by path: the parent may have been renamed since.
        const bool wlasny = krok.pending.folderWd >= 0;
        const auto katalog = m_folders.find(wlasny ? krok.pending.folderWd : krok.pending.parentWd);
        if (katalog != m_folders.end()) {
            krok.path = wlasny ? katalog->second.path : Paths::join(katalog->second.path, krok.pending.name);
            krok.wd = krok.pending.folderWd;
        }
        kroki.push_back(std::move(krok));
    }
    return kroki;
}

bool InotifyTreeWatcher::needsListing(const WalkStep &krok) const
{
    if (krok.pending.folderWd >= 0)
        return true;
    const auto znany = m_folders.find(krok.wd);
    // A folder first met by the start's walk may be new all the same: its creation event says so.
    return znany == m_folders.end() || krok.pending.again || (krok.pending.report && !znany->second.reported);
}

// Runs on any thread; reads the tables but changes nothing.
void InotifyTreeWatcher::prepareStep(WalkStep &krok) const
{
    if (krok.path.isEmpty())
        return;
    if (krok.pending.folderWd < 0) {
        krok.wd =
            inotify_add_watch(descriptor(), QFile::encodeName(krok.path).constData(), maskaDrzewa | IN_DONT_FOLLOW);
        if (krok.wd < 0) {
            krok.error = errno;
            return;
        }
    }
    // The watch exists before the listing, so nothing made from now on is missed.
    if (needsListing(krok))
        krok.listing = FolderListing::list(krok.path);
}

void InotifyTreeWatcher::prepareSteps(std::vector<WalkStep> &kroki)
{
    if (kroki.size() < najmniejRownolegle) {
        for (WalkStep &krok : kroki)
            prepareStep(krok);
        return;
    }
    std::atomic<size_t> nastepny{0};
    const auto praca = [&] {
        for (size_t i; (i = nastepny.fetch_add(1)) < kroki.size();)
            prepareStep(kroki[i]);
    };
    // A latch, not waitForDone(): that would end the pool's threads after every step.
    const int pomocnikow = m_helpers.maxThreadCount();
    std::latch gotowe(pomocnikow);
    for (int i = 0; i < pomocnikow; ++i) {
        m_helpers.start([&] {
            praca();
            gotowe.count_down();
        });
    }
    praca();
    gotowe.wait();
}

void InotifyTreeWatcher::applyStep(WalkStep &krok, Reports &wyjscie)
{
    if (krok.path.isEmpty())
        return;
    if (krok.pending.folderWd >= 0) {
        listFolder(krok.wd, krok.pending.report, krok.pending.again, std::move(krok.listing), krok.path, wyjscie);
        return;
    }
    if (krok.wd < 0) {
        noteWatchError(krok.error);
        if (krok.error == ENOSPC)
            leaveUnwatched(krok.path, krok.pending.report);
        else if (!jestKatalogiem(Paths::parent(krok.path)))
            m_retries.push_back(std::move(krok.pending));
        return;
    }
    // Decided again: an earlier folder of the same step may have been this one.
    const bool doWypisania = needsListing(krok);
    registerFolder(krok.wd, krok.path);
    if (doWypisania)
        listFolder(krok.wd, krok.pending.report, krok.pending.again, std::move(krok.listing), krok.path, wyjscie);
}

void InotifyTreeWatcher::listFolder(int wd, bool zglaszaj, bool ponownie, std::optional<FolderListing::Wynik> wypis,
                                    const QString &sciezkaWypisu, Reports &wyjscie)
{
    const auto katalog = m_folders.find(wd);
    if (katalog == m_folders.end())
        return;
    katalog->second.walkNumber = m_walkNumber;
    katalog->second.reported |= zglaszaj;
    const QString sciezka = katalog->second.path;
    // What the listing finds in a new folder may have come before the watch, so the folder is
    // reported. A listing made under another path is made again.
    if (!wypis || sciezkaWypisu != sciezka)
        wypis = FolderListing::list(sciezka);
    if (!wypis->ok()) {
        if (!jestKatalogiem(sciezka))
            m_retries.push_back(PendingFolder{-1, {}, wd, zglaszaj, ponownie});
        return;
    }
    for (const FolderListing::Wpis &w : wypis->wpisy) {
        if (w.toKatalog)
            m_queue.push_back(PendingFolder{wd, w.nazwa, -1, zglaszaj, ponownie});
    }
    if (zglaszaj && !wypis->wpisy.isEmpty())
        wyjscie.append({sciezka, 0});
}

// ---- events

void InotifyTreeWatcher::readEvents(Reports &wyjscie)
{
    const auto teraz = Clock::now();
    bool przeczytane = false;
    for (;;) {
        const ssize_t n = ::read(descriptor(), m_buffer.data(), m_buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        przeczytane = true;
        for (ssize_t przesuniecie = 0; przesuniecie < n;) {
            const auto *zdarzenie = reinterpret_cast<const inotify_event *>(m_buffer.data() + przesuniecie);
            handleEvent(*zdarzenie, teraz, wyjscie);
            przesuniecie += ssize_t(sizeof(inotify_event) + zdarzenie->len);
        }
    }
    if (przeczytane && !m_retries.empty()) {
        m_queue.insert(m_queue.end(), std::make_move_iterator(m_retries.begin()),
                       std::make_move_iterator(m_retries.end()));
        m_retries.clear();
    }
    if (m_checkRoots)
        checkRoots(true, wyjscie);
}

void InotifyTreeWatcher::handleEvent(const inotify_event &zdarzenie, Clock::time_point teraz, Reports &wyjscie)
{
    if (zdarzenie.mask & IN_Q_OVERFLOW) {
        overflow(wyjscie);
        return;
    }
    if (zdarzenie.mask & IN_IGNORED) {
        forgetWatch(zdarzenie.wd, wyjscie);
        return;
    }
    const bool korzenia =
        std::any_of(m_roots.begin(), m_roots.end(), [&](const Root &k) { return k.wd == zdarzenie.wd; });
    const auto przodek = m_ancestors.find(zdarzenie.wd);
    if (zdarzenie.len == 0 || zdarzenie.name[0] == '\0') {
        if ((korzenia || przodek != m_ancestors.end())
            && (zdarzenie.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)))
            m_checkRoots = true;
        return;
    }

    const QString nazwa = QFile::decodeName(zdarzenie.name);
    const bool ukryta = zdarzenie.name[0] == '.';
    const auto katalog = m_folders.find(zdarzenie.wd);
    const QString sciezkaKatalogu = katalog != m_folders.end() ? katalog->second.path : QString();
    const bool wDrzewie = katalog != m_folders.end();

    if (zdarzenie.mask & IN_ISDIR) {
        if ((zdarzenie.mask & IN_MOVED_FROM) && wDrzewie && !ukryta) {
            const auto watch = m_watches.find(Paths::join(sciezkaKatalogu, nazwa));
            m_pendingMoves[zdarzenie.cookie] =
                PendingMove{watch != m_watches.end() ? watch->second : -1, teraz + moveGracePeriod};
        }
        if (zdarzenie.mask & IN_MOVED_TO)
            handleMovedTo(zdarzenie, wDrzewie ? &sciezkaKatalogu : nullptr, ukryta);
        if ((zdarzenie.mask & IN_CREATE) && wDrzewie && !ukryta)
            m_queue.push_back(PendingFolder{zdarzenie.wd, nazwa, -1, true, false});
    }
    if (wDrzewie && !ukryta)
        wyjscie.append({sciezkaKatalogu, 0});
    if (przodek != m_ancestors.end() && concernsRoot(przodek->second, nazwa))
        m_checkRoots = true;
}

void InotifyTreeWatcher::handleMovedTo(const inotify_event &zdarzenie, const QString *katalog, bool ukryta)
{
    const QString nazwa = QFile::decodeName(zdarzenie.name);
    const bool zostajeWDrzewie = katalog && !ukryta;
    const auto przeniesienie = m_pendingMoves.find(zdarzenie.cookie);
    if (przeniesienie == m_pendingMoves.end()) {
        // Came from outside the trees (or from a hidden name): its contents are not news.
        if (zostajeWDrzewie)
            m_queue.push_back(PendingFolder{zdarzenie.wd, nazwa, -1, false, false});
        return;
    }
    const QString stara = currentPath(przeniesienie->second);
    m_pendingMoves.erase(przeniesienie);
    if (!zostajeWDrzewie) {
        if (!stara.isEmpty())
            dropSubtree(stara);
        return;
    }
    // A folder renamed before we had watched it is still being filled: walk it as new.
    if (stara.isEmpty() || !moveSubtree(stara, Paths::join(*katalog, nazwa)))
        m_queue.push_back(PendingFolder{zdarzenie.wd, nazwa, -1, true, false});
}

QString InotifyTreeWatcher::currentPath(const PendingMove &przeniesienie) const
{
    // Only the watch knows where the folder is now: a folder above may have been renamed since,
    // or the walk may have found it at its new place already. Its old path may hold another
    // folder by now, so a folder without a watch leaves nothing to follow.
    const auto katalog = przeniesienie.wd >= 0 ? m_folders.find(przeniesienie.wd) : m_folders.end();
    return katalog != m_folders.end() ? katalog->second.path : QString();
}

std::optional<InotifyTreeWatcher::Clock::time_point> InotifyTreeWatcher::nextDeadline() const
{
    std::optional<Clock::time_point> najblizszy;
    for (const auto &[cookie, przeniesienie] : m_pendingMoves) {
        if (!najblizszy || przeniesienie.deadline < *najblizszy)
            najblizszy = przeniesienie.deadline;
    }
    return najblizszy;
}

void InotifyTreeWatcher::expireMoves(Clock::time_point teraz)
{
    // No other half came: the folder left the trees, and its watches would report wrong paths.
    for (auto it = m_pendingMoves.begin(); it != m_pendingMoves.end();) {
        if (it->second.deadline <= teraz) {
            if (const QString sciezka = currentPath(it->second); !sciezka.isEmpty())
                dropSubtree(sciezka);
            it = m_pendingMoves.erase(it);
        } else {
            ++it;
        }
    }
}

void InotifyTreeWatcher::overflow(Reports &wyjscie)
{
    for (const Root &korzen : m_roots)
        wyjscie.append({korzen.path, StrumienInotify::MusiPrzeczytacPodkatalogi | StrumienInotify::JadroPominelo});
    // Folders made or removed meanwhile went unseen: walk everything again, then forget the
    // watches that the new walk did not meet.
    ++m_walkNumber;
    m_sweeping = true;
    for (const Root &korzen : m_roots) {
        if (korzen.wd >= 0)
            m_queue.push_back(PendingFolder{-1, {}, korzen.wd, false, true});
    }
    m_checkRoots = true;
}

void InotifyTreeWatcher::sweep()
{
    m_sweeping = false;
    std::vector<std::pair<QString, int>> nieaktualne;
    for (const auto &[wd, katalog] : m_folders) {
        if (katalog.walkNumber != m_walkNumber)
            nieaktualne.emplace_back(katalog.path, wd);
    }
    for (const auto &[sciezka, wd] : nieaktualne) {
        if (const auto w = m_watches.find(sciezka); w != m_watches.end() && w->second == wd)
            m_watches.erase(w);
        m_folders.erase(wd);
        if (!m_ancestors.count(wd))
            inotify_rm_watch(descriptor(), wd);
    }
}

// ---- folders past the watch limit

QStringList InotifyTreeWatcher::unwatchedFolders() const
{
    QStringList wynik;
    wynik.reserve(qsizetype(m_unwatched.size()));
    for (const auto &[sciezka, odcisk] : m_unwatched)
        wynik.append(sciezka);
    return wynik;
}

void InotifyTreeWatcher::look(int ileKatalogow, Reports &wyjscie)
{
    for (int i = 0; i < ileKatalogow && !m_looks.empty(); ++i) {
        const Look spojrzenie = std::move(m_looks.front());
        m_looks.pop_front();
        lookAtUnwatched(spojrzenie.path, spojrzenie.isNew, wyjscie);
    }
}

void InotifyTreeWatcher::startLookRound()
{
    if (!m_looks.empty())
        return;
    for (const auto &[sciezka, odcisk] : m_unwatched)
        m_looks.push_back(Look{sciezka, false});
}

void InotifyTreeWatcher::leaveUnwatched(const QString &sciezka, bool nowy)
{
    if (!m_unwatched.emplace(sciezka, std::nullopt).second)
        return;
    m_unwatchedChanged = true;
    // Looked at at once: what changes from now on must differ from its first fingerprint.
    m_looks.push_back(Look{sciezka, nowy});
}

void InotifyTreeWatcher::lookAtUnwatched(const QString &sciezka, bool nowy, Reports &wyjscie)
{
    const auto it = m_unwatched.find(sciezka);
    if (it == m_unwatched.end())
        return;
    // A watch freed since: the folder is walked again as one made anew, and its listing reports it.
    const int wd =
        inotify_add_watch(descriptor(), QFile::encodeName(sciezka).constData(), maskaDrzewa | IN_DONT_FOLLOW);
    if (wd >= 0) {
        registerFolder(wd, sciezka);
        m_queue.push_back(PendingFolder{-1, {}, wd, true, false});
        return;
    }
    std::optional<OdciskWpisow> odcisk = odcisnijWpisyKatalogu(sciezka);
    if (!odcisk) {
        // Gone or replaced by a file: its parent's entries changed, and that parent says so.
        forgetUnwatchedSubtree(sciezka);
        return;
    }
    const bool znany = it->second.has_value();
    if ((znany && *it->second != odcisk->wartosc) || (!znany && nowy))
        wyjscie.append({sciezka, 0});
    it->second = odcisk->wartosc;
    for (const QString &nazwa : std::as_const(odcisk->podkatalogi)) {
        const QString podkatalog = Paths::join(sciezka, nazwa);
        // Met at a later look, a folder was made since: its contents are news too.
        if (!m_watches.count(podkatalog))
            leaveUnwatched(podkatalog, znany || nowy);
    }
}

void InotifyTreeWatcher::forgetUnwatchedSubtree(const QString &sciezka)
{
    const QString przedrostek = przedrostekPoddrzewa(sciezka);
    bool zmiana = m_unwatched.erase(sciezka) > 0;
    for (auto it = m_unwatched.lower_bound(przedrostek);
         it != m_unwatched.end() && it->first.startsWith(przedrostek);) {
        it = m_unwatched.erase(it);
        zmiana = true;
    }
    m_unwatchedChanged |= zmiana;
}

void InotifyTreeWatcher::moveUnwatchedSubtree(const QString &stara, const QString &nowa)
{
    std::vector<std::pair<QString, std::optional<quint64>>> przenoszone;
    const QString przedrostek = przedrostekPoddrzewa(stara);
    if (const auto sam = m_unwatched.find(stara); sam != m_unwatched.end())
        przenoszone.emplace_back(*sam);
    for (auto it = m_unwatched.lower_bound(przedrostek); it != m_unwatched.end() && it->first.startsWith(przedrostek);
         ++it)
        przenoszone.emplace_back(*it);
    if (przenoszone.empty())
        return;
    forgetUnwatchedSubtree(stara);
    for (auto &[sciezka, odcisk] : przenoszone)
        m_unwatched[nowa + sciezka.mid(stara.size())] = odcisk;
    m_unwatchedChanged = true;
}
