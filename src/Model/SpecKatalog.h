#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

struct BladOperacji;

// Keeper of the portfolio location and the one place that spells the fixed folder names.
class SpecKatalog
{
public:
    // Special-folder kinds, the argument of url().
    enum RodzajSpecUrla {
        suArchiwum = 0,
        suBibliotekaMatRef = 1,
        suPobraneRzeczy = 2,
        suPotokGlowny = 3,
        suRzeczyNaBiurku = 4,
        suWszystkieFasolki = 5,
    };

    // Folder-name codes, the argument of ostatniKomponentSciezki().
    enum RodzajKomponentuSciezki {
        rkZarchiwizowaneFasolki = 0, // "Archived Beans"
        rkBibliotekaMatRef = 1,      // "Reference Library"
        rkTarrowind = 2,             // "Tarrowind"
        rkNieaktywne = 3,            // "_Inactive"
        rkOczekujace = 4,            // "_Waiting_For"
        rkGotowe = 5,                // "_Ready"
        rkZrobione = 6,              // "_Done"
        rkInkubacja = 7,             // "_Incubation"
        rkRzeczyPotoku = 8,          // "_Flow_Items"
        rkPobrane = 9,               // "Downloads"
        rkPotokGlowny = 10,          // "_Main_Flow"
        rkBiurko = 11,               // "Desktop"
        rkWszystkieFasolki = 12,     // "All Beans"
    };

    static constexpr const char *kluczUrlaBazowego = "TarrowindDatabaseRootURL";
    static constexpr const char *kluczSciezkiBazowej_1_1 = "sciezkaBazowa";
    static constexpr const char *zmiennaPiaskownicy = "APP_SANDBOX_CONTAINER_ID";

    SpecKatalog() = default;
    SpecKatalog(const SpecKatalog &) = delete;
    SpecKatalog &operator=(const SpecKatalog &) = delete;

    static SpecKatalog *sharedSpecKatalog();

    // The base folder; the home folder when no stored location resolves.
    QString urlBazowy();
    // Stores and loads a new base folder. NO when it could not be recorded; the old
    // entry then stays. The bean database is not re-pointed here.
    bool setUrlBazowy(const QString &url);
    bool czyJestUstawionyUrlBazowy_1_2();
    // The portfolio folder went away while the program ran: the stored location is resolved
    // again, as a start resolves it. Only a place that holds a portfolio folder is taken; the
    // location held and the stored "path" then become the new ones. Otherwise nothing changes
    // and `blad` tells which folder could not be found.
    bool odszukajPrzeniesionePortfolio(BladOperacji *blad = nullptr);
    // Forgets the location read, so that the next question reads the settings again (tests
    // clear the settings between cases).
    void zapomnijWczytanaLokalizacje();
    QString sciezkaBazowa_1_1_zUstawien() const;

    static bool isAppRunningInSandbox();
    QString urlBazowyWPiaskownicy() const;

    // An empty string for an unknown kind. Asking creates nothing.
    QString url(int rodzaj);
    // The portfolio folder: the base itself when it is named "Tarrowind", else base/"Tarrowind".
    QString urlKorzenia();
    // The same for any base folder.
    static QString korzenDlaBazy(const QString &baza);
    static const QString &ostatniKomponentSciezki(int kod);

private:
    bool wczytajZapisanaLokalizacje();
    // The stored location's folder; `zapis` gets the stored entry.
    static std::optional<QString> rozwiazZapisanaLokalizacje(QVariantMap *zapis, BladOperacji *blad);
    void przyjmijLokalizacje(const QString &rozwiazany, const QVariantMap &zapis);

    QString m_zabezpieczonyUrlBazowy;
    QString m_czystyUrlBazowy;
};
