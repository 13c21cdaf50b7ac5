#include "PortfolioPodObciazeniem.h"

#include "Support/NagrywajaceUslugiPulpitu.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/StartProgramu.h"
#include "Support/Ui/ZrzutPlikuZInnegoProgramu.h"

#include "Actions/DymekNowaRzecz.h"
#include "Actions/PoleNazwa.h"
#include "App/UruchomienieProgramu.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/OknaTarrowind.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/DelayedOperations.h"
#include "Platform/FileOperations.h"
#include "Platform/FolderListing.h"
#include "Platform/Paths.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Views/KontrolerArchiwum.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerPotoku.h"
#include "Views/KontrolerWszystkieFasolki.h"
#include "Views/ListwaZakresu.h"
#include "Views/ModelDrzewaPaskaNawigacji.h"
#include "Views/ProxyArchiwum.h"
#include "Views/ProxyFasolkiPotoku.h"
#include "Views/ProxyWszystkieFasolki.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokTabeliFasolkiZarchiwizowane.h"
#include "Views/WidokTabeliWszystkieFasolki.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/FileNameChangerField.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSet>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>

// A random day: a user's commands on the windows the program's own start-up builds, by real input at real rows,
// interleaved with another program's changes to the portfolio; after every settle the graph equals a fresh build,
// every shown list equals what its provider gives for the disk, and no file is lost (the Trash counts).
namespace {

using namespace PolecenieWOknie;

constexpr int najwiecejOkien = 3;
constexpr int najwiecejKart = 5;

// Commands that leave the day: quitting, other windows of the program, web pages, the diagnostics.
constexpr Akcja pomijane[] = {Akcja::terminate,
                              Akcja::otworzPreferencje,
                              Akcja::otworzPanelOProgramie,
                              Akcja::otworzStronePomocy,
                              Akcja::otworzWitryneTarrowind,
                              Akcja::otworzStroneChangeloga,
                              Akcja::wyswietlLancuchResponderow,
                              Akcja::testuj,
                              Akcja::wyswietlStanObiektuPotoku,
                              Akcja::wyswietlListyPoprzednichINastepnychWidokow,
                              Akcja::testProfiler,
                              Akcja::wyswietlStanEdytora};

bool dozwolona(const QAction *akcja)
{
    if (!akcja->isEnabled() || !akcja->isVisible() || akcja->isSeparator())
        return false;
    const auto *pozycja = qobject_cast<const PozycjaMenu *>(akcja);
    return !pozycja || std::find(std::begin(pomijane), std::end(pomijane), pozycja->akcja()) == std::end(pomijane);
}

// The items a user can choose in a menu and its submenus, each menu prepared as opening it does.
void zbierzPozycje(QMenu *menu, QList<QAction *> &pozycje)
{
    if (auto *nasze = qobject_cast<Menu *>(menu))
        nasze->przygotujDoPokazania();
    for (QAction *akcja : menu->actions()) {
        if (!dozwolona(akcja))
            continue;
        if (akcja->menu())
            zbierzPozycje(akcja->menu(), pozycje);
        else
            pozycje << akcja;
    }
}

DymekNowaRzecz *otwartyDymek()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dymek = qobject_cast<DymekNowaRzecz *>(widget); dymek && dymek->isVisible())
            return dymek;
    return nullptr;
}

// Typed key by key; a letter beyond ASCII comes as a key event carrying its text, as an input method sends it.
void wpisz(QWidget *pole, const QString &tekst)
{
    for (const QChar znak : tekst) {
        if (znak.unicode() < 0x80 && znak.isPrint()) {
            QTest::keyClick(pole, char(znak.unicode()));
            continue;
        }
        QKeyEvent nacisniecie(QEvent::KeyPress, 0, Qt::NoModifier, QString(znak));
        QApplication::sendEvent(pole, &nacisniecie);
        QKeyEvent puszczenie(QEvent::KeyRelease, 0, Qt::NoModifier, QString(znak));
        QApplication::sendEvent(pole, &puszczenie);
    }
}

