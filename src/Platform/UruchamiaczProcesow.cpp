#include "UruchamiaczProcesow.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

class SystemowyUruchamiaczProcesow : public UruchamiaczProcesow
{
public:
    QString znajdzProgram(const QString &nazwa) override { return QStandardPaths::findExecutable(nazwa); }

    int uruchomICzekaj(const QString &program, const QStringList &argumenty) override
    {
        QProcess proces;
        proces.setProcessChannelMode(QProcess::ForwardedChannels);
        proces.start(program, argumenty);
        // No time limit: an administrator's password takes as long as it takes.
        if (!proces.waitForFinished(-1) || proces.exitStatus() != QProcess::NormalExit)
            return -1;
        return proces.exitCode();
    }

    bool uruchomOdlaczony(const QString &program, const QStringList &argumenty,
                          const QProcessEnvironment &srodowisko) override
    {
        QProcess proces;
        proces.setProgram(program);
        proces.setArguments(argumenty);
        proces.setProcessEnvironment(srodowisko);
        return proces.startDetached();
    }
};

} // namespace

UruchamiaczProcesow &UruchamiaczProcesow::systemowy()
{
    static SystemowyUruchamiaczProcesow uruchamiacz;
    return uruchamiacz;
}
