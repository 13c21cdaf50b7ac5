#pragma once

#include <QString>

// A model object that can receive dropped files.
class FilePathURLDropReceiverProtocol
{
public:
    virtual ~FilePathURLDropReceiverProtocol() = default;
    virtual bool canReceiveDrop() const = 0;
    virtual QString dropDestinationURL() const = 0;
};
