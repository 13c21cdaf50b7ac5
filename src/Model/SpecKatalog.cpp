#include "SpecKatalog.h"

#include "Platform/BladOperacji.h"
#include "Platform/Bookmark.h"
#include "Platform/FileOperations.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"
#include "Platform/UserDefaults.h"

#include <QDir>
#include <QVariantMap>

#include <array>
#include <cerrno>

namespace {

const QString kluczDanychBookmarka = QStringLiteral("bookmarkData");
const QString kluczSciezki = QStringLiteral("path");

QString katalogDomowy()
{
    return Paths::clean(QDir::homePath());
}

// Without a birth time to compare, a folder that only took the base folder's inode must show it
// is a portfolio's base: it is the portfolio folder itself or holds one.
bool wygladaNaBaze(const QString &katalog)
{
    const QString &portfel = SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkTarrowind);
    return Paths::lastComponent(katalog) == portfel || FileOperations::isFolder(Paths::join(katalog, portfel));
}

} // namespace

SpecKatalog *SpecKatalog::sharedSpecKatalog()
{
    static SpecKatalog instancja;
    return &instancja;
}

const QString &SpecKatalog::ostatniKomponentSciezki(int kod)
{
    static const std::array<QString, 13> nazwy = {
        QStringLiteral("Archived Beans"), QStringLiteral("Reference Library"), QStringLiteral("Tarrowind"),
        QStringLiteral("_Inactive"),      QStringLiteral("_Waiting_For"),      QStringLiteral("_Ready"),
        QStringLiteral("_Done"),          QStringLiteral("_Incubation"),       QStringLiteral("_Flow_Items"),
        QStringLiteral("Downloads"),      QStringLiteral("_Main_Flow"),        QStringLiteral("Desktop"),
        QStringLiteral("All Beans"),
    };
    static const QString pusty;
    if (kod < 0 || kod >= int(nazwy.size()))
        return pusty;
    return nazwy[size_t(kod)];
}

std::optional<QString> SpecKatalog::rozwiazZapisanaLokalizacje(QVariantMap *zapis, BladOperacji *blad)
{
    *zapis = UserDefaults::standard().dictionaryForKey(QLatin1String(kluczUrlaBazowego));
    const QByteArray dane = zapis->value(kluczDanychBookmarka).toByteArray();
    if (dane.isEmpty()) {
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaPosix), ENOENT,
                            QStringLiteral("No portfolio location is stored."),
                            QStringLiteral("The folder \u201C%1\u201D couldn\u2019t be found.")
                                .arg(ostatniKomponentSciezki(rkTarrowind)));
        return std::nullopt;
    }
    BladOperacji bladBookmarka;
    const auto rozwiazany = Bookmark::resolve(dane, wygladaNaBaze, &bladBookmarka);
    if (!rozwiazany) {
        drukujLinie(QStringLiteral("Błąd odczytu urla z danych bookmarka: %1"), bladBookmarka.przyczyna);
        if (blad)
            *blad = bladBookmarka;
    }
    return rozwiazany;
}

void SpecKatalog::przyjmijLokalizacje(const QString &rozwiazany, const QVariantMap &zapis)
{
    m_zabezpieczonyUrlBazowy = rozwiazany;
    m_czystyUrlBazowy = Paths::clean(rozwiazany);

    // A base folder renamed or moved since the last launch is recorded with its new path, its
    // bookmark too: a later loss is told, and searched for, from where it was followed to.
    if (rozwiazany != zapis.value(kluczSciezki).toString()) {
        UserDefaults &ustawienia = UserDefaults::standard();
        QVariantMap poprawiony = zapis;
        poprawiony.insert(kluczSciezki, rozwiazany);
        if (const auto dane = Bookmark::dataForPath(rozwiazany))
            poprawiony.insert(kluczDanychBookmarka, *dane);
        ustawienia.setObject(QLatin1String(kluczUrlaBazowego), poprawiony);
        ustawienia.synchronize();
    }
}

bool SpecKatalog::wczytajZapisanaLokalizacje()
{
    QVariantMap zapis;
    const auto rozwiazany = rozwiazZapisanaLokalizacje(&zapis, nullptr);
    if (!rozwiazany)
        return false;
    przyjmijLokalizacje(*rozwiazany, zapis);
    return true;
}

