#pragma once

#include "Browser/KontrolerBiezacegoWidokuSzczegolow.h"

#include <QPointer>

#include <memory>

class KontrolerRzeczyKatalogu;
class KontrolerWidokuRozdzielonegoZPanelemPrawym;
class SplitView;

// A details view with a collapsible right panel holding a folder-contents outline: the flow view
// and the bean view. The panel's width and visibility live in the portfolio tab's settings. The
// left side is still an empty panel.
class KontrolerWidokuZPanelemRzeczy : public KontrolerBiezacegoWidokuSzczegolow
{
    Q_OBJECT

public:
    explicit KontrolerWidokuZPanelemRzeczy(QObject *rodzic = nullptr);
    ~KontrolerWidokuZPanelemRzeczy() override;

    KontrolerWidokuRozdzielonegoZPanelemPrawym *kontrolerWidokuRozdzielonegoZPanelemPrawym() const
    {
        return m_kontrolerWidokuRozdzielonego;
    }

    void ustawWidok() override;
    // Links the right panel to the tab and applies its stored width and visibility.
    void odczytajUstawienia() override;

protected:
    KontrolerRzeczyKatalogu *kontrolerRzeczyPanelu() const { return m_kontrolerRzeczy; }
    // The model object shown has changed: the context of the old one's observations goes.
    QObject *nowyKontekstObserwacji();
    void loadView() override;

private:
    KontrolerWidokuRozdzielonegoZPanelemPrawym *m_kontrolerWidokuRozdzielonego;
    KontrolerRzeczyKatalogu *m_kontrolerRzeczy;
    std::unique_ptr<QObject> m_kontekstObserwacji;
};
