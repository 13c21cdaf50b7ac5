#pragma once

#include "BladOperacji.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include <sys/stat.h>

// Copies a file, link or folder tree with modes, times, links and user.* attributes; holes in
// files stay holes, and where the file system clones, a copy shares the original's blocks.
// Nothing at the destination is ever replaced. Used by the cross-device move and the
// portfolio migration, which both remove the source only after a complete copy, and then
// only what was copied.
class TreeCopier
{
public:
    struct Size
    {
        std::uint64_t bytes = 0;
        std::uint64_t items = 0;
    };

    // Called after each copied item with the bytes and items copied so far.
    using Progress = std::function<void(const Size &copied)>;
    // Tests act in the middle of a copy: called on the copying thread after each source item
    // is copied, with its path. An empty hook removes it.
    using CopiedHook = std::function<void(const QString &zrodlo)>;
    static void setCopiedHookForTests(CopiedHook hook);
    // The same after each file of the source is removed once the copy stands.
    static void setRemovedHookForTests(CopiedHook hook);
    // The same after each entry a removal of a tree takes away, the tree's root last.
    static void setTreeRemovedHookForTests(CopiedHook hook);

    explicit TreeCopier(const std::atomic<bool> *cancel = nullptr, Progress progress = {});

    // On failure or cancel the partial copy is removed; the source is never touched. Folder
    // modes are set only once the whole copy stands, so a rollback can always empty it. A copy
    // into a hidden temporary `cel` gives its final path as `celDlaUzytkownika`, so that a
    // failure reason never names the temporary.
    bool copy(const QString &zrodlo, const QString &cel, BladOperacji *blad = nullptr,
              const QString &celDlaUzytkownika = {});
    bool cancelled() const { return m_cancelled; }

    // An outermost path that stays in the source after a move: written or changed while it was
    // copied (`error` 0), or not removable (`error` the errno of the removal that failed).
    struct Leftover
    {
        QString path;
        int error = 0;
    };

    // After a complete copy: removes from the source only the entries that were copied and
    // have not changed since, and a folder only once it is empty. Answers the paths that stay,
    // named on one console line.
    QList<Leftover> removeCopiedSource();
    // Why the first path that could not be removed stays; empty when all that stays was written
    // or changed meanwhile.
    static QString removalFailure(const QList<Leftover> &leftovers);
    static bool writtenMeanwhile(const QList<Leftover> &leftovers);

    static Size measure(const QString &sciezka);
    // Removes a tree this layer made, read-only folders included; never used on a source.
    static bool removeTree(const QString &sciezka, BladOperacji *blad = nullptr);
    // The same for the entry `nazwaWpisu` of the open folder `katalog`, wherever that folder lies now
    // (`sciezka` names it in a failure). Its entry `ostatni` goes last, once all else inside is gone,
    // so that a removal cut short at any moment still holds it.
    static bool removeEntry(int katalog, const QString &nazwaWpisu, const QString &sciezka, const QByteArray &ostatni,
                            BladOperacji *blad = nullptr);

private:
    // What a source entry was when it was copied; it may go only while it still is that.
    struct CopiedEntry
    {
        dev_t device = 0;
        ino_t inode = 0;
        mode_t type = 0;
        nlink_t links = 0;
        off_t size = 0;
        timespec modified{};
        timespec statusChanged{};
    };

    bool copyItem(const QByteArray &zrodlo, const QByteArray &cel, BladOperacji *blad);
    bool copyFile(const QByteArray &zrodlo, const QByteArray &cel, const struct stat &info, BladOperacji *blad);
    // The contents, sparse where the source is; `rozmiar` receives the size copied.
    bool copyContents(int we, int wy, const QByteArray &zrodlo, const QByteArray &cel, off_t *rozmiar,
                      BladOperacji *blad);
    // From `od` to `koniec` (or to the end when negative), in the kernel where it can; answers
    // the offset reached, -1 on failure or cancel.
    off_t copyRun(int we, int wy, off_t od, off_t koniec, const QByteArray &zrodlo, const QByteArray &cel,
                  BladOperacji *blad);
    bool copyFolder(const QByteArray &zrodlo, const QByteArray &cel, const struct stat &info, BladOperacji *blad);
    bool copyLink(const QByteArray &zrodlo, const QByteArray &cel, const struct stat &info, BladOperacji *blad);
    bool checkCancel(BladOperacji *blad);
    QString destinationName(const QByteArray &cel) const;
    void reportItem(const QByteArray &zrodlo, const struct stat &info, std::uint64_t bajty);
    void applyFolderModes();
    bool isUnchanged(const QByteArray &zrodlo, const struct stat &info) const;
    using Leftovers = QList<std::pair<QByteArray, int>>;
    bool removeCopiedItem(const QByteArray &sciezka, Leftovers *leftovers) const;
    bool removeCopiedFile(const QByteArray &sciezka, const struct stat &sprawdzony, Leftovers *leftovers) const;

    const std::atomic<bool> *m_cancel;
    Progress m_progress;
    Size m_copied;
    bool m_cancelled = false;
    // Set once the first item at the destination is ours; a failed copy removes only that.
    bool m_createdTarget = false;
    QByteArray m_copiedSource;
    QByteArray m_copiedTarget;
    QString m_shownTarget;
    QHash<QByteArray, CopiedEntry> m_copiedEntries;
    // Copied folders with their modes, innermost first: set only after the whole copy.
    std::vector<std::pair<QByteArray, mode_t>> m_folderModes;
};
