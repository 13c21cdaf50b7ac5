#pragma once

#include <QString>

// An item the preview panel can show: a file and the title to show above it.
class PreviewItem
{
public:
    virtual ~PreviewItem() = default;
    virtual QString previewItemURL() const = 0;
    virtual QString previewItemTitle() const = 0;
};
