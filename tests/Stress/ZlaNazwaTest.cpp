#include "PortfolioPodObciazeniem.h"

#include "Model/BytKatalogu.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"

#include <QDir>
#include <QFile>

#include <functional>

namespace {

using ZlaNazwa = PortfolioPodObciazeniem;

const QString lakaNfc = QStringLiteral("\u0141\u0105ka");

// Every entry point that takes a typed name, against every name it must refuse: each refusal
// carries a reason and leaves disk and graph as they were.
TEST_F(ZlaNazwa, EveryEntryPointRefusesABadNameWithAReasonAndChangesNothing)
{
    Potok *potok = baza()->znajdzPotokONazwie(QStringLiteral("Potok 0001"));
    ASSERT_NE(potok, nullptr);
    Fasolka *fasolka = potok->znajdzFasolkeONazwie(QStringLiteral("Projekt 0007"));
    ASSERT_TRUE(fasolka && fasolka->katalog());
    // The precomposed twins of a decomposed name, one beside each target.
    for (const QString &katalog :
         {R(QStringLiteral("All Beans")), R(QStringLiteral("All Beans/Potok 0001/_Incubation")),
          fasolka->bytFasolki()->plikowyURL()})
        ASSERT_TRUE(QDir(katalog).mkdir(lakaNfc));
    ASSERT_TRUE(ustal());
    BytKatalogu *katalog = fasolka->katalog();
    katalog->synchronizujZDyskiem();
    BytSystemuPlikow *wFasolce = katalog->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("plik 0.txt"));
    ASSERT_NE(wFasolce, nullptr);

    struct Wejscie
    {
        const char *nazwa;
        std::function<bool(const QString &, BladOperacji *)> wywolaj;
        bool ukryteWolno;      // a hidden name is fine for an item inside a bean
        bool zastrzezoneWolno; // "_Done" is a name like any other outside a flow folder
    };
    const QList<Wejscie> wejscia{
        {"nowyPotok", [&](const QString &n, BladOperacji *b) { return baza()->nowyPotok(n, b) != nullptr; }, false,
         true},
        {"nowaFasolka", [&](const QString &n, BladOperacji *b) { return potok->nowaFasolka(n, b) != nullptr; }, false,
         false},
        {"zmienNazweBytuFasolkiNaDysku",
         [&](const QString &n, BladOperacji *b) { return fasolka->zmienNazweBytuFasolkiNaDysku(n, b); }, false, false},
        {"zmienNazwePotokuNaDysku",
         [&](const QString &n, BladOperacji *b) { return potok->zmienNazwePotokuNaDysku(n, b); }, false, true},
        {"nowyKatalog", [&](const QString &n, BladOperacji *b) { return katalog->nowyKatalog(n, b) != nullptr; }, false,
         true},
        {"zmienNazweBytuNaDyskuNa",
         [&](const QString &n, BladOperacji *b) { return wFasolce->zmienNazweBytuNaDyskuNa(n, b); }, true, true},
    };
    const QStringList zawszeZle{QString(),
                                QStringLiteral("."),
                                QStringLiteral(".."),
                                QStringLiteral("a/b"),
                                QStringLiteral("/"),
                                QStringLiteral("a") + QChar(0) + QStringLiteral("b"),
                                QString(256, u'n'),
                                QString(128, u'\u017C'),
                                lakaNfc.normalized(QString::NormalizationForm_D)};
    for (const Wejscie &wejscie : wejscia) {
        QStringList zle = zawszeZle;
        if (!wejscie.ukryteWolno)
            zle << QStringLiteral(".ukryta");
        if (!wejscie.zastrzezoneWolno)
            zle << QStringLiteral("_Incubation") << QStringLiteral("_Waiting_For") << QStringLiteral("_Inactive")
                << QStringLiteral("_Ready") << QStringLiteral("_Done") << QStringLiteral("_Flow_Items");
        for (const QString &nazwa : std::as_const(zle)) {
            SCOPED_TRACE(std::string(wejscie.nazwa) + " \"" + nazwa.toStdString() + "\" ("
                         + std::to_string(nazwa.size()) + " characters)");
            const QStringList dysk = stanDysku();
            const QStringList graf = migawkaGrafu(baza());
            BladOperacji blad;
            EXPECT_FALSE(wejscie.wywolaj(nazwa, &blad));
            EXPECT_FALSE(blad.przyczyna.isEmpty() || blad.opis.isEmpty()) << "a refusal names its reason";
            EXPECT_EQ(stanDysku(), dysk);
            EXPECT_EQ(migawkaGrafu(baza()), graf);
        }
    }
    // 255 bytes is the longest name the disk takes; the items inside the bean go first, before
    // the bean and its flow take new paths.
    for (const int i : {4, 5, 1, 2, 0, 3}) {
        BladOperacji blad;
        EXPECT_TRUE(wejscia[i].wywolaj(QString(255, QLatin1Char('a' + char(i))), &blad))
            << wejscia[i].nazwa << ": " << blad.przyczyna.toStdString();
    }
    ASSERT_TRUE(ustal());
    sprawdzNiezmienniki(QStringLiteral("the bad names"));
}

TEST_F(ZlaNazwa, AnItemNamedOutsideUtf8IsNoBeanAndGoesAlongWithItsFolderUntouched)
{
    const QByteArray zla = "/\xff\xfe zla nazwa.txt";
    Potok *potok = baza()->znajdzPotokONazwie(QStringLiteral("Potok 0001"));
    Fasolka *fasolka = potok->znajdzFasolkeONazwie(QStringLiteral("Projekt 0007"));
    ASSERT_TRUE(fasolka && fasolka->katalog());
    zapiszPlik(QFile::encodeName(fasolka->bytFasolki()->plikowyURL()) + zla, nowaTresc());
    zapiszPlik(QFile::encodeName(potok->bytPotoku()->plikowyURL()) + zla, nowaTresc());
    ASSERT_TRUE(ustal());
    sprawdzNiezmienniki(QStringLiteral("names outside UTF-8 appeared"));

    const QStringList przed = stanDysku();
    EXPECT_FALSE(fasolka->wypakujZawartoscFasolkiZKatalogu()) << "a folder that keeps an item cannot be unwrapped";
    EXPECT_EQ(stanDysku(), przed);
    EXPECT_TRUE(fasolka->ustawStatus(Fasolka::sfZarchiwizowana));
    EXPECT_TRUE(potok->zmienNazwePotokuNaDysku(QStringLiteral("Przemianowany")));
    ASSERT_TRUE(ustal());
    sprawdzNiezmienniki(QStringLiteral("operations around names outside UTF-8"));
}

} // namespace
