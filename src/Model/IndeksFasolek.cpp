#include "IndeksFasolek.h"

#include "BytSystemuPlikow.h"
#include "Fasolka.h"
#include "SynchronizatorZestawuObiektow.h"

namespace {

QString klucz(const Fasolka *fasolka)
{
    const BytSystemuPlikow *byt = fasolka->bytFasolki();
    return byt ? SynchronizatorZestawuObiektow::kluczUrla(byt->plikowyURL()) : QString();
}

} // namespace

void IndeksFasolek::uniewaznij()
{
    m_poKluczu.clear();
    m_aktualny = false;
}

void IndeksFasolek::dodaj(const QList<Fasolka *> &fasolki)
{
    if (!m_aktualny)
        return;
    for (Fasolka *fasolka : fasolki) {
        if (const QString k = klucz(fasolka); !k.isEmpty())
            m_poKluczu.insert(k, fasolka);
    }
}

void IndeksFasolek::usun(const QList<Fasolka *> &fasolki)
{
    if (!m_aktualny)
        return;
    for (Fasolka *fasolka : fasolki)
        m_poKluczu.remove(klucz(fasolka), fasolka);
}

void IndeksFasolek::zmienKlucz(Fasolka *fasolka, const QString &staryUrl, const QString &nowyUrl)
{
    if (!m_aktualny)
        return;
    m_poKluczu.remove(SynchronizatorZestawuObiektow::kluczUrla(staryUrl), fasolka);
    if (!nowyUrl.isEmpty())
        m_poKluczu.insert(SynchronizatorZestawuObiektow::kluczUrla(nowyUrl), fasolka);
}

Fasolka *IndeksFasolek::ostatniaZawierajaca(const ZbiorObiektow<Fasolka> &fasolki, const QString &szukany)
{
    if (!m_aktualny) {
        m_poKluczu.reserve(fasolki.size());
        m_aktualny = true;
        dodaj(fasolki.elementy());
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
