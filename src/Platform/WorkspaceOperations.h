#pragma once

#include "BladOperacji.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class TemporaryCopy;

// Duplicates and trashes files off the main thread. The completion comes on the main thread,
// held while an alert, a menu or a drag runs, with the last failure or none; it is dropped when
// the context object dies first.
class WorkspaceOperations
{
public:
    using Completion = std::function<void(const std::optional<BladOperacji> &blad)>;

    WorkspaceOperations() = delete;

    // Copies each item beside itself, never replacing: "x copy.pdf", then "x copy 2.pdf", ... Each
    // copy is made in a hidden temporary beside its original and takes its name only once complete;
    // a killed program's temporaries go at the next start.
    static void duplicateURLs(const QStringList &urls, QObject *kontekst, Completion zakonczenie);
    // Main thread, as the program ends: cancels the duplicates under way, waits for them, and
    // removes their temporaries; their completions never come.
    static void cancelAndWait();
    // Moves each item to the freedesktop Trash; a link goes in as the link.
    static void recycleURLs(const QStringList &urls, QObject *kontekst, Completion zakonczenie);

    // The copy's path for the n-th try (1: "x copy.pdf", 2: "x copy 2.pdf"); a folder has no extension.
    static QString nazwaKopii(const QString &url, int numer);
    // One item into the user's Trash (`Kosz`), on the calling thread.
    static bool doKosza(const QString &url, BladOperacji *blad);

private:
    // The copying thread's part: the copy into `tymczasowa`, then the first free name.
    static bool duplikuj(const QString &url, TemporaryCopy &tymczasowa, BladOperacji *blad);
    // The complete copy renamed to the first free name.
    static bool umiescKopie(const QString &url, TemporaryCopy &tymczasowa, BladOperacji *blad);
    static void uruchom(const QStringList &urls, QObject *kontekst, Completion zakonczenie,
                        bool (*operacja)(const QString &, BladOperacji *));
    static void dostarcz(QObject *kontekst, Completion zakonczenie, std::optional<BladOperacji> blad);
};
