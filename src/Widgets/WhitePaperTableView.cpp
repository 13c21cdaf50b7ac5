#include "WhitePaperTableView.h"

#include "LiniaKreskowana.h"
#include "NaglowekTabeliPapierowej.h"
#include "WidokNaroznikaTabeliPapierowej.h"

#include "Platform/DziennikSystemowy.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/Responder.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace {

std::function<void()> &aktualizacjaPanelaSzybkiegoPrzegladu()
{
    static std::function<void()> aktualizacja;
    return aktualizacja;
}

// The bottom of the last row shown, in the list's coordinates; 0 without rows.
qreal dolOstatniegoWiersza(const QTreeView *tabela)
{
    const QAbstractItemModel *model = tabela->model();
    if (!model || model->rowCount(tabela->rootIndex()) == 0)
        return 0;
    QModelIndex ostatni = model->index(model->rowCount(tabela->rootIndex()) - 1, 0, tabela->rootIndex());
    while (tabela->isExpanded(ostatni) && model->rowCount(ostatni) > 0)
        ostatni = model->index(model->rowCount(ostatni) - 1, 0, ostatni);
    // The row's place from a column that shows: a list may hide its first one.
    QRect ramka;
    for (int kolumna = 0; kolumna < model->columnCount(ostatni.parent()) && !ramka.isValid(); ++kolumna)
        ramka = tabela->visualRect(ostatni.siblingAtColumn(kolumna));
    if (!ramka.isValid())
        return 0;
    return ramka.bottom() + 1 + tabela->verticalScrollBar()->value();
}

} // namespace

WhitePaperTableView::WhitePaperTableView(QWidget *rodzic)
    : ZWyglademPapieru(rodzic)
{
    setRowHeight(defaultRowHeightForRowViewType(m_rowViewType));
}

void WhitePaperTableView::setHeaderHeightOfTableView(qreal wysokosc, QTreeView *tabela)
{
    const int piksele = int(std::lround(wysokosc));
    tabela->header()->setFixedHeight(piksele);
    if (auto *naroznik = tabela->findChild<WidokNaroznikaTabeliPapierowej *>())
        naroznik->setFixedHeight(piksele);
    tabela->doItemsLayout();
}

void WhitePaperTableView::setHeaderCellsInTableView(QTreeView *tabela)
{
    if (!qobject_cast<NaglowekTabeliPapierowej *>(tabela->header()))
        tabela->setHeader(new NaglowekTabeliPapierowej(tabela));
    for (int kolumna = 0; kolumna < tabela->header()->count(); ++kolumna)
        ustawKomorkeTabeliWKolumnie(tabela, kolumna);
    if (!tabela->findChild<WidokNaroznikaTabeliPapierowej *>()) {
        auto *naroznik = new WidokNaroznikaTabeliPapierowej(tabela);
        naroznik->setFixedHeight(tabela->header()->height());
        tabela->addScrollBarWidget(naroznik, Qt::AlignTop);
    }
}

void WhitePaperTableView::ustawKomorkeTabeliWKolumnie(QTreeView *tabela, int kolumna)
{
    if (auto *naglowek = qobject_cast<NaglowekTabeliPapierowej *>(tabela->header()))
        naglowek->ustawKomorkeWKolumnie(kolumna);
}

KomorkaNaglowkaTabeliPapierowej *WhitePaperTableView::headerCellForTableView(const QTreeView *tabela, int kolumna)
{
    const auto *naglowek = qobject_cast<const NaglowekTabeliPapierowej *>(tabela->header());
    KomorkaNaglowkaTabeliPapierowej *komorka = naglowek ? naglowek->komorka(kolumna) : nullptr;
    if (!komorka) {
        DziennikSystemowy::zapisz(
            DziennikSystemowy::Poziom::Blad,
            QStringLiteral("Błąd: komórka nagłówka nie jest klasy KomorkaNaglowkaTabeliPapierowej."));
    }
    return komorka;
}

