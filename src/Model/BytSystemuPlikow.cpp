#include "BytSystemuPlikow.h"

#include "BytKatalogu.h"
#include "BytPlikuTekstowego.h"
#include "Fasolka.h"
#include "NazwaOdUzytkownika.h"
#include "StosCoreData.h"

#include "Platform/DesktopServices.h"
#include "Platform/FileAttributes.h"
#include "Platform/FileIcons.h"
#include "Platform/FileOperations.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"
#include "Platform/Thumbnails.h"

#include <cerrno>

#include <sys/stat.h>

namespace {

const QString opisBleduZmianyNazwy = QStringLiteral("Could not rename the item.");

} // namespace

BytSystemuPlikow *BytSystemuPlikow::bytSystemuPlikowDlaURL(const QString &url, quint32 rodzajZListingu)
{
    return bytSystemuPlikowDlaTypu(url, typDlaURL(url, rodzajZListingu));
}

QString BytSystemuPlikow::typDlaURL(const QString &url, quint32 rodzajZListingu)
{
    // A link is looked at again, as an entry whose type the listing could not read.
    return rodzajZListingu != 0 && rodzajZListingu != S_IFLNK
               ? FileAttributes::typeIdentifierForFileType(url, rodzajZListingu)
               : FileAttributes::typeIdentifier(url);
}

BytSystemuPlikow *BytSystemuPlikow::nowyDlaTypu(const QString &typ)
{
    // Exact types, not their parents: a link to a folder or a text/markdown file is a plain entity.
    if (typ == FileAttributes::typFolderu)
        return StosCoreData::kontekstOZ()->wstaw<BytKatalogu>();
    if (typ == FileAttributes::typTekstu)
        return StosCoreData::kontekstOZ()->wstaw<BytPlikuTekstowego>();
    return StosCoreData::kontekstOZ()->wstaw<BytSystemuPlikow>();
}

BytSystemuPlikow *BytSystemuPlikow::bytSystemuPlikowDlaTypu(const QString &url, const QString &typ)
{
    if (typ.isEmpty())
        return nullptr;
    BytSystemuPlikow *byt = nowyDlaTypu(typ);
    byt->setPlikowyURL(url);
    return byt;
}

BytSystemuPlikow::Rozpoznanie BytSystemuPlikow::rozpoznaj(const FolderListing::Wpis &wpis)
{
    // A name never holds a slash: it is the path's last component.
    return {Paths::clean(wpis.sciezka), Paths::nfc(wpis.nazwa), typDlaURL(wpis.sciezka, wpis.rodzaj)};
}

BytSystemuPlikow *BytSystemuPlikow::bytSystemuPlikowDlaRozpoznania(const Rozpoznanie &rozpoznanie)
{
    if (rozpoznanie.typ.isEmpty())
        return nullptr;
    BytSystemuPlikow *byt = nowyDlaTypu(rozpoznanie.typ);
    // What setPlikowyURL would set; a new entity has no observers to tell and nothing read
    // under another URL.
    byt->m_plikowyURL = rozpoznanie.url;
    byt->m_ostatniKomponentSciezki = rozpoznanie.nazwa;
    return byt;
}

BytKatalogu *BytSystemuPlikow::bytKataloguDlaURL(const QString &url)
{
    if (FileOperations::exists(url) && !FileOperations::isFolderNoFollow(url))
        return nullptr;
    auto *katalog = StosCoreData::kontekstOZ()->wstaw<BytKatalogu>();
    katalog->setPlikowyURL(url);
    return katalog;
}

bool BytSystemuPlikow::urlIstnieje(const QString &url)
{
    return !url.isEmpty() && FileOperations::exists(url);
}

bool BytSystemuPlikow::urlToKatalog(const QString &url)
{
    return !url.isEmpty() && FileOperations::isFolderNoFollow(url);
}

bool BytSystemuPlikow::stworzKatalog(const QString &url)
{
    return !url.isEmpty() && FileOperations::createFolder(url, true);
}

