#pragma once

#include <QCoreApplication>
#include <QString>

struct BladOperacji;
class ElementyDlaPolecen;
class Potok;
class QLineEdit;

// The in-place rename of flows and beans: the check after the model took or refused a name.
class EdycjaNazwyElementu
{
    Q_DECLARE_TR_FUNCTIONS(KontrolerAkcjeNaElementach)

public:
    explicit EdycjaNazwyElementu(const ElementyDlaPolecen &elementy);

    // Whether an in-place rename of `obiekt` to `tekst` was kept by the model; NO after a
    // refusal, which the console records at once and an alert shows one turn later, so that it
    // never opens inside an editor commit or a focus-out. Identifiers: "nazwaPotoku",
    // "nazwaFasolki". The alert gives the reason of the refusal in `blad`, when there is one.
    static bool zakonczonaEdycjaNazwyElementu(QObject *obiekt, const QString &tekst, const QString &identyfikator,
                                              const BladOperacji *blad = nullptr);
    // Renames the flow (on disk first) and checks it as above; a kept name makes every list of
    // flows read them again.
    static bool zmienNazwePotoku(Potok *potok, const QString &tekst);
    // The flow name field's editing ended: it renames the fixed flow, and a refused name is put back.
    void zakonczonoEdycjePolaNazwy(QLineEdit *pole);

private:
    const ElementyDlaPolecen &m_elementy;
};
