#pragma once

#include <QHash>
#include <QList>

template <class Wlasciciel, class Element>
struct RelacjaJedenDoWielu;

// The storage of a to-many relation: an unordered set with O(1) membership and removal.
// Only the relation helper changes it, so both sides of a relation always agree.
template <class T>
class ZbiorObiektow
{
public:
    const QList<T *> &elementy() const { return m_elementy; }
    qsizetype size() const { return m_elementy.size(); }
    bool isEmpty() const { return m_elementy.isEmpty(); }
    bool contains(T *obiekt) const { return m_indeksy.contains(obiekt); }
    // The place in `elementy()`, -1 for an object that is not a member.
    qsizetype indeks(T *obiekt) const { return m_indeksy.value(obiekt, -1); }
    auto begin() const { return m_elementy.cbegin(); }
    auto end() const { return m_elementy.cend(); }

private:
    template <class, class>
    friend struct RelacjaJedenDoWielu;

    bool wstaw(T *obiekt)
    {
        if (m_indeksy.contains(obiekt))
            return false;
        m_indeksy.insert(obiekt, m_elementy.size());
        m_elementy.append(obiekt);
        return true;
    }

    bool usun(T *obiekt)
    {
        const auto it = m_indeksy.constFind(obiekt);
        if (it == m_indeksy.constEnd())
            return false;
        const qsizetype indeks = *it;
        m_indeksy.erase(it);
        T *ostatni = m_elementy.takeLast();
        if (ostatni != obiekt) {
            m_elementy[indeks] = ostatni;
            m_indeksy[ostatni] = indeks;
        }
        return true;
    }

    QList<T *> m_elementy;
    QHash<T *, qsizetype> m_indeksy;
};
