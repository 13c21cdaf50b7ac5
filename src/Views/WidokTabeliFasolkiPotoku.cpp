#include "WidokTabeliFasolkiPotoku.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/ZrodloPrzeciaganiaPlikow.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Platform/Ui/Menu.h"
#include "Widgets/MiejsceMenuPodrecznego.h"

#include <QContextMenuEvent>

#include <algorithm>

WidokTabeliFasolkiPotoku::WidokTabeliFasolkiPotoku(QWidget *rodzic)
    : WhitePaperTableView(rodzic)
{
    setObjectName(QStringLiteral("widokTabeli"));
}

void WidokTabeliFasolkiPotoku::contextMenuEvent(QContextMenuEvent *zdarzenie)
{
    const int wiersz = MiejsceMenuPodrecznego::indeks(this, zdarzenie).row();
    if (auto *akcje = qobject_cast<KontrolerAkcjeNaElementach *>(kontrolerAkcjeNaElementach()))
        akcje->setKliknietyWiersz(wiersz);
    if (m_menuPodreczneFasolki)
        m_menuPodreczneFasolki->popup(MiejsceMenuPodrecznego::punktGlobalny(this, zdarzenie));
}

void WidokTabeliFasolkiPotoku::startDrag(Qt::DropActions)
{
    KontrolerTablicy *tablica = kontrolerTablicy();
    if (!tablica)
        return;
    QList<QObject *> obiekty = tablica->selectedObjects();
    std::sort(obiekty.begin(), obiekty.end(), [tablica](QObject *a, QObject *b) {
        return tablica->wierszObiektu(a) < tablica->wierszObiektu(b);
    });
    QStringList sciezki;
    for (QObject *obiekt : obiekty) {
        const auto *fasolka = qobject_cast<Fasolka *>(obiekt);
        if (fasolka && fasolka->bytFasolki())
            sciezki.append(fasolka->bytFasolki()->plikowyURL());
    }
    // Not the inherited drag: after a Move it would take the rows out of the model.
    ZrodloPrzeciaganiaPlikow::przeciagnijPliki(this, sciezki, ZrodloPrzeciaganiaPlikow::akcjeListy);
}
