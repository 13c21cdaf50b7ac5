#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (the desktop's log-out, a `kill`) brought to the main thread: the handler only writes a
// byte into a pipe, which a socket notifier reads in the event loop. One at a time; while it lives
// it holds the signal, and it gives the default back when it goes.
class SygnalZakonczenia : public QObject
{
    Q_OBJECT

public:
    explicit SygnalZakonczenia(QObject *rodzic = nullptr);
    ~SygnalZakonczenia() override;
    SygnalZakonczenia(const SygnalZakonczenia &) = delete;
    SygnalZakonczenia &operator=(const SygnalZakonczenia &) = delete;

signals:
    void otrzymany();

private:
    void odczytaj();

    int m_odczyt = -1;
    QSocketNotifier *m_powiadamiacz = nullptr;
};
