#include "SygnalZakonczenia.h"

#include "Konsola.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Written by the handler, which may use nothing but async-signal-safe calls.
volatile sig_atomic_t deskryptorZapisuSygnalu = -1;

extern "C" void obsluzSygnalZakonczenia(int)
{
    const int zachowany = errno;
    const char bajt = 1;
    if (deskryptorZapisuSygnalu >= 0)
        (void)!write(deskryptorZapisuSygnalu, &bajt, 1);
    errno = zachowany;
}

} // namespace

SygnalZakonczenia::SygnalZakonczenia(QObject *rodzic)
    : QObject(rodzic)
{
    int potok[2];
    if (pipe2(potok, O_CLOEXEC | O_NONBLOCK) != 0) {
        drukujLinie(QStringLiteral("Błąd: bez potoku SIGTERM kończy program bez porządków (errno %1)"), errno);
        return;
    }
    m_odczyt = potok[0];
    deskryptorZapisuSygnalu = potok[1];
    m_powiadamiacz = new QSocketNotifier(m_odczyt, QSocketNotifier::Read, this);
    connect(m_powiadamiacz, &QSocketNotifier::activated, this, &SygnalZakonczenia::odczytaj);
    struct sigaction akcja = {};
    akcja.sa_handler = obsluzSygnalZakonczenia;
    sigemptyset(&akcja.sa_mask);
    akcja.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &akcja, nullptr);
}

SygnalZakonczenia::~SygnalZakonczenia()
{
    if (m_odczyt < 0)
        return;
    signal(SIGTERM, SIG_DFL);
    const int zapis = deskryptorZapisuSygnalu;
    deskryptorZapisuSygnalu = -1;
    close(zapis);
    delete m_powiadamiacz;
    close(m_odczyt);
}

void SygnalZakonczenia::odczytaj()
{
    char bufor[16];
    bool otrzymano = false;
    while (read(m_odczyt, bufor, sizeof bufor) > 0)
        otrzymano = true;
    if (otrzymano)
        emit otrzymany();
}
