#pragma once

#include "ZbiorObiektow.h"

#include <QHash>
#include <QList>

// Relations of the object graph with their inverses. Every mutation changes both sides
// first and only then announces the change on every side it touched: observers never see
// one side out of step with the other.

// `Wlasciciel` holds a to-many set of `Element`; each element holds its owner as to-one.
template <class Wlasciciel, class Element>
struct RelacjaJedenDoWielu
{
    using Ogloszenie = void (Wlasciciel::*)(const QList<Element *> &dodane, const QList<Element *> &usuniete);

    ZbiorObiektow<Element> Wlasciciel::*zbior;
    Wlasciciel *Element::*odwrotna;
    Ogloszenie ogloszenieZbioru;
    void (Element::*ogloszenieOdwrotnej)();

    void dodaj(Wlasciciel *wlasciciel, const QList<Element *> &elementy) const
    {
        QList<Element *> dodane;
        QList<Wlasciciel *> poprzedni;
        QHash<Wlasciciel *, QList<Element *>> zabraneZ;
        for (Element *element : elementy) {
            if (!element || (wlasciciel->*zbior).contains(element))
                continue;
            if (Wlasciciel *stary = element->*odwrotna) {
                (stary->*zbior).usun(element);
                if (!zabraneZ.contains(stary))
                    poprzedni.append(stary);
                zabraneZ[stary].append(element);
            }
            (wlasciciel->*zbior).wstaw(element);
            element->*odwrotna = wlasciciel;
            dodane.append(element);
        }
        if (dodane.isEmpty())
            return;
        for (Wlasciciel *stary : poprzedni)
            (stary->*ogloszenieZbioru)({}, zabraneZ.value(stary));
        (wlasciciel->*ogloszenieZbioru)(dodane, {});
        for (Element *element : dodane)
            (element->*ogloszenieOdwrotnej)();
    }

    void usun(Wlasciciel *wlasciciel, const QList<Element *> &elementy) const
    {
        QList<Element *> usuniete;
        for (Element *element : elementy) {
            if (!element || !(wlasciciel->*zbior).usun(element))
                continue;
            element->*odwrotna = nullptr;
            usuniete.append(element);
        }
        if (usuniete.isEmpty())
            return;
        (wlasciciel->*ogloszenieZbioru)({}, usuniete);
        for (Element *element : usuniete)
            (element->*ogloszenieOdwrotnej)();
    }

    // Sets the to-one side; the element leaves its old owner's set and joins the new one's.
    void ustaw(Element *element, Wlasciciel *wlasciciel) const
    {
        Wlasciciel *stary = element->*odwrotna;
        if (stary == wlasciciel)
            return;
        if (wlasciciel) {
            dodaj(wlasciciel, {element});
        } else {
            usun(stary, {element});
        }
    }
};

// A to-one relation whose inverse is also to-one.
template <class A, class B>
struct RelacjaJedenDoJednego
{
    B *A::*doB;
    A *B::*doA;
    void (A::*ogloszenieA)();
    void (B::*ogloszenieB)();

    void ustaw(A *a, B *b) const
    {
        B *staryB = a->*doB;
        if (staryB == b)
            return;
        A *staryA = b ? b->*doA : nullptr;
        if (staryB)
            staryB->*doA = nullptr;
        if (staryA)
            staryA->*doB = nullptr;
        a->*doB = b;
        if (b)
            b->*doA = a;

        (a->*ogloszenieA)();
        if (staryB)
            (staryB->*ogloszenieB)();
        if (b)
            (b->*ogloszenieB)();
        if (staryA)
            (staryA->*ogloszenieA)();
    }

    void ustawOdStronyB(B *b, A *a) const
    {
        if (a)
            ustaw(a, b);
        else if (A *staryA = b->*doA)
            ustaw(staryA, nullptr);
    }
};
