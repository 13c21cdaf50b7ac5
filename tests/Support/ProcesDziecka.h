#pragma once

#include <QMap>
#include <QProcess>
#include <QString>

// The child's home: the parent's, so that the child reads and writes the parent's settings.
inline constexpr const char *zmiennaDomuRodzica = "TARROWIND_TEST_DOM_RODZICA";

// One disabled test of this binary run in a child process that shares the test's home and settings,
// so that the program can be killed in the middle of a step, as a user's program is at a kill, and
// the parent can start it again on what the kill left.
class ProcesDziecka
{
public:
    // Starts the test `test` ("Suite.DISABLED_Name") with the variables `zmienne` added.
    ProcesDziecka(const QString &test, const QMap<QString, QString> &zmienne);
    ~ProcesDziecka();
    ProcesDziecka(const ProcesDziecka &) = delete;
    ProcesDziecka &operator=(const ProcesDziecka &) = delete;

    // Until the child said it is ready; NO when it ended first or `ms` passed.
    bool czekajNaGotowosc(int ms);
    // SIGKILL, and the child reaped.
    void zabij();
    // What the child wrote, for a failure's message.
    QString wyjscie();
    qint64 pid() const { return m_proces.processId(); }

    // In the child: whether this process is one; and, from any of its threads, says it is ready
    // and waits there to be killed.
    static bool jestemDzieckiem();
    [[noreturn]] static void zglosGotowoscICzekajNaSmierc();

private:
    QProcess m_proces;
    QString m_plikGotowosci;
    QString m_wyjscie;
};
