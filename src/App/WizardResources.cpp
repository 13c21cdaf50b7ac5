#include "WizardResources.h"

#include "SetupAndMigrationWizard.h"
#include "SetupWizardService.h"
#include "WizardController.h"
#include "WizardLocationViewsController.h"
#include "WizardMigrationViewController.h"
#include "WizardWindow.h"

#include "Platform/Ui/AkcjaPrzycisku.h"
#include "Platform/Ui/LancuchResponderow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QString tr(const char *tekst)
{
    return QCoreApplication::translate("WizardResources", tekst);
}

// The static texts in which the three resources differ.
struct Teksty
{
    int przeplyw;
    QString tytulStartu;
    QString opisStartu;
    QString opisWyboru;
    QString etykietaStarejLokalizacji; // empty: the flow has no old location
    QString etykietaNowejLokalizacji;
};

Teksty tekstyZasobu(const QString &nazwa)
{
    if (nazwa == QLatin1String("FirstRunWizard")) {
        return {SetupAndMigrationWizard::FirstRunWizardFlow,
                tr("Welcome to Tarrowind"),
                tr("Tarrowind keeps your projects as beans, one file or folder each, gathered in flows. "
                   "All of them live in one folder on your disk, your portfolio.\n\n"
                   "To begin, choose where your portfolio should be."),
                tr("Choose the folder that will hold your portfolio. A folder named \u201CTarrowind\u201D is "
                   "created inside it unless it is already there."),
                QString(),
                tr("Portfolio location:")};
    }
    if (nazwa == QLatin1String("UsePortfolioWizard")) {
        return {SetupAndMigrationWizard::UsePortfolioWizardFlow,
                tr("Welcome back to Tarrowind"),
                tr("This version of Tarrowind remembers the place of your portfolio in a new way. "
                   "Choose your portfolio folder once more and Tarrowind will take it into use."),
                tr("Tarrowind last used the portfolio in this folder:"),
                tr("Earlier location:"),
                tr("Portfolio location:")};
    }
    if (nazwa == QLatin1String("MigrationWizard")) {
        return {SetupAndMigrationWizard::MigrationWizardFlow,
                tr("Your portfolio is moving"),
                tr("Tarrowind no longer keeps your portfolio in its private folder. Choose a new place "
                   "for it and Tarrowind will move it there."),
                tr("Your portfolio is now here:"),
                tr("Current location:"),
                tr("New location:")};
    }
    return {-1, {}, {}, {}, {}, {}};
}

QLabel *etykieta(QWidget *rodzic, const QString &nazwaObiektu, const QString &tekst, int rozmiarPikseli = 13,
                 bool pogrubiona = false)
{
    auto *wynik = new QLabel(tekst, rodzic);
    wynik->setObjectName(nazwaObiektu);
    wynik->setWordWrap(true);
    QFont czcionka = wynik->font();
    czcionka.setPixelSize(rozmiarPikseli);
    czcionka.setBold(pogrubiona);
    wynik->setFont(czcionka);
    return wynik;
}

QLabel *etykietaSciezki(QWidget *rodzic, const QString &nazwaObiektu)
{
    QLabel *wynik = etykieta(rodzic, nazwaObiektu, QString(), 12);
    wynik->setTextInteractionFlags(Qt::TextSelectableByMouse);
    wynik->setMinimumWidth(1);
    return wynik;
}

QPushButton *przycisk(QWidget *rodzic, const QString &nazwaObiektu, const QString &tytul)
{
    auto *wynik = new QPushButton(tytul, rodzic);
    wynik->setObjectName(nazwaObiektu);
    wynik->setAutoDefault(false);
    return wynik;
}

struct Strona
{
    QWidget *widok = nullptr;
    QVBoxLayout *tresc = nullptr;
    QHBoxLayout *pasek = nullptr;
};

