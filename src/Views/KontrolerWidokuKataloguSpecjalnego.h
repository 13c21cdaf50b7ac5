#pragma once

#include "KontrolerNazwanegoWidoku.h"

#include "Model/RzeczWBazieFasolekZKatalogiem.h"

#include <QPointer>

#include <functional>

class KontrolerAkcjeNaElementach;
class KontrolerRzeczyKatalogu;

// A details view that shows one special folder of the bean database (Downloads, the Reference
// Library) as a folder outline. The item is read from the database once, when the view is made;
// with none the view opens with its title and an empty outline.
class KontrolerWidokuKataloguSpecjalnego : public KontrolerNazwanegoWidoku
{
    Q_OBJECT

public:
    using ElementZBazy = std::function<RzeczWBazieFasolekZKatalogiem *()>;

    KontrolerWidokuKataloguSpecjalnego(const char *tytul, const QString &nazwaIkony, ElementZBazy elementZBazy,
                                       QObject *rodzic = nullptr);

    RzeczWBazieFasolekZKatalogiem *element() const { return m_element; }
    KontrolerRzeczyKatalogu *kontrolerRzeczyKatalogu() const { return m_kontrolerRzeczyKatalogu; }
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaElementach() const { return m_kontrolerAkcje; }

    void ustawWidok() override;
    void ustawWidokJakoPierwszyResponder() override;
    // The folder's outline always takes a new folder.
    bool czyMoznaWyswietlicDymekNowyKatalog(const ZawartoscKarty *karta) const override { return true; }
    void wyswietlDymekNowyKatalog(ZawartoscKarty *karta) override;

protected:
    void loadView() override;

private:
    // The entry directly inside the shown folder that holds the first selected row.
    void zmienionoZaznaczenie();

    ElementZBazy m_elementZBazy;
    QPointer<RzeczWBazieFasolekZKatalogiem> m_element;
    KontrolerRzeczyKatalogu *m_kontrolerRzeczyKatalogu;
    KontrolerAkcjeNaElementach *m_kontrolerAkcje;
    bool m_widokUstawiony = false;
};
