#include "PoleceniaPlikoweFasolek.h"

#include "AlertNiepowodzenia.h"
#include "ElementyDlaPolecen.h"

#include "Browser/KontrolerBiezacegoWidokuSzczegolow.h"
#include "Model/BazaFasolek.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/DeskryptorSortu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/ZapowiedzianePrzybycia.h"
#include "Platform/FileOperations.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Platform/WorkspaceOperations.h"

namespace {

constexpr int bokIkonyPotokuWMenu = 16;

// Only beans: a flow among the items must never be copied or trashed with its folder.
QStringList urleFasolek(const QList<Fasolka *> &fasolki)
{
    QStringList urle;
    for (const Fasolka *fasolka : fasolki) {
        if (fasolka->bytFasolki())
            urle << fasolka->bytFasolki()->plikowyURL();
    }
    return urle;
}

// Where the copy will lie: the first copy name free now and not awaited from a duplicate still under
// way, which the copy takes unless another program takes it first.
QString miejsceKopii(const QString &url)
{
    for (int numer = 1;; ++numer) {
        const QString kopia = WorkspaceOperations::nazwaKopii(url, numer);
        if (!FileOperations::exists(kopia) && !ZapowiedzianePrzybycia::instancja()->czyZapowiedziana(kopia))
            return kopia;
    }
}

void pokazBladOperacjiNaPlikach(const std::optional<BladOperacji> &blad)
{
    if (blad)
        AlertNiepowodzenia::pokaz(blad->opis, &*blad, AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
}

void dodajPozycjePotoku(Menu *menu, Potok *potok)
{
    auto *pozycja = new PozycjaMenu(Menu::tytulZDanych(potok->nazwa()), Akcja::przeniesFasolkiDoPotoku, menu);
    if (auto *delegat = qobject_cast<Responder *>(menu->delegat()))
        pozycja->setCel(delegat);
    pozycja->setIcon(QIcon(potok->ikona().pixmap(bokIkonyPotokuWMenu, bokIkonyPotokuWMenu)));
    pozycja->setRepresentedObject(QVariant::fromValue<QObject *>(potok));
    menu->addAction(pozycja);
}

} // namespace

PoleceniaPlikoweFasolek::PoleceniaPlikoweFasolek(const ElementyDlaPolecen &elementy)
    : m_elementy(elementy)
{
}

void PoleceniaPlikoweFasolek::setKontrolerBiezacegoWidokuSzczegolow(KontrolerBiezacegoWidokuSzczegolow *kontroler)
{
    m_kontrolerBiezacegoWidokuSzczegolow = kontroler;
}

void PoleceniaPlikoweFasolek::duplikujFasolki(QObject *nadawca)
{
    const QStringList urle = urleFasolek(m_elementy.fasolkiDlaPolecenia(nadawca));
    if (urle.isEmpty())
        return;
    // The copies reach the graph through the disk watcher, which would take them for another
    // program's files: announced, they are selected as they enter the lists.
    QStringList kopie;
    for (const QString &url : urle) {
        kopie << miejsceKopii(url);
        ZapowiedzianePrzybycia::instancja()->zapowiedz(kopie.constLast());
    }
    WorkspaceOperations::duplicateURLs(urle, QCoreApplication::instance(),
                                       [kopie](const std::optional<BladOperacji> &blad) {
                                           ZapowiedzianePrzybycia::instancja()->zakonczPolecenie(kopie);
                                           pokazBladOperacjiNaPlikach(blad);
                                       });
}

void PoleceniaPlikoweFasolek::moveToTrash(QObject *nadawca)
{
    const QList<Fasolka *> fasolki = m_elementy.fasolkiDlaPolecenia(nadawca);
    if (fasolki.isEmpty())
        return;
    Alert pytanie;
    pytanie.setAlertStyle(Alert::AlertStyle::Warning);
    pytanie.setMessageText(fasolki.size() == 1 ? tr("Confirm move of '%1' to Trash").arg(fasolki.first()->nazwa())
                                               : tr("Confirm move of %1 Beans to Trash").arg(fasolki.size()));
    pytanie.addButtonWithTitle(tr("Move to Trash"));
    pytanie.addButtonWithTitle(tr("Cancel"));
    if (pytanie.runModal() != Alert::firstButton)
        return;
    WorkspaceOperations::recycleURLs(urleFasolek(fasolki), QCoreApplication::instance(), &pokazBladOperacjiNaPlikach);
}

void PoleceniaPlikoweFasolek::opakujFasolkePlikowaWKatalog()
{
    Fasolka *opakowywana = m_elementy.fasolka();
    if (!opakowywana || (opakowywana->bytFasolki() && opakowywana->bytFasolki()->toKatalog()))
        return;
    BladOperacji blad;
    if (!opakowywana->opakujFasolkePlikowaWKatalog(&blad)) {
        AlertNiepowodzenia::pokaz(tr("Could not move Bean into Bean Folder."), &blad,
                                  AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
        return;
    }
    if (m_kontrolerBiezacegoWidokuSzczegolow)
        m_kontrolerBiezacegoWidokuSzczegolow->walidujPrzyciskiAkcji();
}

void PoleceniaPlikoweFasolek::wypakujZawartoscFasolkiZKatalogu()
{
    Fasolka *wypakowywana = m_elementy.fasolka();
    if (!wypakowywana || !wypakowywana->bytFasolki() || !wypakowywana->bytFasolki()->toKatalog())
        return;
    if (!wypakowywana->wypakujZawartoscFasolkiZKatalogu())
        AlertNiepowodzenia::pokaz(tr("Could not content out of Bean Folder."), nullptr,
                                  AlertNiepowodzenia::LiniaKonsoli::Brak);
}

void PoleceniaPlikoweFasolek::przeniesFasolkiDoPotoku(QObject *nadawca)
{
    const auto *pozycja = qobject_cast<const PozycjaMenu *>(nadawca);
    Potok *cel = pozycja ? qobject_cast<Potok *>(pozycja->representedObject().value<QObject *>()) : nullptr;
    if (!cel)
        return;
    QString nieudane;
    QStringList pozostawione;
    QStringList pozostawioneOryginaly;
    QString przyczynaPozostawienia;
    for (Fasolka *fasolka : m_elementy.fasolkiDlaPolecenia(nadawca)) {
        // A bean already in the flow is not moved, and what an earlier move left says nothing.
        const bool zInnegoPotoku = fasolka->potok() != cel;
        if (!fasolka->przeniesDoPotoku(cel)) {
            nieudane += QStringLiteral("- '%1'\n").arg(fasolka->nazwa());
            continue;
        }
        if (zInnegoPotoku && !fasolka->przyczynaPozostawieniaOryginalu().isEmpty()) {
            pozostawioneOryginaly << fasolka->nazwa();
            przyczynaPozostawienia = fasolka->przyczynaPozostawieniaOryginalu();
        }
        if (zInnegoPotoku && !fasolka->katalogPozostawionych().isEmpty())
            pozostawione << fasolka->katalogPozostawionych();
    }
    if (!nieudane.isEmpty())
        AlertNiepowodzenia::pokaz(tr("Could not move following Bean(s):\n%1to Flow '%2'.").arg(nieudane, cel->nazwa()),
                                  nullptr, AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
    AlertNiepowodzenia::pokazPozostawioneOryginaly(pozostawioneOryginaly, przyczynaPozostawienia,
                                                   AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
    AlertNiepowodzenia::pokazPozostawione(
        tr("Some items stayed where the moved Bean(s) were."),
        tr("Items written into a Bean while it moved were not moved with it. They stay in %1."), pozostawione,
        AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
}

void PoleceniaPlikoweFasolek::zaktualizujPodrzedneMenuPrzeniesDoPotoku(Menu *menu)
{
    menu->clear();
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    if (Potok *glowny = baza->potokGlowny())
        dodajPozycjePotoku(menu, glowny);
    QList<Potok *> tematyczne = baza->potokiTematyczne();
    BazaFasolek::deskryptorySortuPoNazwie().first().posortuj(tematyczne);
    for (Potok *potok : tematyczne)
        dodajPozycjePotoku(menu, potok);
}
