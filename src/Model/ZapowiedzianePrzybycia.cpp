#include "ZapowiedzianePrzybycia.h"

#include "AnalizatorUrlaModelu.h"
#include "PartiaZmianNaDysku.h"

#include "Platform/FileOperations.h"

ZapowiedzianePrzybycia *ZapowiedzianePrzybycia::instancja()
{
    static ZapowiedzianePrzybycia przybycia;
    return &przybycia;
}

ZapowiedzianePrzybycia::ZapowiedzianePrzybycia()
{
    connect(PartiaZmianNaDysku::instancja(), &PartiaZmianNaDysku::zakonczona, this, &ZapowiedzianePrzybycia::poPartii);
}

void ZapowiedzianePrzybycia::zapowiedz(const QString &sciezka)
{
    m_sciezki.insert(sciezka);
}

void ZapowiedzianePrzybycia::zakonczPolecenie(const QStringList &sciezki)
{
    for (const QString &sciezka : sciezki) {
        if (!FileOperations::exists(sciezka))
            m_sciezki.remove(sciezka);
    }
}

void ZapowiedzianePrzybycia::poPartii()
{
    QStringList przybyle;
    for (const QString &sciezka : std::as_const(m_sciezki)) {
        bool rowna = false;
        AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(sciezka, &rowna);
        if (rowna)
            przybyle << sciezka;
    }
    if (przybyle.isEmpty())
        return;
    // The lists told of this batch reload on turns posted during it, before this one.
    QMetaObject::invokeMethod(
        this,
        [this, przybyle] {
            for (const QString &sciezka : przybyle)
                m_sciezki.remove(sciezka);
        },
        Qt::QueuedConnection);
}
