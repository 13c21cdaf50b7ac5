#include "ProxyListyFasolek.h"

#include "ListwaZakresu.h"

#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/KluczeNazwy.h"
#include "Model/PartiaZmianNaDysku.h"
#include "Model/Potok.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {

QString sciezka(const Fasolka *fasolka)
{
    return fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString();
}

QString sciezka(const Potok *potok)
{
    return potok->bytPotoku() ? potok->bytPotoku()->plikowyURL() : QString();
}

QString sciezka(const ArchiwumPotoku *archiwum)
{
    return archiwum->katalog() ? archiwum->katalog()->plikowyURL() : QString();
}

// Each key is looked up once per element; paths are read only for names that compare equal.
template <class T>
void posortujWgKluczy(QList<T *> &lista, bool glownyNajpierw)
{
    struct Element
    {
        const QCollatorSortKey *klucz;
        bool glowny;
        T *obiekt;
    };
    std::vector<Element> elementy;
    elementy.reserve(size_t(lista.size()));
    for (T *obiekt : lista) {
        bool glowny = false;
        if constexpr (!std::is_same_v<T, Fasolka>)
            glowny = glownyNajpierw && obiekt->toPotokGlowny();
        elementy.push_back({&obiekt->kluczeNazwy().kluczSortu(), glowny, obiekt});
    }
    std::sort(elementy.begin(), elementy.end(), [](const Element &a, const Element &b) {
        if (a.glowny != b.glowny)
            return a.glowny;
        const int wynik = a.klucz->compare(*b.klucz);
        if (wynik != 0)
            return wynik < 0;
        return sciezka(a.obiekt) < sciezka(b.obiekt);
    });
    for (qsizetype i = 0; i < lista.size(); ++i)
        lista[i] = elementy[size_t(i)].obiekt;
}

// The bean statuses a scope code takes, as bits by status; an unknown code takes none.
unsigned statusyZakresu(StatusPaskaZakresu zakres)
{
    const auto bit = [](int status) { return 1u << unsigned(status); };
    switch (zakres) {
    case ListwaZakresu::zWObrobce:
        return bit(Fasolka::sfWInkubacji) | bit(Fasolka::sfAktywna) | bit(Fasolka::sfOczekujaca)
               | bit(Fasolka::sfGotowa);
    case ListwaZakresu::zWInkubacji:
        return bit(Fasolka::sfWInkubacji);
    case ListwaZakresu::zAktywne:
        return bit(Fasolka::sfAktywna);
    case ListwaZakresu::zOczekujace:
        return bit(Fasolka::sfOczekujaca);
    case ListwaZakresu::zGotowe:
        return bit(Fasolka::sfGotowa);
    case ListwaZakresu::zNieaktywne:
        return bit(Fasolka::sfNieaktywna);
    case ListwaZakresu::zUkonczone:
        return bit(Fasolka::sfUkonczona);
    default:
        return 0;
    }
}

} // namespace

ProxyListyFasolek::ProxyListyFasolek(QObject *rodzic)
    : QObject(rodzic)
    , m_tytulKolumny(QCoreApplication::translate("ProxyListyFasolek", "Beans"))
{
}

void ProxyListyFasolek::setFrazaFiltra(const QString &fraza)
{
    m_frazaFiltra = fraza;
    m_zlozonaFraza = KluczeNazwy::zloz(fraza);
    zmianaWlasna(QStringLiteral("frazaFiltra"));
}

QList<QObject *> ProxyListyFasolek::tablica()
{
    if (m_nieaktualna)
        przelicz();
    return m_tablica;
}

void ProxyListyFasolek::zmianaWlasna(const QString &sciezkaKlucza)
{
    przedZmianaWlasna(sciezkaKlucza);
    // What the model changed meanwhile is in this list already.
    m_ogloszenieOczekuje = false;
    m_zmianaSpozaPartii = false;
    przelicz();
    emit tablicaChanged(PowodZmiany::WlasnaZmiana);
}

