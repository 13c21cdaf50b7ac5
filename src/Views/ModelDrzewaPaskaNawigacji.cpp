#include "ModelDrzewaPaskaNawigacji.h"

#include "KontrolerPaskaNawigacji.h"

#include "Model/Potok.h"
#include "Model/SplotBazowy.h"
#include "Widgets/TekstNaJednejLinii.h"

ModelDrzewaPaskaNawigacji::ModelDrzewaPaskaNawigacji(QObject *rodzic)
    : QAbstractItemModel(rodzic)
{
}

void ModelDrzewaPaskaNawigacji::ustawDrzewo(const QList<QObject *> &gorneElementy)
{
    beginResetModel();
    for (const Wezel &wezel : m_wezly) {
        if (wezel.element)
            disconnect(wezel.element, nullptr, this, nullptr);
    }
    m_wezly.clear();
    m_gorne.clear();
    for (QObject *element : gorneElementy)
        dopisz(element, -1);
    endResetModel();
}

void ModelDrzewaPaskaNawigacji::dopisz(QObject *element, int rodzic)
{
    const int numer = int(m_wezly.size());
    m_wezly.push_back({element, rodzic, 0, {}});
    // Taken after the push: the list may have moved.
    std::vector<int> &rodzenstwo = rodzic < 0 ? m_gorne : m_wezly[size_t(rodzic)].dzieci;
    m_wezly.back().wiersz = int(rodzenstwo.size());
    rodzenstwo.push_back(numer);
    // Only a renamed flow needs its row repainted; nodes name themselves through it.
    if (auto *potok = qobject_cast<Potok *>(element))
        connect(potok, &RzeczWBazieFasolek::nazwaChanged, this, &ModelDrzewaPaskaNawigacji::poZmianieNazwy);
    auto *splot = qobject_cast<SplotBazowy *>(element);
    if (!splot || splot->splotJestLisciem())
        return;
    for (QObject *dziecko : splot->dzieciSplotu())
        dopisz(dziecko, numer);
}

void ModelDrzewaPaskaNawigacji::poZmianieNazwy()
{
    const QModelIndex indeks = indeksElementu(sender());
    if (indeks.isValid())
        emit dataChanged(indeks, indeks);
}

QObject *ModelDrzewaPaskaNawigacji::element(const QModelIndex &indeks) const
{
    if (!indeks.isValid() || indeks.model() != this)
        return nullptr;
    return m_wezly[size_t(indeks.internalId())].element;
}

QModelIndex ModelDrzewaPaskaNawigacji::indeksElementu(const QObject *element) const
{
    for (size_t i = 0; i < m_wezly.size(); ++i) {
        if (element && m_wezly[i].element == element)
            return indeksWezla(int(i));
    }
    return {};
}

QList<QModelIndex> ModelDrzewaPaskaNawigacji::wszystkieIndeksy() const
{
    QList<QModelIndex> indeksy;
    for (size_t i = 0; i < m_wezly.size(); ++i)
        indeksy.append(indeksWezla(int(i)));
    return indeksy;
}

QModelIndex ModelDrzewaPaskaNawigacji::indeksWezla(int numer) const
{
    return createIndex(m_wezly[size_t(numer)].wiersz, 0, quintptr(numer));
}

QModelIndex ModelDrzewaPaskaNawigacji::index(int wiersz, int kolumna, const QModelIndex &rodzic) const
{
    if (kolumna != 0 || wiersz < 0)
        return {};
    const std::vector<int> &rodzenstwo = rodzic.isValid() ? m_wezly[size_t(rodzic.internalId())].dzieci : m_gorne;
    if (size_t(wiersz) >= rodzenstwo.size())
        return {};
    return createIndex(wiersz, 0, quintptr(rodzenstwo[size_t(wiersz)]));
}

QModelIndex ModelDrzewaPaskaNawigacji::parent(const QModelIndex &indeks) const
{
    if (!indeks.isValid())
        return {};
    const int rodzic = m_wezly[size_t(indeks.internalId())].rodzic;
    return rodzic < 0 ? QModelIndex() : indeksWezla(rodzic);
}

int ModelDrzewaPaskaNawigacji::rowCount(const QModelIndex &rodzic) const
{
    if (rodzic.column() > 0)
        return 0;
    return int(rodzic.isValid() ? m_wezly[size_t(rodzic.internalId())].dzieci.size() : m_gorne.size());
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
