#include "Model/OperacjeTestowe.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/Ui/NagrywarkaAlertow.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

// A generated portfolio: flows "Potok 0001" and "Potok 0002", and in each flow folder the file
// bean "Fasolka 0000.txt" beside the folder bean "Projekt 0006".
class ZmianaNazwy : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), {.potoki = 3, .fasolkiNaPotok = 12}).udany);
        ASSERT_NE(potok(QStringLiteral("Potok 0001")), nullptr);
    }

    QStringList alerty() const
    {
        QStringList wiadomosci;
        for (const NagrywarkaAlertow::Wpis &wpis : m_alerty.wpisy())
            wiadomosci << wpis.alert.messageText() + QLatin1Char('|') + wpis.alert.informativeText();
        return wiadomosci;
    }

    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(ZmianaNazwy, ARenameTheModelRefusedIsRecordedAndShownOneTurnLaterAndTheSameNamePassesSilently)
{
    const struct { const char *identyfikator; RzeczWBazieFasolek *obiekt; QString tekst; QString linia, alert; } przypadki[] = {
        {"nazwaPotoku", potok(QStringLiteral("Potok 0001")), QStringLiteral("Potok 0002"),
         QStringLiteral("Ustawienie nowej nazwy 'Potok 0002' dla potoku się nie udało. Odczytuję nazwę 'Potok 0001' z obiektu potoku."),
         QStringLiteral("Could not change flow name.|")},
        {"nazwaFasolki", fasolka(QStringLiteral("Potok 0001"), QStringLiteral("Projekt 0006")), QStringLiteral("Fasolka 0000.txt"),
         QStringLiteral("Ustawienie nowej nazwy 'Fasolka 0000.txt' dla fasolki się nie udało. Odczytuję nazwę 'Projekt 0006' z obiektu fasolki."),
         QStringLiteral("Could not change bean name.|")},
        {"nazwaPotoku", potok(QStringLiteral("Potok 0001")), QStringLiteral("Potok 0001"), {}, {}},
        {"nazwaFasolki", fasolka(QStringLiteral("Potok 0001"), QStringLiteral("Projekt 0006")), QStringLiteral("Projekt 0006"), {}, {}},
    };
    for (const auto &p : przypadki) {
        ASSERT_NE(p.obiekt, nullptr);
        m_konsola.clear();
        const int przed = int(m_alerty.wpisy().size());
        // What the field does before its editing ends: it offers the text to the item.
        if (auto *f = qobject_cast<Fasolka *>(p.obiekt))
            f->setNazwa(p.tekst);
        else if (auto *przemianowany = qobject_cast<Potok *>(p.obiekt))
            przemianowany->setNazwa(p.tekst);

        const bool przyjeta = KontrolerAkcjeNaElementach::zakonczonaEdycjaNazwyElementu(p.obiekt, p.tekst,
                                                                                         QString::fromLatin1(p.identyfikator));
        EXPECT_EQ(przyjeta, p.linia.isEmpty()) << qPrintable(p.tekst);
        EXPECT_EQ(m_alerty.wpisy().size(), przed) << "no alert inside the edit's end";
        QTest::qWait(20);
        EXPECT_EQ(m_konsola.contains(p.linia), !p.linia.isEmpty()) << qPrintable(m_konsola.join('\n'));
        EXPECT_EQ(alerty().mid(przed), p.alert.isEmpty() ? QStringList() : QStringList{p.alert}) << qPrintable(p.tekst);
    }
}

TEST_F(ZmianaNazwy, TheFlowNameFieldPutsARefusedNameBackAtOnceAndAnnouncesAKeptOne)
{
    KontrolerAkcjeNaElementach kontroler;
    kontroler.setElement(potok(QStringLiteral("Potok 0001")));
    QLineEdit pole;
    pole.setObjectName(QStringLiteral("nazwaPotoku"));
    kontroler.podlaczPoleNazwy(&pole);
    QSignalSpy potoki(baza(), &BazaFasolek::potokiChanged);

    pole.setText(QStringLiteral("Potok 0002"));
    emit pole.editingFinished();
    EXPECT_EQ(pole.text(), QStringLiteral("Potok 0001"));
    EXPECT_TRUE(potoki.isEmpty());
    QTest::qWait(20);
    EXPECT_EQ(alerty(), QStringList{QStringLiteral("Could not change flow name.|")});

    pole.setText(QStringLiteral("Dom"));
    emit pole.editingFinished();
    EXPECT_EQ(potoki.size(), 1);
    EXPECT_TRUE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Dom"))));
    EXPECT_EQ(pole.text(), QStringLiteral("Dom"));
}
