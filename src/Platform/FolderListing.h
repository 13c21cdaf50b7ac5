#pragma once

#include "BladOperacji.h"
#include "UchwytPliku.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// One readdir pass over a folder: hidden names skipped, never descending.
class FolderListing
{
public:
    // Which folder or file a name stands for: another one put under the same name differs.
    // An inode of 0 means unknown.
    struct Identity
    {
        quint64 device = 0;
        quint64 inode = 0;
        bool known() const { return inode != 0; }
        bool operator==(const Identity &) const = default;
    };

    struct Wpis
    {
        QString nazwa;             // on-disk spelling
        QString sciezka;           // folder + name, on-disk spelling: the item's key
        bool toKatalog = false;    // lstat: a real folder
        bool toDowiazanie = false; // a symbolic link
        bool celToKatalog = false; // stat: a folder, or a link to one
        quint32 rodzaj = 0;        // the entry's own file type (S_IFMT bits); 0 when unknown
        Identity identity;         // the listed folder's device and readdir's inode: no stat
    };

    enum class Stan { Odczytany, Brak, Blad };

    struct Wynik
    {
        Stan stan = Stan::Blad;
        QList<Wpis> wpisy;
        BladOperacji blad;
        Identity identity; // of the folder listed, as opened
        // Names skipped because a QString cannot carry them (not valid in the file-name encoding).
        int pominieteNazwy = 0;
        bool ok() const { return stan == Stan::Odczytany; }
    };

    // "Not there" (the folder or a part of its path is missing) is told apart from
    // failures such as a denied permission, which must not read as an empty folder.
    // Hidden names are skipped unless `zUkrytymi` asks for them ("." and ".." never come).
    static Wynik list(const QString &katalog, bool zUkrytymi = false);
    // The same, handing the entries read so far to `czesc` once `ile` more have been read, so that a
    // big folder can show something before the whole listing is in; its answer is the next `ile`
    // (0: not again).
    static Wynik list(const QString &katalog, qsizetype ile,
                      const std::function<qsizetype(const QList<Wpis> &)> &czesc);
    // YES when the folder holds one or more entries that are not hidden. A folder that is there but cannot be
    // read holds none, and why it cannot is handed to `blad`.
    static bool hasVisibleEntry(const QString &katalog, BladOperacji *blad = nullptr);
    // The same for a folder inside the one `openFolder` opened as `rodzic`: only its last component
    // is looked up, which spares walking the whole path for each of a folder's many sub-folders.
    static bool hasVisibleEntry(const UchwytPliku &rodzic, const QString &katalog, BladOperacji *blad = nullptr);
    static UchwytPliku openFolder(const QString &katalog);
    // The folder's own device and inode, as a listing of it would record them; unknown when it is gone.
    static Identity identityOf(const QString &katalog);

    // Tests simulate failures that root cannot provoke with permissions: the hook answers
    // an errno for a folder path, or nothing to list it for real. An empty hook removes it.
    using FaultHook = std::function<std::optional<int>(const QString &katalog)>;
    static void setFaultHookForTests(FaultHook hook);

private:
    static Wynik lista(const QString &katalog, bool zUkrytymi, qsizetype ile,
                       const std::function<qsizetype(const QList<Wpis> &)> &czesc);
};

// Lists of entries grow by moving their bytes, not by copying each name.
Q_DECLARE_TYPEINFO(FolderListing::Wpis, Q_RELOCATABLE_TYPE);
