#include "Fasolka.h"

#include "Archiwum.h"
#include "ArchiwumPotoku.h"
#include "BazaFasolek.h"
#include "BytKatalogu.h"
#include "DekoratorIkonyFasolki.h"
#include "NazwaOdUzytkownika.h"
#include "Potok.h"
#include "RelacjeModelu.h"
#include "SpecKatalog.h"
#include "StosCoreData.h"
#include "SynchronizatorZestawuObiektow.h"
#include "ZalozoneKatalogi.h"

#include "Platform/FileOperations.h"
#include "Platform/FolderListing.h"
#include "Platform/Konsola.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Paths.h"

#include <QSet>
#include <QUuid>

#include <cerrno>
#include <iterator>

namespace {

struct OpisStatusu
{
    const char *tekst;
    const char *ikona;
    int kodKatalogu; // folder-name code of SpecKatalog, -1 for none
};

const OpisStatusu &opisStatusu(int status)
{
    static const OpisStatusu opisy[] = {
        {"Unspecified", "StatusFasolkiNieokreslony", -1},
        {"Incubation", "StatusFasolkaWInkubacji", SpecKatalog::rkInkubacja},
        {"Active", "StatusFasolkaAktywna", -1},
        {"Waiting for", "StatusFasolkaOczekujaca3", SpecKatalog::rkOczekujace},
        {"Inactive", "StatusFasolkaNieaktywna", SpecKatalog::rkNieaktywne},
        {"Ready", "StatusFasolkaGotowa", SpecKatalog::rkGotowe},
        {"Done", "StatusFasolkaUkonczona", SpecKatalog::rkZrobione},
        {"Archived", "StatusFasolkaZarchiwizowana", -1},
    };
    static const OpisStatusu nieznany = {"", "StatusFasolkiNieokreslony", -1};
    if (status < 0 || status >= int(std::size(opisy)))
        return nieznany;
    return opisy[status];
}

const QString &nazwaDsStore()
{
    static const QString nazwa = QStringLiteral(".DS_Store");
    return nazwa;
}

// A visible name, unique across processes and time: should a roll-back fail, the item stays
// where the user can see it.
QString nazwaTymczasowa(const QString &katalog)
{
    return Paths::join(katalog, QUuid::createUuid().toString(QUuid::WithoutBraces));
}

void odmowBezPotoku(BladOperacji *blad, const QString &opis, const Fasolka *fasolka)
{
    BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), EINVAL, opis,
                        QStringLiteral("\u201C%1\u201D belongs to no flow.").arg(fasolka->nazwa()));
}

} // namespace

Fasolka *Fasolka::zarzadzanyObiektFasolkiZURLem(const QString &url, quint32 rodzajZListingu)
{
    auto *fasolka = StosCoreData::kontekstOZ()->wstaw<Fasolka>();
    // Assigned after the bean observes itself, so a folder bean has its folder entity at once.
    fasolka->setBytFasolki(BytSystemuPlikow::bytSystemuPlikowDlaURL(url, rodzajZListingu));
    return fasolka;
}

Fasolka *Fasolka::fasolkaZUrlemJesliIstnieje(const QString &url, quint32 rodzajZListingu)
{
    Fasolka *fasolka = zarzadzanyObiektFasolkiZURLem(url, rodzajZListingu);
    return fasolka->bytFasolki() ? fasolka : nullptr;
}

void Fasolka::ustawUrlBytuFasolki(Fasolka *fasolka, const QString &url)
{
    fasolka->bytFasolki()->setPlikowyURL(url);
}

bool Fasolka::maBytKatalogu(const Fasolka *fasolka)
{
    return qobject_cast<const BytKatalogu *>(fasolka->bytFasolki()) != nullptr;
}

void Fasolka::synchronizujJesliZastapiona(Fasolka *fasolka, const FolderListing::Identity &naDysku)
{
    if (auto *katalog = qobject_cast<BytKatalogu *>(fasolka->bytFasolki());
        katalog && katalog->zostalZastapiony(naDysku))
        fasolka->synchronizujZDyskiem();
}