// A page: its title and text on the white sheet, and a bar of buttons on the grey band at its foot.
Strona strona(QStackedWidget *strony, const QString &nazwaObiektu, const QString &tytul, const QString &opis)
{
    Strona wynik;
    wynik.widok = new QWidget(strony);
    wynik.widok->setObjectName(nazwaObiektu);
    auto *uklad = new QVBoxLayout(wynik.widok);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);

    auto *gora = new QWidget(wynik.widok);
    wynik.tresc = new QVBoxLayout(gora);
    wynik.tresc->setContentsMargins(32, 28, 32, 16);
    wynik.tresc->setSpacing(12);
    wynik.tresc->addWidget(etykieta(gora, nazwaObiektu + QStringLiteral("Title"), tytul, 20, true));
    if (!opis.isEmpty())
        wynik.tresc->addWidget(etykieta(gora, nazwaObiektu + QStringLiteral("Text"), opis));
    uklad->addWidget(gora, 1);

    auto *dol = new QWidget(wynik.widok);
    dol->setFixedHeight(41);
    wynik.pasek = new QHBoxLayout(dol);
    wynik.pasek->setContentsMargins(16, 0, 16, 0);
    wynik.pasek->setSpacing(8);
    uklad->addWidget(dol);

    strony->addWidget(wynik.widok);
    return wynik;
}

// A row with a caption, a path and a button that opens the folder.
QLabel *wierszSciezki(Strona &strona, const QString &podpis, const QString &nazwaEtykiety, QPushButton **otworz,
                      const QString &nazwaPrzycisku)
{
    QWidget *rodzic = strona.tresc->parentWidget();
    auto *wiersz = new QHBoxLayout;
    wiersz->setSpacing(8);
    QLabel *naglowek = etykieta(rodzic, QString(), podpis, 12, true);
    naglowek->setWordWrap(false);
    wiersz->addWidget(naglowek);
    QLabel *sciezka = etykietaSciezki(rodzic, nazwaEtykiety);
    wiersz->addWidget(sciezka, 1);
    *otworz = przycisk(rodzic, nazwaPrzycisku, tr("Show"));
    wiersz->addWidget(*otworz);
    strona.tresc->addLayout(wiersz);
    return sciezka;
}

// The five pages' buttons, wired once every page exists.
struct PrzyciskiKreatora
{
    QPushButton *zakoncz = nullptr;
    QPushButton *dalej = nullptr;
    QPushButton *pokazStaraWWyborze = nullptr; // only with an old location
    QPushButton *wsteczZWyboru = nullptr;
    QPushButton *wybierz = nullptr;
    QPushButton *pokazStaraWOperacji = nullptr; // only with an old location
    QPushButton *pokazNowa = nullptr;
    QPushButton *wsteczZOperacji = nullptr;
    QPushButton *zmien = nullptr;
    QPushButton *wykonaj = nullptr;
    QPushButton *anuluj = nullptr;
    QPushButton *zacznij = nullptr;
};

struct StronyKreatora
{
    QStackedWidget *widok = nullptr;
    QWidget *start = nullptr;
    QWidget *wybor = nullptr;
    QWidget *operacja = nullptr;
    QWidget *przenoszenie = nullptr;
    QWidget *gotowe = nullptr;
};

QStackedWidget *widokStron(WizardWindow *okno)
{
    auto *strony = new QStackedWidget(okno);
    strony->setObjectName(QStringLiteral("tabView"));
    strony->setGeometry(30, 44, WizardResources::szerokoscOkna - 60, WizardResources::wysokoscOkna - 44 - 32);
    // Dark text on the white sheet, whatever the desktop's colours.
    QPalette paleta = strony->palette();
    paleta.setColor(QPalette::WindowText, Qt::black);
    paleta.setColor(QPalette::Text, Qt::black);
    strony->setPalette(paleta);
    return strony;
}

QWidget *stronaStartu(QStackedWidget *strony, const Teksty &teksty, PrzyciskiKreatora &przyciski)
{
    Strona start = strona(strony, QStringLiteral("startView"), teksty.tytulStartu, teksty.opisStartu);
    start.tresc->addStretch(1);
    przyciski.zakoncz = przycisk(start.widok, QStringLiteral("quitButton"), tr("Quit"));
    przyciski.dalej = przycisk(start.widok, QStringLiteral("continueButton"), tr("Continue"));
    start.pasek->addWidget(przyciski.zakoncz);
    start.pasek->addStretch(1);
    start.pasek->addWidget(przyciski.dalej);
    return start.widok;
}

