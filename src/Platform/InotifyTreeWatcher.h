#pragma once

#include "FolderListing.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include <sys/types.h>

struct inotify_event;

// The inotify side of StrumienInotify, driven by one thread. Keeps one watch on each visible
// folder of the trees, follows folders renamed inside them, walks new folders breadth first in
// small steps, and watches the path above each root, so that a root deleted, moved away (also
// with a folder above it) or appearing is noticed. Every change comes out as its folder.
// A step's watches and listings are made by a few threads at once (a start-up walk is almost all
// system calls); what they found is then taken in by the driving thread, in queue order.
class InotifyTreeWatcher
{
public:
    using Zegar = std::chrono::steady_clock;

    struct Zgloszenie
    {
        QString sciezka;
        quint32 flagi = 0;
    };
    using Zgloszenia = QList<Zgloszenie>;

    InotifyTreeWatcher();
    ~InotifyTreeWatcher();
    InotifyTreeWatcher(const InotifyTreeWatcher &) = delete;
    InotifyTreeWatcher &operator=(const InotifyTreeWatcher &) = delete;

    // Watches the roots themselves at once and queues their walk. A root inside another root
    // is left to the outer tree.
    bool open(const QStringList &korzenie, int *numerBledu = nullptr);
    int descriptor() const { return m_fd; }

    bool hasWalkWork() const { return !m_kolejka.empty(); }
    // Watches and lists up to `ileKatalogow` queued folders.
    void walk(int ileKatalogow, Zgloszenia &wyjscie);
    // Reads whatever the kernel has queued; never blocks.
    void readEvents(Zgloszenia &wyjscie);

    // A folder renamed away waits this long for the other half of its rename.
    static constexpr std::chrono::milliseconds czasNaDrugaPolowe{20};
    std::optional<Zegar::time_point> nextDeadline() const;
    void expireMoves(Zegar::time_point teraz);

    int watchedFolderCount() const { return int(m_katalogi.size()); }
    // YES once, when the watch limit was first reached.
    bool takeLimitWarning();

private:
    struct Korzen
    {
        QString sciezka;
        int wd = -1;  // -1 while the root is missing
        dev_t urzadzenie = 0;
        ino_t wezel = 0;
    };
    struct Katalog
    {
        QString sciezka;
        quint32 przeglad = 0;   // the full re-walk that last saw it
        bool zgloszony = false; // listed as new, reporting what it held
    };
    struct DoPrzejrzenia
    {
        int wdRodzica = -1;   // watch `nazwa` inside this folder, or
        QString nazwa;
        int wdKatalogu = -1;  // list this folder, watched already
        bool zglaszaj = false;
        bool ponownie = false;
    };
    // One queued folder of a walk step: its path is found before the step, the watch and the
    // listing are made in parallel, and the result is taken in afterwards.
    struct Krok
    {
        DoPrzejrzenia wpis;
        QString sciezka;  // empty when its parent is no longer watched
        int wd = -1;
        int numerBledu = 0;
        std::optional<FolderListing::Wynik> wypis;
    };
    struct Przeniesienie
    {
        int wd = -1;  // the watch of the folder renamed away, when it had one
        Zegar::time_point termin;
    };

    void handleEvent(const inotify_event &zdarzenie, Zegar::time_point teraz, Zgloszenia &wyjscie);
    void handleMovedTo(const inotify_event &zdarzenie, const QString *katalog, bool ukryta);
    QString currentPath(const Przeniesienie &przeniesienie) const;
    void checkRoots(bool zglaszaj, Zgloszenia &wyjscie);
    void checkRoot(Korzen &korzen, bool zglaszaj, Zgloszenia &wyjscie);
    void refreshAncestors();
    bool concernsRoot(const QString &przodek, const QString &nazwa) const;
    int addWatch(const QString &sciezka, quint32 maska);
    void noteWatchError(int numerBledu);
    void registerFolder(int wd, const QString &sciezka);
    std::vector<Krok> takeSteps(int ileKatalogow);
    bool needsListing(const Krok &krok) const;
    void prepareStep(Krok &krok) const;
    void prepareSteps(std::vector<Krok> &kroki);
    void applyStep(Krok &krok, Zgloszenia &wyjscie);
    void listFolder(int wd, bool zglaszaj, bool ponownie, std::optional<FolderListing::Wynik> wypis,
                    const QString &sciezkaWypisu, Zgloszenia &wyjscie);
    std::vector<std::pair<QString, int>> subtree(const QString &sciezka) const;
    bool moveSubtree(const QString &stara, const QString &nowa);
    void dropSubtree(const QString &sciezka);
    void forgetWatch(int wd, Zgloszenia &wyjscie);
    void overflow(Zgloszenia &wyjscie);
    void sweep();

    int m_fd = -1;
    std::vector<Korzen> m_korzenie;
    std::unordered_map<int, Katalog> m_katalogi;   // watch -> folder of a tree
    std::map<QString, int> m_watche;               // folder -> watch; ordered so a subtree is one range
    std::unordered_map<int, QString> m_przodkowie; // watches on the paths above the roots
    std::deque<DoPrzejrzenia> m_kolejka;
    std::unordered_map<quint32, Przeniesienie> m_przeniesienia;  // rename cookie -> folder renamed away
    std::vector<char> m_bufor;
    QThreadPool m_pomocnicy;
    quint32 m_przeglad = 0;
    bool m_zamiatanie = false;
    bool m_sprawdzKorzenie = false;
    bool m_limit = false;
    bool m_ostrzezenie = false;
};