int Fasolka::odczytajStatusFasolkiDlaURLa(const QString &url)
{
    if (url.isEmpty())
        return sfNieokreslony;
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    const QString p1 = Paths::parent(url);
    const QString p2 = Paths::parent(p1);
    const QString p3 = Paths::parent(p2);
    const QString wszystkieFasolki = spec->url(SpecKatalog::suWszystkieFasolki);

    if (Paths::equal(p1, spec->url(SpecKatalog::suPotokGlowny)) || Paths::equal(p2, wszystkieFasolki))
        return sfAktywna;
    if (Paths::equal(p3, wszystkieFasolki)) {
        const QString nazwaP1 = Paths::lastComponent(p1);
        for (int status : {sfWInkubacji, sfOczekujaca, sfNieaktywna, sfGotowa, sfUkonczona}) {
            if (nazwaP1 == oksDlaStatusuFasolki(status))
                return status;
        }
    }
    if (Paths::equal(p2, spec->url(SpecKatalog::suArchiwum)))
        return sfZarchiwizowana;
    return sfNieokreslony;
}

int Fasolka::odczytajRodzajFasolkiDlaURLa(const QString &url)
{
    if (url.isEmpty() || !FileOperations::exists(url))
        return rfBrak;
    return FileOperations::isFolder(url) ? rfKatalog : rfPlik;
}

QString Fasolka::tekstowyStatusFasolki(int status)
{
    return QString::fromLatin1(opisStatusu(status).tekst);
}

QIcon Fasolka::ikonaStatusuFasolki(int status)
{
    return ObrazyAplikacji::ikona(QString::fromLatin1(opisStatusu(status).ikona));
}

QString Fasolka::oksDlaStatusuFasolki(int status)
{
    const int kod = opisStatusu(status).kodKatalogu;
    return kod < 0 ? QString() : SpecKatalog::ostatniKomponentSciezki(kod);
}

QString Fasolka::urlDlaFasolkiZKatalogiemZOKSZeStatusemWPotokuOUrlu(bool zKatalogiem, const QString &nazwa, int status,
                                                                    const QString &urlPotoku)
{
    // Paths carry no trailing separator, so the folder flag leaves no mark on the result.
    Q_UNUSED(zKatalogiem);
    const QString oks = oksDlaStatusuFasolki(status);
    return Paths::join(oks.isEmpty() ? urlPotoku : Paths::join(urlPotoku, oks), nazwa);
}

const QString &Fasolka::nazwaPlikuSpodziewanegoRezultatu()
{
    static const QString nazwa = QStringLiteral("expected outcome.txt");
    return nazwa;
}

bool Fasolka::zalozKatalogJesliPotrzebaDlaStatusuDlaPotokuZUrlem(int status, const QString &urlPotoku,
                                                                 ZalozoneKatalogi *zalozone, const QString &opis,
                                                                 BladOperacji *blad)
{
    const QString oks = oksDlaStatusuFasolki(status);
    if (oks.isEmpty())
        return true;
    const QString sciezka = Paths::join(urlPotoku, oks);
    // The status folder alone: a flow folder that has gone or been re-spelled since the graph
    // last read it is not made again, which would give the flow a second folder.
    if (FileOperations::isFolder(sciezka))
        return true;
    BladOperacji bladKatalogu;
    if (zalozone ? zalozone->zaloz(sciezka, false, &bladKatalogu)
                 : FileOperations::createFolder(sciezka, false, &bladKatalogu))
        return true;
    // Made by another program meanwhile.
    if (FileOperations::isFolder(sciezka))
        return true;
    if (blad) {
        // The reason is the flow folder's, where the status folder could not go: its permission, its
        // volume or its room; a clash is the name's.
        BladOperacji przyczyna;
        BladOperacji::zErrno(&przyczyna, bladKatalogu.kod, opis, bladKatalogu.kod == EEXIST ? sciezka : urlPotoku);
        BladOperacji::ustaw(
            blad, bladKatalogu.domena, bladKatalogu.kod, opis,
            QStringLiteral("The status folder \u201C%1\u201D couldn\u2019t be made in \u201C%2\u201D. %3")
                .arg(oks, Paths::lastComponent(urlPotoku), przyczyna.przyczyna));
    }
    return false;
}

void Fasolka::setBytFasolki(BytSystemuPlikow *byt)
{
    RelacjeModelu::bytFasolki.ustaw(this, byt);
}

void Fasolka::setKatalog(BytKatalogu *katalog)
{
    RelacjeModelu::katalogFasolki.ustaw(this, katalog);
}

