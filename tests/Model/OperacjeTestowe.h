#pragma once

#include "Support/MigawkaKatalogu.h"
#include "Support/PortfolioTestowe.h"

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"

#include "Platform/Konsola.h"

#include <QDir>
#include <QStringList>

// A built graph over a real portfolio, with pictures of the disk and of the graph taken
// before and after an operation, and the console lines it wrote.
class OperacjeTestowe : public PortfolioTestowe
{
protected:
    void SetUp() override
    {
        PortfolioTestowe::SetUp();
        Konsola::ustawWyjscie([this](const QByteArray &linia) { m_konsola << QString::fromUtf8(linia).trimmed(); });
    }

    void TearDown() override
    {
        Konsola::ustawWyjscie({});
        PortfolioTestowe::TearDown();
    }

    BazaFasolek *baza() { return BazaFasolek::sharedBazaFasolek(); }
    Potok *potok(const QString &nazwa) { return baza()->znajdzPotokONazwie(nazwa); }
    Fasolka *fasolka(const QString &nazwaPotoku, const QString &nazwa)
    {
        Potok *wlasciciel = potok(nazwaPotoku);
        return wlasciciel ? wlasciciel->znajdzFasolkeONazwie(nazwa) : nullptr;
    }
    static QString url(const Fasolka *fasolka)
    {
        return fasolka && fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString();
    }

    // The names in a folder of the portfolio, hidden ones too.
    QStringList wpisy(const QString &wzgledna) const
    {
        QStringList nazwy = QDir(R(wzgledna)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
        nazwy.sort();
        return nazwy;
    }

    // Every flow and flow archive with its beans: object, path and status.
    QStringList stanGrafu()
    {
        QStringList stan;
        const auto opiszFasolki = [&](const QString &wlasciciel, const ZbiorObiektow<Fasolka> &fasolki) {
            for (Fasolka *f : fasolki)
                stan << QStringLiteral("%1: %2 %3 %4")
                            .arg(wlasciciel)
                            .arg(quintptr(f), 0, 16)
                            .arg(url(f).mid(R().size()))
                            .arg(f->statusFasolki());
        };
        for (Potok *p : baza()->potoki()) {
            stan << QStringLiteral("potok %1 %2").arg(quintptr(p), 0, 16).arg(p->bytPotoku()->plikowyURL());
            opiszFasolki(p->nazwa(), p->fasolki());
        }
        for (ArchiwumPotoku *a : baza()->archiwum()->archiwaPotokow()) {
            stan << QStringLiteral("archiwum %1 %2").arg(quintptr(a), 0, 16).arg(a->katalog()->plikowyURL());
            opiszFasolki(QStringLiteral("archiwum ") + a->nazwa(), a->fasolki());
        }
        stan.sort();
        return stan;
    }

    // Takes both pictures; niezmienione() then tells whether anything changed since.
    void zapamietajStan()
    {
        baza();
        m_dysk = migawkaKatalogu(R());
        m_graf = stanGrafu();
    }
    void sprawdzNiezmienione()
    {
        EXPECT_EQ(migawkaKatalogu(R()), m_dysk) << "the disk changed";
        EXPECT_EQ(stanGrafu(), m_graf) << "the graph changed";
    }

    QStringList m_konsola;
    QStringList m_dysk;
    QStringList m_graf;
};
