#include "UstawieniaKartyPortfolio.h"

#include "Platform/UserDefaults.h"

namespace {

const QString kluczWybranyWidok = QStringLiteral("KartaPortfolio.wybranyWidok");
const QString kluczStatusPaskaZakresu = QStringLiteral("KartaPortfolio.statusPaskaZakresu");
const QString kluczSzerokoscPanelaPrawego = QStringLiteral("KartaPortfolio.szerokoscPanelaPrawego");
const QString kluczCzyWidocznyPanelPrawy = QStringLiteral("KartaPortfolio.czyWidocznyPanelPrawy");
const QString kluczCzyPodzialNaPotoki = QStringLiteral("KartaPortfolio.WszystkieFasolki.czyPodzialNaPotoki");
const QString kluczSzerokoscPaskaNawigacji = QStringLiteral("KartaPortfolio.szerokoscPaskaNawigacji");
const QString kluczCzyWidocznyPasekNawigacji = QStringLiteral("KartaPortfolio.czyWidocznyPasekNawigacji");

const QString domyslnyWidok = QStringLiteral("Main Flow");

} // namespace

UstawieniaKartyPortfolio::UstawieniaKartyPortfolio(QObject *rodzic)
    : QObject(rodzic)
{
    zarejestrujDomyslne();
}

void UstawieniaKartyPortfolio::zarejestrujDomyslne()
{
    static const bool zarejestrowane = [] {
        UserDefaults::standard().registerDefaults({
            {kluczWybranyWidok, domyslnyWidok},
            {kluczStatusPaskaZakresu, statusWszystkie},
            {kluczSzerokoscPanelaPrawego, 200.0f},
            {kluczCzyWidocznyPanelPrawy, true},
            {kluczCzyPodzialNaPotoki, true},
            {kluczSzerokoscPaskaNawigacji, 175.0f},
            {kluczCzyWidocznyPasekNawigacji, true},
        });
        return true;
    }();
    Q_UNUSED(zarejestrowane);
}

void UstawieniaKartyPortfolio::odczytajUstawieniaAplikacji()
{
    const UserDefaults &ustawienia = UserDefaults::standard();
    const QVariant widok = ustawienia.objectForKey(kluczWybranyWidok);
    m_wybranyWidok = widok.typeId() == QMetaType::QString ? widok.toString() : domyslnyWidok;
    // Checked before it is cut to 32 bits, so that no large number wraps into the range.
    const qint64 status = ustawienia.integerForKey(kluczStatusPaskaZakresu);
    m_statusPaskaZakresu = status >= 1 && status <= statusWszystkie ? StatusPaskaZakresu(status) : statusWszystkie;
    m_szerokoscPanelaPrawego = ustawienia.positiveFloatForKey(kluczSzerokoscPanelaPrawego);
    m_czyWidocznyPanelPrawy = ustawienia.boolForKey(kluczCzyWidocznyPanelPrawy);
    m_czyPodzialNaPotoki = ustawienia.boolForKey(kluczCzyPodzialNaPotoki);
    m_szerokoscPaskaNawigacji = ustawienia.positiveFloatForKey(kluczSzerokoscPaskaNawigacji);
    m_czyWidocznyPasekNawigacji = ustawienia.boolForKey(kluczCzyWidocznyPasekNawigacji);
}

void UstawieniaKartyPortfolio::setWybranyWidok(const QString &nazwa)
{
    m_wybranyWidok = nazwa;
    UserDefaults::standard().setObject(kluczWybranyWidok, nazwa);
}

void UstawieniaKartyPortfolio::setStatusPaskaZakresu(StatusPaskaZakresu status)
{
    m_statusPaskaZakresu = status;
    UserDefaults::standard().setInteger(kluczStatusPaskaZakresu, status);
}

void UstawieniaKartyPortfolio::setSzerokoscPanelaPrawego(double szerokosc)
{
    m_szerokoscPanelaPrawego = szerokosc;
    UserDefaults::standard().setFloat(kluczSzerokoscPanelaPrawego, float(szerokosc));
}

void UstawieniaKartyPortfolio::setCzyWidocznyPanelPrawy(bool widoczny)
{
    m_czyWidocznyPanelPrawy = widoczny;
    UserDefaults::standard().setBool(kluczCzyWidocznyPanelPrawy, widoczny);
}

void UstawieniaKartyPortfolio::setCzyPodzialNaPotoki(bool podzial)
{
    m_czyPodzialNaPotoki = podzial;
    UserDefaults::standard().setBool(kluczCzyPodzialNaPotoki, podzial);
}

void UstawieniaKartyPortfolio::setSzerokoscPaskaNawigacji(double szerokosc)
{
    m_szerokoscPaskaNawigacji = szerokosc;
    UserDefaults::standard().setFloat(kluczSzerokoscPaskaNawigacji, float(szerokosc));
}

void UstawieniaKartyPortfolio::setCzyWidocznyPasekNawigacji(bool widoczny)
{
    m_czyWidocznyPasekNawigacji = widoczny;
    UserDefaults::standard().setBool(kluczCzyWidocznyPasekNawigacji, widoczny);
}

void UstawieniaKartyPortfolio::setRowViewType(std::int32_t typ)
{
    m_rowViewType = typ;
    emit rowViewTypeChanged();
}
