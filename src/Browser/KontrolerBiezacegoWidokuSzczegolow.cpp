#include "KontrolerBiezacegoWidokuSzczegolow.h"

#include "KontrolerKartyPortfolio.h"

KontrolerBiezacegoWidokuSzczegolow::KontrolerBiezacegoWidokuSzczegolow(QObject *rodzic)
    : ViewController(rodzic)
{
}

void KontrolerBiezacegoWidokuSzczegolow::ustawWidokJakoPierwszyResponder()
{
    if (QWidget *widok = loadedView())
        widok->setFocus(Qt::OtherFocusReason);
}

KontrolerKartyPortfolio *KontrolerBiezacegoWidokuSzczegolow::kontrolerKartyPortfolio() const
{
    return m_kontrolerKartyPortfolio;
}

void KontrolerBiezacegoWidokuSzczegolow::setKontrolerKartyPortfolio(KontrolerKartyPortfolio *kontroler)
{
    m_kontrolerKartyPortfolio = kontroler;
}
