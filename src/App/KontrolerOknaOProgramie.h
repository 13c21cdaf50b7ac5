#pragma once

#include "Platform/Ui/Responder.h"

#include <QPointer>

#include <memory>

class QLabel;
class QWidget;

// The About window: the program's version and a button to its web site. Closing only hides it.
class KontrolerOknaOProgramie : public Responder
{
    Q_OBJECT

public:
    // Builds the "OknoOProgramie" resource.
    explicit KontrolerOknaOProgramie(QObject *rodzic = nullptr);
    ~KontrolerOknaOProgramie() override;

    // Outlets.
    QPointer<QLabel> poleWersja;
    QPointer<QLabel> poleKompilacja;
    QWidget *window() const { return m_okno.get(); }

    // Brings the window to the front as the active window.
    void showWindow();
    void windowDidLoad();
    static QString infoValueForKey(const QString &klucz);
    void otworzWitryneTarrowind(QObject *nadawca);

private:
    void zbudujOkno();

    std::unique_ptr<QWidget> m_okno;
};
