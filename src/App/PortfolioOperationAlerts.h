#pragma once

#include "Platform/Ui/Alert.h"

#include <QString>

struct BladOperacji;

// The alerts that report how an operation on a portfolio ended, the same in the set-up wizard
// and in the change of location.
namespace PortfolioOperationAlerts {

// The location could not be written to the settings: the next start would not find it.
Alert couldNotStoreLocation(const QString &urlBazowy);
Alert couldNotCreatePortfolio(const BladOperacji &blad, const QString &portfolio);
Alert migrationError(const BladOperacji &blad);
// A move that left behind items written into the portfolio while it ran.
Alert itemsStayedInOldPortfolio(const QString &katalog);
// Another program moved or deleted the portfolio folder where its stored location does not lead.
Alert portfolioNotFound(const QString &portfolio, const BladOperacji &blad);
// Why the window may not close nor the program quit now.
Alert migrationInProgress();

} // namespace PortfolioOperationAlerts
