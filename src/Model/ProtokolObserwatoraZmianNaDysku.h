#pragma once

// What the bean database asks of its disk watcher: start following "All Beans" and
// "Archived Beans", and follow them again at a new portfolio location.
class ProtokolObserwatoraZmianNaDysku
{
public:
    virtual ~ProtokolObserwatoraZmianNaDysku() = default;
    virtual void setupEventListener() = 0;
    virtual void updateEventListenerAfterUrlBazowyChange() = 0;
};
