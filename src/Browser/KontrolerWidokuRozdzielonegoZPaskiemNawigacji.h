#pragma once

#include "Platform/Ui/SplitView.h"
#include "Platform/Ui/SplitViewDelegate.h"

#include <QPointer>

class KontrolerKartyPortfolio;
class QWidget;

// Drives the split view between a portfolio tab's navigation bar (the first pane) and its
// details, and the filter bar's split view with its tool strip. The bar stays between 175 points
// and half the split's width and gives way for details of 635; it can collapse, and then the
// tab's 27-point strip and the 73-point tool strip stand in for it. Width and visibility go into
// the tab's settings after every resize.
class KontrolerWidokuRozdzielonegoZPaskiemNawigacji : public SplitViewDelegate
{
    Q_OBJECT

public:
    static constexpr double minimalnaSzerokoscPaska = 175.0;
    static constexpr double minimalnaSzerokoscSzczegolow = 635.0;
    static constexpr double szerokoscPaskaNarzedzi = 73.0;

    explicit KontrolerWidokuRozdzielonegoZPaskiemNawigacji(QObject *rodzic = nullptr);

    SplitView *widokRozdzielony() const { return m_widokRozdzielony; }
    void setWidokRozdzielony(SplitView *widok);
    QWidget *widokPaskaNawigacji() const { return m_widokPaskaNawigacji; }
    void setWidokPaskaNawigacji(QWidget *widok) { m_widokPaskaNawigacji = widok; }
    QWidget *widokSzczegolow() const { return m_widokSzczegolow; }
    void setWidokSzczegolow(QWidget *widok) { m_widokSzczegolow = widok; }
    SplitView *widokRozdzielonyListwyFiltra() const { return m_widokRozdzielonyListwyFiltra; }
    void setWidokRozdzielonyListwyFiltra(SplitView *widok);
    // The first pane of the filter bar's split view.
    QWidget *widokPaskaNarzedzi() const { return m_widokPaskaNarzedzi; }
    void setWidokPaskaNarzedzi(QWidget *widok) { m_widokPaskaNarzedzi = widok; }

    // Not owned.
    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const { return m_kontrolerKartyPortfolio; }
    void setKontrolerKartyPortfolio(KontrolerKartyPortfolio *kontroler);

    // Applies the tab's stored width and visibility (0 and YES without a tab).
    void odczytajUstawienia();
    // A collapsed bar answers the width it had.
    double szerokoscPaskaNawigacji() const;
    void setSzerokoscPaskaNawigacji(double szerokosc);
    bool czyWidocznyPasekNawigacji() const;
    // YES brings the bar back at the width it had, NO collapses it; either way it is stored.
    void setCzyWidocznyPasekNawigacji(bool widoczny);
    double szerokoscWidokuRozdzielonego() const;
    void akcjaPokazPasekNawigacji() { setCzyWidocznyPasekNawigacji(true); }
    void akcjaUkryjPasekNawigacji() { setCzyWidocznyPasekNawigacji(false); }

    qreal splitViewConstrainMinCoordinateOfSubviewAt(SplitView *widok, qreal proponowana, int indeks) override;
    qreal splitViewConstrainMaxCoordinateOfSubviewAt(SplitView *widok, qreal proponowana, int indeks) override;
    bool splitViewCanCollapseSubview(SplitView *widok, QWidget *podwidok) override;
    bool splitViewShouldHideDividerAtIndex(SplitView *widok, int indeks) override;
    bool splitViewShouldAdjustSizeOfSubview(SplitView *widok, QWidget *podwidok) override;
    void splitViewDidResizeSubviews(SplitView *widok) override;

signals:
    void czyWidocznyPasekNawigacjiChanged();
    void szerokoscPaskaNawigacjiChanged();

private:
    void uaktualnijSzerokoscPaskaNawigacji();
    void uaktualnijCzyWidocznyPasekNawigacji();
    void ulozWedlugWidocznosciPaska();

    QPointer<SplitView> m_widokRozdzielony;
    QPointer<QWidget> m_widokPaskaNawigacji;
    QPointer<QWidget> m_widokSzczegolow;
    QPointer<SplitView> m_widokRozdzielonyListwyFiltra;
    QPointer<QWidget> m_widokPaskaNarzedzi;
    QPointer<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
    // The stored settings are being applied: the layouts on the way are not written back.
    bool m_odczytywanie = false;
};