// The row's text: the first column that shows one.
QString opisWiersza(const QModelIndex &indeks)
{
    if (!indeks.isValid())
        return QStringLiteral("(below the rows)");
    for (int kolumna = 0; kolumna < indeks.model()->columnCount(indeks.parent()); ++kolumna)
        if (const QString tekst = indeks.siblingAtColumn(kolumna).data().toString(); !tekst.isEmpty())
            return tekst;
    return QStringLiteral("(row %1)").arg(indeks.row());
}

QString sciezkaFasolki(const Fasolka *fasolka)
{
    return fasolka && fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString();
}

// The statuses a scope shows, as ProxyListyFasolek documents them; an empty set for All.
QSet<int> statusyZakresu(const ListwaZakresu *listwa)
{
    switch (listwa ? listwa->statusPaskaZakresu() : ListwaZakresu::zWszystkie) {
    case ListwaZakresu::zWObrobce:
        return {Fasolka::sfWInkubacji, Fasolka::sfAktywna, Fasolka::sfOczekujaca, Fasolka::sfGotowa};
    case ListwaZakresu::zWInkubacji:
        return {Fasolka::sfWInkubacji};
    case ListwaZakresu::zAktywne:
        return {Fasolka::sfAktywna};
    case ListwaZakresu::zOczekujace:
        return {Fasolka::sfOczekujaca};
    case ListwaZakresu::zGotowe:
        return {Fasolka::sfGotowa};
    case ListwaZakresu::zNieaktywne:
        return {Fasolka::sfNieaktywna};
    case ListwaZakresu::zUkonczone:
        return {Fasolka::sfUkonczona};
    default:
        return {};
    }
}

class LosowyDzien : public PortfolioPodObciazeniem
{
protected:
    LosowyDzien()
    {
        m_zmiennaZiarna = "TARROWIND_MONKEY_SEED";
        // Each step writes one line, a settle one more: the last 20 steps.
        m_dlugoscDziennika = qEnvironmentVariableIsSet("DZIENNIK") ? 1000000 : 40;
    }

    void SetUp() override
    {
        PortfolioPodObciazeniem::SetUp();
        if (HasFatalFailure())
            return;
        DesktopServices::setShared(std::make_unique<NagrywajaceUslugiPulpitu>(&m_wywolania));
        // The home Trash of a fresh account, whose data folder is not there yet.
        liczTakzeW(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                   + QStringLiteral("/Trash/files"));
        // Every alert gets one of its buttons, drawn.
        m_alerty.podCzasAlertu([this](const Alert &alert) {
            const int przyciski = std::max<int>(1, int(alert.buttons().size()));
            const int odpowiedz = 1000 + losuj(przyciski);
            m_alerty.dodajOdpowiedz(odpowiedz);
            zapiszWDzienniku(QStringLiteral("   alert \"%1\" answered %2").arg(alert.messageText()).arg(odpowiedz));
        });
        BrowserWindow *okno = nullptr;
        uruchomProgram(m_uruchomienie, okno);
        if (HasFatalFailure())
            return;
        // A dialog nobody scripted would hold the day in its own loop: it is closed and written down.
        m_straznik.setInterval(200);
        QObject::connect(&m_straznik, &QTimer::timeout, [this] {
            if (QWidget *modalny = QApplication::activeModalWidget()) {
                zapiszWDzienniku(QStringLiteral("   closed a dialog: ")
                                 + QLatin1String(modalny->metaObject()->className()));
                modalny->close();
            }
        });
        m_straznik.start();
    }

    void TearDown() override
    {
        m_straznik.stop();
        zatrzymajProgram(m_uruchomienie);
        DesktopServices::setShared(nullptr);
        PortfolioPodObciazeniem::TearDown();
    }

    BrowserWindow *aktywneOkno()
    {
        if (auto *okno = qobject_cast<BrowserWindow *>(QApplication::activeWindow()); okno && okno->isVisible())
            return okno;
        const QList<BrowserWindow *> okna = widoczneOknaPrzegladarki();
        if (okna.isEmpty())
            return nullptr;
        BrowserWindow *okno = okna[losuj(int(okna.size()))];
        aktywuj(okno);
        return okno;
    }

    // One step of the user or of the other program, written down first.
    void krok(int numer);
    // The watcher quiet and no drop waiting; then the invariants.
    void ustalISprawdz(int numer);
    void sprawdzListy(const QString &gdzie);

