#pragma once

#include "Actions/OknaZGenerowanymPortfolio.h"
#include "Support/Ui/StartProgramu.h"

#include "Browser/KartaPortfolio.h"

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
        uruchomProgram(m_uruchomienie, m_okno);
    }

    void TearDown() override
    {
        zatrzymajProgram(m_uruchomienie);
        OknaZGenerowanymPortfolio::TearDown();
    }

    // What a test adds to the generated portfolio for the program to find at its start.
    virtual void przedUruchomieniem() {}

    // The first view of that class the window shows, or null.
    template <typename Widok>
    Widok *pierwszyWidoczny() const
    {
        for (Widok *widok : m_okno->findChildren<Widok *>())
            if (widok->isVisible())
                return widok;
        return nullptr;
    }

    PrzegladarkaTarrowind *przegladarka() const { return PrzegladarkaTarrowind::przegladarkaDlaOkna(m_okno); }
    KartaPortfolio *kartaPortfolio() const
    {
        return przegladarka() ? przegladarka()->wybranaKartaPortfolio() : nullptr;
    }

    std::unique_ptr<UruchomienieProgramu> m_uruchomienie;
    BrowserWindow *m_okno = nullptr;
};
