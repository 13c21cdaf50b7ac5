#pragma once

#include "Platform/Ui/Menu.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractItemView>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <cstdint>

class Archiwum;
class ArchiwumPotoku;
class BazaFasolek;
class BibliotekaMatRef;
class BytKatalogu;
class BytSystemuPlikow;
class Fasolka;
class PobraneRzeczy;
class Potok;

// The items the commands of one actions controller act on: its fixed and secondary items, its
// list with the right-clicked row, and what follows from them. The controller's helpers all read
// this one object; only the controller sets it, and announces each change.
class ElementyDlaPolecen
{
public:
    QObject *elementStaly() const { return m_element; }
    void setElement(QObject *element) { m_element = element; }
    QObject *dodatkowyElement() const { return m_dodatkowyElement; }
    void setDodatkowyElement(QObject *element) { m_dodatkowyElement = element; }
    std::int64_t kliknietyWiersz() const { return m_kliknietyWiersz; }
    void setKliknietyWiersz(std::int64_t wiersz)
    {
        m_kliknietyWiersz = wiersz;
        ++m_numerKlikniecia;
    }
    // Counts the rows set, so a context menu that closes forgets only the row it was opened for.
    std::uint64_t numerKlikniecia() const { return m_numerKlikniecia; }
    KontrolerTablicy *kontrolerTablicy() const { return m_kontrolerTablicy; }
    void setKontrolerTablicy(KontrolerTablicy *kontroler) { m_kontrolerTablicy = kontroler; }
    QAbstractItemView *widokTabeli() const { return m_widokTabeli; }
    void setWidokTabeli(QAbstractItemView *widok) { m_widokTabeli = widok; }
    // A view inside the tab: it finds the tab and the window that open commands use.
    QWidget *widokNaKarcie() const { return m_widokNaKarcie; }
    void setWidokNaKarcie(QWidget *widok) { m_widokNaKarcie = widok; }

    // The fixed item, else the list's selection, else nothing.
    QList<QObject *> zaznaczoneElementy() const;
    QObject *kliknietyElement() const;
    // The whole selection when the clicked row is part of it, else that row alone.
    QList<QObject *> kliknieteElementy() const;
    // The clicked item, else the one selected item, else the fixed item.
    QObject *element() const;

    Fasolka *fasolka() const;
    Potok *potok() const;
    ArchiwumPotoku *archiwumPotoku() const;
    Archiwum *archiwum() const;
    PobraneRzeczy *pobraneRzeczy() const;
    BibliotekaMatRef *bibliotekaMatRef() const;
    BazaFasolek *bazaFasolek() const;
    Fasolka *dodatkowaFasolka() const;
    Potok *dodatkowyPotok() const;
    ArchiwumPotoku *dodatkoweArchiwumPotoku() const;
    BytSystemuPlikow *dodatkowyBytSystemuPlikow() const;
    BytKatalogu *dodatkowyKatalog() const;
    // A bean wins over a flow: the flow a new bean goes to. Nothing without either.
    Potok *potokDocelowy() const;

    // What a command from `nadawca` acts on. With a list: a main-menu item or a button (or an
    // item of a button's pop-up) the selection, any other menu item the clicked items, any
    // other sender nothing. Without one: the selection, whatever the sender. A menu itself
    // stands for its items, which are validated before they are known.
    QList<QObject *> elementyDlaPolecenia(QObject *nadawca) const;
    // The beans among them: a flow among the items is never copied, trashed or moved with them.
    QList<Fasolka *> fasolkiDlaPolecenia(QObject *nadawca) const { return fasolkiWsrod(elementyDlaPolecenia(nadawca)); }
    static QList<Fasolka *> fasolkiWsrod(const QList<QObject *> &elementy);

private:
    QList<QObject *> elementyDlaPochodzenia(Menu::Pochodzenie pochodzenie) const;

    QPointer<QObject> m_element;
    QPointer<QObject> m_dodatkowyElement;
    std::int64_t m_kliknietyWiersz = -1;
    std::uint64_t m_numerKlikniecia = 0;
    QPointer<KontrolerTablicy> m_kontrolerTablicy;
    QPointer<QAbstractItemView> m_widokTabeli;
    QPointer<QWidget> m_widokNaKarcie;
};
