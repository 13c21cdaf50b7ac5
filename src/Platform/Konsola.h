#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <type_traits>

// The program's console log: one line per call on standard output, nothing else.
namespace Konsola {

using Zegar = std::function<std::chrono::steady_clock::time_point()>;
using Wyjscie = std::function<void(const QByteArray &linia)>;

// Tests replace the clock and the sink; an empty function restores the default.
void ustawZegar(Zegar zegar);
void ustawWyjscie(Wyjscie wyjscie);

void zapiszLinie(const QString &tekst);
void zapiszCzasOdOstatniego(const std::optional<QString> &tekst);

inline QString tekstArgumentu(const QString &a)
{
    return a;
}
inline QString tekstArgumentu(const char *a)
{
    return QString::fromUtf8(a);
}
inline QString tekstArgumentu(const QByteArray &a)
{
    return QString::fromUtf8(a);
}
inline QString tekstArgumentu(const QStringList &a)
{
    return QLatin1Char('(') + a.join(QLatin1String(", ")) + QLatin1Char(')');
}
inline QString tekstArgumentu(double a)
{
    return QString::number(a);
}
template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
QString tekstArgumentu(T a)
{
    return QString::number(a);
}

template <typename... Argumenty>
QString sformatuj(const QString &format, const Argumenty &...argumenty)
{
    if constexpr (sizeof...(argumenty) == 0)
        return format;
    else
        return format.arg(tekstArgumentu(argumenty)...);
}

} // namespace Konsola

// Writes the format, with %1, %2, ... filled, and one newline to standard output.
template <typename... Argumenty>
void drukujLinie(const QString &format, const Argumenty &...argumenty)
{
    Konsola::zapiszLinie(Konsola::sformatuj(format, argumenty...));
}

// As drukujLinie, followed by the seconds since the previous call ("%.03f sek").
// Without a format it only restarts the clock.
template <typename... Argumenty>
void drukujCzasOdOstatniego(const QString &format, const Argumenty &...argumenty)
{
    Konsola::zapiszCzasOdOstatniego(Konsola::sformatuj(format, argumenty...));
}
inline void drukujCzasOdOstatniego()
{
    Konsola::zapiszCzasOdOstatniego(std::nullopt);
}

inline QString tekstTakNie(bool wartosc)
{
    return wartosc ? QStringLiteral("YES") : QStringLiteral("NO");
}
