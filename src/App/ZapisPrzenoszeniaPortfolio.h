#pragma once

#include "Platform/Ui/Alert.h"

#include <QString>

#include <optional>

// The record, in the settings, of a portfolio move under way: the portfolio folder that moves and
// the place it moves to. It is written before the move starts and dropped once the move's end is
// settled, so that the start after a killed program finds the move and settles it: a copy is put in
// its place only when it is complete, so a portfolio standing at the new place is the moved one and
// becomes the location, and one missing there means the old place is still whole.
class ZapisPrzenoszeniaPortfolio
{
public:
    ZapisPrzenoszeniaPortfolio() = delete;

    // On disk before it answers YES; NO when the settings could not be written.
    static bool zapisz(const QString &portfolio, const QString &nowePortfolio);
    static void usun();
    // At start-up, before the location is read: stores the new place of a move that got there,
    // drops the record, and answers what the user is told of the move, or nothing when a kill
    // came only after the move was settled.
    static std::optional<Alert> dokonczPrzerwane();
};
