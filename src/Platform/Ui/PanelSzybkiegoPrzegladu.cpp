#include "PanelSzybkiegoPrzegladu.h"

#include "LancuchResponderow.h"
#include "PreviewPanelDataSource.h"
#include "WidokPodgladuPliku.h"
#include "WindowRegistry.h"

#include "Platform/PreviewItem.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QPointer<PanelSzybkiegoPrzegladu> &jedynyPanelSzybkiegoPrzegladu()
{
    static QPointer<PanelSzybkiegoPrzegladu> jedyny;
    return jedyny;
}

} // namespace

PanelSzybkiegoPrzegladu::PanelSzybkiegoPrzegladu()
    : QWidget(nullptr, Qt::Tool)
    , m_tytul(new QLabel(this))
    , m_podglad(new WidokPodgladuPliku(this))
    , m_poprzedni(new QToolButton(this))
    , m_pozycja(new QLabel(this))
    , m_nastepny(new QToolButton(this))
    , m_krokowanie(new QWidget(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    // A tool beside the browser windows: closing the last of them still ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QCoreApplication::translate("PanelSzybkiegoPrzegladu", "Quick Look"));
    m_tytul->setObjectName(QStringLiteral("tytulPodgladu"));
    m_tytul->setAlignment(Qt::AlignCenter);
    m_tytul->setTextFormat(Qt::PlainText);
    m_poprzedni->setArrowType(Qt::LeftArrow);
    m_nastepny->setArrowType(Qt::RightArrow);
    connect(m_poprzedni, &QToolButton::clicked, this, &PanelSzybkiegoPrzegladu::poprzedniElement);
    connect(m_nastepny, &QToolButton::clicked, this, &PanelSzybkiegoPrzegladu::nastepnyElement);
    auto *krokowanie = new QHBoxLayout(m_krokowanie);
    krokowanie->setContentsMargins(0, 0, 0, 0);
    krokowanie->addStretch();
    krokowanie->addWidget(m_poprzedni);
    krokowanie->addWidget(m_pozycja);
    krokowanie->addWidget(m_nastepny);
    krokowanie->addStretch();
    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(m_tytul);
    uklad->addWidget(m_podglad, 1);
    uklad->addWidget(m_krokowanie);
    resize(480, 360);
    // The source follows the focus while the panel shows.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (isVisible())
            reloadData();
    });
}

PanelSzybkiegoPrzegladu *PanelSzybkiegoPrzegladu::wspolny()
{
    if (!jedynyPanelSzybkiegoPrzegladu())
        jedynyPanelSzybkiegoPrzegladu() = new PanelSzybkiegoPrzegladu;
    return jedynyPanelSzybkiegoPrzegladu();
}

bool PanelSzybkiegoPrzegladu::istnieje()
{
    return !jedynyPanelSzybkiegoPrzegladu().isNull();
}

bool PanelSzybkiegoPrzegladu::widoczny()
{
    return istnieje() && wspolny()->isVisible();
}

void PanelSzybkiegoPrzegladu::pokazWspolny()
{
    if (!widoczny())
        wspolny()->pokaz();
}

void PanelSzybkiegoPrzegladu::ukryjWspolny()
{
    if (widoczny())
        wspolny()->ukryj();
}

void PanelSzybkiegoPrzegladu::przelaczWspolny()
{
    PanelSzybkiegoPrzegladu *panel = wspolny();
    if (panel->isVisible())
        panel->ukryj();
    else
        panel->pokaz();
}

void PanelSzybkiegoPrzegladu::pokaz()
{
    show();
    raise();
    reloadData();
}

void PanelSzybkiegoPrzegladu::ukryj()
{
    hide();
}

void PanelSzybkiegoPrzegladu::reloadData()
{
    znajdzZrodloDanych();
    PreviewPanelDataSource *zrodlo = zrodloDanych();
    m_liczbaElementow = zrodlo ? qMax(0, zrodlo->numberOfPreviewItemsInPreviewPanel(this)) : 0;
    m_biezacyIndeks = qBound(0, m_biezacyIndeks, qMax(0, m_liczbaElementow - 1));
    pokazBiezacyElement();
}

PreviewPanelDataSource *PanelSzybkiegoPrzegladu::zrodloDanych() const
{
    return m_zrodloObiekt ? m_zrodlo : nullptr;
}

void PanelSzybkiegoPrzegladu::poprzedniElement()
{
    if (m_biezacyIndeks > 0) {
        --m_biezacyIndeks;
        pokazBiezacyElement();
    }
}

void PanelSzybkiegoPrzegladu::nastepnyElement()
{
    if (m_biezacyIndeks + 1 < m_liczbaElementow) {
        ++m_biezacyIndeks;
        pokazBiezacyElement();
    }
}

void PanelSzybkiegoPrzegladu::znajdzZrodloDanych()
{
    QObject *noweObiekt = nullptr;
    PreviewPanelDataSource *nowe = nullptr;
    QWidget *okno = WindowRegistry::instance().mainWindow();
    for (QObject *ogniwo : LancuchResponderow::lancuchOd(LancuchResponderow::pierwszyResponder(okno))) {
        auto *zrodlo = dynamic_cast<PreviewPanelDataSource *>(ogniwo);
        if (zrodlo && zrodlo->acceptsPreviewPanelControl(this)) {
            noweObiekt = ogniwo;
            nowe = zrodlo;
            break;
        }
    }
    if (noweObiekt == m_zrodloObiekt && nowe == zrodloDanych())
        return;
    if (PreviewPanelDataSource *poprzednie = zrodloDanych())
        poprzednie->endPreviewPanelControl(this);
    m_zrodloObiekt = noweObiekt;
    m_zrodlo = nowe;
    m_biezacyIndeks = 0;
    if (nowe)
        nowe->beginPreviewPanelControl(this);
}

void PanelSzybkiegoPrzegladu::pokazBiezacyElement()
{
    PreviewPanelDataSource *zrodlo = zrodloDanych();
    PreviewItem *element = zrodlo && m_biezacyIndeks < m_liczbaElementow
                               ? zrodlo->previewPanelPreviewItemAtIndex(this, m_biezacyIndeks)
                               : nullptr;
    m_tytul->setText(element ? element->previewItemTitle() : QString());
    m_podglad->pokazPlik(element ? element->previewItemURL() : QString());
    m_krokowanie->setVisible(m_liczbaElementow > 1);
    m_pozycja->setText(QCoreApplication::translate("PanelSzybkiegoPrzegladu", "%1 of %2")
                           .arg(m_biezacyIndeks + 1)
                           .arg(m_liczbaElementow));
    m_poprzedni->setEnabled(m_biezacyIndeks > 0);
    m_nastepny->setEnabled(m_biezacyIndeks + 1 < m_liczbaElementow);
}
