#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Widgets/WhitePaperTableView.h"

#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The target of the menu items: it takes the commands, so they are enabled, and counts them.
class CelPolecen : public Responder
{
public:
    CelPolecen()
    {
        for (Akcja akcja : {Akcja::duplikujFasolki, Akcja::aktywujFasolki})
            addHandler(akcja, [this, akcja](QObject *) { wykonane << akcja; });
    }
    QList<Akcja> wykonane;
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
        m_zGlownego = m_glowne.dodajPozycje(QStringLiteral("Duplicate"), Akcja::duplikujFasolki, &m_cel);
        m_zPodrecznego = m_podreczne.dodajPozycje(QStringLiteral("Duplicate"), Akcja::duplikujFasolki, &m_cel);
        m_zPopupu = m_zPrzycisku.dodajPozycje(QStringLiteral("Active"), Akcja::aktywujFasolki, &m_cel);
    }

    QList<QObject *> obiekty(std::initializer_list<int> wiersze) const
    {
        QList<QObject *> wynik;
        for (int wiersz : wiersze)
            wynik << m_lista[wiersz];
        return wynik;
    }

    QObject m_obiekty[5];
    QList<QObject *> m_lista;
    KontrolerTablicy m_tablica;
    WhitePaperTableView m_tabela;
    KontrolerAkcjeNaElementach m_kontroler;
    CelPolecen m_cel;
    QMenuBar m_pasek;
    Menu m_glowne{QStringLiteral("File")};
    Menu m_podreczne;
    Menu m_zPrzycisku;
    QPushButton m_przycisk;
    QObject m_inny;
    PozycjaMenu *m_zGlownego = nullptr;
    PozycjaMenu *m_zPodrecznego = nullptr;
    PozycjaMenu *m_zPopupu = nullptr;
};

} // namespace

TEST_F(ElementyPolecenia, EachSenderActsOnTheSelectionTheClickedItemsOrNothing)
{
    m_tablica.setSelectedObjects(obiekty({1, 2, 3}));
    const QList<QObject *> zaznaczone = obiekty({1, 2, 3});
    // Rows clicked: inside the selection, outside it, none.
    const std::int64_t wiersze[] = {2, 4, -1};
    const struct { const char *nadawca; QObject *obiekt; QList<QObject *> oczekiwane[3]; } przypadki[] = {
        {"main menu", m_zGlownego, {zaznaczone, zaznaczone, zaznaczone}},
        {"context menu", m_zPodrecznego, {zaznaczone, obiekty({4}), {}}},
        {"button pop-up", m_zPopupu, {zaznaczone, zaznaczone, zaznaczone}},
        {"button", &m_przycisk, {zaznaczone, zaznaczone, zaznaczone}},
        {"other", &m_inny, {{}, {}, {}}},
        {"null", nullptr, {{}, {}, {}}},
    };
    for (const auto &p : przypadki) {
        for (int i = 0; i < 3; ++i) {
            m_kontroler.setKliknietyWiersz(wiersze[i]);
            EXPECT_EQ(m_kontroler.elementyDlaPolecenia(p.obiekt), p.oczekiwane[i]) << p.nadawca << ", row " << wiersze[i];
        }
    }

    KontrolerAkcjeNaElementach staly;
    staly.setElement(m_lista[0]);
    for (const auto &p : przypadki)
        EXPECT_EQ(staly.elementyDlaPolecenia(p.obiekt), obiekty({0})) << p.nadawca;
    EXPECT_EQ(staly.element(), m_lista[0]);

    m_tablica.setSelectedObjects(obiekty({1, 2}));
    EXPECT_EQ(m_kontroler.element(), nullptr) << "two rows selected, none clicked";
}

TEST_F(ElementyPolecenia, TheClickedRowIsForgottenOnEveryChangeOfTheListAndAfterItsContextMenu)
{
    const struct { const char *zmiana; std::function<void()> wykonaj; } przypadki[] = {
        {"selection", [&] { m_tablica.setSelectedObjects(obiekty({0})); }},
        {"arrangement", [&] { m_tablica.ustawTresc(obiekty({4, 3, 2, 1, 0})); }},
        {"context menu closed", [&] {
             m_podreczne.pokazJakoPodreczne(&m_tabela, QPoint(10, 10));
             m_podreczne.hide();
             EXPECT_EQ(m_kontroler.kliknietyWiersz(), 3) << "kept for the command the menu may still send";
             QTest::qWait(20);
         }},
    };
    for (const auto &p : przypadki) {
        m_kontroler.setKliknietyWiersz(3);
        p.wykonaj();
        EXPECT_EQ(m_kontroler.kliknietyWiersz(), -1) << p.zmiana;
    }
}

