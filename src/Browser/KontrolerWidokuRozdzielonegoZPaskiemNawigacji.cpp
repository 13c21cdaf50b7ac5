#include "KontrolerWidokuRozdzielonegoZPaskiemNawigacji.h"

#include "KontrolerKartyPortfolio.h"
#include "UstawieniaKartyPortfolio.h"

#include "Platform/Ui/SplitView.h"

#include <QScopedValueRollback>

KontrolerWidokuRozdzielonegoZPaskiemNawigacji::KontrolerWidokuRozdzielonegoZPaskiemNawigacji(QObject *rodzic)
    : SplitViewDelegate(rodzic)
{
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::setWidokRozdzielony(SplitView *widok)
{
    m_widokRozdzielony = widok;
    if (widok)
        widok->setDelegate(this);
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::setWidokRozdzielonyListwyFiltra(SplitView *widok)
{
    m_widokRozdzielonyListwyFiltra = widok;
    if (widok)
        widok->setDelegate(this);
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::setKontrolerKartyPortfolio(KontrolerKartyPortfolio *kontroler)
{
    m_kontrolerKartyPortfolio = kontroler;
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::odczytajUstawienia()
{
    double szerokosc = 0.0;
    bool widoczny = true;
    if (m_kontrolerKartyPortfolio) {
        szerokosc = m_kontrolerKartyPortfolio->ustawieniaKarty()->szerokoscPaskaNawigacji();
        widoczny = m_kontrolerKartyPortfolio->ustawieniaKarty()->czyWidocznyPasekNawigacji();
    }
    {
        // A split not laid out yet would clip the stored width; what reaches the settings is the
        // visibility the user chose, written below.
        const QScopedValueRollback odczytywanie(m_odczytywanie, true);
        setSzerokoscPaskaNawigacji(szerokosc);
    }
    setCzyWidocznyPasekNawigacji(widoczny);
}

double KontrolerWidokuRozdzielonegoZPaskiemNawigacji::szerokoscPaskaNawigacji() const
{
    if (!m_widokRozdzielony || !m_widokPaskaNawigacji)
        return 0.0;
    return m_widokRozdzielony->frameOfSubview(m_widokPaskaNawigacji).width();
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::setSzerokoscPaskaNawigacji(double szerokosc)
{
    if (m_widokRozdzielony)
        m_widokRozdzielony->setPosition(szerokosc, 0);
    uaktualnijSzerokoscPaskaNawigacji();
}

bool KontrolerWidokuRozdzielonegoZPaskiemNawigacji::czyWidocznyPasekNawigacji() const
{
    return !(m_widokRozdzielony && m_widokRozdzielony->isSubviewCollapsed(m_widokPaskaNawigacji));
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::setCzyWidocznyPasekNawigacji(bool widoczny)
{
    if (m_widokRozdzielony) {
        if (widoczny) {
            setSzerokoscPaskaNawigacji(szerokoscPaskaNawigacji());
            m_widokRozdzielony->adjustSubviews();
        } else {
            m_widokRozdzielony->setPosition(0.0, 0);
        }
    }
    ulozWedlugWidocznosciPaska();
    uaktualnijCzyWidocznyPasekNawigacji();
}

double KontrolerWidokuRozdzielonegoZPaskiemNawigacji::szerokoscWidokuRozdzielonego() const
{
    return m_widokRozdzielony ? m_widokRozdzielony->width() : 0.0;
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::uaktualnijSzerokoscPaskaNawigacji()
{
    if (m_kontrolerKartyPortfolio && !m_odczytywanie)
        m_kontrolerKartyPortfolio->ustawieniaKarty()->setSzerokoscPaskaNawigacji(szerokoscPaskaNawigacji());
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::uaktualnijCzyWidocznyPasekNawigacji()
{
    if (m_kontrolerKartyPortfolio && !m_odczytywanie)
        m_kontrolerKartyPortfolio->ustawieniaKarty()->setCzyWidocznyPasekNawigacji(czyWidocznyPasekNawigacji());
}

qreal KontrolerWidokuRozdzielonegoZPaskiemNawigacji::splitViewConstrainMinCoordinateOfSubviewAt(SplitView *widok, qreal,
                                                                                                int)
{
    return widok == m_widokRozdzielonyListwyFiltra ? szerokoscPaskaNarzedzi : minimalnaSzerokoscPaska;
}

qreal KontrolerWidokuRozdzielonegoZPaskiemNawigacji::splitViewConstrainMaxCoordinateOfSubviewAt(SplitView *widok, qreal,
                                                                                                int)
{
    // Under 350 points this falls below the minimum; the split view keeps the minimum then.
    return widok == m_widokRozdzielonyListwyFiltra ? szerokoscPaskaNarzedzi : szerokoscWidokuRozdzielonego() / 2.0;
}

bool KontrolerWidokuRozdzielonegoZPaskiemNawigacji::splitViewCanCollapseSubview(SplitView *, QWidget *podwidok)
{
    return podwidok && (podwidok == m_widokPaskaNawigacji || podwidok == m_widokPaskaNarzedzi);
}

bool KontrolerWidokuRozdzielonegoZPaskiemNawigacji::splitViewShouldHideDividerAtIndex(SplitView *, int)
{
    return true;
}

bool KontrolerWidokuRozdzielonegoZPaskiemNawigacji::splitViewShouldAdjustSizeOfSubview(SplitView *widok,
                                                                                       QWidget *podwidok)
{
    const QList<QWidget *> panele = widok->subviews();
    return panele.isEmpty() || podwidok != panele.constFirst();
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::splitViewDidResizeSubviews(SplitView *widok)
{
    if (widok != m_widokRozdzielony)
        return;
    ulozWedlugWidocznosciPaska();
    if (m_widokSzczegolow && czyWidocznyPasekNawigacji()
        && m_widokRozdzielony->frameOfSubview(m_widokSzczegolow).width() < minimalnaSzerokoscSzczegolow) {
        const double szerokosc = szerokoscWidokuRozdzielonego() - minimalnaSzerokoscSzczegolow
                                 - m_widokRozdzielony->dividerThickness();
        if (szerokosc >= minimalnaSzerokoscPaska)
            m_widokRozdzielony->setPosition(szerokosc, 0);
    }
    uaktualnijCzyWidocznyPasekNawigacji();
    uaktualnijSzerokoscPaskaNawigacji();
    emit czyWidocznyPasekNawigacjiChanged();
    emit szerokoscPaskaNawigacjiChanged();
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::ulozWedlugWidocznosciPaska()
{
    const bool widoczny = czyWidocznyPasekNawigacji();
    // The tool strip opens while the bar is collapsed and closes when it is back.
    if (m_widokRozdzielonyListwyFiltra && m_widokPaskaNarzedzi
        && m_widokRozdzielonyListwyFiltra->isSubviewCollapsed(m_widokPaskaNarzedzi) != widoczny)
        m_widokRozdzielonyListwyFiltra->setPosition(widoczny ? 0.0 : szerokoscPaskaNarzedzi, 0);
    // The tab's layout gives the split view the room the strip leaves.
    if (m_kontrolerKartyPortfolio) {
        if (QWidget *naZakladke = m_kontrolerKartyPortfolio->widokNaZakladke();
            naZakladke && naZakladke->isHidden() == !widoczny)
            naZakladke->setVisible(!widoczny);
    }
}
