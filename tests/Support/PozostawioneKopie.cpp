#include "PozostawioneKopie.h"

#include "Platform/Paths.h"
#include "Platform/TemporaryCopy.h"
#include "Platform/UserDefaults.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace PozostawioneKopie {

QString klucz()
{
    return QStringLiteral("TemporaryCopy.recorded");
}

QStringList zapisane()
{
    return UserDefaults::standard().objectForKey(klucz()).toStringList();
}

Proces::Proces()
{
    pid = fork();
    if (pid == 0) {
        pause();
        _exit(0);
    }
}

Proces::~Proces()
{
    zabij();
}

void Proces::zabij()
{
    if (pid <= 0)
        return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

QByteArray znacznikZabitego(TemporaryCopy::Purpose cel)
{
    Proces proces;
    const QByteArray znacznik = TemporaryCopy::markerOf(proces.pid, cel);
    proces.zabij();
    return znacznik;
}

QByteArray znacznikZabitego()
{
    return znacznikZabitego(TemporaryCopy::Purpose::Move);
}

QString zostaw(const QString &katalog, const QString &nazwa, const QByteArray &znacznik, bool zapisana)
{
    const QString sciezka = Paths::join(katalog, nazwa);
    EXPECT_TRUE(QDir().mkpath(sciezka + QStringLiteral("/copy/teczka")));
    QFile plik(sciezka + QStringLiteral("/copy/teczka/czesc.txt"));
    EXPECT_TRUE(plik.open(QIODevice::WriteOnly) && plik.write("czesc") == 5);
    plik.close();
    if (!znacznik.isNull()) {
        QFile marker(Paths::join(sciezka, QString::fromLatin1(TemporaryCopy::markerName)));
        EXPECT_TRUE(marker.open(QIODevice::WriteOnly) && marker.write(znacznik) == znacznik.size());
    }
    if (zapisana)
        UserDefaults::standard().setObject(klucz(), zapisane() << sciezka);
    return sciezka;
}

} // namespace PozostawioneKopie
