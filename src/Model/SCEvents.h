#pragma once

#include "SCEvent.h"

#include "Platform/StrumienInotify.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <optional>

class SCEventListenerProtocol;

// A general stream of change events over folder trees: it knows nothing of the portfolio and
// hands every reported folder, as an SCEvent, to its delegate. Events come on the thread that
// started the stream (the main thread) and wait while ModalGate is raised.
class SCEvents
{
public:
    SCEvents();
    // Clears the delegate and stops watching.
    ~SCEvents();
    SCEvents(const SCEvents &) = delete;
    SCEvents &operator=(const SCEvents &) = delete;

    // Not owned.
    SCEventListenerProtocol *delegate() const { return m_delegate; }
    void setDelegate(SCEventListenerProtocol *delegate) { m_delegate = delegate; }

    bool isWatchingPaths() const;
    // Whether paths below an excluded path (by plain string prefix) are dropped too.
    void setIgnoreEventsFromSubDirs(bool ignoruj) { m_ignoreEventsFromSubDirs = ignoruj; }
    // Seconds; the latency, start point and paths take effect at the next start.
    double notificationLatency() const { return m_notificationLatency; }
    void setNotificationLatency(double sekundy) { m_notificationLatency = sekundy; }
    // Seconds between looks at the folders past the watch limit; takes effect at the next start.
    void setOdstepSpojrzen(double sekundy) { m_odstepSpojrzen = sekundy; }
    // The event of the last path of the latest batch, unless that path was dropped.
    std::optional<SCEvent> lastEvent() const;
    void setLastEvent(const std::optional<SCEvent> &event);
    QStringList watchedPaths() const { return m_watchedPaths; }
    QStringList excludedPaths() const { return m_excludedPaths; }
    void setExcludedPaths(const QStringList &paths) { m_excludedPaths = paths; }

    // NO with no paths, while watching, or when the system refuses a stream.
    bool startWatchingPaths(const QStringList &paths);
    // NO when not watching.
    bool stopWatchingPaths();
    // Have the pending changes delivered now; answer whether watching.
    bool flushEventStreamSync();
    // The running stream's own description; empty when not watching.
    QString streamDescription() const;
    QString description() const;
    // Folders of the trees watched so far; the start walks the trees in the background.
    int liczbaObserwowanychKatalogow() const;
    // Folders the system's watch limit left without a watch; they are looked at every interval.
    int liczbaNieobserwowanychKatalogow() const;
    bool czyNieobserwowany(const QString &katalog) const;

    // The stream layer. The callback hands one delivered batch to the delegate, in order.
    static void eventStreamCallback(SCEvents *events, const QList<StrumienInotify::Zdarzenie> &partia);
    // One trailing "/" goes; "/" itself stays.
    static QString pathByRemovingTrailingSlash(const QString &path);

private:
    // A stream that is released from inside its own delivery must outlive that delivery.
    struct ZwolnienieStrumienia
    {
        const int *glebokoscDostarczania;
        void operator()(StrumienInotify *strumien) const;
    };
    using Strumien = std::unique_ptr<StrumienInotify, ZwolnienieStrumienia>;

    Strumien createEventStream(const QStringList &paths, double latency);
    bool odrzucona(const QString &sciezka) const;

    SCEventListenerProtocol *m_delegate = nullptr;
    bool m_isWatchingPaths = false;
    bool m_ignoreEventsFromSubDirs = true;
    double m_notificationLatency = 3.0;
    double m_odstepSpojrzen = StrumienInotify::domyslnyOdstepSpojrzen;
    std::optional<SCEvent> m_lastEvent;
    QStringList m_watchedPaths;
    QStringList m_excludedPaths;
    int m_glebokoscDostarczania = 0;
    Strumien m_eventStream{nullptr, ZwolnienieStrumienia{&m_glebokoscDostarczania}};
    // Guards the running state and the stream against a concurrent start, stop or flush.
    mutable std::recursive_mutex m_eventsLock;
    mutable std::mutex m_lastEventLock;
};
