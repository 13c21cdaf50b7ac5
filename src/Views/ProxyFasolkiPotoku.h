#pragma once

#include "ListwaZakresu.h"
#include "ProxyListyFasolek.h"

#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/Potok.h"

#include <QPointer>

#include <memory>

// The flow view's list: the flow's beans in the scope of the bar that match the phrase, by name.
class ProxyFasolkiPotoku : public ProxyListyFasolek
{
    Q_OBJECT

public:
    explicit ProxyFasolkiPotoku(QObject *rodzic = nullptr);
    ~ProxyFasolkiPotoku() override;

    Potok *potok() const { return m_potok; }
    void setPotok(Potok *potok);
    ListwaZakresu *listwaZakresu() const { return m_listwaZakresu; }
    void setListwaZakresu(ListwaZakresu *listwa);
    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const { return m_kontrolerKartyPortfolio; }
    void setKontrolerKartyPortfolio(KontrolerKartyPortfolio *kontroler) { m_kontrolerKartyPortfolio = kontroler; }

    // Hands the tab's settings to the bar and copies the stored scope into it when it differs.
    void odczytajUstawienia();

protected:
    QList<QObject *> zbudujTablice(QString &tytul) const override;

private:
    QPointer<Potok> m_potok;
    QPointer<ListwaZakresu> m_listwaZakresu;
    QPointer<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
    std::unique_ptr<QObject> m_obserwacjaPotoku;
    std::unique_ptr<QObject> m_obserwacjaListwy;
};
