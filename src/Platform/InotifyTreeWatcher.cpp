#include "InotifyTreeWatcher.h"

#include "FolderListing.h"
#include "Paths.h"
#include "StrumienInotify.h"

#include <QFile>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
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

// Threads beyond a few only queue on the same directory locks.
constexpr int najwiecejPomocnikow = 3;
// Fewer folders than this are cheaper to take in one thread than to hand out.
constexpr size_t najmniejRownolegle = 8;

} // namespace

InotifyTreeWatcher::InotifyTreeWatcher()
{
    m_pomocnicy.setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 1, najwiecejPomocnikow));
}

InotifyTreeWatcher::~InotifyTreeWatcher()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InotifyTreeWatcher::open(const QStringList &korzenie, int *numerBledu)
{
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) {
        if (numerBledu)
            *numerBledu = errno;
        return false;
    }
    m_bufor.resize(64 * 1024);
    for (const QString &sciezka : korzenie) {
        const bool wInnym = std::any_of(korzenie.begin(), korzenie.end(), [&](const QString &inny) {
            return inny != sciezka && lezyWLubJest(inny, sciezka);
        });
        const bool powtorzony = std::any_of(m_korzenie.begin(), m_korzenie.end(),
                                            [&](const Korzen &k) { return k.sciezka == sciezka; });
        if (!wInnym && !powtorzony)
            m_korzenie.push_back(Korzen{sciezka});
    }
    Zgloszenia pominiete;
    checkRoots(false, pominiete);
    return true;
}

bool InotifyTreeWatcher::takeLimitWarning()
{
    return std::exchange(m_ostrzezenie, false);
}

int InotifyTreeWatcher::addWatch(const QString &sciezka, quint32 maska)
{
    const int wd = inotify_add_watch(m_fd, QFile::encodeName(sciezka).constData(), maska);
    if (wd < 0)
        noteWatchError(errno);
    return wd;
}

void InotifyTreeWatcher::noteWatchError(int numerBledu)
{
    if (numerBledu == ENOSPC && !m_limit) {
        m_limit = true;
        m_ostrzezenie = true;
    }
}

// ---- roots and the paths above them

void InotifyTreeWatcher::checkRoots(bool zglaszaj, Zgloszenia &wyjscie)
{
    m_sprawdzKorzenie = false;
    // Watch the way down first, so that a change made while we look is still heard.
    refreshAncestors();
    for (Korzen &korzen : m_korzenie)
        checkRoot(korzen, zglaszaj, wyjscie);
}

