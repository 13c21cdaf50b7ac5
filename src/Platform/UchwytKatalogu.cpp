#include "UchwytKatalogu.h"

#include "UchwytPliku.h"

#include <utility>

UchwytKatalogu UchwytKatalogu::zDeskryptora(UchwytPliku &plik)
{
    UchwytKatalogu katalog(fdopendir(plik.deskryptor()));
    if (katalog.otwarty())
        plik.oddaj();
    return katalog;
}

UchwytKatalogu::~UchwytKatalogu()
{
    zamknij();
}

UchwytKatalogu::UchwytKatalogu(UchwytKatalogu &&inny) noexcept
    : m_strumien(std::exchange(inny.m_strumien, nullptr))
{
}

UchwytKatalogu &UchwytKatalogu::operator=(UchwytKatalogu &&inny) noexcept
{
    if (this != &inny) {
        zamknij();
        m_strumien = std::exchange(inny.m_strumien, nullptr);
    }
    return *this;
}

void UchwytKatalogu::zamknij()
{
    if (DIR *strumien = std::exchange(m_strumien, nullptr))
        closedir(strumien);
}
