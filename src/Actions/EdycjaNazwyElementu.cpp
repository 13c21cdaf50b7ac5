#include "EdycjaNazwyElementu.h"

#include "AlertNiepowodzenia.h"
#include "ElementyDlaPolecen.h"
#include "JakoElement.h"

#include "Platform/BladOperacji.h"
#include "Platform/DelayedOperations.h"
#include "Platform/Konsola.h"

#include <QLineEdit>

namespace {

const QString identyfikatorNazwyPotoku = QStringLiteral("nazwaPotoku");
const QString identyfikatorNazwyFasolki = QStringLiteral("nazwaFasolki");

} // namespace

EdycjaNazwyElementu::EdycjaNazwyElementu(const ElementyDlaPolecen &elementy)
    : m_elementy(elementy)
{
}

bool EdycjaNazwyElementu::zakonczonaEdycjaNazwyElementu(QObject *obiekt, const QString &tekst,
                                                        const QString &identyfikator, const BladOperacji *blad)
{
    QString nazwa;
    QString linia;
    QString wiadomosc;
    const auto *potok = qobject_cast<const Potok *>(obiekt);
    const auto *fasolka = qobject_cast<const Fasolka *>(obiekt);
    if (identyfikator == identyfikatorNazwyPotoku && potok && potok->nazwa() != tekst) {
        nazwa = potok->nazwa();
        linia = QStringLiteral(
            "Ustawienie nowej nazwy '%1' dla potoku się nie udało. Odczytuję nazwę '%2' z obiektu potoku.");
        wiadomosc = tr("Could not change flow name.");
    } else if (identyfikator == identyfikatorNazwyFasolki && fasolka && fasolka->nazwa() != tekst) {
        nazwa = fasolka->nazwa();
        linia = QStringLiteral(
            "Ustawienie nowej nazwy '%1' dla fasolki się nie udało. Odczytuję nazwę '%2' z obiektu fasolki.");
        wiadomosc = tr("Could not change bean name.");
    } else {
        return true;
    }
    drukujLinie(linia, tekst, nazwa);
    const BladOperacji powod = blad ? *blad : BladOperacji();
    DelayedOperations::addOperationAfterDelayWithBlock(0, nullptr, [wiadomosc, powod] {
        AlertNiepowodzenia::pokaz(wiadomosc, &powod, AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
    });
    return false;
}

void EdycjaNazwyElementu::zakonczonoEdycjePolaNazwy(QLineEdit *pole)
{
    if (pole->objectName() != identyfikatorNazwyPotoku)
        return;
    // The field names the view's own flow, whatever row of its list is clicked or selected.
    Potok *edytowany = jakoPotok(m_elementy.elementStaly());
    if (!edytowany)
        return;
    if (!zmienNazwePotoku(edytowany, pole->text()))
        pole->setText(edytowany->nazwa());
}

bool EdycjaNazwyElementu::zmienNazwePotoku(Potok *potok, const QString &tekst)
{
    BladOperacji blad;
    if (potok->nazwa() != tekst)
        potok->setNazwa(tekst, &blad);
    if (!zakonczonaEdycjaNazwyElementu(potok, tekst, identyfikatorNazwyPotoku, &blad))
        return false;
    emit BazaFasolek::sharedBazaFasolek()->potokiChanged({}, {});
    return true;
}
