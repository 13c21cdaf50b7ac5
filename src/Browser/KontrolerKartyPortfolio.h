#pragma once

#include "KontrolerKarty.h"

#include <QPointer>

#include <memory>

class KartaPortfolio;
class UstawieniaKartyPortfolio;

// The controller of one portfolio tab. Its details area stays empty for now.
class KontrolerKartyPortfolio : public KontrolerKarty
{
    Q_OBJECT

public:
    explicit KontrolerKartyPortfolio(QObject *rodzic = nullptr);
    ~KontrolerKartyPortfolio() override;

    // The tab that owns this controller; not owned.
    KartaPortfolio *kartaPortfolio() const;
    void setKartaPortfolio(KartaPortfolio *karta);

    // The tab's own settings, made with the controller.
    UstawieniaKartyPortfolio *ustawieniaKarty() const { return m_ustawieniaKarty.get(); }

protected:
    void awakeFromNib() override;

private:
    QPointer<KartaPortfolio> m_kartaPortfolio;
    std::unique_ptr<UstawieniaKartyPortfolio> m_ustawieniaKarty;
};
