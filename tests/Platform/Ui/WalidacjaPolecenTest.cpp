#include "ResponderTestowy.h"

#include "Platform/ModalGate.h"
#include "Platform/Ui/AkcjaPrzycisku.h"
#include "Platform/Ui/DelegatMenu.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Platform/Ui/WalidacjaSkrotow.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// Hides the items of one command before the menu is validated, as the actions controllers
// adjust their context menus.
class DelegatUkrywajacy : public QObject, public DelegatMenu
{
public:
    void menuNeedsUpdate(Menu *menu) override
    {
        wywolania.append(menu);
        for (QAction *akcja : menu->actions()) {
            auto *pozycja = qobject_cast<PozycjaMenu *>(akcja);
            if (pozycja && pozycja->akcja() == ukrywana)
                pozycja->setHidden(true);
        }
    }

    Akcja ukrywana = Akcja::testuj;
    QList<Menu *> wywolania;
};

// A main window with a menu bar, a list area whose controller takes one command, and a field
// outside it; the window has no controller of its own.
struct OknoZMenu
{
    OknoZMenu()
        : kontrolerListy({Akcja::duplikujFasolki})
    {
        auto *srodek = new QWidget;
        lista = new QLineEdit(srodek);
        poleObok = new QLineEdit(srodek);
        auto *uklad = new QVBoxLayout(srodek);
        uklad->addWidget(lista);
        uklad->addWidget(poleObok);
        okno.setCentralWidget(srodek);
        kontrolerListy.wstawDoLancuchaZaResponderem(lista);

        menuPlik = new Menu(QStringLiteral("File"), &okno);
        okno.menuBar()->addMenu(menuPlik);
        duplikuj = menuPlik->dodajPozycje(QStringLiteral("Duplicate"), Akcja::duplikujFasolki, nullptr,
                                          QKeySequence(Qt::CTRL | Qt::Key_D));
    }

    bool pokazIAktywuj()
    {
        okno.show();
        okno.activateWindow();
        return QTest::qWaitForWindowActive(&okno);
    }

    QMainWindow okno;
    QLineEdit *lista = nullptr;
    QLineEdit *poleObok = nullptr;
    ResponderTestowy kontrolerListy;
    Menu *menuPlik = nullptr;
    PozycjaMenu *duplikuj = nullptr;
};

} // namespace

