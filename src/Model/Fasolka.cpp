#include "Fasolka.h"

#include "ArchiwumPotoku.h"
#include "BytKatalogu.h"
#include "DekoratorIkonyFasolki.h"
#include "Potok.h"
#include "RelacjeModelu.h"
#include "SpecKatalog.h"
#include "StosCoreData.h"
#include "SynchronizatorZestawuObiektow.h"

#include "Platform/FileOperations.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Paths.h"

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

} // namespace

Fasolka::Fasolka()
{
    connect(this, &Fasolka::bytFasolkiChanged, this, &Fasolka::poZmianieBytuFasolki);
    connect(this, &Fasolka::potokChanged, this, &Fasolka::zostalaUsunietaChanged);
    connect(this, &Fasolka::archiwumPotokuChanged, this, &Fasolka::zostalaUsunietaChanged);
}

Fasolka *Fasolka::zarzadzanyObiektFasolkiZURLem(const QString &url)
{
    auto *fasolka = StosCoreData::kontekstOZ()->wstaw<Fasolka>();
    // Assigned after the bean observes itself, so a folder bean has its folder entity at once.
    fasolka->setBytFasolki(BytSystemuPlikow::bytSystemuPlikowDlaURL(url));
    return fasolka;
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
        const QString nazwaP1 = Paths::nfc(Paths::lastComponent(p1));
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

void Fasolka::synchronizujZDyskiem()
{
    if (m_katalog)
        m_katalog->synchronizujBytyWewnetrzneIZwrocNoweElementy();
    // Announced without a change, so everything read from the entity is read again.
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

void Fasolka::poZmianieBytuFasolki()
{
    QObject::disconnect(m_obserwacjaUrla);
    if (m_bytFasolki)
        m_obserwacjaUrla =
            connect(m_bytFasolki, &BytSystemuPlikow::plikowyURLChanged, this, &Fasolka::poZmianieUrlaBytuFasolki);
    // Entities are made by factories that pick a folder entity by lstat; its class is
    // answer enough here, and a later URL change asks the disk again.
    uaktualnijKatalog(false);
    ogloszZmianeOdczytanego();
}

void Fasolka::poZmianieUrlaBytuFasolki()
{
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
