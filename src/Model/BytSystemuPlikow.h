#pragma once

#include "Platform/PreviewItem.h"

#include <QIcon>
#include <QObject>
#include <QString>

class BytKatalogu;
class Fasolka;
class Potok;

// One file or folder of the portfolio, or one outside it that the program shows.
class BytSystemuPlikow : public QObject, public PreviewItem
{
    Q_OBJECT

public:
    BytSystemuPlikow() = default;

    // A new entity of the class that fits the item, or nullptr when nothing is there.
    static BytSystemuPlikow *bytSystemuPlikowDlaURL(const QString &url);
    // A new folder entity; nullptr when something that is not a folder is there.
    static BytKatalogu *bytKataloguDlaURL(const QString &url);
    static bool urlIstnieje(const QString &url);
    static bool urlToKatalog(const QString &url);

    QString plikowyURL() const { return m_plikowyURL; }
    void setPlikowyURL(const QString &url);

    QString nazwaZlokalizowana() const;
    QString ostatniKomponentSciezki() const;
    bool toKatalog() const;
    bool czyIstnieje() const;
    QIcon ikona();

    virtual bool jestLisciem() { return true; }

    BytKatalogu *katalogNadrzedny() const { return m_katalogNadrzedny; }
    Fasolka *zBytuSystemuPlikowDoFasolki() const { return m_zBytuSystemuPlikowDoFasolki; }
    Potok *potok() const { return m_potok; }

    QString previewItemURL() const override { return m_plikowyURL; }
    QString previewItemTitle() const override { return ostatniKomponentSciezki(); }

signals:
    void plikowyURLChanged(const QString &stary, const QString &nowy);
    void nazwaZlokalizowanaChanged();
    void ostatniKomponentSciezkiChanged();
    void ikonaChanged();
    void katalogNadrzednyChanged();
    void zBytuSystemuPlikowDoFasolkiChanged();
    void potokChanged();

private:
    friend struct RelacjeModelu;

    QString m_plikowyURL;
    QIcon m_ikona;
    BytKatalogu *m_katalogNadrzedny = nullptr;
    Fasolka *m_zBytuSystemuPlikowDoFasolki = nullptr;
    Potok *m_potok = nullptr;
};
