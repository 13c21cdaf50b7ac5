#include "UchwytPliku.h"

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

int UchwytPliku::oddaj()
{
    return std::exchange(m_deskryptor, -1);
}
