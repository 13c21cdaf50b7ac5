#pragma once

#include "Platform/Ui/ViewController.h"

#include <QPointer>

#include <memory>

class Fasolka;
class PoleTekstoweEdytoraSpodziewanegoRezultatu;

// The expected outcome of one bean. For now it only shows it, read-only, and follows every change.
class KontrolerEdytoraSpodziewanegoRezultatu : public ViewController
{
    Q_OBJECT

public:
    explicit KontrolerEdytoraSpodziewanegoRezultatu(QObject *rodzic = nullptr);
    ~KontrolerEdytoraSpodziewanegoRezultatu() override;

    // An empty hook of the bean tab's set-up.
    void ustawWidok() {}

    Fasolka *fasolka() const;
    void setFasolka(Fasolka *fasolka);

    PoleTekstoweEdytoraSpodziewanegoRezultatu *pole() const;

protected:
    void loadView() override;

private:
    void wczytajTekst();

    QPointer<Fasolka> m_fasolka;
    QPointer<PoleTekstoweEdytoraSpodziewanegoRezultatu> m_pole;
    std::unique_ptr<QObject> m_kontekstObserwacji;
};
