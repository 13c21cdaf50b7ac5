#include "KontrolerPrzeciagnieciaIZrzutu.h"

#include "AlertNiepowodzenia.h"

#include "Model/AnalizatorUrlaModelu.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/FilePathURLDropReceiverProtocol.h"
#include "Model/NazwaOdUzytkownika.h"
#include "Model/Potok.h"
#include "Model/ProtokolSynchronizacjiZDyskiem.h"
#include "Model/SpecKatalog.h"

#include "Platform/FileOperations.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"
#include "Platform/Ui/Alert.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <cerrno>

namespace {

QString tr(const char *tekst)
{
    return QCoreApplication::translate("KontrolerPrzeciagnieciaIZrzutu", tekst);
}

FilePathURLDropReceiverProtocol *protokolOdbiorcy(QObject *obiekt)
{
    return dynamic_cast<FilePathURLDropReceiverProtocol *>(obiekt);
}

// The portfolio's own folders: moved away, they would take the model with them.
bool jestKatalogiemPortfolio(const QString &sciezka)
{
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    for (const QString &wlasny : {spec->urlKorzenia(), spec->url(SpecKatalog::suWszystkieFasolki),
                                  spec->url(SpecKatalog::suArchiwum), spec->url(SpecKatalog::suPotokGlowny)}) {
        if (AnalizatorUrlaModelu::firstURLIsEqualTo(sciezka, wlasny))
            return true;
    }
    return false;
}

// The path of a file on this machine that a dragged URL names; empty for any other URL. A file
// URL's host "localhost" is this machine; another host's file is no path here, and Qt would
// make one of its name.
QString sciezkaLokalna(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    if (!url.host().isEmpty() && url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        return {};
    return Paths::clean(url.path());
}

// The status an item takes in a flow: its own when it comes from a flow, else Incubation.
int statusWPotoku(const QString &sciezka)
{
    const int status = Fasolka::odczytajStatusFasolkiDlaURLa(sciezka);
    return status >= Fasolka::sfWInkubacji && status <= Fasolka::sfUkonczona ? status : int(Fasolka::sfWInkubacji);
}

} // namespace

KontrolerPrzeciagnieciaIZrzutu::KontrolerPrzeciagnieciaIZrzutu(QObject *odbiorca, Qt::DropActions maska)
    : m_odbiorca(odbiorca)
    , m_operacja(selectDragOperationBasedOnModificationKeys(maska))
{
    if (m_operacja == Qt::IgnoreAction)
        return;
    if (czyObiektMozeOdebracZrzut(odbiorca))
        m_katalogDocelowy = katalogOdbiorcy(odbiorca);
    else
        m_operacja = Qt::IgnoreAction;
}

void KontrolerPrzeciagnieciaIZrzutu::skonfigurujZrzucalnoscUrliDlaWidoku(QWidget *widok)
{
    if (auto *przewijany = qobject_cast<QAbstractScrollArea *>(widok))
        przewijany->viewport()->setAcceptDrops(true);
    else if (widok)
        widok->setAcceptDrops(true);
}

Qt::DropAction KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
    const InformacjaOPrzeciaganiu &informacja, QObject *odbiorca, QWidget *widok)
{
    Qt::DropAction operacja = selectDragOperationBasedOnModificationKeys(informacja.draggingSourceOperationMask());
    if (operacja != Qt::IgnoreAction && !czyObiektMozeOdebracZrzut(odbiorca))
        operacja = Qt::IgnoreAction;
    if (operacja == Qt::IgnoreAction)
        return operacja;
    KontrolerPrzeciagnieciaIZrzutu silnik(odbiorca, operacja);
    if (!silnik.pobierzUrleZeSchowkaDlaWidokuUrleZeSchowka(informacja, widok))
        return operacja;
    if (areOnlyFilePromisesInURLs(silnik.tablicaUrli()))
        operacja = Qt::CopyAction;
    if (!silnik.shouldDropReceiverReceiveURLs(odbiorca, silnik.tablicaUrli()))
        operacja = Qt::IgnoreAction;
    return operacja;
}

