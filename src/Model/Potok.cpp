#include "Potok.h"

#include "BazaFasolek.h"
#include "BytKatalogu.h"
#include "DeskryptorSortu.h"
#include "Fasolka.h"
#include "NazwaOdUzytkownika.h"
#include "RelacjeModelu.h"
#include "SpecKatalog.h"
#include "StosCoreData.h"
#include "SynchronizatorZestawuObiektow.h"
#include "ZalozoneKatalogi.h"

#include "Platform/FileOperations.h"
#include "Platform/Konsola.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Paths.h"

#include <cerrno>

namespace {

QString urlFasolki(Fasolka *fasolka)
{
    return fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString();
}

} // namespace

QList<FolderListing::Wpis> Potok::wpisyFasolekWKatalogu(const QString &katalog) const
{
    QList<FolderListing::Wpis> wpisy;
    for (Fasolka *fasolka : m_fasolki.elementy()) {
        const QString sciezka = urlFasolki(fasolka);
        if (sciezka.isEmpty() || !Paths::equal(Paths::parent(sciezka), katalog))
            continue;
        FolderListing::Wpis wpis;
        wpis.nazwa = Paths::lastComponent(sciezka);
        wpis.sciezka = SynchronizatorZestawuObiektow::kluczUrla(sciezka);
        wpis.toKatalog = Fasolka::maBytKatalogu(fasolka);
        wpisy.append(wpis);
    }
    return wpisy;
}

Potok::Potok()
{
    connect(this, &Potok::bazaFasolekChanged, this, &Potok::zostalUsunietyChanged);
    connect(this, &Potok::bytPotokuChanged, this, &Potok::poZmianieBytuPotoku);
    connect(this, &Potok::katalogRzeczyPotokuChanged, this, &Potok::poZmianieKataloguRzeczyPotoku);
    connect(this, &Potok::fasolkiChanged, this, &Potok::poZmianieFasolek);
    connect(this, &Potok::nazwaJakiejsFasolkiZmieniona, this, [this] {
        if (m_bazaFasolek)
            emit m_bazaFasolek->nazwaJakiejsFasolkiZmieniona();
    });
}

int Potok::odczytajRodzajPotokuDlaURLa(const QString &url)
{
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    if (url.isEmpty() || !Paths::equal(Paths::parent(url), spec->url(SpecKatalog::suWszystkieFasolki)))
        return rpBrak;
    const QString &potokGlowny = SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkPotokGlowny);
    return Paths::lastComponent(url) == potokGlowny ? rpGlowny : rpTematyczny;
}

Potok *Potok::zarzadzanyObiektPotokuZURLem(const QString &url, quint32 rodzajZListingu)
{
    auto *potok = StosCoreData::kontekstOZ()->wstaw<Potok>();
    potok->setBytPotoku(BytSystemuPlikow::bytSystemuPlikowDlaURL(url, rodzajZListingu));
    if (potok->m_bytPotoku) {
        potok->synchronizujFasolki();
        if (potok->m_bytPotoku->toKatalog())
            potok->setKatalogRzeczyPotoku(BytSystemuPlikow::bytKataloguDlaURL(potok->urlKataloguRzeczyPotoku()));
    }
    return potok;
}

void Potok::setBytPotoku(BytSystemuPlikow *byt)
{
    RelacjeModelu::bytPotoku.ustaw(this, byt);
}

void Potok::setKatalogRzeczyPotoku(BytKatalogu *katalog)
{
    RelacjeModelu::katalogRzeczyPotoku.ustaw(this, katalog);
}

int Potok::rodzajPotoku() const
{
    if (!m_bytPotoku || !m_bytPotoku->toKatalog())
        return rpBrak;
    return odczytajRodzajPotokuDlaURLa(m_bytPotoku->plikowyURL());
}

QList<Fasolka *> Potok::fasolkiZeStatusem(int status) const
{
    QList<Fasolka *> wynik;
    for (Fasolka *fasolka : m_fasolki) {
        if (fasolka->statusFasolki() == status)
            wynik.append(fasolka);
    }
    return wynik;
}

QList<Fasolka *> Potok::fasolkiWInkubacji() const
{
    return fasolkiZeStatusem(Fasolka::sfWInkubacji);
}

