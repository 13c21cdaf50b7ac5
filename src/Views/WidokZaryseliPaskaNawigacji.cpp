#include "WidokZaryseliPaskaNawigacji.h"

#include "ModelDrzewaPaskaNawigacji.h"
#include "WidokKomorkiPaskaNawigacji.h"
#include "WidokWierszaPaskaNawigacji.h"

#include "Browser/RodzajWidokuPortfolio.h"
#include "Model/Potok.h"
#include "Model/SplotDanychBazyFasolek.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/OdpowiedzNaPrzeciaganie.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Widgets/MiejsceMenuPodrecznego.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QPainter>

WidokZaryseliPaskaNawigacji::WidokZaryseliPaskaNawigacji(QWidget *rodzic)
    : OutlineViewWithEnhancedEditMode(rodzic)
{
    setFocusPolicy(Qt::NoFocus);
    setHeaderHidden(true);
    setUniformRowHeights(false);
    setIndentation(14);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A flow is renamed by a click on its selected row; a double-click opens it instead.
    setEditTriggers(QAbstractItemView::SelectedClicked);
    setExpandsOnDoubleClick(false);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setMouseTracking(false);
    // The rows paint the selection themselves; the style's highlight stays out.
    QPalette paleta = palette();
    paleta.setColor(QPalette::Highlight, Qt::transparent);
    setPalette(paleta);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    viewport()->setAttribute(Qt::WA_TranslucentBackground);
}

QMenu *WidokZaryseliPaskaNawigacji::defaultMenuForItem(const QObject *element) const
{
    if (qobject_cast<const Potok *>(element))
        return m_menuPodrecznePotoku;
    if (element && element->metaObject() == &SplotDanychBazyFasolek::staticMetaObject) {
        const auto *splot = static_cast<const SplotDanychBazyFasolek *>(element);
        return splot->widokSzczegolow() == NazwyWidokow::wszystkieFasolki ? m_menuPodreczneWszystkieFasolki
                                                                          : m_menuPodreczneElementu;
    }
    return nullptr;
}

