#include "BazaFasolek.h"

#include "Archiwum.h"
#include "ArchiwumPotoku.h"
#include "BytKatalogu.h"
#include "DeskryptorSortu.h"
#include "Fasolka.h"
#include "NazwaOdUzytkownika.h"
#include "Potok.h"
#include "RelacjeModelu.h"
#include "SpecKatalog.h"
#include "StosCoreData.h"
#include "SynchronizatorZestawuObiektow.h"
#include "ZalozoneKatalogi.h"

#include "Platform/FileOperations.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"
#include "Platform/ZnacznikiStartu.h"

#include <QSet>

#include <cerrno>
#include <utility>

namespace {

BazaFasolek::AlertKrytyczny &alertKrytyczny()
{
    static BazaFasolek::AlertKrytyczny alert;
    return alert;
}

BazaFasolek::PortfolioNieZnalezione &portfolioNieZnalezione()
{
    static BazaFasolek::PortfolioNieZnalezione powiadomienie;
    return powiadomienie;
}

BazaFasolek::FabrykaObserwatora &fabrykaObserwatora()
{
    static BazaFasolek::FabrykaObserwatora fabryka;
    return fabryka;
}

QString urlSpecjalny(int rodzaj)
{
    return SpecKatalog::sharedSpecKatalog()->url(rodzaj);
}

} // namespace

BazaFasolek::BazaFasolek()
{
    connect(this, &BazaFasolek::potokiChanged, this, [this] {
        emit potokGlownyChanged();
        emit potokiTematyczneChanged();
        emit relacjaFasolkiZmieniona();
    });
}

BazaFasolek::~BazaFasolek() = default;

BazaFasolek *BazaFasolek::sharedBazaFasolek()
{
    KontekstObiektow *kontekst = StosCoreData::kontekstOZ();
    if (auto *baza = qobject_cast<BazaFasolek *>(kontekst->korzen()))
        return baza;
    auto *baza = kontekst->wstaw<BazaFasolek>();
    // The root is known before the build, so a request made while building finds this one.
    kontekst->ustawKorzen(baza);
    baza->zbuduj();
    return baza;
}

void BazaFasolek::setAlertKrytyczny(AlertKrytyczny alert)
{
    alertKrytyczny() = std::move(alert);
}

void BazaFasolek::setFabrykaObserwatoraZmianNaDysku(FabrykaObserwatora fabryka)
{
    fabrykaObserwatora() = std::move(fabryka);
}

void BazaFasolek::setPortfolioNieZnalezione(PortfolioNieZnalezione powiadomienie)
{
    portfolioNieZnalezione() = std::move(powiadomienie);
}

const QList<DeskryptorSortu> &BazaFasolek::deskryptorySortuPoNazwie()
{
    static const QList<DeskryptorSortu> deskryptory{DeskryptorSortu(DeskryptorSortu::poNazwie)};
    return deskryptory;
}

const QList<DeskryptorSortu> &BazaFasolek::deskryptorySortuPoNazwieZlokalizowanej()
{
    static const QList<DeskryptorSortu> deskryptory{DeskryptorSortu(DeskryptorSortu::poNazwieZlokalizowanej)};
    return deskryptory;
}

void BazaFasolek::zbuduj()
{
    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapBudowyGrafu);
    auto *wszystkieFasolki = StosCoreData::kontekstOZ()->wstaw<BytKatalogu>();
    setKatalog(wszystkieFasolki);
    wszystkieFasolki->setPlikowyURL(urlSpecjalny(SpecKatalog::suWszystkieFasolki));
    zainicjujKatalogiBazyFasolek();
    synchronizujZDyskiem();

    auto *archiwum = StosCoreData::kontekstOZ()->wstaw<Archiwum>();
    setArchiwum(archiwum);
    archiwum->ustawKatalogOURLu(urlSpecjalny(SpecKatalog::suArchiwum));
    archiwum->synchronizujZDyskiem();

    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapObserwatora);
    if (fabrykaObserwatora())
        m_obserwatorZmianNaDysku = fabrykaObserwatora()();
    if (m_obserwatorZmianNaDysku)
        m_obserwatorZmianNaDysku->setupEventListener();
    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapGrafuGotowego);
}

