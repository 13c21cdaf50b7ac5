#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPaskiemNawigacji.h"
#include "Browser/UstawieniaKartyPortfolio.h"
#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/Potok.h"
#include "Model/SplotDanychBazyFasolek.h"
#include "Platform/Konsola.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/SplitView.h"
#include "Platform/UserDefaults.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/ListwaFiltra.h"
#include "Views/WidokWierszaPaskaNawigacji.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/PortfolioTestowe.h"

#include <QDir>
#include <QLayout>
#include <QPainter>
#include <QTest>

namespace {

class PasekNawigacjiTest : public PortfolioTestowe
{
protected:
    void zbuduj(const QStringList &potoki, bool zObserwatorem = false)
    {
        for (const QString &nazwa : potoki)
            katalog(QStringLiteral("All Beans/") + nazwa);
        katalog(QStringLiteral("Archived Beans"));
        if (zObserwatorem)
            ObserwatorZmianNaDysku::zainstaluj(0.05);
        baza = BazaFasolek::sharedBazaFasolek();
        baza->synchronizujZDyskiem();
    }
    void otworz(const QString &zapamietany)
    {
        UserDefaults::standard().setObject(QStringLiteral("KartaPortfolio.wybranyWidok"), zapamietany);
        karta = std::make_unique<KartaPortfolio>(rwpWidokNieokreslony);
        k = karta->kontrolerKartyPortfolio();
        pasek = k->kontrolerPaskaNawigacji();
        zarys = pasek->widokZaryseli();
        karta->view()->resize(900, 600);
        karta->view()->show();
        QCoreApplication::processEvents();
    }
    // "name height g(roup) s(electable)" per visible row.
    QStringList wiersze() const
    {
        QStringList wynik;
        for (int w = 0; zarys->indeksWiersza(w).isValid(); ++w) {
            const QModelIndex i = zarys->indeksWiersza(w);
            QObject *e = i.data(Qt::UserRole + 1).value<QObject *>();
            wynik << QStringLiteral("%1 %2%3%4")
                         .arg(i.data().toString())
                         .arg(zarys->visualRect(i).height())
                         .arg(KontrolerPaskaNawigacji::czyWierszGrupy(e) ? QStringLiteral(" g") : QString(),
                              (i.flags() & Qt::ItemIsSelectable) ? QStringLiteral(" s") : QString());
        }
        return wynik;
    }
    int wiersz(const QString &nazwa) const
    {
        for (int w = 0; zarys->indeksWiersza(w).isValid(); ++w) {
            if (zarys->indeksWiersza(w).data().toString() == nazwa)
                return w;
        }
        return -1;
    }
    void kliknij(int w)
    {
        QTest::mouseClick(zarys->viewport(), Qt::LeftButton, {}, zarys->visualRect(zarys->indeksWiersza(w)).center());
    }
    Potok *potok(const QString &nazwaKatalogu) const
    {
        for (Potok *p : baza->potoki().elementy()) {
            if (p->nazwaKatalogu() == nazwaKatalogu)
                return p;
        }
        return nullptr;
    }

    BazaFasolek *baza = nullptr;
    std::unique_ptr<KartaPortfolio> karta;
    KontrolerKartyPortfolio *k = nullptr;
    KontrolerPaskaNawigacji *pasek = nullptr;
    WidokZaryseliPaskaNawigacji *zarys = nullptr;
};

} // namespace

TEST_F(PasekNawigacjiTest, RowsOrderHeightsGroupsAndSelectableRows)
{
    const struct
    {
        QStringList potoki;
        QStringList wiersze;
    } przypadki[] = {
        {{"_Main_Flow", "b", "A"},
         {" 10", "IN WORK 19 g", "All Beans 30 s", "Main Flow 21 s", "A 21 s", "b 21 s", " 10", "ARCHIVED 19 g",
          "Archived Beans 30 s", " 10"}},
        {{"b", "A"},
         {" 10", "IN WORK 19 g", "All Beans 30 s", "A 21 s", "b 21 s", " 10", "ARCHIVED 19 g", "Archived Beans 30 s",
          " 10"}},
    };
    for (const auto &p : przypadki) {
        karta.reset();
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        QDir(R(QStringLiteral("All Beans"))).removeRecursively();
        zbuduj(p.potoki);
        // The database makes the main flow's folder when it starts: it goes afterwards.
        if (!p.potoki.contains(QStringLiteral("_Main_Flow"))) {
            ASSERT_TRUE(QDir(R(QStringLiteral("All Beans/_Main_Flow"))).removeRecursively());
            baza->synchronizujListePotokow();
            ASSERT_EQ(baza->potokGlowny(), nullptr);
        }
        otworz(QStringLiteral("All Beans"));
        EXPECT_EQ(wiersze(), p.wiersze) << p.potoki.join(',').toStdString();
    }
}

