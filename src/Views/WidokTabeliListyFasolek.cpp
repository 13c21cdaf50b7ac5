#include "WidokTabeliListyFasolek.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/ZrodloPrzeciaganiaPlikow.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/MiejsceMenuPodrecznego.h"

#include <QContextMenuEvent>

#include <algorithm>

WidokTabeliListyFasolek::WidokTabeliListyFasolek(QWidget *rodzic)
    : WhitePaperTableView(rodzic)
{
    setObjectName(QStringLiteral("widokTabeli"));
}

QStringList WidokTabeliListyFasolek::sciezkiDoPrzeciagniecia() const
{
    KontrolerTablicy *tablica = kontrolerTablicy();
    if (!tablica)
        return {};
    // The controller answers in row order.
    QStringList sciezki;
    for (QObject *obiekt : tablica->selectedObjects()) {
        const auto *fasolka = qobject_cast<Fasolka *>(obiekt);
        if (fasolka && fasolka->bytFasolki())
            sciezki.append(fasolka->bytFasolki()->plikowyURL());
    }
    return sciezki;
}

void WidokTabeliListyFasolek::setKomorkaNaglowkow(int kolumna, QAbstractItemDelegate *komorka)
{
    m_kolumnaNaglowkow = kolumna;
    m_komorkaNaglowkow = komorka;
    // A delegate handed out per index is not connected by the view: without these a header's new name is lost.
    if (komorka) {
        connect(komorka, &QAbstractItemDelegate::commitData, this, &WidokTabeliListyFasolek::commitData,
                Qt::UniqueConnection);
        connect(komorka, &QAbstractItemDelegate::closeEditor, this, &WidokTabeliListyFasolek::closeEditor,
                Qt::UniqueConnection);
    }
    viewport()->update();
}

QAbstractItemDelegate *WidokTabeliListyFasolek::itemDelegateForIndex(const QModelIndex &indeks) const
{
    if (m_komorkaNaglowkow && indeks.column() == m_kolumnaNaglowkow && kontrolerTablicy()) {
        QObject *obiekt = kontrolerTablicy()->obiektWWierszu(indeks.row());
        if (obiekt && !qobject_cast<Fasolka *>(obiekt))
            return m_komorkaNaglowkow;
    }
    return WhitePaperTableView::itemDelegateForIndex(indeks);
}

void WidokTabeliListyFasolek::contextMenuEvent(QContextMenuEvent *zdarzenie)
{
    const QModelIndex indeks = MiejsceMenuPodrecznego::indeks(this, zdarzenie);
    const int wiersz = indeks.row();
    if (auto *akcje = qobject_cast<KontrolerAkcjeNaElementach *>(kontrolerAkcjeNaElementach()))
        akcje->setKliknietyWiersz(wiersz);
    if (Menu *menu = menuDlaElementu(kontrolerTablicy() ? kontrolerTablicy()->obiektWWierszu(wiersz) : nullptr)) {
        oznaczWierszMenuPodrecznego(indeks, menu);
        menu->popup(MiejsceMenuPodrecznego::punktGlobalny(this, zdarzenie));
    }
}

void WidokTabeliListyFasolek::startDrag(Qt::DropActions)
{
    const QStringList sciezki = sciezkiDoPrzeciagniecia();
    if (sciezki.isEmpty())
        return;
    // Not the inherited drag: after a Move it would take the rows out of the model.
    ZrodloPrzeciaganiaPlikow::przeciagnijPliki(this, sciezki, ZrodloPrzeciaganiaPlikow::akcjeListy);
}
