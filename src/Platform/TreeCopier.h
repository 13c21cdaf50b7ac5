#pragma once

#include "BladOperacji.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

#include <sys/stat.h>

// Copies a file, link or folder tree with modes, times, links and user.* attributes.
// Nothing at the destination is ever replaced. Used by the cross-device move and the
// portfolio migration, which both remove the source only after a complete copy.
class TreeCopier
{
public:
    struct Rozmiar
    {
        std::uint64_t bajty = 0;
        std::uint64_t elementy = 0;
    };

    // Called after each copied item with the bytes and items copied so far.
    using Postep = std::function<void(const Rozmiar &skopiowano)>;

    explicit TreeCopier(const std::atomic<bool> *anuluj = nullptr, Postep postep = {});

    // On failure or cancel the partial copy is removed; the source is never touched.
    bool copy(const QString &zrodlo, const QString &cel, BladOperacji *blad = nullptr);
    bool anulowano() const { return m_anulowano; }

    static Rozmiar measure(const QString &sciezka);
    // Removes a tree this layer made or fully copied; never used on user input directly.
    static bool removeTree(const QString &sciezka, BladOperacji *blad = nullptr);

private:
    bool copyItem(const QByteArray &zrodlo, const QByteArray &cel, BladOperacji *blad);
    bool copyFile(const QByteArray &zrodlo, const QByteArray &cel, const struct stat &info, BladOperacji *blad);
    bool copyFolder(const QByteArray &zrodlo, const QByteArray &cel, const struct stat &info, BladOperacji *blad);
    bool copyLink(const QByteArray &zrodlo, const QByteArray &cel, BladOperacji *blad);
    bool checkCancel(BladOperacji *blad);
    void reportItem(std::uint64_t bajty);

    const std::atomic<bool> *m_anuluj;
    Postep m_postep;
    Rozmiar m_skopiowano;
    bool m_anulowano = false;
    // Set once the first item at the destination is ours; a failed copy removes only that.
    bool m_utworzonoCel = false;
};
