// An executable of its own: GIO reads the desktop entries and mimeapps.list once, at its first
// call, so the fake applications must be in the temporary XDG folders before that.

#include "Model/OperacjeTestowe.h"
#include "Support/Ui/NagrywarkaAlertow.h"

#include "Actions/FileSystemEntityActionController.h"
#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Platform/DesktopServices.h"
#include "Platform/GioApplications.h"
#include "Platform/IdentyfikatorProgramu.h"
#include "Platform/Ui/PozycjaMenu.h"

#include <QTest>

namespace {

const QString typ = QStringLiteral("application/x-krita");

// Three applications for one type (an ampersand in one name, shown as itself in the menu), the last
// named the default in the user's mimeapps.list; each launch writes its file argument into
// "<name of its entry>.zapis" in the home folder.
class OtworzWProgramie : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        qputenv("LANGUAGE", "pl");
        const QString aplikacje = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/applications/");
        const QString skrypt =
            m_baza.plik(QStringLiteral("otworz.sh"), "#!/bin/sh\nprintf '%s' \"$2\" > \"$HOME/$1.zapis\"\n");
        QFile::setPermissions(skrypt, QFile::permissions(skrypt) | QFile::ExeUser);
        for (const auto &[id, nazwa] : {std::pair{"tarrowind-beta", "Beta & Reader"},
                                        {"tarrowind-alpha", "alpha editor"},
                                        {"tarrowind-zeta", "Zeta Viewer"}}) {
            QDir().mkpath(aplikacje);
            QFile wpis(aplikacje + QLatin1String(id) + QStringLiteral(".desktop"));
            ASSERT_TRUE(wpis.open(QIODevice::WriteOnly));
            wpis.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nComment=Opens drawings\n"
                                      "Comment[pl]=Otwiera rysunki\nExec=%2 %3 %f\nMimeType=%4;\n")
                           .arg(QLatin1String(nazwa), skrypt, QLatin1String(id), typ)
                           .toUtf8());
        }
        // GIO finds an entry's types through the index that update-desktop-database writes.
        QFile indeks(aplikacje + QStringLiteral("mimeinfo.cache"));
        ASSERT_TRUE(indeks.open(QIODevice::WriteOnly));
        indeks.write(
            QStringLiteral("[MIME Cache]\n%1=tarrowind-beta.desktop;tarrowind-alpha.desktop;tarrowind-zeta.desktop;\n")
                .arg(typ)
                .toUtf8());
        QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
        QFile lista(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/mimeapps.list"));
        ASSERT_TRUE(lista.open(QIODevice::WriteOnly));
        lista.write(QStringLiteral("[Default Applications]\n%1=tarrowind-zeta.desktop\n").arg(typ).toUtf8());
    }

    // Ours among the items, in their order, with the item's represented application.
    static QStringList nasze(const QMenu &menu)
    {
        QStringList tytuly;
        for (QAction *akcja : menu.actions()) {
            if (akcja->isSeparator())
                tytuly << QStringLiteral("---");
            else if (const auto *pozycja = qobject_cast<PozycjaMenu *>(akcja);
                     pozycja->representedObject().value<IdentyfikatorProgramu>().desktopId.startsWith(
                         QLatin1String("tarrowind-")))
                tytuly << akcja->text() + QLatin1Char('|')
                              + pozycja->representedObject().value<IdentyfikatorProgramu>().desktopId;
        }
        return tytuly;
    }
};

} // namespace

