#include "AdapterZrzutuUrli.h"

#include "KontrolerPrzeciagnieciaIZrzutu.h"

#include "Platform/DelayedOperations.h"
#include "Platform/Opoznienia.h"
#include "Platform/Ui/OdpowiedzNaPrzeciaganie.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <memory>

namespace {

void wykonaj(KontrolerPrzeciagnieciaIZrzutu &silnik, const AdapterZrzutuUrli::PoWykonaniu &poWykonaniu)
{
    QList<BytSystemuPlikow *> nowe;
    if (!silnik.wykonajOperacjeNaZrzuconychRzeczachIZwrocNoweElementy(poWykonaniu ? &nowe : nullptr))
        silnik.wyswietlInformacjeOBledach();
    else if (poWykonaniu)
        poWykonaniu(nowe);
    silnik.wyswietlInformacjeOPozostawionych();
}

} // namespace

AdapterZrzutuUrli::AdapterZrzutuUrli(QWidget *widok, Wykonanie wykonanie, OdbiorcaDlaMiejsca odbiorcaDlaMiejsca)
    : QObject(widok)
    , m_widok(widok)
    , m_wykonanie(wykonanie)
    , m_odbiorcaDlaMiejsca(std::move(odbiorcaDlaMiejsca))
{
    auto *przewijany = qobject_cast<QAbstractScrollArea *>(widok);
    m_celZrzutu = przewijany ? przewijany->viewport() : widok;
    KontrolerPrzeciagnieciaIZrzutu::skonfigurujZrzucalnoscUrliDlaWidoku(widok);
    m_celZrzutu->installEventFilter(this);
}

bool AdapterZrzutuUrli::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (obiekt != m_celZrzutu)
        return false;
    switch (zdarzenie->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *przeciaganie = static_cast<QDragMoveEvent *>(zdarzenie);
        const InformacjaOPrzeciaganiu informacja = InformacjaOPrzeciaganiu::zZdarzenia(*przeciaganie);
        QObject *odbiorca = m_odbiorcaDlaMiejsca(przeciaganie->position().toPoint());
        OdpowiedzNaPrzeciaganie::odpowiedzPodczasPrzeciagania(przeciaganie, operacjaDlaZrzutu(informacja, odbiorca));
        return true;
    }
    case QEvent::Drop:
        przyjmijZrzut(static_cast<QDropEvent *>(zdarzenie));
        return true;
    default:
        return false;
    }
}

Qt::DropAction AdapterZrzutuUrli::operacjaDlaZrzutu(const InformacjaOPrzeciaganiu &informacja, QObject *odbiorca)
{
    return KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
        informacja, odbiorca, m_widok);
}

void AdapterZrzutuUrli::przyjmijZrzut(QDropEvent *zdarzenie)
{
    const InformacjaOPrzeciaganiu informacja = InformacjaOPrzeciaganiu::zZdarzenia(*zdarzenie);
    QObject *odbiorca = m_odbiorcaDlaMiejsca(zdarzenie->position().toPoint());
    OdpowiedzNaPrzeciaganie::odpowiedzZrodlu(zdarzenie, przyjmijZrzutDla(odbiorca, informacja, m_widok, m_wykonanie));
}

bool AdapterZrzutuUrli::przyjmijZrzutDla(QObject *odbiorca, const InformacjaOPrzeciaganiu &informacja, QWidget *widok,
                                         Wykonanie wykonanie, const PoPrzyjeciu &poPrzyjeciu,
                                         const PoWykonaniu &poWykonaniu)
{
    // Made with what the source offers, not with the answer given while dragging.
    auto silnik = std::make_shared<KontrolerPrzeciagnieciaIZrzutu>(odbiorca, informacja.draggingSourceOperationMask());
    const bool przyjety = silnik->jestOperacjaDoWykonania()
                          && silnik->pobierzUrleZeSchowkaDlaWidokuUrleZeSchowka(informacja, widok);
    if (!przyjety)
        return false;
    if (poPrzyjeciu)
        poPrzyjeciu();
    silnik->savePromisedFilesFromDraggingInfo(informacja);
    if (wykonanie == Wykonanie::OdRazu)
        wykonaj(*silnik, poWykonaniu);
    else
        DelayedOperations::addOperationAfterDelayWithBlock(Opoznienia::biezace().wykonanieZrzutu, nullptr,
                                                           [silnik, poWykonaniu] { wykonaj(*silnik, poWykonaniu); });
    return true;
}
