#include "KontrolerOknaOProgramie.h"

#include "GoogleAnalytics.h"

#include "Platform/BundleInfo.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/AkcjaPrzycisku.h"
#include "Platform/Ui/LancuchResponderow.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

KontrolerOknaOProgramie::KontrolerOknaOProgramie(QObject *rodzic)
    : Responder(rodzic)
{
    addHandler(Akcja::otworzWitryneTarrowind, [this](QObject *nadawca) { otworzWitryneTarrowind(nadawca); });
    zbudujOkno();
    windowDidLoad();
}

KontrolerOknaOProgramie::~KontrolerOknaOProgramie() = default;

void KontrolerOknaOProgramie::zbudujOkno()
{
    m_okno = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_okno->setObjectName(QStringLiteral("OknoOProgramie"));
    m_okno->setWindowTitle(tr("About Tarrowind"));
    m_okno->setFixedSize(360, 300);
    LancuchResponderow::ustawKontrolerOkna(m_okno.get(), this);

    auto *uklad = new QVBoxLayout(m_okno.get());
    uklad->setContentsMargins(24, 24, 24, 20);
    uklad->setSpacing(8);
    auto *ikona = new QLabel(m_okno.get());
    ikona->setPixmap(QPixmap::fromImage(ObrazyAplikacji::obraz(QStringLiteral("Tarrowind.icns")))
                         .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ikona->setAlignment(Qt::AlignCenter);
    uklad->addWidget(ikona);

    auto *nazwa = new QLabel(QStringLiteral("Tarrowind"), m_okno.get());
    QFont czcionka = nazwa->font();
    czcionka.setPixelSize(22);
    czcionka.setBold(true);
    nazwa->setFont(czcionka);
    nazwa->setAlignment(Qt::AlignCenter);
    uklad->addWidget(nazwa);

    poleWersja = new QLabel(m_okno.get());
    poleWersja->setObjectName(QStringLiteral("poleWersja"));
    poleWersja->setAlignment(Qt::AlignCenter);
    uklad->addWidget(poleWersja);
    poleKompilacja = new QLabel(tr("Your projects as beans, each flow a folder."), m_okno.get());
    poleKompilacja->setObjectName(QStringLiteral("poleKompilacja"));
    poleKompilacja->setAlignment(Qt::AlignCenter);
    uklad->addWidget(poleKompilacja);
    uklad->addStretch(1);

    auto *witryna = new QPushButton(tr("Tarrowind Website"), m_okno.get());
    witryna->setObjectName(QStringLiteral("witrynaButton"));
    witryna->setAutoDefault(false);
    uklad->addWidget(witryna, 0, Qt::AlignCenter);
    AkcjaPrzycisku::ustaw(witryna, Akcja::otworzWitryneTarrowind, this);

    // Dark text on the light paper, whatever the desktop's colours.
    QPalette paleta = m_okno->palette();
    paleta.setColor(QPalette::WindowText, Qt::black);
    m_okno->setPalette(paleta);
}

void KontrolerOknaOProgramie::windowDidLoad()
{
    QPalette paleta = m_okno->palette();
    paleta.setBrush(QPalette::Window,
                    QBrush(QPixmap::fromImage(ObrazyAplikacji::obraz(QStringLiteral("tarrowind-o-programie")))));
    m_okno->setPalette(paleta);
    m_okno->setAutoFillBackground(true);
    poleWersja->setText(tr("Version %1 (%2)")
                            .arg(infoValueForKey(QLatin1String(BundleInfo::shortVersionKey)),
                                 infoValueForKey(QLatin1String(BundleInfo::versionKey))));
}

QString KontrolerOknaOProgramie::infoValueForKey(const QString &klucz)
{
    return BundleInfo::infoValueForKey(klucz);
}

void KontrolerOknaOProgramie::showWindow()
{
    m_okno->setWindowState(m_okno->windowState() & ~Qt::WindowMinimized);
    m_okno->show();
    m_okno->raise();
    m_okno->activateWindow();
}

void KontrolerOknaOProgramie::otworzWitryneTarrowind(QObject *)
{
    QDesktopServices::openUrl(
        GoogleAnalytics::URLDlaGoogleAnalytics(QString(), QStringLiteral("window-about-website")));
}
