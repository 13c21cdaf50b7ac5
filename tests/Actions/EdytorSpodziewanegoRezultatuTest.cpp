#include "Model/OperacjeTestowe.h"

#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/KontrolerEdytoraSpodziewanegoRezultatu.h"
#include "Actions/WidokZFokusemEdytora.h"
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
    // Grey pixels right of the cursor: only the placeholder draws there in an empty text.
    bool zastepnikWidoczny()
    {
        e()->viewport()->repaint();
        const QImage obraz = e()->viewport()->grab().toImage();
        for (int x = 10; x < 80; ++x) {
            for (int y = 0; y < 14; ++y) {
                if (qGray(obraz.pixel(x, y)) < 200)
                    return true;
            }
        }
        return false;
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
    EXPECT_TRUE(e()->toPlainText().isEmpty());
    EXPECT_TRUE(zastepnikWidoczny());
    const QByteArray zNbsp = QStringLiteral("a\u00A0b\nc").toUtf8();
    const auto wpiszINbsp = [&] { QTest::keyClicks(e(), QStringLiteral("a\u00A0b")); klawisz(Qt::Key_Return, Qt::AltModifier); QTest::keyClicks(e(), "c"); };
    const struct { const char *przypadek; std::function<void()> wejscie, czynnosc; std::optional<QByteArray> plik; bool edycja; } przypadki[] = {
        {"Return edits, typing with Alt+Return saves byte for byte", [&] { klawisz(Qt::Key_Return); }, [&] { wpiszINbsp(); klawisz(Qt::Key_Return); }, zNbsp, false},
        {"double-click edits, the focus leaving saves", [&] { QTest::mouseDClick(e()->viewport(), Qt::LeftButton); },
         [&] { e()->selectAll(); QTest::keyClicks(e(), "x"); m_gdzieIndziej->setFocus(); }, "x", false},
        {"the emptied text deletes the file", [&] { klawisz(Qt::Key_Return); }, [&] { e()->selectAll(); klawisz(Qt::Key_Delete); klawisz(Qt::Key_Return); }, std::nullopt, false},
        {"Escape restores the stored text", [&] { klawisz(Qt::Key_Enter); }, [&] { QTest::keyClicks(e(), "zz"); klawisz(Qt::Key_Escape); }, std::nullopt, false},
        {"arrows and Home move the cursor", [&] { klawisz(Qt::Key_Return); },
         [&] { QTest::keyClicks(e(), "ab"); klawisz(Qt::Key_Left); QTest::keyClicks(e(), "1"); klawisz(Qt::Key_Home); QTest::keyClicks(e(), "2"); }, std::nullopt, true},
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
    struct stat przed {}, po {};
    ::stat(QFile::encodeName(plik()).constData(), &przed);
    klawisz(Qt::Key_Return);
    klawisz(Qt::Key_Return);
    ::stat(QFile::encodeName(plik()).constData(), &po);
    EXPECT_EQ(po.st_ino, przed.st_ino);
    EXPECT_EQ(po.st_mtim.tv_nsec, przed.st_mtim.tv_nsec);

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
    for (const auto &wpis : m_alerty.wpisy())
        EXPECT_EQ(wpis.alert.messageText(), "Could not save expected outcome.");
    EXPECT_TRUE(m_kontroler.jestWTrybeEdycji());
    EXPECT_TRUE(e()->hasFocus());
    EXPECT_EQ(e()->toPlainText(), "tekst");
}

TEST_F(EdytorSpodziewanegoRezultatuTest, ThePaneStaysBetween23AndHalfTheSplit)
{
    SplitViewDelegate *delegat = m_podzial->delegate();
    EXPECT_EQ(delegat->splitViewConstrainMinCoordinateOfSubviewAt(m_podzial, 0, 0), 23.0);
    EXPECT_EQ(delegat->splitViewConstrainMaxCoordinateOfSubviewAt(m_podzial, 400, 0), 200.0);
    EXPECT_FALSE(delegat->splitViewCanCollapseSubview(m_podzial, m_kontroler.view()));
    ASSERT_TRUE(m_fasolki[0]->ustawSpodziewanyRezultat(QString(QStringLiteral("wiersz\n")).repeated(60)));
    m_kontroler.setCzyEdytorRozwiniety(true);
    EXPECT_EQ(m_kontroler.view()->height(), 200);
    EXPECT_TRUE(m_kontroler.czyEdytorRozwiniety());
    m_kontroler.setCzyEdytorRozwiniety(false);
    EXPECT_EQ(m_kontroler.view()->height(), 23);
    EXPECT_FALSE(m_kontroler.czyEdytorRozwiniety());
}
