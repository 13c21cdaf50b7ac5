#pragma once

#include <QString>

#include <vector>

// The floor of a search keystroke: one plain pass of "contains" over the cached folded names.
inline qsizetype trafieniaFrazy(const std::vector<QString> &zlozoneNazwy, const QString &zlozonaFraza)
{
    qsizetype trafione = 0;
    for (const QString &nazwa : zlozoneNazwy)
        trafione += nazwa.contains(zlozonaFraza);
    return trafione;
}
