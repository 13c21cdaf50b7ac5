#include "BladOperacji.h"

#include "Paths.h"

#include <cerrno>
#include <cstring>

namespace {

QString przyczynaDlaErrno(int numerBledu, const QString &sciezka, const QString &katalogDocelowy)
{
    const QString nazwa = Paths::lastComponent(sciezka);
    const QString katalog = Paths::lastComponent(katalogDocelowy.isEmpty() ? Paths::parent(sciezka) : katalogDocelowy);
    switch (numerBledu) {
    case EEXIST:
    case ENOTEMPTY:
        return QStringLiteral("An item named \u201C%1\u201D already exists in \u201C%2\u201D.").arg(nazwa, katalog);
    case ENOENT:
        return QStringLiteral("The item \u201C%1\u201D couldn\u2019t be found.").arg(nazwa);
    case EACCES:
    case EPERM:
        return QStringLiteral("You don\u2019t have permission to change \u201C%1\u201D.").arg(nazwa);
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("There isn\u2019t enough space to complete the operation on \u201C%1\u201D.").arg(nazwa);
    case EROFS:
        return QStringLiteral("The volume holding \u201C%1\u201D is read-only.").arg(nazwa);
    case ENAMETOOLONG:
        return QStringLiteral("The name \u201C%1\u201D is too long.").arg(nazwa);
    case ENOTDIR:
        return QStringLiteral("A part of the path to \u201C%1\u201D is not a folder.").arg(nazwa);
    case EISDIR:
        return QStringLiteral("\u201C%1\u201D is a folder.").arg(nazwa);
    case EINVAL:
        return QStringLiteral("\u201C%1\u201D can\u2019t be moved into itself.").arg(nazwa);
    default:
        return QStringLiteral("The operation on \u201C%1\u201D failed: %2.")
            .arg(nazwa, QString::fromLocal8Bit(std::strerror(numerBledu)));
    }
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
