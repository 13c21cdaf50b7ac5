#pragma once

// The program's views and actions for the tabs the browser builds: fills FabrykiKart once, before
// the first tab. Start-up calls it; so do tests that build tabs without starting the program.
namespace FabrykiKartProgramu {

void zainstaluj();

} // namespace FabrykiKartProgramu
