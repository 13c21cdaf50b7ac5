#pragma once

#include "ListwaZakresu.h"
#include "ProxyListyFasolek.h"

#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/BazaFasolek.h"

#include <QPointer>

#include <memory>

// The All Beans list: the beans of every flow in the scope that match the phrase, either in
// groups headed by their flow (the main flow first) or interleaved by name.
class ProxyWszystkieFasolki : public ProxyListyFasolek
{
    Q_OBJECT

public:
    explicit ProxyWszystkieFasolki(QObject *rodzic = nullptr);
    ~ProxyWszystkieFasolki() override;

    BazaFasolek *bazaFasolek() const { return m_bazaFasolek; }
    void setBazaFasolek(BazaFasolek *baza);
    ListwaZakresu *listwaZakresu() const { return m_listwaZakresu; }
    // A new bean needs a flow, which the list shows only when it is divided into flows.
    bool czyPodzialNaPotoki() const;
    void setListwaZakresu(ListwaZakresu *listwa);
    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const { return m_kontrolerKartyPortfolio; }
    void setKontrolerKartyPortfolio(KontrolerKartyPortfolio *kontroler) { m_kontrolerKartyPortfolio = kontroler; }

    // The beans of the list, flow header rows not counted.
    qsizetype liczbaFasolek();

    // Hands the tab's settings to the bar and copies the stored division and scope into it when
    // they differ.
    void odczytajUstawienia();

signals:
    void liczbaFasolekChanged();

protected:
    QList<QObject *> zbudujTablice(QString &tytul) const override;

private:
    // The flows' names and kinds decide the order of the groups.
    void obserwujPotoki();

    QPointer<BazaFasolek> m_bazaFasolek;
    QPointer<ListwaZakresu> m_listwaZakresu;
    QPointer<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
    std::unique_ptr<QObject> m_obserwacjaBazy;
    std::unique_ptr<QObject> m_obserwacjaPotokow;
    std::unique_ptr<QObject> m_obserwacjaListwy;
    mutable qsizetype m_liczbaFasolek = 0;
};