QList<Fasolka *> Potok::fasolkiAktywne() const
{
    return fasolkiZeStatusem(Fasolka::sfAktywna);
}

QList<Fasolka *> Potok::dzieciSplotu() const
{
    QList<Fasolka *> aktywne = fasolkiAktywne();
    BazaFasolek::deskryptorySortuPoNazwie().constFirst().posortuj(aktywne);
    return aktywne;
}

QList<Fasolka *> Potok::fasolkiOczekujace() const
{
    return fasolkiZeStatusem(Fasolka::sfOczekujaca);
}

QList<Fasolka *> Potok::fasolkiNieaktywne() const
{
    return fasolkiZeStatusem(Fasolka::sfNieaktywna);
}

QList<Fasolka *> Potok::fasolkiGotowe() const
{
    return fasolkiZeStatusem(Fasolka::sfGotowa);
}

QList<Fasolka *> Potok::fasolkiUkonczone() const
{
    return fasolkiZeStatusem(Fasolka::sfUkonczona);
}

bool Potok::maKatalogRzeczyPotoku() const
{
    return m_katalogRzeczyPotoku && m_katalogRzeczyPotoku->toKatalog();
}

bool Potok::maNiepustyKatalogRzeczyPotoku() const
{
    return maKatalogRzeczyPotoku() && !m_katalogRzeczyPotoku->bytyWewnetrzne().isEmpty();
}

QString Potok::urlKataloguRzeczyPotoku() const
{
    if (!m_bytPotoku || m_bytPotoku->plikowyURL().isEmpty())
        return {};
    return Paths::join(m_bytPotoku->plikowyURL(), SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkRzeczyPotoku));
}

QIcon Potok::ikonaPaskaNawigacji() const
{
    return ObrazyAplikacji::ikona(QStringLiteral("PasekNawigacji-Potok-18px-Template"));
}

const QString &Potok::nazwaPotokuGlownego()
{
    static const QString nazwa = QStringLiteral("Main Flow");
    return nazwa;
}

bool Potok::jestNazwaPotokuGlownego(const QString &nazwa)
{
    // Beside the main flow's row a second "Main Flow" could not be told from it.
    return Paths::nfc(nazwa) == nazwaPotokuGlownego();
}

QString Potok::nazwa() const
{
    switch (rodzajPotoku()) {
    case rpGlowny:
        zapamietajNazweBezOgloszenia(nazwaPotokuGlownego());
        break;
    case rpTematyczny:
        zapamietajNazweBezOgloszenia(m_bytPotoku->nazwaZlokalizowana());
        break;
    default:
        break;
    }
    return nazwaWPamieci();
}

QIcon Potok::ikona() const
{
    return m_bytPotoku ? ObrazyAplikacji::ikona(QStringLiteral("Potok.icns")) : ikonaWPamieci();
}

QString Potok::nazwaKatalogu() const
{
    return m_bytPotoku ? Paths::lastComponent(m_bytPotoku->plikowyURL()) : QString();
}

Fasolka *Potok::znajdzFasolkeONazwie(const QString &nazwa) const
{
    for (Fasolka *fasolka : m_fasolki) {
        if (fasolka->nazwa() == nazwa)
            return fasolka;
    }
    return nullptr;
}

Fasolka *Potok::fasolkaZUrlem(const QString &url) const
{
    for (Fasolka *fasolka : m_fasolki) {
        if (Paths::equal(urlFasolki(fasolka), url))
            return fasolka;
    }
    return nullptr;
}

void Potok::setNazwa(const QString &nazwa, BladOperacji *blad)
{
    if (m_bytPotoku && !zmienNazwePotokuNaDysku(nazwa, blad)) {
        drukujLinie(QStringLiteral("Uwaga. Zmiana nazwy na dysku się nie powiodła."));
        return;
    }
    setNazwaWPamieci(nazwa);
}

