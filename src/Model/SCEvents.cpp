#include "SCEvents.h"

#include "SCEventListenerProtocol.h"

#include "Platform/Konsola.h"

#include <QObject>

namespace {

// Lets the stream's callback know, for the time of one batch, that its stream must not be
// destroyed under it.
class Dostarczanie
{
public:
    explicit Dostarczanie(int &glebokosc)
        : m_glebokosc(glebokosc)
    {
        ++m_glebokosc;
    }
    ~Dostarczanie() { --m_glebokosc; }
    Dostarczanie(const Dostarczanie &) = delete;
    Dostarczanie &operator=(const Dostarczanie &) = delete;

private:
    int &m_glebokosc;
};

} // namespace

void SCEvents::ZwolnienieStrumienia::operator()(StrumienInotify *strumien) const
{
    strumien->zatrzymaj();
    if (*glebokoscDostarczania > 0)
        strumien->deleteLater();
    else
        delete strumien;
}

SCEvents::SCEvents() = default;

SCEvents::~SCEvents()
{
    m_delegate = nullptr;
    stopWatchingPaths();
}

bool SCEvents::isWatchingPaths() const
{
    const std::lock_guard<std::recursive_mutex> blokada(m_eventsLock);
    return m_isWatchingPaths;
}

std::optional<SCEvent> SCEvents::lastEvent() const
{
    const std::lock_guard<std::mutex> blokada(m_lastEventLock);
    return m_lastEvent;
}

void SCEvents::setLastEvent(const std::optional<SCEvent> &event)
{
    const std::lock_guard<std::mutex> blokada(m_lastEventLock);
    m_lastEvent = event;
}

bool SCEvents::startWatchingPaths(const QStringList &paths)
{
    const std::lock_guard<std::recursive_mutex> blokada(m_eventsLock);
    if (paths.isEmpty() || m_isWatchingPaths)
        return false;
    Strumien strumien = createEventStream(paths, m_notificationLatency);
    // A stream the system refused is not reported as watching.
    if (!strumien)
        return false;
    m_watchedPaths = paths;
    m_eventStream = std::move(strumien);
    m_isWatchingPaths = true;
    return true;
}

bool SCEvents::stopWatchingPaths()
{
    const std::lock_guard<std::recursive_mutex> blokada(m_eventsLock);
    if (!m_isWatchingPaths)
        return false;
    m_eventStream.reset();
    m_isWatchingPaths = false;
    return true;
}

bool SCEvents::flushEventStreamSync()
{
    // The batch is delivered before the call returns; its handling may stop or start the
    // stream again on this thread, which the lock lets in.
    const std::lock_guard<std::recursive_mutex> blokada(m_eventsLock);
    if (!m_isWatchingPaths)
        return false;
    m_eventStream->wypchnijZdarzenia(true);
    return true;
}

QString SCEvents::streamDescription() const
{
    const std::lock_guard<std::recursive_mutex> blokada(m_eventsLock);
    if (!m_isWatchingPaths)
        return {};
    return QStringLiteral("<StrumienInotify { korzenie = %1, opoznienie = %2 s, obserwowane katalogi = %3 } >")
        .arg(Konsola::tekstArgumentu(m_eventStream->korzenie()), QString::number(m_eventStream->opoznienie()),
             QString::number(m_eventStream->liczbaObserwowanychKatalogow()));
}

QString SCEvents::description() const
{
    return QStringLiteral("<%1 { watchedPaths = %2, excludedPaths = %3 } >")
        .arg(QStringLiteral("SCEvents"), Konsola::tekstArgumentu(m_watchedPaths),
             Konsola::tekstArgumentu(m_excludedPaths));
}

int SCEvents::liczbaObserwowanychKatalogow() const
{
    const std::lock_guard<std::recursive_mutex> blokada(m_eventsLock);
    return m_isWatchingPaths ? m_eventStream->liczbaObserwowanychKatalogow() : 0;
}

int SCEvents::liczbaNieobserwowanychKatalogow() const
{
    const std::lock_guard<std::recursive_mutex> blokada(m_eventsLock);
    return m_isWatchingPaths ? m_eventStream->liczbaNieobserwowanychKatalogow() : 0;
}

bool SCEvents::czyNieobserwowany(const QString &katalog) const
{
    const std::lock_guard<std::recursive_mutex> blokada(m_eventsLock);
    return m_isWatchingPaths && m_eventStream->czyNieobserwowany(katalog);
}

SCEvents::Strumien SCEvents::createEventStream(const QStringList &paths, double latency)
{
    Strumien strumien(new StrumienInotify, ZwolnienieStrumienia{&m_glebokoscDostarczania});
    strumien->setOpoznienie(latency);
    strumien->setOdstepSpojrzen(m_odstepSpojrzen);
    QObject::connect(strumien.get(), &StrumienInotify::zdarzenia, strumien.get(),
                     [this](const QList<StrumienInotify::Zdarzenie> &partia) {
                         const Dostarczanie dostarczanie(m_glebokoscDostarczania);
                         eventStreamCallback(this, partia);
                     });
    if (!strumien->uruchom(paths))
        return Strumien(nullptr, ZwolnienieStrumienia{&m_glebokoscDostarczania});
    return strumien;
}

bool SCEvents::odrzucona(const QString &sciezka) const
{
    if (m_excludedPaths.contains(sciezka))
        return true;
    if (!m_ignoreEventsFromSubDirs)
        return false;
    // A plain prefix: excluding /a/b drops /a/bc as well.
    for (const QString &wykluczona : m_excludedPaths) {
        if (sciezka.startsWith(wykluczona))
            return true;
    }
    return false;
}

void SCEvents::eventStreamCallback(SCEvents *events, const QList<StrumienInotify::Zdarzenie> &partia)
{
    const QDateTime teraz = QDateTime::currentDateTime();
    for (qsizetype i = 0; i < partia.size(); ++i) {
        const StrumienInotify::Zdarzenie &zdarzenie = partia.at(i);
        if (events->odrzucona(zdarzenie.sciezka))
            continue;
        const SCEvent event = SCEvent::eventWithEventIdEventDateEventPathEventFlags(
            zdarzenie.identyfikator, teraz, pathByRemovingTrailingSlash(zdarzenie.sciezka), qint32(zdarzenie.flagi));
        if (SCEventListenerProtocol *delegate = events->m_delegate)
            delegate->pathWatcherEventOccurred(events, event);
        if (i == partia.size() - 1)
            events->setLastEvent(event);
    }
    if (SCEventListenerProtocol *delegate = events->m_delegate)
        delegate->pathWatcherBatchEnded(events);
}

QString SCEvents::pathByRemovingTrailingSlash(const QString &path)
{
    if (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        return path.chopped(1);
    return path;
}
