#include "PoleceniaStatusuFasolek.h"

#include "AlertNiepowodzenia.h"
#include "ElementyDlaPolecen.h"
#include "MenuKontroleraElementow.h"

#include "Model/Fasolka.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"

#include <QSet>

namespace {

// A longer bean name is cut in the status menu's header.
constexpr int najdluzszaNazwaWNaglowku = 20;

constexpr PoleceniaStatusuFasolek::PolecenieStatusu tabelaPolecenStatusu[] = {
    {Akcja::inkubujFasolki, Fasolka::sfWInkubacji, true},
    {Akcja::aktywujFasolki, Fasolka::sfAktywna, true},
    {Akcja::oznaczFasolkiJakoOczekujace, Fasolka::sfOczekujaca, true},
    {Akcja::deaktywujFasolki, Fasolka::sfNieaktywna, true},
    {Akcja::oznaczFasolkiJakoGotowe, Fasolka::sfGotowa, true},
    {Akcja::oznaczFasolkiJakoUkonczone, Fasolka::sfUkonczona, true},
    {Akcja::archiwizujFasolki, Fasolka::sfZarchiwizowana, true},
    {Akcja::reaktywujFasolke, Fasolka::sfAktywna, false},
};

QString naglowekMenuStatusu(const QList<Fasolka *> &fasolki)
{
    if (fasolki.isEmpty())
        return QCoreApplication::translate("KontrolerAkcjeNaElementach", "<none>");
    if (fasolki.size() > 1)
        return QCoreApplication::translate("KontrolerAkcjeNaElementach", "<Multiple Beans>");
    const QString nazwa = fasolki.first()->nazwa();
    if (nazwa.size() <= najdluzszaNazwaWNaglowku)
        return Menu::tytulZDanych(nazwa);
    // Never half of a surrogate pair: the cut goes before it.
    const qsizetype ciecie = nazwa.at(najdluzszaNazwaWNaglowku - 1).isHighSurrogate() ? najdluzszaNazwaWNaglowku - 1
                                                                                      : najdluzszaNazwaWNaglowku;
    return Menu::tytulZDanych(nazwa.left(ciecie)) + QStringLiteral("...");
}

} // namespace

PoleceniaStatusuFasolek::PoleceniaStatusuFasolek(const ElementyDlaPolecen &elementy)
    : m_elementy(elementy)
{
}

std::span<const PoleceniaStatusuFasolek::PolecenieStatusu> PoleceniaStatusuFasolek::poleceniaStatusu()
{
    return tabelaPolecenStatusu;
}

void PoleceniaStatusuFasolek::ustawStatusFasolek(std::int32_t status, QObject *nadawca)
{
    QString nieudane;
    std::optional<BladOperacji> ostatniBlad;
    for (Fasolka *fasolka : m_elementy.fasolkiDlaPolecenia(nadawca)) {
        if (fasolka->statusFasolki() == status)
            continue;
        BladOperacji blad;
        if (!fasolka->ustawStatus(status, &blad)) {
            nieudane += QStringLiteral("- '%1'\n").arg(fasolka->nazwa());
            ostatniBlad = blad;
        }
    }
    if (nieudane.isEmpty())
        return;
    AlertNiepowodzenia::pokaz(tr("Could not change status of following Bean(s):\n%1").arg(nieudane),
                              ostatniBlad ? &*ostatniBlad : nullptr,
                              AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
}

void PoleceniaStatusuFasolek::zaktualizujMenuPodreczneStatusuDlaElementow(Menu *menu, const QList<QObject *> &elementy)
{
    const QList<Fasolka *> fasolki = ElementyDlaPolecen::fasolkiWsrod(elementy);
    QSet<std::int32_t> statusy;
    for (const Fasolka *fasolka : fasolki)
        statusy.insert(fasolka->statusFasolki());
    const PozycjaMenu::Stan obecny = fasolki.size() < 2 ? PozycjaMenu::Stan::Wlaczony : PozycjaMenu::Stan::Mieszany;
    for (QAction *akcja : menu->actions()) {
        auto *pozycja = qobject_cast<PozycjaMenu *>(akcja);
        if (!pozycja)
            continue;
        if (pozycja->tag() == MenuKontroleraElementow::tagNaglowkaStatusu) {
            pozycja->setText(naglowekMenuStatusu(fasolki));
            pozycja->setEnabled(false);
            continue;
        }
        for (const PolecenieStatusu &polecenie : poleceniaStatusu()) {
            if (polecenie.zeZnacznikiem && polecenie.akcja == pozycja->akcja())
                pozycja->setStan(statusy.contains(polecenie.status) ? obecny : PozycjaMenu::Stan::Wylaczony);
        }
    }
}

void PoleceniaStatusuFasolek::wyswietlPozaTabelaMenuPodreczneStatusu(Menu *menu, QObject *nadawca)
{
    if (auto *przycisk = qobject_cast<QWidget *>(nadawca); przycisk && menu)
        menu->pokazPodPrzyciskiem(przycisk);
}