QString Fasolka::nazwa() const
{
    return m_bytFasolki ? m_bytFasolki->nazwaZlokalizowana() : RzeczWBazieFasolek::nazwa();
}

QIcon Fasolka::ikona() const
{
    switch (m_bytFasolki ? rodzajFasolki() : rfBrak) {
    case rfPlik: {
        const QIcon ikonaPliku = m_bytFasolki->ikona();
        if (!m_obrazekIkonyPlikowejZKielkiem.isNull() && m_zapamietanyObrazekIkonyPlikowej == ikonaPliku.cacheKey())
            return m_obrazekIkonyPlikowejZKielkiem;
        m_obrazekIkonyPlikowejZKielkiem = DekoratorIkonyFasolki::ikonaUdekorowanaKielkiem(ikonaPliku);
        m_zapamietanyObrazekIkonyPlikowej = ikonaPliku.cacheKey();
        return m_obrazekIkonyPlikowejZKielkiem;
    }
    case rfKatalog:
        return ObrazyAplikacji::ikona(QStringLiteral("Fasolka.icns"));
    default:
        return RzeczWBazieFasolek::ikona();
    }
}

int Fasolka::rodzajFasolki() const
{
    return m_bytFasolki ? odczytajRodzajFasolkiDlaURLa(m_bytFasolki->plikowyURL()) : rfBrak;
}

int Fasolka::statusFasolki() const
{
    const QString url = m_bytFasolki ? m_bytFasolki->plikowyURL() : QString();
    if (m_statusFasolki != sfNieokreslony && m_urlStatusu == url)
        return m_statusFasolki;
    m_statusFasolki = odczytajStatusFasolkiDlaURLa(url);
    m_urlStatusu = url;
    return m_statusFasolki;
}

QString Fasolka::spodziewanyRezultat() const
{
    if (!m_katalog || m_katalog->plikowyURL().isEmpty())
        return {};
    const QString sciezka = Paths::join(m_katalog->plikowyURL(), nazwaPlikuSpodziewanegoRezultatu());
    return FileOperations::readText(sciezka).value_or(QString());
}

bool Fasolka::ustawSpodziewanyRezultat(const QString &tekst)
{
    if (tekst == spodziewanyRezultat())
        return true;
    if (!m_katalog || m_katalog->plikowyURL().isEmpty())
        return false;
    const QString sciezka = Paths::join(m_katalog->plikowyURL(), nazwaPlikuSpodziewanegoRezultatu());
    bool udane = false;
    if (!tekst.isEmpty())
        udane = FileOperations::writeTextAtomically(sciezka, tekst);
    else
        udane = FileOperations::exists(sciezka) && FileOperations::removeFile(sciezka);
    if (udane)
        emit spodziewanyRezultatChanged();
    return udane;
}

void Fasolka::setNazwa(const QString &nazwa, BladOperacji *blad)
{
    if (!m_bytFasolki) {
        setNazwaWPamieci(nazwa);
        return;
    }
    if (!zmienNazweBytuFasolkiNaDysku(nazwa, blad))
        drukujLinie(QStringLiteral("Uwaga. Zmiana nazwy na dysku się nie powiodła."));
}

bool Fasolka::ustawStatus(int status, BladOperacji *blad)
{
    const int obecny = statusFasolki();
    if (status == obecny)
        return true;
    if (status == sfZarchiwizowana) {
        Archiwum *archiwum = BazaFasolek::sharedBazaFasolek()->archiwum();
        if (!archiwum) {
            odmowBezPotoku(blad, QStringLiteral("Could not archive the bean."), this);
            return false;
        }
        return archiwum->zarchiwizujFasolke(this, blad);
    }
    if (obecny == sfZarchiwizowana)
        return BazaFasolek::sharedBazaFasolek()->reaktywujZarchiwizowanaFasolkeIUstawStatus(this, status, blad);

    const QString opis = QStringLiteral("Could not change the status.");
    const QString urlPotoku = m_potok && m_potok->bytPotoku() ? m_potok->bytPotoku()->plikowyURL() : QString();
    if (urlPotoku.isEmpty() || !m_bytFasolki) {
        odmowBezPotoku(blad, opis, this);
        return false;
    }
    const QString url = m_bytFasolki->plikowyURL();
    const QString nazwa = Paths::lastComponent(url);
    const QString cel = urlDlaFasolkiZKatalogiemZOKSZeStatusemWPotokuOUrlu(jestZKatalogiem(), nazwa, status, urlPotoku);
    // Status 0 and unknown values take the Active place, where an Active bean already lies.
    if (cel == url)
        return true;
    if (!NazwaOdUzytkownika::mozeLezecW(nazwa, Paths::parent(cel), opis, blad))
        return false;
    ZalozoneKatalogi zalozone;
    // Without its status folder the move could only report the bean as missing.
    if (!zalozKatalogJesliPotrzebaDlaStatusuDlaPotokuZUrlem(status, urlPotoku, &zalozone, opis, blad)) {
        drukujLinie(QStringLiteral("Błąd: nie mogłem założyć katalogu: %1"), Paths::parent(cel));
        return false;
    }
    if (!przeniesBytFasolkiNaDysku(cel, opis, blad)) {
        drukujLinie(QStringLiteral("Błąd: Nie mogłem przenieść bytu fasolki do nowego katalogu"));
        return false;
    }
    zalozone.zatrzymaj();
    m_bytFasolki->setPlikowyURL(cel);
    // The bean stays in its flow; the flow's beans by status are computed again.
    emit m_potok->fasolkiChanged({}, {});
    return true;
}

