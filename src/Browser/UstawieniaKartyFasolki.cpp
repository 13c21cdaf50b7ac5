#include "UstawieniaKartyFasolki.h"

#include "Platform/UserDefaults.h"

const QString UstawieniaKartyFasolki::kluczSzerokoscPanelaPrawego =
    QStringLiteral("KartaFasolki.szerokoscPanelaPrawego");
const QString UstawieniaKartyFasolki::kluczCzyWidocznyPanelPrawy = QStringLiteral("KartaFasolki.czyWidocznyPanelPrawy");

UstawieniaKartyFasolki::UstawieniaKartyFasolki()
{
    zarejestrujDomyslne();
}

void UstawieniaKartyFasolki::zarejestrujDomyslne()
{
    static const bool zarejestrowane = [] {
        UserDefaults::standard().registerDefaults({
            {kluczSzerokoscPanelaPrawego, 200.0f},
            {kluczCzyWidocznyPanelPrawy, true},
        });
        return true;
    }();
    Q_UNUSED(zarejestrowane);
}

void UstawieniaKartyFasolki::odczytajUstawieniaAplikacji()
{
    const UserDefaults &ustawienia = UserDefaults::standard();
    m_szerokoscPanelaPrawego = ustawienia.positiveFloatForKey(kluczSzerokoscPanelaPrawego);
    m_czyWidocznyPanelPrawy = ustawienia.boolForKey(kluczCzyWidocznyPanelPrawy);
}

void UstawieniaKartyFasolki::setSzerokoscPanelaPrawego(double szerokosc)
{
    m_szerokoscPanelaPrawego = szerokosc;
    UserDefaults::standard().setFloat(kluczSzerokoscPanelaPrawego, float(szerokosc));
}

void UstawieniaKartyFasolki::setCzyWidocznyPanelPrawy(bool widoczny)
{
    m_czyWidocznyPanelPrawy = widoczny;
    UserDefaults::standard().setBool(kluczCzyWidocznyPanelPrawy, widoczny);
}
