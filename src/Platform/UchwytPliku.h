#pragma once

#include <QByteArray>

// Owns one file descriptor and closes it when it goes, so that no way out of a function leaves one open.
class UchwytPliku
{
public:
    UchwytPliku() = default;
    // Takes the descriptor over; a negative one (an open that failed) holds nothing.
    explicit UchwytPliku(int deskryptor)
        : m_deskryptor(deskryptor)
    {
    }
    ~UchwytPliku();
    UchwytPliku(UchwytPliku &&inny) noexcept;
    UchwytPliku &operator=(UchwytPliku &&inny) noexcept;
    UchwytPliku(const UchwytPliku &) = delete;
    UchwytPliku &operator=(const UchwytPliku &) = delete;

    int deskryptor() const { return m_deskryptor; }
    bool otwarty() const { return m_deskryptor >= 0; }
    // Writes the whole of `dane`, through interrupted and partial writes. NO with errno set.
    bool zapiszCalosc(const QByteArray &dane) const;
    // Closes at once. NO with errno set when the close failed, which for a file just written means its data may
    // not have reached the disk; the destructor cannot tell anyone.
    bool zamknij();
    // Hands the descriptor to a new owner (a directory stream) and holds nothing any more.
    int oddaj();

private:
    int m_deskryptor = -1;
};