QString Fasolka::urlDlaPotokuIStatusu(const Potok *potok, int status) const
{
    if (!potok || !potok->bytPotoku() || !m_bytFasolki || status < sfWInkubacji || status > sfUkonczona)
        return {};
    const QString urlPotoku = potok->bytPotoku()->plikowyURL();
    if (urlPotoku.isEmpty())
        return {};
    return urlDlaFasolkiZKatalogiemZOKSZeStatusemWPotokuOUrlu(
        m_bytFasolki->toKatalog(), Paths::lastComponent(m_bytFasolki->plikowyURL()), status, urlPotoku);
}

bool Fasolka::przeniesBytFasolkiNaDysku(const QString &cel, const QString &opis, BladOperacji *blad)
{
    const QString url = m_bytFasolki->plikowyURL();
    m_katalogPozostawionych.clear();
    m_przyczynaPozostawieniaOryginalu.clear();
    if (NazwaOdUzytkownika::istniejeWJakiejsPisowni(cel)) {
        BladOperacji::zErrno(blad, EEXIST, opis, url, Paths::parent(cel));
        return false;
    }
    QList<TreeCopier::Leftover> pozostawione;
    if (!FileOperations::moveNoReplace(url, cel, blad, &pozostawione))
        return false;
    m_przyczynaPozostawieniaOryginalu = TreeCopier::removalFailure(pozostawione);
    if (TreeCopier::writtenMeanwhile(pozostawione))
        m_katalogPozostawionych = FileOperations::isFolderNoFollow(url) ? url : Paths::parent(url);
    return true;
}

bool Fasolka::przeniesDoPotoku(Potok *potok)
{
    if (potok && potok == m_potok) {
        drukujLinie(QStringLiteral("Próbujesz przenieść fasolkę do tego samego potoku."));
        return true;
    }
    const int status = statusFasolki();
    const QString cel = urlDlaPotokuIStatusu(potok, status);
    if (cel.isEmpty())
        return false;
    const QString url = m_bytFasolki->plikowyURL();
    if (!NazwaOdUzytkownika::mozeLezecW(Paths::lastComponent(url), Paths::parent(cel), {}))
        return false;
    ZalozoneKatalogi zalozone;
    if (!oksDlaStatusuFasolki(status).isEmpty()) {
        const QString katalogStatusu = Paths::parent(cel);
        if (!FileOperations::exists(katalogStatusu) && !zalozone.zaloz(katalogStatusu, false)) {
            drukujLinie(QStringLiteral("Błąd: nie mogłem założyć katalogu: %1"), katalogStatusu);
            return false;
        }
    }
    if (!przeniesBytFasolkiNaDysku(cel, {})) {
        drukujLinie(QStringLiteral("Błąd: Nie mogłem przenieść bytu fasolki do nowego katalogu"));
        return false;
    }
    zalozone.zatrzymaj();
    m_bytFasolki->setPlikowyURL(cel);
    // Leaves the old flow's beans and joins the new one's, announced on both.
    RelacjeModelu::fasolkiPotoku.dodaj(potok, {this});
    return true;
}

