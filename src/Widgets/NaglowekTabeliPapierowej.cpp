#include "NaglowekTabeliPapierowej.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QPainter>

NaglowekTabeliPapierowej::NaglowekTabeliPapierowej(QWidget *rodzic)
    : QHeaderView(Qt::Horizontal, rodzic)
{
    setStretchLastSection(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Columns added later get their cells as they come.
    connect(this, &QHeaderView::sectionCountChanged, this, &NaglowekTabeliPapierowej::ustawKomorki);
}

KomorkaNaglowkaTabeliPapierowej *NaglowekTabeliPapierowej::komorka(int kolumna) const
{
    return kolumna >= 0 && size_t(kolumna) < m_komorki.size() ? m_komorki[kolumna].get() : nullptr;
}

void NaglowekTabeliPapierowej::ustawKomorkeWKolumnie(int kolumna)
{
    if (kolumna < 0 || komorka(kolumna))
        return;
    if (size_t(kolumna) >= m_komorki.size())
        m_komorki.resize(kolumna + 1);
    const QString tytul = model() ? model()->headerData(kolumna, orientation()).toString() : QString();
    m_komorki[kolumna] = std::make_unique<KomorkaNaglowkaTabeliPapierowej>(tytul);
}

int NaglowekTabeliPapierowej::selectedColumn() const
{
    const auto *tabela = qobject_cast<const QAbstractItemView *>(parentWidget());
    const QItemSelectionModel *zaznaczenie = selectionModel();
    if (!tabela || !zaznaczenie || tabela->selectionBehavior() == QAbstractItemView::SelectRows)
        return -1;
    for (int kolumna = 0; kolumna < count(); ++kolumna) {
        if (zaznaczenie->isColumnSelected(kolumna, tabela->rootIndex()))
            return kolumna;
    }
    return -1;
}

void NaglowekTabeliPapierowej::setModel(QAbstractItemModel *nowy)
{
    if (model())
        disconnect(model(), &QAbstractItemModel::headerDataChanged, this, &NaglowekTabeliPapierowej::odswiezTytuly);
    QHeaderView::setModel(nowy);
    if (nowy)
        connect(nowy, &QAbstractItemModel::headerDataChanged, this, &NaglowekTabeliPapierowej::odswiezTytuly);
    odswiezTytuly();
}

void NaglowekTabeliPapierowej::setSelectionModel(QItemSelectionModel *zaznaczenie)
{
    if (selectionModel())
        disconnect(selectionModel(), &QItemSelectionModel::selectionChanged, viewport(), nullptr);
    QHeaderView::setSelectionModel(zaznaczenie);
    if (zaznaczenie)
        connect(zaznaczenie, &QItemSelectionModel::selectionChanged, viewport(), qOverload<>(&QWidget::update));
}

void NaglowekTabeliPapierowej::paintSection(QPainter *malarz, const QRect &ramka, int kolumna) const
{
    const KomorkaNaglowkaTabeliPapierowej *wlasna = komorka(kolumna);
    if (!wlasna)
        return;
    if (kolumna == selectedColumn())
        wlasna->highlightWithFrame(*malarz, ramka, this);
    else
        wlasna->drawWithFrame(*malarz, ramka, this);
}

void NaglowekTabeliPapierowej::ustawKomorki()
{
    for (int kolumna = 0; kolumna < count(); ++kolumna)
        ustawKomorkeWKolumnie(kolumna);
}

void NaglowekTabeliPapierowej::odswiezTytuly()
{
    ustawKomorki();
    for (size_t kolumna = 0; kolumna < m_komorki.size(); ++kolumna) {
        if (m_komorki[kolumna] && model())
            m_komorki[kolumna]->setTytul(model()->headerData(int(kolumna), orientation()).toString());
    }
    viewport()->update();
}
