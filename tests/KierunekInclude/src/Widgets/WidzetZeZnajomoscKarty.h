#pragma once

// A widget that names a tab: what the include check must refuse.
#include "ZieloneZaznaczenie.h"
#include "Browser/KartaPortfolio.h"
