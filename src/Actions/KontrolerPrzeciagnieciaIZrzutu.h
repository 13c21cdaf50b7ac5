#pragma once

#include "Platform/Ui/InformacjaOPrzeciaganiu.h"

#include "Platform/BladOperacji.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

class BytSystemuPlikow;
class QWidget;

// One drop, from the choice of its operation to the files copied or moved into the receiver's
// folder and the model re-read. Keeps nothing between drops: each validation makes a throw-away
// object, an accepted drop one that lives until it has been carried out.
class KontrolerPrzeciagnieciaIZrzutu
{
public:
    // The operation follows the mask (Move over Copy over none); none when the receiver
    // cannot take drops.
    KontrolerPrzeciagnieciaIZrzutu(QObject *odbiorca, Qt::DropActions maska);

    // Lets the view (the viewport of an item view) take dragged files.
    static void skonfigurujZrzucalnoscUrliDlaWidoku(QWidget *widok);
    // The operation a drop at a place standing for `odbiorca` would carry out, or none.
    static Qt::DropAction selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
        const InformacjaOPrzeciaganiu &informacja, QObject *odbiorca, QWidget *widok);
    static Qt::DropAction selectDragOperationBasedOnModificationKeys(Qt::DropActions maska);
    static bool czyObiektMozeOdebracZrzut(QObject *obiekt);
    static QString katalogOdbiorcy(QObject *obiekt);
    // YES when no URL is a file URL (also for none).
    static bool areOnlyFilePromisesInURLs(const QList<QUrl> &urle);
    static QString operacjaTekstowo(Qt::DropAction operacja);
    // `url1` lies strictly inside `url2`, a real folder; plain spelling, by components.
    static bool url1ZawieraSieW(const QString &url1, const QString &url2);
    // The paths that lie inside no other path of the list, in their order.
    static QStringList urleNieZawierajaceSieWInnychUrlach(const QStringList &urle);

    Qt::DropAction operacja() const { return m_operacja; }
    void setOperacja(Qt::DropAction operacja) { m_operacja = operacja; }
    bool jestOperacjaDoWykonania() const { return m_operacja != Qt::IgnoreAction; }
    const QList<QUrl> &tablicaUrli() const { return m_tablicaUrli; }

    // Reads the dragged files (a folder dragged with things inside it counts once) followed by
    // the other URLs; YES when anything was read.
    bool pobierzUrleZeSchowkaDlaWidokuUrleZeSchowka(const InformacjaOPrzeciaganiu &informacja, QWidget *widok,
                                                    QList<QUrl> *urleZeSchowka = nullptr);
    // NO when a dragged file must not go into the receiver.
    bool shouldDropReceiverReceiveURLs(QObject *odbiorca, const QList<QUrl> &urle) const;
    // For the navigation bar: a flow's own folder dragged onto a flow.
    bool dragOperationShouldBeCanceledWhenDraggedAtLeastOneFlowAndDropReceiverIsFlow() const;
    // Drags on Linux carry no promised files; there is nothing to have written.
    void savePromisedFilesFromDraggingInfo(const InformacjaOPrzeciaganiu &informacja);

    // Copies or moves every dragged file into the receiver; YES when none failed.
    bool wykonajOperacjeNaZrzuconychRzeczachIZwrocNoweElementy(QList<BytSystemuPlikow *> *noweElementy = nullptr,
                                                               BladOperacji *blad = nullptr);
    bool zawiodlaPrzynajmniejJednaOperacja() const { return !m_urleRzeczyDLaNieudanychOperacji.isEmpty(); }
    // One alert naming the items that failed.
    void wyswietlInformacjeOBledach() const;
    // One alert naming the items moved to another file system whose originals could not be
    // removed, another naming the moved folders that kept what was written into them meanwhile.
    void wyswietlInformacjeOPozostawionych() const;
    void usunPrzenoszoneObiektyModelu();
    void synchronizujOdbiorceZrzutuIZwrocNoweElementy(QList<BytSystemuPlikow *> *noweElementy);

private:
    // Why the file at `sciezka` must not go into the receiver; empty when it may.
    static QString powodOdmowy(QObject *odbiorca, const QString &cel, const QString &sciezka);
    // The folder the item goes into: for a flow the place of its present status.
    static QString katalogDlaRzeczy(QObject *odbiorca, const QString &cel, const QString &sciezka);
    // Empty while the receiver and its folder are still there.
    QString powodBrakuOdbiorcy() const;
    QString opisOperacji() const;
    bool przeniesLubSkopiuj(const QString &sciezka, BladOperacji *blad);
    void zapiszNiepowodzenie(const QString &sciezka, const BladOperacji &niepowodzenie, BladOperacji *blad);

    QPointer<QObject> m_odbiorca;
    Qt::DropAction m_operacja = Qt::IgnoreAction;
    QString m_katalogDocelowy;
    QList<QUrl> m_tablicaUrli;
    QStringList m_urlePrzenoszonychRzeczy;
    QStringList m_urleZrzuconychRzeczy;
    QStringList m_urleRzeczyDLaNieudanychOperacji;
    QStringList m_katalogiZPozostawionymi;
    QStringList m_urlePozostawionychOryginalow;
    QString m_przyczynaPozostawieniaOryginalu;
    QString m_opisOstatniegoBledu;
};
