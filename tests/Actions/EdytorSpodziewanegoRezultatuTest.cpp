#include "Model/OperacjeTestowe.h"

#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/KontrolerEdytoraSpodziewanegoRezultatu.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/Ui/NagrywarkaAlertow.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <sys/stat.h>

namespace {

// A folder bean's editor in a 400-high split, with a field below to take the focus.
class EdytorSpodziewanegoRezultatuTest : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), {.potoki = 3, .fasolkiNaPotok = 12}).udany);
        for (Fasolka *f : potok(QStringLiteral("Potok 0001"))->fasolki()) {
            if (f->jestZKatalogiem())
                m_fasolki << f;
        }
        ASSERT_GE(m_fasolki.size(), 2);
        auto *uklad = new QVBoxLayout(&m_okno);
        uklad->addWidget(m_podzial);
        uklad->addWidget(m_gdzieIndziej);
        m_podzial->addSubview(m_kontroler.view());
        m_podzial->addSubview(new QWidget);
        m_kontroler.setWidokRozdzielony(m_podzial);
        m_kontroler.setFasolka(m_fasolki[0]);
        m_okno.resize(300, 440);
        m_podzial->setFixedHeight(400);
        m_okno.show();
        m_okno.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_okno));
        m_kontroler.zwinWidokZEdytorem(true);
    }

    QString plik(int i = 0) const { return QDir(url(m_fasolki[i])).filePath(QStringLiteral("expected outcome.txt")); }
    EdytorSpodziewanegoRezultatu *e() { return m_kontroler.edytor(); }
    void klawisz(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(e(), k, m); }
    // Anything but the background right of the cursor: only the placeholder draws there in an empty text.
    bool zastepnikWidoczny()
    {
        e()->viewport()->repaint();
        QImage obraz = e()->viewport()->grab(QRect(10, 0, 70, 14)).toImage(), tlo = obraz;
        tlo.fill(e()->palette().color(QPalette::Base));
        return obraz != tlo;
    }
    static std::optional<QByteArray> zawartosc(const QString &sciezka)
    {
        QFile f(sciezka);
        return f.open(QIODevice::ReadOnly) ? std::optional(f.readAll()) : std::nullopt;
    }

    QList<Fasolka *> m_fasolki;
    QWidget m_okno;
    SplitView *m_podzial = new SplitView(Qt::Vertical);
    QLineEdit *m_gdzieIndziej = new QLineEdit;
    KontrolerEdytoraSpodziewanegoRezultatu m_kontroler;
    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(EdytorSpodziewanegoRezultatuTest, EditingStartsSavesCancelsAndKeepsWhatWasTyped)
{
    ASSERT_FALSE(zawartosc(plik()));
    EXPECT_TRUE(zastepnikWidoczny());
    const auto wpiszINbsp = [&] {
        QTest::keyClicks(e(), QStringLiteral("a\u00A0b"));
        klawisz(Qt::Key_Return, Qt::AltModifier);
        QTest::keyClicks(e(), "c");
    };
    const struct
    {
        const char *przypadek;
        std::function<void()> wejscie, czynnosc;
        std::optional<QByteArray> plik;
        bool edycja;
    } przypadki[] = {
        {"Return edits, typing with Alt+Return saves byte for byte", [&] { klawisz(Qt::Key_Return); },
         [&] {
             wpiszINbsp();
             klawisz(Qt::Key_Return);
         },
         QStringLiteral("a\u00A0b\nc").toUtf8(), false},
        {"double-click edits, the focus leaving saves", [&] { QTest::mouseDClick(e()->viewport(), Qt::LeftButton); },
         [&] {
             e()->selectAll();
             QTest::keyClicks(e(), "x");
             m_gdzieIndziej->setFocus();
         },
         "x", false},
        {"the emptied text deletes the file", [&] { klawisz(Qt::Key_Return); },
         [&] {
             e()->selectAll();
             klawisz(Qt::Key_Delete);
             klawisz(Qt::Key_Return);
         },
         std::nullopt, false},
        {"Escape restores the stored text", [&] { klawisz(Qt::Key_Enter); },
         [&] {
             QTest::keyClicks(e(), "zz");
             klawisz(Qt::Key_Escape);
         },
         std::nullopt, false},
        {"arrows and Home move the cursor", [&] { klawisz(Qt::Key_Return); },
         [&] {
             QTest::keyClicks(e(), "ab");
             klawisz(Qt::Key_Left);
             QTest::keyClicks(e(), "1");
             klawisz(Qt::Key_Home);
             QTest::keyClicks(e(), "2");
         },
         std::nullopt, true},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.przypadek);
        p.wejscie();
        EXPECT_TRUE(m_kontroler.jestWTrybeEdycji());
        EXPECT_TRUE(e()->hasFocus());
        EXPECT_TRUE(!e()->toPlainText().isEmpty() || !zastepnikWidoczny());
        p.czynnosc();
        EXPECT_EQ(zawartosc(plik()), p.plik);
        EXPECT_EQ(m_kontroler.jestWTrybeEdycji(), p.edycja);
        EXPECT_TRUE(!p.edycja || e()->toPlainText() == "2a1b");
        m_kontroler.anulujEdycje();
        m_okno.activateWindow();
        e()->setFocus();
    }
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
    EXPECT_TRUE(zastepnikWidoczny());
}

