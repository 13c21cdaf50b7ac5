#pragma once

#include "RodzajWidokuPortfolio.h"

#include <QPointer>
#include <QString>

#include <variant>

class Fasolka;
class Potok;

// One thing a portfolio tab's details area can show: a view by its name, a flow or a bean.
// Names compare by value, flows and beans by identity. Model objects outlive every tab.
class ItemWidoku
{
public:
    ItemWidoku() = default;
    ItemWidoku(const QString &nazwaWidoku);
    ItemWidoku(Potok *potok);
    ItemWidoku(Fasolka *fasolka);

    bool isNull() const;
    QString nazwaWidoku() const;
    Potok *potok() const;
    Fasolka *fasolka() const;

    bool operator==(const ItemWidoku &inny) const;

private:
    std::variant<std::monostate, QString, QPointer<Potok>, QPointer<Fasolka>> m_wartosc;
};
