#pragma once

#include <QList>
#include <QObject>
#include <QString>

class ArchiwumPotoku;
class Fasolka;
class ListwaZakresu;
class Potok;

// What the three bean list providers share: the search phrase, the column title, and a list
// kept between changes. Own changes (scope, division, phrase, the object shown) recompute at
// once; model notices only mark the list stale and recompute it once, on the next turn of the
// event loop, so a command on a thousand beans costs one recompute. A read of a stale list
// recomputes first. Every notice says why the list changed, and the list views decide by it
// whether rows that enter it are selected.
class ProxyListyFasolek : public QObject
{
    Q_OBJECT

public:
    enum class PowodZmiany {
        WlasnaZmiana,      // scope, division, phrase or the object shown
        ZmianaModelu,      // a command of this program
        PartiaObserwatora, // another program's change, applied by the disk watcher
    };
    Q_ENUM(PowodZmiany)

    // An empty phrase is no phrase; the phrase is used as typed, not trimmed.
    QString frazaFiltra() const { return m_frazaFiltra; }
    void setFrazaFiltra(const QString &fraza);
    QString tytulKolumny() const { return m_tytulKolumny; }
    // Beans and, in the divided lists, the flow or flow archive heading each group.
    QList<QObject *> tablica();
    // The bean's name contains the phrase, without regard to case and accents.
    bool pasujeDoFrazy(const Fasolka *fasolka) const;

signals:
    void tablicaChanged(ProxyListyFasolek::PowodZmiany powod);
    void tytulKolumnyChanged();

protected:
    explicit ProxyListyFasolek(QObject *rodzic = nullptr);

    // The list and the column title from the model as it is now.
    virtual QList<QObject *> zbudujTablice(QString &tytul) const = 0;
    // Before an own change is recomputed; `sciezkaKlucza` names what changed.
    virtual void przedZmianaWlasna(const QString &sciezkaKlucza) { (void)sciezkaKlucza; }

    void zmianaWlasna(const QString &sciezkaKlucza);
    void zmianaModelu();

    // The word of the title and the title forms.
    static QString tytulZLiczbami(bool zFraza, qsizetype pokazane, qsizetype wszystkie);
    static QString tytulArchiwum(bool zFraza, qsizetype pokazane);

    bool maFraze() const { return !m_frazaFiltra.isEmpty(); }
    // The beans of the flow in the scope (none without a bar) that match the phrase.
    QList<Fasolka *> fasolkiWZakresie(const Potok *potok, const ListwaZakresu *listwa) const;
    qsizetype liczbaPasujacych(const QList<Fasolka *> &fasolki) const;

    // By name as the list order has it; names that compare equal by path, so the order is stable.
    static void posortujPoNazwie(QList<Fasolka *> &fasolki);
    // The main flow (or its archive) first, then by name.
    static void posortujGrupy(QList<Potok *> &potoki);
    static void posortujGrupy(QList<ArchiwumPotoku *> &archiwa);

private:
    void przelicz();
    void ogloszZmianeModelu();

    QString m_frazaFiltra;
    QString m_zlozonaFraza;
    QString m_tytulKolumny;
    QList<QObject *> m_tablica;
    bool m_nieaktualna = true;
    bool m_ogloszenieOczekuje = false;
    bool m_zaplanowane = false;
    bool m_zmianaSpozaPartii = false;
};
