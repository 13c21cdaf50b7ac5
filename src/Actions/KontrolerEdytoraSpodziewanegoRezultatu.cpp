#include "KontrolerEdytoraSpodziewanegoRezultatu.h"

#include "AlertNiepowodzenia.h"
#include "EdytorSpodziewanegoRezultatu.h"
#include "PoleTekstoweEdytoraSpodziewanegoRezultatu.h"
#include "WidokZFokusemEdytora.h"

#include "Model/Fasolka.h"
#include "Platform/DelayedOperations.h"
#include "Platform/Konsola.h"
#include "Platform/Ui/SplitView.h"
#include "Platform/Ui/SplitViewDelegate.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Room for the focus ring around the text view; the expanded pane's extra height.
constexpr int marginesRamkiEdytora = 4;
constexpr int wysokoscPrzyciskuEdytora = 15;
constexpr int wielkoscCzcionkiPrzyciskow = 10;

QString opisRozmiaru(const QSize &rozmiar)
{
    return QStringLiteral("{%1, %2}").arg(rozmiar.width()).arg(rozmiar.height());
}

void ustawKolorTekstu(QWidget *widok, const QColor &kolor)
{
    QPalette paleta = widok->palette();
    paleta.setColor(QPalette::Text, kolor);
    widok->setPalette(paleta);
}

QToolButton *przyciskEdytora(const QString &tytul, const QString &nazwa)
{
    auto *przycisk = new QToolButton;
    przycisk->setObjectName(nazwa);
    przycisk->setText(tytul);
    przycisk->setFixedHeight(wysokoscPrzyciskuEdytora);
    QFont czcionka = przycisk->font();
    czcionka.setPixelSize(wielkoscCzcionkiPrzyciskow);
    przycisk->setFont(czcionka);
    przycisk->setAutoRaise(true);
    return przycisk;
}

} // namespace

// The pane keeps its height while the split view resizes, and moves only between its limits.
class KontrolerEdytoraSpodziewanegoRezultatu::DelegatPodzialu : public SplitViewDelegate
{
public:
    explicit DelegatPodzialu(KontrolerEdytoraSpodziewanegoRezultatu *kontroler)
        : m_kontroler(kontroler)
    {
    }

    qreal splitViewConstrainMinCoordinateOfSubviewAt(SplitView *, qreal, int) override
    {
        return minimalnaWysokoscWidokuZEdytorem;
    }
    qreal splitViewConstrainMaxCoordinateOfSubviewAt(SplitView *, qreal, int) override
    {
        return m_kontroler->maksymalnaWysokoscWidokuZEdytorem();
    }
    bool splitViewCanCollapseSubview(SplitView *, QWidget *) override { return false; }
    bool splitViewShouldAdjustSizeOfSubview(SplitView *, QWidget *podwidok) override
    {
        return podwidok != m_kontroler->m_widokZEdytorem;
    }
    bool splitViewShouldHideDividerAtIndex(SplitView *, int) override { return false; }
    void splitViewDidResizeSubviews(SplitView *) override { m_kontroler->zaktualizujPrzyciskRozwiniecia(); }

private:
    KontrolerEdytoraSpodziewanegoRezultatu *m_kontroler;
};

KontrolerEdytoraSpodziewanegoRezultatu::KontrolerEdytoraSpodziewanegoRezultatu(QObject *rodzic)
    : ViewController(rodzic)
    , m_poleTekstowe(std::make_unique<PoleTekstoweEdytoraSpodziewanegoRezultatu>())
    , m_delegatPodzialu(std::make_unique<DelegatPodzialu>(this))
{
    m_poleTekstowe->setObjectName(QStringLiteral("poleSpodziewanegoRezultatu"));
    addHandler(Akcja::wyswietlStanEdytora, [this](QObject *) { wyswietlStanEdytora(); });
}

KontrolerEdytoraSpodziewanegoRezultatu::~KontrolerEdytoraSpodziewanegoRezultatu() = default;

