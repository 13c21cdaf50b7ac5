#include "ElementyDlaPolecen.h"

#include "JakoElement.h"

#include "Model/BytKatalogu.h"
#include "Platform/Ui/PozycjaMenu.h"

#include <QAbstractButton>
#include <QMenu>

QList<QObject *> ElementyDlaPolecen::zaznaczoneElementy() const
{
    if (m_element)
        return {m_element.data()};
    return m_kontrolerTablicy ? m_kontrolerTablicy->selectedObjects() : QList<QObject *>();
}

QObject *ElementyDlaPolecen::kliknietyElement() const
{
    return m_kontrolerTablicy && m_kliknietyWiersz >= 0 && m_kliknietyWiersz < m_kontrolerTablicy->rowCount()
               ? m_kontrolerTablicy->obiektWWierszu(int(m_kliknietyWiersz))
               : nullptr;
}

QList<QObject *> ElementyDlaPolecen::kliknieteElementy() const
{
    QObject *klikniety = kliknietyElement();
    if (!klikniety)
        return {};
    const QList<QObject *> zaznaczone = m_kontrolerTablicy->selectedObjects();
    return zaznaczone.contains(klikniety) ? zaznaczone : QList<QObject *>{klikniety};
}

QObject *ElementyDlaPolecen::element() const
{
    if (QObject *klikniety = kliknietyElement())
        return klikniety;
    const QList<QObject *> zaznaczone = zaznaczoneElementy();
    return zaznaczone.size() == 1 ? zaznaczone.first() : m_element.data();
}

Fasolka *ElementyDlaPolecen::fasolka() const
{
    return jakoFasolka(element());
}

Potok *ElementyDlaPolecen::potok() const
{
    return jakoPotok(element());
}

ArchiwumPotoku *ElementyDlaPolecen::archiwumPotoku() const
{
    return jakoArchiwumPotoku(element());
}

Archiwum *ElementyDlaPolecen::archiwum() const
{
    return jakoArchiwum(element());
}

PobraneRzeczy *ElementyDlaPolecen::pobraneRzeczy() const
{
    return jakoPobraneRzeczy(element());
}

BibliotekaMatRef *ElementyDlaPolecen::bibliotekaMatRef() const
{
    return jakoBibliotekaMatRef(element());
}

BazaFasolek *ElementyDlaPolecen::bazaFasolek() const
{
    return jakoBazaFasolek(element());
}

Fasolka *ElementyDlaPolecen::dodatkowaFasolka() const
{
    return jakoFasolka(m_dodatkowyElement);
}

Potok *ElementyDlaPolecen::dodatkowyPotok() const
{
    return jakoPotok(m_dodatkowyElement);
}

ArchiwumPotoku *ElementyDlaPolecen::dodatkoweArchiwumPotoku() const
{
    return jakoArchiwumPotoku(m_dodatkowyElement);
}

BytSystemuPlikow *ElementyDlaPolecen::dodatkowyBytSystemuPlikow() const
{
    return qobject_cast<BytSystemuPlikow *>(m_dodatkowyElement);
}

BytKatalogu *ElementyDlaPolecen::dodatkowyKatalog() const
{
    return qobject_cast<BytKatalogu *>(m_dodatkowyElement);
}

Potok *ElementyDlaPolecen::potokDocelowy() const
{
    if (Fasolka *wybrana = fasolka())
        return wybrana->potok();
    return potok();
}

QList<QObject *> ElementyDlaPolecen::elementyDlaPolecenia(QObject *nadawca) const
{
    if (!m_widokTabeli || !m_kontrolerTablicy)
        return zaznaczoneElementy();
    if (const auto *pozycja = qobject_cast<const PozycjaMenu *>(nadawca))
        return elementyDlaPochodzenia(pozycja->pochodzenieMenu());
    if (const auto *menu = qobject_cast<const QMenu *>(nadawca))
        return elementyDlaPochodzenia(Menu::pochodzenieMenu(menu));
    if (qobject_cast<const QAbstractButton *>(nadawca))
        return zaznaczoneElementy();
    return {};
}

QList<QObject *> ElementyDlaPolecen::elementyDlaPochodzenia(Menu::Pochodzenie pochodzenie) const
{
    // A button's pop-up, like the button itself, acts on the selection: beside the list nothing
    // was right-clicked.
    const bool naZaznaczonych = pochodzenie == Menu::Pochodzenie::Glowne
                                || pochodzenie == Menu::Pochodzenie::ZPrzycisku;
    return naZaznaczonych ? zaznaczoneElementy() : kliknieteElementy();
}

QList<Fasolka *> ElementyDlaPolecen::fasolkiWsrod(const QList<QObject *> &elementy)
{
    QList<Fasolka *> fasolki;
    for (QObject *element : elementy) {
        if (Fasolka *fasolka = jakoFasolka(element))
            fasolki << fasolka;
    }
    return fasolki;
}
