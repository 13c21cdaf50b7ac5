#pragma once

#include "BytSystemuPlikow.h"

// A plain-text file; its text is always read from the file.
class BytPlikuTekstowego : public BytSystemuPlikow
{
    Q_OBJECT

public:
    BytPlikuTekstowego() = default;

    QString tekst() const;
};