void BazaFasolek::setKatalog(BytKatalogu *katalog)
{
    RelacjeModelu::katalogBazy.ustaw(this, katalog);
}

void BazaFasolek::setArchiwum(Archiwum *archiwum)
{
    RelacjeModelu::archiwumBazy.ustaw(this, archiwum);
}

Potok *BazaFasolek::potokGlowny() const
{
    Potok *glowny = nullptr;
    for (Potok *potok : m_potoki) {
        if (!potok->toPotokGlowny())
            continue;
        if (glowny)
            return nullptr;
        glowny = potok;
    }
    return glowny;
}

QList<Potok *> BazaFasolek::potokiTematyczne() const
{
    QList<Potok *> wynik;
    for (Potok *potok : m_potoki) {
        if (!potok->toPotokGlowny())
            wynik.append(potok);
    }
    return wynik;
}

QList<Potok *> BazaFasolek::synchronizujListePotokow()
{
    if (!m_katalog || m_katalog->plikowyURL().isEmpty())
        return {};
    SynchronizatorZestawuObiektow synchronizator;
    const bool udane = synchronizator.zanalizujPotrzebySynchronizacjiZestawu(
        m_potoki.elementy(),
        [](Potok *potok) { return potok->bytPotoku() ? potok->bytPotoku()->plikowyURL() : QString(); },
        m_katalog->plikowyURL(), SynchronizatorZestawuObiektow::pomijajPliki);
    if (!udane)
        return {};
    return synchronizator.zastosuj(
        this, RelacjeModelu::potoki,
        [](Potok *potok, const QString &sciezka) { potok->bytPotoku()->setPlikowyURL(sciezka); },
        [](const QString &sciezka, quint32 rodzaj) {
            Potok *potok = Potok::zarzadzanyObiektPotokuZURLem(sciezka, rodzaj);
            return potok->bytPotoku() ? potok : nullptr;
        },
        [](Potok *potok) { RelacjeModelu::fasolkiPotoku.usun(potok, potok->fasolki().elementy()); });
}

void BazaFasolek::synchronizujFasolkiWPotokach(const QList<Potok *> &swieze)
{
    const QSet<Potok *> pominiete(swieze.cbegin(), swieze.cend());
    const QList<Potok *> potoki = m_potoki.elementy();
    for (Potok *potok : potoki) {
        if (!pominiete.contains(potok))
            potok->synchronizujFasolki();
    }
}

void BazaFasolek::synchronizujZDyskiem()
{
    synchronizujFasolkiWPotokach(synchronizujListePotokow());
}

void BazaFasolek::odczytajPokazanyObiekt(QObject *obiekt)
{
    if (m_obserwatorZmianNaDysku)
        m_obserwatorZmianNaDysku->odczytajPokazanyObiekt(obiekt);
}

void BazaFasolek::zainicjujKatalogiBazyFasolek()
{
    if (zalozKatalog(urlSpecjalny(SpecKatalog::suWszystkieFasolki)))
        zalozKatalog(urlSpecjalny(SpecKatalog::suPotokGlowny));
    zalozKatalog(urlSpecjalny(SpecKatalog::suArchiwum));
}

bool BazaFasolek::zalozKatalog(const QString &url)
{
    // Only a folder will do: a file standing in the way is a failure, not a fixed folder.
    if (FileOperations::isFolder(url))
        return true;
    BladOperacji blad;
    if (FileOperations::createFolder(url, true, &blad))
        return true;
    const QString wiadomosc = QStringLiteral("Could not create %1 directory ").arg(Paths::lastComponent(url));
    drukujLinie(QStringLiteral("Błąd: %1 %2"), wiadomosc, blad.przyczyna);
    if (alertKrytyczny())
        alertKrytyczny()(wiadomosc, blad.przyczyna);
    return false;
}

