#pragma once

#include "Platform/BladOperacji.h"
#include "Platform/Bookmark.h"
#include "Platform/Ui/Alert.h"

#include <QString>

#include <functional>

// The record, in the settings, of a portfolio move under way: the portfolio folder that moves, the
// place it moves to and, once the move's copy is complete and before it takes that place, the
// identity of that copy. It is written before the move starts, so that the start after a killed
// program finds the move and settles it: only the marked copy standing at the new place is the
// moved portfolio and becomes the location; anything else there is not the program's, and the old
// place stays the location. The record goes once the move has ended before the user's eyes.
class ZapisPrzenoszeniaPortfolio
{
public:
    ZapisPrzenoszeniaPortfolio() = delete;

    // On disk before it answers YES; NO when the settings could not be written.
    static bool zapisz(const QString &portfolio, const QString &nowePortfolio, BladOperacji *blad = nullptr);
    // The complete copy, about to take the new place's name; on disk before it answers YES.
    static bool oznaczKopie(const Bookmark::Identity &kopia, BladOperacji *blad = nullptr);
    static void usun();

    // Shows the user one alert and answers whether the user saw it to the end.
    using Powiedz = std::function<bool(Alert &alert)>;
    // At start-up, before the location is read: stores the new place of a move that got there and
    // tells what became of the move. The record goes only once the user saw that, so a start killed
    // or ended before tells again.
    static void dokonczPrzerwane(const Powiedz &powiedz);
};
