#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"
#include "Widgets/GreenDropBorderView.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/WhitePaperTableView.h"
#include "Widgets/ZieloneZaznaczenie.h"

#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/ZrzutOkna.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QHeaderView>
#include <QTest>

// A paper list of a generated flow's beans, three selected and the drop border shown, on a
// real X server; the screenshot is for people to look at.
TEST(TabelaPapierowaXvfbTest, APaperListOfBeansWithASelectionAndTheDropBorder)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    ZieloneZaznaczenie::zastosujDoPaletyAplikacji();
    KatalogTestowy baza;
    // Portfolio tabs opened earlier in this process built a graph of their own.
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    ASSERT_TRUE(GeneratorPortfolio::zbuduj(baza.sciezka(), {.potoki = 2, .fasolkiNaPotok = 40}).udany);
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(baza.sciezka()));
    Potok *potok = BazaFasolek::sharedBazaFasolek()->potokGlowny();
    ASSERT_NE(potok, nullptr);

    KontrolerTablicy kontroler;
    kontroler.ustawTytulyKolumn({QStringLiteral("Name"), QStringLiteral("Status")});
    kontroler.ustawDaneKomorki([](QObject *obiekt, int kolumna, int rola) -> QVariant {
        auto *fasolka = qobject_cast<Fasolka *>(obiekt);
        if (rola != Qt::DisplayRole || !fasolka)
            return {};
        return kolumna == 0 ? fasolka->nazwa() : Fasolka::tekstowyStatusFasolki(fasolka->statusFasolki());
    });
    WhitePaperTableView tabela;
    tabela.setGridStyleMask(WidokPapierowy::SolidHorizontalGridLineMask);
    tabela.setKontrolerTablicy(&kontroler);
    QList<QObject *> fasolki;
    for (Fasolka *fasolka : potok->fasolki())
        fasolki.append(fasolka);
    kontroler.ustawTresc(fasolki.mid(0, 30));
    kontroler.setSelectedObjects({fasolki[2], fasolki[3], fasolki[7]});
    tabela.resize(520, 560);
    tabela.header()->resizeSection(0, 300);
    tabela.addAndSetUpBorderView();
    tabela.show();
    tabela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tabela));
    tabela.setFocus();
    tabela.showBorder(true);
    const QImage zrzut = zrzutOkna(&tabela, QStringLiteral("paper-table.png"));

    ASSERT_EQ(zrzut.width(), tabela.width()) << "the checks below count one pixel per point";
    const QRgb zielen = ZieloneZaznaczenie::alternateSelectedControlColor().rgb();
    EXPECT_EQ(zrzut.pixel(1, 300), zielen) << "the border's left side";
    EXPECT_EQ(zrzut.pixel(200, 27), zielen) << "the border's top, just under the header";
    EXPECT_EQ(qRed(zrzut.pixel(0, 0)), 209) << "the dotted line along the header's top";
}
