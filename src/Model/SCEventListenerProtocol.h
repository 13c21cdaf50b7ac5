#pragma once

class SCEvent;
class SCEvents;

// The receiver of an event stream's changes, one call per reported folder.
class SCEventListenerProtocol
{
public:
    virtual ~SCEventListenerProtocol() = default;
    virtual void pathWatcherEventOccurred(SCEvents *pathWatcher, const SCEvent &event) = 0;
    // After the last event of a batch, also when every path of it was excluded: a listener that
    // does one piece of work per batch knows where a batch ends.
    virtual void pathWatcherBatchEnded(SCEvents *pathWatcher) { (void)pathWatcher; }
};
