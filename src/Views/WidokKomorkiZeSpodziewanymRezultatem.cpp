#include "WidokKomorkiZeSpodziewanymRezultatem.h"

#include "Model/Fasolka.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QScrollBar>
#include <QSet>

namespace {
constexpr int wysokoscLiniiNazwy = 26;
}

WidokKomorkiZeSpodziewanymRezultatem::WidokKomorkiZeSpodziewanymRezultatem(QAbstractItemView *tabela)
    : WidokKomorkiFasolki(tabela)
{
    connect(tabela->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &WidokKomorkiZeSpodziewanymRezultatem::zapomnijNiewidoczne);
    if (QAbstractItemModel *model = tabela->model()) {
        connect(model, &QAbstractItemModel::modelReset, this, &WidokKomorkiZeSpodziewanymRezultatem::zapomnijWszystkie);
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                &WidokKomorkiZeSpodziewanymRezultatem::zapomnijUsuwane);
    }
}

QRect WidokKomorkiZeSpodziewanymRezultatem::liniaNazwy(const QRect &komorka) const
{
    return QRect(komorka.topLeft(), QSize(komorka.width(), std::min(komorka.height(), wysokoscLiniiNazwy)));
}

void WidokKomorkiZeSpodziewanymRezultatem::paint(QPainter *malarz, const QStyleOptionViewItem &opcja,
                                                 const QModelIndex &indeks) const
{
    WidokKomorkiFasolki::paint(malarz, opcja, indeks);
    Fasolka *fasolka = WidokKomorkiFasolki::fasolka(indeks);
    if (!fasolka)
        return;
    const QString tekst = rezultat(fasolka);
    if (tekst.isEmpty())
        return;
    const QRect nazwa = prostokatNazwy(opcja.rect, fasolka);
    const QRect linia(QPoint(nazwa.left(), nazwa.bottom() + 1),
                      QPoint(opcja.rect.right() - 4, opcja.rect.bottom() - 4));
    malarz->save();
    QFont czcionka = opcja.font;
    czcionka.setPointSizeF(czcionka.pointSizeF() * 0.9);
    malarz->setFont(czcionka);
    malarz->setPen(QColor::fromRgbF(0.4, 0.4, 0.4));
    const QString jednaLinia = tekst.simplified();
    malarz->drawText(linia, Qt::AlignTop | Qt::AlignLeft,
                     QFontMetrics(czcionka).elidedText(jednaLinia, Qt::ElideRight, linia.width()));
    malarz->restore();
}

QString WidokKomorkiZeSpodziewanymRezultatem::rezultat(Fasolka *fasolka) const
{
    auto znany = m_rezultaty.find(fasolka);
    if (znany != m_rezultaty.end())
        return znany->tekst;
    Rezultat nowy{fasolka->spodziewanyRezultat(), {}};
    auto *sam = const_cast<WidokKomorkiZeSpodziewanymRezultatem *>(this);
    nowy.zmiana = connect(fasolka, &Fasolka::spodziewanyRezultatChanged, sam, [sam, fasolka] {
        auto wpis = sam->m_rezultaty.find(fasolka);
        if (wpis == sam->m_rezultaty.end())
            return;
        wpis->tekst = fasolka->spodziewanyRezultat();
        if (QAbstractItemView *widok = sam->tabela())
            widok->viewport()->update();
    });
    return m_rezultaty.insert(fasolka, nowy)->tekst;
}

void WidokKomorkiZeSpodziewanymRezultatem::zapomnijNiewidoczne()
{
    QAbstractItemView *widok = tabela();
    if (!widok || m_rezultaty.isEmpty())
        return;
    QSet<const Fasolka *> widoczne;
    const QRect obszar = widok->viewport()->rect();
    for (QModelIndex indeks = widok->indexAt(obszar.topLeft()); indeks.isValid();
         indeks = indeks.siblingAtRow(indeks.row() + 1)) {
        if (!widok->visualRect(indeks).intersects(obszar))
            break;
        widoczne.insert(fasolka(indeks));
    }
    for (auto it = m_rezultaty.begin(); it != m_rezultaty.end();) {
        if (widoczne.contains(it.key())) {
            ++it;
            continue;
        }
        disconnect(it->zmiana);
        it = m_rezultaty.erase(it);
    }
}

void WidokKomorkiZeSpodziewanymRezultatem::zapomnijUsuwane(const QModelIndex &rodzic, int pierwszy, int ostatni)
{
    QAbstractItemView *widok = tabela();
    if (!widok || m_rezultaty.isEmpty())
        return;
    // A bean may be deleted after its row goes; another bean could then take its address.
    for (int wiersz = pierwszy; wiersz <= ostatni; ++wiersz) {
        const auto wpis = m_rezultaty.find(fasolka(widok->model()->index(wiersz, 0, rodzic)));
        if (wpis == m_rezultaty.end())
            continue;
        disconnect(wpis->zmiana);
        m_rezultaty.erase(wpis);
    }
}

void WidokKomorkiZeSpodziewanymRezultatem::zapomnijWszystkie()
{
    for (const Rezultat &wpis : std::as_const(m_rezultaty))
        disconnect(wpis.zmiana);
    m_rezultaty.clear();
}
