#pragma once

#include "SplotBazowy.h"

class BytKatalogu;
class BytSystemuPlikow;

// A node standing for a file-system entity, shown under its localised name and its icon.
class SplotBytuSystemuPlikow : public SplotBazowy
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit SplotBytuSystemuPlikow(QObject *rodzic = nullptr);

    QString nazwa() const override;
    QIcon ikona() const override;

    BytSystemuPlikow *bytSystemuPlikow() const;
    void setBytSystemuPlikow(BytSystemuPlikow *byt);
    BytKatalogu *katalog() const;
    void setKatalog(BytKatalogu *katalog);

    // Any entity, a folder included.
    bool reprezentujeBytSystemuPlikow() const;
    // Exactly a folder.
    bool reprezentujeKatalog() const;
};
