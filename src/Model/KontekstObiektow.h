#pragma once

#include <QObject>

#include <memory>
#include <vector>

// Owns every object of the graph. Objects are never destroyed during a run: one whose
// file is gone only leaves its relations and stays valid until the context goes.
class KontekstObiektow
{
public:
    KontekstObiektow() = default;
    KontekstObiektow(const KontekstObiektow &) = delete;
    KontekstObiektow &operator=(const KontekstObiektow &) = delete;
    ~KontekstObiektow();

    template <class T, class... Argumenty>
    T *wstaw(Argumenty &&...argumenty)
    {
        auto obiekt = std::make_unique<T>(std::forward<Argumenty>(argumenty)...);
        T *wskaznik = obiekt.get();
        m_obiekty.push_back(std::move(obiekt));
        return wskaznik;
    }

    std::size_t liczbaObiektow() const { return m_obiekty.size(); }
    // In the order of insertion. Indices stay valid while objects are inserted.
    QObject *obiekt(std::size_t indeks) const { return m_obiekty[indeks].get(); }

    // The root of the graph (the bean database), made by its own factory.
    QObject *korzen() const { return m_korzen; }
    void ustawKorzen(QObject *korzen) { m_korzen = korzen; }

private:
    std::vector<std::unique_ptr<QObject>> m_obiekty;
    QObject *m_korzen = nullptr;
};