void WhitePaperTableView::drawLinesBetweenEmptyRowsInTableView(QPainter &malarz, const QTreeView *tabela,
                                                               const QRectF &obszar, qreal skala)
{
    const auto *papier = dynamic_cast<const WidokPapierowy *>(tabela);
    if (!papier || !papier->siatkaPozioma())
        return;
    const qreal dol = dolOstatniegoWiersza(tabela);
    const qreal wysokosc = std::max<qreal>(dol, tabela->verticalScrollBar()->value() + tabela->viewport()->height());
    malarz.save();
    malarz.translate(0, -tabela->verticalScrollBar()->value());
    for (qreal y : liniePustychWierszy(obszar, papier->rowHeight(), wysokosc, dol))
        LiniaKreskowana::rysujSeparatorWierszaTabeliOd(malarz, QPointF(obszar.x(), y), obszar.width(), skala);
    malarz.restore();
}

QList<qreal> WhitePaperTableView::liniePustychWierszy(const QRectF &obszar, qreal skok, qreal wysokosc,
                                                      qreal dolOstatniegoWiersza)
{
    QList<qreal> linie;
    // Under a point the cut steps would stand still.
    if (skok < 1)
        return linie;
    // Above the first row, as when the list is pulled down past its top.
    if (obszar.top() < 0) {
        for (qreal y = std::trunc(obszar.bottom()); y >= obszar.top(); y = std::trunc(y - skok))
            linie.append(y);
    }
    if (obszar.top() >= 0 || obszar.bottom() > wysokosc) {
        for (qreal y = std::trunc(dolOstatniegoWiersza); y <= obszar.bottom(); y = std::trunc(y + skok))
            linie.append(y);
    }
    return linie;
}

qreal WhitePaperTableView::defaultRowHeightForRowViewType(int rowViewType)
{
    switch (rowViewType) {
    case 0:
        return 23.0;
    case 1:
        return 50.0;
    default:
        return 17.0;
    }
}

void WhitePaperTableView::ustawAktualizacjePanelaSzybkiegoPrzegladu(std::function<void()> aktualizacja)
{
    aktualizacjaPanelaSzybkiegoPrzegladu() = std::move(aktualizacja);
}

void WhitePaperTableView::setRowViewType(int rodzaj)
{
    m_rowViewType = rodzaj;
    setRowHeight(defaultRowHeightForRowViewType(rodzaj));
    emit rowViewTypeChanged();
}

void WhitePaperTableView::setWierszCeluZrzutu(int wiersz)
{
    if (wiersz == m_wierszCeluZrzutu)
        return;
    m_wierszCeluZrzutu = wiersz;
    viewport()->update();
}

KomorkaNaglowkaTabeliPapierowej *WhitePaperTableView::tableViewHeaderCellForColumn(int kolumna) const
{
    return headerCellForTableView(this, kolumna);
}

void WhitePaperTableView::keyPressEvent(QKeyEvent *zdarzenie)
{
    // Space whatever the modifiers, unless a button has the focus and Space presses it.
    if (zdarzenie->key() == Qt::Key_Space && m_kontrolerAkcjeNaElementach
        && !qobject_cast<QAbstractButton *>(window()->focusWidget())) {
        const ElementInterfejsu proba(Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu);
        if (m_kontrolerAkcjeNaElementach->validateUserInterfaceItem(proba)) {
            m_kontrolerAkcjeNaElementach->performAction(Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu, this);
            zdarzenie->accept();
            return;
        }
    }
    ZWyglademPapieru::keyPressEvent(zdarzenie);
}

void WhitePaperTableView::focusInEvent(QFocusEvent *zdarzenie)
{
    ZWyglademPapieru::focusInEvent(zdarzenie);
    if (const std::function<void()> &aktualizacja = aktualizacjaPanelaSzybkiegoPrzegladu())
        aktualizacja();
}

void WhitePaperTableView::mousePressEvent(QMouseEvent *zdarzenie)
{
    // Qt's item views select on a press of any button.
    if (zdarzenie->button() == Qt::RightButton) {
        zdarzenie->accept();
        return;
    }
    ZWyglademPapieru::mousePressEvent(zdarzenie);
}

void WhitePaperTableView::mouseMoveEvent(QMouseEvent *zdarzenie)
{
    // Nor does dragging with the right button select, or start a drag from an earlier press.
    if (zdarzenie->buttons() == Qt::RightButton) {
        zdarzenie->accept();
        return;
    }
    ZWyglademPapieru::mouseMoveEvent(zdarzenie);
}

void WhitePaperTableView::mouseReleaseEvent(QMouseEvent *zdarzenie)
{
    if (zdarzenie->button() == Qt::RightButton) {
        zdarzenie->accept();
        return;
    }
    ZWyglademPapieru::mouseReleaseEvent(zdarzenie);
}