    void polecenieZMenuGlownego(BrowserWindow *okno, bool klawiszem);
    void menuPodreczne(BrowserWindow *okno);
    void kliknij(BrowserWindow *okno, bool podwojnie);
    void upuscPlik(BrowserWindow *okno);
    void zmienNazweWMiejscu(BrowserWindow *okno);
    void wybierzKarte(BrowserWindow *okno);
    // Scope bar, row type, panels, the icon bars' "+" and New Folder: any button the window shows.
    void kliknijPrzycisk(BrowserWindow *okno);
    // A popover left open by the step gets a name, or Escape.
    void odpowiedzDymkowi();

    // Told as it was drawn: the step's input may change the rows (an outline applies its folder's changes when asked
    // for the selection) or close the view, so no index or view of it is read afterwards.
    struct Miejsce
    {
        QAbstractItemView *widok = nullptr;
        QPoint punkt;
        bool naWierszu = false;
        QString nazwaWidoku;
        QString wiersz;
    };
    // A visible list or outline of the window and a place in it: mostly a row, now and then below the rows.
    Miejsce losujMiejsce(BrowserWindow *okno);
    // Now and then a name every entry point refuses. A hidden name is the user's own choice for an item of a folder's
    // outline, whose contents then leave every listing: `ukryta` false draws none.
    QString nazwaLubZla(bool plik, bool ukryta = true);

    std::unique_ptr<UruchomienieProgramu> m_uruchomienie;
    QStringList m_wywolania;
    NagrywarkaAlertow m_alerty;
    QTimer m_straznik;
    bool m_zrzutOczekuje = false;
};

QString LosowyDzien::nazwaLubZla(bool plik, bool ukryta)
{
    static const QStringList zle{QString(), QStringLiteral("a/b"), QStringLiteral(".ukryta"), QStringLiteral("_Done"),
                                 QStringLiteral("..")};
    const QString nazwa = szansa(5) ? zle[losuj(int(zle.size()))] : nowaNazwa(plik);
    return !ukryta && nazwa.startsWith(u'.') ? QString() : nazwa;
}

LosowyDzien::Miejsce LosowyDzien::losujMiejsce(BrowserWindow *okno)
{
    QList<QAbstractItemView *> widoki;
    for (QAbstractItemView *widok : okno->findChildren<QAbstractItemView *>())
        if (widok->isVisible() && widok->model() && widok->viewport()->height() > 4
            && !qobject_cast<QHeaderView *>(widok))
            widoki << widok;
    if (widoki.isEmpty())
        return {};
    Miejsce miejsce;
    miejsce.widok = widoki[losuj(int(widoki.size()))];
    QWidget *viewport = miejsce.widok->viewport();
    QList<QModelIndex> wiersze;
    for (int y = 1; y < viewport->height(); y += 3) {
        const QModelIndex indeks = miejsce.widok->indexAt(QPoint(viewport->width() / 3, y));
        if (indeks.isValid()
            && (wiersze.isEmpty() || wiersze.constLast().row() != indeks.row()
                || wiersze.constLast().parent() != indeks.parent()))
            wiersze << indeks;
    }
    QModelIndex indeks;
    if (wiersze.isEmpty() || szansa(12)) {
        miejsce.punkt = QPoint(viewport->width() / 2, viewport->height() - 3);
        indeks = miejsce.widok->indexAt(miejsce.punkt);
    } else {
        const QModelIndex wiersz = wiersze[losuj(int(wiersze.size()))];
        const int kolumny = miejsce.widok->model()->columnCount(wiersz.parent());
        indeks = wiersz.siblingAtColumn(kolumny > 1 ? losuj(kolumny) : 0);
        if (!miejsce.widok->visualRect(indeks).isValid())
            indeks = wiersz;
        miejsce.punkt = miejsce.widok->visualRect(indeks).center();
    }
    miejsce.naWierszu = indeks.isValid();
    miejsce.nazwaWidoku = QString::fromLatin1(miejsce.widok->metaObject()->className());
    miejsce.wiersz = opisWiersza(indeks);
    return miejsce;
}