void BazaFasolek::updateBazaFasolekAfterUrlBazowyChange()
{
    m_portfolioUtracone = false;
    if (m_katalog)
        m_katalog->setPlikowyURL(urlSpecjalny(SpecKatalog::suWszystkieFasolki));
    zainicjujKatalogiBazyFasolek();
    synchronizujZDyskiem();
    if (m_archiwum) {
        m_archiwum->ustawKatalogOURLu(urlSpecjalny(SpecKatalog::suArchiwum));
        m_archiwum->synchronizujZDyskiem();
    }
    if (m_obserwatorZmianNaDysku)
        m_obserwatorZmianNaDysku->updateEventListenerAfterUrlBazowyChange();
}

BazaFasolek::PolozeniePortfolio BazaFasolek::sprawdzPolozeniePortfolio()
{
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    const QString korzen = spec->urlKorzenia();
    if (FileOperations::isFolder(korzen)) {
        m_portfolioUtracone = false;
        return PolozeniePortfolio::naMiejscu;
    }
    BladOperacji blad;
    if (!spec->odszukajPrzeniesionePortfolio(&blad)) {
        // A later change of the roots looks again, without telling the user a second time.
        if (!std::exchange(m_portfolioUtracone, true)) {
            drukujLinie(QStringLiteral("Błąd: nie znaleziono portfolio %1: %2"), korzen, blad.przyczyna);
            if (portfolioNieZnalezione())
                portfolioNieZnalezione()(korzen, blad);
        }
        return PolozeniePortfolio::utracone;
    }
    m_portfolioUtracone = false;
    przepiszUrlePortfolio(korzen, spec->urlKorzenia());
    updateBazaFasolekAfterUrlBazowyChange();
    return PolozeniePortfolio::przeniesione;
}

void BazaFasolek::przepiszUrlePortfolio(const QString &stary, const QString &nowy)
{
    // Newest first: a folder's children, read after it, stand at the new place before the folder
    // re-reads them there, so they keep their objects. Objects made meanwhile are made there.
    KontekstObiektow *kontekst = StosCoreData::kontekstOZ();
    for (std::size_t i = kontekst->liczbaObiektow(); i-- > 0;) {
        auto *byt = qobject_cast<BytSystemuPlikow *>(kontekst->obiekt(i));
        if (!byt)
            continue;
        const QString url = byt->plikowyURL();
        if (Paths::contains(stary, url))
            byt->setPlikowyURL(nowy + url.mid(stary.size()));
    }
}

Potok *BazaFasolek::znajdzPotokONazwie(const QString &nazwa) const
{
    for (Potok *potok : m_potoki) {
        if (potok->nazwa() == nazwa)
            return potok;
    }
    return nullptr;
}

Potok *BazaFasolek::potokDlaArchiwumPotoku(const ArchiwumPotoku *archiwumPotoku) const
{
    const QString nazwaKatalogu = archiwumPotoku ? archiwumPotoku->nazwaKatalogu() : QString();
    if (nazwaKatalogu.isEmpty())
        return nullptr;
    for (Potok *potok : m_potoki) {
        if (potok->nazwaKatalogu() == nazwaKatalogu)
            return potok;
    }
    return nullptr;
}

Potok *BazaFasolek::potokZUrlem(const QString &url) const
{
    for (Potok *potok : m_potoki) {
        if (potok->bytPotoku() && Paths::equal(potok->bytPotoku()->plikowyURL(), url))
            return potok;
    }
    return nullptr;
}

Potok *BazaFasolek::nowyPotok(const QString &nazwa, BladOperacji *blad)
{
    const QString opis = QStringLiteral("Could not create the flow.");
    if (!NazwaOdUzytkownika::sprawdz(nazwa, NazwaOdUzytkownika::rnElementWidoczny, opis, blad))
        return nullptr;
    const QString urlWszystkich = dropDestinationURL();
    if (urlWszystkich.isEmpty())
        return nullptr;
    const QString url = Paths::join(urlWszystkich, nazwa);
    if (Potok::jestNazwaPotokuGlownego(nazwa) || NazwaOdUzytkownika::istniejeWJakiejsPisowni(url)) {
        BladOperacji::zErrno(blad, EEXIST, opis, url);
        return nullptr;
    }
    if (!FileOperations::createFolder(url, false, blad))
        return nullptr;
    synchronizujListePotokow();
    // The flow of the folder just made, not some flow of the same name; made here when the
    // flow list could not be read.
    if (Potok *potok = potokZUrlem(url))
        return potok;
    Potok *potok = Potok::zarzadzanyObiektPotokuZURLem(url);
    RelacjeModelu::potoki.dodaj(this, {potok});
    return potok;
}

