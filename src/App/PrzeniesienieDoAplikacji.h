#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

class UruchamiaczProcesow;

// The offer of an AppImage started from elsewhere to move itself to where applications live,
// and the steps it takes. Only an AppImage gets the offer: a package or a build has no single
// file to move.
namespace PrzeniesienieDoAplikacji {

inline constexpr char kluczWyciszenia[] = "moveToApplicationsFolderAlertSuppress";

struct Wolumin
{
    QString punktMontowania;
    bool tylkoDoOdczytu = false;
};

// Everything the offer learns from outside the program; tests put temporary folders, a /proc of
// their own and a recording process runner in place.
struct Otoczenie
{
    QProcessEnvironment zmienne;
    QString katalogDomowy;
    QString katalogPobranych;
    QString lokalnyKatalogAplikacji;
    QStringList katalogiNosnikow;
    QString katalogProc;
    qint64 pid = 0;
    UruchamiaczProcesow *procesy = nullptr;
    std::function<bool(const QString &sciezka)> moznaZapisac;
    std::function<Wolumin(const QString &sciezka)> wolumin;

    static Otoczenie systemowe();
};

// Makes the offer when it applies. YES when this run must end: the program was moved and runs
// again from its new place, or a copy already running there took over.
bool offerMoveToApplicationsFolder(const Otoczenie &otoczenie);

bool pathLiesInApplicationsFolder(const Otoczenie &otoczenie, const QString &sciezka);
// The user's ~/Applications when it holds an AppImage already, else the local folder; empty
// when the one chosen does not exist.
QString chooseApplicationsFolder(const Otoczenie &otoczenie, bool *wlasnyKatalog = nullptr);
bool pathLiesInDownloadsFolder(const Otoczenie &otoczenie, const QString &sciezka);
// YES for a read-only mount of a removable volume; `punktMontowania` then receives its mount point.
bool runsFromReadOnlyVolume(const Otoczenie &otoczenie, const QString &sciezka, QString *punktMontowania = nullptr);
// One administrator's consent removes the destination and copies the source in its place.
bool copyWithAdministratorRights(const Otoczenie &otoczenie, const QString &zrodlo, const QString &cel,
                                 bool *anulowano = nullptr);
bool putPathInTrash(const QString &sciezka);
bool copyApplicationBundle(const QString &zrodlo, const QString &cel);
// Starts the copy at `cel` once this process has ended; with a mount point, detaches that volume
// a little later. NO when nothing could be started.
bool relaunchFromPath(const Otoczenie &otoczenie, const QString &cel, const QString &punktMontowaniaDoOdlaczenia = {});
// Every link along the path followed; empty when the path does not exist.
QString stringByResolvingSymlinksAndAliases(const QString &sciezka);

} // namespace PrzeniesienieDoAplikacji
