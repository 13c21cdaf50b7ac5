#include "ItemWidoku.h"

#include "Model/Fasolka.h"
#include "Model/Potok.h"

ItemWidoku::ItemWidoku(const QString &nazwaWidoku)
{
    if (!nazwaWidoku.isNull())
        m_wartosc = nazwaWidoku;
}

ItemWidoku::ItemWidoku(Potok *potok)
{
    if (potok)
        m_wartosc = QPointer<Potok>(potok);
}

ItemWidoku::ItemWidoku(Fasolka *fasolka)
{
    if (fasolka)
        m_wartosc = QPointer<Fasolka>(fasolka);
}

bool ItemWidoku::isNull() const
{
    return std::holds_alternative<std::monostate>(m_wartosc) || (!potok() && !fasolka() && nazwaWidoku().isNull());
}

QString ItemWidoku::nazwaWidoku() const
{
    const auto *nazwa = std::get_if<QString>(&m_wartosc);
    return nazwa ? *nazwa : QString();
}

Potok *ItemWidoku::potok() const
{
    const auto *potok = std::get_if<QPointer<Potok>>(&m_wartosc);
    return potok ? potok->data() : nullptr;
}

Fasolka *ItemWidoku::fasolka() const
{
    const auto *fasolka = std::get_if<QPointer<Fasolka>>(&m_wartosc);
    return fasolka ? fasolka->data() : nullptr;
}

bool ItemWidoku::operator==(const ItemWidoku &inny) const
{
    if (isNull() || inny.isNull())
        return isNull() && inny.isNull();
    return nazwaWidoku() == inny.nazwaWidoku() && potok() == inny.potok() && fasolka() == inny.fasolka();
}
