#pragma once

#include "Platform/Ui/Akcja.h"

#include <QCoreApplication>
#include <QList>

#include <cstdint>
#include <span>

class ElementyDlaPolecen;
class Menu;
class QObject;

// The status commands and the status menu that shows and runs them.
class PoleceniaStatusuFasolek
{
    Q_DECLARE_TR_FUNCTIONS(KontrolerAkcjeNaElementach)

public:
    struct PolecenieStatusu
    {
        Akcja akcja;
        std::int32_t status;
        bool zeZnacznikiem; // its menu item shows whether the beans have the status
    };
    // The eight status commands in menu order, reactivation last.
    static std::span<const PolecenieStatusu> poleceniaStatusu();

    explicit PoleceniaStatusuFasolek(const ElementyDlaPolecen &elementy);

    // Moves the beans among the command's items that have another status, and shows one alert
    // for all that failed.
    void ustawStatusFasolek(std::int32_t status, QObject *nadawca);
    // The header (tag 2) names the beans; each status item is on for one bean that has it,
    // mixed for several, else off.
    static void zaktualizujMenuPodreczneStatusuDlaElementow(Menu *menu, const QList<QObject *> &elementy);
    // The status menu under the sender, a button outside the list.
    static void wyswietlPozaTabelaMenuPodreczneStatusu(Menu *menu, QObject *nadawca);

private:
    const ElementyDlaPolecen &m_elementy;
};
