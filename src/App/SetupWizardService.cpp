#include "SetupWizardService.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/SpecKatalog.h"
#include "Platform/DelayedOperations.h"
#include "Platform/FileOperations.h"
#include "Platform/Opoznienia.h"
#include "Platform/Paths.h"
#include "Platform/PrzenoszenieKatalogu.h"

#include <QDir>

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace {

const QString &nazwaPortfolio()
{
    return SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkTarrowind);
}

bool bezwzgledna(const QString &sciezka)
{
    return sciezka.startsWith(QLatin1Char('/'));
}

// Where programs keep a user's private settings, data and caches: the counterpart of the
// Library folder, in which a portfolio would be lost to the user.
QStringList katalogiPrywatneProgramow()
{
    const QString dom = Paths::clean(QDir::homePath());
    QStringList katalogi = {Paths::join(dom, QStringLiteral(".local")), Paths::join(dom, QStringLiteral(".config")),
                            Paths::join(dom, QStringLiteral(".cache"))};
    for (const char *zmienna : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const QString wartosc = qEnvironmentVariable(zmienna);
        // Relative values are invalid and ignored, as the base-directory rules say.
        if (bezwzgledna(wartosc))
            katalogi.append(Paths::clean(wartosc));
    }
    return katalogi;
}

// One folder on disk under two spellings, for instance through a linked parent.
bool tenSamKatalog(const QString &a, const QString &b)
{
    struct stat sa, sb;
    return stat(QFile::encodeName(a).constData(), &sa) == 0 && stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace

static_assert(SetupWizardService::statusCancelled == PrzenoszenieKatalogu::statusAnulowano);

SetupWizardService::SetupWizardService(QObject *rodzic)
    : QObject(rodzic)
{
    m_operationQueue.setMaxThreadCount(1);
}

SetupWizardService::~SetupWizardService()
{
    m_operationQueue.waitForDone();
}

void SetupWizardService::setUrlBazowy(const QString &url)
{
    m_urlBazowy = url.isEmpty() ? QString() : Paths::clean(url);
}

bool SetupWizardService::istniejeJakoKatalog(const QString &url)
{
    return BytSystemuPlikow::urlToKatalog(url);
}

int SetupWizardService::selectOperationOnPortfolio() const
{
    // The sandbox's home is the user's home here, so the place chosen may be the sandbox portfolio
    // itself: one portfolio, used where it lies, not a conflict the user is told to settle by
    // deleting one of them.
    if (czyIstniejePortfolioWPiaskownicy()
        && !(czyPortfolioJuzIstnieje() && tenSamKatalog(urlPortfolioTarrowind(), urlPortfolioWPiaskownicy())))
        return czyPortfolioJuzIstnieje() ? OperationConflict : OperationMigrate;
    return czyPortfolioJuzIstnieje() ? OperationUse : OperationCreate;
}

bool SetupWizardService::czyPortfolioJuzIstnieje() const
{
    return czyUstawionyUrlBazowy() && istniejeJakoKatalog(urlPortfolioTarrowind());
}

bool SetupWizardService::czyIstniejePortfolioWPiaskownicy()
{
    return SpecKatalog::isAppRunningInSandbox() && istniejeJakoKatalog(urlPortfolioWPiaskownicy());
}

QString SetupWizardService::urlPortfolioWPiaskownicy()
{
    return SpecKatalog::sharedSpecKatalog()->urlBazowyWPiaskownicy();
}

QString SetupWizardService::urlPortfolioTarrowind() const
{
    return urlForTarrowindPortfolioForURL(m_urlBazowy);
}

QString SetupWizardService::sciezkaUrlaBazowegoDoWyswietlenia() const
{
    return urlPortfolioTarrowind();
}

QString SetupWizardService::urlForTarrowindPortfolioForURL(const QString &url)
{
    if (url.isEmpty())
        return {};
    const QString czysty = Paths::clean(url);
    if (Paths::lastComponent(czysty) == nazwaPortfolio())
        return czysty;
    return Paths::join(czysty, nazwaPortfolio());
}

QString SetupWizardService::pathToTarrowindPortfolioForURL(const QString &url)
{
    return urlForTarrowindPortfolioForURL(url);
}

QString SetupWizardService::urlSciezkiBazowej_1_1_zUstawien() const
{
    const QString sciezka = SpecKatalog::sharedSpecKatalog()->sciezkaBazowa_1_1_zUstawien();
    return sciezka.isEmpty() ? QString() : Paths::clean(sciezka);
}

bool SetupWizardService::czyUrlSciezkiBazowej_1_1_JuzIstnieje() const
{
    return istniejeJakoKatalog(urlSciezkiBazowej_1_1_zUstawien());
}

bool SetupWizardService::czyUrlWLibrary(const QString &url) const
{
    if (!bezwzgledna(url))
        return false;
    for (const QString &katalog : katalogiPrywatneProgramow()) {
        if (Paths::contains(katalog, url))
            return true;
    }
    return false;
}

QString SetupWizardService::fragmentBedacyUrlemDoPortfolio(const QString &url) const
{
    const QString czysty = Paths::clean(url);
    if (!bezwzgledna(czysty))
        return {};
    const QStringList komponenty = czysty.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < komponenty.size(); ++i) {
        if (komponenty.at(i) == nazwaPortfolio())
            return QLatin1Char('/') + komponenty.mid(0, i + 1).join(QLatin1Char('/'));
    }
    return {};
}

