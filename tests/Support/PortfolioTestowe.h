#pragma once

#include "Model/BazaFasolek.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/SCEvents.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/KatalogTestowy.h"

#include <QDirIterator>
#include <QTest>

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
    // A real watcher with a short latency for the shared database, built by this call: whether it
    // watches every folder of "All Beans" in time.
    bool obserwujDysk()
    {
        ObserwatorZmianNaDysku::zainstaluj(0.05);
        int katalogi = 1;
        for (QDirIterator it(R(QStringLiteral("All Beans")), QDir::Dirs | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext(); it.next())
            ++katalogi;
        auto *obserwator =
            dynamic_cast<ObserwatorZmianNaDysku *>(BazaFasolek::sharedBazaFasolek()->obserwatorZmianNaDysku());
        return obserwator
               && QTest::qWaitFor(
                   [&] {
                       return obserwator->events() && obserwator->events()->liczbaObserwowanychKatalogow() >= katalogi;
                   },
                   czasNaZdarzenieMs);
    }

    KatalogTestowy m_baza;
};