void KontrolerEdytoraSpodziewanegoRezultatu::loadView()
{
    auto *panel = new WidokZFokusemEdytora;
    panel->setObjectName(QStringLiteral("widokZEdytorem"));
    panel->setMinimumSize(0, 0);
    m_widokZEdytorem = panel;
    auto *uklad = new QHBoxLayout(panel);
    uklad->setContentsMargins(marginesRamkiEdytora, marginesRamkiEdytora, marginesRamkiEdytora, marginesRamkiEdytora);

    auto *edytor = new EdytorSpodziewanegoRezultatu;
    edytor->setObjectName(QStringLiteral("edytorSpodziewanegoRezultatu"));
    edytor->setKontrolerEdytoraSpodziewanegoRezultatu(this);
    edytor->setFrameShape(QFrame::NoFrame);
    edytor->setMinimumSize(0, 0);
    edytor->setReadOnly(true);
    edytor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edytor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ustawKolorTekstu(edytor, EdytorSpodziewanegoRezultatu::kolorTrybuPodgladu());
    m_edytor = edytor;
    panel->setWidokPrzewijany(edytor);
    uklad->addWidget(edytor, 1);

    auto *przyciski = new QHBoxLayout;
    przyciski->setSpacing(2);
    m_przyciskAnuluj = przyciskEdytora(tr("Cancel"), QStringLiteral("przyciskAnuluj"));
    m_przyciskAnuluj->hide();
    connect(m_przyciskAnuluj, &QToolButton::clicked, this, [this] { anulujEdycje(); });
    m_przyciskWlaczEdycjeLubZapisz = przyciskEdytora(tr("Edit"), QStringLiteral("przyciskWlaczEdycjeLubZapisz"));
    m_przyciskWlaczEdycjeLubZapisz->setCheckable(true);
    connect(m_przyciskWlaczEdycjeLubZapisz, &QToolButton::clicked, this, [this] { wlaczEdycjeLubZapisz(); });
    m_przyciskRozwin = przyciskEdytora(QString(), QStringLiteral("przyciskRozwin"));
    m_przyciskRozwin->setArrowType(Qt::DownArrow);
    connect(m_przyciskRozwin, &QToolButton::clicked, this, [this] { setCzyEdytorRozwiniety(!czyEdytorRozwiniety()); });
    connect(this, &KontrolerEdytoraSpodziewanegoRezultatu::czyEdytorRozwinietyChanged, m_przyciskRozwin,
            [this] { m_przyciskRozwin->setArrowType(czyEdytorRozwiniety() ? Qt::UpArrow : Qt::DownArrow); });
    przyciski->addWidget(m_przyciskAnuluj);
    przyciski->addWidget(m_przyciskWlaczEdycjeLubZapisz);
    przyciski->addWidget(m_przyciskRozwin);
    auto *kolumna = new QVBoxLayout;
    kolumna->addLayout(przyciski);
    kolumna->addStretch(1);
    uklad->addLayout(kolumna);

    setView(panel);
    wczytajTekst();
}

EdytorSpodziewanegoRezultatu *KontrolerEdytoraSpodziewanegoRezultatu::edytor()
{
    view();
    return m_edytor;
}

WidokZFokusemEdytora *KontrolerEdytoraSpodziewanegoRezultatu::widokZEdytorem()
{
    view();
    return m_widokZEdytorem;
}

QToolButton *KontrolerEdytoraSpodziewanegoRezultatu::przyciskWlaczEdycjeLubZapisz()
{
    view();
    return m_przyciskWlaczEdycjeLubZapisz;
}

QToolButton *KontrolerEdytoraSpodziewanegoRezultatu::przyciskAnuluj()
{
    view();
    return m_przyciskAnuluj;
}

void KontrolerEdytoraSpodziewanegoRezultatu::setWidokRozdzielony(SplitView *widok)
{
    m_widokRozdzielony = widok;
    if (widok)
        widok->setDelegate(m_delegatPodzialu.get());
}

