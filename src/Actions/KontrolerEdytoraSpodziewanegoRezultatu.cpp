#include "KontrolerEdytoraSpodziewanegoRezultatu.h"

#include "PoleTekstoweEdytoraSpodziewanegoRezultatu.h"

#include "Model/Fasolka.h"

KontrolerEdytoraSpodziewanegoRezultatu::KontrolerEdytoraSpodziewanegoRezultatu(QObject *rodzic)
    : ViewController(rodzic)
{
}

KontrolerEdytoraSpodziewanegoRezultatu::~KontrolerEdytoraSpodziewanegoRezultatu() = default;

Fasolka *KontrolerEdytoraSpodziewanegoRezultatu::fasolka() const
{
    return m_fasolka;
}

void KontrolerEdytoraSpodziewanegoRezultatu::setFasolka(Fasolka *fasolka)
{
    m_fasolka = fasolka;
    m_kontekstObserwacji = std::make_unique<QObject>();
    if (fasolka) {
        connect(fasolka, &Fasolka::spodziewanyRezultatChanged, m_kontekstObserwacji.get(),
                [this] { wczytajTekst(); });
    }
    wczytajTekst();
}

PoleTekstoweEdytoraSpodziewanegoRezultatu *KontrolerEdytoraSpodziewanegoRezultatu::pole() const
{
    return m_pole;
}

void KontrolerEdytoraSpodziewanegoRezultatu::loadView()
{
    auto *pole = new PoleTekstoweEdytoraSpodziewanegoRezultatu;
    pole->setObjectName(QStringLiteral("poleSpodziewanegoRezultatu"));
    pole->setReadOnly(true);
    pole->setFrame(false);
    m_pole = pole;
    setView(pole);
    wczytajTekst();
}

void KontrolerEdytoraSpodziewanegoRezultatu::wczytajTekst()
{
    if (m_pole)
        m_pole->setText(m_fasolka ? m_fasolka->spodziewanyRezultat() : QString());
}