void BytSystemuPlikow::zaznaczUrlWFinderze(const QString &url)
{
    DesktopServices::shared()->revealInFileManager(url);
}

bool BytSystemuPlikow::otworzUrlWDomyslnejAplikacji(const QString &url, BladOperacji *blad)
{
    return DesktopServices::shared()->openInDefaultApplication(url, blad);
}

void BytSystemuPlikow::setPlikowyURL(const QString &url)
{
    const QString nowy = url.isEmpty() ? QString() : Paths::clean(url);
    if (nowy == m_plikowyURL)
        return;
    const QString stary = m_plikowyURL;
    m_plikowyURL = nowy;
    m_ostatniKomponentSciezki = nowy.isEmpty() ? QString() : Paths::nfc(Paths::lastComponent(nowy));
    m_ikona = QIcon();
    m_miniatura = QImage();
    m_dataDolaczeniaDoKatalogu = QDateTime();
    // The entity itself and its bean hear of it first, as if they were the first observers.
    poZmianieUrla(stary);
    if (m_zBytuSystemuPlikowDoFasolki)
        m_zBytuSystemuPlikowDoFasolki->poZmianieUrlaBytuFasolki(stary);
    emit plikowyURLChanged(stary, nowy);
    emit nazwaZlokalizowanaChanged();
    emit ostatniKomponentSciezkiChanged();
    emit rozszerzenieNazwyChanged();
    emit maUkryteRozszerzenieChanged();
    emit kodEtykietyChanged();
    emit identyfikatorTypuChanged();
    emit toKatalogChanged();
    emit czyIstniejeChanged();
    emit ikonaChanged();
    emit miniaturaChanged();
    emit dataDolaczeniaDoKataloguChanged();
    emit jestLiscemChanged();
}

QString BytSystemuPlikow::nazwaZlokalizowana() const
{
    // No extension is ever hidden on Linux: the name is the last path component.
    return m_ostatniKomponentSciezki;
}

QString BytSystemuPlikow::ostatniKomponentSciezki() const
{
    return m_ostatniKomponentSciezki;
}

QString BytSystemuPlikow::rozszerzenieNazwy() const
{
    return Paths::extension(m_ostatniKomponentSciezki);
}

QString BytSystemuPlikow::identyfikatorTypu() const
{
    return FileAttributes::typeIdentifier(m_plikowyURL);
}

bool BytSystemuPlikow::toKatalog() const
{
    return urlToKatalog(m_plikowyURL);
}

bool BytSystemuPlikow::czyIstnieje() const
{
    return urlIstnieje(m_plikowyURL);
}

QIcon BytSystemuPlikow::ikona()
{
    if (m_ikona.isNull() && !m_plikowyURL.isEmpty())
        m_ikona = FileIcons::iconForFile(m_plikowyURL);
    return m_ikona;
}

void BytSystemuPlikow::setIkona(const QIcon &ikona)
{
    m_ikona = ikona;
    emit ikonaChanged();
}

QImage BytSystemuPlikow::miniatura()
{
    if (m_plikowyURL.isEmpty())
        return m_miniatura;
    const QDateTime czasZmiany = FileAttributes::dateModified(m_plikowyURL);
    if (m_miniatura.isNull() || czasZmiany != m_czasZmianyMiniatury) {
        drukujLinie(QStringLiteral("Odczytuję miniaturę."));
        m_miniatura = Thumbnails::thumbnailForFile(m_plikowyURL, najwiekszyBokMiniatury);
        m_czasZmianyMiniatury = czasZmiany;
    }
    return m_miniatura;
}

QDateTime BytSystemuPlikow::dataDolaczeniaDoKatalogu()
{
    if (!m_dataDolaczeniaDoKatalogu.isValid())
        m_dataDolaczeniaDoKatalogu = FileAttributes::dateAdded(m_plikowyURL);
    return m_dataDolaczeniaDoKatalogu;
}

