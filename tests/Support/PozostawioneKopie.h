#pragma once

#include "Platform/TemporaryCopy.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

// Hidden copies of moves laid out as a move makes them, for the tests of their removal.
namespace PozostawioneKopie {

// The settings key that records the copies of running moves.
QString klucz();
QStringList zapisane();

// A process that waits until it is killed, as the program did while it copied.
struct Proces
{
    Proces();
    ~Proces();
    Proces(const Proces &) = delete;
    Proces &operator=(const Proces &) = delete;
    void zabij();
    pid_t pid = -1;
};

// The marker of a process killed with SIGKILL in the middle of a copy made for `cel`, a move's by default.
QByteArray znacznikZabitego(TemporaryCopy::Purpose cel);
QByteArray znacznikZabitego();

// The hidden folder `nazwa` in `katalog` with a partial copy inside, marked with `znacznik` (none
// when null) and, when `zapisana`, recorded as a move records it. Answers its path.
QString zostaw(const QString &katalog, const QString &nazwa, const QByteArray &znacznik, bool zapisana = true);

} // namespace PozostawioneKopie
