#pragma once

#include <QObject>

// Tells when the disk watcher starts and ends applying one batch of changes, so that whoever
// hears of a model change can tell another program's change from the user's own.
class PartiaZmianNaDysku : public QObject
{
    Q_OBJECT

public:
    static PartiaZmianNaDysku *instancja();

    bool trwa() const { return m_trwa; }

signals:
    void rozpoczeta();
    void zakonczona();

private:
    friend class ObserwatorZmianNaDysku;

    void rozpocznij();
    void zakoncz();

    bool m_trwa = false;
};
