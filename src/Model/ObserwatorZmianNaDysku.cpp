#include "ObserwatorZmianNaDysku.h"

#include "AnalizatorUrlaModelu.h"
#include "Archiwum.h"
#include "ArchiwumPotoku.h"
#include "BazaFasolek.h"
#include "BytKatalogu.h"
#include "Fasolka.h"
#include "PartiaZmianNaDysku.h"
#include "Potok.h"
#include "ProtokolSynchronizacjiZDyskiem.h"
#include "SCEvents.h"
#include "SpecKatalog.h"
#include "StosCoreData.h"

#include "Platform/Paths.h"

#include <QDateTime>

#include <utility>

namespace {

bool wczytany(const BytKatalogu *katalog)
{
    return katalog && katalog->czyBytyBylyOdczytaneZDysku();
}

// Lost events leave no trace of which loaded folder changed: each one is read again.
void odczytajWczytanePodkatalogi(const BytKatalogu *katalog)
{
    const QList<BytSystemuPlikow *> dzieci = katalog->bytyWewnetrzneBezOdczytu().elementy();
    for (BytSystemuPlikow *dziecko : dzieci) {
        auto *podkatalog = qobject_cast<BytKatalogu *>(dziecko);
        if (!wczytany(podkatalog))
            continue;
        podkatalog->synchronizujZDyskiem();
        odczytajWczytanePodkatalogi(podkatalog);
    }
}

void odczytajWczytany(BytKatalogu *katalog)
{
    if (!wczytany(katalog))
        return;
    katalog->synchronizujZDyskiem();
    odczytajWczytanePodkatalogi(katalog);
}

void odczytajWczytaneFasolki(const QList<Fasolka *> &fasolki)
{
    for (Fasolka *fasolka : fasolki) {
        if (!wczytany(fasolka->katalog()))
            continue;
        fasolka->synchronizujZDyskiem();
        odczytajWczytanePodkatalogi(fasolka->katalog());
    }
}

// A plain folder inside a bean: nothing in the graph's structure waits for its children, so a
// change in it is listed on a worker and the main thread applies only the difference. A bean's
// own folder, a flow, a status or a structure folder is read at once: their answers are needed now.
bool wewnatrzFasolki(const BytKatalogu *katalog)
{
    if (katalog->zBytuSystemuPlikowDoFasolki())
        return false;
    for (const BytKatalogu *wyzej = katalog->katalogNadrzedny(); wyzej; wyzej = wyzej->katalogNadrzedny()) {
        if (wyzej->zBytuSystemuPlikowDoFasolki())
            return true;
    }
    return false;
}

void odczytajZmieniony(QObject *obiekt)
{
    if (auto *katalog = qobject_cast<BytKatalogu *>(obiekt); katalog && wewnatrzFasolki(katalog))
        katalog->synchronizujWTle();
    else
        dynamic_cast<ProtokolSynchronizacjiZDyskiem *>(obiekt)->synchronizujZDyskiem();
}

// Below a watched root, once the root's own object has read itself again.
void odczytajWszystkieWczytane(QObject *obiekt)
{
    if (auto *baza = qobject_cast<BazaFasolek *>(obiekt)) {
        odczytajWczytany(baza->katalog());
        for (Potok *potok : baza->potoki().elementy()) {
            odczytajWczytany(qobject_cast<BytKatalogu *>(potok->bytPotoku()));
            odczytajWczytany(potok->katalogRzeczyPotoku());
            odczytajWczytaneFasolki(potok->fasolki().elementy());
        }
    } else if (auto *archiwum = qobject_cast<Archiwum *>(obiekt)) {
        odczytajWczytany(archiwum->katalog());
        for (ArchiwumPotoku *archiwumPotoku : archiwum->archiwaPotokow().elementy()) {
            odczytajWczytany(archiwumPotoku->katalog());
            odczytajWczytaneFasolki(archiwumPotoku->fasolki().elementy());
        }
    } else if (auto *katalog = qobject_cast<BytKatalogu *>(obiekt)) {
        odczytajWczytanePodkatalogi(katalog);
    }
}

void dopiszKatalogiPotoku(const Potok *potok, QStringList &katalogi)
{
    const BytSystemuPlikow *byt = potok->bytPotoku();
    if (!byt)
        return;
    const QString url = byt->plikowyURL();
    katalogi.append(url);
    for (int status :
         {Fasolka::sfOczekujaca, Fasolka::sfNieaktywna, Fasolka::sfGotowa, Fasolka::sfUkonczona, Fasolka::sfWInkubacji})
        katalogi.append(Paths::join(url, Fasolka::oksDlaStatusuFasolki(status)));
    katalogi.append(potok->urlKataloguRzeczyPotoku());
}

void dopiszKatalog(const BytKatalogu *katalog, QStringList &katalogi)
{
    if (katalog)
        katalogi.append(katalog->plikowyURL());
}

// The folders whose entries a view of the object shows.
QStringList katalogiPokazywanegoObiektu(QObject *obiekt)
{
    QStringList katalogi;
    if (auto *baza = qobject_cast<BazaFasolek *>(obiekt)) {
        dopiszKatalog(baza->katalog(), katalogi);
        for (const Potok *potok : baza->potoki().elementy())
            dopiszKatalogiPotoku(potok, katalogi);
    } else if (auto *archiwum = qobject_cast<Archiwum *>(obiekt)) {
        dopiszKatalog(archiwum->katalog(), katalogi);
        for (const ArchiwumPotoku *archiwumPotoku : archiwum->archiwaPotokow().elementy())
            dopiszKatalog(archiwumPotoku->katalog(), katalogi);
    } else if (auto *potok = qobject_cast<Potok *>(obiekt)) {
        dopiszKatalogiPotoku(potok, katalogi);
    } else if (auto *archiwumPotoku = qobject_cast<ArchiwumPotoku *>(obiekt)) {
        dopiszKatalog(archiwumPotoku->katalog(), katalogi);
    } else if (auto *fasolka = qobject_cast<Fasolka *>(obiekt)) {
        if (const BytSystemuPlikow *byt = fasolka->bytFasolki())
            katalogi.append(Paths::parent(byt->plikowyURL()));
        dopiszKatalog(fasolka->katalog(), katalogi);
    } else if (auto *katalog = qobject_cast<BytKatalogu *>(obiekt)) {
        dopiszKatalog(katalog, katalogi);
    }
    return katalogi;
}

} // namespace

