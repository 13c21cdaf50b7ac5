#include "Model/OperacjeTestowe.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Support/CzasyOczekiwania.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/Ui/NagrywarkaAlertow.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using ZmianaNazwy = OperacjeTestowe;

TEST_F(ZmianaNazwy, ARefusedRenameIsRecordedAndPutBackAtOnceAndShownOneTurnLaterAKeptOneIsAnnounced)
{
    // Flows "Potok 0001" and "Potok 0002", each holding the beans "Fasolka 0000.txt" and "Projekt 0006".
    ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), {.potoki = 3, .fasolkiNaPotok = 12}).udany);
    NagrywarkaAlertow alerty;
    Potok *p1 = potok(QStringLiteral("Potok 0001"));
    Fasolka *projekt = fasolka(QStringLiteral("Potok 0001"), QStringLiteral("Projekt 0006"));
    ASSERT_TRUE(p1 && projekt);
    KontrolerAkcjeNaElementach kontroler;
    kontroler.setElement(p1);
    QLineEdit pole;
    pole.setObjectName(QStringLiteral("nazwaPotoku"));
    kontroler.podlaczPoleNazwy(&pole);
    QSignalSpy potoki(baza(), &BazaFasolek::potokiChanged);
    // A flow is renamed through its field; a bean as the lists will do it: the name offered, then checked.
    const auto wpiszNazwePotoku = [&](const QString &tekst) {
        pole.setText(tekst);
        emit pole.editingFinished();
        EXPECT_EQ(pole.text(), p1->nazwa());
        return pole.text() == tekst;
    };
    const auto przemianujFasolke = [&](const QString &tekst) {
        BladOperacji blad;
        projekt->setNazwa(tekst, &blad);
        return KontrolerAkcjeNaElementach::zakonczonaEdycjaNazwyElementu(projekt, tekst, QStringLiteral("nazwaFasolki"),
                                                                         &blad);
    };
    // One byte over the file system's limit: the alert says the name is too long, not that a move failed.
    const QString dluga(256, u'd');
    const struct
    {
        std::function<bool(const QString &)> zmien;
        QString tekst, linia, alert;
        int ogloszenia;
    } przypadki[] = {
        {wpiszNazwePotoku, "Potok 0002",
         "Ustawienie nowej nazwy 'Potok 0002' dla potoku się nie udało. Odczytuję nazwę 'Potok 0001' z obiektu potoku.",
         "Could not change flow name.|An item named \u201CPotok 0002\u201D already exists in \u201CAll Beans\u201D.",
         0},
        {wpiszNazwePotoku, "Potok 0001", {}, {}, 1},
        {wpiszNazwePotoku, "Dom", {}, {}, 2},
        {przemianujFasolke, "Fasolka 0000.txt",
         "Ustawienie nowej nazwy 'Fasolka 0000.txt' dla fasolki się nie udało. Odczytuję nazwę 'Projekt 0006' z "
         "obiektu fasolki.",
         "Could not change bean name.|An item named \u201CFasolka 0000.txt\u201D already exists in \u201CDom\u201D.",
         2},
        {przemianujFasolke, dluga,
         QStringLiteral("Ustawienie nowej nazwy '%1' dla fasolki się nie udało. Odczytuję nazwę 'Projekt 0006' z "
                        "obiektu fasolki.")
             .arg(dluga),
         QStringLiteral("Could not change bean name.|The name \u201C%1\u201D is too long.").arg(dluga), 2},
        {przemianujFasolke, "Projekt 0006", {}, {}, 2},
    };
    for (const auto &p : przypadki) {
        m_konsola.clear();
        const qsizetype przed = alerty.wpisy().size();
        EXPECT_EQ(p.zmien(p.tekst), p.linia.isEmpty()) << qPrintable(p.tekst);
        EXPECT_EQ(alerty.wpisy().size(), przed) << "no alert inside the edit's end";
        if (p.alert.isEmpty())
            przeczekajCisze(20); // the alert is deferred by one turn
        else
            EXPECT_TRUE(QTest::qWaitFor([&] { return alerty.wpisy().size() > przed; }, 5000));
        QStringList pokazane;
        for (const NagrywarkaAlertow::Wpis &wpis : alerty.wpisy().mid(przed))
            pokazane << wpis.alert.messageText() + QLatin1Char('|') + wpis.alert.informativeText();
        EXPECT_EQ(pokazane, p.alert.isEmpty() ? QStringList() : QStringList{p.alert})
            << qPrintable(pokazane.join(u'\n'));
        EXPECT_EQ(m_konsola.contains(p.linia), !p.linia.isEmpty()) << qPrintable(m_konsola.join('\n'));
        EXPECT_EQ(potoki.size(), p.ogloszenia) << qPrintable(p.tekst);
    }
    EXPECT_TRUE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Dom"))));
}
