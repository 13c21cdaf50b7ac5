#pragma once

#include "FilePathURLDropReceiverProtocol.h"
#include "ProtokolSynchronizacjiZDyskiem.h"
#include "RzeczWBazieFasolekZKatalogiem.h"
#include "ZbiorObiektow.h"

#include "Platform/BladOperacji.h"

class ArchiwumPotoku;
class Fasolka;
class Potok;

// The archive, "Archived Beans": one flow archive per flow whose beans were archived.
class Archiwum : public RzeczWBazieFasolekZKatalogiem,
                 public ProtokolSynchronizacjiZDyskiem,
                 public FilePathURLDropReceiverProtocol
{
    Q_OBJECT

public:
    Archiwum();

    const ZbiorObiektow<ArchiwumPotoku> &archiwaPotokow() const { return m_archiwaPotokow; }

    // Answers the flow archives it made; each read its beans as it was made.
    QList<ArchiwumPotoku *> synchronizujListeArchiwowPotokow();
    void synchronizujZDyskiem() override;

    // By display name, as views ask for it ("Main Flow" for the main flow's archive).
    ArchiwumPotoku *znajdzArchiwumPotokuONazwie(const QString &nazwa) const;
    // The archive of a flow: the one whose folder bears the flow folder's name, so that a
    // topical flow shown as "Main Flow" never meets the main flow's archive.
    ArchiwumPotoku *archiwumPotokuDlaPotoku(const Potok *potok) const;

    // Moves the bean into its flow's archive, made when it is missing.
    bool zarchiwizujFasolke(Fasolka *fasolka, BladOperacji *blad = nullptr);

    bool canReceiveDrop() const override { return true; }
    QString dropDestinationURL() const override { return previewItemURL(); }

signals:
    void archiwaPotokowChanged(const QList<ArchiwumPotoku *> &dodane, const QList<ArchiwumPotoku *> &usuniete);
    // A marker: the flow archives or the beans of one of them changed.
    void relacjaFasolkiZmieniona();

private:
    // Every flow archive re-reads its beans, but for those `swieze` that have just read them.
    void synchronizujFasolkiWArchiwachPotokow(const QList<ArchiwumPotoku *> &swieze);

    friend struct RelacjeModelu;

    ZbiorObiektow<ArchiwumPotoku> m_archiwaPotokow;
};