bool Fasolka::opakujFasolkePlikowaWKatalog(BladOperacji *blad)
{
    const QString opis = QStringLiteral("Could not wrap the bean into a folder.");
    if (!m_bytFasolki) {
        BladOperacji::zErrno(blad, ENOENT, opis, nazwa());
        return false;
    }
    if (m_bytFasolki->toKatalog()) {
        drukujLinie(QStringLiteral("Fasolka jest już katalogiem. Nic nie trzeba robić."));
        return true;
    }
    const QString url = m_bytFasolki->plikowyURL();
    const QString nazwaPliku = Paths::lastComponent(url);
    const QString rodzic = Paths::parent(url);
    QString nazwaKatalogu = nazwa();
    if (const QString rozszerzenie = Paths::extension(nazwaKatalogu); !rozszerzenie.isEmpty())
        nazwaKatalogu.chop(rozszerzenie.size() + 1);
    const QString tymczasowy = nazwaTymczasowa(rodzic);
    const QString katalog = Paths::join(rodzic, nazwaKatalogu);
    const QString docelowy = Paths::join(katalog, nazwaPliku);
    // The reason names the bean's file or its new folder, never the hidden temporary name.
    const auto zglos = [&](const BladOperacji &bladKroku, const QString &nazwany) {
        if (bladKroku.domena == QLatin1String(BladOperacji::domenaPosix))
            BladOperacji::zErrno(blad, bladKroku.kod, opis, nazwany, rodzic);
        else
            BladOperacji::ustaw(blad, bladKroku.domena, bladKroku.kod, opis, bladKroku.przyczyna);
    };

    // Another spelling of the folder's name, or one of the flow's own folders, is no new folder.
    if (NazwaOdUzytkownika::istniejeWJakiejsPisowni(katalog, url)) {
        drukujLinie(QStringLiteral("Błąd: nie mogłem założyć katalogu."));
        BladOperacji::zErrno(blad, EEXIST, opis, katalog, rodzic);
        return false;
    }
    if (!NazwaOdUzytkownika::mozeLezecW(nazwaKatalogu, rodzic, opis, blad)) {
        drukujLinie(QStringLiteral("Błąd: nie mogłem założyć katalogu."));
        return false;
    }
    BladOperacji bladKroku;
    if (!FileOperations::moveNoReplace(url, tymczasowy, &bladKroku)) {
        drukujLinie(QStringLiteral("Błąd: nie mogłem zmienić nazwy pliku."));
        zglos(bladKroku, url);
        return false;
    }
    const auto przywroc = [&] {
        if (FileOperations::moveNoReplace(tymczasowy, url))
            return;
        drukujLinie(QStringLiteral("Błąd: plik fasolki został pod nazwą %1"), tymczasowy);
        synchronizujWlasciciela();
    };
    if (!FileOperations::createFolder(katalog, false, &bladKroku)) {
        drukujLinie(QStringLiteral("Błąd: nie mogłem założyć katalogu."));
        zglos(bladKroku, katalog);
        przywroc();
        return false;
    }
    if (!FileOperations::moveNoReplace(tymczasowy, docelowy, &bladKroku)) {
        drukujLinie(QStringLiteral("Błąd: nie mogłem przenieść pliku do katalogu fasolki."));
        zglos(bladKroku, docelowy);
        FileOperations::removeEmptyFolder(katalog);
        przywroc();
        return false;
    }
    setBytFasolki(BytSystemuPlikow::bytSystemuPlikowDlaURL(katalog));
    return true;
}

