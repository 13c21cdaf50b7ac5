#include "LimitObserwacji.h"

#include <QDir>
#include <QFile>

namespace LimitObserwacji {

bool wWlasnejPrzestrzeniUzytkownika()
{
    // In the machine's own namespace uid 0 maps onto itself over the whole range.
    QFile mapa(QStringLiteral("/proc/self/uid_map"));
    return mapa.open(QIODevice::ReadOnly)
           && QString::fromLatin1(mapa.readAll()).simplified() != QLatin1String("0 0 4294967295");
}

int uzyteObserwacje()
{
    int wynik = 0;
    const QStringList opisy = QDir(QStringLiteral("/proc/self/fdinfo")).entryList(QDir::Files);
    for (const QString &opis : opisy) {
        QFile plik(QStringLiteral("/proc/self/fdinfo/") + opis);
        if (!plik.open(QIODevice::ReadOnly))
            continue;
        wynik += int(plik.readAll().count("inotify wd:"));
    }
    return wynik;
}

QString pozwolNaJeszcze(int wolne)
{
    // Lowered in the machine's own namespace, the limit would bind every program of the user.
    if (!wWlasnejPrzestrzeniUzytkownika()) {
        const QString powod = qEnvironmentVariable("TARROWIND_BEZ_PRZESTRZENI_UZYTKOWNIKA");
        return QStringLiteral("not in a user namespace of its own, where the inotify watch limit can be lowered")
               + (powod.isEmpty() ? QString() : QStringLiteral(": ") + powod);
    }
    QFile limit(QStringLiteral("/proc/sys/user/max_inotify_watches"));
    if (!limit.open(QIODevice::WriteOnly) || limit.write(QByteArray::number(uzyteObserwacje() + wolne)) < 0
        || !limit.flush())
        return QStringLiteral("/proc/sys/user/max_inotify_watches cannot be written: ") + limit.errorString();
    return {};
}

int katalogowPowyzej(const QString &sciezka)
{
    return int(QDir::cleanPath(sciezka).count(QLatin1Char('/')));
}

} // namespace LimitObserwacji
