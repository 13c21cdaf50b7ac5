#include "SCEvent.h"

SCEvent::SCEvent(quint64 eventId, const QDateTime &eventDate, const QString &eventPath, qint32 eventFlags)
    : m_eventId(eventId)
    , m_eventDate(eventDate)
    , m_eventPath(eventPath)
    , m_eventFlags(eventFlags)
{
}

SCEvent SCEvent::eventWithEventIdEventDateEventPathEventFlags(quint64 eventId, const QDateTime &eventDate,
                                                              const QString &eventPath, qint32 eventFlags)
{
    return SCEvent(eventId, eventDate, eventPath, eventFlags);
}

QString SCEvent::description() const
{
    return QStringLiteral("<%1 { eventId = %2, eventPath = %3, eventFlags = %4 } >")
        .arg(QStringLiteral("SCEvent"), QString::number(m_eventId), m_eventPath, QString::number(m_eventFlags));
}
