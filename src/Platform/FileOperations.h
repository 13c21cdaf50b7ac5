#pragma once

#include "BladOperacji.h"
#include "TreeCopier.h"

#include <QString>
#include <QStringList>

#include <optional>

// The one place that moves, copies, creates and removes files. A move or copy never
// replaces what lies at its destination: a clash fails and keeps both items whole.
class FileOperations
{
public:
    // Same file system: an atomic no-replace rename. Across file systems: copy into a hidden
    // folder beside the destination (a `TemporaryCopy`), rename the copy into place once it is on
    // the disk, and only then remove from the source what was copied. What was written into the source meanwhile, or
    // cannot be removed from it, stays there: the move still succeeds, and `leftovers` (when given) receives what
    // stays.
    static bool moveNoReplace(const QString &zrodlo, const QString &cel, BladOperacji *blad = nullptr,
                              QList<TreeCopier::Leftover> *leftovers = nullptr);
    // Copies a file, link or whole folder; links stay links, nothing is merged.
    static bool copyNoReplace(const QString &zrodlo, const QString &cel, BladOperacji *blad = nullptr);

    // Without intermediate folders an existing item is a clash; with them an existing
    // folder counts as success.
    static bool createFolder(const QString &sciezka, bool zPosrednimi, BladOperacji *blad = nullptr);

    // Writes UTF-8 through a temporary file in the same folder and a rename, keeping the old
    // file's permissions. A symbolic link at the path is replaced, never written through.
    static bool writeTextAtomically(const QString &sciezka, const QString &tekst, BladOperacji *blad = nullptr);
    // Decodes by byte-order mark, UTF-8 otherwise.
    static std::optional<QString> readText(const QString &sciezka, BladOperacji *blad = nullptr);
    // How readText decodes what it read.
    static QString decodeText(const QByteArray &dane);

    static bool removeEmptyFolder(const QString &sciezka, BladOperacji *blad = nullptr);
    static bool removeFile(const QString &sciezka, BladOperacji *blad = nullptr);

    // A random hidden name beside `cel`, for an item made there before it is renamed into place;
    // listings and the watcher skip it while it is half made.
    static QString hiddenTemporarySibling(const QString &cel);

    static bool exists(const QString &sciezka);
    static bool isFolder(const QString &sciezka);         // follows links
    static bool isFolderNoFollow(const QString &sciezka); // the entry itself

    // The bare rename that never replaces, on one file system; EXDEV across two.
    static bool renameNoReplace(const QString &zrodlo, const QString &cel, int *numerBledu);

private:
    static bool moveAcrossDevices(const QString &zrodlo, const QString &cel, BladOperacji *blad,
                                  QList<TreeCopier::Leftover> *leftovers);
};
