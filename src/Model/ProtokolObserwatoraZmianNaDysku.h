#pragma once

class QObject;

// What the bean database asks of its disk watcher: start following "All Beans" and
// "Archived Beans", and follow them again at a new portfolio location.
class ProtokolObserwatoraZmianNaDysku
{
public:
    virtual ~ProtokolObserwatoraZmianNaDysku() = default;
    virtual void setupEventListener() = 0;
    virtual void updateEventListenerAfterUrlBazowyChange() = 0;
    // A view is about to show the object (the bean database, the archive, a flow, a flow
    // archive, a bean or a folder entity): what of it is not followed is read again now.
    virtual void odczytajPokazanyObiekt(QObject *obiekt) { (void)obiekt; }
};
