#include "ModelDrzewaPaskaNawigacji.h"

#include "KontrolerPaskaNawigacji.h"

#include "Model/Potok.h"
#include "Model/SplotBazowy.h"
#include "Widgets/TekstNaJednejLinii.h"

#include <QScopedValueRollback>
#include <QSet>

#include <algorithm>
#include <utility>

ModelDrzewaPaskaNawigacji::ModelDrzewaPaskaNawigacji(QObject *rodzic)
    : QAbstractItemModel(rodzic)
{
}

ModelDrzewaPaskaNawigacji::~ModelDrzewaPaskaNawigacji() = default;

void ModelDrzewaPaskaNawigacji::ustawDrzewo(const QList<QObject *> &gorneElementy)
{
    if (m_ustawiaDrzewo) {
        m_czekajaceGorneElementy.emplace(gorneElementy.cbegin(), gorneElementy.cend());
        return;
    }
    const QScopedValueRollback<bool> wTrakcie(m_ustawiaDrzewo, true);
    ustawDzieci(&m_korzen, gorneElementy);
    while (m_czekajaceGorneElementy) {
        const QList<QPointer<QObject>> czekajace = *std::exchange(m_czekajaceGorneElementy, std::nullopt);
        QList<QObject *> elementy;
        for (const QPointer<QObject> &element : czekajace) {
            if (element)
                elementy.append(element);
        }
        ustawDzieci(&m_korzen, elementy);
    }
}

void ModelDrzewaPaskaNawigacji::ustawDzieci(Wezel *wezel, const QList<QObject *> &elementy)
{
    // Nodes whose item went (or was deleted) leave; of two nodes of one item the first stays.
    const QSet<QObject *> nowe(elementy.cbegin(), elementy.cend());
    QSet<QObject *> zostajace;
    for (const auto &dziecko : wezel->dzieci) {
        if (dziecko->element && nowe.contains(dziecko->element))
            zostajace.insert(dziecko->element);
    }
    QSet<QObject *> pozostawione;
    for (int wiersz = int(wezel->dzieci.size()) - 1; wiersz >= 0; --wiersz) {
        QObject *element = wezel->dzieci[size_t(wiersz)]->element;
        const bool pierwszy = std::none_of(wezel->dzieci.cbegin(), wezel->dzieci.cbegin() + wiersz,
                                           [element](const auto &d) { return d->element == element; });
        if (!element || !zostajace.contains(element) || !pierwszy)
            usunDziecko(wezel, wiersz);
    }
    // The nodes that stay take the new order, then the new items come in at their places.
    int wiersz = 0;
    for (QObject *element : elementy) {
        if (!zostajace.contains(element))
            continue;
        zostajace.remove(element);
        const auto miejsce = std::find_if(wezel->dzieci.cbegin() + wiersz, wezel->dzieci.cend(),
                                          [element](const auto &d) { return d->element == element; });
        if (const int z = int(miejsce - wezel->dzieci.cbegin()); z != wiersz)
            przeniesDziecko(wezel, z, wiersz);
        ++wiersz;
    }
    for (int i = 0; i < elementy.size(); ++i) {
        if (size_t(i) >= wezel->dzieci.size() || wezel->dzieci[size_t(i)]->element != elementy[i])
            wstawDziecko(wezel, i, elementy[i]);
    }
    for (const auto &dziecko : wezel->dzieci)
        ustawDzieci(dziecko.get(), dzieciElementu(dziecko->element));
}

void ModelDrzewaPaskaNawigacji::usunDziecko(Wezel *wezel, int wiersz)
{
    beginRemoveRows(indeksWezla(wezel), wiersz, wiersz);
    wezel->dzieci.erase(wezel->dzieci.begin() + wiersz);
    endRemoveRows();
}

void ModelDrzewaPaskaNawigacji::przeniesDziecko(Wezel *wezel, int z, int na)
{
    const QModelIndex rodzic = indeksWezla(wezel);
    beginMoveRows(rodzic, z, z, rodzic, na > z ? na + 1 : na);
    std::unique_ptr<Wezel> przenoszony = std::move(wezel->dzieci[size_t(z)]);
    wezel->dzieci.erase(wezel->dzieci.begin() + z);
    wezel->dzieci.insert(wezel->dzieci.begin() + na, std::move(przenoszony));
    endMoveRows();
}

void ModelDrzewaPaskaNawigacji::wstawDziecko(Wezel *wezel, int wiersz, QObject *element)
{
    beginInsertRows(indeksWezla(wezel), wiersz, wiersz);
    auto nowy = std::make_unique<Wezel>();
    nowy->element = element;
    nowy->rodzic = wezel;
    wezel->dzieci.insert(wezel->dzieci.begin() + wiersz, std::move(nowy));
    // Only a renamed flow needs its row repainted; nodes name themselves through it. A flow that
    // leaves the tree stays connected: its rename then finds no row.
    if (auto *potok = qobject_cast<Potok *>(element))
        connect(potok, &RzeczWBazieFasolek::nazwaChanged, this, &ModelDrzewaPaskaNawigacji::poZmianieNazwy,
                Qt::UniqueConnection);
    endInsertRows();
}

