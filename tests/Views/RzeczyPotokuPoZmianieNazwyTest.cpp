#include "Support/Ui/UruchomionyProgram.h"

#include "Browser/ItemWidoku.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/BazaFasolek.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/FolderListing.h"
#include "Platform/Paths.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"

namespace {

class RzeczyPotokuPoZmianieNazwy : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        plik(QStringLiteral("All Beans/Potok 0001/_Flow_Items/rzecz.txt"));
        katalog(QStringLiteral("All Beans/Potok 0001/_Flow_Items/teczka"));
    }

    // The folders of the window's visible outlines; with `rozbiezne`, each outline whose rows are not
    // the entries its folder holds on disk.
    QStringList pokazaneKatalogi(QStringList *rozbiezne) const
    {
        QStringList katalogi;
        for (auto *zarys : m_okno->findChildren<WidokZaryseliRzeczyKatalogu *>()) {
            auto *drzewo = qobject_cast<KontrolerDrzewa *>(zarys->model());
            if (!zarys->isVisible() || !drzewo || !drzewo->katalog())
                continue;
            const QString katalog = drzewo->katalog()->plikowyURL();
            katalogi << katalog;
            QStringList naDysku, pokazane;
            for (const FolderListing::Wpis &wpis : FolderListing::list(katalog).wpisy)
                naDysku << wpis.sciezka;
            for (WezelDrzewa *wezel : drzewo->korzen()->childNodes())
                if (wezel->byt())
                    pokazane << wezel->byt()->plikowyURL();
            naDysku.sort();
            pokazane.sort();
            if (pokazane != naDysku)
                *rozbiezne << katalog + QStringLiteral(" shows [") + pokazane.join(", ")
                                  + QStringLiteral("], the disk holds [") + naDysku.join(", ") + u']';
        }
        return katalogi;
    }
};

} // namespace

// The flow items outline of a flow view and of a bean view follows the flow the user renames, also
// while its first read is under way; renamed by another program, the flow is gone and so are the
// views that showed it: no outline keeps the rows of a folder that is no longer there.
TEST_F(RzeczyPotokuPoZmianieNazwy, TheFlowItemsOutlineFollowsARenamedFlowOrGoesWithIt)
{
    const struct
    {
        const char *opis;
        bool widokFasolki;
        bool uzytkownik;
        bool podczasOdczytu; // renamed before the outline's first read came in
    } przypadki[] = {
        {"flow view, renamed by the user", false, true, false},
        {"flow view, renamed by the user while read", false, true, true},
        {"flow view, renamed by another program", false, false, false},
        {"bean view, renamed by the user", true, true, false},
        {"bean view, renamed by the user while read", true, true, true},
        {"bean view, renamed by another program", true, false, false},
    };
    QString nazwa = QStringLiteral("Potok 0001");
    int numer = 0;
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.opis);
        if (!baza()->znajdzPotokONazwie(nazwa)) {
            // Another program took the last one away: it brings one back.
            katalog(QStringLiteral("All Beans/") + nazwa + QStringLiteral("/_Flow_Items/teczka"));
            plik(QStringLiteral("All Beans/") + nazwa + QStringLiteral("/_Flow_Items/rzecz.txt"));
            plik(QStringLiteral("All Beans/") + nazwa + QStringLiteral("/Fasolka.txt"));
            ASSERT_TRUE(QTest::qWaitFor([&] { return baza()->znajdzPotokONazwie(nazwa); }, 5000));
        }
        Potok *potok = baza()->znajdzPotokONazwie(nazwa);
        ASSERT_FALSE(potok->fasolki().elementy().isEmpty());
        KontrolerKartyPortfolio *karta = kartaPortfolio()->kontrolerKartyPortfolio();
        if (p.widokFasolki)
            karta->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(
                ItemWidoku(potok->fasolki().elementy().constFirst()), true);
        else
            karta->pokazPotokWPortfolio(potok);
        const QString stary = R(QStringLiteral("All Beans/") + nazwa + QStringLiteral("/_Flow_Items"));
        QStringList rozbiezne;
        if (!p.podczasOdczytu) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    rozbiezne.clear();
                    return pokazaneKatalogi(&rozbiezne).contains(stary) && rozbiezne.isEmpty();
                },
                5000))
                << qPrintable(rozbiezne.join(u'\n'));
        }

        nazwa = QStringLiteral("Potok R%1").arg(++numer);
        const QString nowy = R(QStringLiteral("All Beans/") + nazwa + QStringLiteral("/_Flow_Items"));
        if (p.uzytkownik) {
            BladOperacji blad;
            ASSERT_TRUE(potok->zmienNazwePotokuNaDysku(nazwa, &blad)) << qPrintable(blad.przyczyna);
        } else {
            ASSERT_TRUE(QFile::rename(Paths::parent(stary), Paths::parent(nowy)));
        }
        QStringList katalogi;
        const bool ustalone = QTest::qWaitFor(
            [&] {
                rozbiezne.clear();
                katalogi = pokazaneKatalogi(&rozbiezne);
                return rozbiezne.isEmpty() && !katalogi.contains(stary) && katalogi.contains(nowy) == p.uzytkownik;
            },
            5000);
        EXPECT_TRUE(ustalone) << "outlines of [" << qPrintable(katalogi.join(", ")) << "]\n"
                              << qPrintable(rozbiezne.join(u'\n'));
        if (!p.widokFasolki && p.uzytkownik) {
            // The flow's folder icon drags the folder where it lies now, never whatever takes the old name.
            auto *ikona = pierwszyWidoczny<IkonaZPrzeciaganymFolderem>();
            ASSERT_NE(ikona, nullptr);
            EXPECT_EQ(ikona->plikowyURL().toStdString(), Paths::parent(nowy).toStdString());
        }
    }
}