TEST_F(OtworzWProgramie, TheDefaultStandsFirstOnceTheOthersByNameAndAChosenOneOpensTheFile)
{
    plik(QStringLiteral("All Beans/Work/szkic.kra"));
    katalog(QStringLiteral("All Beans/Work/Projekt"));
    Fasolka *szkic = fasolka(QStringLiteral("Work"), QStringLiteral("szkic.kra"));
    Fasolka *projekt = fasolka(QStringLiteral("Work"), QStringLiteral("Projekt"));
    ASSERT_TRUE(szkic && projekt);

    KontrolerAkcjeNaElementach kontroler;
    kontroler.setElement(szkic);
    Menu podmenu;
    podmenu.setDelegat(&kontroler);
    podmenu.addAction(QStringLiteral("stale"));
    FileSystemEntityActionController::zaktualizujPodrzedneMenuOtworzWProgramieDlaBytu(&podmenu, szkic->bytFasolki());
    EXPECT_EQ(nasze(podmenu).join(u'\n'),
              QStringList({"Zeta Viewer (default)|tarrowind-zeta.desktop", "---",
                           "alpha editor|tarrowind-alpha.desktop", "Beta && Reader|tarrowind-beta.desktop"})
                  .join(u'\n'));
    auto *alpha = qobject_cast<PozycjaMenu *>(podmenu.actions().at(2));
    ASSERT_TRUE(alpha);
    EXPECT_EQ(alpha->cel(), &kontroler);
    EXPECT_EQ(alpha->akcja(), Akcja::otworzBytElementuWProgramie);
    kontroler.performAction(alpha->akcja(), alpha);
    const QString zapis = QDir::homePath() + QStringLiteral("/tarrowind-alpha.zapis");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(zapis) && QFile(zapis).size() > 0; }, 5000));
    EXPECT_EQ(KatalogTestowy::czytaj(zapis), url(szkic).toUtf8());

    // Open With shows for a file only.
    Menu podreczne;
    PozycjaMenu *otworzW = podreczne.dodajPozycje(QStringLiteral("Open With"), Akcja::otworzBytFasolkiWProgramie);
    otworzW->setTag(FileSystemEntityActionController::tagPozycjiOtworzWProgramie);
    for (const auto &[byt, widoczna] : {std::pair{szkic->bytFasolki(), true},
                                        {projekt->bytFasolki(), false},
                                        {static_cast<BytSystemuPlikow *>(nullptr), false}}) {
        FileSystemEntityActionController::zaktualizujWidocznoscMenuPodrzednegoOtworzWProgramieDlaBytu(&podreczne, byt);
        EXPECT_EQ(otworzW->isVisible(), widoczna);
    }

    // A launch that fails writes why, and tells the user which file and why.
    NagrywarkaAlertow alerty;
    PozycjaMenu brakujacy({}, Akcja::otworzBytElementuWProgramie);
    brakujacy.setRepresentedObject(
        QVariant::fromValue(IdentyfikatorProgramu{QStringLiteral("tarrowind-brak.desktop")}));
    kontroler.performAction(brakujacy.akcja(), &brakujacy);
    EXPECT_TRUE(
        m_konsola.filter(QStringLiteral("Błąd:")).join(QString()).contains(QLatin1String("tarrowind-brak.desktop")))
        << qPrintable(m_konsola.join(QLatin1Char('\n')));
    ASSERT_TRUE(QTest::qWaitFor([&] { return alerty.wpisy().size() == 1; }, 2000));
    EXPECT_EQ(alerty.wpisy()[0].alert.messageText(), QStringLiteral("Could not open \u201Cszkic.kra\u201D."));
    EXPECT_EQ(alerty.wpisy()[0].alert.informativeText(),
              QStringLiteral("No application has the desktop entry \u201Ctarrowind-brak.desktop\u201D."));

    const IdentyfikatorProgramu zeta{QStringLiteral("tarrowind-zeta.desktop")};
    EXPECT_EQ(FileSystemEntityActionController::infoValueForAppAndKey(zeta, QStringLiteral("Comment")),
              "Otwiera rysunki");
    EXPECT_EQ(FileSystemEntityActionController::infoValueForAppAndKey(zeta, QStringLiteral("Name")), "Zeta Viewer");
    EXPECT_TRUE(FileSystemEntityActionController::infoValueForAppAndKey(zeta, QStringLiteral("X-Brak")).isNull());
}

// A file of a type no application is set for: the desktop's opener is not tried, the reason is told. A type the
// desktop cannot name ("unknown") would tell the user nothing: the item is named instead.
TEST_F(OtworzWProgramie, AFileOfATypeWithoutAnApplicationIsNotOpenedAndSaysWhy)
{
    struct Przypadek
    {
        const char *nazwa;
        QByteArray tresc;
        const char *typ;
        QString przyczyna; // the whole reason, or how it starts
        bool calaPrzyczyna;
    };
    const Przypadek przypadki[] = {
        {"dane.tarrowind-bez-programu", QByteArray("\x01\x02\xff", 3), "application/octet-stream",
         QStringLiteral("No application is set to open \u201Cdane.tarrowind-bez-programu\u201D."), true},
        {"mapa.torrent", QByteArray("d8:announce0:e"), "application/x-bittorrent",
         QStringLiteral("No application is set to open items of the type \u201C"), false},
    };
    for (const Przypadek &p : przypadki)
        if (GioApplications::defaultForType(QLatin1String(p.typ)))
            GTEST_SKIP() << "this system sets an application for " << p.typ;
    for (const Przypadek &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const QString sciezka = plik(QStringLiteral("All Beans/Work/") + QLatin1String(p.nazwa), p.tresc);
        BladOperacji blad;
        EXPECT_FALSE(DesktopServices::shared()->openInDefaultApplication(sciezka, &blad));
        EXPECT_EQ(blad.kod, GioApplications::pnBrakAplikacji);
        if (p.calaPrzyczyna)
            EXPECT_EQ(blad.przyczyna, p.przyczyna) << blad.przyczyna.toStdString();
        else
            EXPECT_TRUE(blad.przyczyna.startsWith(p.przyczyna)) << blad.przyczyna.toStdString();
        EXPECT_FALSE(blad.przyczyna.contains(QStringLiteral("unknown"))) << blad.przyczyna.toStdString();
    }
}

TEST(PrzepakujWersje, EveryComponentIsPaddedToThreeDigits)
{
    const std::pair<QString, QString> przypadki[] = {
        {"1.10.2", "001.010.002"}, {"2.0", "002.000"}, {"10.0", "010.000"}, {"", "000"},
        {"1234.5", "1234.005"},    {{}, {}},
    };
    for (const auto &[wersja, oczekiwana] : przypadki) {
        EXPECT_EQ(FileSystemEntityActionController::przepakujWersje(wersja), oczekiwana) << qPrintable(wersja);
        EXPECT_EQ(FileSystemEntityActionController::przepakujWersje(wersja).isNull(), wersja.isNull());
    }
    EXPECT_LT(FileSystemEntityActionController::przepakujWersje("9.1"),
              FileSystemEntityActionController::przepakujWersje("10.0"));
}
