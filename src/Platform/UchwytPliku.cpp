#include "UchwytPliku.h"

#include <cerrno>

#include <unistd.h>

#include <utility>

UchwytPliku::~UchwytPliku()
{
    zamknij();
}

UchwytPliku::UchwytPliku(UchwytPliku &&inny) noexcept
    : m_deskryptor(inny.oddaj())
{
}

UchwytPliku &UchwytPliku::operator=(UchwytPliku &&inny) noexcept
{
    if (this != &inny) {
        zamknij();
        m_deskryptor = inny.oddaj();
    }
    return *this;
}

bool UchwytPliku::zamknij()
{
    const int deskryptor = oddaj();
    return deskryptor < 0 || ::close(deskryptor) == 0;
}

bool UchwytPliku::zapiszCalosc(const QByteArray &dane) const
{
    for (qsizetype zapisane = 0; zapisane < dane.size();) {
        const ssize_t n = ::write(m_deskryptor, dane.constData() + zapisane, size_t(dane.size() - zapisane));
        if (n > 0) {
            zapisane += n;
        } else if (n == 0) {
            // Nothing written and no reason given: the disk took none of it.
            errno = EIO;
            return false;
        } else if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

int UchwytPliku::oddaj()
{
    return std::exchange(m_deskryptor, -1);
}