Qt::DropAction KontrolerPrzeciagnieciaIZrzutu::selectDragOperationBasedOnModificationKeys(Qt::DropActions maska)
{
    if (maska.testFlag(Qt::MoveAction))
        return Qt::MoveAction;
    if (maska.testFlag(Qt::CopyAction))
        return Qt::CopyAction;
    return Qt::IgnoreAction;
}

bool KontrolerPrzeciagnieciaIZrzutu::czyObiektMozeOdebracZrzut(QObject *obiekt)
{
    const FilePathURLDropReceiverProtocol *odbiorca = protokolOdbiorcy(obiekt);
    return odbiorca && odbiorca->canReceiveDrop();
}

QString KontrolerPrzeciagnieciaIZrzutu::katalogOdbiorcy(QObject *obiekt)
{
    const FilePathURLDropReceiverProtocol *odbiorca = protokolOdbiorcy(obiekt);
    return odbiorca ? odbiorca->dropDestinationURL() : QString();
}

bool KontrolerPrzeciagnieciaIZrzutu::areOnlyFilePromisesInURLs(const QList<QUrl> &urle)
{
    return std::none_of(urle.begin(), urle.end(), [](const QUrl &url) { return url.isLocalFile(); });
}

QString KontrolerPrzeciagnieciaIZrzutu::operacjaTekstowo(Qt::DropAction operacja)
{
    switch (operacja) {
    case Qt::IgnoreAction:
        return QStringLiteral("NSDragOperationNone");
    case Qt::CopyAction:
        return QStringLiteral("NSDragOperationCopy");
    case Qt::MoveAction:
        return QStringLiteral("NSDragOperationMove");
    default:
        return {};
    }
}

bool KontrolerPrzeciagnieciaIZrzutu::url1ZawieraSieW(const QString &url1, const QString &url2)
{
    if (url1.size() <= url2.size() || !url1.startsWith(url2))
        return false;
    if (!url2.endsWith(QLatin1Char('/')) && url1.at(url2.size()) != QLatin1Char('/'))
        return false;
    return FileOperations::isFolderNoFollow(url2);
}

QStringList KontrolerPrzeciagnieciaIZrzutu::urleNieZawierajaceSieWInnychUrlach(const QStringList &urle)
{
    // Each path looks only at its own parents among the dragged paths, so thousands of files
    // dragged together cost no more than their depth each.
    const QSet<QString> przeciagane(urle.begin(), urle.end());
    QHash<QString, bool> czyKatalog;
    QStringList wynik;
    for (const QString &url : urle) {
        bool wewnatrz = false;
        for (QString nadrzedny = Paths::parent(url), poprzedni = url; !wewnatrz && nadrzedny != poprzedni;
             poprzedni = nadrzedny, nadrzedny = Paths::parent(nadrzedny)) {
            if (!przeciagane.contains(nadrzedny))
                continue;
            auto znany = czyKatalog.find(nadrzedny);
            if (znany == czyKatalog.end())
                znany = czyKatalog.insert(nadrzedny, url1ZawieraSieW(url, nadrzedny));
            wewnatrz = *znany;
        }
        if (!wewnatrz)
            wynik.append(url);
    }
    return wynik;
}

bool KontrolerPrzeciagnieciaIZrzutu::pobierzUrleZeSchowkaDlaWidokuUrleZeSchowka(
    const InformacjaOPrzeciaganiu &informacja, QWidget *, QList<QUrl> *urleZeSchowka)
{
    QStringList pliki;
    QList<QUrl> inne;
    for (const QUrl &url : informacja.urle) {
        const QString sciezka = sciezkaLokalna(url);
        if (!sciezka.isEmpty())
            pliki.append(sciezka);
        else if (url.isValid() && !url.isLocalFile())
            inne.append(url);
    }
    m_tablicaUrli.clear();
    for (const QString &plik : urleNieZawierajaceSieWInnychUrlach(pliki))
        m_tablicaUrli.append(QUrl::fromLocalFile(plik));
    m_tablicaUrli.append(inne);
    if (urleZeSchowka)
        *urleZeSchowka = m_tablicaUrli;
    return !m_tablicaUrli.isEmpty();
}

