#pragma once

#include "KontrolerKartyFasolki.h"
#include "KontrolerKartyPortfolio.h"

#include "Platform/Ui/SplitView.h"
#include "Platform/Ui/SplitViewDelegate.h"

#include <QAbstractButton>
#include <QPointer>

// Keeps the divider of a split view with a collapsible right panel within its limits, keeps the
// panel's width when the view resizes, shows and hides the panel, and writes the panel's width and
// visibility into the linked tab's settings after every change. Width and visibility are always
// read from the views; the object keeps nothing else.
class KontrolerWidokuRozdzielonegoZPanelemPrawym : public SplitViewDelegate
{
    Q_OBJECT

public:
    explicit KontrolerWidokuRozdzielonegoZPanelemPrawym(QObject *rodzic = nullptr);

    // Divider 0 separates the left pane from the right panel, the split view's last pane.
    SplitView *widokRozdzielony() const { return m_widokRozdzielony; }
    void setWidokRozdzielony(SplitView *widok) { m_widokRozdzielony = widok; }
    QWidget *widokPanelaPrawego() const { return m_widokPanelaPrawego; }
    void setWidokPanelaPrawego(QWidget *widok) { m_widokPanelaPrawego = widok; }
    // Shown and hidden only by setCzyWidocznyPanelPrawy, never by a drag.
    QAbstractButton *przyciskZalozKatalog() const { return m_przyciskZalozKatalog; }
    void setPrzyciskZalozKatalog(QAbstractButton *przycisk) { m_przyciskZalozKatalog = przycisk; }

    // The tab whose settings keep the panel's state; not owned. The bean tab wins when both are set.
    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const { return m_kontrolerKartyPortfolio; }
    void setKontrolerKartyPortfolio(KontrolerKartyPortfolio *kontroler) { m_kontrolerKartyPortfolio = kontroler; }
    KontrolerKartyFasolki *kontrolerKartyFasolki() const { return m_kontrolerKartyFasolki; }
    void setKontrolerKartyFasolki(KontrolerKartyFasolki *kontroler) { m_kontrolerKartyFasolki = kontroler; }

    // Applies the linked tab's stored width and visibility (0 and YES without a link).
    void odczytajUstawienia();

    bool czyWidocznyPanelPrawy() const;
    void setCzyWidocznyPanelPrawy(bool widoczny);
    // A collapsed panel keeps its frame, so its width survives hiding.
    double szerokoscPanelaPrawego() const;
    // Places the divider for that width, without the limits.
    void setSzerokoscPanelaPrawego(double szerokosc);

    double szerokoscWidokuRozdzielonego() const;
    double minimalnaPozycjaRozdzielnika() const;
    double maksymalnaPozycjaRozdzielnika() const;
    // The divider position that keeps the panel's present width.
    double pozycjaRozdzielnika() const;
    // Places the divider within the limits; the minimum wins in a view narrower than 402 points.
    void setPozycjaRozdzielnika(double pozycja);

    void uaktualnijSzerokoscPanelaPrawego();
    void uaktualnijCzyWidocznyPanelPrawy();

    qreal splitViewConstrainMinCoordinateOfSubviewAt(SplitView *widok, qreal proponowana, int indeks) override;
    qreal splitViewConstrainMaxCoordinateOfSubviewAt(SplitView *widok, qreal proponowana, int indeks) override;
    qreal splitViewConstrainSplitPositionOfSubviewAt(SplitView *widok, qreal proponowana, int indeks) override;
    bool splitViewCanCollapseSubview(SplitView *widok, QWidget *podwidok) override;
    bool splitViewShouldAdjustSizeOfSubview(SplitView *widok, QWidget *podwidok) override;
    bool splitViewShouldHideDividerAtIndex(SplitView *widok, int indeks) override;
    void splitViewResizeSubviewsWithOldSize(SplitView *widok, const QSize &staryRozmiar) override;
    void splitViewDidResizeSubviews(SplitView *widok) override;

signals:
    void czyWidocznyPanelPrawyChanged();
    void szerokoscPanelaPrawegoChanged();

private:
    double gruboscRozdzielnika() const;

    QPointer<SplitView> m_widokRozdzielony;
    QPointer<QWidget> m_widokPanelaPrawego;
    QPointer<QAbstractButton> m_przyciskZalozKatalog;
    QPointer<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
    QPointer<KontrolerKartyFasolki> m_kontrolerKartyFasolki;
};
