#pragma once

#include "BytSystemuPlikow.h"

// A plain-text file; its text is always read from the file.
class BytPlikuTekstowego : public BytSystemuPlikow
{
    Q_OBJECT

public:
    BytPlikuTekstowego() = default;

    // Empty when the file cannot be read.
    QString tekst() const;

    QString opiszKlase() override;
};