QMenu *WidokZaryseliPaskaNawigacji::menuDlaIndeksu(const QModelIndex &indeks)
{
    if (!indeks.isValid())
        return nullptr;
    // The header's own rule keeps headers and separators out of the selection.
    if (indeks.flags() & Qt::ItemIsSelectable)
        selectionModel()->select(indeks, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return defaultMenuForItem(indeks.data(ModelDrzewaPaskaNawigacji::rolaElementu).value<QObject *>());
}

void WidokZaryseliPaskaNawigacji::contextMenuEvent(QContextMenuEvent *zdarzenie)
{
    QPointer<WidokZaryseliPaskaNawigacji> zywy(this);
    const QPoint punkt = MiejsceMenuPodrecznego::punktGlobalny(this, zdarzenie);
    const QPersistentModelIndex indeks = MiejsceMenuPodrecznego::indeks(this, zdarzenie);
    QMenu *menu = menuDlaIndeksu(indeks);
    if (!zywy || !menu)
        return;
    m_obrysMenuPodrecznego.oznacz(this, indeks, menu);
    if (auto *naszeMenu = qobject_cast<Menu *>(menu))
        naszeMenu->pokazJakoPodreczne(this, punkt);
    else
        menu->exec(punkt);
}

bool WidokZaryseliPaskaNawigacji::naPrzycisku(const QModelIndex &indeks, const QPointF &punkt) const
{
    return indeks.isValid() && WidokKomorkiPaskaNawigacji::maPrzycisk(indeks)
           && WidokKomorkiPaskaNawigacji::prostokatPrzycisku(visualRect(indeks)).contains(punkt);
}

void WidokZaryseliPaskaNawigacji::mousePressEvent(QMouseEvent *zdarzenie)
{
    const QModelIndex indeks = indexAt(zdarzenie->position().toPoint());
    if (zdarzenie->button() == Qt::LeftButton && naPrzycisku(indeks, zdarzenie->position())) {
        emit przyciskNowegoOknaKlikniety(indeks);
        zdarzenie->accept();
        return;
    }
    OutlineViewWithEnhancedEditMode::mousePressEvent(zdarzenie);
}

void WidokZaryseliPaskaNawigacji::mouseDoubleClickEvent(QMouseEvent *zdarzenie)
{
    // The button's second press opens no second window.
    const QPersistentModelIndex indeks = indexAt(zdarzenie->position().toPoint());
    if (naPrzycisku(indeks, zdarzenie->position())) {
        zdarzenie->accept();
        return;
    }
    // The base ends the rename a first click on the selected row would begin.
    OutlineViewWithEnhancedEditMode::mouseDoubleClickEvent(zdarzenie);
    // A header or a separator keeps the selection of another row, which is not what was clicked.
    if (zdarzenie->button() == Qt::LeftButton && indeks.isValid() && (indeks.flags() & Qt::ItemIsSelectable)
        && selectionModel()->isSelected(indeks))
        emit dwuklikNaWierszu(indeks, zdarzenie->modifiers());
}

QItemSelectionModel::SelectionFlags WidokZaryseliPaskaNawigacji::selectionCommand(const QModelIndex &indeks,
                                                                                  const QEvent *zdarzenie) const
{
    // A click on a header or a separator leaves the selection as it is.
    if (indeks.isValid() && !(indeks.flags() & Qt::ItemIsSelectable))
        return QItemSelectionModel::NoUpdate;
    return OutlineViewWithEnhancedEditMode::selectionCommand(indeks, zdarzenie);
}

void WidokZaryseliPaskaNawigacji::ustawObslugeZrzutow(OperacjaZrzutu operacja, WykonanieZrzutu wykonanie)
{
    m_operacjaZrzutu = std::move(operacja);
    m_wykonanieZrzutu = std::move(wykonanie);
}

void WidokZaryseliPaskaNawigacji::przyjmijPrzeciaganie(QDragMoveEvent *zdarzenie)
{
    const QPoint punkt = zdarzenie->position().toPoint();
    const Qt::DropAction operacja =
        m_operacjaZrzutu ? m_operacjaZrzutu(InformacjaOPrzeciaganiu::zZdarzenia(*zdarzenie), punkt) : Qt::IgnoreAction;
    // The frame shows what the source hears.
    zaktualizujWierszCelZrzutu(punkt, OdpowiedzNaPrzeciaganie::odpowiedzPodczasPrzeciagania(zdarzenie, operacja));
}

void WidokZaryseliPaskaNawigacji::dragEnterEvent(QDragEnterEvent *zdarzenie)
{
    przyjmijPrzeciaganie(zdarzenie);
}

void WidokZaryseliPaskaNawigacji::dragMoveEvent(QDragMoveEvent *zdarzenie)
{
    przyjmijPrzeciaganie(zdarzenie);
}

void WidokZaryseliPaskaNawigacji::dragLeaveEvent(QDragLeaveEvent *zdarzenie)
{
    zaktualizujWierszCelZrzutu({}, Qt::IgnoreAction);
    OutlineViewWithEnhancedEditMode::dragLeaveEvent(zdarzenie);
}

void WidokZaryseliPaskaNawigacji::dropEvent(QDropEvent *zdarzenie)
{
    zaktualizujWierszCelZrzutu({}, Qt::IgnoreAction);
    // Asked again: a place refused while dragging refuses the drop too.
    const bool przyjety =
        m_wykonanieZrzutu
        && m_wykonanieZrzutu(InformacjaOPrzeciaganiu::zZdarzenia(*zdarzenie), zdarzenie->position().toPoint());
    OdpowiedzNaPrzeciaganie::odpowiedzZrodlu(zdarzenie, przyjety);
}

void WidokZaryseliPaskaNawigacji::zaktualizujWierszCelZrzutu(const QPoint &punkt, Qt::DropAction operacja)
{
    const int dawny = m_wierszCelZrzutu;
    m_wierszCelZrzutu = operacja == Qt::IgnoreAction ? -1 : wierszIndeksu(indexAt(punkt));
    if (m_wierszCelZrzutu == dawny)
        return;
    wyswietlWierszCelZrzutu(dawny);
    wyswietlWierszCelZrzutu(m_wierszCelZrzutu);
}

void WidokZaryseliPaskaNawigacji::wyswietlWierszCelZrzutu(int wiersz)
{
    const QModelIndex indeks = indeksWiersza(wiersz);
    if (!indeks.isValid())
        return;
    const QRect ramka = visualRect(indeks);
    viewport()->update(QRect(0, ramka.top(), viewport()->width(), ramka.height()));
}

QModelIndex WidokZaryseliPaskaNawigacji::indeksWiersza(int wiersz) const
{
    if (wiersz < 0)
        return {};
    QModelIndex indeks = model() ? model()->index(0, 0) : QModelIndex();
    for (int i = 0; indeks.isValid() && i < wiersz; ++i)
        indeks = indexBelow(indeks);
    return indeks;
}

int WidokZaryseliPaskaNawigacji::wierszIndeksu(const QModelIndex &indeks) const
{
    if (!indeks.isValid() || !model())
        return -1;
    int wiersz = 0;
    for (QModelIndex i = model()->index(0, 0); i.isValid(); i = indexBelow(i), ++wiersz) {
        if (i == indeks)
            return wiersz;
    }
    return -1;
}

void WidokZaryseliPaskaNawigacji::drawRow(QPainter *malarz, const QStyleOptionViewItem &opcja,
                                          const QModelIndex &indeks) const
{
    const QRectF ramka(0, opcja.rect.top(), viewport()->width(), opcja.rect.height());
    const bool zaznaczony = selectionModel() && selectionModel()->isSelected(indeks);
    if (zaznaczony)
        WidokWierszaPaskaNawigacji::rysujMazaneZaznaczenie(*malarz, ramka,
                                                           window() == WindowRegistry::instance().mainWindow());
    // Under the icon and the name, over the selection: the frame's fill must not hide the row.
    if (wierszIndeksu(indeks) == m_wierszCelZrzutu)
        WidokWierszaPaskaNawigacji::rysujRamkeZaznaczona(*malarz, ramka, zaznaczony);
    OutlineViewWithEnhancedEditMode::drawRow(malarz, opcja, indeks);
    if (m_obrysMenuPodrecznego.czyOznaczony(indeks))
        ObrysMenuPodrecznego::rysuj(*malarz, ramka,
                                    zaznaczony ? QColor(Qt::white) : ObrysMenuPodrecznego::kolorNaPapierze(false));
}

void WidokZaryseliPaskaNawigacji::drawBranches(QPainter *malarz, const QRect &prostokat,
                                               const QModelIndex &indeks) const
{
    const auto *splot =
        qobject_cast<const SplotBazowy *>(indeks.data(ModelDrzewaPaskaNawigacji::rolaElementu).value<QObject *>());
    if (!splot || splot->splotJestLisciem() || splot->nazwa() == QLatin1String("Tarrowind"))
        return;
    // A small triangle, pointing down while the branch is open.
    const QPointF srodek(prostokat.left() + indentation() / 2.0, prostokat.center().y() + 0.5);
    QPolygonF trojkat;
    if (isExpanded(indeks))
        trojkat << srodek + QPointF(-3.5, -2) << srodek + QPointF(3.5, -2) << srodek + QPointF(0, 2.5);
    else
        trojkat << srodek + QPointF(-2, -3.5) << srodek + QPointF(2.5, 0) << srodek + QPointF(-2, 3.5);
    malarz->save();
    malarz->setRenderHint(QPainter::Antialiasing);
    malarz->setPen(Qt::NoPen);
    malarz->setBrush(QColor(90, 90, 90));
    malarz->drawPolygon(trojkat);
    malarz->restore();
}

void WidokZaryseliPaskaNawigacji::rowsAboutToBeRemoved(const QModelIndex &rodzic, int pierwszy, int ostatni)
{
    // A single-selection view would select a neighbour of the leaving row, and the tab would
    // switch to it unasked.
    const QModelIndex biezacy = currentIndex();
    if (biezacy.isValid() && biezacy.parent() == rodzic && biezacy.row() >= pierwszy && biezacy.row() <= ostatni)
        selectionModel()->clearCurrentIndex();
    OutlineViewWithEnhancedEditMode::rowsAboutToBeRemoved(rodzic, pierwszy, ostatni);
}