void LosowyDzien::polecenieZMenuGlownego(BrowserWindow *okno, bool klawiszem)
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaOkna(okno);
    QList<QAction *> pozycje;
    for (QAction *menu : okno->menuBar()->actions())
        if (menu->menu() && menu->isVisible())
            zbierzPozycje(menu->menu(), pozycje);
    // Windows and tabs stay few, or the day would spend itself opening them.
    const bool duzoOkien = widoczneOknaPrzegladarki().size() >= najwiecejOkien;
    const bool duzoKart = przegladarka && przegladarka->tabCount() >= najwiecejKart;
    pozycje.removeIf([&](QAction *akcja) {
        const QString tytul = akcja->text();
        if (klawiszem && akcja->shortcuts().isEmpty())
            return true;
        return (duzoOkien && tytul.contains(QLatin1String("Window")) && !tytul.contains(QLatin1String("Close")))
               || (duzoKart && tytul.contains(QLatin1String("Tab")) && !tytul.contains(QLatin1String("Close")));
    });
    if (pozycje.isEmpty())
        return;
    QAction *wybrana = pozycje[losuj(int(pozycje.size()))];
    if (klawiszem) {
        const QKeySequence klawisz = wybrana->shortcuts().constFirst();
        zapiszWDzienniku(QStringLiteral("key %1 (%2)").arg(klawisz.toString(), wybrana->text()));
        QWidget *fokus = QApplication::focusWidget();
        QTest::keyClick(fokus ? fokus : okno, klawisz[0].key(), klawisz[0].keyboardModifiers());
        return;
    }
    zapiszWDzienniku(QStringLiteral("main menu \"%1\"").arg(wybrana->text()));
    ++m_statystyka[QStringLiteral("main menu: ") + wybrana->text()].first;
    wybrana->trigger();
}

void LosowyDzien::menuPodreczne(BrowserWindow *okno)
{
    const Miejsce miejsce = losujMiejsce(okno);
    if (!miejsce.widok)
        return;
    kliknijPrawymW(miejsce.widok, miejsce.punkt);
    QMenu *menu = otwarteMenu();
    if (!menu) {
        zapiszWDzienniku(
            QStringLiteral("right click in %1 at \"%2\": no menu").arg(miejsce.nazwaWidoku, miejsce.wiersz));
        return;
    }
    QList<QAction *> pozycje;
    zbierzPozycje(menu, pozycje);
    menu->close();
    if (pozycje.isEmpty())
        return;
    QAction *wybrana = pozycje[losuj(int(pozycje.size()))];
    ++m_statystyka[QStringLiteral("context menu: ")
                   + (qobject_cast<PozycjaMenu *>(wybrana) ? wybrana->text()
                                                           : QStringLiteral("(a flow or an application)"))]
          .first;
    zapiszWDzienniku(QStringLiteral("context menu of %1 at \"%2\": \"%3\"")
                         .arg(miejsce.nazwaWidoku, miejsce.wiersz, wybrana->text()));
    wybrana->trigger();
}

void LosowyDzien::kliknij(BrowserWindow *okno, bool podwojnie)
{
    const Miejsce miejsce = losujMiejsce(okno);
    if (!miejsce.widok)
        return;
    const Qt::KeyboardModifiers modyfikatory = szansa(15)   ? Qt::ControlModifier
                                               : szansa(10) ? Qt::AltModifier
                                                            : Qt::NoModifier;
    zapiszWDzienniku(QStringLiteral("%1 in %2 at \"%3\"%4")
                         .arg(podwojnie ? QStringLiteral("double-click") : QStringLiteral("click"), miejsce.nazwaWidoku,
                              miejsce.wiersz,
                              modyfikatory == Qt::NoModifier ? QString() : QStringLiteral(" with a modifier")));
    QPointer<QWidget> viewport = miejsce.widok->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, modyfikatory, miejsce.punkt);
    if (podwojnie && viewport)
        QTest::mouseDClick(viewport, Qt::LeftButton, modyfikatory, miejsce.punkt);
}

