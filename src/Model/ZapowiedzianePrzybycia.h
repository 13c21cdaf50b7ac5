#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The paths where a command of this program is about to bring a bean in through the disk watcher
// (a copy made off the main thread): a bean that arrives there came from the user, not from
// another program, and the lists select it as it enters.
class ZapowiedzianePrzybycia
{
public:
    static ZapowiedzianePrzybycia *instancja();

    void zapowiedz(const QString &sciezka);
    // True for an announced path. The announcement ends a turn later, once every list told of
    // the same change has taken the bean.
    bool przyjmij(const QString &sciezka);
    // The command is over: of its paths, those with nothing on the disk will never bring a bean.
    void zakonczPolecenie(const QStringList &sciezki);

private:
    QSet<QString> m_sciezki;
};