ObserwatorZmianNaDysku::ObserwatorZmianNaDysku(double opoznienie, double odstepSpojrzen)
    : m_opoznienie(opoznienie)
    , m_odstepSpojrzen(odstepSpojrzen)
{
}

ObserwatorZmianNaDysku::~ObserwatorZmianNaDysku()
{
    // Released in the middle of a batch, whose end the stream will no longer report.
    if (m_stosujePartie)
        PartiaZmianNaDysku::instancja()->zakoncz();
}

void ObserwatorZmianNaDysku::zainstaluj(double opoznienie, double odstepSpojrzen)
{
    BazaFasolek::setFabrykaObserwatoraZmianNaDysku(
        [opoznienie, odstepSpojrzen] { return std::make_unique<ObserwatorZmianNaDysku>(opoznienie, odstepSpojrzen); });
}

void ObserwatorZmianNaDysku::setupEventListener()
{
    if (m_events)
        return;
    m_events = std::make_unique<SCEvents>();
    m_events->setDelegate(this);
    m_events->setNotificationLatency(m_opoznienie);
    m_events->setOdstepSpojrzen(m_odstepSpojrzen);
    m_events->startWatchingPaths(paths());
}

void ObserwatorZmianNaDysku::updateEventListenerAfterUrlBazowyChange()
{
    if (!m_events)
        return;
    m_events->stopWatchingPaths();
    m_odczytaneWPartii.clear();
    m_events->startWatchingPaths(paths());
}

