#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Starts other programs. Tests put one of their own in place that records the calls and answers
// scripted exit codes.
class UruchamiaczProcesow
{
public:
    virtual ~UruchamiaczProcesow() = default;

    // The full path of a program on PATH; empty when there is none.
    virtual QString znajdzProgram(const QString &nazwa) = 0;
    // Runs the program and waits for that very process to end. Its exit code, or -1 when it did
    // not start or did not exit by itself.
    virtual int uruchomICzekaj(const QString &program, const QStringList &argumenty) = 0;
    // Starts a program that lives on after this process, with the environment given.
    virtual bool uruchomOdlaczony(const QString &program, const QStringList &argumenty,
                                  const QProcessEnvironment &srodowisko) = 0;

    static UruchamiaczProcesow &systemowy();
};