TEST_F(EdytorSpodziewanegoRezultatuTest, AnUnchangedSaveWritesNothingAndABeanSwitchSavesIntoTheOldBean)
{
    ASSERT_TRUE(m_fasolki[0]->ustawSpodziewanyRezultat(QStringLiteral("stały")));
    struct stat przed
    {
    }, po{};
    ::stat(QFile::encodeName(plik()).constData(), &przed);
    klawisz(Qt::Key_Return);
    klawisz(Qt::Key_Return);
    ::stat(QFile::encodeName(plik()).constData(), &po);
    EXPECT_TRUE(po.st_ino == przed.st_ino && po.st_mtim.tv_nsec == przed.st_mtim.tv_nsec) << "nothing written";

    klawisz(Qt::Key_Return);
    QTest::keyClicks(e(), "+");
    emit m_fasolki[0]->spodziewanyRezultatChanged(); // a re-read keeps the typed text
    EXPECT_EQ(e()->toPlainText(), "stały+");
    m_kontroler.setFasolka(m_fasolki[1]);
    EXPECT_EQ(zawartosc(plik(0)), QByteArray("stały+"));
    EXPECT_FALSE(zawartosc(plik(1)));
    EXPECT_TRUE(e()->toPlainText().isEmpty());
}

TEST_F(EdytorSpodziewanegoRezultatuTest, AFailedSaveKeepsEditingAndTheFocusAndShowsTheAlert)
{
    ASSERT_TRUE(QDir().mkpath(plik()));
    klawisz(Qt::Key_Return);
    QTest::keyClicks(e(), "tekst");
    klawisz(Qt::Key_Return);
    ASSERT_EQ(m_alerty.wpisy().size(), 1);
    m_gdzieIndziej->setFocus();
    EXPECT_EQ(m_alerty.wpisy().size(), 1) << "not inside the focus change";
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_alerty.wpisy().size() == 2; }));
    EXPECT_EQ(m_alerty.wpisy().last().alert.messageText(), "Could not save expected outcome.");
    EXPECT_TRUE(m_kontroler.jestWTrybeEdycji() && e()->hasFocus() && e()->toPlainText() == "tekst");
}

TEST_F(EdytorSpodziewanegoRezultatuTest, ThePaneStaysBetween23AndHalfTheSplit)
{
    ASSERT_TRUE(m_fasolki[0]->ustawSpodziewanyRezultat(QString(QStringLiteral("wiersz\n")).repeated(60)));
    m_kontroler.setCzyEdytorRozwiniety(true); // 60 lines: at most half the split
    EXPECT_TRUE(m_kontroler.view()->height() == 200 && m_kontroler.czyEdytorRozwiniety());
    m_kontroler.setCzyEdytorRozwiniety(false);
    EXPECT_TRUE(m_kontroler.view()->height() == 23 && !m_kontroler.czyEdytorRozwiniety());
}
