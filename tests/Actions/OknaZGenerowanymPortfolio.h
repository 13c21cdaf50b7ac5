#pragma once

#include "Model/OperacjeTestowe.h"

#include "Browser/OknaTarrowind.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/NagrywajaceUslugiPulpitu.h"

// A generated portfolio of three flows ("Potok 0001" and "Potok 0002": active "Fasolka 0000.txt" and
// folder "Projekt 0006", waiting "Fasolka 0002.png", inactive "Fasolka 0003.md"; each flow archive
// holds "Fasolka 0000.txt" and more), the desktop's calls recorded, and every browser window
// closed afterwards.
class OknaZGenerowanymPortfolio : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), {.potoki = 3, .fasolkiNaPotok = 12,
                                                                  .fasolkiNaArchiwumPotoku = 2}).udany);
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
