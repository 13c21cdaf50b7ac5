#include "DeskryptorSortu.h"

#include "BytSystemuPlikow.h"
#include "RzeczWBazieFasolek.h"

namespace {

QLocale jezykPorownania()
{
    // The C locale compares code points, case included, whatever the collator is told;
    // names are still ordered the way a person reads them.
    const QLocale systemowy;
    return systemowy.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : systemowy;
}

} // namespace

DeskryptorSortu::DeskryptorSortu(Klucz klucz, bool rosnaco)
    : m_klucz(klucz)
    , m_rosnaco(rosnaco)
    , m_kolator(std::make_shared<QCollator>(jezykPorownania()))
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
