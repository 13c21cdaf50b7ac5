#include "WidokPodgladuPliku.h"

#include "WidokObrazuPodgladu.h"

#include "Platform/FileAttributes.h"
#include "Platform/FileIcons.h"
#include "Platform/FileOperations.h"
#include "Platform/Paths.h"
#include "Platform/Thumbnails.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

// Large enough for a full-screen panel, small enough for a camera's raw-sized photo.
constexpr int najwiekszyBokObrazuPodgladu = 2048;
constexpr int bokIkonyPodgladu = 128;

QString liczbaWpisow(qsizetype liczba)
{
    return liczba == 1 ? QCoreApplication::translate("WidokPodgladuPliku", "1 item")
                       : QCoreApplication::translate("WidokPodgladuPliku", "%1 items").arg(liczba);
}

} // namespace

WidokPodgladuPliku::WidokPodgladuPliku(QWidget *rodzic)
    : QStackedWidget(rodzic)
    , m_pusty(new QWidget(this))
    , m_obraz(new WidokObrazuPodgladu(this))
    , m_tekst(new QPlainTextEdit(this))
    , m_opis(new QWidget(this))
    , m_ikonaOpisu(new QLabel(m_opis))
    , m_nazwaOpisu(new QLabel(m_opis))
    , m_szczegolyOpisu(new QLabel(m_opis))
{
    m_tekst->setReadOnly(true);
    m_tekst->setObjectName(QStringLiteral("tekstPodgladu"));
    m_nazwaOpisu->setObjectName(QStringLiteral("nazwaPodgladu"));
    m_szczegolyOpisu->setObjectName(QStringLiteral("szczegolyPodgladu"));
    QFont pogrubiona = m_nazwaOpisu->font();
    pogrubiona.setBold(true);
    m_nazwaOpisu->setFont(pogrubiona);
    m_nazwaOpisu->setWordWrap(true);
    auto *uklad = new QVBoxLayout(m_opis);
    uklad->addStretch();
    for (QLabel *etykieta : {m_ikonaOpisu, m_nazwaOpisu, m_szczegolyOpisu}) {
        etykieta->setAlignment(Qt::AlignCenter);
        uklad->addWidget(etykieta);
    }
    uklad->addStretch();
    for (QWidget *strona : {m_pusty, static_cast<QWidget *>(m_obraz), static_cast<QWidget *>(m_tekst), m_opis})
        addWidget(strona);
}

void WidokPodgladuPliku::pokazPlik(const QString &path)
{
    m_rodzaj = rodzajPliku(path);
    switch (m_rodzaj) {
    case Rodzaj::Brak:
        setCurrentWidget(m_pusty);
        break;
    case Rodzaj::Obraz:
        pokazObraz(path);
        break;
    case Rodzaj::Tekst:
        pokazTekst(path);
        break;
    case Rodzaj::Katalog:
        pokazKatalog(path);
        break;
    case Rodzaj::Inny:
        pokazInny(path);
        break;
    }
}

WidokPodgladuPliku::Rodzaj WidokPodgladuPliku::rodzajPliku(const QString &path)
{
    if (path.isEmpty() || !FileOperations::exists(path))
        return Rodzaj::Brak;
    if (FileOperations::isFolder(path))
        return Rodzaj::Katalog;
    static const QMimeDatabase bazaTypow;
    const QMimeType typ = bazaTypow.mimeTypeForFile(path);
    if (typ.name().startsWith(QLatin1String("image/")) && QImageReader(path).canRead())
        return Rodzaj::Obraz;
    if (typ.name().startsWith(QLatin1String("text/")) || typ.inherits(FileAttributes::typTekstu))
        return Rodzaj::Tekst;
    return Rodzaj::Inny;
}

void WidokPodgladuPliku::pokazObraz(const QString &path)
{
    m_obraz->setObraz(Thumbnails::thumbnailForFile(path, najwiekszyBokObrazuPodgladu));
    setCurrentWidget(m_obraz);
}

void WidokPodgladuPliku::pokazTekst(const QString &path)
{
    QFile plik(path);
    const QByteArray poczatek = plik.open(QIODevice::ReadOnly) ? plik.read(najwiecejBajtowTekstu) : QByteArray();
    m_tekst->setPlainText(FileOperations::decodeText(poczatek));
    setCurrentWidget(m_tekst);
}

void WidokPodgladuPliku::pokazKatalog(const QString &path)
{
    const qsizetype wpisy = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size();
    const QImage ikona = FileIcons::iconForFile(path).pixmap(bokIkonyPodgladu, bokIkonyPodgladu).toImage();
    pokazOpis(ikona, path, liczbaWpisow(wpisy));
}

void WidokPodgladuPliku::pokazInny(const QString &path)
{
    QImage obraz = Thumbnails::cachedThumbnail(path);
    if (obraz.isNull())
        obraz = FileIcons::iconForFile(path).pixmap(bokIkonyPodgladu, bokIkonyPodgladu).toImage();
    else if (obraz.width() > bokIkonyPodgladu * 2 || obraz.height() > bokIkonyPodgladu * 2)
        obraz = obraz.scaled(bokIkonyPodgladu * 2, bokIkonyPodgladu * 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QLocale jezyk;
    const QString szczegoly =
        jezyk.formattedDataSize(QFileInfo(path).size()) + QLatin1Char('\n')
        + QCoreApplication::translate("WidokPodgladuPliku", "Modified %1")
              .arg(jezyk.toString(FileAttributes::dateModified(path).toLocalTime(), QLocale::ShortFormat));
    pokazOpis(obraz, path, szczegoly);
}

void WidokPodgladuPliku::pokazOpis(const QImage &obraz, const QString &path, const QString &szczegoly)
{
    m_ikonaOpisu->setPixmap(QPixmap::fromImage(obraz));
    m_nazwaOpisu->setText(Paths::lastComponent(path));
    m_szczegolyOpisu->setText(szczegoly);
    setCurrentWidget(m_opis);
}