QWidget *stronaWyboru(QStackedWidget *strony, const Teksty &teksty, WizardLocationViewsController *widokiLokalizacji,
                      PrzyciskiKreatora &przyciski)
{
    Strona wybor = strona(strony, QStringLiteral("chooseLocationView"), tr("Choose a location"), teksty.opisWyboru);
    if (!teksty.etykietaStarejLokalizacji.isEmpty()) {
        widokiLokalizacji->chooseLocationViewBasepath1Label =
            wierszSciezki(wybor, teksty.etykietaStarejLokalizacji, QStringLiteral("chooseLocationViewBasepath1Label"),
                          &przyciski.pokazStaraWWyborze, QStringLiteral("chooseLocationViewShowBasepath1Button"));
    }
    wybor.tresc->addStretch(1);
    przyciski.wsteczZWyboru = przycisk(wybor.widok, QStringLiteral("chooseLocationViewBackButton"), tr("Back"));
    przyciski.wybierz = przycisk(wybor.widok, QStringLiteral("chooseButton"), tr("Choose\u2026"));
    wybor.pasek->addWidget(przyciski.wsteczZWyboru);
    wybor.pasek->addStretch(1);
    wybor.pasek->addWidget(przyciski.wybierz);
    return wybor.widok;
}

QWidget *stronaOperacji(QStackedWidget *strony, const Teksty &teksty, WizardLocationViewsController *widokiLokalizacji,
                        PrzyciskiKreatora &przyciski)
{
    Strona operacja = strona(strony, QStringLiteral("operateView"), tr("Portfolio location"), QString());
    if (!teksty.etykietaStarejLokalizacji.isEmpty()) {
        widokiLokalizacji->operateViewBasepath1Label =
            wierszSciezki(operacja, teksty.etykietaStarejLokalizacji, QStringLiteral("operateViewBasepath1Label"),
                          &przyciski.pokazStaraWOperacji, QStringLiteral("operateViewShowBasepath1Button"));
    }
    widokiLokalizacji->operateViewBasepath2Label =
        wierszSciezki(operacja, teksty.etykietaNowejLokalizacji, QStringLiteral("operateViewBasepath2Label"),
                      &przyciski.pokazNowa, QStringLiteral("operateViewShowBasepath2Button"));
    widokiLokalizacji->operateViewMessageLabel =
        etykieta(operacja.tresc->parentWidget(), QStringLiteral("operateViewMessageLabel"), QString());
    operacja.tresc->addWidget(widokiLokalizacji->operateViewMessageLabel);
    operacja.tresc->addStretch(1);
    przyciski.wsteczZOperacji = przycisk(operacja.widok, QStringLiteral("operateViewBackButton"), tr("Back"));
    przyciski.zmien = przycisk(operacja.widok, QStringLiteral("changeLocationButton"), tr("Change Location\u2026"));
    przyciski.wykonaj = przycisk(operacja.widok, QStringLiteral("operateButton"), QString());
    przyciski.wykonaj->setMinimumWidth(150);
    widokiLokalizacji->operateButton = przyciski.wykonaj;
    operacja.pasek->addWidget(przyciski.wsteczZOperacji);
    operacja.pasek->addWidget(przyciski.zmien);
    operacja.pasek->addStretch(1);
    operacja.pasek->addWidget(przyciski.wykonaj);
    return operacja.widok;
}

QWidget *stronaMigracji(QStackedWidget *strony, WizardMigrationViewController *widokMigracji,
                        PrzyciskiKreatora &przyciski)
{
    Strona przenoszenie = strona(strony, QStringLiteral("migrationView"), tr("Moving your portfolio"), QString());
    QWidget *tresc = przenoszenie.tresc->parentWidget();
    widokMigracji->messageLabel = etykieta(tresc, QStringLiteral("messageLabel"), QString());
    auto *wskaznik = new QProgressBar(tresc);
    wskaznik->setObjectName(QStringLiteral("progressIndicator"));
    widokMigracji->progressIndicator = wskaznik;
    widokMigracji->progressLabel = etykieta(tresc, QStringLiteral("progressLabel"), QString(), 12);
    przenoszenie.tresc->addWidget(widokMigracji->messageLabel);
    przenoszenie.tresc->addWidget(wskaznik);
    przenoszenie.tresc->addWidget(widokMigracji->progressLabel);
    przenoszenie.tresc->addStretch(1);
    przyciski.anuluj = przycisk(przenoszenie.widok, QStringLiteral("cancelButton"), tr("Cancel"));
    przenoszenie.pasek->addStretch(1);
    przenoszenie.pasek->addWidget(przyciski.anuluj);
    return przenoszenie.widok;
}

