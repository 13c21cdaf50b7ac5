#include "PrzeniesienieDoAplikacji.h"

#include "Platform/BladOperacji.h"
#include "Platform/DziennikSystemowy.h"
#include "Platform/FileOperations.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"
#include "Platform/Ui/Alert.h"
#include "Platform/UruchamiaczProcesow.h"
#include "Platform/UserDefaults.h"
#include "Platform/WorkspaceOperations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace PrzeniesienieDoAplikacji {
namespace {

using Poziom = DziennikSystemowy::Poziom;

template <typename... Argumenty>
void zaloguj(Poziom poziom, const QString &format, const Argumenty &...argumenty)
{
    const QString linia = Konsola::sformatuj(format, argumenty...);
    Konsola::zapiszLinie(linia);
    DziennikSystemowy::zapisz(poziom, linia);
}

// APPIMAGE passes on to whatever an AppImage starts: it names our own file only while this very
// executable runs from the image that APPDIR names.
QString sciezkaPakietu(const Otoczenie &otoczenie)
{
    const QString appImage = otoczenie.zmienne.value(QStringLiteral("APPIMAGE"));
    const QString appDir = QFileInfo(otoczenie.zmienne.value(QStringLiteral("APPDIR"))).canonicalFilePath();
    if (appImage.isEmpty() || appDir.isEmpty())
        return {};
    const QString wykonywany = QFileInfo(otoczenie.katalogProc + QStringLiteral("/self/exe")).canonicalFilePath();
    if (wykonywany.isEmpty() || !Paths::contains(appDir, wykonywany))
        return {};
    const QFileInfo plik(appImage);
    return plik.isAbsolute() && plik.isFile() ? Paths::clean(appImage) : QString();
}

// A copy of ours already runs from `cel` when a process executes it or is the AppImage it names.
bool dzialaKopiaZ(const Otoczenie &otoczenie, const QString &cel)
{
    const QByteArray wpis = "APPIMAGE=" + QFile::encodeName(cel);
    const QDir proc(otoczenie.katalogProc);
    for (const QString &nazwa : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool liczba = false;
        const qint64 pid = nazwa.toLongLong(&liczba);
        if (!liczba || pid == otoczenie.pid)
            continue;
        const QString wykonywany = QFileInfo(proc.filePath(nazwa + QStringLiteral("/exe"))).symLinkTarget();
        if (!wykonywany.isEmpty() && Paths::equal(wykonywany, cel))
            return true;
        QFile srodowisko(proc.filePath(nazwa + QStringLiteral("/environ")));
        if (srodowisko.open(QIODevice::ReadOnly) && srodowisko.readAll().split('\0').contains(wpis))
            return true;
    }
    return false;
}

// `nowaKopia`: where a copy was made that could not be started; the user must find it there.
void pokazAlertNiepowodzenia(const QString &nowaKopia = {})
{
    Alert alert;
    alert.setMessageText(QCoreApplication::translate("MoveApplication", "Could not move to Applications folder"));
    if (!nowaKopia.isEmpty())
        alert.setInformativeText(
            QCoreApplication::translate("MoveApplication", "The new copy lies at \u201C%1\u201D; start it from there.")
                .arg(nowaKopia));
    alert.runModal();
}

// The move itself, once the user has agreed. YES when this run must end.
bool przenies(const Otoczenie &otoczenie, const QString &pakiet, const QString &cel, bool potrzebnyAdministrator,
              const QString &punktMontowaniaTylkoDoOdczytu)
{
    zaloguj(Poziom::Informacja, QStringLiteral("INFO -- Moving myself to the Applications folder"));
    if (potrzebnyAdministrator) {
        bool anulowano = false;
        if (!copyWithAdministratorRights(otoczenie, pakiet, cel, &anulowano)) {
            if (anulowano) {
                zaloguj(Poziom::Informacja, QStringLiteral("INFO -- Not moving because user canceled authorization"));
                return false;
            }
            zaloguj(Poziom::Blad, QStringLiteral("ERROR -- Could not copy myself to %1 with authorization"),
                    Paths::parent(cel));
            pokazAlertNiepowodzenia();
            return false;
        }
    } else {
        if (FileOperations::exists(cel)) {
            if (dzialaKopiaZ(otoczenie, cel)) {
                zaloguj(Poziom::Informacja, QStringLiteral("INFO -- Switching to an already running version"));
                return true;
            }
            if (!putPathInTrash(cel)) {
                pokazAlertNiepowodzenia();
                return false;
            }
        }
        if (!copyApplicationBundle(pakiet, cel)) {
            zaloguj(Poziom::Blad, QStringLiteral("ERROR -- Could not copy myself to %1"), cel);
            pokazAlertNiepowodzenia();
            return false;
        }
    }
    if (punktMontowaniaTylkoDoOdczytu.isEmpty() && !putPathInTrash(pakiet))
        zaloguj(Poziom::Ostrzezenie,
                QStringLiteral("WARNING -- Could not delete application after moving it to Applications folder"));
    if (relaunchFromPath(otoczenie, cel, punktMontowaniaTylkoDoOdczytu))
        return true;
    // The old copy may be in the Trash already: this run goes on, and the user learns where the new one is.
    pokazAlertNiepowodzenia(cel);
    return false;
}

} // namespace

