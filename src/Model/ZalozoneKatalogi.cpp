#include "ZalozoneKatalogi.h"

#include "Platform/FileOperations.h"
#include "Platform/Paths.h"

ZalozoneKatalogi::~ZalozoneKatalogi()
{
    for (auto it = m_zalozone.crbegin(); it != m_zalozone.crend(); ++it)
        FileOperations::removeEmptyFolder(*it);
}

bool ZalozoneKatalogi::zaloz(const QString &sciezka, bool zPosrednimi, BladOperacji *blad)
{
    QStringList brakujace;
    for (QString katalog = Paths::clean(sciezka); !katalog.isEmpty() && !FileOperations::exists(katalog);
         katalog = Paths::parent(katalog)) {
        brakujace.prepend(katalog);
        if (!zPosrednimi || katalog == QLatin1String("/"))
            break;
    }
    const bool udane = FileOperations::createFolder(sciezka, zPosrednimi, blad);
    // A creation that failed half-way may have made the outer folders already.
    for (const QString &katalog : brakujace) {
        if (FileOperations::isFolderNoFollow(katalog))
            m_zalozone.append(katalog);
    }
    return udane;
}
