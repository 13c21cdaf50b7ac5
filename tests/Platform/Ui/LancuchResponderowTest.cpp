#include "ResponderTestowy.h"

#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/ViewController.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A view controller whose view holds one line edit.
class KontrolerZPolem : public ViewController
{
public:
    explicit KontrolerZPolem(const QList<Akcja> &obslugiwane)
    {
        for (Akcja akcja : obslugiwane)
            addHandler(akcja, [this, akcja](QObject *) { wykonane.append(akcja); });
    }

    QLineEdit *pole = nullptr;
    int wczytania = 0;
    int przebudzenia = 0;
    bool poleIstnialoPrzyPrzebudzeniu = false;
    QList<Akcja> wykonane;

protected:
    void loadView() override
    {
        ++wczytania;
        auto *widok = new QWidget;
        pole = new QLineEdit(widok);
        (new QVBoxLayout(widok))->addWidget(pole);
        setView(widok);
    }

    void awakeFromNib() override
    {
        ++przebudzenia;
        poleIstnialoPrzyPrzebudzeniu = pole != nullptr;
    }
};

// A window with one inner widget that hosts a view controller's view, a window controller and
// an application delegate, all able to take `wspolna`.
struct OknoZKontrolerami
{
    explicit OknoZKontrolerami(const QList<Akcja> &kontrolerWidoku, const QList<Akcja> &kontrolerOkna,
                               const QList<Akcja> &delegatAplikacji)
        : kontroler(kontrolerWidoku)
        , kontrolerOknaResponder(kontrolerOkna)
        , delegat(delegatAplikacji)
    {
        okno = std::make_unique<QWidget>();
        gospodarz = new QWidget(okno.get());
        kontroler.view()->setParent(gospodarz);
        LancuchResponderow::ustawKontrolerOkna(okno.get(), &kontrolerOknaResponder);
        LancuchResponderow::ustawDelegataAplikacji(&delegat);
        kontroler.pole->setFocus();
    }

    ~OknoZKontrolerami() { LancuchResponderow::ustawDelegataAplikacji(nullptr); }

    KontrolerZPolem kontroler;
    ResponderTestowy kontrolerOknaResponder;
    ResponderTestowy delegat;
    std::unique_ptr<QWidget> okno;
    QWidget *gospodarz = nullptr;
};

} // namespace

TEST(LancuchResponderow, SpliceInsertsTheResponderRightBehindTheGivenOne)
{
    ResponderTestowy a, r, n;
    a.setNextResponder(&n);
    r.wstawDoLancuchaZaResponderem(&a);
    EXPECT_EQ(LancuchResponderow::lancuchOd(&a), (QList<QObject *>{&a, &r, &n}));
}

TEST(LancuchResponderow, SplicingTheSamePairTwiceLeavesTheChainAsAfterTheFirst)
{
    ResponderTestowy a, r, n;
    a.setNextResponder(&n);
    r.wstawDoLancuchaZaResponderem(&a);
    r.wstawDoLancuchaZaResponderem(&a);
    EXPECT_NE(r.nextResponder(), &r);
    EXPECT_EQ(LancuchResponderow::lancuchOd(&a), (QList<QObject *>{&a, &r, &n}));
}

TEST(LancuchResponderow, CommandTheFirstLinkDoesNotTakeReachesTheSplicedResponderBeforeTheFormerNext)
{
    QWidget okno;
    auto *widokSzczegolow = new QWidget(&okno);
    auto *pole = new QLineEdit(widokSzczegolow);
    pole->setFocus();
    ResponderTestowy kontrolerKarty({Akcja::przejdzDoWyszukiwarki});
    ResponderTestowy kontrolerOkna({Akcja::przejdzDoWyszukiwarki});
    LancuchResponderow::ustawKontrolerOkna(&okno, &kontrolerOkna);

    kontrolerKarty.wstawDoLancuchaZaResponderem(widokSzczegolow);

    EXPECT_EQ(LancuchResponderow::lancuchOd(pole),
              (QList<QObject *>{pole, widokSzczegolow, &kontrolerKarty, &okno, &kontrolerOkna}));
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::przejdzDoWyszukiwarki, &okno), &kontrolerKarty);
}

TEST(LancuchResponderow, ChainRunsFromTheFocusWidgetThroughViewControllerAndWindowControllerToTheDelegate)
{
    OknoZKontrolerami uklad({}, {}, {});
    EXPECT_EQ(LancuchResponderow::lancuchOd(LancuchResponderow::pierwszyResponder(uklad.okno.get())),
              (QList<QObject *>{uklad.kontroler.pole, uklad.kontroler.view(), &uklad.kontroler, uklad.gospodarz,
                                uklad.okno.get(), &uklad.kontrolerOknaResponder, &uklad.delegat}));
}

TEST(LancuchResponderow, TargetIsTheFirstResponderAlongTheChainThatTakesTheCommand)
{
    OknoZKontrolerami uklad({Akcja::duplikujFasolki, Akcja::moveToTrash}, {Akcja::duplikujFasolki, Akcja::zamknijKarte},
                            {Akcja::zamknijKarte, Akcja::otworzPreferencje});
    QWidget *okno = uklad.okno.get();
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::duplikujFasolki, okno), &uklad.kontroler);
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::zamknijKarte, okno), &uklad.kontrolerOknaResponder);
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::otworzPreferencje, okno), &uklad.delegat);
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::testuj, okno), nullptr);

    // Without a window only the application delegate is asked.
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::otworzPreferencje, nullptr), &uklad.delegat);
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::duplikujFasolki, nullptr), nullptr);
}

