#pragma once

#include "Platform/Ui/InformacjaOPrzeciaganiu.h"

#include <Qt>

class IkonaZPrzeciaganymFolderem;

// Receives what is dropped on a folder icon, for the model object the icon stands for.
class DelegatZrzutuNaIkoneZPrzeciaganymFolderem
{
public:
    // The one operation a drop would carry out now, or none to refuse.
    virtual Qt::DropAction ikonaZPrzeciaganymFolderemOperacjaDlaZrzutu(IkonaZPrzeciaganymFolderem *ikona,
                                                                       const InformacjaOPrzeciaganiu &informacja) = 0;
    // Carries the drop out; YES only when it was (an operation and at least one file).
    virtual bool ikonaZPrzeciaganymFolderemOdbierzZrzut(IkonaZPrzeciaganymFolderem *ikona,
                                                        const InformacjaOPrzeciaganiu &informacja) = 0;

protected:
    ~DelegatZrzutuNaIkoneZPrzeciaganymFolderem() = default;
};