bool KontrolerPrzeciagnieciaIZrzutu::shouldDropReceiverReceiveURLs(QObject *odbiorca, const QList<QUrl> &urle) const
{
    if (!czyObiektMozeOdebracZrzut(odbiorca))
        return false;
    const QString cel = katalogOdbiorcy(odbiorca);
    return std::all_of(urle.begin(), urle.end(), [&](const QUrl &url) {
        return !url.isLocalFile() || powodOdmowy(odbiorca, cel, Paths::clean(url.toLocalFile())).isEmpty();
    });
}

bool KontrolerPrzeciagnieciaIZrzutu::dragOperationShouldBeCanceledWhenDraggedAtLeastOneFlowAndDropReceiverIsFlow() const
{
    if (!qobject_cast<Potok *>(m_odbiorca))
        return false;
    return std::any_of(m_tablicaUrli.begin(), m_tablicaUrli.end(), [](const QUrl &url) {
        bool rowny = false;
        return url.isLocalFile()
               && qobject_cast<Potok *>(AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(
                   Paths::clean(url.toLocalFile()), &rowny))
               && rowny;
    });
}

void KontrolerPrzeciagnieciaIZrzutu::savePromisedFilesFromDraggingInfo(const InformacjaOPrzeciaganiu &)
{
}

QString KontrolerPrzeciagnieciaIZrzutu::powodOdmowy(QObject *odbiorca, const QString &cel, const QString &sciezka)
{
    const QString nazwa = Paths::lastComponent(sciezka);
    if (auto *potok = qobject_cast<Potok *>(odbiorca)) {
        auto *fasolka =
            qobject_cast<Fasolka *>(AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(sciezka));
        if (fasolka && fasolka->potok() == potok)
            return tr("\u201C%1\u201D already belongs to the flow \u201C%2\u201D.").arg(nazwa, potok->nazwa());
    }
    bool rowny = false;
    const bool celWewnatrz = AnalizatorUrlaModelu::url1ZawieraSieWIJestRowny(cel, sciezka, &rowny);
    if (rowny)
        return tr("\u201C%1\u201D can\u2019t be put into itself.").arg(nazwa);
    if (AnalizatorUrlaModelu::firstURLIsEqualTo(Paths::parent(sciezka), cel))
        return tr("\u201C%1\u201D already lies in \u201C%2\u201D.").arg(nazwa, Paths::lastComponent(cel));
    if (celWewnatrz)
        return tr("The folder \u201C%1\u201D can\u2019t be put into a folder inside it.").arg(nazwa);
    if (jestKatalogiemPortfolio(sciezka))
        return tr("\u201C%1\u201D is one of the portfolio\u2019s own folders.").arg(nazwa);
    BladOperacji blad;
    // In a flow or a flow archive the item becomes a bean, whose name must be one a bean may
    // bear: under a flow's own folder name it could never be made Active.
    const bool staniesieFasolka = qobject_cast<Potok *>(odbiorca) || qobject_cast<ArchiwumPotoku *>(odbiorca);
    if (staniesieFasolka && !NazwaOdUzytkownika::sprawdz(nazwa, NazwaOdUzytkownika::rnFasolka, {}, &blad))
        return blad.przyczyna;
    if (!NazwaOdUzytkownika::mozeLezecW(nazwa, katalogDlaRzeczy(odbiorca, cel, sciezka), {}, &blad))
        return blad.przyczyna;
    return {};
}

QString KontrolerPrzeciagnieciaIZrzutu::katalogDlaRzeczy(QObject *odbiorca, const QString &cel, const QString &sciezka)
{
    if (!qobject_cast<Potok *>(odbiorca))
        return cel;
    const int status = statusWPotoku(sciezka);
    return status == Fasolka::sfAktywna ? cel : Paths::join(cel, Fasolka::oksDlaStatusuFasolki(status));
}

