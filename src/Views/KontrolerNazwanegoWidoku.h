#pragma once

#include "Browser/KontrolerBiezacegoWidokuSzczegolow.h"

// A details view shown by name, with a fixed title and icon.
class KontrolerNazwanegoWidoku : public KontrolerBiezacegoWidokuSzczegolow
{
    Q_OBJECT

public:
    KontrolerNazwanegoWidoku(const char *tytul, const QString &nazwaIkony, QObject *rodzic = nullptr);

    QString tytulZakladki() const override;
    QIcon ikonaZakladki() const override;

private:
    const char *m_tytul;
    QString m_nazwaIkony;
};
