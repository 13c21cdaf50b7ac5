#pragma once

// A tab that names a widget: downwards, which the include check lets through.
#include "Widgets/WidzetZeZnajomoscKarty.h"