TEST_F(PasekNawigacjiTest, TheSelectionRoadWithThePortfolioTab)
{
    zbuduj({QStringLiteral("_Main_Flow"), QStringLiteral("Main Flow"), QStringLiteral("b")});
    otworz(QStringLiteral("b"));
    EXPECT_EQ(k->itemBiezacegoWidokuSzczeglow(), ItemWidoku(potok(QStringLiteral("b")))) << "a flow's name restored";

    kliknij(wiersz(QStringLiteral("All Beans")));
    EXPECT_EQ(k->itemBiezacegoWidokuSzczeglow(), ItemWidoku(NazwyWidokow::wszystkieFasolki));
    EXPECT_EQ(pasek->kontrolerAkcjeNaElemencie()->element(), baza);
    kliknij(wiersz(QStringLiteral("ARCHIVED")));
    EXPECT_EQ(pasek->nazwaZaznaczonegoElementu(), QStringLiteral("All Beans")) << "a header click selects nothing";
    kliknij(wiersz(QStringLiteral("Archived Beans")));
    EXPECT_EQ(pasek->kontrolerAkcjeNaElemencie()->element(), baza->archiwum());
    EXPECT_EQ(k->listaPoprzednichWidokow().size(), 2) << "one history entry per click";

    // The topical "Main Flow" is shown and stays highlighted; the main flow bears the same name.
    Potok *tematyczny = potok(QStringLiteral("Main Flow"));
    k->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(ItemWidoku(tematyczny), true);
    EXPECT_EQ(k->itemBiezacegoWidokuSzczeglow(), ItemWidoku(tematyczny));
    EXPECT_EQ(zarys->selectionModel()->selectedRows().value(0).data(Qt::UserRole + 1).value<QObject *>(), tematyczny);
    EXPECT_EQ(k->listaPoprzednichWidokow().size(), 3);

    const struct
    {
        QString nazwa;
        ItemWidoku item;
    } przywracane[] = {
        {QStringLiteral("Archived Beans"), ItemWidoku(NazwyWidokow::archiwum)},
        {QStringLiteral("Main Flow"), ItemWidoku(tematyczny)}, // the later of two rows
        {QStringLiteral("nothing"), ItemWidoku()},
    };
    for (const auto &p : przywracane) {
        otworz(p.nazwa);
        EXPECT_EQ(k->itemBiezacegoWidokuSzczeglow(), p.item) << p.nazwa.toStdString();
        EXPECT_LE(k->listaPoprzednichWidokow().size(), 0) << "one switch: " << p.nazwa.toStdString();
    }
}

TEST_F(PasekNawigacjiTest, AFlowNamedAllBeansIsRestoredOverTheAllBeansRow)
{
    zbuduj({QStringLiteral("_Main_Flow"), QStringLiteral("All Beans")});
    otworz(QStringLiteral("All Beans"));
    EXPECT_EQ(k->itemBiezacegoWidokuSzczeglow(), ItemWidoku(potok(QStringLiteral("All Beans"))));
    EXPECT_TRUE(k->listaPoprzednichWidokow().isEmpty());
}

TEST_F(PasekNawigacjiTest, TheBarFollowsFlowFoldersMadeAndRemovedByAnotherProgram)
{
    zbuduj({QStringLiteral("_Main_Flow"), QStringLiteral("b")}, true);
    otworz(QStringLiteral("b"));
    ASSERT_TRUE(QDir().mkdir(R(QStringLiteral("All Beans/A"))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return wiersz(QStringLiteral("A")) >= 0; }, czasNaZdarzenieMs));
    EXPECT_EQ(wiersz(QStringLiteral("A")), wiersz(QStringLiteral("Main Flow")) + 1) << "in name order";
    EXPECT_EQ(pasek->nazwaZaznaczonegoElementu(), QStringLiteral("b"));
    EXPECT_EQ(k->itemBiezacegoWidokuSzczeglow(), ItemWidoku(potok(QStringLiteral("b"))));

    ASSERT_TRUE(QDir(R(QStringLiteral("All Beans/A"))).removeRecursively());
    EXPECT_TRUE(QTest::qWaitFor([&] { return wiersz(QStringLiteral("A")) < 0; }, czasNaZdarzenieMs));
    EXPECT_GE(wiersz(QStringLiteral("b")), 0);
}

