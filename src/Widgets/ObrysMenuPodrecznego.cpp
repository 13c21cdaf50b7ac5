#include "ObrysMenuPodrecznego.h"

#include "ZieloneZaznaczenie.h"

#include <QAbstractItemView>
#include <QMenu>
#include <QPainter>

void ObrysMenuPodrecznego::oznacz(QAbstractItemView *widok, const QModelIndex &indeks, QMenu *menu)
{
    odswiezWiersz();
    m_widok = widok;
    m_wiersz = indeks.isValid() && menu ? indeks.siblingAtColumn(0) : QModelIndex();
    if (!m_wiersz.isValid())
        return;
    odswiezWiersz();
    // The view holds the mark: the connection goes with it.
    QObject::connect(
        menu, &QMenu::aboutToHide, widok,
        [this] {
            odswiezWiersz();
            m_wiersz = QPersistentModelIndex();
        },
        Qt::SingleShotConnection);
}

bool ObrysMenuPodrecznego::czyOznaczony(const QModelIndex &indeks) const
{
    return m_wiersz.isValid() && indeks.isValid() && indeks.siblingAtColumn(0) == m_wiersz;
}

void ObrysMenuPodrecznego::rysuj(QPainter &malarz, const QRectF &ramka, const QColor &kolor)
{
    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing);
    malarz.setPen(QPen(kolor, 2.0));
    malarz.setBrush(Qt::NoBrush);
    malarz.drawRoundedRect(ramka.adjusted(2, 2, -2, -2), 5, 5);
    malarz.restore();
}

QColor ObrysMenuPodrecznego::kolorNaPapierze(bool zaznaczony)
{
    return zaznaczony ? QColor::fromHsvF(79.0f / 360, 0.52f, 0.4f)
                      : ZieloneZaznaczenie::alternateSelectedControlColor();
}

void ObrysMenuPodrecznego::odswiezWiersz() const
{
    // The whole view: its first column, where the row is found, may be hidden.
    if (m_widok && m_wiersz.isValid())
        m_widok->viewport()->update();
}
