#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

// A row of the navigation bar that exists only for the bar: a separator, a header or a static
// entry. Flows and beans stand in the same tree as themselves. The node owns the nodes among its
// children; flows among them are only referred to.
class SplotBazowy : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit SplotBazowy(QObject *rodzic = nullptr);
    ~SplotBazowy() override;

    virtual QString nazwa() const { return m_nazwa; }
    void setNazwa(const QString &nazwa) { m_nazwa = nazwa; }
    virtual QIcon ikona() const { return m_ikona; }
    void setIkona(const QIcon &ikona) { m_ikona = ikona; }
    // Null: the row shows `ikona` while selected too.
    QIcon ikonaZaznaczona() const { return m_ikonaZaznaczona; }
    void setIkonaZaznaczona(const QIcon &ikona) { m_ikonaZaznaczona = ikona; }
    virtual bool splotJestLisciem() const { return m_splotJestLisciem; }
    void setSplotJestLisciem(bool lisc) { m_splotJestLisciem = lisc; }

    virtual QList<QObject *> dzieciSplotu();
    virtual void setDzieciSplotu(const QList<QObject *> &dzieci);
    // A node without a parent appended here becomes this node's own.
    void dopiszDziecko(QObject *dziecko);

    QObject *reprezentowanyObiekt() const { return m_reprezentowanyObiekt; }
    void setReprezentowanyObiekt(QObject *obiekt) { m_reprezentowanyObiekt = obiekt; }
    QString widokSzczegolow() const { return m_widokSzczegolow; }
    void setWidokSzczegolow(const QString &widok) { m_widokSzczegolow = widok; }
    // Empty: "WidokKomorkiDanych".
    QString identyfikatorWidokuKomorki() const { return m_identyfikatorWidokuKomorki; }
    void setIdentyfikatorWidokuKomorki(const QString &identyfikator) { m_identyfikatorWidokuKomorki = identyfikator; }
    bool czyMaZaznaczycWiersz() const { return m_czyMaZaznaczycWiersz; }
    void setCzyMaZaznaczycWiersz(bool czy) { m_czyMaZaznaczycWiersz = czy; }

    // A node of this node's own class: the same flows, copies of the child nodes. A child that is
    // neither gives no copy and a console line; this node stays as it was.
    std::unique_ptr<SplotBazowy> kopia() const;

private:
    void skopiujWlasciwosciZ(const SplotBazowy &inny);
    void zwolnijDzieci();

    QString m_nazwa;
    QIcon m_ikona;
    QIcon m_ikonaZaznaczona;
    bool m_splotJestLisciem = true;
    QList<QPointer<QObject>> m_dzieci;
    QList<QPointer<SplotBazowy>> m_wlasneDzieci;
    QPointer<QObject> m_reprezentowanyObiekt;
    QString m_widokSzczegolow;
    QString m_identyfikatorWidokuKomorki;
    bool m_czyMaZaznaczycWiersz = true;
};
