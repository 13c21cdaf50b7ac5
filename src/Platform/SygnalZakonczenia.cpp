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
int deskryptorOdczytuSygnalu = -1;

// One pipe for the life of the process, never closed: a handler still running on another thread as
// an instance goes must never write into a descriptor that was closed and given to another file.
bool otworzPotokSygnalu()
{
    int potok[2];
    if (pipe2(potok, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    deskryptorOdczytuSygnalu = potok[0];
    deskryptorZapisuSygnalu = potok[1];
    return true;
}

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
    static const bool potokOtwarty = otworzPotokSygnalu();
    if (!potokOtwarty) {
        drukujLinie(QStringLiteral("Błąd: bez potoku SIGTERM kończy program bez porządków (errno %1)"), errno);
        return;
    }
    m_odczyt = deskryptorOdczytuSygnalu;
    // What a handler wrote as the previous instance went was meant for that one.
    char bufor[16];
    while (read(m_odczyt, bufor, sizeof bufor) > 0) {}
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
    delete m_powiadamiacz;
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
