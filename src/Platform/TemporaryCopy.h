#pragma once

#include "BladOperacji.h"

#include <QString>
#include <QStringList>

// The hidden folder ".tarrowind-<hex>.tmp" beside a move's destination in which a copy across
// file systems is made before it is renamed into place. It holds a marker naming the process
// that made it (process id, start time, boot) and is recorded in the settings while its move
// runs, so that a copy left behind by a killed process can be told from one still being made.
class TemporaryCopy
{
public:
    // Main thread: picks the name beside `cel` and records it; nothing is made on disk yet.
    explicit TemporaryCopy(const QString &cel);
    // Main thread: removes what is left of the folder and drops the record.
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

    // The marker naming a process as it runs now (process id, start time, boot), as `make` writes
    // it for its own; the marker file's name inside the folder.
    static QByteArray markerOf(qint64 pid);
    static constexpr const char *markerName = "owner";

private:
    QString m_cel;
    QString m_sciezka;
    // Made by this object, so its own to remove.
    bool m_zrobiona = false;
};
