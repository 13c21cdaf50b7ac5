#include "Paths.h"

#include <QFile>

#include <cstring>

namespace Paths {

QString join(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

namespace {

// Nearly every path is clean already. One pass without an early exit, which the compiler
// vectorises: far cheaper than searching for "//".
bool wymagaCzyszczenia(QStringView sciezka)
{
    const char16_t *znaki = sciezka.utf16();
    const qsizetype n = sciezka.size();
    if (n > 1 && znaki[n - 1] == u'/')
        return true;
    bool podwojny = false;
    for (qsizetype i = 1; i < n; ++i)
        podwojny |= (znaki[i] == u'/') & (znaki[i - 1] == u'/');
    return podwojny;
}

// ASCII is its own NFC form.
bool isAscii(QStringView text)
{
    // Four characters per step and no early exit.
    const char16_t *znaki = text.utf16();
    const qsizetype n = text.size();
    quint64 suma = 0;
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        quint64 slowo;
        std::memcpy(&slowo, znaki + i, sizeof slowo);
        suma |= slowo;
    }
    for (; i < n; ++i)
        suma |= znaki[i];
    return (suma & 0xFF80FF80FF80FF80ull) == 0;
}

} // namespace

QString clean(const QString &path)
{
    if (!wymagaCzyszczenia(path))
        return path;
    QString wynik = path;
    while (wynik.contains(QLatin1String("//")))
        wynik.replace(QLatin1String("//"), QLatin1String("/"));
    while (wynik.size() > 1 && wynik.endsWith(QLatin1Char('/')))
        wynik.chop(1);
    return wynik;
}

QString parent(const QString &path)
{
    const QString czysta = clean(path);
    const qsizetype ukosnik = czysta.lastIndexOf(QLatin1Char('/'));
    if (ukosnik < 0)
        return {};
    if (ukosnik == 0)
        return QStringLiteral("/");
    return czysta.left(ukosnik);
}

QString lastComponent(const QString &path)
{
    const QString czysta = clean(path);
    if (czysta == QLatin1String("/"))
        return czysta;
    return czysta.mid(czysta.lastIndexOf(QLatin1Char('/')) + 1);
}

QString extension(const QString &path)
{
    const QString nazwa = lastComponent(path);
    const qsizetype kropka = nazwa.lastIndexOf(QLatin1Char('.'));
    if (kropka <= 0)
        return {};
    return nazwa.mid(kropka + 1);
}

QString nfc(const QString &text)
{
    // Most names are ASCII, which is already NFC; normalising costs far more than this scan.
    if (isAscii(text))
        return text;
    return text.normalized(QString::NormalizationForm_C);
}

bool equal(const QString &a, const QString &b)
{
    return a == b || clean(a) == clean(b);
}

bool contains(const QString &outer, const QString &inner)
{
    const QString zewnetrzna = clean(outer);
    const QString wewnetrzna = clean(inner);
    if (zewnetrzna.isEmpty() || wewnetrzna.isEmpty())
        return false;
    if (zewnetrzna == wewnetrzna)
        return true;
    if (zewnetrzna == QLatin1String("/"))
        return wewnetrzna.startsWith(QLatin1Char('/'));
    return wewnetrzna.startsWith(zewnetrzna) && wewnetrzna.at(zewnetrzna.size()) == QLatin1Char('/');
}

bool isEncodable(const QByteArray &rawName)
{
    return QFile::encodeName(QFile::decodeName(rawName)) == rawName;
}

bool isValidItemName(const QString &name)
{
    // A name that does not survive the file-name encoding (a lone surrogate) would be made on
    // disk under another name than the one the program keeps.
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QChar(u'\0'))
           && QFile::decodeName(QFile::encodeName(name)) == name;
}

} // namespace Paths
