#pragma once

#include "Browser/UstawieniaKartyPortfolio.h"

#include <QObject>
#include <QPointer>
#include <QString>

// The scope of a bean list: which statuses it shows and, in All Beans, whether it is divided
// into flows. The state alone, without a window: the bar's widget and the list providers share
// it. The ten yes/no and title values are derived from the code and follow its signal; their
// setters act on YES only, so a control switched off by the user changes nothing.
class ListwaZakresu : public QObject
{
    Q_OBJECT

public:
    enum Zakres : StatusPaskaZakresu {
        zWObrobce = 1,
        zWInkubacji = 2,
        zAktywne = 3,
        zOczekujace = 4,
        zGotowe = 5,
        zNieaktywne = 6,
        zUkonczone = 7,
        zWszystkie = 8,
    };
    // The tag of the division toggle in the menus; tags 1 to 8 are the scope codes.
    static constexpr int znacznikPodzialuNaPotoki = 9;

    explicit ListwaZakresu(QObject *rodzic = nullptr);

    StatusPaskaZakresu statusPaskaZakresu() const { return m_statusPaskaZakresu; }
    // Any code is taken as it is; one outside 1 to 8 leaves every yes/no value off.
    void setStatusPaskaZakresu(StatusPaskaZakresu status);

    bool czyWObrobce() const { return m_statusPaskaZakresu == zWObrobce; }
    bool czyWInkubacji() const { return m_statusPaskaZakresu == zWInkubacji; }
    bool czyAktywne() const { return m_statusPaskaZakresu == zAktywne; }
    bool czyOczekujace() const { return m_statusPaskaZakresu == zOczekujace; }
    bool czyGotowe() const { return m_statusPaskaZakresu == zGotowe; }
    bool czyNieaktywne() const { return m_statusPaskaZakresu == zNieaktywne; }
    bool czyUkonczone() const { return m_statusPaskaZakresu == zUkonczone; }
    bool czyWszystkie() const { return m_statusPaskaZakresu == zWszystkie; }
    void setCzyWObrobce(bool tak) { ustawGdyTak(tak, zWObrobce); }
    void setCzyWInkubacji(bool tak) { ustawGdyTak(tak, zWInkubacji); }
    void setCzyAktywne(bool tak) { ustawGdyTak(tak, zAktywne); }
    void setCzyOczekujace(bool tak) { ustawGdyTak(tak, zOczekujace); }
    void setCzyGotowe(bool tak) { ustawGdyTak(tak, zGotowe); }
    void setCzyNieaktywne(bool tak) { ustawGdyTak(tak, zNieaktywne); }
    void setCzyUkonczone(bool tak) { ustawGdyTak(tak, zUkonczone); }
    void setCzyWszystkie(bool tak) { ustawGdyTak(tak, zWszystkie); }

    // The In Work button is pressed for the whole group; pressing it selects the remembered sub-scope.
    bool czyWcisnietyPrzyciskWObrobce() const;
    void setCzyWcisnietyPrzyciskWObrobce(bool tak) { ustawGdyTak(tak, m_statusPrzyciskuWObrobce); }
    QString tytulPrzyciskuWObrobce() const;
    // The name of a scope code as buttons and menus show it.
    static QString tytulZakresu(StatusPaskaZakresu status);

    // A new bean lies in Incubation: a scope that hides it gives way to In Work.
    void odslonNowaFasolke();

    bool czyPodzialNaPotoki() const { return m_czyPodzialNaPotoki; }
    void setCzyPodzialNaPotoki(bool podzial);

    // Held weakly; once set, every change is written through, an equal value too.
    UstawieniaKartyPortfolio *ustawieniaKartyPortfolio() const { return m_ustawieniaKartyPortfolio; }
    void setUstawieniaKartyPortfolio(UstawieniaKartyPortfolio *ustawienia) { m_ustawieniaKartyPortfolio = ustawienia; }

    // The value a menu item with this tag shows and sets: 1 to 8 the scopes, 9 the division.
    bool wartoscZnacznika(int znacznik) const;
    void setWartoscZnacznika(int znacznik, bool wartosc);

signals:
    void statusPaskaZakresuChanged();
    void czyPodzialNaPotokiChanged();

private:
    void ustawGdyTak(bool tak, StatusPaskaZakresu status);

    StatusPaskaZakresu m_statusPaskaZakresu = zWObrobce;
    // The In Work sub-scope last chosen: the button's title and what pressing it selects.
    StatusPaskaZakresu m_statusPrzyciskuWObrobce = zWObrobce;
    bool m_czyPodzialNaPotoki = true;
    QPointer<UstawieniaKartyPortfolio> m_ustawieniaKartyPortfolio;
};
