#include "KontrolerWidokuZPanelemRzeczy.h"

#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Browser/WidokRozdzielonyPotoku.h"

KontrolerWidokuZPanelemRzeczy::KontrolerWidokuZPanelemRzeczy(QObject *rodzic)
    : KontrolerBiezacegoWidokuSzczegolow(rodzic)
    , m_kontrolerWidokuRozdzielonego(new KontrolerWidokuRozdzielonegoZPanelemPrawym(this))
    , m_kontrolerRzeczy(new KontrolerRzeczyKatalogu(this))
{
}

KontrolerWidokuZPanelemRzeczy::~KontrolerWidokuZPanelemRzeczy() = default;

void KontrolerWidokuZPanelemRzeczy::ustawWidok()
{
    m_kontrolerRzeczy->ustawWidok();
}

void KontrolerWidokuZPanelemRzeczy::odczytajUstawienia()
{
    m_kontrolerWidokuRozdzielonego->setKontrolerKartyPortfolio(kontrolerKartyPortfolio());
    m_kontrolerWidokuRozdzielonego->odczytajUstawienia();
}

QWidget *KontrolerWidokuZPanelemRzeczy::zbudujWidokLewy()
{
    return new QWidget;
}

void KontrolerWidokuZPanelemRzeczy::loadView()
{
    auto *rozdzielony = new WidokRozdzielonyPotoku;
    QWidget *lewy = zbudujWidokLewy();
    lewy->setObjectName(QStringLiteral("widokLewy"));
    rozdzielony->addSubview(lewy);
    QWidget *panel = m_kontrolerRzeczy->view();
    panel->resize(200, panel->height());
    rozdzielony->addSubview(panel);
    m_kontrolerWidokuRozdzielonego->setWidokRozdzielony(rozdzielony);
    m_kontrolerWidokuRozdzielonego->setWidokPanelaPrawego(panel);
    rozdzielony->setDelegate(m_kontrolerWidokuRozdzielonego);
    setView(rozdzielony);
}
