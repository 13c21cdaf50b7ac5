#include "PreferencesResources.h"

#include "ChangePortfolioLocationController.h"
#include "ChangePortfolioLocationPanel.h"
#include "PreferencesWindowController.h"
#include "SetupWizardService.h"
#include "WizardMigrationViewController.h"

#include "Platform/Ui/AkcjaPrzycisku.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Widgets/ElidingLabel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QString trPreferences(const char *tekst)
{
    return QCoreApplication::translate("PreferencesResources", tekst);
}

QPushButton *namedButton(QWidget *rodzic, const QString &nazwa, const QString &tytul)
{
    auto *przycisk = new QPushButton(tytul, rodzic);
    przycisk->setObjectName(nazwa);
    przycisk->setAutoDefault(false);
    return przycisk;
}

template <typename Etykieta>
Etykieta *namedLabel(QWidget *rodzic, const QString &nazwa, bool pogrubiona = false)
{
    auto *etykieta = new Etykieta(rodzic);
    etykieta->setObjectName(nazwa);
    if (pogrubiona) {
        QFont czcionka = etykieta->font();
        czcionka.setBold(true);
        etykieta->setFont(czcionka);
    }
    return etykieta;
}

// A tab of the sheet: its content above, its buttons in a row along the foot.
QWidget *tab(QStackedWidget *karty, const QString &nazwa, QVBoxLayout **tresc, QHBoxLayout **przyciski)
{
    auto *widok = new QWidget(karty);
    widok->setObjectName(nazwa);
    auto *uklad = new QVBoxLayout(widok);
    uklad->setContentsMargins(20, 18, 20, 14);
    uklad->setSpacing(10);
    *tresc = new QVBoxLayout;
    (*tresc)->setSpacing(8);
    uklad->addLayout(*tresc);
    uklad->addStretch(1);
    *przyciski = new QHBoxLayout;
    uklad->addLayout(*przyciski);
    karty->addWidget(widok);
    return widok;
}

void buildPreferencesWindow(PreferencesWindowController *wlasciciel, QWidget *okno)
{
    okno->setObjectName(QStringLiteral("PreferencesWindow"));
    okno->setWindowTitle(trPreferences("Preferences"));
    okno->resize(560, 130);
    auto *uklad = new QGridLayout(okno);
    uklad->setContentsMargins(20, 20, 20, 20);
    uklad->setHorizontalSpacing(10);
    uklad->addWidget(new QLabel(trPreferences("Portfolio location:"), okno), 0, 0);
    auto *pole = new QLineEdit(okno);
    pole->setObjectName(QStringLiteral("portfolioLocationLabel"));
    pole->setReadOnly(true);
    uklad->addWidget(pole, 0, 1);
    QPushButton *zmien =
        namedButton(okno, QStringLiteral("changePortfolioLocationButton"), trPreferences("Change\u2026"));
    uklad->addWidget(zmien, 0, 2);
    uklad->setRowStretch(1, 1);
    wlasciciel->portfolioLocationLabel = pole;
    AkcjaPrzycisku::ustaw(zmien, Akcja::openChangePortfolioLocationPanel, wlasciciel);
}

void buildChangeLocationTab(ChangePortfolioLocationController *kontroler, ChangePortfolioLocationPanel *panel)
{
    QVBoxLayout *tresc = nullptr;
    QHBoxLayout *przyciski = nullptr;
    panel->changeLocationTab = tab(panel->tabView, QStringLiteral("changeLocationTab"), &tresc, &przyciski);
    QWidget *karta = panel->changeLocationTab;

    auto *tytul = new QLabel(trPreferences("Change portfolio location"), karta);
    QFont czcionka = tytul->font();
    czcionka.setBold(true);
    tytul->setFont(czcionka);
    tresc->addWidget(tytul);
    auto *lokalizacje = new QGridLayout;
    lokalizacje->setColumnStretch(1, 1);
    lokalizacje->addWidget(new QLabel(trPreferences("Current location:"), karta), 0, 0);
    kontroler->currentPortfolioLocationLabel =
        namedLabel<ElidingLabel>(karta, QStringLiteral("currentPortfolioLocationLabel"));
    lokalizacje->addWidget(kontroler->currentPortfolioLocationLabel, 0, 1);
    lokalizacje->addWidget(new QLabel(trPreferences("New location:"), karta), 1, 0);
    kontroler->selectedPortfolioLocationLabel =
        namedLabel<ElidingLabel>(karta, QStringLiteral("selectedPortfolioLocationLabel"), true);
    lokalizacje->addWidget(kontroler->selectedPortfolioLocationLabel, 1, 1);
    QPushButton *inny =
        namedButton(karta, QStringLiteral("changePortfolioLocationButton"), trPreferences("Choose\u2026"));
    lokalizacje->addWidget(inny, 1, 2);
    tresc->addLayout(lokalizacje);
    kontroler->messageLabel = namedLabel<ElidingLabel>(karta, QStringLiteral("messageLabel"));
    tresc->addWidget(kontroler->messageLabel);
    auto *przenies = new QCheckBox(trPreferences("Move the current portfolio to the new location"), karta);
    przenies->setObjectName(QStringLiteral("shouldMigratePortfolioCheckbox"));
    kontroler->shouldMigratePortfolioCheckbox = przenies;
    tresc->addWidget(przenies);

    QPushButton *zamknij = namedButton(karta, QStringLiteral("closeButton"), trPreferences("Close"));
    auto *wykonaj = namedButton(karta, QStringLiteral("operateButton"), QString());
    wykonaj->setMinimumWidth(150);
    kontroler->operateButton = wykonaj;
    przyciski->addWidget(zamknij);
    przyciski->addStretch(1);
    przyciski->addWidget(wykonaj);

    AkcjaPrzycisku::ustaw(inny, Akcja::changePortfolioLocation, kontroler);
    AkcjaPrzycisku::ustaw(zamknij, Akcja::closeChangePortfolioLocationPanel, kontroler);
    AkcjaPrzycisku::ustaw(wykonaj, Akcja::makeOperationOnPortfolio, kontroler);
    QObject::connect(przenies, &QCheckBox::clicked, kontroler,
                     [kontroler](bool zaznaczone) { kontroler->setShouldMigratePortfolio(zaznaczone); });
}

