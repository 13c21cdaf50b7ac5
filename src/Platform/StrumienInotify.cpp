#include "StrumienInotify.h"

#include "InotifyTreeWatcher.h"
#include "Konsola.h"
#include "ModalGate.h"
#include "Paths.h"
#include "PowiadomienieOLimicieObserwacji.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// Folders watched per turn of the worker before it looks at the kernel queue again.
constexpr int katalogowNaKrok = 128;
// A modal widget found by the probe cannot say when it closes, so a held batch asks again.
constexpr int odstepSprawdzaniaBramkiMs = 50;

void obudz(int budzik)
{
    const quint64 jeden = 1;
    while (::write(budzik, &jeden, sizeof jeden) < 0 && errno == EINTR) {}
}

void dolacz(QList<StrumienInotify::Zdarzenie> &partia, QHash<QString, qsizetype> &indeks,
            const StrumienInotify::Zdarzenie &zdarzenie)
{
    const auto it = indeks.constFind(zdarzenie.sciezka);
    if (it != indeks.constEnd()) {
        partia[*it].flagi |= zdarzenie.flagi;
        return;
    }
    indeks.insert(zdarzenie.sciezka, partia.size());
    partia.append(zdarzenie);
}

} // namespace

StrumienInotify::StrumienInotify(QObject *parent)
    : QObject(parent)
{
    m_sprawdzanieBramki.setInterval(odstepSprawdzaniaBramkiMs);
    connect(&m_sprawdzanieBramki, &QTimer::timeout, this, &StrumienInotify::dostarczWstrzymane);
    connect(&m_dostarczanieNieobserwowanych, &QTimer::timeout, this, &StrumienInotify::dostarczZmienioneNieobserwowane);
    // Queued: a batch is delivered from the event loop, never from inside the code that lowers the gate.
    connect(&ModalGate::instance(), &ModalGate::lowered, this, &StrumienInotify::dostarczWstrzymane,
            Qt::QueuedConnection);
}

StrumienInotify::~StrumienInotify()
{
    zatrzymaj();
}

void StrumienInotify::setOpoznienie(double sekundy)
{
    m_opoznienie = std::max(0.0, sekundy);
}

void StrumienInotify::setOdstepSpojrzen(double sekundy)
{
    m_odstepSpojrzen = std::max(0.0, sekundy);
}

int StrumienInotify::liczbaNieobserwowanychKatalogow() const
{
    const std::lock_guard<std::mutex> blokada(m_zamekNieobserwowanych);
    return int(m_nieobserwowane.size());
}

bool StrumienInotify::czyNieobserwowany(const QString &katalog) const
{
    const std::lock_guard<std::mutex> blokada(m_zamekNieobserwowanych);
    return m_nieobserwowane.contains(katalog);
}

bool StrumienInotify::uruchom(const QStringList &korzenie)
{
    if (czyDziala())
        return false;
    QStringList czyste;
    for (const QString &korzen : korzenie) {
        if (!korzen.isEmpty())
            czyste.append(Paths::clean(korzen));
    }
    if (czyste.isEmpty())
        return false;

    auto drzewa = std::make_unique<InotifyTreeWatcher>();
    int numerBledu = 0;
    if (!drzewa->open(czyste, &numerBledu)) {
        drukujLinie(QStringLiteral("Błąd: nie mogę obserwować zmian na dysku (inotify): %1"),
                    QString::fromLocal8Bit(std::strerror(numerBledu)));
        return false;
    }
    UchwytPliku budzik(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!budzik.otwarty()) {
        drukujLinie(QStringLiteral("Błąd: nie mogę obserwować zmian na dysku (eventfd): %1"),
                    QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_korzenie = czyste;
    m_budzik = std::move(budzik);
    m_koniec = false;
    const quint64 pokolenie = ++m_pokolenie;
    const auto opoznienie =
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(m_opoznienie));
    m_liczbaObserwowanych.store(drzewa->watchedFolderCount(), std::memory_order_relaxed);
    const quint64 wypchniecie = m_zadaneWypchniecie.load();
    m_wykonaneWypchniecie = wypchniecie;
    const auto odstep = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(m_odstepSpojrzen));
    const int deskryptorBudzika = m_budzik.deskryptor();
    m_watek = std::thread(
        [this, drzewa = std::move(drzewa), budzik = deskryptorBudzika, opoznienie, odstep, pokolenie, wypchniecie]() {
            petla(*drzewa, budzik, opoznienie, odstep, pokolenie, wypchniecie);
            // Whoever waits for a flush must not wait for a worker that has gone.
            const std::lock_guard<std::mutex> blokada(m_zamekWypchniec);
            m_wykonaneWypchniecie = std::numeric_limits<quint64>::max();
            m_wypchnieto.notify_all();
        });
    return true;
}

