#include "Support/Ui/UruchomionyProgram.h"

#include "Browser/KontrolerKartyPortfolio.h"

// The start-up `main` runs, in this process: one browser window, a portfolio tab on the main flow.
TEST_F(UruchomionyProgram, TheStartUpOpensOneWindowWithAPortfolioTabOnTheMainFlow)
{
    oczekujJednegoOknaZKartaPortfolio();
    ASSERT_NE(kartaPortfolio(), nullptr);
    EXPECT_EQ(kartaPortfolio()->title(), QStringLiteral("Flow: Main Flow"));
}