TEST(WalidacjaPolecen, ShortcutOfADisabledCommandDoesNotFireUntilFocusReachesAResponderThatValidatesIt)
{
    OknoZMenu uklad;
    ASSERT_TRUE(uklad.pokazIAktywuj());

    uklad.poleObok->setFocus();
    EXPECT_FALSE(uklad.duplikuj->isEnabled());
    QTest::keyClick(uklad.poleObok, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(uklad.kontrolerListy.wykonane.isEmpty());

    uklad.lista->setFocus();
    EXPECT_TRUE(uklad.duplikuj->isEnabled());
    QTest::keyClick(uklad.lista, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(uklad.kontrolerListy.wykonane, QList<Akcja>{Akcja::duplikujFasolki});
    ASSERT_EQ(uklad.kontrolerListy.nadawcy.size(), 1);
    EXPECT_EQ(uklad.kontrolerListy.nadawcy.first(), uklad.duplikuj);
}

TEST(WalidacjaPolecen, ShortcutIsCheckedAgainWhenItFiresSoAStateChangeNotYetRevalidatedCannotSlipThrough)
{
    OknoZMenu uklad;
    ASSERT_TRUE(uklad.pokazIAktywuj());
    uklad.lista->setFocus();
    ASSERT_TRUE(uklad.duplikuj->isEnabled());

    uklad.kontrolerListy.wylaczone.insert(Akcja::duplikujFasolki);
    QTest::keyClick(uklad.lista, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(uklad.kontrolerListy.wykonane.isEmpty());
    EXPECT_FALSE(uklad.duplikuj->isEnabled());

    // The owner reports its state change: the command comes back.
    uklad.kontrolerListy.wylaczone.clear();
    PozycjaMenu::zwalidujPozycjeZeSkrotami();
    EXPECT_TRUE(uklad.duplikuj->isEnabled());
}

TEST(WalidacjaPolecen, AKeyIsValidatedAgainAsItIsPressedSoAChangeWithoutAFocusChangeCounts)
{
    OknoZMenu uklad;
    ASSERT_TRUE(uklad.pokazIAktywuj());
    uklad.lista->setFocus();
    uklad.kontrolerListy.wylaczone.insert(Akcja::duplikujFasolki);
    PozycjaMenu::zwalidujPozycjeZeSkrotami();
    ASSERT_FALSE(uklad.duplikuj->isEnabled());

    // As a click that only moves the selection of a list that has the focus already.
    uklad.kontrolerListy.wylaczone.clear();
    QTest::keyClick(uklad.lista, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(uklad.kontrolerListy.wykonane, QList<Akcja>{Akcja::duplikujFasolki});
}

TEST(WalidacjaPolecen, ATextFieldKeepsTheKeysItEditsAndSubmitsWith)
{
    QLineEdit pole;
    QLineEdit poleTylkoDoOdczytu;
    poleTylkoDoOdczytu.setReadOnly(true);
    QPlainTextEdit tekst;
    QPlainTextEdit tekstTylkoDoOdczytu;
    tekstTylkoDoOdczytu.setReadOnly(true);
    QTreeView lista;
    const struct
    {
        const char *nazwa;
        QWidget *fokus;
        Qt::Key klawisz;
        Qt::KeyboardModifiers modyfikatory;
        bool zostaje;
    } przypadki[] = {
        {"field Return", &pole, Qt::Key_Return, Qt::NoModifier, true},
        {"field Ctrl+Return", &pole, Qt::Key_Return, Qt::ControlModifier, true},
        {"field Shift+keypad Enter", &pole, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier, true},
        {"field Delete", &pole, Qt::Key_Delete, Qt::NoModifier, true},
        {"field Ctrl+Backspace", &pole, Qt::Key_Backspace, Qt::ControlModifier, true},
        {"field Ctrl+2", &pole, Qt::Key_2, Qt::ControlModifier, false},
        {"field F9", &pole, Qt::Key_F9, Qt::NoModifier, false},
        {"read-only field Delete", &poleTylkoDoOdczytu, Qt::Key_Delete, Qt::NoModifier, false},
        {"text Ctrl+Return", &tekst, Qt::Key_Return, Qt::ControlModifier, true},
        {"read-only text Ctrl+Return", &tekstTylkoDoOdczytu, Qt::Key_Return, Qt::ControlModifier, false},
        // An item view takes input methods for its keyboard search, yet edits no text.
        {"list Delete", &lista, Qt::Key_Delete, Qt::NoModifier, false},
        {"no focus Delete", nullptr, Qt::Key_Delete, Qt::NoModifier, false},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const QKeyEvent klawisz(QEvent::ShortcutOverride, p.klawisz, p.modyfikatory);
        EXPECT_EQ(WalidacjaSkrotow::klawiszZostajeWPolu(p.fokus, klawisz), p.zostaje);
    }

    // In a window: the field's own key does not reach the menu, another key does.
    OknoZMenu uklad;
    uklad.menuPlik->dodajPozycje(QStringLiteral("Open in New Tab"), Akcja::duplikujFasolki, nullptr,
                                 QKeySequence(Qt::CTRL | Qt::Key_Return));
    ASSERT_TRUE(uklad.pokazIAktywuj());
    uklad.lista->setFocus();
    QTest::keyClick(uklad.lista, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(uklad.kontrolerListy.wykonane.isEmpty());
    QTest::keyClick(uklad.lista, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(uklad.kontrolerListy.wykonane, QList<Akcja>{Akcja::duplikujFasolki});
}

TEST(WalidacjaPolecen, OpeningAMenuAsksItsDelegateFirstThenItsItemsTargets)
{
    OknoZMenu uklad;
    uklad.lista->setFocus();
    ResponderTestowy celJawny({Akcja::moveToTrash, Akcja::testuj});
    celJawny.wylaczone.insert(Akcja::moveToTrash);
    PozycjaMenu *kosz = uklad.menuPlik->dodajPozycje(QStringLiteral("Move to Trash"), Akcja::moveToTrash, &celJawny);
    PozycjaMenu *test = uklad.menuPlik->dodajPozycje(QStringLiteral("Test"), Akcja::testuj, &celJawny);
    PozycjaMenu *bezCelu = uklad.menuPlik->dodajPozycje(QStringLiteral("Preferences"), Akcja::otworzPreferencje);
    DelegatUkrywajacy delegat;
    uklad.menuPlik->setDelegat(&delegat);

    uklad.menuPlik->przygotujDoPokazania();

    EXPECT_EQ(delegat.wywolania, QList<Menu *>{uklad.menuPlik});
    EXPECT_TRUE(uklad.duplikuj->isEnabled());
    EXPECT_FALSE(kosz->isEnabled());
    EXPECT_TRUE(test->isHidden());
    // Qt reports a hidden item disabled; shown again it has the state its validation gave it.
    test->setHidden(false);
    EXPECT_TRUE(test->isEnabled());
    EXPECT_FALSE(bezCelu->isEnabled());
    // The explicit target validated its own items only.
    EXPECT_EQ(celJawny.walidowane, (QList<Akcja>{Akcja::moveToTrash, Akcja::testuj}));
}

TEST(WalidacjaPolecen, ItemWhoseTargetWentAwaySendsNothingAndIsDisabled)
{
    OknoZMenu uklad;
    uklad.lista->setFocus();
    auto *cel = new ResponderTestowy({Akcja::duplikujFasolki});
    uklad.duplikuj->setCel(cel);
    EXPECT_TRUE(uklad.duplikuj->zwaliduj());
    delete cel;
    EXPECT_FALSE(uklad.duplikuj->zwaliduj());
    uklad.duplikuj->trigger();
    // Not handed to the chain instead of the target that went away.
    EXPECT_TRUE(uklad.kontrolerListy.wykonane.isEmpty());
}

TEST(WalidacjaPolecen, ItemsKnowWhetherTheirMenuIsTheMainMenuAContextMenuOrAButtonsPopUp)
{
    OknoZMenu uklad;
    auto *podmenu = new Menu(QStringLiteral("Status"), uklad.menuPlik);
    uklad.menuPlik->addMenu(podmenu);
    PozycjaMenu *wPodmenu = podmenu->dodajPozycje(QStringLiteral("Active"), Akcja::aktywujFasolki);
    EXPECT_EQ(uklad.duplikuj->pochodzenieMenu(), Menu::Pochodzenie::Glowne);
    EXPECT_EQ(wPodmenu->pochodzenieMenu(), Menu::Pochodzenie::Glowne);
    EXPECT_EQ(wPodmenu->oknoPolecenia(), &uklad.okno);

    QWidget inneOkno;
    auto *tabela = new QWidget(&inneOkno);
    Menu podreczne;
    auto *podreczneStatusu = new Menu(QStringLiteral("Status"), &podreczne);
    podreczne.addMenu(podreczneStatusu);
    PozycjaMenu *wPodrecznym = podreczneStatusu->dodajPozycje(QStringLiteral("Active"), Akcja::aktywujFasolki);
    EXPECT_EQ(wPodrecznym->pochodzenieMenu(), Menu::Pochodzenie::Brak);
    podreczne.ustawPochodzenie(Menu::Pochodzenie::Podreczne, tabela);
    EXPECT_EQ(wPodrecznym->pochodzenieMenu(), Menu::Pochodzenie::Podreczne);
    EXPECT_EQ(wPodrecznym->oknoPolecenia(), &inneOkno);

    QPushButton przycisk(QStringLiteral("Status"), &inneOkno);
    podreczne.ustawPochodzenie(Menu::Pochodzenie::ZPrzycisku, &przycisk);
    EXPECT_EQ(wPodrecznym->pochodzenieMenu(), Menu::Pochodzenie::ZPrzycisku);

    PozycjaMenu probna(QStringLiteral("Quick Look"), Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu);
    EXPECT_EQ(probna.pochodzenieMenu(), Menu::Pochodzenie::Brak);
}

TEST(WalidacjaPolecen, ContextMenuCommandStartsFromTheWindowItWasOpenedOver)
{
    OknoZMenu uklad;
    uklad.lista->setFocus();
    QWidget inneOkno;
    Menu podreczne;
    PozycjaMenu *duplikuj = podreczne.dodajPozycje(QStringLiteral("Duplicate"), Akcja::duplikujFasolki);

    podreczne.ustawPochodzenie(Menu::Pochodzenie::Podreczne, &inneOkno);
    EXPECT_FALSE(duplikuj->zwaliduj());
    podreczne.ustawPochodzenie(Menu::Pochodzenie::Podreczne, uklad.lista);
    EXPECT_TRUE(duplikuj->zwaliduj());
    duplikuj->trigger();
    EXPECT_EQ(uklad.kontrolerListy.wykonane, QList<Akcja>{Akcja::duplikujFasolki});
}

TEST(WalidacjaPolecen, OpenMenuHoldsTheModalGate)
{
    OknoZMenu uklad;
    ASSERT_TRUE(uklad.pokazIAktywuj());
    Menu podreczne;
    podreczne.dodajPozycje(QStringLiteral("Duplicate"), Akcja::duplikujFasolki);
    podreczne.pokazJakoPodreczne(uklad.lista, uklad.lista->mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(ModalGate::isRaised());
    podreczne.hide();
    EXPECT_FALSE(ModalGate::isRaised());
}

TEST(WalidacjaPolecen, ButtonIsEnabledByItsTargetAndSendsItselfAsTheSender)
{
    OknoZMenu uklad;
    auto *przycisk = new QPushButton(QStringLiteral("Duplicate"), uklad.okno.centralWidget());
    AkcjaPrzycisku *polecenie = AkcjaPrzycisku::ustaw(przycisk, Akcja::duplikujFasolki);
    EXPECT_EQ(AkcjaPrzycisku::dla(przycisk), polecenie);

    // A button's command starts from its window's focus widget, like a menu's.
    uklad.poleObok->setFocus();
    EXPECT_FALSE(polecenie->zwaliduj());
    EXPECT_FALSE(przycisk->isEnabled());

    uklad.lista->setFocus();
    EXPECT_TRUE(polecenie->zwaliduj());
    przycisk->click();
    ASSERT_EQ(uklad.kontrolerListy.nadawcy.size(), 1);
    EXPECT_EQ(uklad.kontrolerListy.nadawcy.first(), przycisk);

    ResponderTestowy cel({Akcja::moveToTrash});
    cel.wylaczone.insert(Akcja::moveToTrash);
    EXPECT_EQ(AkcjaPrzycisku::ustaw(przycisk, Akcja::moveToTrash, &cel), polecenie);
    EXPECT_FALSE(polecenie->zwaliduj());
    EXPECT_EQ(cel.walidowane, QList<Akcja>{Akcja::moveToTrash});
}

TEST(WalidacjaPolecen, SelectorNamesForConsoleLinesEndInAColonAndKeepTheirSpelling)
{
    EXPECT_EQ(nazwaSelektora(Akcja::duplikujFasolki), QStringLiteral("duplikujFasolki:"));
    EXPECT_EQ(nazwaSelektora(Akcja::wyswietlDymekNowyPotokNaKarcieProtfolio),
              QStringLiteral("wyswietlDymekNowyPotokNaKarcieProtfolio:"));
    EXPECT_EQ(nazwaSelektora(Akcja::testProfiler), QStringLiteral("testProfiler:"));
}
