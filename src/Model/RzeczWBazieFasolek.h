#pragma once

#include "KluczeNazwy.h"

#include <QIcon>
#include <QObject>
#include <QString>

#include <memory>

// The base of flows, beans, the archive and flow archives: a display name and an icon that
// each object fills itself from its file-system entity. The fields are caches; a subclass
// that reads them from its entity answers from the entity and keeps the cache for the time
// it has none.
class RzeczWBazieFasolek : public QObject
{
    Q_OBJECT

public:
    RzeczWBazieFasolek() = default;

    virtual QString nazwa() const { return m_nazwa; }
    void setNazwaWPamieci(const QString &nazwa);
    virtual QIcon ikona() const { return m_ikona; }
    void setIkona(const QIcon &ikona);
    // The folded name and collation key of the current name, made again only after a rename.
    const KluczeNazwy &kluczeNazwy() const;

signals:
    void nazwaChanged();
    void ikonaChanged();

protected:
    QString nazwaWPamieci() const { return m_nazwa; }
    QIcon ikonaWPamieci() const { return m_ikona; }
    // A read that computed the name keeps it without announcing anything.
    void zapamietajNazweBezOgloszenia(const QString &nazwa) const { m_nazwa = nazwa; }

private:
    mutable QString m_nazwa;
    QIcon m_ikona;
    // Made on the first search or sort: lists of ten thousand beans read it on every keystroke.
    mutable std::unique_ptr<KluczeNazwy> m_kluczeNazwy;
};
