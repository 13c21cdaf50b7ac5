#include "IndeksFasolek.h"

#include "BytSystemuPlikow.h"
#include "Fasolka.h"
#include "SynchronizatorZestawuObiektow.h"

void IndeksFasolek::uniewaznij()
{
    m_poKluczu.clear();
    m_aktualny = false;
}

Fasolka *IndeksFasolek::ostatniaZawierajaca(const ZbiorObiektow<Fasolka> &fasolki, const QString &szukany)
{
    if (!m_aktualny) {
        m_poKluczu.reserve(fasolki.size());
        for (Fasolka *fasolka : fasolki) {
            if (fasolka->bytFasolki() && !fasolka->bytFasolki()->plikowyURL().isEmpty())
                m_poKluczu.insert(SynchronizatorZestawuObiektow::kluczUrla(fasolka->bytFasolki()->plikowyURL()), fasolka);
        }
        m_aktualny = true;
    }
    // A path that contains `szukany` is `szukany` itself or one of its leading parts ending
    // before a separator ("/" for the root).
    Fasolka *wynik = nullptr;
    qsizetype indeksWyniku = -1;
    const auto sprawdz = [&](const QString &klucz) {
        for (auto it = m_poKluczu.constFind(klucz); it != m_poKluczu.constEnd() && it.key() == klucz; ++it) {
            const qsizetype indeks = fasolki.indeks(it.value());
            if (indeks > indeksWyniku) {
                indeksWyniku = indeks;
                wynik = it.value();
            }
        }
    };
    if (szukany.startsWith(QLatin1Char('/')))
        sprawdz(QStringLiteral("/"));
    for (qsizetype i = 1; i < szukany.size(); ++i) {
        if (szukany.at(i) == QLatin1Char('/'))
            sprawdz(szukany.left(i));
    }
    sprawdz(szukany);
    return wynik;
}