TEST(LancuchResponderow, LookupStartsFromTheFocusWidgetOfTheWindowConcerned)
{
    OknoZKontrolerami uklad({Akcja::moveToTrash}, {}, {});
    QWidget inneOkno;
    auto *inneKontrolery = new ResponderTestowy({Akcja::moveToTrash}, &inneOkno);
    LancuchResponderow::ustawKontrolerOkna(&inneOkno, inneKontrolery);
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::moveToTrash, uklad.okno.get()), &uklad.kontroler);
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::moveToTrash, &inneOkno), inneKontrolery);

    // Focus outside the controller's view: the controller is not on the way.
    auto *poleObok = new QLineEdit(uklad.okno.get());
    poleObok->setFocus();
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::moveToTrash, uklad.okno.get()), nullptr);
}

TEST(LancuchResponderow, SpliceThatClosesACircleDoesNotHangTheLookup)
{
    ResponderTestowy a, x, r;
    ResponderTestowy delegat({Akcja::otworzPreferencje});
    LancuchResponderow::ustawDelegataAplikacji(&delegat);
    QWidget okno;
    okno.setFocus();
    a.setNextResponder(&x);
    x.setNextResponder(&r);
    r.setNextResponder(nullptr);
    // r already lies further down the chain of a: splicing it behind a makes r -> x -> r.
    r.wstawDoLancuchaZaResponderem(&a);
    EXPECT_EQ(LancuchResponderow::lancuchOd(&a), (QList<QObject *>{&a, &r, &x}));

    LancuchResponderow::ustawNastepny(&okno, &a);
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::testuj, &okno), nullptr);
    EXPECT_EQ(LancuchResponderow::targetForAction(Akcja::otworzPreferencje, &okno), &delegat);
    LancuchResponderow::ustawDelegataAplikacji(nullptr);
}

TEST(LancuchResponderow, NextResponderThatDiedGivesWayToTheDefault)
{
    QWidget okno;
    auto *widok = new QWidget(&okno);
    {
        ResponderTestowy wstawiony;
        wstawiony.wstawDoLancuchaZaResponderem(widok);
        EXPECT_EQ(LancuchResponderow::nastepny(widok), &wstawiony);
    }
    EXPECT_EQ(LancuchResponderow::nastepny(widok), &okno);

    // Set to nothing on purpose, the chain ends there.
    LancuchResponderow::ustawNastepny(widok, nullptr);
    EXPECT_EQ(LancuchResponderow::nastepny(widok), nullptr);
}

TEST(LancuchResponderow, SendActionGoesToTheExplicitTargetOnlyOrAlongTheChain)
{
    OknoZKontrolerami uklad({Akcja::duplikujFasolki}, {}, {});
    ResponderTestowy cel({Akcja::moveToTrash});
    QObject nadawca;

    EXPECT_FALSE(LancuchResponderow::sendAction(Akcja::duplikujFasolki, &cel, &nadawca, uklad.okno.get()));
    EXPECT_TRUE(uklad.kontroler.wykonane.isEmpty());

    EXPECT_TRUE(LancuchResponderow::sendAction(Akcja::moveToTrash, &cel, &nadawca, uklad.okno.get()));
    ASSERT_EQ(cel.nadawcy.size(), 1);
    EXPECT_EQ(cel.nadawcy.first(), &nadawca);

    EXPECT_TRUE(LancuchResponderow::sendAction(Akcja::duplikujFasolki, nullptr, &nadawca, uklad.okno.get()));
    EXPECT_EQ(uklad.kontroler.wykonane, QList<Akcja>{Akcja::duplikujFasolki});
    EXPECT_FALSE(LancuchResponderow::sendAction(Akcja::testuj, nullptr, &nadawca, uklad.okno.get()));
}

TEST(ViewController, LoadsItsViewOnceAndWakesUpWhenItsWidgetsExist)
{
    KontrolerZPolem kontroler({});
    EXPECT_FALSE(kontroler.isViewLoaded());
    QWidget *widok = kontroler.view();
    EXPECT_EQ(kontroler.view(), widok);
    EXPECT_EQ(kontroler.wczytania, 1);
    EXPECT_EQ(kontroler.przebudzenia, 1);
    EXPECT_TRUE(kontroler.poleIstnialoPrzyPrzebudzeniu);
}

TEST(ViewController, TakesAlongItsViewOnlyWhileNoWidgetHasTakenItIn)
{
    QPointer<QWidget> wolny;
    {
        KontrolerZPolem kontroler({});
        wolny = kontroler.view();
    }
    EXPECT_TRUE(wolny.isNull());

    QWidget gospodarz;
    QPointer<QWidget> przyjety;
    {
        KontrolerZPolem kontroler({});
        przyjety = kontroler.view();
        przyjety->setParent(&gospodarz);
    }
    ASSERT_FALSE(przyjety.isNull());
    // Without its controller the view is followed by its parent again.
    EXPECT_EQ(LancuchResponderow::nastepny(przyjety), &gospodarz);
}
