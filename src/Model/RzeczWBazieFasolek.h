#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

// The base of flows, beans, the archive and flow archives: a display name and an icon that
// each object fills itself from its file-system entity.
class RzeczWBazieFasolek : public QObject
{
    Q_OBJECT

public:
    RzeczWBazieFasolek() = default;

    QString nazwa() const { return m_nazwa; }
    void setNazwaWPamieci(const QString &nazwa);
    QIcon ikona() const { return m_ikona; }
    void setIkona(const QIcon &ikona);

signals:
    void nazwaChanged();
    void ikonaChanged();

private:
    QString m_nazwa;
    QIcon m_ikona;
};
