#pragma once

#include <QSettings>
#include <QVariantMap>

#include <memory>

// The program's user defaults: an INI file of organisation and application "Tarrowind",
// with registered defaults answered for keys that were never stored.
class UserDefaults
{
public:
    static UserDefaults &standard();

    void registerDefaults(const QVariantMap &wartosci);

    bool hasStoredValue(const QString &klucz) const;
    QVariant objectForKey(const QString &klucz) const;
    QString stringForKey(const QString &klucz) const;
    bool boolForKey(const QString &klucz) const;
    qint64 integerForKey(const QString &klucz) const;
    // Single precision, as widths are stored: the value comes back as the float it was written as.
    float floatForKey(const QString &klucz) const;
    // A float that is finite and above zero; anything else read gives the registered default.
    float positiveFloatForKey(const QString &klucz) const;
    QVariantMap dictionaryForKey(const QString &klucz) const;

    void setObject(const QString &klucz, const QVariant &wartosc);
    void setBool(const QString &klucz, bool wartosc) { setObject(klucz, wartosc); }
    void setFloat(const QString &klucz, float wartosc) { setObject(klucz, wartosc); }
    void setInteger(const QString &klucz, qint64 wartosc) { setObject(klucz, wartosc); }
    void removeObject(const QString &klucz);

    // Writes to disk; NO when the file could not be written.
    bool synchronize();

    QString fileName() const;

private:
    UserDefaults();

    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_defaults;
};
