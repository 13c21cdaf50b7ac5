#pragma once

#include "Support/Ui/UruchomionyProgram.h"

#include "Model/SpecKatalog.h"

#include <QDir>
#include <QFile>

#include <cstdio>

// The program started as `main` starts it, on the generated portfolio kept in the base folder "Biuro"
// of the test's folder, so that another program can rename or move the base folder and the portfolio
// within the test's folder.
class UruchomionyWBiurze : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        ASSERT_TRUE(QDir().mkpath(biuro()));
        ASSERT_TRUE(QDir().rename(m_baza.sciezka(QStringLiteral("Tarrowind")), biuro() + QStringLiteral("/Tarrowind")));
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(biuro()));
    }

    QString biuro() const { return m_baza.sciezka(QStringLiteral("Biuro")); }

    // Another program's plain rename(2), relative to the test's folder.
    void przenies(const QString &skad, const QString &dokad)
    {
        const QString cel = m_baza.sciezka(dokad);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(cel).path()));
        ASSERT_EQ(std::rename(QFile::encodeName(m_baza.sciezka(skad)).constData(), QFile::encodeName(cel).constData()),
                  0);
    }
};
