#include "WidokKomorkiFasolki.h"

#include "Model/Fasolka.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/TekstNaJednejLinii.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int marginesKomorki = 4;
constexpr int bokIkonyFasolki = 16;
constexpr int wysokoscPrzyciskuStatusu = 17;
constexpr int wciecieTytuluStatusu = 8;
} // namespace

WidokKomorkiFasolki::WidokKomorkiFasolki(QAbstractItemView *tabela)
    : DelegatTabeliPapierowej(tabela)
    , m_tabela(tabela)
    , m_obszarTabeli(tabela->viewport())
{
    m_obszarTabeli->installEventFilter(this);
}

Fasolka *WidokKomorkiFasolki::fasolka(const QModelIndex &indeks)
{
    return qobject_cast<Fasolka *>(indeks.data(KontrolerTablicy::RolaObiektu).value<QObject *>());
}

QRect WidokKomorkiFasolki::prostokatPrzyciskuStatusu(const QRect &cala, const Fasolka *fasolka) const
{
    if (!fasolka || !m_tabela || !m_przyciskStatusu)
        return {};
    const QRect komorka = liniaNazwy(cala);
    QFont czcionka = m_tabela->font();
    czcionka.setPointSizeF(czcionka.pointSizeF() * 0.85);
    const int szerokosc = QFontMetrics(czcionka).horizontalAdvance(fasolka->tekstowyStatusFasolki())
                          + 2 * wciecieTytuluStatusu;
    const int wysokosc = std::min(wysokoscPrzyciskuStatusu, komorka.height() - 2);
    return QRect(komorka.right() - marginesKomorki - szerokosc, komorka.center().y() - wysokosc / 2 + 1, szerokosc,
                 wysokosc);
}

QRect WidokKomorkiFasolki::prostokatNazwy(const QRect &cala, const Fasolka *fasolka) const
{
    const QRect komorka = liniaNazwy(cala);
    const int lewa = komorka.left() + marginesKomorki + bokIkonyFasolki + marginesKomorki;
    const QRect przycisk = prostokatPrzyciskuStatusu(cala, fasolka);
    const int prawa = przycisk.isValid() ? przycisk.left() - marginesKomorki : komorka.right() - marginesKomorki;
    return QRect(QPoint(lewa, komorka.top()), QPoint(std::max(lewa, prawa), komorka.bottom()));
}

void WidokKomorkiFasolki::paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const
{
    const Fasolka *fasolka = WidokKomorkiFasolki::fasolka(indeks);
    if (!fasolka)
        return DelegatTabeliPapierowej::paint(malarz, opcja, indeks);
    const QRect komorka = liniaNazwy(opcja.rect);
    malarz->save();
    const QRect ikona(komorka.left() + marginesKomorki, komorka.center().y() - bokIkonyFasolki / 2 + 1, bokIkonyFasolki,
                      bokIkonyFasolki);
    fasolka->ikona().paint(malarz, ikona);

    const QRect nazwa = prostokatNazwy(opcja.rect, fasolka);
    malarz->setPen(opcja.palette.color(QPalette::Active, QPalette::Text));
    malarz->setFont(opcja.font);
    malarz->drawText(
        nazwa, Qt::AlignVCenter | Qt::AlignLeft,
        opcja.fontMetrics.elidedText(tekstNaJednejLinii(fasolka->nazwa()), Qt::ElideMiddle, nazwa.width()));

    const QRect miejscePrzycisku = prostokatPrzyciskuStatusu(opcja.rect, fasolka);
    if (!miejscePrzycisku.isValid()) {
        malarz->restore();
        return;
    }
    const QRectF przycisk = QRectF(miejscePrzycisku).adjusted(0.5, 0.5, -0.5, -0.5);
    malarz->setRenderHint(QPainter::Antialiasing);
    malarz->setPen(QColor::fromRgbF(0.75, 0.75, 0.75));
    malarz->setBrush(QColor::fromRgbF(0.98, 0.98, 0.98));
    malarz->drawRoundedRect(przycisk, przycisk.height() / 2, przycisk.height() / 2);
    QFont czcionka = opcja.font;
    czcionka.setPointSizeF(czcionka.pointSizeF() * 0.85);
    malarz->setFont(czcionka);
    malarz->setPen(QColor::fromRgbF(0.4, 0.4, 0.4, 1.0));
    malarz->drawText(przycisk, Qt::AlignCenter, fasolka->tekstowyStatusFasolki());
    malarz->restore();
}

void WidokKomorkiFasolki::updateEditorGeometry(QWidget *edytor, const QStyleOptionViewItem &opcja,
                                               const QModelIndex &indeks) const
{
    edytor->setGeometry(prostokatNazwy(opcja.rect, fasolka(indeks)).adjusted(-2, 2, 0, -2));
}

bool WidokKomorkiFasolki::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    // The delegate watches its open name fields too: Return, Tab and Escape end their edits there.
    if (!m_obszarTabeli || obiekt != m_obszarTabeli)
        return DelegatTabeliPapierowej::eventFilter(obiekt, zdarzenie);
    // ~QWidget sends events here while the table is half destroyed; a press never comes then.
    if (zdarzenie->type() != QEvent::MouseButtonPress)
        return false;
    auto *mysz = static_cast<QMouseEvent *>(zdarzenie);
    if (mysz->button() != Qt::LeftButton)
        return false;
    const QModelIndex indeks = m_tabela->indexAt(mysz->position().toPoint());
    if (!indeks.isValid() || m_tabela->itemDelegateForIndex(indeks) != this)
        return false;
    const QRect przycisk = prostokatPrzyciskuStatusu(m_tabela->visualRect(indeks), fasolka(indeks));
    if (!przycisk.contains(mysz->position().toPoint()))
        return false;
    emit przyciskStatusuNacisniety(indeks, przycisk);
    return true;
}
