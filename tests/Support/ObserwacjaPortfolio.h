#pragma once

#include "Model/BazaFasolek.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/SCEvents.h"
#include "Model/SpecKatalog.h"
#include "Support/CzasyOczekiwania.h"

#include <QDir>
#include <QDirIterator>
#include <QTest>

// Waits until the database's watcher watches every folder of All Beans and of the archive, so that
// no change another program makes is missed; false when it never does.
inline bool czekajNaObserwacjePortfolio()
{
    int katalogow = 0;
    for (auto rodzaj : {SpecKatalog::suWszystkieFasolki, SpecKatalog::suArchiwum}) {
        ++katalogow;
        QDirIterator it(SpecKatalog::sharedSpecKatalog()->url(rodzaj),
                        QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDirIterator::Subdirectories);
        for (; it.hasNext(); it.next())
            ++katalogow;
    }
    auto *obserwator =
        dynamic_cast<ObserwatorZmianNaDysku *>(BazaFasolek::sharedBazaFasolek()->obserwatorZmianNaDysku());
    return obserwator
           && QTest::qWaitFor(
               [&] {
                   return obserwator->events() && obserwator->events()->liczbaObserwowanychKatalogow() >= katalogow;
               },
               czasNaZdarzenieMs);
}
