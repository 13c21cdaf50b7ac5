#include "KontrolerWidokuRozdzielonegoZPanelemPrawym.h"

#include "UstawieniaKartyFasolki.h"
#include "UstawieniaKartyPortfolio.h"

#include "Platform/Ui/SplitView.h"

#include <QAbstractButton>

namespace {

// The panel keeps at least this much room right of the divider, the divider included.
constexpr double najmniejszaSzerokoscPanela = 201.0;

} // namespace

KontrolerWidokuRozdzielonegoZPanelemPrawym::KontrolerWidokuRozdzielonegoZPanelemPrawym(QObject *rodzic)
    : SplitViewDelegate(rodzic)
{
}

void KontrolerWidokuRozdzielonegoZPanelemPrawym::odczytajUstawienia()
{
    double szerokosc = 0.0;
    bool widoczny = true;
    if (m_kontrolerKartyPortfolio) {
        szerokosc = m_kontrolerKartyPortfolio->ustawieniaKarty()->szerokoscPanelaPrawego();
        widoczny = m_kontrolerKartyPortfolio->ustawieniaKarty()->czyWidocznyPanelPrawy();
    }
    if (m_kontrolerKartyFasolki) {
        szerokosc = m_kontrolerKartyFasolki->ustawieniaKarty()->szerokoscPanelaPrawego();
        widoczny = m_kontrolerKartyFasolki->ustawieniaKarty()->czyWidocznyPanelPrawy();
    }
    setSzerokoscPanelaPrawego(szerokosc);
    setCzyWidocznyPanelPrawy(widoczny);
}

bool KontrolerWidokuRozdzielonegoZPanelemPrawym::czyWidocznyPanelPrawy() const
{
    return !(m_widokRozdzielony && m_widokRozdzielony->isSubviewCollapsed(m_widokPanelaPrawego));
}

void KontrolerWidokuRozdzielonegoZPanelemPrawym::setCzyWidocznyPanelPrawy(bool widoczny)
{
    if (widoczny) {
        setSzerokoscPanelaPrawego(szerokoscPanelaPrawego());
    } else if (m_widokRozdzielony) {
        m_widokRozdzielony->setPosition(szerokoscWidokuRozdzielonego(), 0);
    }
    if (m_przyciskZalozKatalog)
        m_przyciskZalozKatalog->setVisible(widoczny);
}

double KontrolerWidokuRozdzielonegoZPanelemPrawym::szerokoscPanelaPrawego() const
{
    if (!m_widokPanelaPrawego)
        return 0.0;
    if (m_widokRozdzielony && m_widokRozdzielony->subviews().contains(m_widokPanelaPrawego))
        return m_widokRozdzielony->frameOfSubview(m_widokPanelaPrawego).width();
    return m_widokPanelaPrawego->width();
}

void KontrolerWidokuRozdzielonegoZPanelemPrawym::setSzerokoscPanelaPrawego(double szerokosc)
{
    if (m_widokRozdzielony)
        m_widokRozdzielony->setPosition(szerokoscWidokuRozdzielonego() - szerokosc - gruboscRozdzielnika(), 0);
}

double KontrolerWidokuRozdzielonegoZPanelemPrawym::gruboscRozdzielnika() const
{
    return m_widokRozdzielony ? m_widokRozdzielony->dividerThickness() : 0.0;
}

double KontrolerWidokuRozdzielonegoZPanelemPrawym::szerokoscWidokuRozdzielonego() const
{
    return m_widokRozdzielony ? m_widokRozdzielony->width() : 0.0;
}

double KontrolerWidokuRozdzielonegoZPanelemPrawym::minimalnaPozycjaRozdzielnika() const
{
    return szerokoscWidokuRozdzielonego() / 2;
}

double KontrolerWidokuRozdzielonegoZPanelemPrawym::maksymalnaPozycjaRozdzielnika() const
{
    return szerokoscWidokuRozdzielonego() - najmniejszaSzerokoscPanela;
}