void SetupWizardService::useOrCreatePortfolioWithBlock(CreationBlock blok)
{
    const QString portfolio = urlPortfolioTarrowind();
    const double opoznienie = Opoznienia::biezace().odpowiedzUtworzenia;
    m_operationQueue.start([this, portfolio, opoznienie, blok = std::move(blok)] {
        BladOperacji blad;
        bool ok = false;
        if (bezwzgledna(portfolio))
            ok = FileOperations::createFolder(portfolio, true, &blad);
        else
            BladOperacji::zErrno(&blad, ENOENT, QStringLiteral("Could not create the folder."), portfolio);
        // The service waits for this thread before it goes, so it is alive to be the answer's context.
        DelayedOperations::addOperationAfterDelayWithBlock(opoznienie, this, [ok, blad, blok] { blok(ok, blad); });
    });
}

void SetupWizardService::migratePortfolioFromURLToURLWithBlock(const QString &zrodlo, const QString &cel,
                                                               MigrateBlock blok,
                                                               PrzenoszenieKatalogu::Oznaczenie oznacz)
{
    const QString opis = QStringLiteral("Could not move the portfolio.");
    BladOperacji blad;
    if (m_przenoszenie) {
        BladOperacji::zErrno(&blad, EBUSY, opis, zrodlo);
        blok(true, blad, -1, -1);
        return;
    }
    QString portfolio = Paths::clean(zrodlo);
    if (Paths::lastComponent(portfolio) != nazwaPortfolio())
        portfolio = Paths::join(portfolio, nazwaPortfolio());
    if (!bezwzgledna(zrodlo) || !bezwzgledna(cel)) {
        BladOperacji::zErrno(&blad, ENOENT, opis, bezwzgledna(zrodlo) ? cel : portfolio);
        blok(true, blad, -1, -1);
        return;
    }

    auto przenoszenie = std::make_unique<PrzenoszenieKatalogu>(portfolio, cel);
    przenoszenie->setOznaczenie(std::move(oznacz));
    connect(przenoszenie.get(), &PrzenoszenieKatalogu::postep, this, [this](qint64 przeniesione, qint64 razem) {
        if (MigrateBlock biezacy = m_migrateBlock)
            biezacy(false, std::nullopt, przeniesione, razem);
    });
    connect(przenoszenie.get(), &PrzenoszenieKatalogu::zakonczone, this, &SetupWizardService::zakonczMigracje);
    if (!przenoszenie->rozpocznij(&blad)) {
        blok(true, blad, -1, -1);
        return;
    }
    m_przenoszenie = std::move(przenoszenie);
    m_migrateBlock = std::move(blok);
    m_migrationLeftoversFolder.clear();
}

void SetupWizardService::zakonczMigracje(int status, const BladOperacji &blad)
{
    MigrateBlock blok = std::move(m_migrateBlock);
    m_migrateBlock = {};
    if (status == 0 && !m_przenoszenie->pozostawioneWZrodle().isEmpty())
        m_migrationLeftoversFolder = m_przenoszenie->zrodlo();
    // Still inside the move's own report: it goes once that has returned.
    m_przenoszenie.release()->deleteLater();
    if (blok)
        blok(true, status == 0 ? std::nullopt : std::optional<BladOperacji>(blad), -1, -1);
}

void SetupWizardService::cancelMigrationProcess()
{
    if (m_przenoszenie)
        m_przenoszenie->anuluj();
}
