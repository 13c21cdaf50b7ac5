#pragma once

#include "Actions/OknaZGenerowanymPortfolio.h"

#include "App/UruchomienieProgramu.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/OknaTarrowind.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Platform/UserDefaults.h"

#include <QTest>

#include <memory>

// The program started as `main` starts it, on a generated portfolio (flows "_Main_Flow", "Potok 0001",
// "Potok 0002" of 12 beans each, two archived per flow), the desktop's calls recorded. Tests drive its
// first window with real events at real positions and check the disk; nothing is built by hand.
class UruchomionyProgram : public OknaZGenerowanymPortfolio
{
protected:
    void SetUp() override
    {
        OknaZGenerowanymPortfolio::SetUp();
        if (HasFatalFailure())
            return;
        przedUruchomieniem();
        if (HasFatalFailure())
            return;
        m_uruchomienie = std::make_unique<UruchomienieProgramu>();
        m_uruchomienie->delegat().applicationDidFinishLaunching();
        ASSERT_EQ(m_uruchomienie->delegat().stan(), TarrowindAppDelegate::Stan::Dziala);
        PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::glownaPrzegladarka();
        ASSERT_NE(przegladarka, nullptr);
        m_okno = przegladarka->windowController()->window();
        m_okno->setGeometry(20, 40, 1000, 640);
        ASSERT_TRUE(aktywuj(m_okno));
    }

    void TearDown() override
    {
        for (BrowserWindow *okno : widoczneOknaPrzegladarki())
            okno->close();
        wykonajOdlozoneUsuniecia();
        m_uruchomienie.reset();
        wykonajOdlozoneUsuniecia();
        // The next start in this process opens on the first flow again, not on the view this test chose.
        UserDefaults::standard().removeObject(QStringLiteral("KartaPortfolio.wybranyWidok"));
        OknaZGenerowanymPortfolio::TearDown();
    }

    // What a test adds to the generated portfolio for the program to find at its start.
    virtual void przedUruchomieniem() {}

    // The first view of that class the window shows, or null.
    template<typename Widok>
    Widok *pierwszyWidoczny() const
    {
        for (Widok *widok : m_okno->findChildren<Widok *>())
            if (widok->isVisible())
                return widok;
        return nullptr;
    }

    PrzegladarkaTarrowind *przegladarka() const { return PrzegladarkaTarrowind::przegladarkaDlaOkna(m_okno); }
    KartaPortfolio *kartaPortfolio() const { return przegladarka() ? przegladarka()->wybranaKartaPortfolio() : nullptr; }

    std::unique_ptr<UruchomienieProgramu> m_uruchomienie;
    BrowserWindow *m_okno = nullptr;
};
