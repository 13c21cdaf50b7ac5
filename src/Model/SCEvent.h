#pragma once

#include <QDateTime>
#include <QString>

// One change reported by the event stream: the folder in which something changed.
class SCEvent
{
public:
    SCEvent(quint64 eventId, const QDateTime &eventDate, const QString &eventPath, qint32 eventFlags);

    static SCEvent eventWithEventIdEventDateEventPathEventFlags(quint64 eventId, const QDateTime &eventDate,
                                                                const QString &eventPath, qint32 eventFlags);

    quint64 eventId() const { return m_eventId; }
    // When the stream handed the event out, not when the change happened.
    QDateTime eventDate() const { return m_eventDate; }
    QString eventPath() const { return m_eventPath; }
    // StrumienInotify::Flaga bits, as the stream gave them.
    qint32 eventFlags() const { return m_eventFlags; }

    QString description() const;

private:
    quint64 m_eventId;
    QDateTime m_eventDate;
    QString m_eventPath;
    qint32 m_eventFlags;
};
