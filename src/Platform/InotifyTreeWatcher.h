#pragma once

#include "FolderListing.h"
#include "UchwytPliku.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include <sys/types.h>

struct inotify_event;

// The inotify side of StrumienInotify, driven by one thread. Keeps one watch on each visible
// folder of the trees, follows folders renamed inside them, walks new folders breadth first in
// small steps, and watches the path above each root, so that a root deleted, moved away (also
// with a folder above it) or appearing is noticed. Every change comes out as its folder.
// A step's watches and listings are made by a few threads at once (a start-up walk is almost all
// system calls); what they found is then taken in by the driving thread, in queue order.
// Past the system's watch limit the folders left without a watch are remembered with a
// fingerprint of their entries; each round of looks reports those whose fingerprint changed and
// gives a folder back its watch once one is free.
class InotifyTreeWatcher
{
public:
    using Clock = std::chrono::steady_clock;

    struct Report
    {
        QString path;
        quint32 flags = 0;
    };
    using Reports = QList<Report>;

    InotifyTreeWatcher();
    ~InotifyTreeWatcher();
    InotifyTreeWatcher(const InotifyTreeWatcher &) = delete;
    InotifyTreeWatcher &operator=(const InotifyTreeWatcher &) = delete;

    // Watches the roots themselves at once and queues their walk. A root inside another root
    // is left to the outer tree.
    bool open(const QStringList &korzenie, int *numerBledu = nullptr);
    int descriptor() const { return m_fd.deskryptor(); }

    bool hasWalkWork() const { return !m_queue.empty(); }
    // Watches and lists up to `ileKatalogow` queued folders.
    void walk(int ileKatalogow, Reports &wyjscie);
    // Reads whatever the kernel has queued; never blocks.
    void readEvents(Reports &wyjscie);

    // A folder renamed away waits this long for the other half of its rename.
    static constexpr std::chrono::milliseconds moveGracePeriod{20};
    std::optional<Clock::time_point> nextDeadline() const;
    void expireMoves(Clock::time_point teraz);

    int watchedFolderCount() const { return int(m_folders.size()); }
    // YES once, when the watch limit was first reached.
    bool takeLimitWarning();

    // Folders left without a watch, whole subtrees included, in path order.
    QStringList unwatchedFolders() const;
    bool hasUnwatchedFolders() const { return !m_unwatched.empty(); }
    // YES once after the set of unwatched folders changed.
    bool takeUnwatchedChange() { return std::exchange(m_unwatchedChanged, false); }
    // Queues a look at every unwatched folder, unless the last round is still going.
    void startLookRound();
    bool hasLookWork() const { return !m_looks.empty(); }
    // Looks at up to `ileKatalogow` queued unwatched folders and reports those whose entries
    // changed since their last look (or that are new).
    void look(int ileKatalogow, Reports &wyjscie);

private:
    struct Root
    {
        QString path;
        int wd = -1; // -1 while the root is missing
        dev_t device = 0;
        ino_t inode = 0;
    };
    struct WatchedFolder
    {
        QString path;
        quint32 walkNumber = 0; // the full re-walk that last saw it
        bool reported = false;  // listed as new, reporting what it held
    };
    struct PendingFolder
    {
        int parentWd = -1; // watch `name` inside this folder, or
        QString name;
        int folderWd = -1; // list this folder, watched already
        bool report = false;
        bool again = false;
    };
    // One queued folder of a walk step: its path is found before the step, the watch and the
    // listing are made in parallel, and the result is taken in afterwards.
    struct WalkStep
    {
        PendingFolder pending;
        QString path; // empty when its parent is no longer watched
        int wd = -1;
        int error = 0;
        std::optional<FolderListing::Wynik> listing;
    };
    struct PendingMove
    {
        int wd = -1; // the watch of the folder renamed away, when it had one
        Clock::time_point deadline;
    };

    void handleEvent(const inotify_event &zdarzenie, Clock::time_point teraz, Reports &wyjscie);
    void handleMovedTo(const inotify_event &zdarzenie, const QString *katalog, bool ukryta);
    QString currentPath(const PendingMove &przeniesienie) const;
    void checkRoots(bool zglaszaj, Reports &wyjscie);
    void checkRoot(Root &korzen, bool zglaszaj, Reports &wyjscie);
    void refreshAncestors();
    bool concernsRoot(const QString &przodek, const QString &nazwa) const;
    int addWatch(const QString &sciezka, quint32 maska, int *numerBledu = nullptr);
    void noteWatchError(int numerBledu);
    void registerFolder(int wd, const QString &sciezka);
    std::vector<WalkStep> takeSteps(int ileKatalogow);
    bool needsListing(const WalkStep &krok) const;
    void prepareStep(WalkStep &krok) const;
    void prepareSteps(std::vector<WalkStep> &kroki);
    void applyStep(WalkStep &krok, Reports &wyjscie);
    void listFolder(int wd, bool zglaszaj, bool ponownie, std::optional<FolderListing::Wynik> wypis,
                    const QString &sciezkaWypisu, Reports &wyjscie);
    std::vector<std::pair<QString, int>> subtree(const QString &sciezka) const;
    bool moveSubtree(const QString &stara, const QString &nowa);
    void dropSubtree(const QString &sciezka);
    void forgetWatch(int wd, Reports &wyjscie);
    void leaveUnwatched(const QString &sciezka, bool nowy);
    void lookAtUnwatched(const QString &sciezka, bool nowy, Reports &wyjscie);
    void forgetUnwatchedSubtree(const QString &sciezka);
    void moveUnwatchedSubtree(const QString &stara, const QString &nowa);
    void overflow(Reports &wyjscie);
    void sweep();

    UchwytPliku m_fd;
    std::vector<Root> m_roots;
    std::unordered_map<int, WatchedFolder> m_folders; // watch -> folder of a tree
    std::map<QString, int> m_watches;                 // folder -> watch; ordered so a subtree is one range
    std::unordered_map<int, QString> m_ancestors;     // watches on the paths above the roots
    std::deque<PendingFolder> m_queue;
    // Folders the walk missed because a folder above them had moved before its rename was read:
    // walked again once more events are read, when the watch above knows its new path.
    std::vector<PendingFolder> m_retries;
    // Unwatched folder -> fingerprint of its entries, none before its first look; ordered so a
    // subtree is one range.
    std::map<QString, std::optional<quint64>> m_unwatched;
    struct Look
    {
        QString path;
        bool isNew = false; // what it holds is news, as with a folder made inside a watched one
    };
    std::deque<Look> m_looks;
    bool m_unwatchedChanged = false;
    std::unordered_map<quint32, PendingMove> m_pendingMoves; // rename cookie -> folder renamed away
    std::vector<char> m_buffer;
    QThreadPool m_helpers;
    quint32 m_walkNumber = 0;
    bool m_sweeping = false;
    bool m_checkRoots = false;
    bool m_limit = false;
    bool m_warning = false;
};