double KontrolerWidokuRozdzielonegoZPanelemPrawym::pozycjaRozdzielnika() const
{
    return szerokoscWidokuRozdzielonego() - gruboscRozdzielnika() - szerokoscPanelaPrawego();
}

void KontrolerWidokuRozdzielonegoZPanelemPrawym::setPozycjaRozdzielnika(double pozycja)
{
    if (pozycja > maksymalnaPozycjaRozdzielnika())
        pozycja = maksymalnaPozycjaRozdzielnika();
    if (minimalnaPozycjaRozdzielnika() > pozycja)
        pozycja = minimalnaPozycjaRozdzielnika();
    if (m_widokRozdzielony)
        m_widokRozdzielony->setPosition(pozycja, 0);
}

void KontrolerWidokuRozdzielonegoZPanelemPrawym::uaktualnijSzerokoscPanelaPrawego()
{
    const double szerokosc = szerokoscPanelaPrawego();
    if (m_kontrolerKartyPortfolio)
        m_kontrolerKartyPortfolio->ustawieniaKarty()->setSzerokoscPanelaPrawego(szerokosc);
    if (m_kontrolerKartyFasolki)
        m_kontrolerKartyFasolki->ustawieniaKarty()->setSzerokoscPanelaPrawego(szerokosc);
}

void KontrolerWidokuRozdzielonegoZPanelemPrawym::uaktualnijCzyWidocznyPanelPrawy()
{
    const bool widoczny = czyWidocznyPanelPrawy();
    if (m_kontrolerKartyPortfolio)
        m_kontrolerKartyPortfolio->ustawieniaKarty()->setCzyWidocznyPanelPrawy(widoczny);
    if (m_kontrolerKartyFasolki)
        m_kontrolerKartyFasolki->ustawieniaKarty()->setCzyWidocznyPanelPrawy(widoczny);
}

qreal KontrolerWidokuRozdzielonegoZPanelemPrawym::splitViewConstrainMinCoordinateOfSubviewAt(SplitView *, qreal, int)
{
    return minimalnaPozycjaRozdzielnika();
}

qreal KontrolerWidokuRozdzielonegoZPanelemPrawym::splitViewConstrainMaxCoordinateOfSubviewAt(SplitView *, qreal, int)
{
    return maksymalnaPozycjaRozdzielnika();
}

qreal KontrolerWidokuRozdzielonegoZPanelemPrawym::splitViewConstrainSplitPositionOfSubviewAt(SplitView *,
                                                                                             qreal proponowana, int)
{
    return proponowana;
}

bool KontrolerWidokuRozdzielonegoZPanelemPrawym::splitViewCanCollapseSubview(SplitView *, QWidget *podwidok)
{
    return podwidok == m_widokPanelaPrawego;
}

bool KontrolerWidokuRozdzielonegoZPanelemPrawym::splitViewShouldAdjustSizeOfSubview(SplitView *, QWidget *podwidok)
{
    return podwidok != m_widokPanelaPrawego;
}

bool KontrolerWidokuRozdzielonegoZPanelemPrawym::splitViewShouldHideDividerAtIndex(SplitView *, int)
{
    return true;
}

void KontrolerWidokuRozdzielonegoZPanelemPrawym::splitViewResizeSubviewsWithOldSize(SplitView *widok, const QSize &)
{
    if (czyWidocznyPanelPrawy())
        setPozycjaRozdzielnika(pozycjaRozdzielnika());
    widok->adjustSubviews();
}

void KontrolerWidokuRozdzielonegoZPanelemPrawym::splitViewDidResizeSubviews(SplitView *)
{
    uaktualnijSzerokoscPanelaPrawego();
    uaktualnijCzyWidocznyPanelPrawy();
    emit czyWidocznyPanelPrawyChanged();
    emit szerokoscPanelaPrawegoChanged();
}
