#include "BladOperacji.h"

#include "Paths.h"

#include <cerrno>
#include <cstring>

namespace {

// One plain reason per errno; %1 is the item's name, %2 the folder it clashed in.
struct PrzyczynaBledu
{
    int numerBledu;
    const char *przyczyna;
};

constexpr PrzyczynaBledu przyczyny[] = {
    {EEXIST, "An item named \u201C%1\u201D already exists in \u201C%2\u201D."},
    {ENOTEMPTY, "The folder \u201C%1\u201D isn\u2019t empty."},
    {ENOENT, "The item \u201C%1\u201D couldn\u2019t be found."},
    {EACCES, "You don\u2019t have permission to access \u201C%1\u201D."},
    {EPERM, "The system doesn\u2019t permit this operation on \u201C%1\u201D."},
    {ENOSPC, "There isn\u2019t enough space to complete the operation on \u201C%1\u201D."},
    {EDQUOT, "Your disk quota doesn\u2019t leave room to complete the operation on \u201C%1\u201D."},
    {EROFS, "The volume holding \u201C%1\u201D is read-only."},
    {ENAMETOOLONG, "The name \u201C%1\u201D is too long."},
    {ENOTDIR, "A part of the path to \u201C%1\u201D is not a folder."},
    {EISDIR, "\u201C%1\u201D is a folder."},
    {EINVAL, "The system refused the operation on \u201C%1\u201D as invalid."},
    {EBUSY, "\u201C%1\u201D is in use."},
    {ELOOP, "The path to \u201C%1\u201D has too many symbolic links."},
    {EIO, "A read or write error occurred on \u201C%1\u201D."},
};

QString przyczynaDlaErrno(int numerBledu, const QString &sciezka, const QString &katalogDocelowy)
{
    const QString nazwa = Paths::lastComponent(sciezka);
    const QString katalog = Paths::lastComponent(katalogDocelowy.isEmpty() ? Paths::parent(sciezka) : katalogDocelowy);
    for (const PrzyczynaBledu &wpis : przyczyny) {
        if (wpis.numerBledu != numerBledu)
            continue;
        const QString przyczyna = QString::fromUtf8(wpis.przyczyna);
        return numerBledu == EEXIST ? przyczyna.arg(nazwa, katalog) : przyczyna.arg(nazwa);
    }
    return QStringLiteral("The operation on \u201C%1\u201D failed: %2.")
        .arg(nazwa, QString::fromLocal8Bit(std::strerror(numerBledu)));
}

} // namespace

void BladOperacji::zErrno(BladOperacji *blad, int numerBledu, const QString &opis, const QString &sciezka,
                          const QString &katalogDocelowy)
{
    if (!blad)
        return;
    ustaw(blad, QString::fromLatin1(domenaPosix), numerBledu, opis,
          przyczynaDlaErrno(numerBledu, sciezka, katalogDocelowy));
}

void BladOperacji::ustaw(BladOperacji *blad, const QString &domena, int kod, const QString &opis,
                         const QString &przyczyna)
{
    if (!blad)
        return;
    blad->domena = domena;
    blad->kod = kod;
    blad->opis = opis;
    blad->przyczyna = przyczyna;
}
