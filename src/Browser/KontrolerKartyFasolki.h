#pragma once

#include "KontrolerKarty.h"
#include "ZawartoscFasolkiNaKarcie.h"

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
    KontrolerWidokuRozdzielonegoZPanelemPrawym *kontrolerWidokuRozdzielonegoZPanelemPrawym() const;
    // The bean's contents as the class the caller names, the program's own by default, and what they
    // hold: templates, so that only a caller that includes that class's header needs it.
    template <typename Zawartosc = KontrolerZawartosciFasolki>
    Zawartosc *kontrolerZawartosciFasolki() const
    {
        return qobject_cast<Zawartosc *>(m_kontrolerZawartosciFasolki);
    }
    template <typename Zawartosc = KontrolerZawartosciFasolki>
    KontrolerRzeczyKatalogu *kontrolerRzeczyFasolki() const
    {
        return kontrolerZawartosciFasolki<Zawartosc>()->kontrolerRzeczyFasolki();
    }
    template <typename Zawartosc = KontrolerZawartosciFasolki>
    KontrolerRzeczyKatalogu *kontrolerRzeczyPotoku() const
    {
        return kontrolerZawartosciFasolki<Zawartosc>()->kontrolerRzeczyPotoku();
    }
    template <typename Zawartosc = KontrolerZawartosciFasolki>
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaFasolkach() const
    {
        return kontrolerZawartosciFasolki<Zawartosc>()->kontrolerAkcjeNaFasolkach();
    }
    template <typename Zawartosc = KontrolerZawartosciFasolki>
    KontrolerEdytoraSpodziewanegoRezultatu *kontrolerEdytoraSpodziewanegoRezultatu() const
    {
        return kontrolerZawartosciFasolki<Zawartosc>()->kontrolerEdytoraSpodziewanegoRezultatu();
    }
    template <typename Zawartosc = KontrolerZawartosciFasolki>
    IkonaZPrzeciaganymFolderem *ikonaZFolderemPotoku() const
    {
        return kontrolerZawartosciFasolki<Zawartosc>()->ikonaZFolderemPotoku();
    }
    // The bean's contents, as the tab sees them.
    ZawartoscFasolkiNaKarcie *zawartoscFasolki() const { return m_kontrolerZawartosciFasolki; }

signals:
    void nazwaPotokuChanged();

protected:
    void loadView() override;
    void awakeFromNib() override;

private:
    void fasolkaZmienilaUsuniecie();

    QPointer<KartaFasolki> m_kartaFasolki;
    std::unique_ptr<UstawieniaKartyFasolki> m_ustawieniaKarty;
    ZawartoscFasolkiNaKarcie *m_kontrolerZawartosciFasolki;
    QPointer<QWidget> m_widokSzczegolow;
    bool m_widokUstawiony = false;
};