void InotifyTreeWatcher::refreshAncestors()
{
    std::unordered_map<int, QString> nowi;
    for (const Korzen &korzen : m_korzenie) {
        QStringList wGore;
        for (QString p = Paths::parent(korzen.sciezka); !p.isEmpty(); p = Paths::parent(p)) {
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
    for (const auto &[wd, sciezka] : m_przodkowie) {
        if (!nowi.count(wd) && !m_katalogi.count(wd))
            inotify_rm_watch(m_fd, wd);
    }
    m_przodkowie = std::move(nowi);
}

void InotifyTreeWatcher::checkRoot(Korzen &korzen, bool zglaszaj, Zgloszenia &wyjscie)
{
    // The stat comes before the watch: should the folder be replaced in between, the next
    // check sees another inode and starts over.
    struct stat info;
    const bool jest = jestKatalogiem(korzen.sciezka, &info);
    if (korzen.wd >= 0) {
        if (jest && info.st_dev == korzen.urzadzenie && info.st_ino == korzen.wezel)
            return;
        dropSubtree(korzen.sciezka);
        korzen.wd = -1;
        wyjscie.append({korzen.sciezka, StrumienInotify::KorzenZmieniony});
    }
    if (!jest)
        return;
    const int wd = addWatch(korzen.sciezka, maskaDrzewa);
    if (wd < 0)
        return;
    korzen.wd = wd;
    korzen.urzadzenie = info.st_dev;
    korzen.wezel = info.st_ino;
    registerFolder(wd, korzen.sciezka);
    m_kolejka.push_back(DoPrzejrzenia{-1, {}, wd, zglaszaj, false});
    if (zglaszaj)
        wyjscie.append({korzen.sciezka, StrumienInotify::KorzenZmieniony});
}

bool InotifyTreeWatcher::concernsRoot(const QString &przodek, const QString &nazwa) const
{
    const QString sciezka = Paths::join(przodek, nazwa);
    return std::any_of(m_korzenie.begin(), m_korzenie.end(),
                       [&](const Korzen &k) { return lezyWLubJest(sciezka, k.sciezka); });
}

// ---- the table of watched folders

std::vector<std::pair<QString, int>> InotifyTreeWatcher::subtree(const QString &sciezka) const
{
    std::vector<std::pair<QString, int>> wynik;
    if (const auto sam = m_watche.find(sciezka); sam != m_watche.end())
        wynik.emplace_back(*sam);
    const QString przedrostek = przedrostekPoddrzewa(sciezka);
    for (auto it = m_watche.lower_bound(przedrostek); it != m_watche.end() && it->first.startsWith(przedrostek); ++it)
        wynik.emplace_back(*it);
    return wynik;
}

void InotifyTreeWatcher::registerFolder(int wd, const QString &sciezka)
{
    if (const auto znany = m_katalogi.find(wd); znany != m_katalogi.end()) {
        // The folder arrived here without both halves of its rename being seen. The old path is
        // copied: the move rewrites the very entry it would otherwise be read from.
        if (const QString stara = znany->second.sciezka; stara != sciezka)
            moveSubtree(stara, sciezka);
        m_katalogi[wd].przeglad = m_przeglad;
        // Found inside the trees: it has not left them, whatever half of a rename still waits.
        std::erase_if(m_przeniesienia, [wd](const auto &przeniesienie) { return przeniesienie.second.wd == wd; });
        return;
    }
    // Whatever was watched under this path before has been replaced.
    if (m_watche.count(sciezka))
        dropSubtree(sciezka);
    m_katalogi.emplace(wd, Katalog{sciezka, m_przeglad});
    m_watche[sciezka] = wd;
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
    for (const auto &[sciezka, wd] : przenoszone) {
        const QString nowaSciezka = nowa + sciezka.mid(stara.size());
        if (const auto w = m_watche.find(sciezka); w != m_watche.end() && w->second == wd)
            m_watche.erase(w);
        m_watche[nowaSciezka] = wd;
        Katalog &katalog = m_katalogi[wd];
        katalog.sciezka = nowaSciezka;
        katalog.przeglad = m_przeglad;
    }
    return true;
}

void InotifyTreeWatcher::dropSubtree(const QString &sciezka)
{
    for (const auto &[p, wd] : subtree(sciezka)) {
        m_watche.erase(p);
        const auto katalog = m_katalogi.find(wd);
        if (katalog == m_katalogi.end() || katalog->second.sciezka != p)
            continue;
        m_katalogi.erase(katalog);
        if (!m_przodkowie.count(wd))
            inotify_rm_watch(m_fd, wd);
    }
}

void InotifyTreeWatcher::forgetWatch(int wd, Zgloszenia &wyjscie)
{
    if (const auto katalog = m_katalogi.find(wd); katalog != m_katalogi.end()) {
        if (const auto w = m_watche.find(katalog->second.sciezka); w != m_watche.end() && w->second == wd)
            m_watche.erase(w);
        m_katalogi.erase(katalog);
    }
    if (m_przodkowie.erase(wd))
        m_sprawdzKorzenie = true;
    for (Korzen &korzen : m_korzenie) {
        if (korzen.wd != wd)
            continue;
        dropSubtree(korzen.sciezka);
        korzen.wd = -1;
        wyjscie.append({korzen.sciezka, StrumienInotify::KorzenZmieniony});
        m_sprawdzKorzenie = true;
    }
}

// ---- the walk

void InotifyTreeWatcher::walk(int ileKatalogow, Zgloszenia &wyjscie)
{
    std::vector<Krok> kroki = takeSteps(ileKatalogow);
    prepareSteps(kroki);
    for (Krok &krok : kroki)
        applyStep(krok, wyjscie);
    if (m_kolejka.empty() && m_zamiatanie)
        sweep();
}

std::vector<InotifyTreeWatcher::Krok> InotifyTreeWatcher::takeSteps(int ileKatalogow)
{
    std::vector<Krok> kroki;
    for (int i = 0; i < ileKatalogow && !m_kolejka.empty(); ++i) {
        Krok krok;
        krok.wpis = std::move(m_kolejka.front());
        m_kolejka.pop_front();
        // Queued by its parent's watch, not by path: the parent may have been renamed since.
        const bool wlasny = krok.wpis.wdKatalogu >= 0;
        const auto katalog = m_katalogi.find(wlasny ? krok.wpis.wdKatalogu : krok.wpis.wdRodzica);
        if (katalog != m_katalogi.end()) {
            krok.sciezka = wlasny ? katalog->second.sciezka : Paths::join(katalog->second.sciezka, krok.wpis.nazwa);
            krok.wd = krok.wpis.wdKatalogu;
        }
        kroki.push_back(std::move(krok));
    }
    return kroki;
}

bool InotifyTreeWatcher::needsListing(const Krok &krok) const
{
    if (krok.wpis.wdKatalogu >= 0)
        return true;
    const auto znany = m_katalogi.find(krok.wd);
    // A folder first met by the start's walk may be new all the same: its creation event says so.
    return znany == m_katalogi.end() || krok.wpis.ponownie || (krok.wpis.zglaszaj && !znany->second.zgloszony);
}

// Runs on any thread; reads the tables but changes nothing.
void InotifyTreeWatcher::prepareStep(Krok &krok) const
{
    if (krok.sciezka.isEmpty())
        return;
    if (krok.wpis.wdKatalogu < 0) {
        krok.wd = inotify_add_watch(m_fd, QFile::encodeName(krok.sciezka).constData(), maskaDrzewa | IN_DONT_FOLLOW);
        if (krok.wd < 0) {
            krok.numerBledu = errno;
            return;
        }
    }
    // The watch exists before the listing, so nothing made from now on is missed.
    if (needsListing(krok))
        krok.wypis = FolderListing::list(krok.sciezka);
}

void InotifyTreeWatcher::prepareSteps(std::vector<Krok> &kroki)
{
    if (kroki.size() < najmniejRownolegle) {
        for (Krok &krok : kroki)
            prepareStep(krok);
        return;
    }
    std::atomic<size_t> nastepny{0};
    const auto praca = [&] {
        for (size_t i; (i = nastepny.fetch_add(1)) < kroki.size();)
            prepareStep(kroki[i]);
    };
    // A latch, not waitForDone(): that would end the pool's threads after every step.
    const int pomocnikow = m_pomocnicy.maxThreadCount();
    std::latch gotowe(pomocnikow);
    for (int i = 0; i < pomocnikow; ++i) {
        m_pomocnicy.start([&] {
            praca();
            gotowe.count_down();
        });
    }
    praca();
    gotowe.wait();
}

void InotifyTreeWatcher::applyStep(Krok &krok, Zgloszenia &wyjscie)
{
    if (krok.sciezka.isEmpty())
        return;
    if (krok.wpis.wdKatalogu >= 0) {
        listFolder(krok.wd, krok.wpis.zglaszaj, krok.wpis.ponownie, std::move(krok.wypis), krok.sciezka, wyjscie);
        return;
    }
    if (krok.wd < 0) {
        noteWatchError(krok.numerBledu);
        return;
    }
    // Decided again: an earlier folder of the same step may have been this one.
    const bool doWypisania = needsListing(krok);
    registerFolder(krok.wd, krok.sciezka);
    if (doWypisania)
        listFolder(krok.wd, krok.wpis.zglaszaj, krok.wpis.ponownie, std::move(krok.wypis), krok.sciezka, wyjscie);
}

void InotifyTreeWatcher::listFolder(int wd, bool zglaszaj, bool ponownie, std::optional<FolderListing::Wynik> wypis,
                                    const QString &sciezkaWypisu, Zgloszenia &wyjscie)
{
    const auto katalog = m_katalogi.find(wd);
    if (katalog == m_katalogi.end())
        return;
    katalog->second.przeglad = m_przeglad;
    katalog->second.zgloszony |= zglaszaj;
    const QString sciezka = katalog->second.sciezka;
    // What the listing finds in a new folder may have come before the watch, so the folder is
    // reported. A listing made under another path is made again.
    if (!wypis || sciezkaWypisu != sciezka)
        wypis = FolderListing::list(sciezka);
    if (!wypis->ok())
        return;
    for (const FolderListing::Wpis &w : wypis->wpisy) {
        if (w.toKatalog)
            m_kolejka.push_back(DoPrzejrzenia{wd, w.nazwa, -1, zglaszaj, ponownie});
    }
    if (zglaszaj && !wypis->wpisy.isEmpty())
        wyjscie.append({sciezka, 0});
}

// ---- events

void InotifyTreeWatcher::readEvents(Zgloszenia &wyjscie)
{
    const auto teraz = Zegar::now();
    for (;;) {
        const ssize_t n = ::read(m_fd, m_bufor.data(), m_bufor.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t przesuniecie = 0; przesuniecie < n;) {
            const auto *zdarzenie = reinterpret_cast<const inotify_event *>(m_bufor.data() + przesuniecie);
            handleEvent(*zdarzenie, teraz, wyjscie);
            przesuniecie += ssize_t(sizeof(inotify_event) + zdarzenie->len);
        }
    }
    if (m_sprawdzKorzenie)
        checkRoots(true, wyjscie);
}

void InotifyTreeWatcher::handleEvent(const inotify_event &zdarzenie, Zegar::time_point teraz, Zgloszenia &wyjscie)
{
    if (zdarzenie.mask & IN_Q_OVERFLOW) {
        overflow(wyjscie);
        return;
    }
    if (zdarzenie.mask & IN_IGNORED) {
        forgetWatch(zdarzenie.wd, wyjscie);
        return;
    }
    const bool korzenia = std::any_of(m_korzenie.begin(), m_korzenie.end(),
                                      [&](const Korzen &k) { return k.wd == zdarzenie.wd; });
    const auto przodek = m_przodkowie.find(zdarzenie.wd);
    if (zdarzenie.len == 0 || zdarzenie.name[0] == '\0') {
        if ((korzenia || przodek != m_przodkowie.end())
            && (zdarzenie.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)))
            m_sprawdzKorzenie = true;
        return;
    }

    const QString nazwa = QFile::decodeName(zdarzenie.name);
    const bool ukryta = zdarzenie.name[0] == '.';
    const auto katalog = m_katalogi.find(zdarzenie.wd);
    const QString sciezkaKatalogu = katalog != m_katalogi.end() ? katalog->second.sciezka : QString();
    const bool wDrzewie = katalog != m_katalogi.end();

    if (zdarzenie.mask & IN_ISDIR) {
        if ((zdarzenie.mask & IN_MOVED_FROM) && wDrzewie && !ukryta) {
            const auto watch = m_watche.find(Paths::join(sciezkaKatalogu, nazwa));
            m_przeniesienia[zdarzenie.cookie] =
                Przeniesienie{watch != m_watche.end() ? watch->second : -1, teraz + czasNaDrugaPolowe};
        }
        if (zdarzenie.mask & IN_MOVED_TO)
            handleMovedTo(zdarzenie, wDrzewie ? &sciezkaKatalogu : nullptr, ukryta);
        if ((zdarzenie.mask & IN_CREATE) && wDrzewie && !ukryta)
            m_kolejka.push_back(DoPrzejrzenia{zdarzenie.wd, nazwa, -1, true, false});
    }
    if (wDrzewie && !ukryta)
        wyjscie.append({sciezkaKatalogu, 0});
    if (przodek != m_przodkowie.end() && concernsRoot(przodek->second, nazwa))
        m_sprawdzKorzenie = true;
}

void InotifyTreeWatcher::handleMovedTo(const inotify_event &zdarzenie, const QString *katalog, bool ukryta)
{
    const QString nazwa = QFile::decodeName(zdarzenie.name);
    const bool zostajeWDrzewie = katalog && !ukryta;
    const auto przeniesienie = m_przeniesienia.find(zdarzenie.cookie);
    if (przeniesienie == m_przeniesienia.end()) {
        // Came from outside the trees (or from a hidden name): its contents are not news.
        if (zostajeWDrzewie)
            m_kolejka.push_back(DoPrzejrzenia{zdarzenie.wd, nazwa, -1, false, false});
        return;
    }
    const QString stara = currentPath(przeniesienie->second);
    m_przeniesienia.erase(przeniesienie);
    if (!zostajeWDrzewie) {
        if (!stara.isEmpty())
            dropSubtree(stara);
        return;
    }
    // A folder renamed before we had watched it is still being filled: walk it as new.
    if (stara.isEmpty() || !moveSubtree(stara, Paths::join(*katalog, nazwa)))
        m_kolejka.push_back(DoPrzejrzenia{zdarzenie.wd, nazwa, -1, true, false});
}

QString InotifyTreeWatcher::currentPath(const Przeniesienie &przeniesienie) const
{
    // Only the watch knows where the folder is now: a folder above may have been renamed since,
    // or the walk may have found it at its new place already. Its old path may hold another
    // folder by now, so a folder without a watch leaves nothing to follow.
    const auto katalog = przeniesienie.wd >= 0 ? m_katalogi.find(przeniesienie.wd) : m_katalogi.end();
    return katalog != m_katalogi.end() ? katalog->second.sciezka : QString();
}

std::optional<InotifyTreeWatcher::Zegar::time_point> InotifyTreeWatcher::nextDeadline() const
{
    std::optional<Zegar::time_point> najblizszy;
    for (const auto &[cookie, przeniesienie] : m_przeniesienia) {
        if (!najblizszy || przeniesienie.termin < *najblizszy)
            najblizszy = przeniesienie.termin;
    }
    return najblizszy;
}

void InotifyTreeWatcher::expireMoves(Zegar::time_point teraz)
{
    // No other half came: the folder left the trees, and its watches would report wrong paths.
    for (auto it = m_przeniesienia.begin(); it != m_przeniesienia.end();) {
        if (it->second.termin <= teraz) {
            if (const QString sciezka = currentPath(it->second); !sciezka.isEmpty())
                dropSubtree(sciezka);
            it = m_przeniesienia.erase(it);
        } else {
            ++it;
        }
    }
}

void InotifyTreeWatcher::overflow(Zgloszenia &wyjscie)
{
    for (const Korzen &korzen : m_korzenie)
        wyjscie.append({korzen.sciezka, StrumienInotify::MusiPrzeczytacPodkatalogi | StrumienInotify::JadroPominelo});
    // Folders made or removed meanwhile went unseen: walk everything again, then forget the
    // watches that the new walk did not meet.
    ++m_przeglad;
    m_zamiatanie = true;
    for (const Korzen &korzen : m_korzenie) {
        if (korzen.wd >= 0)
            m_kolejka.push_back(DoPrzejrzenia{-1, {}, korzen.wd, false, true});
    }
    m_sprawdzKorzenie = true;
}

void InotifyTreeWatcher::sweep()
{
    m_zamiatanie = false;
    std::vector<std::pair<QString, int>> nieaktualne;
    for (const auto &[wd, katalog] : m_katalogi) {
        if (katalog.przeglad != m_przeglad)
            nieaktualne.emplace_back(katalog.sciezka, wd);
    }
    for (const auto &[sciezka, wd] : nieaktualne) {
        if (const auto w = m_watche.find(sciezka); w != m_watche.end() && w->second == wd)
            m_watche.erase(w);
        m_katalogi.erase(wd);
        if (!m_przodkowie.count(wd))
            inotify_rm_watch(m_fd, wd);
    }
}