Fasolka *KontrolerEdytoraSpodziewanegoRezultatu::fasolka() const
{
    return m_fasolka;
}

void KontrolerEdytoraSpodziewanegoRezultatu::setFasolka(Fasolka *fasolka)
{
    if (fasolka != m_fasolka && m_jestWTrybeEdycji) {
        // The typed text belongs to the bean it was typed for.
        zapiszPoUtracieFokusu(false);
        if (m_jestWTrybeEdycji)
            ustawTrybEdycji(false);
    }
    m_fasolka = fasolka;
    m_kontekstObserwacji = std::make_unique<QObject>();
    if (fasolka) {
        connect(fasolka, &Fasolka::spodziewanyRezultatChanged, m_kontekstObserwacji.get(), [this] { wczytajTekst(); });
    }
    wczytajTekst();
}

// While the text is edited only the field follows the stored text: the typed one stays.
void KontrolerEdytoraSpodziewanegoRezultatu::wczytajTekst()
{
    const QString tekst = m_fasolka ? m_fasolka->spodziewanyRezultat() : QString();
    m_poleTekstowe->setText(tekst);
    if (!m_edytor || m_jestWTrybeEdycji)
        return;
    m_edytor->setPlainText(tekst);
    ustawKolorTekstu(m_edytor, EdytorSpodziewanegoRezultatu::kolorTrybuPodgladu());
    m_edytor->setFont(EdytorSpodziewanegoRezultatu::czcionka());
}

void KontrolerEdytoraSpodziewanegoRezultatu::ustawTrybEdycji(bool wlaczony)
{
    m_jestWTrybeEdycji = wlaczony;
    m_przyciskWlaczEdycjeLubZapisz->setChecked(wlaczony);
    m_przyciskWlaczEdycjeLubZapisz->setAutoRaise(!wlaczony);
    m_przyciskWlaczEdycjeLubZapisz->setText(wlaczony ? tr("Save") : tr("Edit"));
    m_przyciskAnuluj->setVisible(wlaczony);
    m_edytor->setReadOnly(!wlaczony);
    ustawKolorTekstu(m_edytor, wlaczony ? EdytorSpodziewanegoRezultatu::kolorTrybuEdycji()
                                        : EdytorSpodziewanegoRezultatu::kolorTrybuPodgladu());
    m_widokZEdytorem->setCzyRysowacFokusEdytora(wlaczony);
    m_edytor->viewport()->update();
    emit jestWTrybeEdycjiChanged();
}

void KontrolerEdytoraSpodziewanegoRezultatu::rozpocznijEdycje()
{
    view();
    if (m_jestWTrybeEdycji)
        return;
    if (!czyEdytorRozwiniety())
        rozwinWidokZEdytorem(true);
    ustawTrybEdycji(true);
    m_edytor->moveCursor(QTextCursor::End);
    m_edytor->setFocus(Qt::OtherFocusReason);
}

bool KontrolerEdytoraSpodziewanegoRezultatu::zapisz()
{
    if (!m_jestWTrybeEdycji)
        return true;
    const bool zapisany = m_fasolka && m_fasolka->ustawSpodziewanyRezultat(m_edytor->tekst());
    if (zapisany) {
        ustawTrybEdycji(false);
    } else {
        m_przyciskWlaczEdycjeLubZapisz->setChecked(true);
        m_przyciskWlaczEdycjeLubZapisz->setAutoRaise(false);
    }
    return zapisany;
}

