#pragma once

#include "Platform/Ui/SplitView.h"
#include "Platform/Ui/ViewController.h"

#include <QPointer>

#include <memory>

class EdytorSpodziewanegoRezultatu;
class Fasolka;
class PoleTekstoweEdytoraSpodziewanegoRezultatu;
class QToolButton;
class WidokZFokusemEdytora;

// The expected outcome of one bean, in the top pane of a split view: read-only until editing
// starts (the edit button, Return, a double-click), saved by Return, the save button or the
// focus leaving, and the pane sized to the text. Its view is the pane.
class KontrolerEdytoraSpodziewanegoRezultatu : public ViewController
{
    Q_OBJECT

public:
    explicit KontrolerEdytoraSpodziewanegoRezultatu(QObject *rodzic = nullptr);
    ~KontrolerEdytoraSpodziewanegoRezultatu() override;

    // An empty hook of the owner's set-up.
    void ustawWidok() {}

    Fasolka *fasolka() const;
    // Reloads the text; a text being edited is first saved into the bean it belongs to.
    void setFasolka(Fasolka *fasolka);

    // The split view whose first pane is this controller's view; its limits come from here.
    SplitView *widokRozdzielony() const { return m_widokRozdzielony; }
    void setWidokRozdzielony(SplitView *widok);

    EdytorSpodziewanegoRezultatu *edytor();
    WidokZFokusemEdytora *widokZEdytorem();
    PoleTekstoweEdytoraSpodziewanegoRezultatu *poleTekstowe() const { return m_poleTekstowe.get(); }
    QToolButton *przyciskWlaczEdycjeLubZapisz();
    QToolButton *przyciskAnuluj();

    bool jestWTrybeEdycji() const { return m_jestWTrybeEdycji; }

    void rozpocznijEdycje();
    // Answers the bean's answer, YES in view mode. A refusal keeps edit mode and the typed text
    // and shows the alert at once.
    bool zapiszRezultat();
    // A save the user did not ask for (the focus left, the view hid): a refusal shows the alert
    // one turn later, and takes the focus back when asked to.
    void zapiszPoUtracieFokusu(bool odzyskajFokus);
    void wlaczEdycjeLubZapisz();
    void anulujEdycje();

    // Fits the pane to the text, at most the maximum; YES also gives it a scroller.
    void rozwinWidokZEdytorem(bool zPrzewijaczem);
    // The pane at its minimum; YES also takes the scroller away.
    void zwinWidokZEdytorem(bool bezPrzewijacza);
    // The whole text shows, or the pane is as tall as it may be.
    bool czyEdytorRozwiniety() const;
    void setCzyEdytorRozwiniety(bool rozwiniety);
    // Half the split view's height, rounded.
    qreal maksymalnaWysokoscWidokuZEdytorem() const;
    static constexpr qreal minimalnaWysokoscWidokuZEdytorem = 23.0;
    void zaktualizujPrzyciskRozwiniecia();
    void wyswietlStanEdytora() const;

signals:
    void czyEdytorRozwinietyChanged();
    void jestWTrybeEdycjiChanged();

protected:
    void loadView() override;

private:
    class DelegatPodzialu;

    bool zapisz();
    void wczytajTekst();
    void ustawTrybEdycji(bool wlaczony);

    QPointer<Fasolka> m_fasolka;
    std::unique_ptr<QObject> m_kontekstObserwacji;
    std::unique_ptr<PoleTekstoweEdytoraSpodziewanegoRezultatu> m_poleTekstowe;
    std::unique_ptr<DelegatPodzialu> m_delegatPodzialu;
    QPointer<SplitView> m_widokRozdzielony;
    QPointer<WidokZFokusemEdytora> m_widokZEdytorem;
    QPointer<EdytorSpodziewanegoRezultatu> m_edytor;
    QPointer<QToolButton> m_przyciskWlaczEdycjeLubZapisz;
    QPointer<QToolButton> m_przyciskAnuluj;
    QPointer<QToolButton> m_przyciskRozwin;
    bool m_jestWTrybeEdycji = false;
};
