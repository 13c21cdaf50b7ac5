#pragma once

#include "Platform/BladOperacji.h"
#include "Platform/PrzenoszenieKatalogu.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <optional>

// The logic of placing a portfolio: the base folder the user chose, the operation that choice
// calls for, the location checks, creating the portfolio folder off the main thread and moving
// a whole portfolio with progress and cancel. It shows nothing and stores nothing: the callers
// record the location and build the bean database.
class SetupWizardService : public QObject
{
    Q_OBJECT

public:
    enum OperationOnPortfolio {
        OperationNone = 0,
        OperationCreate = 1,   // no portfolio at the chosen place: make one
        OperationUse = 2,      // a portfolio is there: take it into use
        OperationMigrate = 3,  // move the sandbox portfolio there
        OperationConflict = 4, // portfolios in both places: the user must resolve it first
    };

    // (ok, error): the error is empty on success.
    using CreationBlock = std::function<void(bool ok, const BladOperacji &blad)>;
    // (finished, error or nothing, moved, total). `finished` NO is a progress report; YES ends
    // the migration, successfully when there is no error. Counts are -1 when unknown, and
    // always -1 on the final report.
    using MigrateBlock =
        std::function<void(bool finished, const std::optional<BladOperacji> &blad, qint64 moved, qint64 total)>;

    static constexpr int statusCancelled = -128;

    explicit SetupWizardService(QObject *rodzic = nullptr);
    ~SetupWizardService() override;

    QString urlBazowy() const { return m_urlBazowy; }
    void setUrlBazowy(const QString &url);
    int operationOnPortfolio() const { return m_operationOnPortfolio; }
    void setOperationOnPortfolio(int operacja) { m_operationOnPortfolio = operacja; }

    // What the current choice calls for; not stored.
    int selectOperationOnPortfolio() const;
    bool czyPortfolioJuzIstnieje() const;
    static bool czyIstniejePortfolioWPiaskownicy();
    static QString urlPortfolioWPiaskownicy();
    bool czyUstawionyUrlBazowy() const { return !m_urlBazowy.isEmpty(); }
    QString urlPortfolioTarrowind() const;
    QString sciezkaUrlaBazowegoDoWyswietlenia() const;
    // The base itself when it is named "Tarrowind", else base/"Tarrowind"; empty for empty.
    static QString urlForTarrowindPortfolioForURL(const QString &url);
    static QString pathToTarrowindPortfolioForURL(const QString &url);
    // The base folder of the older format; empty when none is stored.
    QString urlSciezkiBazowej_1_1_zUstawien() const;
    bool czyUrlSciezkiBazowej_1_1_JuzIstnieje() const;

    // Inside the user's own settings, data or cache folders, the places where programs keep
    // their private files. Component-wise: "~/.configs" is not inside "~/.config".
    bool czyUrlWLibrary(const QString &url) const;
    // The leading part of the path up to its first component named "Tarrowind"; empty when none.
    QString fragmentBedacyUrlemDoPortfolio(const QString &url) const;

    // Makes the portfolio folder with its missing parents on the service's own thread; an existing
    // folder is success. The block runs on the main thread 1.0 s after the folder was made.
    void useOrCreatePortfolioWithBlock(CreationBlock blok);
    // Moves the portfolio (the source, "Tarrowind" appended unless it ends so) into the
    // destination folder under its own name, never replacing what is there. Reports come on the
    // main thread; they wait while an alert is up. `oznacz` is given the folder that is to take the
    // new place, complete, before it takes it; its NO fails the move.
    void migratePortfolioFromURLToURLWithBlock(const QString &zrodlo, const QString &cel, MigrateBlock blok,
                                               PrzenoszenieKatalogu::Oznaczenie oznacz = {});
    // Honoured from the start of the move until the copy is complete; otherwise nothing.
    void cancelMigrationProcess();
    bool czyMigracjaTrwa() const { return m_przenoszenie != nullptr; }
    // From a successful final report on: the old portfolio folder when items written into it
    // during the move stayed there (the move took everything else); empty when it is gone.
    QString migrationLeftoversFolder() const { return m_migrationLeftoversFolder; }

private:
    // A folder itself, not a link to one: a link stands where an alias would.
    static bool istniejeJakoKatalog(const QString &url);
    void zakonczMigracje(int status, const BladOperacji &blad);

    QString m_urlBazowy;
    int m_operationOnPortfolio = OperationNone;
    MigrateBlock m_migrateBlock;
    QString m_migrationLeftoversFolder;
    // Held from the start of the move to its final report, so a cancel can always reach it.
    std::unique_ptr<PrzenoszenieKatalogu> m_przenoszenie;
    // Last member: destroyed first, so the creation thread ends while the rest still exists.
    QThreadPool m_operationQueue;
};
