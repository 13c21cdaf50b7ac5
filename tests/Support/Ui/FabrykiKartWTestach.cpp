// Tabs a test builds by hand, without starting the program, get the program's views and actions as
// the start-up installs them. Compiled into every test executable that links the helpers.

#include "App/FabrykiKartProgramu.h"

#include <gtest/gtest.h>

namespace {

class FabrykiKartProgramuWTestach : public ::testing::Environment
{
public:
    void SetUp() override { FabrykiKartProgramu::zainstaluj(); }
};

[[maybe_unused]] ::testing::Environment *const fabrykiKartProgramuWTestach =
    ::testing::AddGlobalTestEnvironment(new FabrykiKartProgramuWTestach);

} // namespace