TEST_F(PasekNawigacjiTest, NodesCopyDeepShareFlowsAndRefuseForeignChildren)
{
    zbuduj({QStringLiteral("_Main_Flow"), QStringLiteral("b")});
    SplotDanychBazyFasolek zrodlo;
    zrodlo.setNazwa(QStringLiteral("x"));
    auto *wezel = new SplotBazowy;
    wezel->setNazwa(QStringLiteral("w"));
    zrodlo.setDzieciSplotu({potok(QStringLiteral("_Main_Flow")), potok(QStringLiteral("b")), wezel});
    const std::unique_ptr<SplotBazowy> kopia = zrodlo.kopia();
    ASSERT_TRUE(kopia);
    EXPECT_EQ(kopia->metaObject(), &SplotDanychBazyFasolek::staticMetaObject);
    const QList<QObject *> dzieci = kopia->dzieciSplotu();
    ASSERT_EQ(dzieci.size(), 3);
    EXPECT_EQ(dzieci.mid(0, 2), zrodlo.dzieciSplotu().mid(0, 2));
    EXPECT_NE(dzieci.at(2), wezel);
    EXPECT_EQ(qobject_cast<SplotBazowy *>(dzieci.at(2))->nazwa(), QStringLiteral("w"));

    QStringList linie;
    Konsola::ustawWyjscie([&linie](const QByteArray &linia) { linie << QString::fromUtf8(linia); });
    QObject obcy;
    zrodlo.dopiszDziecko(&obcy);
    EXPECT_EQ(zrodlo.kopia(), nullptr);
    Konsola::ustawWyjscie({});
    EXPECT_EQ(zrodlo.dzieciSplotu().size(), 4) << "the source stays as it was";
    ASSERT_EQ(linie.size(), 1);
    EXPECT_TRUE(linie.first().startsWith(QStringLiteral("Błąd: ")));

    ArchiwumPotoku archiwumPotoku;
    SplotDanychBazyFasolek splot;
    splot.setReprezentowanyObiekt(&archiwumPotoku);
    EXPECT_FALSE(splot.reprezentujeArchiwum());
    splot.setArchiwum(baza->archiwum());
    EXPECT_TRUE(splot.reprezentujeArchiwum());
}