QWidget *stronaGotowe(QStackedWidget *strony, PrzyciskiKreatora &przyciski)
{
    Strona gotowe = strona(strony, QStringLiteral("doneView"), tr("Your portfolio is ready"),
                           tr("Everything is in place. Tarrowind will now open your portfolio."));
    gotowe.tresc->addStretch(1);
    przyciski.zacznij = przycisk(gotowe.widok, QStringLiteral("startUsingButton"), tr("Start Using Tarrowind"));
    gotowe.pasek->addStretch(1);
    gotowe.pasek->addWidget(przyciski.zacznij);
    return gotowe.widok;
}

void ustawOutlety(SetupAndMigrationWizard *wlasciciel, SetupWizardService *serwis, WizardController *kontroler,
                  WizardLocationViewsController *widokiLokalizacji, WizardMigrationViewController *widokMigracji,
                  const StronyKreatora &strony, const PrzyciskiKreatora &przyciski)
{
    wlasciciel->setupWizardService = serwis;
    wlasciciel->wizardController = kontroler;
    kontroler->setWizard(wlasciciel);
    kontroler->tabView = strony.widok;
    kontroler->setupWizardService = serwis;
    kontroler->wizardLocationViewsController = widokiLokalizacji;
    kontroler->wizardMigrationViewController = widokMigracji;
    kontroler->startView = strony.start;
    kontroler->chooseLocationView = strony.wybor;
    kontroler->operateView = strony.operacja;
    kontroler->migrationView = strony.przenoszenie;
    kontroler->doneView = strony.gotowe;
    kontroler->cancelButton = przyciski.anuluj;
    kontroler->setView(strony.widok);
    widokiLokalizacji->wizardController = kontroler;
    widokiLokalizacji->setupWizardService = serwis;
}

void ustawAkcje(SetupAndMigrationWizard *wlasciciel, WizardController *kontroler,
                WizardLocationViewsController *widokiLokalizacji, bool migracja, const PrzyciskiKreatora &przyciski)
{
    AkcjaPrzycisku::ustaw(przyciski.zakoncz, Akcja::zamknijTarrowind, wlasciciel);
    AkcjaPrzycisku::ustaw(przyciski.dalej, Akcja::moveToChooseLocationView, kontroler);
    AkcjaPrzycisku::ustaw(przyciski.wsteczZWyboru, Akcja::backToStartView, kontroler);
    AkcjaPrzycisku::ustaw(przyciski.wybierz, Akcja::wybierzSciezkeDlaPortfolio, kontroler);
    AkcjaPrzycisku::ustaw(przyciski.wsteczZOperacji, Akcja::backToStartView, kontroler);
    AkcjaPrzycisku::ustaw(przyciski.zmien, Akcja::wybierzSciezkeDlaPortfolio, kontroler);
    AkcjaPrzycisku::ustaw(przyciski.wykonaj, Akcja::operateOnPortfolio, kontroler);
    AkcjaPrzycisku::ustaw(przyciski.anuluj, Akcja::cancelMigration, kontroler);
    AkcjaPrzycisku::ustaw(przyciski.zacznij, Akcja::zacznijUzywacTarrowind, kontroler);
    auto pokazStara = migracja ? &WizardLocationViewsController::pokazPortfolioWPiaskownicyWFinderze
                               : &WizardLocationViewsController::pokazSciezkeBazowa_1_1_WFinderze;
    for (QPushButton *pokaz : {przyciski.pokazStaraWWyborze, przyciski.pokazStaraWOperacji}) {
        if (pokaz)
            QObject::connect(pokaz, &QPushButton::clicked, widokiLokalizacji,
                             [widokiLokalizacji, pokaz, pokazStara] { (widokiLokalizacji->*pokazStara)(pokaz); });
    }
    auto pokazNowaLokalizacje = migracja ? &WizardLocationViewsController::pokazSciezkeCeluMigracjiWFinderze
                                         : &WizardLocationViewsController::pokazSciezkeDlaPortfolioWFinderze;
    QObject::connect(przyciski.pokazNowa, &QPushButton::clicked, widokiLokalizacji,
                     [widokiLokalizacji, pokazNowa = przyciski.pokazNowa, pokazNowaLokalizacje] {
                         (widokiLokalizacji->*pokazNowaLokalizacje)(pokazNowa);
                     });
}

