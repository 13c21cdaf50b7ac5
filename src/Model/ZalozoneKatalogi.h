#pragma once

#include "Platform/BladOperacji.h"

#include <QString>
#include <QStringList>

// The folders that one operation on disk made. Unless the operation keeps them, they are
// removed again when it ends, deepest first and only while empty, so a failed operation
// leaves the disk as it found it.
class ZalozoneKatalogi
{
public:
    ZalozoneKatalogi() = default;
    ZalozoneKatalogi(const ZalozoneKatalogi &) = delete;
    ZalozoneKatalogi &operator=(const ZalozoneKatalogi &) = delete;
    ~ZalozoneKatalogi();

    // Creates the folder, with the missing folders above it when asked to; an existing
    // folder counts as success only with them (as FileOperations::createFolder).
    bool zaloz(const QString &sciezka, bool zPosrednimi, BladOperacji *blad = nullptr);
    // The operation succeeded: what it made stays.
    void zatrzymaj() { m_zalozone.clear(); }

private:
    QStringList m_zalozone; // outermost first
};
