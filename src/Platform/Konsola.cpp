#include "Konsola.h"

#include <cstdio>
#include <mutex>
#include <optional>

namespace Konsola {
namespace {

Zegar &zegar()
{
    static Zegar z;
    return z;
}

Wyjscie &wyjscie()
{
    static Wyjscie w;
    return w;
}

// Worker threads (the inotify walk's listings) write lines too.
std::recursive_mutex &zamekWyjscia()
{
    static std::recursive_mutex zamek;
    return zamek;
}

std::optional<std::chrono::steady_clock::time_point> &ostatniMoment()
{
    static std::optional<std::chrono::steady_clock::time_point> moment;
    return moment;
}

std::chrono::steady_clock::time_point teraz()
{
    return zegar() ? zegar()() : std::chrono::steady_clock::now();
}

} // namespace

void ustawZegar(Zegar nowyZegar)
{
    zegar() = std::move(nowyZegar);
    ostatniMoment().reset();
}

void ustawWyjscie(Wyjscie noweWyjscie)
{
    const std::lock_guard<std::recursive_mutex> blokada(zamekWyjscia());
    wyjscie() = std::move(noweWyjscie);
}

void zapiszLinie(const QString &tekst)
{
    const QByteArray linia = tekst.toUtf8() + '\n';
    const std::lock_guard<std::recursive_mutex> blokada(zamekWyjscia());
    if (wyjscie()) {
        wyjscie()(linia);
        return;
    }
    std::fwrite(linia.constData(), 1, size_t(linia.size()), stdout);
    std::fflush(stdout);
}

void zapiszCzasOdOstatniego(const std::optional<QString> &tekst)
{
    auto &moment = ostatniMoment();
    const auto chwila = teraz();
    if (!moment)
        moment = chwila;
    if (tekst) {
        const double sekundy = std::max(0.0, std::chrono::duration<double>(chwila - *moment).count());
        zapiszLinie(*tekst + QString::asprintf("%.03f sek", sekundy));
    }
    moment = chwila;
}

} // namespace Konsola
