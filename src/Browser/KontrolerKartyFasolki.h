#pragma once

#include "KontrolerKarty.h"

#include <QPointer>

#include <memory>

class Fasolka;
class KartaFasolki;
class UstawieniaKartyFasolki;

// The controller of one bean tab: the bean it shows.
class KontrolerKartyFasolki : public KontrolerKarty
{
    Q_OBJECT

public:
    explicit KontrolerKartyFasolki(QObject *rodzic = nullptr);
    ~KontrolerKartyFasolki() override;

    Fasolka *fasolka() const;
    // Setting the bean already shown changes nothing.
    void setFasolka(Fasolka *fasolka);

    // The tab that owns this controller; not owned.
    KartaFasolki *kartaFasolki() const;
    void setKartaFasolki(KartaFasolki *karta);

    // The tab's own settings, made with the controller.
    UstawieniaKartyFasolki *ustawieniaKarty() const { return m_ustawieniaKarty.get(); }

protected:
    void awakeFromNib() override;

private:
    QPointer<Fasolka> m_fasolka;
    QPointer<KartaFasolki> m_kartaFasolki;
    std::unique_ptr<UstawieniaKartyFasolki> m_ustawieniaKarty;
};