QStringList ObserwatorZmianNaDysku::paths() const
{
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    return {spec->url(SpecKatalog::suWszystkieFasolki), spec->url(SpecKatalog::suArchiwum)};
}

void ObserwatorZmianNaDysku::pathWatcherEventOccurred(SCEvents *pathWatcher, const SCEvent &event)
{
    (void)pathWatcher;
    if (!m_stosujePartie) {
        m_stosujePartie = true;
        PartiaZmianNaDysku::instancja()->rozpocznij();
    }
    // The portfolio folder itself may have gone: the graph follows it before anything is re-read at
    // the old place, which would only find it empty. The rest of the batch names the old place.
    constexpr quint32 zmianaKorzenia = StrumienInotify::KorzenZmieniony | StrumienInotify::MusiPrzeczytacPodkatalogi;
    if (quint32(event.eventFlags()) & zmianaKorzenia) {
        auto *baza = qobject_cast<BazaFasolek *>(StosCoreData::kontekstOZ()->korzen());
        if (baza && baza->sprawdzPolozeniePortfolio() == BazaFasolek::PolozeniePortfolio::przeniesione)
            return;
    }
    QObject *obiekt = obiektDoOdczytuDlaSciezki(event.eventPath());
    if (!obiekt)
        return;
    // What one re-read brought in step stays in step for the rest of the batch.
    if (!m_odczytaneWPartii.contains(obiekt)) {
        m_odczytaneWPartii.insert(obiekt);
        odczytajZmieniony(obiekt);
    }
    if (quint32(event.eventFlags()) & StrumienInotify::MusiPrzeczytacPodkatalogi)
        odczytajWszystkieWczytane(obiekt);
}

void ObserwatorZmianNaDysku::pathWatcherBatchEnded(SCEvents *pathWatcher)
{
    (void)pathWatcher;
    m_odczytaneWPartii.clear();
    if (m_stosujePartie) {
        m_stosujePartie = false;
        PartiaZmianNaDysku::instancja()->zakoncz();
    }
}

void ObserwatorZmianNaDysku::zsynchronizujObiektyModeluDlaSciezki(const QString &sciezka)
{
    if (QObject *obiekt = obiektDoOdczytuDlaSciezki(sciezka))
        dynamic_cast<ProtokolSynchronizacjiZDyskiem *>(obiekt)->synchronizujZDyskiem();
}

void ObserwatorZmianNaDysku::odczytajPokazanyObiekt(QObject *obiekt)
{
    if (!m_events || m_events->liczbaNieobserwowanychKatalogow() == 0)
        return;
    // Handled as a batch of changes: what the re-read finds, another program did.
    bool cos = false;
    for (const QString &katalog : katalogiPokazywanegoObiektu(obiekt)) {
        if (!m_events->czyNieobserwowany(katalog))
            continue;
        cos = true;
        pathWatcherEventOccurred(m_events.get(), SCEvent::eventWithEventIdEventDateEventPathEventFlags(
                                                     0, QDateTime::currentDateTime(), katalog, 0));
    }
    if (cos)
        pathWatcherBatchEnded(m_events.get());
}

QObject *ObserwatorZmianNaDysku::obiektDoOdczytuDlaSciezki(const QString &sciezka)
{
    QObject *obiekt = AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(sciezka);
    if (!dynamic_cast<ProtokolSynchronizacjiZDyskiem *>(obiekt))
        return nullptr;
    // A folder whose children were never read holds nothing to bring in step; reading it now
    // would only load, one batch after another, a whole tree unpacked below it.
    if (auto *katalog = qobject_cast<BytKatalogu *>(obiekt); katalog && !katalog->czyBytyBylyOdczytaneZDysku())
        return nullptr;
    return obiekt;
}
