#pragma once

#include "App/UruchomienieProgramu.h"
#include "Browser/OknaTarrowind.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Platform/UserDefaults.h"

#include <gtest/gtest.h>

#include <memory>

// The program started as `main` starts it, its first window placed and active.
inline void uruchomProgram(std::unique_ptr<UruchomienieProgramu> &uruchomienie, BrowserWindow *&okno)
{
    uruchomienie = std::make_unique<UruchomienieProgramu>();
    uruchomienie->delegat().applicationDidFinishLaunching();
    ASSERT_EQ(uruchomienie->delegat().stan(), TarrowindAppDelegate::Stan::Dziala);
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::glownaPrzegladarka();
    ASSERT_NE(przegladarka, nullptr);
    okno = przegladarka->windowController()->window();
    okno->setGeometry(20, 40, 1000, 640);
    ASSERT_TRUE(aktywuj(okno));
}

// Every window closed and the program gone.
inline void zatrzymajProgram(std::unique_ptr<UruchomienieProgramu> &uruchomienie)
{
    for (BrowserWindow *okno : widoczneOknaPrzegladarki())
        okno->close();
    wykonajOdlozoneUsuniecia();
    uruchomienie.reset();
    wykonajOdlozoneUsuniecia();
    // The next start in this process opens on the first flow again, not on the view this test chose.
    UserDefaults::standard().removeObject(QStringLiteral("KartaPortfolio.wybranyWidok"));
}
