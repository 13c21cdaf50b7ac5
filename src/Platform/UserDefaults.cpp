#include "UserDefaults.h"

#include <cmath>

namespace {
const QString nazwaOrganizacji = QStringLiteral("Tarrowind");
}

namespace {
std::unique_ptr<QSettings> otworzUstawienia()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, nazwaOrganizacji, nazwaOrganizacji);
}
} // namespace

UserDefaults::UserDefaults()
    : m_settings(otworzUstawienia())
{
}

UserDefaults &UserDefaults::standard()
{
    static UserDefaults instancja;
    return instancja;
}

void UserDefaults::registerDefaults(const QVariantMap &wartosci)
{
    for (auto it = wartosci.cbegin(); it != wartosci.cend(); ++it)
        m_defaults.insert(it.key(), it.value());
}

bool UserDefaults::hasStoredValue(const QString &klucz) const
{
    return m_settings->contains(klucz);
}

QVariant UserDefaults::objectForKey(const QString &klucz) const
{
    if (m_settings->contains(klucz))
        return m_settings->value(klucz);
    return m_defaults.value(klucz);
}

QString UserDefaults::stringForKey(const QString &klucz) const
{
    return objectForKey(klucz).toString();
}

bool UserDefaults::boolForKey(const QString &klucz) const
{
    // The INI file gives strings back; QVariant reads "true", "false" and numbers alike.
    return objectForKey(klucz).toBool();
}

qint64 UserDefaults::integerForKey(const QString &klucz) const
{
    const QVariant wartosc = objectForKey(klucz);
    bool ok = false;
    const qint64 liczba = wartosc.toLongLong(&ok);
    if (ok)
        return liczba;
    // A hand-written "nan" or "1e300" has no integer; converting it would be undefined.
    const double rzeczywista = wartosc.toDouble();
    constexpr double granica = 9.2e18;
    return std::isfinite(rzeczywista) && std::abs(rzeczywista) < granica ? qint64(rzeczywista) : 0;
}

float UserDefaults::floatForKey(const QString &klucz) const
{
    return objectForKey(klucz).toFloat();
}

float UserDefaults::positiveFloatForKey(const QString &klucz) const
{
    const float wartosc = floatForKey(klucz);
    if (std::isfinite(wartosc) && wartosc > 0)
        return wartosc;
    return m_defaults.value(klucz).toFloat();
}

QVariantMap UserDefaults::dictionaryForKey(const QString &klucz) const
{
    return objectForKey(klucz).toMap();
}

void UserDefaults::setObject(const QString &klucz, const QVariant &wartosc)
{
    m_settings->setValue(klucz, wartosc);
}

void UserDefaults::removeObject(const QString &klucz)
{
    m_settings->remove(klucz);
}

bool UserDefaults::synchronize()
{
    // QSettings keeps its first error for good; a fresh one, sharing the unsaved values, answers
    // for this write alone.
    if (m_settings->status() != QSettings::NoError)
        m_settings = otworzUstawienia();
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString UserDefaults::fileName() const
{
    return m_settings->fileName();
}