void ProxyListyFasolek::zmianaModelu()
{
    m_nieaktualna = true;
    m_ogloszenieOczekuje = true;
    if (!PartiaZmianNaDysku::instancja()->trwa())
        m_zmianaSpozaPartii = true;
    if (m_zaplanowane)
        return;
    m_zaplanowane = true;
    QMetaObject::invokeMethod(this, &ProxyListyFasolek::ogloszZmianeModelu, Qt::QueuedConnection);
}

void ProxyListyFasolek::ogloszZmianeModelu()
{
    m_zaplanowane = false;
    if (!m_ogloszenieOczekuje)
        return;
    m_ogloszenieOczekuje = false;
    const PowodZmiany powod = m_zmianaSpozaPartii ? PowodZmiany::ZmianaModelu : PowodZmiany::PartiaObserwatora;
    m_zmianaSpozaPartii = false;
    if (m_nieaktualna)
        przelicz();
    emit tablicaChanged(powod);
}

void ProxyListyFasolek::przelicz()
{
    QString tytul;
    m_tablica = zbudujTablice(tytul);
    m_nieaktualna = false;
    if (tytul == m_tytulKolumny)
        return;
    m_tytulKolumny = tytul;
    emit tytulKolumnyChanged();
}

QString ProxyListyFasolek::tytulZLiczbami(bool zFraza, qsizetype pokazane, qsizetype wszystkie)
{
    const QString slowo = QCoreApplication::translate("ProxyListyFasolek", "Beans");
    return (zFraza ? QStringLiteral("%1 (%2 of %3 found)") : QStringLiteral("%1 (%2 of %3)"))
        .arg(slowo)
        .arg(pokazane)
        .arg(wszystkie);
}

QString ProxyListyFasolek::tytulArchiwum(bool zFraza, qsizetype pokazane)
{
    const QString slowo = QCoreApplication::translate("ProxyListyFasolek", "Beans");
    return (zFraza ? QStringLiteral("%1 (%2 found)") : QStringLiteral("%1 (%2 items)")).arg(slowo).arg(pokazane);
}

bool ProxyListyFasolek::pasujeDoFrazy(const Fasolka *fasolka) const
{
    return !maFraze() || fasolka->kluczeNazwy().zlozona().contains(m_zlozonaFraza);
}

QList<Fasolka *> ProxyListyFasolek::fasolkiWZakresie(const Potok *potok, const ListwaZakresu *listwa) const
{
    QList<Fasolka *> wynik;
    if (!potok || !listwa)
        return wynik;
    const bool wszystkie = listwa->czyWszystkie();
    const unsigned statusy = statusyZakresu(listwa->statusPaskaZakresu());
    if (!wszystkie && !statusy)
        return wynik;
    for (Fasolka *fasolka : potok->fasolki()) {
        if (!wszystkie && !(statusy & (1u << unsigned(fasolka->statusFasolki()))))
            continue;
        if (pasujeDoFrazy(fasolka))
            wynik.append(fasolka);
    }
    return wynik;
}

qsizetype ProxyListyFasolek::liczbaPasujacych(const QList<Fasolka *> &fasolki) const
{
    if (!maFraze())
        return fasolki.size();
    return std::count_if(fasolki.cbegin(), fasolki.cend(), [this](const Fasolka *f) { return pasujeDoFrazy(f); });
}

void ProxyListyFasolek::posortujPoNazwie(QList<Fasolka *> &fasolki)
{
    posortujWgKluczy(fasolki, false);
}

void ProxyListyFasolek::posortujGrupy(QList<Potok *> &potoki)
{
    posortujWgKluczy(potoki, true);
}

void ProxyListyFasolek::posortujGrupy(QList<ArchiwumPotoku *> &archiwa)
{
    posortujWgKluczy(archiwa, true);
}
