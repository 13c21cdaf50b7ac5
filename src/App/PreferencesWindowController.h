#pragma once

#include "Platform/Ui/Responder.h"

#include <QList>
#include <QPointer>

#include <memory>

class BrowserWindow;
class ChangePortfolioLocationController;
class KontrolerAkcjeNaMenuGlownym;
class QLineEdit;

// The Preferences window: where the portfolio lies, and the door to moving the program to another
// portfolio location once every browser window is closed.
class PreferencesWindowController : public Responder
{
    Q_OBJECT

public:
    // Loads the "PreferencesWindow" resource.
    explicit PreferencesWindowController(QObject *rodzic = nullptr);
    ~PreferencesWindowController() override;

    // Outlets, set by the resource.
    QPointer<QLineEdit> portfolioLocationLabel;
    QPointer<ChangePortfolioLocationController> changePortfolioLocationController;
    // Takes the window over and follows its activation and closing.
    void setWindow(QWidget *okno);
    QWidget *window() const { return m_okno.get(); }

    // The change of location keeps new browser windows from opening through it.
    void setKontrolerAkcjeNaMenuGlownym(KontrolerAkcjeNaMenuGlownym *kontroler);

    // Brings the window to the front as the active window.
    void showWindow();
    void windowDidLoad();
    void updateUI();
    void openChangePortfolioLocationPanel(QObject *nadawca);
    // Shown and not minimised, front to back.
    QList<BrowserWindow *> browserWindows() const;
    // Every browser window, minimised ones too.
    void closeBrowserWindows();

    void windowDidBecomeKey();
    void sheetDidEnd();
    // NO, after saying why, while a migration runs: neither the window nor the program may go.
    // Closing otherwise only hides the window.
    bool windowShouldClose();
    bool applicationShouldTerminate();
    bool czyMigracjaTrwa() const;

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    void zmienLokalizacje();
    // On the change sheet when it is shown, else on this window.
    void powiedzZeMigracjaTrwa();

    std::unique_ptr<QWidget> m_okno;
};
