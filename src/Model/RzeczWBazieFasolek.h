#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

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
};
