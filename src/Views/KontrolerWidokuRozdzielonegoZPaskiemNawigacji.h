#pragma once

#include "Platform/Ui/SplitViewDelegate.h"

#include <QPointer>

class KontrolerKartyPortfolio;
class QWidget;

// Drives the split view between a portfolio tab's navigation bar (the first pane) and its details:
// the bar keeps its width when the window resizes, can collapse, and its width and visibility go
// into the tab's settings. While the bar is collapsed the tab's strip stands in for it.
class KontrolerWidokuRozdzielonegoZPaskiemNawigacji : public SplitViewDelegate
{
    Q_OBJECT

public:
    explicit KontrolerWidokuRozdzielonegoZPaskiemNawigacji(QObject *rodzic = nullptr);

    SplitView *widokRozdzielony() const { return m_widokRozdzielony; }
    void setWidokRozdzielony(SplitView *widok);
    QWidget *widokPaskaNawigacji() const { return m_widokPaskaNawigacji; }
    void setWidokPaskaNawigacji(QWidget *widok) { m_widokPaskaNawigacji = widok; }

    // Not owned.
    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const { return m_kontrolerKartyPortfolio; }
    void setKontrolerKartyPortfolio(KontrolerKartyPortfolio *kontroler);

    // Applies the tab's stored width and visibility (0 and YES without a tab).
    void odczytajUstawienia();
    bool czyWidocznyPasekNawigacji() const;
    // YES brings the bar back at the width it had, NO collapses it; either way it is stored.
    void setCzyWidocznyPasekNawigacji(bool widoczny);

    bool splitViewCanCollapseSubview(SplitView *widok, QWidget *podwidok) override;
    bool splitViewShouldAdjustSizeOfSubview(SplitView *widok, QWidget *podwidok) override;
    void splitViewDidResizeSubviews(SplitView *widok) override;

private:
    double szerokoscPaska() const;
    void pokazWidokNaZakladke();

    QPointer<SplitView> m_widokRozdzielony;
    QPointer<QWidget> m_widokPaskaNawigacji;
    QPointer<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
    // The settings are being applied: the layouts this causes are not the user's.
    bool m_odczytywanie = false;
};