TEST(RozdzielonyZPaskiemNawigacji, HidingShowingAndGivingWayToTheDetails)
{
    KartaPortfolio karta(rwpWidokArchiwum);
    KontrolerKartyPortfolio *k = karta.kontrolerKartyPortfolio();
    KontrolerWidokuRozdzielonegoZPaskiemNawigacji *r = k->kontrolerWidokuRozdzielonegoZPaskiemNawigacji();
    // The list views' own filter bars come later; one placed by hand stands for them.
    auto *listwa = new ListwaFiltra(nullptr);
    k->widokDlaListwyFiltra()->layout()->addWidget(listwa);
    karta.view()->setFixedSize(1100, 500);
    karta.view()->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // the strip's new height travels up one layout a turn
    QWidget *pasekNarzedzi = r->widokPaskaNarzedzi();
    ASSERT_TRUE(pasekNarzedzi && r->widokRozdzielonyListwyFiltra());
    EXPECT_FALSE(pasekNarzedzi->isVisible());
    EXPECT_EQ(listwa->height(), listwa->sizeHint().height()) << "the strip is as tall as the filter bar";
    r->setSzerokoscPaskaNawigacji(240);
    EXPECT_DOUBLE_EQ(k->ustawieniaKarty()->szerokoscPaskaNawigacji(), 240);

    r->setCzyWidocznyPasekNawigacji(false);
    QCoreApplication::processEvents();
    EXPECT_FALSE(k->ustawieniaKarty()->czyWidocznyPasekNawigacji());
    EXPECT_TRUE(k->widokNaZakladke()->isVisible()) << "the 27-point strip";
    EXPECT_TRUE(pasekNarzedzi->isVisible()) << "the tool strip";
    EXPECT_EQ(pasekNarzedzi->width(), 73);
    EXPECT_EQ(listwa->mapTo(r->widokRozdzielonyListwyFiltra(), QPoint()).x(), 73) << "the filter bar moves aside";
    EXPECT_DOUBLE_EQ(k->ustawieniaKarty()->szerokoscPaskaNawigacji(), 240) << "the last open width";

    r->setCzyWidocznyPasekNawigacji(true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(k->ustawieniaKarty()->czyWidocznyPasekNawigacji());
    EXPECT_FALSE(k->widokNaZakladke()->isVisible());
    EXPECT_FALSE(pasekNarzedzi->isVisible());
    EXPECT_EQ(listwa->mapTo(r->widokRozdzielonyListwyFiltra(), QPoint()).x(), 0);
    EXPECT_DOUBLE_EQ(r->szerokoscPaskaNawigacji(), 240);

    // 1100 wide: the details keep 635 while the bar can stay at 175 or more.
    r->setSzerokoscPaskaNawigacji(500);
    const double podzial = r->widokRozdzielony()->dividerThickness();
    EXPECT_DOUBLE_EQ(r->szerokoscPaskaNawigacji(), r->szerokoscWidokuRozdzielonego() - 635 - podzial);
    karta.view()->setFixedSize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_LT(r->szerokoscWidokuRozdzielonego() - r->szerokoscPaskaNawigacji() - podzial, 635)
        << "below 175 the details shrink";
    EXPECT_GE(r->szerokoscPaskaNawigacji(), 175);
    EXPECT_DOUBLE_EQ(r->splitViewConstrainMaxCoordinateOfSubviewAt(r->widokRozdzielony(), 0, 0),
                     r->szerokoscWidokuRozdzielonego() / 2);
}

TEST(WierszPaskaNawigacji, TheDropFrameAndTheInactiveSelection)
{
    QImage czarny(1, 30, QImage::Format_ARGB32);
    czarny.fill(Qt::black);
    for (const char *czesc : {"Lewe", "Srodek", "Prawe"})
        ObrazyAplikacji::podstaw(QStringLiteral("PasekNawigacji-ZaznaczenieNieaktywne-") + QLatin1String(czesc),
                                 czarny);
    const struct
    {
        bool zaznaczony, cel;
        QRgb srodek, brzeg;
    } przypadki[] = {
        {false, true, QColor::fromHsvF(0.21944444444444444, 0.52, 0.85).rgb(),
         QColor::fromHsvF(0.21944444444444444, 0.52, 0.4).rgb()},
        {true, true, qRgb(102, 102, 102), qRgb(255, 255, 255)}, // black at 0.6 over white; a white outline
        {true, false, qRgb(102, 102, 102), qRgb(102, 102, 102)},
    };
    for (const auto &p : przypadki) {
        QImage obraz(100, 30, QImage::Format_ARGB32);
        obraz.fill(Qt::white);
        QPainter malarz(&obraz);
        if (p.zaznaczony)
            WidokWierszaPaskaNawigacji::rysujMazaneZaznaczenie(malarz, obraz.rect(), false);
        if (p.cel)
            WidokWierszaPaskaNawigacji::rysujRamkeZaznaczona(malarz, obraz.rect(), p.zaznaczony);
        malarz.end();
        // Blending rounds either way.
        const auto blisko = [](QRgb a, QRgb b) {
            return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1
                   && std::abs(qBlue(a) - qBlue(b)) <= 1;
        };
        EXPECT_TRUE(blisko(obraz.pixel(50, 15), p.srodek)) << p.zaznaczony << p.cel;
        EXPECT_TRUE(blisko(obraz.pixel(50, 1), p.brzeg)) << p.zaznaczony << p.cel;
    }
    for (const char *czesc : {"Lewe", "Srodek", "Prawe"})
        ObrazyAplikacji::podstaw(QStringLiteral("PasekNawigacji-ZaznaczenieNieaktywne-") + QLatin1String(czesc), {});
}