bool Fasolka::wypakujZawartoscFasolkiZKatalogu()
{
    if (!m_bytFasolki || !m_bytFasolki->toKatalog()) {
        drukujLinie(QStringLiteral("Fasolka nie jest katalogiem. Nic nie trzeba robić."));
        return true;
    }
    const QString url = m_bytFasolki->plikowyURL();
    const QString rodzic = Paths::parent(url);

    // Everything is checked before anything moves, so a refusal touches nothing.
    const FolderListing::Wynik zawartosc = FolderListing::list(url, true);
    const FolderListing::Wynik sasiedzi = FolderListing::list(rodzic);
    if (!zawartosc.ok() || !sasiedzi.ok()) {
        drukujLinie(QStringLiteral("Błąd odczytu zawartości katalogu."));
        return false;
    }
    QStringList doPrzeniesienia;
    QStringList zKropka;
    bool zDsStore = false;
    for (const FolderListing::Wpis &wpis : zawartosc.wpisy) {
        if (wpis.nazwa == nazwaDsStore())
            zDsStore = true;
        else if (wpis.nazwa.startsWith(QLatin1Char('.')))
            zKropka << wpis.nazwa;
        else
            doPrzeniesienia << wpis.nazwa;
    }
    if (!zKropka.isEmpty()) {
        drukujLinie(QStringLiteral("Błąd. Katalog zawiera pliki z kropką. Przerywam operację."));
        drukujLinie(QStringLiteral("pliki z kropką = %1"), zKropka);
        return false;
    }
    // The bean folder itself leaves its name for the time of the moves.
    QSet<QString> zajete;
    // Its twin in the other spelling keeps its name; a child of that name in either spelling clashes.
    const QString nazwaWlasna = Paths::lastComponent(url);
    for (const FolderListing::Wpis &wpis : sasiedzi.wpisy) {
        if (wpis.nazwa != nazwaWlasna)
            zajete.insert(Paths::nfc(wpis.nazwa));
    }
    QStringList kolizje;
    for (const QString &nazwaDziecka : doPrzeniesienia) {
        if (zajete.contains(Paths::nfc(nazwaDziecka)) || !NazwaOdUzytkownika::mozeLezecW(nazwaDziecka, rodzic, {}))
            kolizje << nazwaDziecka;
    }
    if (!kolizje.isEmpty()) {
        drukujLinie(QStringLiteral("Błąd. Obok katalogu są już rzeczy o tych nazwach. Przerywam operację."));
        drukujLinie(QStringLiteral("nazwy zajęte = %1"), kolizje);
        return false;
    }

    const QString tymczasowy = nazwaTymczasowa(rodzic);
    if (!FileOperations::moveNoReplace(url, tymczasowy)) {
        drukujLinie(QStringLiteral("Błąd: nie mogłem zmienić nazwy katalogu na tymczasową."));
        return false;
    }
    QStringList przeniesione;
    bool udane = true;
    for (const QString &nazwaDziecka : doPrzeniesienia) {
        if (!FileOperations::moveNoReplace(Paths::join(tymczasowy, nazwaDziecka), Paths::join(rodzic, nazwaDziecka))) {
            drukujLinie(QStringLiteral("Błąd przeniesienia bytu. Przerywam operację."));
            udane = false;
            break;
        }
        przeniesione << nazwaDziecka;
    }
    if (udane) {
        // Only the one file the folder may keep goes, and then only an empty folder.
        if (zDsStore)
            FileOperations::removeFile(Paths::join(tymczasowy, nazwaDsStore()));
        if (!FileOperations::removeEmptyFolder(tymczasowy)) {
            drukujLinie(QStringLiteral("Błąd usunięcia katalogu. Przerywam operację."));
            udane = false;
        }
    }
    if (!udane) {
        bool cofniete = true;
        for (auto it = przeniesione.crbegin(); it != przeniesione.crend(); ++it) {
            if (!FileOperations::moveNoReplace(Paths::join(rodzic, *it), Paths::join(tymczasowy, *it)))
                cofniete = false;
        }
        if (!FileOperations::moveNoReplace(tymczasowy, url))
            cofniete = false;
        if (!cofniete) {
            drukujLinie(QStringLiteral("Błąd: nie mogłem przywrócić katalogu fasolki %1"), url);
            synchronizujWlasciciela();
        }
        return false;
    }
    // The owner reads its beans again: this bean ends, one bean for each moved item comes.
    synchronizujWlasciciela();
    return true;
}

bool Fasolka::zmienNazweBytuFasolkiNaDysku(const QString &nazwa, BladOperacji *blad)
{
    const QString opis = QStringLiteral("Could not rename the bean.");
    if (!m_bytFasolki || m_bytFasolki->plikowyURL().isEmpty())
        return false;
    if (!NazwaOdUzytkownika::sprawdz(nazwa, NazwaOdUzytkownika::rnFasolka, opis, blad))
        return false;
    const QString url = m_bytFasolki->plikowyURL();
    const QString nowy = Paths::join(Paths::parent(url), nazwa);
    // The typed name in another spelling is this bean's own name: nothing to do.
    if (nowy == url || Paths::nfc(nazwa) == m_bytFasolki->nazwaZlokalizowana())
        return true;
    if (NazwaOdUzytkownika::istniejeWJakiejsPisowni(nowy, url)) {
        BladOperacji::zErrno(blad, EEXIST, opis, nowy);
        return false;
    }
    if (!FileOperations::moveNoReplace(url, nowy, blad)) {
        // The reason is the move's; what failed is the rename.
        if (blad)
            blad->opis = opis;
        return false;
    }
    m_bytFasolki->setPlikowyURL(nowy);
    if (m_potok)
        emit m_potok->nazwaJakiejsFasolkiZmieniona();
    return true;
}

