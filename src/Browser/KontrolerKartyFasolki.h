#pragma once

#include "KontrolerKarty.h"

#include <QIcon>
#include <QPointer>

#include <memory>

class Fasolka;
class IkonaZPrzeciaganymFolderem;
class KartaFasolki;
class KontrolerAkcjeNaElementach;
class KontrolerEdytoraSpodziewanegoRezultatu;
class KontrolerRzeczyKatalogu;
class KontrolerWidokuRozdzielonegoZPanelemPrawym;
class KontrolerZawartosciFasolki;
class UstawieniaKartyFasolki;

// The controller of one bean tab: the bean at full size on the tab's card, with the right panel
// sized from the bean tabs' settings. It follows its bean: a rename retitles the tab and a
// deletion closes it.
class KontrolerKartyFasolki : public KontrolerKarty
{
    Q_OBJECT

public:
    explicit KontrolerKartyFasolki(QObject *rodzic = nullptr);
    ~KontrolerKartyFasolki() override;

    // Once, before the bean is set.
    void ustawWidok();

    Fasolka *fasolka() const;
    // Setting the bean already shown changes nothing; no bean leaves the views as they were.
    void setFasolka(Fasolka *fasolka);

    // The tab that owns this controller; not owned.
    KartaFasolki *kartaFasolki() const;
    void setKartaFasolki(KartaFasolki *karta);

    // "Bean: …", or "no bean"; a bean view in a portfolio tab is titled the same.
    QString tytulZakladki() const;
    QIcon ikonaZakladki() const;
    static QString tytulZakladkiDlaFasolki(const Fasolka *fasolka);
    static QIcon ikonaZakladkiDlaFasolki(const Fasolka *fasolka);
    // The name of the bean's flow, or of its flow archive; empty with neither.
    QString nazwaPotoku() const;

    // The tab's own settings, made with the controller.
    UstawieniaKartyFasolki *ustawieniaKarty() const { return m_ustawieniaKarty.get(); }
    KontrolerZawartosciFasolki *kontrolerZawartosciFasolki() const { return m_kontrolerZawartosciFasolki; }
    KontrolerRzeczyKatalogu *kontrolerRzeczyFasolki() const;
    KontrolerRzeczyKatalogu *kontrolerRzeczyPotoku() const;
    KontrolerWidokuRozdzielonegoZPanelemPrawym *kontrolerWidokuRozdzielonegoZPanelemPrawym() const;
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaFasolkach() const;
    KontrolerEdytoraSpodziewanegoRezultatu *kontrolerEdytoraSpodziewanegoRezultatu() const;
    IkonaZPrzeciaganymFolderem *ikonaZFolderemPotoku() const;

signals:
    void nazwaPotokuChanged();

protected:
    void loadView() override;
    void awakeFromNib() override;

private:
    void fasolkaZmienilaUsuniecie();

    QPointer<KartaFasolki> m_kartaFasolki;
    std::unique_ptr<UstawieniaKartyFasolki> m_ustawieniaKarty;
    KontrolerZawartosciFasolki *m_kontrolerZawartosciFasolki;
    QPointer<QWidget> m_widokSzczegolow;
    bool m_widokUstawiony = false;
};