QList<QObject *> ModelDrzewaPaskaNawigacji::dzieciElementu(QObject *element)
{
    auto *splot = qobject_cast<SplotBazowy *>(element);
    return splot && !splot->splotJestLisciem() ? splot->dzieciSplotu() : QList<QObject *>();
}

void ModelDrzewaPaskaNawigacji::poZmianieNazwy()
{
    if (const Wezel *w = znajdz(&m_korzen, sender())) {
        const QModelIndex indeks = indeksWezla(w);
        emit dataChanged(indeks, indeks);
    }
}

const ModelDrzewaPaskaNawigacji::Wezel *ModelDrzewaPaskaNawigacji::znajdz(const Wezel *wezel,
                                                                          const QObject *element) const
{
    for (const auto &dziecko : wezel->dzieci) {
        if (dziecko->element == element)
            return dziecko.get();
        if (const Wezel *glebiej = znajdz(dziecko.get(), element))
            return glebiej;
    }
    return nullptr;
}

QObject *ModelDrzewaPaskaNawigacji::element(const QModelIndex &indeks) const
{
    const Wezel *w = wezel(indeks);
    return w ? w->element.data() : nullptr;
}

QList<QModelIndex> ModelDrzewaPaskaNawigacji::wszystkieIndeksy() const
{
    QList<QModelIndex> indeksy;
    dopiszIndeksy(&m_korzen, indeksy);
    return indeksy;
}

void ModelDrzewaPaskaNawigacji::dopiszIndeksy(const Wezel *wezel, QList<QModelIndex> &indeksy) const
{
    for (const auto &dziecko : wezel->dzieci) {
        indeksy.append(indeksWezla(dziecko.get()));
        dopiszIndeksy(dziecko.get(), indeksy);
    }
}

const ModelDrzewaPaskaNawigacji::Wezel *ModelDrzewaPaskaNawigacji::wezel(const QModelIndex &indeks) const
{
    if (!indeks.isValid() || indeks.model() != this)
        return nullptr;
    return static_cast<const Wezel *>(indeks.internalPointer());
}

QModelIndex ModelDrzewaPaskaNawigacji::indeksWezla(const Wezel *wezel) const
{
    if (wezel == &m_korzen)
        return {};
    const auto &rodzenstwo = wezel->rodzic->dzieci;
    const auto miejsce =
        std::find_if(rodzenstwo.cbegin(), rodzenstwo.cend(), [wezel](const auto &d) { return d.get() == wezel; });
    return createIndex(int(miejsce - rodzenstwo.cbegin()), 0, wezel);
}

QModelIndex ModelDrzewaPaskaNawigacji::index(int wiersz, int kolumna, const QModelIndex &rodzic) const
{
    if (kolumna != 0 || wiersz < 0 || rodzic.column() > 0)
        return {};
    const Wezel *w = rodzic.isValid() ? wezel(rodzic) : &m_korzen;
    if (!w || size_t(wiersz) >= w->dzieci.size())
        return {};
    return createIndex(wiersz, 0, w->dzieci[size_t(wiersz)].get());
}

QModelIndex ModelDrzewaPaskaNawigacji::parent(const QModelIndex &indeks) const
{
    const Wezel *w = wezel(indeks);
    return w ? indeksWezla(w->rodzic) : QModelIndex();
}

int ModelDrzewaPaskaNawigacji::rowCount(const QModelIndex &rodzic) const
{
    if (rodzic.column() > 0)
        return 0;
    const Wezel *w = rodzic.isValid() ? wezel(rodzic) : &m_korzen;
    return w ? int(w->dzieci.size()) : 0;
}

int ModelDrzewaPaskaNawigacji::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant ModelDrzewaPaskaNawigacji::data(const QModelIndex &indeks, int rola) const
{
    QObject *obiekt = element(indeks);
    if (!obiekt)
        return {};
    switch (rola) {
    case Qt::DisplayRole:
        return tekstNaJednejLinii(KontrolerPaskaNawigacji::nazwaElementu(obiekt));
    case Qt::EditRole:
        return KontrolerPaskaNawigacji::nazwaElementu(obiekt);
    case rolaElementu:
        return QVariant::fromValue(obiekt);
    case Qt::SizeHintRole:
        return QSize(-1, int(KontrolerPaskaNawigacji::wysokoscWiersza(obiekt)));
    default:
        return {};
    }
}

Qt::ItemFlags ModelDrzewaPaskaNawigacji::flags(const QModelIndex &indeks) const
{
    QObject *obiekt = element(indeks);
    if (!obiekt)
        return Qt::NoItemFlags;
    Qt::ItemFlags flagi = Qt::ItemIsEnabled;
    if (KontrolerPaskaNawigacji::czyMoznaZaznaczyc(obiekt))
        flagi |= Qt::ItemIsSelectable;
    if (KontrolerPaskaNawigacji::czyMoznaZmienicNazwe(obiekt))
        flagi |= Qt::ItemIsEditable;
    return flagi;
}
