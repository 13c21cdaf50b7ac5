#include "BytSystemuPlikow.h"

#include "BytKatalogu.h"
#include "BytPlikuTekstowego.h"
#include "StosCoreData.h"

#include "Platform/FileOperations.h"
#include "Platform/Paths.h"

#include <QAbstractFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>

namespace {

enum class RodzajBytu { Brak, Katalog, PlikTekstowy, Inny };

RodzajBytu rodzajBytu(const QString &url)
{
    if (!FileOperations::exists(url))
        return RodzajBytu::Brak;
    if (FileOperations::isFolderNoFollow(url))
        return RodzajBytu::Katalog;
    static const QMimeDatabase bazaTypow;
    if (bazaTypow.mimeTypeForFile(url, QMimeDatabase::MatchExtension).name() == QLatin1String("text/plain"))
        return RodzajBytu::PlikTekstowy;
    return RodzajBytu::Inny;
}

} // namespace

BytSystemuPlikow *BytSystemuPlikow::bytSystemuPlikowDlaURL(const QString &url)
{
    BytSystemuPlikow *byt = nullptr;
    switch (rodzajBytu(url)) {
    case RodzajBytu::Brak:
        return nullptr;
    case RodzajBytu::Katalog:
        byt = StosCoreData::kontekstOZ()->wstaw<BytKatalogu>();
        break;
    case RodzajBytu::PlikTekstowy:
        byt = StosCoreData::kontekstOZ()->wstaw<BytPlikuTekstowego>();
        break;
    case RodzajBytu::Inny:
        byt = StosCoreData::kontekstOZ()->wstaw<BytSystemuPlikow>();
        break;
    }
    byt->setPlikowyURL(url);
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
    return FileOperations::exists(url);
}

bool BytSystemuPlikow::urlToKatalog(const QString &url)
{
    return FileOperations::isFolderNoFollow(url);
}

void BytSystemuPlikow::setPlikowyURL(const QString &url)
{
    const QString nowy = url.isEmpty() ? QString() : Paths::clean(url);
    if (nowy == m_plikowyURL)
        return;
    const QString stary = m_plikowyURL;
    m_plikowyURL = nowy;
    m_ikona = QIcon();
    emit plikowyURLChanged(stary, nowy);
    emit nazwaZlokalizowanaChanged();
    emit ostatniKomponentSciezkiChanged();
    emit ikonaChanged();
}

QString BytSystemuPlikow::nazwaZlokalizowana() const
{
    if (m_plikowyURL.isEmpty())
        return {};
    return Paths::nfc(Paths::lastComponent(m_plikowyURL));
}

QString BytSystemuPlikow::ostatniKomponentSciezki() const
{
    return Paths::nfc(Paths::lastComponent(m_plikowyURL));
}

bool BytSystemuPlikow::toKatalog() const
{
    return urlToKatalog(m_plikowyURL);
}

bool BytSystemuPlikow::czyIstnieje() const
{
    return !m_plikowyURL.isEmpty() && urlIstnieje(m_plikowyURL);
}

QIcon BytSystemuPlikow::ikona()
{
    if (m_ikona.isNull() && !m_plikowyURL.isEmpty()) {
        static const QAbstractFileIconProvider dostawca;
        m_ikona = dostawca.icon(QFileInfo(m_plikowyURL));
    }
    return m_ikona;
}
