#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Widgets/WhitePaperTableView.h"

#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Takes the menus' command, so that their items are enabled.
struct CelPolecen : Responder
{
    CelPolecen()
    {
        addHandler(Akcja::duplikujFasolki, [](QObject *) {});
    }
};

// A paper list of five plain objects with its actions controller, and a sender of every kind.
class ElementyPolecenia : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (QObject &obiekt : m_obiekty)
            m_lista << &obiekt;
        m_tablica.ustawTresc(m_lista);
        m_tabela.setKontrolerTablicy(&m_tablica);
        m_kontroler.setKontrolerTablicy(&m_tablica);
        m_kontroler.setWidokTabeli(&m_tabela);
        m_kontroler.setMenuPodreczneFasolki(&m_podreczne);
        m_pasek.addMenu(&m_glowne);
        m_podreczne.ustawPochodzenie(Menu::Pochodzenie::Podreczne, &m_tabela);
        m_zPrzycisku.ustawPochodzenie(Menu::Pochodzenie::ZPrzycisku, &m_przycisk);
        for (Menu *menu : {&m_glowne, &m_podreczne, &m_zPrzycisku})
            m_pozycje << menu->dodajPozycje(QStringLiteral("Duplicate"), Akcja::duplikujFasolki, &m_cel);
    }

    QList<QObject *> wiersze(int od, int ile) const { return m_lista.mid(od, ile); }

    QObject m_obiekty[5];
    QList<QObject *> m_lista;
    KontrolerTablicy m_tablica;
    WhitePaperTableView m_tabela;
    KontrolerAkcjeNaElementach m_kontroler;
    CelPolecen m_cel;
    QMenuBar m_pasek;
    Menu m_glowne{QStringLiteral("File")}, m_podreczne, m_zPrzycisku;
    QList<PozycjaMenu *> m_pozycje; // main menu, context menu, button pop-up
    QPushButton m_przycisk;
};

} // namespace

TEST_F(ElementyPolecenia, EachSenderActsOnTheSelectionTheClickedItemsOrNothing)
{
    const QList<QObject *> zazn = wiersze(1, 3);
    m_tablica.setSelectedObjects(zazn);
    const std::int64_t klikniete[] = {2, 4, -1}; // inside the selection, outside it, none
    const struct
    {
        const char *nadawca;
        QObject *obiekt;
        QList<QObject *> oczekiwane[3];
    } przypadki[] = {
        {"main menu", m_pozycje[0], {zazn, zazn, zazn}},
        {"context menu", m_pozycje[1], {zazn, wiersze(4, 1), {}}},
        {"button pop-up", m_pozycje[2], {zazn, zazn, zazn}},
        {"button", &m_przycisk, {zazn, zazn, zazn}},
        {"other", &m_cel, {{}, {}, {}}},
        {"null", nullptr, {{}, {}, {}}},
    };
    KontrolerAkcjeNaElementach staly;
    staly.setElement(m_lista[0]);
    EXPECT_EQ(staly.element(), m_lista[0]);
    for (const auto &p : przypadki) {
        for (int i = 0; i < 3; ++i) {
            m_kontroler.setKliknietyWiersz(klikniete[i]);
            EXPECT_EQ(m_kontroler.elementyDlaPolecenia(p.obiekt), p.oczekiwane[i])
                << p.nadawca << ", row " << klikniete[i];
        }
        EXPECT_EQ(staly.elementyDlaPolecenia(p.obiekt), wiersze(0, 1)) << p.nadawca;
    }
    m_tablica.setSelectedObjects(wiersze(1, 2));
    EXPECT_EQ(m_kontroler.element(), nullptr) << "two rows selected, none clicked";
}

