#pragma once

#include <dirent.h>

class UchwytPliku;

// Owns one directory stream and closes it, with its descriptor, when it goes.
class UchwytKatalogu
{
public:
    UchwytKatalogu() = default;
    // Takes the stream over; nullptr (an opendir that failed) holds nothing.
    explicit UchwytKatalogu(DIR *strumien)
        : m_strumien(strumien)
    {
    }
    // The folder open as `plik`: the stream takes the descriptor over. When that fails, the descriptor stays
    // with `plik` and errno says why.
    static UchwytKatalogu zDeskryptora(UchwytPliku &plik);
    ~UchwytKatalogu();
    UchwytKatalogu(UchwytKatalogu &&inny) noexcept;
    UchwytKatalogu &operator=(UchwytKatalogu &&inny) noexcept;
    UchwytKatalogu(const UchwytKatalogu &) = delete;
    UchwytKatalogu &operator=(const UchwytKatalogu &) = delete;

    DIR *strumien() const { return m_strumien; }
    bool otwarty() const { return m_strumien != nullptr; }
    // The stream's own descriptor, for the *at calls; it goes with the stream.
    int deskryptor() const { return dirfd(m_strumien); }

private:
    void zamknij();

    DIR *m_strumien = nullptr;
};
