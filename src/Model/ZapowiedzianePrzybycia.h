#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

// The paths where a command of this program is about to bring a bean in through the disk watcher
// (a copy made off the main thread): a bean that arrives there came from the user, not from
// another program, and the lists select it as it enters. Main thread only.
class ZapowiedzianePrzybycia : public QObject
{
    Q_OBJECT

public:
    static ZapowiedzianePrzybycia *instancja();

    void zapowiedz(const QString &sciezka);
    bool czyZapowiedziana(const QString &sciezka) const { return m_sciezki.contains(sciezka); }
    // The command is over: of its paths, those with nothing on the disk will never bring a bean.
    void zakonczPolecenie(const QStringList &sciezki);
    // Between tests: no path announced in one is waited for in the next.
    void zapomnij() { m_sciezki.clear(); }

private:
    ZapowiedzianePrzybycia();

    // A path whose bean is in the graph once a watcher batch ends has arrived, whether a list showed it or not.
    void poPartii();

    QSet<QString> m_sciezki;
};