TEST_F(ElementyPolecenia, TheClickedRowIsForgottenOnEveryChangeOfTheListAndAfterItsContextMenuButNotByItsCommand)
{
    QList<QObject *> elementyPolecenia;
    QObject::connect(m_pozycje[1], &QAction::triggered,
                     [&] { elementyPolecenia = m_kontroler.elementyDlaPolecenia(m_pozycje[1]); });
    const auto otworzMenu = [&] {
        m_podreczne.pokazJakoPodreczne(&m_tabela, {});
        return QTest::qWaitForWindowExposed(&m_podreczne);
    };
    const struct
    {
        const char *zmiana;
        std::function<void()> wykonaj;
    } przypadki[] = {
        {"selection", [&] { m_tablica.setSelectedObjects(wiersze(0, 1)); }},
        {"arrangement", [&] { m_tablica.ustawTresc(QList<QObject *>(m_lista.rbegin(), m_lista.rend())); }},
        {"context menu closed",
         [&] {
             ASSERT_TRUE(otworzMenu());
             m_podreczne.hide();
         }},
        {"command chosen",
         [&] {
             ASSERT_TRUE(otworzMenu());
             QTest::mouseClick(&m_podreczne, Qt::LeftButton, {}, m_podreczne.actionGeometry(m_pozycje[1]).center());
             EXPECT_EQ(elementyPolecenia, QList<QObject *>{m_tablica.obiektWWierszu(3)});
         }},
    };
    for (const auto &p : przypadki) {
        m_kontroler.setKliknietyWiersz(3);
        p.wykonaj();
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_kontroler.kliknietyWiersz() == -1; }, 5000)) << p.zmiana;
    }
}

TEST_F(ElementyPolecenia, ARightPressOnAnUnselectedRowKeepsTheSelectionAndTheMenuActsOnThatRowAlone)
{
    m_tabela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_tabela));
    m_tablica.setSelectedObjects(wiersze(0, 2));
    const QPoint miejsce = m_tabela.visualRect(m_tablica.index(3, 0)).center();

    QTest::mouseClick(m_tabela.viewport(), Qt::RightButton, {}, miejsce);
    EXPECT_EQ(m_tablica.selectedObjects(), wiersze(0, 2));
    m_kontroler.setKliknietyWiersz(m_tabela.indexAt(miejsce).row()); // as the list does before its menu opens
    EXPECT_EQ(m_kontroler.elementyDlaPolecenia(m_pozycje[1]), wiersze(3, 1));
    EXPECT_EQ(m_kontroler.elementyDlaPolecenia(m_pozycje[0]), wiersze(0, 2));
}

TEST_F(ElementyPolecenia, EveryDerivedValueAnnouncesTheChangesOfWhatItFollows)
{
    const std::pair<std::function<void()>, QByteArrayList> przypadki[] = {
        {[&] { m_tablica.setSelectedObjects(wiersze(2, 1)); },
         {"zaznaczoneElementy", "liczbaZaznaczonychElementow", "kliknieteElementy", "element", "fasolka"}},
        {[&] { m_tablica.ustawTresc(wiersze(3, 2)); }, {"kliknietyElement", "liczbaKliknietychElementow", "potok"}},
        {[&] { m_kontroler.setKliknietyWiersz(0); }, {"kliknietyWiersz", "kliknietyElement", "element", "archiwum"}},
        {[&] { m_kontroler.setElement(m_lista[0]); }, {"zaznaczoneElementy", "element", "bazaFasolek"}},
        {[&] { m_kontroler.setDodatkowyElement(m_lista[1]); },
         {"dodatkowyElement", "dodatkowaFasolka", "dodatkowyKatalog"}},
    };
    for (const auto &[zmiana, sygnaly] : przypadki) {
        std::vector<std::unique_ptr<QSignalSpy>> podsluchy;
        for (const QByteArray &sygnal : sygnaly)
            podsluchy.push_back(
                std::make_unique<QSignalSpy>(&m_kontroler, QByteArray("2" + sygnal + "Changed()").constData()));
        zmiana();
        for (const auto &podsluch : podsluchy)
            EXPECT_FALSE(podsluch->isEmpty()) << podsluch->signal().constData();
    }
}