void LosowyDzien::upuscPlik(BrowserWindow *okno)
{
    const Miejsce miejsce = losujMiejsce(okno);
    if (!miejsce.widok)
        return;
    // A file of another program, or an item of the portfolio as a drag from a list or a file manager brings it.
    QString plik;
    if (szansa(50)) {
        plik = poza(nowaNazwa(true));
        zapiszPlik(plik, nowaTresc());
    } else {
        const QList<Fasolka *> fasolki = fasolkiGrafu();
        if (fasolki.isEmpty())
            return;
        plik = sciezkaFasolki(fasolki[losuj(int(fasolki.size()))]);
    }
    ZrzutPlikuZInnegoProgramu zrzut(plik, miejsce.widok, miejsce.punkt);
    const bool wszedl = zrzut.wejdz();
    const bool upuszczony = wszedl && zrzut.upusc();
    m_zrzutOczekuje = m_zrzutOczekuje || upuszczony;
    zapiszWDzienniku(QStringLiteral("drop %1 on %2 at \"%3\": %4")
                         .arg(plik.mid(R().size()), miejsce.nazwaWidoku, miejsce.wiersz,
                              upuszczony ? QStringLiteral("taken") : QStringLiteral("refused")));
}

void LosowyDzien::zmienNazweWMiejscu(BrowserWindow *okno)
{
    const Miejsce miejsce = losujMiejsce(okno);
    if (!miejsce.widok || !miejsce.naWierszu)
        return;
    QPointer<QAbstractItemView> widok = miejsce.widok;
    QTest::mouseClick(widok->viewport(), Qt::LeftButton, {}, miejsce.punkt);
    if (!widok)
        return;
    QTest::keyClick(widok, Qt::Key_F2);
    auto *pole = qobject_cast<FileNameChangerField *>(QApplication::focusWidget());
    if (!pole) {
        zapiszWDzienniku(QStringLiteral("F2 in %1 at \"%2\": no field").arg(miejsce.nazwaWidoku, miejsce.wiersz));
        return;
    }
    const QString nazwa = nazwaLubZla(szansa(50), !qobject_cast<WidokZaryseliRzeczyKatalogu *>(widok.data()));
    static const Qt::Key konce[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Escape};
    const Qt::Key koniec = konce[losuj(int(std::size(konce)))];
    zapiszWDzienniku(QStringLiteral("rename in place in %1 \"%2\" -> \"%3\" ending with %4")
                         .arg(miejsce.nazwaWidoku, miejsce.wiersz, nazwa, QKeySequence(koniec).toString()));
    pole->selectAll();
    wpisz(pole, nazwa);
    QTest::keyClick(pole, koniec);
}

void LosowyDzien::kliknijPrzycisk(BrowserWindow *okno)
{
    QList<QAbstractButton *> przyciski;
    for (QAbstractButton *przycisk : okno->findChildren<QAbstractButton *>())
        if (przycisk->isVisible() && przycisk->isEnabled())
            przyciski << przycisk;
    if (przyciski.isEmpty())
        return;
    QAbstractButton *przycisk = przyciski[losuj(int(przyciski.size()))];
    const QString nazwa = przycisk->objectName().isEmpty() ? przycisk->text() : przycisk->objectName();
    zapiszWDzienniku(
        QStringLiteral("button \"%1\" (%2)").arg(nazwa, QLatin1String(przycisk->metaObject()->className())));
    ++m_statystyka[QStringLiteral("button: ") + nazwa].first;
    QTest::mouseClick(przycisk, Qt::LeftButton);
}

void LosowyDzien::wybierzKarte(BrowserWindow *okno)
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaOkna(okno);
    if (!przegladarka || przegladarka->tabCount() < 2)
        return;
    const int indeks = losuj(przegladarka->tabCount());
    zapiszWDzienniku(QStringLiteral("tab %1 selected").arg(indeks));
    przegladarka->selectTabAtIndex(indeks);
}

void LosowyDzien::odpowiedzDymkowi()
{
    DymekNowaRzecz *dymek = otwartyDymek();
    if (!dymek)
        return;
    if (szansa(15)) {
        zapiszWDzienniku(QStringLiteral("   popover: Escape"));
        QTest::keyClick(dymek->poleNazwa(), Qt::Key_Escape);
        return;
    }
    const QString nazwa = nazwaLubZla(false);
    zapiszWDzienniku(QStringLiteral("   popover: \"%1\"").arg(nazwa));
    wpisz(dymek->poleNazwa(), nazwa);
    QTest::keyClick(dymek->poleNazwa(), Qt::Key_Return);
}

