#pragma once

#include "Model/BazaFasolek.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>


// A fresh object graph over a real temporary base folder; the portfolio is its "Tarrowind".
class PortfolioTestowe : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(m_baza.sciezka()));
    }

    void TearDown() override
    {
        BazaFasolek::setAlertKrytyczny({});
        BazaFasolek::setFabrykaObserwatoraZmianNaDysku({});
    }

    // A path inside the portfolio folder.
    QString R(const QString &wzgledna = {}) const
    {
        return wzgledna.isEmpty() ? m_baza.sciezka(QStringLiteral("Tarrowind"))
                                  : m_baza.sciezka(QStringLiteral("Tarrowind/") + wzgledna);
    }
    QString plik(const QString &wzgledna, const QByteArray &tresc = "tresc")
    {
        return m_baza.plik(QStringLiteral("Tarrowind/") + wzgledna, tresc);
    }
    QString katalog(const QString &wzgledna) { return m_baza.katalog(QStringLiteral("Tarrowind/") + wzgledna); }

    KatalogTestowy m_baza;
};
