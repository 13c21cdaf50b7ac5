#pragma once

// Re-read yourself from disk and bring the graph in step: the one entry point of the
// disk watcher and of drag and drop.
class ProtokolSynchronizacjiZDyskiem
{
public:
    virtual ~ProtokolSynchronizacjiZDyskiem() = default;
    virtual void synchronizujZDyskiem() = 0;
};
