#pragma once

#include "Model/OperacjeTestowe.h"

#include "Browser/OknaTarrowind.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/NagrywajaceUslugiPulpitu.h"

// Flows "Potok 0001", "Potok 0002": active "Fasolka 0000.txt" and folder "Projekt 0006", waiting "Fasolka 0002.png",
// inactive "Fasolka 0003.md"; flow archives with "Fasolka 0000.txt". The desktop's calls recorded; windows closed
// after.
class OknaZGenerowanymPortfolio : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(),
                                               {.potoki = 3, .fasolkiNaPotok = 12, .fasolkiNaArchiwumPotoku = 2})
                        .udany);
        DesktopServices::setShared(std::make_unique<NagrywajaceUslugiPulpitu>(&m_wywolania));
    }
    void TearDown() override
    {
        for (BrowserWindow *okno : widoczneOknaPrzegladarki())
            okno->close();
        wykonajOdlozoneUsuniecia();
        DesktopServices::setShared(nullptr);
        OperacjeTestowe::TearDown();
    }

    QStringList m_wywolania;
};
