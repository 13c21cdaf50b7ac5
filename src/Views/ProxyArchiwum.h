#pragma once

#include "ProxyListyFasolek.h"

#include "Model/Archiwum.h"

#include <QPointer>

#include <memory>

// The archive's list: each flow archive with beans matching the phrase heads them, the main
// flow's archive first; the archive has no scope.
class ProxyArchiwum : public ProxyListyFasolek
{
    Q_OBJECT

public:
    explicit ProxyArchiwum(QObject *rodzic = nullptr);
    ~ProxyArchiwum() override;

    Archiwum *archiwum() const { return m_archiwum; }
    void setArchiwum(Archiwum *archiwum);

protected:
    QList<QObject *> zbudujTablice(QString &tytul) const override;
    // Two console lines for each change of the phrase: the method and the key path.
    void przedZmianaWlasna(const QString &sciezkaKlucza) override;

private:
    QPointer<Archiwum> m_archiwum;
    std::unique_ptr<QObject> m_obserwacjaArchiwum;
};