bool SpecKatalog::odszukajPrzeniesionePortfolio(BladOperacji *blad)
{
    QVariantMap zapis;
    const auto rozwiazany = rozwiazZapisanaLokalizacje(&zapis, blad);
    if (!rozwiazany)
        return false;
    // A start would make an empty portfolio there; while the program runs the user is told instead.
    const QString korzen = korzenDlaBazy(Paths::clean(*rozwiazany));
    if (!FileOperations::isFolder(korzen)) {
        BladOperacji::ustaw(
            blad, QString::fromLatin1(BladOperacji::domenaPosix), ENOENT,
            QStringLiteral("The portfolio could not be found."),
            QStringLiteral("The folder \u201C%1\u201D couldn\u2019t be found.").arg(Paths::lastComponent(korzen)));
        return false;
    }
    przyjmijLokalizacje(*rozwiazany, zapis);
    return true;
}

QString SpecKatalog::urlBazowy()
{
    if (m_czystyUrlBazowy.isEmpty() && !wczytajZapisanaLokalizacje())
        m_czystyUrlBazowy = katalogDomowy();
    return m_czystyUrlBazowy;
}

bool SpecKatalog::setUrlBazowy(const QString &url)
{
    m_zabezpieczonyUrlBazowy.clear();
    m_czystyUrlBazowy.clear();

    const QString czysty = Paths::clean(url);
    BladOperacji blad;
    const auto dane = Bookmark::dataForPath(czysty, &blad);
    if (!dane) {
        drukujLinie(QStringLiteral("Błąd: nie można stworzyć danych bookmarka dla urla = %1. Błąd: %2"), czysty,
                    blad.przyczyna);
        return false;
    }
    UserDefaults &ustawienia = UserDefaults::standard();
    const QVariant poprzedni = ustawienia.objectForKey(QLatin1String(kluczUrlaBazowego));
    ustawienia.setObject(QLatin1String(kluczUrlaBazowego),
                         QVariantMap{{kluczDanychBookmarka, *dane}, {kluczSciezki, czysty}});
    if (!ustawienia.synchronize()) {
        // Keep the old entry rather than a half-written one.
        if (poprzedni.isValid())
            ustawienia.setObject(QLatin1String(kluczUrlaBazowego), poprzedni);
        else
            ustawienia.removeObject(QLatin1String(kluczUrlaBazowego));
        drukujLinie(QStringLiteral("Błąd: nie można zapisać ustawień w %1"), ustawienia.fileName());
        return false;
    }
    return wczytajZapisanaLokalizacje();
}

bool SpecKatalog::czyJestUstawionyUrlBazowy_1_2()
{
    if (!m_zabezpieczonyUrlBazowy.isEmpty())
        return true;
    return wczytajZapisanaLokalizacje();
}

void SpecKatalog::zapomnijWczytanaLokalizacje()
{
    m_zabezpieczonyUrlBazowy.clear();
    m_czystyUrlBazowy.clear();
}

QString SpecKatalog::sciezkaBazowa_1_1_zUstawien() const
{
    return UserDefaults::standard().stringForKey(QLatin1String(kluczSciezkiBazowej_1_1));
}

bool SpecKatalog::isAppRunningInSandbox()
{
    return qEnvironmentVariableIsSet(zmiennaPiaskownicy);
}

QString SpecKatalog::urlBazowyWPiaskownicy() const
{
    if (!isAppRunningInSandbox())
        return {};
    return Paths::join(katalogDomowy(), ostatniKomponentSciezki(rkTarrowind));
}

QString SpecKatalog::korzenDlaBazy(const QString &baza)
{
    if (Paths::lastComponent(baza) == ostatniKomponentSciezki(rkTarrowind))
        return baza;
    return Paths::join(baza, ostatniKomponentSciezki(rkTarrowind));
}

QString SpecKatalog::urlKorzenia()
{
    return korzenDlaBazy(urlBazowy());
}

QString SpecKatalog::url(int rodzaj)
{
    switch (rodzaj) {
    case suArchiwum:
        return Paths::join(urlKorzenia(), ostatniKomponentSciezki(rkZarchiwizowaneFasolki));
    case suBibliotekaMatRef:
        return Paths::join(urlKorzenia(), ostatniKomponentSciezki(rkBibliotekaMatRef));
    case suPobraneRzeczy:
        return Paths::join(katalogDomowy(), ostatniKomponentSciezki(rkPobrane));
    case suPotokGlowny:
        return Paths::join(url(suWszystkieFasolki), ostatniKomponentSciezki(rkPotokGlowny));
    case suRzeczyNaBiurku:
        return Paths::join(katalogDomowy(), ostatniKomponentSciezki(rkBiurko));
    case suWszystkieFasolki:
        return Paths::join(urlKorzenia(), ostatniKomponentSciezki(rkWszystkieFasolki));
    default:
        return {};
    }
}