void Fasolka::synchronizujZDyskiem()
{
    if (m_katalog)
        m_katalog->synchronizujBytyWewnetrzneIZwrocNoweElementy();
    // Announced without a change, so everything read from the entity is read again.
    poZmianieBytuFasolki();
    emit bytFasolkiChanged();
}

QString Fasolka::dropDestinationURL() const
{
    return m_bytFasolki ? m_bytFasolki->plikowyURL() : QString();
}

QString Fasolka::previewItemURL() const
{
    return m_bytFasolki ? m_bytFasolki->plikowyURL() : QString();
}

void Fasolka::ogloszZmianeBytuFasolki()
{
    // Another entity: the owner's index of its beans by path is made anew.
    if (m_potok)
        m_potok->indeksFasolek().uniewaznij();
    if (m_archiwumPotoku)
        m_archiwumPotoku->indeksFasolek().uniewaznij();
    poZmianieBytuFasolki();
    emit bytFasolkiChanged();
}

void Fasolka::ogloszZmianePotoku()
{
    emit zostalaUsunietaChanged();
    emit potokChanged();
}

void Fasolka::ogloszZmianeArchiwumPotoku()
{
    emit zostalaUsunietaChanged();
    emit archiwumPotokuChanged();
}

void Fasolka::poZmianieBytuFasolki()
{
    // Entities are made by factories that pick a folder entity by lstat; its class is
    // answer enough here, and a later URL change asks the disk again.
    uaktualnijKatalog(false);
    ogloszZmianeOdczytanego();
}

// The entity calls this on every change of its URL while this bean holds it.
void Fasolka::poZmianieUrlaBytuFasolki(const QString &staryUrl)
{
    const QString nowyUrl = m_bytFasolki->plikowyURL();
    if (m_potok)
        m_potok->indeksFasolek().zmienKlucz(this, staryUrl, nowyUrl);
    if (m_archiwumPotoku)
        m_archiwumPotoku->indeksFasolek().zmienKlucz(this, staryUrl, nowyUrl);
    uaktualnijKatalog(true);
    ogloszZmianeOdczytanego();
}

void Fasolka::ogloszZmianeOdczytanego()
{
    m_statusFasolki = sfNieokreslony;
    emit nazwaChanged();
    emit ikonaChanged();
    ogloszZmianeRodzaju();
    ogloszZmianeStatusu();
    emit spodziewanyRezultatChanged();
}

void Fasolka::uaktualnijKatalog(bool zapytajDysk)
{
    if (!m_bytFasolki) {
        setKatalog(nullptr);
        return;
    }
    // A link to a folder is a folder bean by kind, but has no folder entity.
    auto *katalog = qobject_cast<BytKatalogu *>(m_bytFasolki);
    if (katalog && (!zapytajDysk || katalog->toKatalog())) {
        setKatalog(katalog);
        katalog->setOpcjeSynchronizacji(SynchronizatorZestawuObiektow::pomijajSpodziewanyRezultat);
    }
}

void Fasolka::synchronizujWlasciciela()
{
    if (m_potok)
        m_potok->synchronizujFasolki();
    else if (m_archiwumPotoku)
        m_archiwumPotoku->synchronizujFasolki();
}

void Fasolka::ogloszZmianeRodzaju()
{
    emit rodzajFasolkiChanged();
    emit jestZPlikiemChanged();
    emit jestZKatalogiemChanged();
}

void Fasolka::ogloszZmianeStatusu()
{
    emit statusFasolkiChanged();
    emit tekstowyStatusFasolkiChanged();
    emit ikonaStatusuFasolkiChanged();
    emit jestWInkubacjiChanged();
    emit jestAktywnaChanged();
    emit jestOczekujacaChanged();
    emit jestNieaktywnaChanged();
    emit jestGotowaChanged();
    emit jestUkonczonaChanged();
    emit jestZarchiwizowanaChanged();
}