Otoczenie Otoczenie::systemowe()
{
    Otoczenie otoczenie;
    otoczenie.zmienne = QProcessEnvironment::systemEnvironment();
    otoczenie.katalogDomowy = QDir::homePath();
    otoczenie.katalogPobranych = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    otoczenie.lokalnyKatalogAplikacji = QStringLiteral("/opt");
    otoczenie.katalogiNosnikow = {QStringLiteral("/media"), QStringLiteral("/run/media")};
    otoczenie.katalogProc = QStringLiteral("/proc");
    otoczenie.pid = QCoreApplication::applicationPid();
    otoczenie.procesy = &UruchamiaczProcesow::systemowy();
    otoczenie.moznaZapisac = [](const QString &sciezka) { return QFileInfo(sciezka).isWritable(); };
    otoczenie.wolumin = [](const QString &sciezka) {
        const QStorageInfo wolumin(sciezka);
        return Wolumin{wolumin.rootPath(), wolumin.isReadOnly()};
    };
    return otoczenie;
}

bool offerMoveToApplicationsFolder(const Otoczenie &otoczenie)
{
    if (UserDefaults::standard().boolForKey(QLatin1String(kluczWyciszenia)))
        return false;
    const QString pakiet = sciezkaPakietu(otoczenie);
    if (pakiet.isEmpty() || pathLiesInApplicationsFolder(otoczenie, pakiet))
        return false;

    QString punktMontowania;
    runsFromReadOnlyVolume(otoczenie, pakiet, &punktMontowania);
    bool wlasnyKatalog = false;
    const QString katalog = chooseApplicationsFolder(otoczenie, &wlasnyKatalog);
    // Nowhere to go: no offer rather than a destination at the root.
    if (katalog.isEmpty())
        return false;
    const QString cel = Paths::join(katalog, Paths::lastComponent(pakiet));
    const bool potrzebnyAdministrator = !otoczenie.moznaZapisac(katalog)
                                        || (FileOperations::exists(cel) && !otoczenie.moznaZapisac(cel));

    Alert alert;
    alert.setMessageText(
        wlasnyKatalog
            ? QCoreApplication::translate("MoveApplication", "Move to Applications folder in your Home folder?")
            : QCoreApplication::translate("MoveApplication", "Move to Applications folder?"));
    QString informacja =
        QCoreApplication::translate("MoveApplication", "I can move myself to the Applications folder if you'd like.");
    if (potrzebnyAdministrator)
        informacja +=
            QLatin1Char(' ')
            + QCoreApplication::translate("MoveApplication", "Note that this will require an administrator password.");
    else if (pathLiesInDownloadsFolder(otoczenie, pakiet))
        informacja +=
            QLatin1Char(' ')
            + QCoreApplication::translate("MoveApplication", "This will keep your Downloads folder uncluttered.");
    alert.setInformativeText(informacja);
    alert.addButtonWithTitle(QCoreApplication::translate("MoveApplication", "Move to Applications Folder"));
    alert.addButtonWithTitle(QCoreApplication::translate("MoveApplication", "Do Not Move"));
    alert.setEscapeButton(1);
    alert.setShowsSuppressionButton(true);

    if (alert.runModal() == Alert::firstButton)
        return przenies(otoczenie, pakiet, cel, potrzebnyAdministrator, punktMontowania);
    if (alert.suppressionButtonState()) {
        UserDefaults::standard().setBool(QLatin1String(kluczWyciszenia), true);
        // A refusal for good must hold even if this run ends badly.
        UserDefaults::standard().synchronize();
    }
    return false;
}

bool pathLiesInApplicationsFolder(const Otoczenie &otoczenie, const QString &sciezka)
{
    const QStringList katalogi = {Paths::join(otoczenie.katalogDomowy, QStringLiteral("Applications")),
                                  Paths::join(otoczenie.katalogDomowy, QStringLiteral(".local/bin")),
                                  otoczenie.lokalnyKatalogAplikacji, QStringLiteral("/usr")};
    for (const QString &katalog : katalogi) {
        if (Paths::contains(katalog, sciezka))
            return true;
    }
    return sciezka.split(QLatin1Char('/')).contains(QLatin1String("Applications"));
}

QString chooseApplicationsFolder(const Otoczenie &otoczenie, bool *wlasnyKatalog)
{
    const QDir wlasny(Paths::join(otoczenie.katalogDomowy, QStringLiteral("Applications")));
    const QStringList wpisy = wlasny.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const bool maAppImage = QFileInfo(wlasny.path()).isDir()
                            && std::any_of(wpisy.begin(), wpisy.end(), [](const QString &nazwa) {
                                   return nazwa.endsWith(QLatin1String(".AppImage"), Qt::CaseInsensitive);
                               });
    if (wlasnyKatalog)
        *wlasnyKatalog = maAppImage;
    return stringByResolvingSymlinksAndAliases(maAppImage ? wlasny.path() : otoczenie.lokalnyKatalogAplikacji);
}

