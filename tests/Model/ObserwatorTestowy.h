#pragma once

#include "Model/ProtokolObserwatoraZmianNaDysku.h"

#include <QStringList>

// Stands in for the disk watcher and records what the database asked of it.
class ObserwatorTestowy : public ProtokolObserwatoraZmianNaDysku
{
public:
    explicit ObserwatorTestowy(QStringList *zdarzenia)
        : m_zdarzenia(zdarzenia)
    {
    }
    void setupEventListener() override { m_zdarzenia->append(QStringLiteral("setupEventListener")); }
    void updateEventListenerAfterUrlBazowyChange() override
    {
        m_zdarzenia->append(QStringLiteral("updateEventListenerAfterUrlBazowyChange"));
    }

private:
    QStringList *m_zdarzenia;
};
