#include "Widgets/TekstNaJednejLinii.h"

#include <gtest/gtest.h>

namespace {

struct ZnakWNazwie
{
    const char *opis;
    QString nazwa;
    QString pokazana;
};

class TekstNaJednejLiniiTest : public testing::TestWithParam<ZnakWNazwie>
{
};

// Every character that would start a new line in a row shows as a symbol; names without one stay as they are.
TEST_P(TekstNaJednejLiniiTest, ShowsTheNameOnOneLine)
{
    EXPECT_EQ(tekstNaJednejLinii(GetParam().nazwa), GetParam().pokazana);
}

INSTANTIATE_TEST_SUITE_P(
    Znaki, TekstNaJednejLiniiTest,
    testing::Values(ZnakWNazwie{"LineFeed", QStringLiteral("a\nb"), QStringLiteral("a\u2424b")},
                    ZnakWNazwie{"CarriageReturn", QStringLiteral("a\rb"), QStringLiteral("a\u240db")},
                    ZnakWNazwie{"Tab", QStringLiteral("a\tb"), QStringLiteral("a\u2409b")},
                    ZnakWNazwie{"Delete", QStringLiteral("a\x7f"), QStringLiteral("a\u2421")},
                    ZnakWNazwie{"NextLine", QStringLiteral("a\u0085b"), QStringLiteral("a\u2424b")},
                    ZnakWNazwie{"LineSeparator", QStringLiteral("a\u2028b"), QStringLiteral("a\u2424b")},
                    ZnakWNazwie{"ParagraphSeparator", QStringLiteral("a\u2029b"), QStringLiteral("a\u2424b")},
                    ZnakWNazwie{"Plain", QStringLiteral("Caf\u00e9 \u2424"), QStringLiteral("Caf\u00e9 \u2424")}),
    [](const testing::TestParamInfo<ZnakWNazwie> &znak) { return std::string(znak.param.opis); });

} // namespace
