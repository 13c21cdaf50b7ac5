#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QList>
#include <QObject>
#include <QString>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

// One name order of the lists: by "nazwa" (flows, beans, archives) or "nazwaZlokalizowana"
// (file-system entities), compared as the user's locale does, without regard to case.
// Reading a key only reads the object; nothing is built or announced.
class DeskryptorSortu
{
public:
    enum Klucz { poNazwie, poNazwieZlokalizowanej };

    explicit DeskryptorSortu(Klucz klucz, bool rosnaco = true);

    Klucz klucz() const { return m_klucz; }
    bool rosnaco() const { return m_rosnaco; }

    // The key's value; empty for an object that does not have that key.
    QString wartosc(const QObject *obiekt) const;
    // <0, 0 or >0 in this order (direction included).
    int porownaj(const QObject *a, const QObject *b) const;
    int porownajTeksty(const QString &a, const QString &b) const;
    bool operator()(const QObject *a, const QObject *b) const { return porownaj(a, b) < 0; }

    // Sorts stably; each key is read once per element, not once per comparison.
    template <class T>
    void posortuj(QList<T *> &lista) const
    {
        std::vector<std::pair<QCollatorSortKey, T *>> klucze;
        klucze.reserve(size_t(lista.size()));
        for (T *obiekt : lista)
            klucze.emplace_back(kluczSortu(obiekt), obiekt);
        std::stable_sort(klucze.begin(), klucze.end(), [this](const auto &a, const auto &b) {
            const int wynik = a.first.compare(b.first);
            return m_rosnaco ? wynik < 0 : wynik > 0;
        });
        for (qsizetype i = 0; i < lista.size(); ++i)
            lista[i] = klucze[size_t(i)].second;
    }

private:
    // A name's key comes from the object's cache; only other keys are computed here.
    QCollatorSortKey kluczSortu(const QObject *obiekt) const;

    Klucz m_klucz;
    bool m_rosnaco;
    std::shared_ptr<QCollator> m_kolator;
};
