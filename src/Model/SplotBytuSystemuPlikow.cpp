#include "SplotBytuSystemuPlikow.h"

#include "BytKatalogu.h"

SplotBytuSystemuPlikow::SplotBytuSystemuPlikow(QObject *rodzic)
    : SplotBazowy(rodzic)
{
}

QString SplotBytuSystemuPlikow::nazwa() const
{
    if (BytSystemuPlikow *byt = bytSystemuPlikow())
        return byt->nazwaZlokalizowana();
    return SplotBazowy::nazwa();
}

QIcon SplotBytuSystemuPlikow::ikona() const
{
    if (BytSystemuPlikow *byt = bytSystemuPlikow())
        return byt->ikona();
    return SplotBazowy::ikona();
}

BytSystemuPlikow *SplotBytuSystemuPlikow::bytSystemuPlikow() const
{
    return qobject_cast<BytSystemuPlikow *>(reprezentowanyObiekt());
}

void SplotBytuSystemuPlikow::setBytSystemuPlikow(BytSystemuPlikow *byt)
{
    setReprezentowanyObiekt(byt);
}
BytKatalogu *SplotBytuSystemuPlikow::katalog() const
{
    return qobject_cast<BytKatalogu *>(reprezentowanyObiekt());
}
void SplotBytuSystemuPlikow::setKatalog(BytKatalogu *katalog)
{
    setReprezentowanyObiekt(katalog);
}
bool SplotBytuSystemuPlikow::reprezentujeBytSystemuPlikow() const
{
    return bytSystemuPlikow() != nullptr;
}

bool SplotBytuSystemuPlikow::reprezentujeKatalog() const
{
    return reprezentowanyObiekt() && reprezentowanyObiekt()->metaObject() == &BytKatalogu::staticMetaObject;
}