void LosowyDzien::krok(int numer)
{
    enum Rodzaj {
        kMenuGlowne,
        kKlawisz,
        kMenuPodreczne,
        kKlik,
        kDwuklik,
        kZrzut,
        kNazwa,
        kKarta,
        kOkno,
        kPrzycisk,
        kInnyProgram
    };
    const int rodzaj = losujWedlugWag({16, 8, 18, 14, 5, 3, 6, 3, 2, 6, 25});
    static const char *const nazwy[] = {"main menu",       "key", "context menu", "click",  "double-click", "drop",
                                        "rename in place", "tab", "window",       "button", "other program"};
    ++m_statystyka[QStringLiteral("step: ") + QLatin1String(nazwy[rodzaj])].first;
    zapiszWDzienniku(QStringLiteral("step %1:").arg(numer));
    if (rodzaj == kInnyProgram) {
        krokInnegoProgramu();
        return;
    }
    BrowserWindow *okno = aktywneOkno();
    if (!okno) {
        // The last browser window closed: the user closes what else is shown (a preview panel) and starts the
        // program again, which reopens one.
        zapiszWDzienniku(QStringLiteral("   reopened with no window"));
        for (QWidget *inne : QApplication::topLevelWidgets())
            if (inne->isVisible() && inne->isWindow())
                inne->close();
        m_uruchomienie->delegat().applicationShouldHandleReopenHasVisibleWindows(false);
        okno = aktywneOkno();
    }
    if (!okno) {
        ADD_FAILURE() << "no window after a reopen" << kontekst().toStdString();
        return;
    }
    switch (rodzaj) {
    case kMenuGlowne:
    case kKlawisz:
        polecenieZMenuGlownego(okno, rodzaj == kKlawisz);
        break;
    case kMenuPodreczne:
        menuPodreczne(okno);
        break;
    case kKlik:
    case kDwuklik:
        kliknij(okno, rodzaj == kDwuklik);
        break;
    case kZrzut:
        upuscPlik(okno);
        break;
    case kNazwa:
        zmienNazweWMiejscu(okno);
        break;
    case kKarta:
        wybierzKarte(okno);
        break;
    case kPrzycisk:
        kliknijPrzycisk(okno);
        break;
    case kOkno: {
        const QList<BrowserWindow *> okna = widoczneOknaPrzegladarki();
        BrowserWindow *inne = okna[losuj(int(okna.size()))];
        zapiszWDzienniku(QStringLiteral("window \"%1\" activated").arg(inne->windowTitle()));
        aktywuj(inne);
        break;
    }
    }
    QCoreApplication::processEvents();
    odpowiedzDymkowi();
    if (QWidget *menu = QApplication::activePopupWidget())
        menu->close();
    QCoreApplication::processEvents();
    // Back in the program's loop, what the step closed is deleted; processEvents alone leaves it, and windows, tabs
    // and views closed would pile up alive all day.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void LosowyDzien::ustalISprawdz(int numer)
{
    // A taken drop is carried out 0.2 s later: it waits in the queue of put-off work.
    const auto termin = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    // Duplicates and moves to the Trash run on the thread pool and report back through the loop.
    QThreadPool::globalInstance()->waitForDone(10000);
    QCoreApplication::processEvents();
    if (m_zrzutOczekuje) {
        while (DelayedOperations::liczbaOczekujacych() > 0 && std::chrono::steady_clock::now() < termin)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        m_zrzutOczekuje = false;
        przyjmijKopie();
    }
    ASSERT_TRUE(ustal());
    const QString gdzie = QStringLiteral("step %1").arg(numer);
    przyjmijKopie();
    sprawdzNiezmienniki(gdzie);
    sprawdzListy(gdzie);
}

void LosowyDzien::sprawdzListy(const QString &gdzie)
{
    QStringList bledy;
    const QList<Potok *> potoki = potokiGrafu();
    const QSet<QObject *> wGrafie = [&] {
        QSet<QObject *> zbior;
        for (Fasolka *f : fasolkiGrafu())
            zbior.insert(f);
        return zbior;
    }();
    // The bean rows of a list against the beans the disk gives for it; the list's rows against its provider.
    const auto porownaj = [&](const QString &lista, KontrolerTablicy *tablica, ProxyListyFasolek *proxy,
                              const QList<Fasolka *> &oczekiwane) {
        if (tablica->arrangedObjects() != proxy->tablica())
            bledy << lista + QStringLiteral(": the rows differ from the provider's list");
        QSet<QObject *> wiersze, spodziewane;
        for (QObject *obiekt : tablica->arrangedObjects())
            if (auto *fasolka = qobject_cast<Fasolka *>(obiekt)) {
                wiersze.insert(fasolka);
                if (!wGrafie.contains(fasolka))
                    bledy << lista + QStringLiteral(": a row holds a bean no longer in the graph");
            }
        for (Fasolka *fasolka : oczekiwane)
            spodziewane.insert(fasolka);
        const bool zFraza = !proxy->frazaFiltra().isEmpty();
        if (zFraza ? !spodziewane.contains(wiersze) : wiersze != spodziewane) {
            QStringList brak, nadmiar;
            for (QObject *o : spodziewane - wiersze)
                brak << sciezkaFasolki(qobject_cast<Fasolka *>(o)).mid(R().size());
            for (QObject *o : wiersze - spodziewane)
                nadmiar << sciezkaFasolki(qobject_cast<Fasolka *>(o)).mid(R().size());
            bledy << lista
                         + QStringLiteral(": missing rows [%1], rows not due [%2]")
                               .arg(brak.join(", "), nadmiar.join(", "));
        }
    };
    const auto wZakresie = [](const QList<Potok *> &zPotokow, const ListwaZakresu *listwa) {
        const QSet<int> statusy = statusyZakresu(listwa);
        QList<Fasolka *> wynik;
        for (Potok *potok : zPotokow)
            for (Fasolka *f : potok->fasolki())
                if (statusy.isEmpty() || statusy.contains(f->statusFasolki()))
                    wynik << f;
        return wynik;
    };

    for (BrowserWindow *okno : widoczneOknaPrzegladarki()) {
        PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaOkna(okno);
        if (!przegladarka)
            continue;
        const QString nazwaOkna = QStringLiteral("window \"%1\"").arg(okno->windowTitle());
        for (int i = 0; i < przegladarka->tabCount(); ++i)
            if (auto *karta = dynamic_cast<KartaFasolki *>(przegladarka->tabContentsAtIndex(i)))
                if (!wGrafie.contains(karta->fasolka()))
                    bledy << nazwaOkna + QStringLiteral(": a bean tab stays open on a bean gone from the graph");
        auto *karta = dynamic_cast<KartaPortfolio *>(przegladarka->activeTabContents());
        if (!karta)
            continue;
        if (KontrolerPotoku *potok = karta->kontrolerWybranegoPotoku(); potok && potok->widokTabeli()->isVisible()) {
            if (!potoki.contains(potok->potok()))
                bledy << nazwaOkna + QStringLiteral(": the flow shown is gone from the graph");
            else
                porownaj(nazwaOkna + QStringLiteral(" flow ") + potok->potok()->nazwa(),
                         potok->widokTabeli()->kontrolerTablicy(), potok->proxyFasolkiPotoku(),
                         wZakresie({potok->potok()}, potok->proxyFasolkiPotoku()->listwaZakresu()));
        }
        if (KontrolerWszystkieFasolki *wszystkie = karta->kontrolerWybranychWszystkichFasolek();
            wszystkie && wszystkie->widokTabeli() && wszystkie->widokTabeli()->isVisible())
            porownaj(nazwaOkna + QStringLiteral(" All Beans"), wszystkie->widokTabeli()->kontrolerTablicy(),
                     wszystkie->proxyWszystkieFasolki(),
                     wZakresie(potoki, wszystkie->proxyWszystkieFasolki()->listwaZakresu()));
        if (KontrolerArchiwum *archiwum = karta->kontrolerWybranegoArchiwum();
            archiwum && archiwum->widokTabeli() && archiwum->widokTabeli()->isVisible()) {
            QList<Fasolka *> zarchiwizowane;
            for (ArchiwumPotoku *a : baza()->archiwum()->archiwaPotokow())
                zarchiwizowane += a->fasolki().elementy();
            porownaj(nazwaOkna + QStringLiteral(" archive"), archiwum->widokTabeli()->kontrolerTablicy(),
                     archiwum->proxyArchiwum(), zarchiwizowane);
        }
        // The navigation bar lists every flow once.
        for (auto *pasek : okno->findChildren<WidokZaryseliPaskaNawigacji *>()) {
            auto *model = qobject_cast<ModelDrzewaPaskaNawigacji *>(pasek->model());
            if (!pasek->isVisible() || !model)
                continue;
            QList<Potok *> pokazane;
            for (const QModelIndex &indeks : model->wszystkieIndeksy())
                if (auto *potok = qobject_cast<Potok *>(model->element(indeks)))
                    pokazane << potok;
            std::sort(pokazane.begin(), pokazane.end());
            QList<Potok *> wszystkie = potoki;
            std::sort(wszystkie.begin(), wszystkie.end());
            if (pokazane != wszystkie)
                bledy << nazwaOkna
                             + QStringLiteral(": the navigation bar shows %1 flows, the graph has %2")
                                   .arg(pokazane.size())
                                   .arg(wszystkie.size());
        }
        // A folder's outline reloads 0.5 s after its folder changed: it is compared once nothing waits.
        if (DelayedOperations::liczbaOczekujacych() > 0)
            continue;
        for (auto *zarys : okno->findChildren<WidokZaryseliRzeczyKatalogu *>()) {
            auto *drzewo = qobject_cast<KontrolerDrzewa *>(zarys->model());
            if (!zarys->isVisible() || !drzewo || !drzewo->katalog())
                continue;
            const QString katalog = drzewo->katalog()->plikowyURL();
            QStringList naDysku, pokazane;
            for (const FolderListing::Wpis &wpis : FolderListing::list(katalog).wpisy)
                if (!Paths::lastComponent(wpis.sciezka).startsWith(u'.'))
                    naDysku << Paths::nfc(wpis.sciezka);
            for (WezelDrzewa *wezel : drzewo->korzen()->childNodes())
                if (wezel->byt())
                    pokazane << Paths::nfc(wezel->byt()->plikowyURL());
            naDysku.sort();
            pokazane.sort();
            if (naDysku == pokazane)
                continue;
            // Which view holds the outline: its widgets up to the window.
            QStringList wlasciciele;
            for (QWidget *w = zarys->parentWidget(); w && w != okno; w = w->parentWidget())
                if (!QByteArray(w->metaObject()->className()).startsWith('Q'))
                    wlasciciele << QLatin1String(w->metaObject()->className());
            bledy << nazwaOkna
                         + QStringLiteral(": the outline of %1 (in %2) shows [%3], the disk holds [%4]")
                               .arg(katalog.mid(R().size()), wlasciciele.join(" < "), pokazane.join(", "),
                                    naDysku.join(", "));
        }
    }
    if (!bledy.isEmpty())
        ADD_FAILURE() << "after " << gdzie.toStdString() << " the shown lists differ:\n  "
                      << bledy.join("\n  ").toStdString() << kontekst().toStdString();
}

// 2,000 steps, or TARROWIND_MONKEY_STEPS of them; TARROWIND_MONKEY_SEED replays a day.
TEST_F(LosowyDzien, NothingIsLostAndEveryViewFollowsTheDiskAfterEverySettle)
{
    const int krokow = qEnvironmentVariableIsSet("TARROWIND_MONKEY_STEPS")
                           ? qEnvironmentVariableIntValue("TARROWIND_MONKEY_STEPS")
                           : 2000;
    ustawBudzetCzasu(120 + krokow / 10, "the random day of seed " + std::to_string(m_ziarno));
    const auto poczatek = std::chrono::steady_clock::now();
    int ustalen = 0;
    int numer = 1;
    for (; numer <= krokow && !HasFailure(); ++numer) {
        krok(numer);
        if (numer == krokow || szansa(25)) {
            ustalISprawdz(numer);
            ++ustalen;
        }
        if (numer % 1000 == 0) {
            std::printf("%d steps, %.0f s\n", numer,
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count());
            std::fflush(stdout);
        }
    }
    std::printf("%d of %d steps, %d settles checked, %d alerts, seed %llu\n", numer - 1, krokow, ustalen,
                int(m_alerty.wpisy().size()), (unsigned long long)m_ziarno);
}

} // namespace