QString KontrolerPrzeciagnieciaIZrzutu::powodBrakuOdbiorcy() const
{
    const auto *potok = qobject_cast<const Potok *>(m_odbiorca.data());
    const auto *fasolka = qobject_cast<const Fasolka *>(m_odbiorca.data());
    const bool usuniety = !m_odbiorca || (potok && potok->zostalUsuniety()) || (fasolka && fasolka->zostalaUsunieta());
    if (usuniety || !FileOperations::isFolder(m_katalogDocelowy))
        return tr("The folder \u201C%1\u201D is no longer there.").arg(Paths::lastComponent(m_katalogDocelowy));
    return {};
}

bool KontrolerPrzeciagnieciaIZrzutu::wykonajOperacjeNaZrzuconychRzeczachIZwrocNoweElementy(
    QList<BytSystemuPlikow *> *noweElementy, BladOperacji *blad)
{
    if (!jestOperacjaDoWykonania())
        return false;
    m_urlePrzenoszonychRzeczy.clear();
    m_urleZrzuconychRzeczy.clear();
    m_urleRzeczyDLaNieudanychOperacji.clear();
    m_katalogiZPozostawionymi.clear();
    m_urlePozostawionychOryginalow.clear();
    m_opisOstatniegoBledu.clear();

    // Checked again here: the folders may have changed since the drop was accepted.
    const QString brakOdbiorcy = powodBrakuOdbiorcy();
    for (const QUrl &url : std::as_const(m_tablicaUrli)) {
        if (!url.isLocalFile())
            continue;
        const QString sciezka = Paths::clean(url.toLocalFile());
        BladOperacji niepowodzenie;
        const QString powod = brakOdbiorcy.isEmpty() ? powodOdmowy(m_odbiorca, m_katalogDocelowy, sciezka)
                                                     : brakOdbiorcy;
        if (!powod.isEmpty()) {
            BladOperacji::ustaw(&niepowodzenie, QString::fromLatin1(BladOperacji::domenaAplikacji), EINVAL,
                                opisOperacji(), powod);
            zapiszNiepowodzenie(sciezka, niepowodzenie, blad);
        } else if (!przeniesLubSkopiuj(sciezka, &niepowodzenie)) {
            zapiszNiepowodzenie(sciezka, niepowodzenie, blad);
        }
    }

    if (m_operacja == Qt::MoveAction)
        usunPrzenoszoneObiektyModelu();
    if (!m_urleZrzuconychRzeczy.isEmpty())
        synchronizujOdbiorceZrzutuIZwrocNoweElementy(noweElementy);
    return !zawiodlaPrzynajmniejJednaOperacja();
}

bool KontrolerPrzeciagnieciaIZrzutu::przeniesLubSkopiuj(const QString &sciezka, BladOperacji *blad)
{
    const QString katalog = katalogDlaRzeczy(m_odbiorca, m_katalogDocelowy, sciezka);
    // Only the status folder: the flow folder itself was found present above.
    if (qobject_cast<Potok *>(m_odbiorca)
        && !Fasolka::zalozKatalogJesliPotrzebaDlaStatusuDlaPotokuZUrlem(statusWPotoku(sciezka), m_katalogDocelowy,
                                                                        nullptr, opisOperacji(), blad))
        return false;
    const QString nowy = Paths::join(katalog, Paths::lastComponent(sciezka));
    // Linux would keep a name in another spelling beside it; the graph could not tell them apart.
    if (NazwaOdUzytkownika::istniejeWJakiejsPisowni(nowy)) {
        BladOperacji::zErrno(blad, EEXIST, opisOperacji(), sciezka, katalog);
        return false;
    }
    QList<TreeCopier::Leftover> pozostawione;
    const bool udane = m_operacja == Qt::MoveAction ? FileOperations::moveNoReplace(sciezka, nowy, blad, &pozostawione)
                                                    : FileOperations::copyNoReplace(sciezka, nowy, blad);
    if (!udane)
        return false;
    const QString przyczynaPozostawienia = TreeCopier::removalFailure(pozostawione);
    if (!przyczynaPozostawienia.isEmpty()) {
        m_urlePozostawionychOryginalow.append(sciezka);
        m_przyczynaPozostawieniaOryginalu = przyczynaPozostawienia;
    }
    if (TreeCopier::writtenMeanwhile(pozostawione))
        m_katalogiZPozostawionymi.append(sciezka);
    if (m_operacja == Qt::MoveAction)
        m_urlePrzenoszonychRzeczy.append(sciezka);
    m_urleZrzuconychRzeczy.append(nowy);
    return true;
}

