#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Platform/PreviewItem.h"
#include "Platform/Ui/PreviewPanelDataSource.h"
#include "Platform/Ui/WidokObrazuPodgladu.h"
#include "Platform/Ui/WidokPodgladuPliku.h"
#include "Platform/Ui/WindowRegistry.h"

#include "Support/KatalogTestowy.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

struct ElementPodgladu : PreviewItem
{
    ElementPodgladu(const QString &url, const QString &tytul)
        : m_url(url)
        , m_tytul(tytul)
    {
    }
    QString previewItemURL() const override { return m_url; }
    QString previewItemTitle() const override { return m_tytul; }
    QString m_url, m_tytul;
};

// A focusable list of files that the panel may show; it counts the panel's begin and end.
class ListaPodgladu : public QLineEdit, public PreviewPanelDataSource
{
public:
    explicit ListaPodgladu(QWidget *rodzic)
        : QLineEdit(rodzic)
    {
    }
    int numberOfPreviewItemsInPreviewPanel(PanelSzybkiegoPrzegladu *) override { return int(elementy.size()); }
    PreviewItem *previewPanelPreviewItemAtIndex(PanelSzybkiegoPrzegladu *, int indeks) override
    {
        return &elementy[indeks];
    }
    void beginPreviewPanelControl(PanelSzybkiegoPrzegladu *) override { ++poczatki; }
    void endPreviewPanelControl(PanelSzybkiegoPrzegladu *) override { ++konce; }

    QList<ElementPodgladu> elementy;
    int poczatki = 0, konce = 0;
};

QString tekstEtykiety(const char *nazwa)
{
    return PanelSzybkiegoPrzegladu::wspolny()->findChild<QLabel *>(QLatin1String(nazwa))->text();
}

} // namespace

TEST(PanelSzybkiegoPrzegladu, ShowsTheFocusedSourcesItemsOneAtATimeEachByItsKind)
{
    PanelSzybkiegoPrzegladu::ukryjWspolny();
    EXPECT_FALSE(PanelSzybkiegoPrzegladu::istnieje()) << "hiding a panel never made does not make it";

    KatalogTestowy dir;
    QImage obraz(40, 30, QImage::Format_RGB32);
    obraz.fill(Qt::red);
    const QString png = dir.sciezka(QStringLiteral("zdjecie.png"));
    ASSERT_TRUE(obraz.save(png, "PNG"));
    const QString txt = dir.plik(QStringLiteral("notatki.txt"), QByteArray(63, 'a').append('\n').repeated(300 * 16));
    const QString katalog = dir.katalog(QStringLiteral("Projekt"));
    for (const char *nazwa : {"Projekt/a", "Projekt/b", "Projekt/c"})
        dir.plik(QLatin1String(nazwa));
    const QString pdf = dir.plik(QStringLiteral("raport.pdf"), "%PDF-1.4");

    WindowRegistry::instance();
    QWidget okno;
    auto *uklad = new QVBoxLayout(&okno);
    auto *pliki = new ListaPodgladu(&okno), *inne = new ListaPodgladu(&okno);
    uklad->addWidget(pliki);
    uklad->addWidget(inne);
    pliki->elementy = {{png, "Zdjęcie"}, {txt, "Notatki"}, {katalog, "Projekt"}, {pdf, "Raport"}};
    inne->elementy = {{katalog, "Inny projekt"}};
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    pliki->setFocus();

    PanelSzybkiegoPrzegladu::pokazWspolny();
    PanelSzybkiegoPrzegladu *panel = PanelSzybkiegoPrzegladu::wspolny();
    EXPECT_EQ(panel->zrodloDanych(), pliki);
    EXPECT_EQ(QApplication::activeWindow(), &okno) << "the panel takes no focus";
    const struct
    {
        WidokPodgladuPliku::Rodzaj rodzaj;
        const char *tytul;
    } kroki[] = {
        {WidokPodgladuPliku::Rodzaj::Obraz, "Zdjęcie"},   {WidokPodgladuPliku::Rodzaj::Tekst, "Notatki"},
        {WidokPodgladuPliku::Rodzaj::Katalog, "Projekt"}, {WidokPodgladuPliku::Rodzaj::Inny, "Raport"},
        {WidokPodgladuPliku::Rodzaj::Inny, "Raport"}, // no step past the last
    };
    for (const auto &krok : kroki) {
        EXPECT_EQ(panel->widokPodgladu()->rodzaj(), krok.rodzaj) << krok.tytul;
        EXPECT_EQ(tekstEtykiety("tytulPodgladu"), QString::fromUtf8(krok.tytul));
        panel->nastepnyElement();
    }
    EXPECT_EQ(tekstEtykiety("nazwaPodgladu"), "raport.pdf");
    EXPECT_TRUE(tekstEtykiety("szczegolyPodgladu").startsWith(QLatin1String("8 bytes\nModified ")));
    panel->poprzedniElement();
    EXPECT_EQ(tekstEtykiety("szczegolyPodgladu"), "3 items");
    panel->poprzedniElement();
    EXPECT_EQ(panel->findChild<QPlainTextEdit *>()->toPlainText().size(), WidokPodgladuPliku::najwiecejBajtowTekstu);
    panel->poprzedniElement();
    EXPECT_EQ(panel->findChild<WidokObrazuPodgladu *>()->obraz().size(), QSize(40, 30));

    inne->setFocus();
    EXPECT_EQ(panel->zrodloDanych(), inne);
    EXPECT_EQ(tekstEtykiety("tytulPodgladu"), "Inny projekt");
    EXPECT_EQ(pliki->konce, 1);
    EXPECT_EQ(inne->poczatki, 1);
    inne->elementy.clear();
    panel->reloadData();
    EXPECT_EQ(panel->widokPodgladu()->rodzaj(), WidokPodgladuPliku::Rodzaj::Brak);
    EXPECT_EQ(tekstEtykiety("tytulPodgladu"), QString());
    PanelSzybkiegoPrzegladu::ukryjWspolny();
    EXPECT_FALSE(panel->isVisible());
}
