#include "KontrolerPaskaNawigacji.h"

#include "Browser/KontrolerKartyPortfolio.h"

#include <QWidget>

KontrolerPaskaNawigacji::KontrolerPaskaNawigacji(QObject *rodzic)
    : ViewController(rodzic)
{
}

void KontrolerPaskaNawigacji::skonfigurujWidok(KontrolerKartyPortfolio *kontroler)
{
    m_kontrolerKartyPortfolio = kontroler;
}

void KontrolerPaskaNawigacji::zaznaczElementONazwie(const QString &)
{
}

void KontrolerPaskaNawigacji::zaznaczElement(QObject *)
{
}

void KontrolerPaskaNawigacji::zaznaczElementDlaWidoku(const ItemWidoku &)
{
}

QString KontrolerPaskaNawigacji::nazwaZaznaczonegoElementu() const
{
    return {};
}

KontrolerKartyPortfolio *KontrolerPaskaNawigacji::kontrolerKartyPortfolio() const
{
    return m_kontrolerKartyPortfolio;
}

void KontrolerPaskaNawigacji::loadView()
{
    auto *widok = new QWidget;
    widok->setObjectName(QStringLiteral("widokPaskaNawigacji"));
    widok->setFocusPolicy(Qt::NoFocus);
    setView(widok);
}