QString KontrolerPrzeciagnieciaIZrzutu::opisOperacji() const
{
    return m_operacja == Qt::MoveAction ? tr("Could not move the item.") : tr("Could not copy the item.");
}

void KontrolerPrzeciagnieciaIZrzutu::zapiszNiepowodzenie(const QString &sciezka, const BladOperacji &niepowodzenie,
                                                         BladOperacji *blad)
{
    m_urleRzeczyDLaNieudanychOperacji.append(sciezka);
    m_opisOstatniegoBledu = niepowodzenie.przyczyna;
    if (blad)
        *blad = niepowodzenie;
}

void KontrolerPrzeciagnieciaIZrzutu::wyswietlInformacjeOBledach() const
{
    if (!zawiodlaPrzynajmniejJednaOperacja())
        return;
    QString wiadomosc = m_operacja == Qt::MoveAction ? tr("Following things were not moved:")
                                                     : tr("Following things were not copied:");
    for (const QString &url : m_urleRzeczyDLaNieudanychOperacji)
        wiadomosc += QStringLiteral("\n- '%1'").arg(Paths::lastComponent(url));
    drukujLinie(QStringLiteral("Błąd: %1 %2"), wiadomosc, m_opisOstatniegoBledu);
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    alert.setMessageText(wiadomosc);
    alert.setInformativeText(m_opisOstatniegoBledu);
    alert.runModal();
}

void KontrolerPrzeciagnieciaIZrzutu::wyswietlInformacjeOPozostawionych() const
{
    QStringList nazwy;
    for (const QString &url : m_urlePozostawionychOryginalow)
        nazwy << Paths::lastComponent(url);
    AlertNiepowodzenia::pokazPozostawioneOryginaly(nazwy, m_przyczynaPozostawieniaOryginalu,
                                                   AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
    // The move succeeded: what another program wrote into a folder while it was copied stays there.
    AlertNiepowodzenia::pokazPozostawione(
        tr("Some items stayed where they were."),
        tr("Items written into a folder while it moved were not moved with it. They stay in %1."),
        m_katalogiZPozostawionymi, AlertNiepowodzenia::LiniaKonsoli::Brak);
}

void KontrolerPrzeciagnieciaIZrzutu::usunPrzenoszoneObiektyModelu()
{
    // All containers are found before any re-reads, and each is re-read once: a re-read is the
    // same however many items left it.
    QList<QObject *> kontenery;
    for (const QString &url : std::as_const(m_urlePrzenoszonychRzeczy)) {
        QObject *kontener = AnalizatorUrlaModelu::znajdzObiektZawierajacyURL(url);
        if (kontener && !kontenery.contains(kontener))
            kontenery.append(kontener);
    }
    for (QObject *kontener : std::as_const(kontenery)) {
        if (auto *potok = qobject_cast<Potok *>(kontener))
            potok->synchronizujFasolki();
        else if (auto *synchronizowany = dynamic_cast<ProtokolSynchronizacjiZDyskiem *>(kontener))
            synchronizowany->synchronizujZDyskiem();
    }
}

void KontrolerPrzeciagnieciaIZrzutu::synchronizujOdbiorceZrzutuIZwrocNoweElementy(
    QList<BytSystemuPlikow *> *noweElementy)
{
    if (auto *katalog = qobject_cast<BytKatalogu *>(m_odbiorca))
        katalog->synchronizujBytyWewnetrzneIZwrocNoweElementy(noweElementy);
    else if (auto *synchronizowany = dynamic_cast<ProtokolSynchronizacjiZDyskiem *>(m_odbiorca.data()))
        synchronizowany->synchronizujZDyskiem();
}