bool KontrolerEdytoraSpodziewanegoRezultatu::zapiszRezultat()
{
    const bool zapisany = zapisz();
    if (!zapisany)
        AlertNiepowodzenia::pokaz(tr("Could not save expected outcome."), nullptr,
                                  AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
    return zapisany;
}

void KontrolerEdytoraSpodziewanegoRezultatu::zapiszPoUtracieFokusu(bool odzyskajFokus)
{
    if (zapisz())
        return;
    // Not inside the focus change: the alert and the focus come back on the next turn.
    DelayedOperations::addOperationAfterDelayWithBlock(0, this, [this, odzyskajFokus] {
        AlertNiepowodzenia::pokaz(tr("Could not save expected outcome."), nullptr,
                                  AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
        if (odzyskajFokus && m_jestWTrybeEdycji && m_edytor)
            m_edytor->setFocus(Qt::OtherFocusReason);
    });
}

void KontrolerEdytoraSpodziewanegoRezultatu::wlaczEdycjeLubZapisz()
{
    if (m_jestWTrybeEdycji)
        zapiszRezultat();
    else
        rozpocznijEdycje();
}

void KontrolerEdytoraSpodziewanegoRezultatu::anulujEdycje()
{
    drukujLinie(QStringLiteral("Anuluję edycję."));
    ustawTrybEdycji(false);
    wczytajTekst();
}

void KontrolerEdytoraSpodziewanegoRezultatu::rozwinWidokZEdytorem(bool zPrzewijaczem)
{
    view();
    if (m_widokRozdzielony) {
        const qreal wysokosc =
            std::clamp(m_edytor->wysokoscTekstu() + 2 * marginesRamkiEdytora, minimalnaWysokoscWidokuZEdytorem,
                       std::max(minimalnaWysokoscWidokuZEdytorem, maksymalnaWysokoscWidokuZEdytorem()));
        m_widokRozdzielony->setPosition(wysokosc, 0);
        m_widokRozdzielony->adjustSubviews();
    }
    if (zPrzewijaczem) {
        m_edytor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        m_edytor->verticalScrollBar()->setValue(0);
    }
}

void KontrolerEdytoraSpodziewanegoRezultatu::zwinWidokZEdytorem(bool bezPrzewijacza)
{
    view();
    if (m_widokRozdzielony) {
        m_widokRozdzielony->setPosition(minimalnaWysokoscWidokuZEdytorem, 0);
        m_widokRozdzielony->adjustSubviews();
    }
    if (bezPrzewijacza) {
        m_edytor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_edytor->verticalScrollBar()->setValue(0);
    }
}

bool KontrolerEdytoraSpodziewanegoRezultatu::czyEdytorRozwiniety() const
{
    if (!m_edytor)
        return false;
    return m_edytor->height() >= std::floor(m_edytor->wysokoscTekstu())
           || (m_widokRozdzielony && m_widokZEdytorem->height() == qRound(maksymalnaWysokoscWidokuZEdytorem()));
}

void KontrolerEdytoraSpodziewanegoRezultatu::setCzyEdytorRozwiniety(bool rozwiniety)
{
    if (rozwiniety)
        rozwinWidokZEdytorem(true);
    else
        zwinWidokZEdytorem(true);
    emit czyEdytorRozwinietyChanged();
}

qreal KontrolerEdytoraSpodziewanegoRezultatu::maksymalnaWysokoscWidokuZEdytorem() const
{
    return m_widokRozdzielony ? qreal(std::lround(m_widokRozdzielony->height() / 2.0))
                              : minimalnaWysokoscWidokuZEdytorem;
}

void KontrolerEdytoraSpodziewanegoRezultatu::zaktualizujPrzyciskRozwiniecia()
{
    emit czyEdytorRozwinietyChanged();
}

void KontrolerEdytoraSpodziewanegoRezultatu::wyswietlStanEdytora() const
{
    if (!m_edytor)
        return;
    drukujLinie(QStringLiteral("\nStan edytora:"));
    drukujLinie(QStringLiteral("edytor.bounds.size = %1"), opisRozmiaru(m_edytor->size()));
    drukujLinie(QStringLiteral("edytor.minSize = %1"), opisRozmiaru(m_edytor->minimumSize()));
    drukujLinie(QStringLiteral("edytor.maxSize = %1"), opisRozmiaru(m_edytor->maximumSize()));
    drukujLinie(QString());
    drukujLinie(czyEdytorRozwiniety() ? QStringLiteral("Edytor rozwinięty.") : QStringLiteral("Edytor zwinięty."));
    drukujLinie(QString());
}
