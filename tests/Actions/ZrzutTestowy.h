#pragma once

#include "Model/OperacjeTestowe.h"

#include "Actions/KontrolerPrzeciagnieciaIZrzutu.h"
#include "Support/Ui/NagrywarkaAlertow.h"

// A portfolio with beans of every kind of place, a file from outside it and folders in a flow's
// items, with the alerts of the drops recorded.
class ZrzutTestowy : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        katalog(QStringLiteral("All Beans/_Main_Flow"));
        katalog(QStringLiteral("All Beans/Play"));
        plik(QStringLiteral("All Beans/Work/aktywna.txt"), "A");
        plik(QStringLiteral("All Beans/Work/_Waiting_For/czeka.txt"), "C");
        plik(QStringLiteral("All Beans/Work/_Done/zrobiona.txt"));
        plik(QStringLiteral("All Beans/Work/_Flow_Items/A/B/b.txt"));
        plik(QStringLiteral("All Beans/Work/_Flow_Items/A/a.txt"));
        plik(QStringLiteral("Archived Beans/Work/stara.txt"), "S");
        m_zewnetrzny = m_baza.plik(QStringLiteral("Poza/nowy.txt"), "N");
        baza();
    }

    // The folder entity at a path below Work's "_Flow_Items", its children read on the way.
    BytKatalogu *rzeczy(const QString &wzgledna)
    {
        BytKatalogu *katalog = potok(QStringLiteral("Work"))->katalogRzeczyPotoku();
        for (const QString &nazwa : wzgledna.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            katalog->bytyWewnetrzne();
            katalog = qobject_cast<BytKatalogu *>(katalog->znajdzBytZOstatnimKomponentemSciezki(nazwa));
        }
        return katalog;
    }

    static InformacjaOPrzeciaganiu informacja(const QStringList &urle, Qt::DropActions akcje,
                                              Qt::KeyboardModifiers klawisze = {})
    {
        InformacjaOPrzeciaganiu wynik{{}, akcje, klawisze};
        for (const QString &url : urle)
            wynik.urle.append(QUrl::fromUserInput(url));
        return wynik;
    }

    // A drop carried out as a view does it; answers the engine's result.
    bool zrzuc(QObject *odbiorca, const QStringList &sciezki, Qt::DropAction operacja = Qt::MoveAction,
               QList<BytSystemuPlikow *> *nowe = nullptr)
    {
        KontrolerPrzeciagnieciaIZrzutu silnik(odbiorca, operacja);
        silnik.pobierzUrleZeSchowkaDlaWidokuUrleZeSchowka(informacja(sciezki, operacja), nullptr);
        const bool udany = silnik.wykonajOperacjeNaZrzuconychRzeczachIZwrocNoweElementy(nowe);
        if (!udany)
            silnik.wyswietlInformacjeOBledach();
        return udany;
    }

    QString m_zewnetrzny;
    NagrywarkaAlertow m_alerty;
};
