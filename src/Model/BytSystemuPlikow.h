#pragma once

#include "Platform/BladOperacji.h"
#include "Platform/FolderListing.h"
#include "Platform/PreviewItem.h"

#include <QDateTime>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QString>

class BytKatalogu;
class Fasolka;
class Potok;

// One file or folder of the portfolio, or one outside it that the program shows. Values
// derived from the path alone are cached per URL; the costly ones (icon, thumbnail, date
// added) on first read; the rest are asked of the file system at each read.
class BytSystemuPlikow : public QObject, public PreviewItem
{
    Q_OBJECT

public:
    // Finder label numbers; Linux has no labels, so every item answers keBrak.
    enum KodEtykiety { keBrak, keSzary, keZielony, kePurpurowy, keNiebieski, keZolty, keCzerwony, kePomaranczowy };

    BytSystemuPlikow() = default;

    // A new entity of the class that fits the item, or nullptr when nothing is there. A listing
    // hands over the file type it read (S_IFMT bits), which spares asking the disk again.
    static BytSystemuPlikow *bytSystemuPlikowDlaURL(const QString &url, quint32 rodzajZListingu = 0);
    // The type that decides that class, empty when nothing is there. It reads a name or at most
    // one lstat, so a worker thread may find it ahead of the entity.
    static QString typDlaURL(const QString &url, quint32 rodzajZListingu = 0);
    // A new entity of the class that fits a type `typDlaURL` found; nullptr for an empty one.
    static BytSystemuPlikow *bytSystemuPlikowDlaTypu(const QString &url, const QString &typ);
    // What a worker thread finds of a listed entry ahead of its entity, so that making the
    // entity costs the main thread no string work.
    struct Rozpoznanie
    {
        QString url;   // clean: the listed folder's URL and the name
        QString nazwa; // the last component as the entity shows it
        QString typ;
    };
    static Rozpoznanie rozpoznaj(const FolderListing::Wpis &wpis);
    // The entity `bytSystemuPlikowDlaTypu` would make; nullptr for an empty type.
    static BytSystemuPlikow *bytSystemuPlikowDlaRozpoznania(const Rozpoznanie &rozpoznanie);
    // A new folder entity; nullptr when something that is not a folder is there.
    static BytKatalogu *bytKataloguDlaURL(const QString &url);
    static bool urlIstnieje(const QString &url);
    // YES only for a real folder: a link to one is not.
    static bool urlToKatalog(const QString &url);
    // Creates the folder with any missing folders above it; an existing folder counts as success.
    static bool stworzKatalog(const QString &url);
    static void zaznaczUrlWFinderze(const QString &url);
    // NO with the reason in `blad` when no application opened it.
    static bool otworzUrlWDomyslnejAplikacji(const QString &url, BladOperacji *blad = nullptr);

    QString plikowyURL() const { return m_plikowyURL; }
    void setPlikowyURL(const QString &url);

    // Derived from the path, never from the disk, so sorting many items costs no system call.
    QString nazwaZlokalizowana() const;
    QString ostatniKomponentSciezki() const;
    QString rozszerzenieNazwy() const;
    bool maUkryteRozszerzenie() const { return false; }
    int kodEtykiety() const { return keBrak; }

    QString identyfikatorTypu() const;
    bool toKatalog() const;
    bool czyIstnieje() const;

    QIcon ikona();
    void setIkona(const QIcon &ikona);
    // Made again when the file changed since it was made: another program may edit it in place.
    QImage miniatura();
    QDateTime dataDolaczeniaDoKatalogu();
    void setDataDolaczeniaDoKatalogu(const QDateTime &data);

    virtual bool jestLisciem() { return true; }

    void zaznaczWFinderze() const;
    bool otworzWDomyslnejAplikacji(BladOperacji *blad = nullptr) const;
    // YES when the URL already is a folder; NO when something else is there.
    bool stworzKatalog();
    // Renames the item within its folder, never over another item.
    virtual bool zmienNazweBytuNaDyskuNa(const QString &nazwa, BladOperacji *blad = nullptr);

    virtual QString opiszKlase();
    static QString nazwaKoduEtykiety(int kod);

    BytKatalogu *katalogNadrzedny() const { return m_katalogNadrzedny; }
    Fasolka *zBytuSystemuPlikowDoFasolki() const { return m_zBytuSystemuPlikowDoFasolki; }
    Potok *potok() const { return m_potok; }

    QString previewItemURL() const override { return m_plikowyURL; }
    QString previewItemTitle() const override { return ostatniKomponentSciezki(); }

    static constexpr int najwiekszyBokMiniatury = 1024;

signals:
    void plikowyURLChanged(const QString &stary, const QString &nowy);
    void nazwaZlokalizowanaChanged();
    void ostatniKomponentSciezkiChanged();
    void rozszerzenieNazwyChanged();
    void maUkryteRozszerzenieChanged();
    void kodEtykietyChanged();
    void identyfikatorTypuChanged();
    void toKatalogChanged();
    void czyIstniejeChanged();
    void ikonaChanged();
    void miniaturaChanged();
    void dataDolaczeniaDoKataloguChanged();
    void jestLiscemChanged();
    void katalogNadrzednyChanged();
    void zBytuSystemuPlikowDoFasolkiChanged();
    void potokChanged();

protected:
    QString opisBytu();
    // Called on a change of the URL before anyone else hears of it.
    virtual void poZmianieUrla(const QString &stary) { Q_UNUSED(stary); }

private:
    friend struct RelacjeModelu;

    static BytSystemuPlikow *nowyDlaTypu(const QString &typ);

    QString m_plikowyURL;
    QString m_ostatniKomponentSciezki;
    QIcon m_ikona;
    QImage m_miniatura;
    QDateTime m_czasZmianyMiniatury; // the file's modification time the thumbnail shows
    QDateTime m_dataDolaczeniaDoKatalogu;
    BytKatalogu *m_katalogNadrzedny = nullptr;
    Fasolka *m_zBytuSystemuPlikowDoFasolki = nullptr;
    Potok *m_potok = nullptr;
};
