#include "DeskryptorSortu.h"

#include "BytSystemuPlikow.h"
#include "KluczeNazwy.h"
#include "RzeczWBazieFasolek.h"

DeskryptorSortu::DeskryptorSortu(Klucz klucz, bool rosnaco)
    : m_klucz(klucz)
    , m_rosnaco(rosnaco)
    , m_kolator(std::make_shared<QCollator>(KluczeNazwy::jezykPorownania()))
{
    m_kolator->setCaseSensitivity(Qt::CaseInsensitive);
}

QString DeskryptorSortu::wartosc(const QObject *obiekt) const
{
    if (m_klucz == poNazwie) {
        if (const auto *rzecz = qobject_cast<const RzeczWBazieFasolek *>(obiekt))
            return rzecz->nazwa();
    } else if (const auto *byt = qobject_cast<const BytSystemuPlikow *>(obiekt)) {
        return byt->nazwaZlokalizowana();
    }
    return {};
}

int DeskryptorSortu::porownajTeksty(const QString &a, const QString &b) const
{
    const int wynik = m_kolator->compare(a, b);
    return m_rosnaco ? wynik : -wynik;
}

int DeskryptorSortu::porownaj(const QObject *a, const QObject *b) const
{
    return porownajTeksty(wartosc(a), wartosc(b));
}

QCollatorSortKey DeskryptorSortu::kluczSortu(const QObject *obiekt) const
{
    if (m_klucz != poNazwie)
        return m_kolator->sortKey(wartosc(obiekt));
    if (const auto *rzecz = qobject_cast<const RzeczWBazieFasolek *>(obiekt))
        return rzecz->kluczeNazwy().kluczSortu();
    return KluczeNazwy::kolator().sortKey(QString());
}
