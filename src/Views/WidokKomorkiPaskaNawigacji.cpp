#include "WidokKomorkiPaskaNawigacji.h"

#include "KontrolerPaskaNawigacji.h"
#include "ModelDrzewaPaskaNawigacji.h"

#include "Model/Potok.h"
#include "Model/SplotBazowy.h"
#include "Platform/ObrazyAplikacji.h"
#include "Widgets/FileNameChangerField.h"

#include <QPainter>

namespace {

constexpr int rozmiarIkonyPaska = 18;
constexpr int rozmiarPrzycisku = 14;
constexpr int wciecieIkonyPaska = 2;
// Where a name right of the icon begins, in the cell.
constexpr int wciecieNazwyZaIkonaPaska = wciecieIkonyPaska + rozmiarIkonyPaska + 5;

QObject *elementIndeksu(const QModelIndex &indeks)
{
    return indeks.data(ModelDrzewaPaskaNawigacji::rolaElementu).value<QObject *>();
}

// The icon for the row: the selected one when there is one and the row is selected.
QIcon ikonaWiersza(QObject *element, bool zaznaczony)
{
    if (auto *splot = qobject_cast<SplotBazowy *>(element))
        return zaznaczony && !splot->ikonaZaznaczona().isNull() ? splot->ikonaZaznaczona() : splot->ikona();
    if (auto *potok = qobject_cast<Potok *>(element))
        return zaznaczony && !potok->ikonaZaznaczonaPaskaNawigacji().isNull() ? potok->ikonaZaznaczonaPaskaNawigacji()
                                                                              : potok->ikonaPaskaNawigacji();
    return {};
}

// The bar's icons are templates: only their shape counts, filled with the text's colour.
QPixmap zabarwiona(const QIcon &ikona, int rozmiar, qreal skala, const QColor &kolor)
{
    QPixmap obraz = ikona.pixmap(QSize(rozmiar, rozmiar), skala);
    QPainter malarz(&obraz);
    malarz.setCompositionMode(QPainter::CompositionMode_SourceIn);
    malarz.fillRect(obraz.rect(), kolor);
    return obraz;
}

} // namespace

bool WidokKomorkiPaskaNawigacji::maPrzycisk(const QModelIndex &indeks)
{
    auto *splot = qobject_cast<SplotBazowy *>(elementIndeksu(indeks));
    return splot && splot->identyfikatorWidokuKomorki() == QLatin1String("WidokKomorkiPrzycisku");
}

QRectF WidokKomorkiPaskaNawigacji::prostokatPrzycisku(const QRect &komorka)
{
    return QRectF(komorka.right() - 6 - rozmiarPrzycisku, komorka.center().y() - rozmiarPrzycisku / 2.0 + 0.5,
                  rozmiarPrzycisku, rozmiarPrzycisku);
}

QSize WidokKomorkiPaskaNawigacji::sizeHint(const QStyleOptionViewItem &, const QModelIndex &indeks) const
{
    return QSize(100, int(KontrolerPaskaNawigacji::wysokoscWiersza(elementIndeksu(indeks))));
}

void WidokKomorkiPaskaNawigacji::paint(QPainter *malarz, const QStyleOptionViewItem &opcja,
                                       const QModelIndex &indeks) const
{
    QObject *element = elementIndeksu(indeks);
    const QString identyfikator = KontrolerPaskaNawigacji::identyfikatorKomorki(element);
    const QString tekst = indeks.data(Qt::DisplayRole).toString();
    if (identyfikator == QLatin1String("WidokKomorkiSeparatora"))
        return;
    if (identyfikator == QLatin1String("WidokKomorkiSrodtytulu")) {
        rysujSrodtytul(*malarz, opcja.rect, tekst);
        return;
    }
    const bool zaznaczony = opcja.state.testFlag(QStyle::State_Selected);
    const QColor kolorTekstu = zaznaczony ? QColor(Qt::white) : QColor(Qt::black);
    const qreal skala = malarz->device() ? malarz->device()->devicePixelRatioF() : 1.0;
    QRect reszta = opcja.rect.adjusted(wciecieIkonyPaska, 0, 0, 0);
    const QIcon ikona = ikonaWiersza(element, zaznaczony);
    if (!ikona.isNull()) {
        const QRect miejsce(reszta.left(), reszta.center().y() - rozmiarIkonyPaska / 2 + 1, rozmiarIkonyPaska,
                            rozmiarIkonyPaska);
        malarz->drawPixmap(
            miejsce, zabarwiona(ikona, rozmiarIkonyPaska, skala, zaznaczony ? QColor(Qt::white) : QColor(70, 70, 70)));
        reszta.setLeft(opcja.rect.left() + wciecieNazwyZaIkonaPaska);
    }
    if (maPrzycisk(indeks)) {
        const QRectF przycisk = prostokatPrzycisku(opcja.rect);
        malarz->drawImage(przycisk, ObrazyAplikacji::obraz(zaznaczony ? QStringLiteral("OtworzWNowymOknieZaznaczone")
                                                                      : QStringLiteral("OtworzWNowymOknieTemplate")));
        reszta.setRight(int(przycisk.left()) - 4);
    }
    // The selected row keeps the font of the others: only its colour tells it apart.
    const QFont czcionka = opcja.font;
    malarz->save();
    malarz->setFont(czcionka);
    malarz->setPen(kolorTekstu);
    malarz->drawText(reszta, Qt::AlignVCenter | Qt::AlignLeft,
                     QFontMetrics(czcionka).elidedText(tekst, Qt::ElideRight, reszta.width()));
    malarz->restore();
}

QWidget *WidokKomorkiPaskaNawigacji::createEditor(QWidget *rodzic, const QStyleOptionViewItem &,
                                                  const QModelIndex &) const
{
    auto *pole = new FileNameChangerField(rodzic);
    pole->setFrame(false);
    return pole;
}

void WidokKomorkiPaskaNawigacji::updateEditorGeometry(QWidget *edytor, const QStyleOptionViewItem &opcja,
                                                      const QModelIndex &) const
{
    // The field's own margin keeps the typed text where the name stood.
    const int lewa = opcja.rect.left() + wciecieNazwyZaIkonaPaska - 2;
    edytor->setGeometry(QRect(lewa, opcja.rect.top() + 1, opcja.rect.right() - 4 - lewa, opcja.rect.height() - 2));
}

void WidokKomorkiPaskaNawigacji::setModelData(QWidget *edytor, QAbstractItemModel *, const QModelIndex &indeks) const
{
    if (const auto *pole = qobject_cast<QLineEdit *>(edytor))
        emit controlTextDidEndEditing(indeks, pole->text());
}

void WidokKomorkiPaskaNawigacji::rysujSrodtytul(QPainter &malarz, const QRect &komorka, const QString &tekst)
{
    QFont czcionka = malarz.font();
    czcionka.setBold(true);
    czcionka.setPointSizeF(czcionka.pointSizeF() * 0.85);
    malarz.save();
    malarz.setFont(czcionka);
    malarz.setPen(QColor(0, 0, 0, 120));
    malarz.drawText(komorka.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignBottom, tekst);
    malarz.restore();
}
