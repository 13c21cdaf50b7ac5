#include "DelegatTabeliPapierowej.h"

#include "FileNameChangerField.h"
#include "KontrolerTablicy.h"
#include "WidokPapierowy.h"
#include "WidokWierszaTabeliPapierowej.h"

#include <cmath>

void DelegatTabeliPapierowej::paint(QPainter *malarz, const QStyleOptionViewItem &opcja,
                                    const QModelIndex &indeks) const
{
    QStyleOptionViewItem bezZaznaczenia = opcja;
    WidokWierszaTabeliPapierowej::bezPodswietlenia(bezZaznaczenia);
    bezZaznaczenia.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(malarz, bezZaznaczenia, indeks);
}

QSize DelegatTabeliPapierowej::sizeHint(const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const
{
    QSize rozmiar = QStyledItemDelegate::sizeHint(opcja, indeks);
    const QVariant wlasna = indeks.data(KontrolerTablicy::RolaWysokosciWiersza);
    if (wlasna.isValid())
        rozmiar.setHeight(int(std::ceil(wlasna.toReal())));
    else if (const auto *papier = dynamic_cast<const WidokPapierowy *>(opcja.widget))
        rozmiar.setHeight(int(std::ceil(papier->rowHeight())));
    return rozmiar;
}

QWidget *DelegatTabeliPapierowej::createEditor(QWidget *rodzic, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *pole = new FileNameChangerField(rodzic);
    pole->setFrame(false);
    return pole;
}

void DelegatTabeliPapierowej::setEditorData(QWidget *edytor, const QModelIndex &indeks) const
{
    if (auto *pole = qobject_cast<FileNameChangerField *>(edytor))
        pole->setObjectValueWithoutAbortEditing(indeks.data(Qt::EditRole).toString());
    else
        QStyledItemDelegate::setEditorData(edytor, indeks);
}