// Return presses a page's forward button, Choose… on its page (the window sees to it), and the first
// focus goes to the page's main button, so that Space never quits from the start page.
void ustawGlownePrzyciski(WizardController *kontroler, const StronyKreatora &strony, const PrzyciskiKreatora &przyciski)
{
    for (QPushButton *domyslny : {przyciski.dalej, przyciski.wybierz, przyciski.wykonaj, przyciski.zacznij})
        domyslny->setDefault(true);
    const QHash<QWidget *, QPushButton *> glownePrzyciski = {{strony.start, przyciski.dalej},
                                                             {strony.wybor, przyciski.wybierz},
                                                             {strony.operacja, przyciski.wykonaj},
                                                             {strony.gotowe, przyciski.zacznij}};
    QStackedWidget *widok = strony.widok;
    const auto skupNaGlownym = [glownePrzyciski, widok] {
        if (QPushButton *glowny = glownePrzyciski.value(widok->currentWidget()))
            glowny->setFocus(Qt::OtherFocusReason);
    };
    QObject::connect(widok, &QStackedWidget::currentChanged, kontroler, [kontroler, widok, skupNaGlownym](int indeks) {
        kontroler->tabViewDidSelectTabViewItem(widok->widget(indeks));
        skupNaGlownym();
    });
    widok->setCurrentWidget(strony.start);
    skupNaGlownym();
}

} // namespace

bool WizardResources::zaladuj(const QString &nazwaZasobu, SetupAndMigrationWizard *wlasciciel)
{
    const Teksty teksty = tekstyZasobu(nazwaZasobu);
    if (teksty.przeplyw < 0)
        return false;

    auto *serwis = new SetupWizardService(wlasciciel);
    auto *kontroler = new WizardController(wlasciciel);
    auto *widokiLokalizacji = new WizardLocationViewsController(wlasciciel);
    auto *widokMigracji = new WizardMigrationViewController(wlasciciel);

    auto *okno = new WizardWindow;
    okno->setObjectName(nazwaZasobu);
    okno->setWindowTitle(QStringLiteral("Tarrowind"));
    okno->setFixedSize(szerokoscOkna, wysokoscOkna);
    wlasciciel->setWindow(okno);
    LancuchResponderow::ustawKontrolerOkna(okno, wlasciciel);

    PrzyciskiKreatora przyciski;
    StronyKreatora strony;
    strony.widok = widokStron(okno);
    strony.start = stronaStartu(strony.widok, teksty, przyciski);
    strony.wybor = stronaWyboru(strony.widok, teksty, widokiLokalizacji, przyciski);
    strony.operacja = stronaOperacji(strony.widok, teksty, widokiLokalizacji, przyciski);
    strony.przenoszenie = stronaMigracji(strony.widok, widokMigracji, przyciski);
    strony.gotowe = stronaGotowe(strony.widok, przyciski);

    ustawOutlety(wlasciciel, serwis, kontroler, widokiLokalizacji, widokMigracji, strony, przyciski);
    ustawAkcje(wlasciciel, kontroler, widokiLokalizacji,
               teksty.przeplyw == SetupAndMigrationWizard::MigrationWizardFlow, przyciski);
    widokMigracji->awakeFromNib();
    ustawGlownePrzyciski(kontroler, strony, przyciski);
    return true;
}