bool pathLiesInDownloadsFolder(const Otoczenie &otoczenie, const QString &sciezka)
{
    return !otoczenie.katalogPobranych.isEmpty() && Paths::contains(otoczenie.katalogPobranych, sciezka);
}

bool runsFromReadOnlyVolume(const Otoczenie &otoczenie, const QString &sciezka, QString *punktMontowania)
{
    const bool naNosniku = std::any_of(otoczenie.katalogiNosnikow.begin(), otoczenie.katalogiNosnikow.end(),
                                       [&](const QString &katalog) { return Paths::contains(katalog, sciezka); });
    if (!naNosniku)
        return false;
    const Wolumin wolumin = otoczenie.wolumin(sciezka);
    if (punktMontowania && wolumin.tylkoDoOdczytu)
        *punktMontowania = wolumin.punktMontowania;
    return wolumin.tylkoDoOdczytu;
}

bool copyWithAdministratorRights(const Otoczenie &otoczenie, const QString &zrodlo, const QString &cel, bool *anulowano)
{
    if (anulowano)
        *anulowano = false;
    if (!cel.endsWith(QLatin1String(".AppImage"), Qt::CaseInsensitive) || cel.trimmed().isEmpty()
        || zrodlo.trimmed().isEmpty())
        return false;
    const QString pkexec = otoczenie.procesy->znajdzProgram(QStringLiteral("pkexec"));
    if (pkexec.isEmpty())
        return false;
    // The paths travel as arguments, never inside the script; -T keeps a folder left at the
    // destination from taking the copy inside it, and the copy runs only after a clean removal.
    const QString skrypt = QStringLiteral("rm -rf -- \"$1\" && cp -a -T -- \"$2\" \"$1\"");
    const int kod = otoczenie.procesy->uruchomICzekaj(
        pkexec, {QStringLiteral("/bin/sh"), QStringLiteral("-c"), skrypt, QStringLiteral("sh"), cel, zrodlo});
    // pkexec answers 126 when the user dismissed the request.
    if (kod == 126 && anulowano)
        *anulowano = true;
    return kod == 0;
}

bool putPathInTrash(const QString &sciezka)
{
    if (WorkspaceOperations::doKosza(sciezka, nullptr))
        return true;
    zaloguj(Poziom::Blad, QStringLiteral("ERROR -- Could not trash '%1'"), sciezka);
    return false;
}

bool copyApplicationBundle(const QString &zrodlo, const QString &cel)
{
    BladOperacji blad;
    if (FileOperations::copyNoReplace(zrodlo, cel, &blad))
        return true;
    zaloguj(Poziom::Blad, QStringLiteral("ERROR -- Could not copy '%1' to '%2' (%3)"), zrodlo, cel,
            blad.przyczyna.isEmpty() ? blad.opis : blad.przyczyna);
    return false;
}

bool relaunchFromPath(const Otoczenie &otoczenie, const QString &cel, const QString &punktMontowaniaDoOdlaczenia)
{
    // The new copy must not believe it runs from this process's image.
    QProcessEnvironment srodowisko = otoczenie.zmienne;
    for (const char *zmienna : {"APPDIR", "APPIMAGE", "ARGV0", "OWD"})
        srodowisko.remove(QLatin1String(zmienna));

    const QString ponowneUruchomienie =
        QStringLiteral("while kill -0 \"$1\" 2>/dev/null; do sleep 0.1; done; chmod u+x -- \"$2\"; exec \"$2\"");
    if (!otoczenie.procesy->uruchomOdlaczony(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), ponowneUruchomienie, QStringLiteral("sh"), QString::number(otoczenie.pid), cel},
            srodowisko)) {
        zaloguj(Poziom::Blad, QStringLiteral("ERROR -- Could not relaunch from '%1'"), cel);
        return false;
    }
    if (punktMontowaniaDoOdlaczenia.isEmpty())
        return true;
    if (otoczenie.procesy->znajdzProgram(QStringLiteral("gio")).isEmpty()) {
        zaloguj(Poziom::Informacja, QStringLiteral("INFO -- Not detaching '%1': gio is missing"),
                punktMontowaniaDoOdlaczenia);
        return true;
    }
    otoczenie.procesy->uruchomOdlaczony(QStringLiteral("/bin/sh"),
                                        {QStringLiteral("-c"), QStringLiteral("sleep 5 && exec gio mount -u \"$1\""),
                                         QStringLiteral("sh"), punktMontowaniaDoOdlaczenia},
                                        srodowisko);
    return true;
}

QString stringByResolvingSymlinksAndAliases(const QString &sciezka)
{
    return QFileInfo(sciezka).canonicalFilePath();
}

} // namespace PrzeniesienieDoAplikacji
