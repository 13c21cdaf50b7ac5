#include "PortfolioPodObciazeniem.h"

namespace {

using PrzebiegLosowy = PortfolioPodObciazeniem;

// Every model operation against every kind of change made by another program, the watcher
// delivering in between; 1,000 steps, or TARROWIND_STRESS_OPS of them.
TEST_F(PrzebiegLosowy, NoFileIsLostAndTheGraphEqualsAFreshBuildAfterEverySettle)
{
    const int krokow =
        qEnvironmentVariableIsSet("TARROWIND_STRESS_OPS") ? qEnvironmentVariableIntValue("TARROWIND_STRESS_OPS") : 1000;
    ustawBudzetCzasu(60 + krokow / 10, "the random run of seed " + std::to_string(m_ziarno));
    int ustalen = 0;
    int krok = 1;
    for (; krok <= krokow && !HasFailure(); ++krok) {
        if (szansa(50))
            krokProgramu();
        else
            krokInnegoProgramu();
        if (krok == krokow || szansa(30)) {
            ASSERT_TRUE(ustal());
            sprawdzNiezmienniki(QStringLiteral("step %1").arg(krok));
            ++ustalen;
        }
    }
    std::printf("%d of %d steps, %d settles checked\n", krok - 1, krokow, ustalen);
}

} // namespace
