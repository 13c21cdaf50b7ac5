#pragma once

#include <QObject>

// The main menu's actions. It exists before the start-up begins; while the set-up wizard runs
// it is told that no browser window may be opened.
class KontrolerAkcjeNaMenuGlownym : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool canOpenNewWindow READ canOpenNewWindow WRITE setCanOpenNewWindow NOTIFY canOpenNewWindowChanged)

public:
    explicit KontrolerAkcjeNaMenuGlownym(QObject *rodzic = nullptr);

    bool canOpenNewWindow() const { return m_canOpenNewWindow; }
    void setCanOpenNewWindow(bool moze);

signals:
    void canOpenNewWindowChanged();

private:
    bool m_canOpenNewWindow = true;
};