void BytSystemuPlikow::setDataDolaczeniaDoKatalogu(const QDateTime &data)
{
    m_dataDolaczeniaDoKatalogu = data;
    emit dataDolaczeniaDoKataloguChanged();
}

void BytSystemuPlikow::zaznaczWFinderze() const
{
    if (!m_plikowyURL.isEmpty())
        zaznaczUrlWFinderze(m_plikowyURL);
}

bool BytSystemuPlikow::otworzWDomyslnejAplikacji(BladOperacji *blad) const
{
    return !m_plikowyURL.isEmpty() && otworzUrlWDomyslnejAplikacji(m_plikowyURL, blad);
}

bool BytSystemuPlikow::stworzKatalog()
{
    if (toKatalog())
        return true;
    if (czyIstnieje())
        return false;
    return stworzKatalog(m_plikowyURL);
}

bool BytSystemuPlikow::zmienNazweBytuNaDyskuNa(const QString &nazwa, BladOperacji *blad)
{
    // The name first: an empty one is refused with its reason like any other bad name.
    if (!NazwaOdUzytkownika::sprawdz(nazwa, NazwaOdUzytkownika::rnElement, opisBleduZmianyNazwy, blad))
        return false;
    if (m_plikowyURL.isEmpty())
        return false;
    // No extension is ever hidden here, so a name that leads to the current URL changes nothing.
    const QString nowyURL = Paths::join(Paths::parent(m_plikowyURL), nazwa);
    if (nowyURL == m_plikowyURL)
        return false;
    if (NazwaOdUzytkownika::istniejeWJakiejsPisowni(nowyURL, m_plikowyURL)) {
        BladOperacji::zErrno(blad, EEXIST, opisBleduZmianyNazwy, nowyURL);
        return false;
    }
    if (!FileOperations::moveNoReplace(m_plikowyURL, nowyURL, blad)) {
        // The reason is the move's; what failed is the rename.
        if (blad)
            blad->opis = opisBleduZmianyNazwy;
        return false;
    }
    setPlikowyURL(nowyURL);
    if (BytKatalogu *rodzic = m_katalogNadrzedny) {
        emit rodzic->bytyWewnetrzneChanged({}, {});
        rodzic->ogloszZmianeWezla();
    }
    return true;
}

QString BytSystemuPlikow::nazwaKoduEtykiety(int kod)
{
    static const char *const nazwy[] = {"keBrak",      "keSzary", "keZielony",  "kePurpurowy",
                                        "keNiebieski", "keZolty", "keCzerwony", "kePomaranczowy"};
    if (kod < 0 || kod > kePomaranczowy)
        return {};
    return QString::fromLatin1(nazwy[kod]);
}

QString BytSystemuPlikow::opisBytu()
{
    const QDateTime data = dataDolaczeniaDoKatalogu();
    return QStringLiteral("BytSystemuPlikow = {%1%2%3%4%5%6%7%8%9}")
        .arg(QStringLiteral("klasa = %1; ").arg(QString::fromLatin1(metaObject()->className())),
             QStringLiteral("nazwaZlokalizowana = %1; ").arg(nazwaZlokalizowana()),
             QStringLiteral("ostatniKomponentSciezki = %1; ").arg(ostatniKomponentSciezki()),
             QStringLiteral("kodEtykiety = %1; ").arg(nazwaKoduEtykiety(kodEtykiety())),
             QStringLiteral("jestLisciem = %1; ").arg(tekstTakNie(jestLisciem())),
             QStringLiteral("czyIstnieje = %1; ").arg(tekstTakNie(czyIstnieje())),
             QStringLiteral("identyfikatorTypu = %1; ").arg(identyfikatorTypu()),
             QStringLiteral("dataDolaczeniaDoKatalogu = %1; ")
                 .arg(data.isValid() ? data.toString(Qt::ISODate) : QString()),
             QStringLiteral("plikowyURL.path = %1;").arg(m_plikowyURL));
}

QString BytSystemuPlikow::opiszKlase()
{
    return opisBytu();
}