bool StrumienInotify::zatrzymaj()
{
    if (!czyDziala())
        return false;
    m_koniec = true;
    obudz(m_budzik.deskryptor());
    m_watek.join();
    m_budzik.zamknij();
    // Batches of this run still on their way to the main thread are dropped on arrival.
    ++m_pokolenie;
    m_wstrzymane.clear();
    m_indeksWstrzymanych.clear();
    m_sprawdzanieBramki.stop();
    m_zmienioneNieobserwowane.clear();
    m_sciezkiZmienionychNieobserwowanych.clear();
    m_dostarczanieNieobserwowanych.stop();
    m_liczbaObserwowanych.store(0, std::memory_order_relaxed);
    const std::lock_guard<std::mutex> blokada(m_zamekNieobserwowanych);
    m_nieobserwowane.clear();
    return true;
}

bool StrumienInotify::wypchnijZdarzenia(bool czekaj)
{
    if (!czyDziala())
        return false;
    const quint64 numer = ++m_zadaneWypchniecie;
    obudz(m_budzik.deskryptor());
    if (czekaj) {
        std::unique_lock<std::mutex> blokada(m_zamekWypchniec);
        m_wypchnieto.wait(blokada, [&] { return m_wykonaneWypchniecie >= numer; });
        blokada.unlock();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    return true;
}

void StrumienInotify::petla(InotifyTreeWatcher &drzewa, int budzik, std::chrono::steady_clock::duration opoznienie,
                            std::chrono::steady_clock::duration odstepSpojrzen, quint64 pokolenie,
                            quint64 wykonaneWypchniecie)
{
    using Zegar = std::chrono::steady_clock;
    QList<Zdarzenie> partia;
    QHash<QString, qsizetype> indeks;
    Zegar::time_point termin;
    InotifyTreeWatcher::Reports nowe;
    InotifyTreeWatcher::Reports zmienioneNieobserwowane;
    // Set when the first folder is left unwatched.
    std::optional<Zegar::time_point> nastepneSpojrzenie;

    for (;;) {
        int czekajMs = -1;
        if (drzewa.hasWalkWork() || drzewa.hasLookWork()) {
            czekajMs = 0;
        } else {
            std::optional<Zegar::time_point> najblizszy = drzewa.nextDeadline();
            if (!partia.isEmpty())
                najblizszy = najblizszy ? std::min(*najblizszy, termin) : termin;
            if (nastepneSpojrzenie)
                najblizszy = najblizszy ? std::min(*najblizszy, *nastepneSpojrzenie) : *nastepneSpojrzenie;
            if (najblizszy) {
                const auto pozostalo = std::chrono::ceil<std::chrono::milliseconds>(*najblizszy - Zegar::now());
                czekajMs = int(std::max<std::chrono::milliseconds::rep>(0, pozostalo.count()));
            }
        }
        pollfd opisy[2] = {{drzewa.descriptor(), POLLIN, 0}, {budzik, POLLIN, 0}};
        if (::poll(opisy, 2, czekajMs) < 0 && errno != EINTR)
            break;
        if (opisy[1].revents) {
            quint64 licznik;
            while (::read(budzik, &licznik, sizeof licznik) < 0 && errno == EINTR) {}
            if (m_koniec)
                break;
        }
        const quint64 wypchniecie = m_zadaneWypchniecie.load();
        const bool wypchnij = wypchniecie > wykonaneWypchniecie;

        if ((opisy[0].revents & POLLIN) || wypchnij)
            drzewa.readEvents(nowe);
        drzewa.expireMoves(Zegar::now());
        if (drzewa.hasWalkWork())
            drzewa.walk(katalogowNaKrok, nowe);
        else if (drzewa.hasLookWork())
            drzewa.look(katalogowNaKrok, zmienioneNieobserwowane);
        if (!drzewa.hasUnwatchedFolders()) {
            nastepneSpojrzenie.reset();
        } else if (!nastepneSpojrzenie) {
            nastepneSpojrzenie = Zegar::now() + odstepSpojrzen;
        } else if (Zegar::now() >= *nastepneSpojrzenie) {
            drzewa.startLookRound();
            nastepneSpojrzenie = Zegar::now() + odstepSpojrzen;
        }
        if (!zmienioneNieobserwowane.isEmpty()) {
            QList<Zdarzenie> zmienione;
            for (const InotifyTreeWatcher::Report &z : std::as_const(zmienioneNieobserwowane))
                zmienione.append(Zdarzenie{++m_identyfikator, z.path, z.flags});
            zmienioneNieobserwowane.clear();
            QMetaObject::invokeMethod(
                this,
                [this, pokolenie, zmienione = std::move(zmienione)] {
                    przyjmijZmienioneNieobserwowane(pokolenie, zmienione);
                },
                Qt::QueuedConnection);
        }
        // Published once the walk and the looks settle: copying the set at each step of a long
        // walk would cost more than the walk.
        if (!drzewa.hasWalkWork() && !drzewa.hasLookWork() && drzewa.takeUnwatchedChange()) {
            const QStringList nieobserwowane = drzewa.unwatchedFolders();
            const std::lock_guard<std::mutex> blokada(m_zamekNieobserwowanych);
            m_nieobserwowane = QSet<QString>(nieobserwowane.begin(), nieobserwowane.end());
        }

        const auto teraz = Zegar::now();
        for (const InotifyTreeWatcher::Report &z : std::as_const(nowe)) {
            // The first change of an empty batch starts the latency.
            if (partia.isEmpty())
                termin = teraz + opoznienie;
            dolacz(partia, indeks, Zdarzenie{++m_identyfikator, z.path, z.flags});
        }
        nowe.clear();
        m_liczbaObserwowanych.store(drzewa.watchedFolderCount(), std::memory_order_relaxed);

        if (drzewa.takeLimitWarning()) {
            QMetaObject::invokeMethod(
                this,
                [this, pokolenie] {
                    if (pokolenie == m_pokolenie)
                        zglosLimit();
                },
                Qt::QueuedConnection);
        }
        if (!partia.isEmpty() && (teraz >= termin || wypchnij)) {
            QMetaObject::invokeMethod(
                this, [this, pokolenie, gotowa = std::move(partia)] { przyjmijPartie(pokolenie, gotowa); },
                Qt::QueuedConnection);
            partia.clear();
            indeks.clear();
        }
        if (wypchnij) {
            wykonaneWypchniecie = wypchniecie;
            const std::lock_guard<std::mutex> blokada(m_zamekWypchniec);
            m_wykonaneWypchniecie = wypchniecie;
            m_wypchnieto.notify_all();
        }
    }
}

void StrumienInotify::przyjmijPartie(quint64 pokolenie, const QList<Zdarzenie> &partia)
{
    if (pokolenie != m_pokolenie)
        return;
    // The kernel queue keeps being drained while the gate is up; what comes meanwhile joins the held batch.
    for (const Zdarzenie &zdarzenie : partia)
        dolacz(m_wstrzymane, m_indeksWstrzymanych, zdarzenie);
    dostarczWstrzymane();
}

void StrumienInotify::dostarczWstrzymane()
{
    if (m_wstrzymane.isEmpty()) {
        m_sprawdzanieBramki.stop();
        return;
    }
    if (ModalGate::isRaised()) {
        if (!m_sprawdzanieBramki.isActive())
            m_sprawdzanieBramki.start();
        return;
    }
    m_sprawdzanieBramki.stop();
    const QList<Zdarzenie> partia = std::exchange(m_wstrzymane, {});
    m_indeksWstrzymanych.clear();
    emit zdarzenia(partia);
}

void StrumienInotify::zglosLimit()
{
    drukujLinie(QStringLiteral("Błąd: wyczerpany limit obserwowanych katalogów (fs.inotify.max_user_watches); "
                               "pozostałe katalogi będą odczytywane co %1 s."),
                QString::number(m_odstepSpojrzen));
    PowiadomienieOLimicieObserwacji::instancja()->zglos();
}

void StrumienInotify::przyjmijZmienioneNieobserwowane(quint64 pokolenie, const QList<Zdarzenie> &zmienione)
{
    if (pokolenie != m_pokolenie)
        return;
    for (const Zdarzenie &zdarzenie : zmienione) {
        if (!m_sciezkiZmienionychNieobserwowanych.contains(zdarzenie.sciezka)) {
            m_sciezkiZmienionychNieobserwowanych.insert(zdarzenie.sciezka);
            m_zmienioneNieobserwowane.append(zdarzenie);
        }
    }
    if (!m_dostarczanieNieobserwowanych.isActive())
        m_dostarczanieNieobserwowanych.start(0);
}

void StrumienInotify::dostarczZmienioneNieobserwowane()
{
    if (m_zmienioneNieobserwowane.isEmpty()) {
        m_dostarczanieNieobserwowanych.stop();
        return;
    }
    if (ModalGate::isRaised()) {
        m_dostarczanieNieobserwowanych.start(odstepSprawdzaniaBramkiMs);
        return;
    }
    m_dostarczanieNieobserwowanych.start(0);
    const qsizetype ile = std::min<qsizetype>(nieobserwowanychNaTure, m_zmienioneNieobserwowane.size());
    const QList<Zdarzenie> czesc = m_zmienioneNieobserwowane.first(ile);
    m_zmienioneNieobserwowane.remove(0, ile);
    for (const Zdarzenie &zdarzenie : czesc)
        m_sciezkiZmienionychNieobserwowanych.remove(zdarzenie.sciezka);
    emit zdarzenia(czesc);
}