bool BazaFasolek::reaktywujZarchiwizowanaFasolkeIUstawStatus(Fasolka *fasolka, int status, BladOperacji *blad)
{
    const QString opis = QStringLiteral("Could not bring the bean back into its flow.");
    ArchiwumPotoku *archiwumPotoku = fasolka ? fasolka->archiwumPotoku() : nullptr;
    const QString urlArchiwumPotoku =
        archiwumPotoku && archiwumPotoku->katalog() ? archiwumPotoku->katalog()->plikowyURL() : QString();
    if (urlArchiwumPotoku.isEmpty() || !fasolka->bytFasolki() || !m_katalog || m_katalog->plikowyURL().isEmpty()) {
        const QString nazwa = fasolka ? fasolka->nazwa() : QString();
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), EINVAL, opis,
                            QStringLiteral("\u201C%1\u201D is in no flow archive.").arg(nazwa));
        return false;
    }
    synchronizujListePotokow();
    Potok *potok = potokDlaArchiwumPotoku(archiwumPotoku);
    Potok *nowy = nullptr;
    ZalozoneKatalogi zalozone;
    QString urlPotoku = potok && potok->bytPotoku() ? potok->bytPotoku()->plikowyURL() : QString();
    if (urlPotoku.isEmpty()) {
        // The flow archive bears the flow folder's name, "_Main_Flow" for the main flow.
        urlPotoku = Paths::join(m_katalog->plikowyURL(), Paths::lastComponent(urlArchiwumPotoku));
        if (!zalozone.zaloz(urlPotoku, true, blad)) {
            drukujLinie(QStringLiteral("Błąd: nie mogłem założyć katalogu dla nowego potoku."));
            return false;
        }
        // Made while its folder is still empty; it joins the flows only once the bean is in.
        nowy = Potok::zarzadzanyObiektPotokuZURLem(urlPotoku);
    }
    const QString url = fasolka->bytFasolki()->plikowyURL();
    const QString nazwa = Paths::lastComponent(url);
    const QString cel = Fasolka::urlDlaFasolkiZKatalogiemZOKSZeStatusemWPotokuOUrlu(fasolka->jestZKatalogiem(), nazwa,
                                                                                    status, urlPotoku);
    if (!NazwaOdUzytkownika::mozeLezecW(nazwa, Paths::parent(cel), opis, blad))
        return false;
    if (!Fasolka::zalozKatalogJesliPotrzebaDlaStatusuDlaPotokuZUrlem(status, urlPotoku, &zalozone, opis, blad)) {
        drukujLinie(QStringLiteral("Błąd: nie mogłem założyć katalogu: %1"), Paths::parent(cel));
        return false;
    }
    if (!fasolka->przeniesBytFasolkiNaDysku(cel, opis, blad)) {
        drukujLinie(QStringLiteral("Błąd: Nie mogłem przenieść bytu fasolki do nowego katalogu."));
        return false;
    }
    zalozone.zatrzymaj();
    if (nowy) {
        RelacjeModelu::potoki.dodaj(this, {nowy});
        potok = nowy;
    }
    fasolka->bytFasolki()->setPlikowyURL(cel);
    RelacjeModelu::fasolkiPotoku.dodaj(potok, {fasolka});
    RelacjeModelu::fasolkiArchiwumPotoku.usun(archiwumPotoku, {fasolka});
    return true;
}

QString BazaFasolek::dropDestinationURL() const
{
    return m_katalog ? m_katalog->plikowyURL() : QString();
}

QString BazaFasolek::previewItemTitle() const
{
    return Paths::lastComponent(dropDestinationURL());
}

// Signals carry lists of classes that the header only declares; moc them here, where all are complete.
#include "moc_BazaFasolek.cpp"
