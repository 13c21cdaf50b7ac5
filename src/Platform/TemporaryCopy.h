#pragma once

#include "BladOperacji.h"
#include "UchwytPliku.h"

#include <QString>
#include <QStringList>

// The hidden folder ".tarrowind-<hex>.tmp" beside a move's or a duplicate's destination in which
// a copy is made before it is renamed into place. It holds a marker naming the process that made
// it (process id, start time, boot) and is recorded in the settings while its copy runs, so that a
// copy left behind by a killed process can be told from one still being made. The marker goes
// last and the record only once the folder is gone, so a removal cut short is finished later.
class TemporaryCopy
{
public:
    // Named in the marker, so that a leftover can be told for what it was made.
    enum class Purpose { Move, Duplicate };

    // Main thread: picks the name beside `cel` and records it; nothing is made on disk yet.
    explicit TemporaryCopy(const QString &cel, Purpose purpose = Purpose::Move);
    // Main thread: removes what is left of the folder, wherever another program moved the folder
    // that holds it, and then drops the record once the folder is gone.
    ~TemporaryCopy();
    TemporaryCopy(const TemporaryCopy &) = delete;
    TemporaryCopy &operator=(const TemporaryCopy &) = delete;

    // Any thread: makes the folder with its marker; a failure names `cel`.
    bool make(BladOperacji *blad);
    // Where the copy is made, inside the folder.
    QString copyPath() const;
    QString path() const { return m_sciezka; }
    // Any thread, after a complete copy: one sync of the destination's file system (in place of one
    // per file), the rename of the copy to `cel` without replacing, and a sync of that rename. On
    // failure the copy goes.
    bool placeCopy(int *numerBledu);
    // The same under another name than `cel`; on failure the copy stays for another name.
    bool placeCopyAt(const QString &cel, int *numerBledu);
    // Any thread, once the copy is done with: removes the folder with what of the copy is still inside,
    // marker last, wherever the folder went, and lets go of the folder that holds it, so that a run of
    // many copies holds one descriptor at a time. NO when the folder stays; the record goes only with
    // the destructor, on the main thread. On the copying thread, where a whole tree may have to go.
    bool remove();

    // Any thread: removes those of the recorded copies `sciezki` whose process no longer runs, and
    // answers the ones whose records may go: removed, gone, or found not to be a copy of ours. A
    // copy whose process still runs stays, and so does its record.
    static QStringList removeAbandoned(const QStringList &sciezki);
    // Main thread: the recorded copies beside items of `katalog`.
    static QStringList recordedIn(const QString &katalog);
    // Main thread: drops records.
    static void forget(const QStringList &sciezki);
    // Main thread, before a move into `katalog`: removes the copies left there by processes now gone.
    static void removeAbandonedIn(const QString &katalog);
    // At start-up: removes every recorded copy whose process is gone, on a worker thread.
    static void removeAbandonedInBackground();

    // The marker naming a process as it runs now (process id, start time, boot, and "duplicate" for
    // a duplicate's), as `make` writes it for its own; the marker file's name inside the folder.
    static QByteArray markerOf(qint64 pid, Purpose purpose = Purpose::Move);
    static constexpr const char *markerName = "owner";

private:
    // Takes back what stands of the copy, wherever the folder went; the folder and its marker stay.
    void removeCopy();

    QString m_cel;
    QString m_sciezka;
    Purpose m_purpose;
    // The folder that holds it, open from `make` on: the folder stays ours to empty wherever it goes.
    UchwytPliku m_katalog;
    // Made by this object, so its own to remove.
    bool m_zrobiona = false;
};
