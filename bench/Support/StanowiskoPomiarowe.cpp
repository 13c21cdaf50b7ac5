#include "StanowiskoPomiarowe.h"

#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"

#include <QDir>

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>

namespace {

std::string przygotujDom(const char *wzorKatalogu)
{
    std::string dom = wzorKatalogu;
    if (!mkdtemp(dom.data())) {
        std::fprintf(stderr, "No temporary folder at %s\n", wzorKatalogu);
        std::exit(1);
    }
    setenv("HOME", dom.c_str(), 1);
    for (const char *zmienna : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const std::string sciezka = dom + "/" + zmienna;
        mkdir(sciezka.c_str(), 0700);
        setenv(zmienna, sciezka.c_str(), 1);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return dom;
}

} // namespace

StanowiskoPomiarowe::StanowiskoPomiarowe(int &argc, char **argv, const char *wzorKatalogu, const Aplikacja &aplikacja)
    : m_dom(przygotujDom(wzorKatalogu))
    , m_aplikacja(aplikacja ? aplikacja(argc, argv) : std::make_unique<QGuiApplication>(argc, argv))
{
    QGuiApplication::setOrganizationName(QStringLiteral("Tarrowind"));
    QGuiApplication::setApplicationName(QStringLiteral("Tarrowind"));
}

StanowiskoPomiarowe::~StanowiskoPomiarowe()
{
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    QDir(QString::fromStdString(m_dom)).removeRecursively();
}

GeneratorPortfolio::Wynik StanowiskoPomiarowe::zbudujPortfolio(int potoki, int fasolkiNaPotok)
{
    const QString baza = QString::fromStdString(m_dom) + QStringLiteral("/baza");
    QDir().mkpath(baza);
    GeneratorPortfolio::Uklad uklad;
    uklad.potoki = potoki;
    uklad.fasolkiNaPotok = fasolkiNaPotok;
    const GeneratorPortfolio::Wynik portfolio = GeneratorPortfolio::zbuduj(baza, uklad);
    if (!portfolio.udany || !SpecKatalog::sharedSpecKatalog()->setUrlBazowy(baza)) {
        std::fprintf(stderr, "Could not lay out the portfolio in %s\n", qPrintable(baza));
        std::exit(1);
    }
    return portfolio;
}
