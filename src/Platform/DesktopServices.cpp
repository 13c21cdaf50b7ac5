#include "DesktopServices.h"

#include "SystemDesktopServices.h"

namespace {

std::unique_ptr<DesktopServices> &instancja()
{
    static std::unique_ptr<DesktopServices> uslugi;
    return uslugi;
}

} // namespace

DesktopServices *DesktopServices::shared()
{
    if (!instancja())
        instancja() = std::make_unique<SystemDesktopServices>();
    return instancja().get();
}

void DesktopServices::setShared(std::unique_ptr<DesktopServices> services)
{
    instancja() = std::move(services);
}
