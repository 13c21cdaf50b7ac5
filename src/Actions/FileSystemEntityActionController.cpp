#include "FileSystemEntityActionController.h"

#include "Model/BytSystemuPlikow.h"
#include "Platform/GioApplications.h"
#include "Platform/IdentyfikatorProgramu.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Platform/Ui/Responder.h"

#include <QCollator>
#include <QCoreApplication>
#include <QMimeDatabase>

#include <algorithm>

namespace {

constexpr int bokIkonyProgramu = 16;

void dodajPozycjeProgramu(Menu *podmenu, const QString &tytul, const GioApplications::Application &program)
{
    auto *pozycja = new PozycjaMenu(Menu::tytulZDanych(tytul), Akcja::otworzBytElementuWProgramie, podmenu);
    if (auto *delegat = qobject_cast<Responder *>(podmenu->delegat()))
        pozycja->setCel(delegat);
    if (!program.icon.isNull())
        pozycja->setIcon(QIcon(program.icon.pixmap(bokIkonyProgramu, bokIkonyProgramu)));
    pozycja->setRepresentedObject(QVariant::fromValue(IdentyfikatorProgramu{program.desktopId}));
    podmenu->addAction(pozycja);
}

} // namespace

void FileSystemEntityActionController::zaktualizujWidocznoscMenuPodrzednegoOtworzWProgramieDlaBytu(
    QMenu *menu, const BytSystemuPlikow *byt)
{
    for (QAction *akcja : menu->actions()) {
        auto *pozycja = qobject_cast<PozycjaMenu *>(akcja);
        if (pozycja && pozycja->tag() == tagPozycjiOtworzWProgramie) {
            pozycja->setHidden(!byt || byt->toKatalog());
            return;
        }
    }
}

void FileSystemEntityActionController::zaktualizujPodrzedneMenuOtworzWProgramieDlaBytu(Menu *podmenu,
                                                                                       const BytSystemuPlikow *byt)
{
    if (!byt)
        return;
    podmenu->clear();
    static const QMimeDatabase bazaTypow;
    const QString typ = bazaTypow.mimeTypeForFile(byt->plikowyURL()).name();
    // Without a default application there is no default item and no separator.
    if (const auto domyslny = GioApplications::defaultForType(typ)) {
        dodajPozycjeProgramu(
            podmenu,
            QCoreApplication::translate("FileSystemEntityActionController", "%1 (default)").arg(domyslny->displayName),
            *domyslny);
        podmenu->addSeparator();
    }
    QList<GioApplications::Application> inne = GioApplications::othersForType(typ);
    // Desktop entries carry no version of the application, so copies of one are told apart by ID.
    QCollator porzadek;
    porzadek.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(inne.begin(), inne.end(), [&porzadek](const auto &a, const auto &b) {
        const int wynik = porzadek.compare(a.displayName, b.displayName);
        return wynik != 0 ? wynik < 0 : a.desktopId < b.desktopId;
    });
    for (const GioApplications::Application &program : inne)
        dodajPozycjeProgramu(podmenu, program.displayName, program);
}

QString FileSystemEntityActionController::infoValueForAppAndKey(const IdentyfikatorProgramu &program,
                                                                const QString &klucz)
{
    return GioApplications::desktopEntryValue(program.desktopId, klucz);
}

QString FileSystemEntityActionController::przepakujWersje(const QString &wersja)
{
    if (wersja.isNull())
        return {};
    QStringList skladniki = wersja.split(QLatin1Char('.'));
    for (QString &skladnik : skladniki)
        skladnik = skladnik.rightJustified(3, QLatin1Char('0'));
    return skladniki.join(QLatin1Char('.'));
}
