#pragma once

#include "KontrolerKarty.h"

#include <QPointer>

class KartaPortfolio;

// The controller of one portfolio tab. Its details area stays empty for now.
class KontrolerKartyPortfolio : public KontrolerKarty
{
    Q_OBJECT

public:
    explicit KontrolerKartyPortfolio(QObject *rodzic = nullptr);

    // The tab that owns this controller; not owned.
    KartaPortfolio *kartaPortfolio() const;
    void setKartaPortfolio(KartaPortfolio *karta);

private:
    QPointer<KartaPortfolio> m_kartaPortfolio;
};