TEST_F(ElementyPolecenia, ACommandChosenFromTheContextMenuStillActsOnItsRow)
{
    m_tablica.setSelectedObjects(obiekty({0, 1}));
    m_kontroler.setKliknietyWiersz(3);
    QList<QObject *> elementy;
    QObject::connect(m_zPodrecznego, &QAction::triggered, [&] { elementy = m_kontroler.elementyDlaPolecenia(m_zPodrecznego); });
    m_podreczne.pokazJakoPodreczne(&m_tabela, QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_podreczne));
    QTest::mouseClick(&m_podreczne, Qt::LeftButton, {}, m_podreczne.actionGeometry(m_zPodrecznego).center());
    EXPECT_FALSE(m_podreczne.isVisible());
    EXPECT_EQ(elementy, obiekty({3}));
    EXPECT_EQ(m_cel.wykonane, QList<Akcja>{Akcja::duplikujFasolki});
    QTest::qWait(20);
    EXPECT_EQ(m_kontroler.kliknietyWiersz(), -1);
}

TEST_F(ElementyPolecenia, ARightPressOnAnUnselectedRowKeepsTheSelectionAndTheMenuActsOnThatRowAlone)
{
    m_tabela.resize(300, 200);
    m_tabela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_tabela));
    m_tablica.setSelectedObjects(obiekty({0, 1}));
    const QPoint miejsce = m_tabela.visualRect(m_tablica.index(3, 0)).center();

    QTest::mousePress(m_tabela.viewport(), Qt::RightButton, {}, miejsce);
    QTest::mouseRelease(m_tabela.viewport(), Qt::RightButton, {}, miejsce);
    EXPECT_EQ(m_tablica.selectedObjects(), obiekty({0, 1}));
    // What the list's context-menu handler does before the menu opens.
    m_kontroler.setKliknietyWiersz(m_tabela.indexAt(miejsce).row());
    EXPECT_EQ(m_kontroler.elementyDlaPolecenia(m_zPodrecznego), obiekty({3}));
    EXPECT_EQ(m_kontroler.elementyDlaPolecenia(m_zGlownego), obiekty({0, 1}));

    QTest::mouseClick(m_tabela.viewport(), Qt::LeftButton, {}, miejsce);
    EXPECT_EQ(m_tablica.selectedObjects(), obiekty({3})) << "a left press still selects";
}

TEST_F(ElementyPolecenia, EveryDerivedValueAnnouncesTheChangesOfWhatItFollows)
{
    const struct { const char *zmiana; std::function<void()> wykonaj; QList<QByteArray> sygnaly; } przypadki[] = {
        {"selection", [&] { m_tablica.setSelectedObjects(obiekty({2})); },
         {"zaznaczoneElementyChanged", "liczbaZaznaczonychElementowChanged", "kliknieteElementyChanged",
          "liczbaKliknietychElementowChanged", "elementChanged", "fasolkaChanged", "bazaFasolekChanged"}},
        {"arrangement", [&] { m_tablica.ustawTresc(obiekty({1, 0})); },
         {"kliknietyElementChanged", "kliknieteElementyChanged", "elementChanged", "potokChanged"}},
        {"clicked row", [&] { m_kontroler.setKliknietyWiersz(0); },
         {"kliknietyWierszChanged", "kliknietyElementChanged", "kliknieteElementyChanged",
          "liczbaKliknietychElementowChanged", "elementChanged", "archiwumChanged"}},
        {"fixed element", [&] { m_kontroler.setElement(m_lista[0]); },
         {"zaznaczoneElementyChanged", "elementChanged", "pobraneRzeczyChanged", "bibliotekaMatRefChanged"}},
        {"secondary element", [&] { m_kontroler.setDodatkowyElement(m_lista[1]); },
         {"dodatkowyElementChanged", "dodatkowaFasolkaChanged", "dodatkowyPotokChanged",
          "dodatkoweArchiwumPotokuChanged", "dodatkowyBytSystemuPlikowChanged", "dodatkowyKatalogChanged"}},
    };
    const QMetaObject &meta = KontrolerAkcjeNaElementach::staticMetaObject;
    for (const auto &p : przypadki) {
        std::vector<std::unique_ptr<QSignalSpy>> podsluchy;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Signal)
                podsluchy.push_back(std::make_unique<QSignalSpy>(&m_kontroler, meta.method(i)));
        }
        p.wykonaj();
        QList<QByteArray> wyemitowane;
        for (const auto &podsluch : podsluchy) {
            if (!podsluch->isEmpty())
                wyemitowane << podsluch->signal().mid(0, podsluch->signal().indexOf('('));
        }
        for (const QByteArray &sygnal : p.sygnaly)
            EXPECT_TRUE(wyemitowane.contains(sygnal)) << p.zmiana << ": " << sygnal.constData();
    }
}
