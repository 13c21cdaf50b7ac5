#include "ZWyglademPapieru.h"

#include "DelegatTabeliPapierowej.h"
#include "GreenDropBorderOutlineView.h"
#include "GreenDropBorderTableView.h"
#include "KontrolerTablicy.h"
#include "LiniaKreskowana.h"
#include "WhitePaperTableView.h"
#include "WidokWierszaTabeliPapierowej.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

template <class Baza>
ZWyglademPapieru<Baza>::ZWyglademPapieru(QWidget *rodzic)
    : Baza(rodzic)
{
    this->setFrameShape(QFrame::NoFrame);
    this->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    this->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    this->setItemDelegate(new DelegatTabeliPapierowej(this));
    // Paper rows show no focus frame around the current row.
    this->setAllColumnsShowFocus(false);
    // The rows draw the selection themselves; the cells keep their colours in it.
    QPalette paleta = this->palette();
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Highlight, Qt::transparent);
    paleta.setColor(QPalette::HighlightedText, paleta.color(QPalette::Text));
    this->setPalette(paleta);
    WhitePaperTableView::setHeaderCellsInTableView(this);
    WhitePaperTableView::setHeaderHeightOfTableView(m_headerHeight, this);
    addAndSetUpTableHeaderSeparator();
}

template <class Baza>
void ZWyglademPapieru<Baza>::setRowHeight(qreal wysokosc)
{
    m_rowHeight = wysokosc;
    this->doItemsLayout();
}

template <class Baza>
void ZWyglademPapieru<Baza>::setGridStyleMask(int maska)
{
    m_gridStyleMask = maska;
    this->viewport()->update();
}

template <class Baza>
void ZWyglademPapieru<Baza>::addAndSetUpTableHeaderSeparator()
{
    const QRect ramka(0, int(std::lround(m_headerHeight)) - 2, this->width(), 3);
    if (m_separatorNaglowkaTabeli) {
        m_separatorNaglowkaTabeli->setGeometry(ramka);
        return;
    }
    // Made after the header and the scroll bars, so it lies over them and over the corner.
    m_separatorNaglowkaTabeli = new LiniaKreskowana(ramka, LiniaKreskowana::rodzajSeparatorNaglowka, this);
    m_separatorNaglowkaTabeli->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_separatorNaglowkaTabeli->show();
}

template <class Baza>
KomorkaNaglowkaTabeliPapierowej *ZWyglademPapieru<Baza>::headerCellInColumn(int kolumna) const
{
    return WhitePaperTableView::headerCellForTableView(this, kolumna);
}

template <class Baza>
void ZWyglademPapieru<Baza>::drawRow(QPainter *malarz, const QStyleOptionViewItem &opcja,
                                     const QModelIndex &indeks) const
{
    WidokWierszaTabeliPapierowej::Wiersz wiersz;
    wiersz.ramka = opcja.rect;
    wiersz.kolorTla = indeks.data(KontrolerTablicy::RolaKoloruWiersza).template value<QColor>();
    wiersz.zaznaczony = this->selectionModel() && this->selectionModel()->isSelected(indeks);
    wiersz.siatkaPozioma = siatkaPozioma();
    if (const auto *tabela = dynamic_cast<const WhitePaperTableView *>(this))
        wiersz.celUpuszczenia = !indeks.parent().isValid() && indeks.row() == tabela->wierszCeluZrzutu();
    WidokWierszaTabeliPapierowej::rysujWiersz(*malarz, this, wiersz);
    Baza::drawRow(malarz, opcja, indeks);
    if (wiersz.celUpuszczenia)
        WidokWierszaTabeliPapierowej::rysujRamkeCeluUpuszczenia(*malarz, wiersz.ramka);
    if (m_obrysMenuPodrecznego.czyOznaczony(indeks))
        ObrysMenuPodrecznego::rysuj(*malarz, wiersz.ramka, ObrysMenuPodrecznego::kolorNaPapierze(wiersz.zaznaczony));
}

template <class Baza>
void ZWyglademPapieru<Baza>::paintEvent(QPaintEvent *zdarzenie)
{
    Baza::paintEvent(zdarzenie);
    if (!siatkaPozioma())
        return;
    QPainter malarz(this->viewport());
    const QRectF obszar = QRectF(zdarzenie->rect()).translated(0, this->verticalOffset());
    WhitePaperTableView::drawLinesBetweenEmptyRowsInTableView(malarz, this, obszar, this->devicePixelRatioF());
}

template <class Baza>
void ZWyglademPapieru<Baza>::updateGeometries()
{
    Baza::updateGeometries();
    if (m_separatorNaglowkaTabeli)
        m_separatorNaglowkaTabeli->resize(this->width(), m_separatorNaglowkaTabeli->height());
}

template class ZWyglademPapieru<GreenDropBorderTableView>;
template class ZWyglademPapieru<GreenDropBorderOutlineView>;