void buildProgressTabs(ChangePortfolioLocationController *kontroler, ChangePortfolioLocationPanel *panel,
                       WizardMigrationViewController *widokMigracji)
{
    QVBoxLayout *tresc = nullptr;
    QHBoxLayout *przyciski = nullptr;

    panel->migrationTab = tab(panel->tabView, QStringLiteral("migrationTab"), &tresc, &przyciski);
    QWidget *migracja = panel->migrationTab;
    widokMigracji->messageLabel = namedLabel<QLabel>(migracja, QStringLiteral("migrationMessageLabel"));
    auto *wskaznik = new QProgressBar(migracja);
    wskaznik->setObjectName(QStringLiteral("progressIndicator"));
    widokMigracji->progressIndicator = wskaznik;
    widokMigracji->progressLabel = namedLabel<QLabel>(migracja, QStringLiteral("progressLabel"));
    tresc->addWidget(widokMigracji->messageLabel);
    tresc->addWidget(wskaznik);
    tresc->addWidget(widokMigracji->progressLabel);
    QPushButton *anuluj = namedButton(migracja, QStringLiteral("cancelButton"), trPreferences("Cancel"));
    kontroler->cancelButton = anuluj;
    przyciski->addStretch(1);
    przyciski->addWidget(anuluj);
    AkcjaPrzycisku::ustaw(anuluj, Akcja::cancelMigrationPortfolio, kontroler);

    panel->useOrCreateProgressTab = tab(panel->tabView, QStringLiteral("useOrCreateProgressTab"), &tresc, &przyciski);
    QWidget *postep = panel->useOrCreateProgressTab;
    tresc->addWidget(new QLabel(trPreferences("Setting up the portfolio, please wait\u2026"), postep));
    auto *nieokreslony = new QProgressBar(postep);
    nieokreslony->setObjectName(QStringLiteral("useOrCreateProgressIndicator"));
    nieokreslony->setTextVisible(false);
    nieokreslony->setRange(0, 1);
    panel->useOrCreateProgressIndicator = nieokreslony;
    tresc->addWidget(nieokreslony);

    panel->doneTab = tab(panel->tabView, QStringLiteral("doneTab"), &tresc, &przyciski);
    QWidget *gotowe = panel->doneTab;
    kontroler->resultLabel = namedLabel<QLabel>(gotowe, QStringLiteral("resultLabel"), true);
    kontroler->resultLabel->setWordWrap(true);
    tresc->addWidget(kontroler->resultLabel);
    QPushButton *zamknij = namedButton(gotowe, QStringLiteral("doneCloseButton"), trPreferences("Close"));
    przyciski->addStretch(1);
    przyciski->addWidget(zamknij);
    AkcjaPrzycisku::ustaw(zamknij, Akcja::closeChangePortfolioLocationPanel, kontroler);
}

} // namespace

void PreferencesResources::zaladuj(PreferencesWindowController *wlasciciel)
{
    auto *okno = new QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                          | Qt::WindowMinimizeButtonHint);
    wlasciciel->setWindow(okno);
    LancuchResponderow::ustawKontrolerOkna(okno, wlasciciel);
    buildPreferencesWindow(wlasciciel, okno);

    auto *panel = new ChangePortfolioLocationPanel(okno);
    panel->setObjectName(QStringLiteral("ChangePortfolioLocationPanel"));
    panel->setFixedWidth(520);
    auto *karty = new QStackedWidget(panel);
    karty->setObjectName(QStringLiteral("tabView"));
    auto *ukladPanelu = new QVBoxLayout(panel);
    ukladPanelu->setContentsMargins(0, 0, 0, 0);
    ukladPanelu->addWidget(karty);
    panel->tabView = karty;

    auto *serwis = new SetupWizardService(wlasciciel);
    auto *widokMigracji = new WizardMigrationViewController(wlasciciel);
    auto *kontroler = new ChangePortfolioLocationController(panel, wlasciciel);
    kontroler->setupWizardService = serwis;
    kontroler->wizardMigrationViewController = widokMigracji;
    kontroler->preferencesWindowController = wlasciciel;
    kontroler->setPreferencesWindow(okno);
    wlasciciel->changePortfolioLocationController = kontroler;
    LancuchResponderow::ustawKontrolerOkna(panel, kontroler);

    buildChangeLocationTab(kontroler, panel);
    buildProgressTabs(kontroler, panel, widokMigracji);
    widokMigracji->awakeFromNib();
    karty->setCurrentWidget(panel->changeLocationTab);
    QObject::connect(panel, &ChangePortfolioLocationPanel::sheetEnded, wlasciciel,
                     &PreferencesWindowController::sheetDidEnd);
}