bool Potok::zmienNazwePotokuNaDysku(const QString &nazwa, BladOperacji *blad)
{
    const QString opis = QStringLiteral("Could not rename the flow.");
    if (!NazwaOdUzytkownika::sprawdz(nazwa, NazwaOdUzytkownika::rnElementWidoczny, opis, blad))
        return false;
    const QString url = m_bytPotoku ? m_bytPotoku->plikowyURL() : QString();
    if (url.isEmpty())
        return false;
    // A flow is a folder: whatever another program has put in its place is not the flow's to rename.
    if (!m_bytPotoku->toKatalog()) {
        BladOperacji::zErrno(blad, ENOENT, opis, url);
        return false;
    }
    const QString nowy = Paths::join(Paths::parent(url), nazwa);
    // The typed name in another spelling is this flow's own name: nothing to do.
    if (nowy == url || Paths::nfc(nazwa) == m_bytPotoku->nazwaZlokalizowana())
        return true;
    // Without "_Main_Flow" there would be no main flow: it keeps its folder.
    if (toPotokGlowny()) {
        if (nazwa == this->nazwa())
            return true;
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), EINVAL, opis,
                            QStringLiteral("The main flow can\u2019t be renamed."));
        return false;
    }
    if (jestNazwaPotokuGlownego(nazwa) || NazwaOdUzytkownika::istniejeWJakiejsPisowni(nowy, url)) {
        BladOperacji::zErrno(blad, EEXIST, opis, nowy);
        return false;
    }
    if (!FileOperations::moveNoReplace(url, nowy, blad)) {
        // The reason is the move's; what failed is the rename.
        if (blad)
            blad->opis = opis;
        return false;
    }
    // The beans' paths and the items folder follow through the observation of the folder's URL.
    m_bytPotoku->setPlikowyURL(nowy);
    emit nazwaChanged();
    return true;
}

Fasolka *Potok::nowaFasolka(const QString &nazwa, BladOperacji *blad)
{
    const QString opis = QStringLiteral("Could not create the bean.");
    if (!NazwaOdUzytkownika::sprawdz(nazwa, NazwaOdUzytkownika::rnFasolka, opis, blad))
        return nullptr;
    if (!m_bytPotoku || !m_bytPotoku->toKatalog()) {
        BladOperacji::zErrno(blad, ENOENT, opis, m_bytPotoku ? m_bytPotoku->plikowyURL() : nazwa);
        return nullptr;
    }
    const QString urlPotoku = m_bytPotoku->plikowyURL();
    const QString url =
        Fasolka::urlDlaFasolkiZKatalogiemZOKSZeStatusemWPotokuOUrlu(true, nazwa, Fasolka::sfWInkubacji, urlPotoku);
    ZalozoneKatalogi zalozone;
    if (!Fasolka::zalozKatalogJesliPotrzebaDlaStatusuDlaPotokuZUrlem(Fasolka::sfWInkubacji, urlPotoku, &zalozone, opis,
                                                                     blad))
        return nullptr;
    if (NazwaOdUzytkownika::istniejeWJakiejsPisowni(url)) {
        BladOperacji::zErrno(blad, EEXIST, opis, url);
        return nullptr;
    }
    if (!FileOperations::createFolder(url, false, blad))
        return nullptr;
    zalozone.zatrzymaj();
    synchronizujFasolki();
    // The bean at the path just made, not some bean of the same name; made here when the
    // re-read could not list a status folder.
    if (Fasolka *fasolka = fasolkaZUrlem(url))
        return fasolka;
    Fasolka *fasolka = Fasolka::zarzadzanyObiektFasolkiZURLem(url);
    RelacjeModelu::fasolkiPotoku.dodaj(this, {fasolka});
    return fasolka;
}

void Potok::synchronizujFasolki()
{
    if (!m_bytPotoku || !m_bytPotoku->toKatalog())
        return;
    const QString url = m_bytPotoku->plikowyURL();
    SynchronizatorZestawuObiektow synchronizator;
    std::optional<SynchronizatorZestawuObiektow::Wpisy> wpisy =
        synchronizator.zestawUrliZKatalogu(url, SynchronizatorZestawuObiektow::pominieciePotoku);
    if (!wpisy)
        return;
    for (int status : {Fasolka::sfOczekujaca, Fasolka::sfNieaktywna, Fasolka::sfGotowa, Fasolka::sfUkonczona,
                       Fasolka::sfWInkubacji}) {
        const QString katalogStatusu = Paths::join(url, Fasolka::oksDlaStatusuFasolki(status));
        auto wpisyStatusu = synchronizator.zestawUrliZKatalogu(katalogStatusu, 0);
        // An unreadable status folder must not read as empty: its beans stay as they were.
        wpisy->append(wpisyStatusu ? std::move(*wpisyStatusu) : wpisyFasolekWKatalogu(katalogStatusu));
    }
    synchronizator.zanalizujPotrzebySynchronizacjiZestawuZZestawemUrli(m_fasolki.elementy(), urlFasolki, *wpisy,
                                                                       Fasolka::maBytKatalogu);

    synchronizator.zastosuj(this, RelacjeModelu::fasolkiPotoku, Fasolka::ustawUrlBytuFasolki,
                            Fasolka::fasolkaZUrlemJesliIstnieje);
    synchronizator.dlaKatalogowNaDysku<Fasolka>(Fasolka::synchronizujJesliZastapiona);
}

