#pragma once

#include <QPointer>
#include <QWidget>

class PreferencesWindowController;

// The Preferences window: tells its controller when it becomes the active window and when the
// user closes it, which only hides it, and not at all while the controller refuses.
class PreferencesWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PreferencesWindow(QWidget *rodzic = nullptr);

    void setWindowController(PreferencesWindowController *kontroler) { m_kontroler = kontroler; }

protected:
    void closeEvent(QCloseEvent *zdarzenie) override;
    void changeEvent(QEvent *zdarzenie) override;

private:
    QPointer<PreferencesWindowController> m_kontroler;
};
