#pragma once

#include "FilePathURLDropReceiverProtocol.h"
#include "IndeksFasolek.h"
#include "ProtokolSynchronizacjiZDyskiem.h"
#include "RzeczWBazieFasolekZKatalogiem.h"
#include "ZbiorObiektow.h"

class Archiwum;
class Fasolka;

// The archived beans of one flow: a folder in "Archived Beans" named like the flow's folder
// ("_Main_Flow" for the main flow).
class ArchiwumPotoku : public RzeczWBazieFasolekZKatalogiem,
                       public ProtokolSynchronizacjiZDyskiem,
                       public FilePathURLDropReceiverProtocol
{
    Q_OBJECT

public:
    ArchiwumPotoku();

    // A new flow archive with its beans read; the caller adds it to the archive.
    static ArchiwumPotoku *zarzadzanyObiektArchiwumPotokuZURLem(const QString &url, quint32 rodzajZListingu = 0);

    Archiwum *archiwum() const { return m_archiwum; }
    const ZbiorObiektow<Fasolka> &fasolki() const { return m_fasolki; }
    IndeksFasolek &indeksFasolek() const { return m_indeksFasolek; }

    // "Main Flow" for the main flow's archive, else the folder's name.
    QString nazwa() const override;
    QIcon ikona() const override;
    bool toPotokGlowny() const;
    // The folder's own name as spelled on disk: the name of the flow folder it belongs to.
    QString nazwaKatalogu() const;

    void synchronizujFasolki();
    void synchronizujZDyskiem() override { synchronizujFasolki(); }

    bool canReceiveDrop() const override { return true; }
    QString dropDestinationURL() const override { return previewItemURL(); }

signals:
    void archiwumChanged();
    void fasolkiChanged(const QList<Fasolka *> &dodane, const QList<Fasolka *> &usuniete);

private:
    friend struct RelacjeModelu;

    Archiwum *m_archiwum = nullptr;
    ZbiorObiektow<Fasolka> m_fasolki;
    mutable IndeksFasolek m_indeksFasolek;
};