void Potok::synchronizujZDyskiem()
{
    synchronizujFasolki();
    if (m_katalogRzeczyPotoku)
        m_katalogRzeczyPotoku->synchronizujZDyskiem();
}

QString Potok::dropDestinationURL() const
{
    return m_bytPotoku ? m_bytPotoku->plikowyURL() : QString();
}

void Potok::poZmianieBytuPotoku()
{
    QObject::disconnect(m_obserwacjaUrla);
    if (m_bytPotoku)
        m_obserwacjaUrla =
            connect(m_bytPotoku, &BytSystemuPlikow::plikowyURLChanged, this, &Potok::poZmianieUrlaBytuPotoku);
    if (m_katalogRzeczyPotoku)
        m_katalogRzeczyPotoku->setPlikowyURL(urlKataloguRzeczyPotoku());
    ogloszZmianeRodzaju();
    emit urlKataloguRzeczyPotokuChanged();
}

void Potok::poZmianieUrlaBytuPotoku(const QString &stary, const QString &nowy)
{
    if (m_katalogRzeczyPotoku)
        m_katalogRzeczyPotoku->setPlikowyURL(urlKataloguRzeczyPotoku());
    // The beans lie below the flow folder: only that leading part of their paths is replaced.
    if (!stary.isEmpty() && !nowy.isEmpty()) {
        const QList<Fasolka *> fasolki = m_fasolki.elementy();
        for (Fasolka *fasolka : fasolki) {
            BytSystemuPlikow *byt = fasolka->bytFasolki();
            if (!byt)
                continue;
            const QString sciezka = byt->plikowyURL();
            if (sciezka.startsWith(stary) && sciezka.size() > stary.size() && sciezka.at(stary.size()) == u'/')
                byt->setPlikowyURL(nowy + sciezka.mid(stary.size()));
        }
    }
    ogloszZmianeRodzaju();
    emit urlKataloguRzeczyPotokuChanged();
}

void Potok::poZmianieKataloguRzeczyPotoku()
{
    QObject::disconnect(m_obserwacjaRzeczyPotoku);
    if (m_katalogRzeczyPotoku)
        m_obserwacjaRzeczyPotoku = connect(m_katalogRzeczyPotoku, &BytKatalogu::bytyWewnetrzneChanged, this,
                                           &Potok::maNiepustyKatalogRzeczyPotokuChanged);
    emit maKatalogRzeczyPotokuChanged();
    emit maNiepustyKatalogRzeczyPotokuChanged();
}

void Potok::poZmianieFasolek(const QList<Fasolka *> &dodane, const QList<Fasolka *> &usuniete)
{
    m_indeksFasolek.usun(usuniete);
    m_indeksFasolek.dodaj(dodane);
    emit fasolkiWInkubacjiChanged();
    emit fasolkiAktywneChanged();
    emit fasolkiOczekujaceChanged();
    emit fasolkiNieaktywneChanged();
    emit fasolkiGotoweChanged();
    emit fasolkiUkonczoneChanged();
    if (m_bazaFasolek)
        emit m_bazaFasolek->relacjaFasolkiZmieniona();
}

void Potok::ogloszZmianeRodzaju()
{
    emit rodzajPotokuChanged();
    emit toPotokGlownyChanged();
    emit toPotokTematycznyChanged();
}

// Signals carry lists of classes that the header only declares; moc them here, where all are complete.
#include "moc_Potok.cpp"
