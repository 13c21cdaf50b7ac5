#include "KontrolerWidokuRozdzielonegoZPaskiemNawigacji.h"

#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/UstawieniaKartyPortfolio.h"

#include "Platform/Ui/SplitView.h"

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
    m_odczytywanie = true;
    if (m_widokRozdzielony && szerokosc > 0.0)
        m_widokRozdzielony->setPosition(szerokosc, 0);
    m_odczytywanie = false;
    setCzyWidocznyPasekNawigacji(widoczny);
}

bool KontrolerWidokuRozdzielonegoZPaskiemNawigacji::czyWidocznyPasekNawigacji() const
{
    return !(m_widokRozdzielony && m_widokRozdzielony->isSubviewCollapsed(m_widokPaskaNawigacji));
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::setCzyWidocznyPasekNawigacji(bool widoczny)
{
    if (m_widokRozdzielony) {
        m_odczytywanie = true;
        m_widokRozdzielony->setPosition(widoczny ? szerokoscPaska() : 0.0, 0);
        if (widoczny)
            m_widokRozdzielony->adjustSubviews();
        m_odczytywanie = false;
    }
    pokazWidokNaZakladke();
    if (m_kontrolerKartyPortfolio)
        m_kontrolerKartyPortfolio->ustawieniaKarty()->setCzyWidocznyPasekNawigacji(czyWidocznyPasekNawigacji());
}

bool KontrolerWidokuRozdzielonegoZPaskiemNawigacji::splitViewCanCollapseSubview(SplitView *, QWidget *podwidok)
{
    return podwidok == m_widokPaskaNawigacji;
}

bool KontrolerWidokuRozdzielonegoZPaskiemNawigacji::splitViewShouldAdjustSizeOfSubview(SplitView *, QWidget *podwidok)
{
    return podwidok != m_widokPaskaNawigacji;
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::splitViewDidResizeSubviews(SplitView *)
{
    pokazWidokNaZakladke();
    if (m_odczytywanie || !m_kontrolerKartyPortfolio)
        return;
    // A drag of the divider: its width, or its collapse, is the user's choice.
    UstawieniaKartyPortfolio *ustawienia = m_kontrolerKartyPortfolio->ustawieniaKarty();
    const bool widoczny = czyWidocznyPasekNawigacji();
    if (widoczny != ustawienia->czyWidocznyPasekNawigacji())
        ustawienia->setCzyWidocznyPasekNawigacji(widoczny);
    if (widoczny && szerokoscPaska() > 0.0 && szerokoscPaska() != ustawienia->szerokoscPaskaNawigacji())
        ustawienia->setSzerokoscPaskaNawigacji(szerokoscPaska());
}

double KontrolerWidokuRozdzielonegoZPaskiemNawigacji::szerokoscPaska() const
{
    if (!m_widokRozdzielony || !m_widokPaskaNawigacji)
        return 0.0;
    // A collapsed pane keeps its frame, so the width survives hiding.
    return m_widokRozdzielony->frameOfSubview(m_widokPaskaNawigacji).width();
}

void KontrolerWidokuRozdzielonegoZPaskiemNawigacji::pokazWidokNaZakladke()
{
    if (!m_kontrolerKartyPortfolio)
        return;
    if (QWidget *naZakladke = m_kontrolerKartyPortfolio->widokNaZakladke())
        naZakladke->setVisible(!czyWidocznyPasekNawigacji());
}
