#include "PozycjaMenu.h"

#include "ElementInterfejsu.h"
#include "LancuchResponderow.h"
#include "Responder.h"
#include "WalidacjaSkrotow.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace {

QList<PozycjaMenu *> &wszystkiePozycje()
{
    static QList<PozycjaMenu *> pozycje;
    return pozycje;
}

QIcon znakMieszany()
{
    constexpr int bok = 16;
    QPixmap obraz(bok, bok);
    obraz.fill(Qt::transparent);
    QPainter malarz(&obraz);
    malarz.fillRect(QRect(3, bok / 2 - 1, bok - 6, 2), QApplication::palette().color(QPalette::Text));
    return QIcon(obraz);
}

} // namespace

PozycjaMenu::PozycjaMenu(const QString &tytul, Akcja akcja, QObject *rodzic)
    : QAction(tytul, rodzic)
    , m_akcja(akcja)
{
    static const bool sledziFokusIKlawisze = [] {
        QObject::connect(qApp, &QApplication::focusChanged, [] {
            // The windows going with the application object move the focus too; nothing is acted on then.
            if (!QCoreApplication::closingDown())
                zwalidujPozycjeZeSkrotami();
        });
        WalidacjaSkrotow::zainstaluj();
        return true;
    }();
    Q_UNUSED(sledziFokusIKlawisze);
    wszystkiePozycje().append(this);
    connect(this, &QAction::triggered, this, &PozycjaMenu::wyslij);
}

PozycjaMenu::~PozycjaMenu()
{
    wszystkiePozycje().removeOne(this);
}

Responder *PozycjaMenu::cel() const
{
    return m_cel;
}

void PozycjaMenu::setCel(Responder *cel)
{
    m_cel = cel;
    m_maCel = cel != nullptr;
}

void PozycjaMenu::setStan(Stan stan)
{
    if (stan == Stan::Mieszany && m_stan != Stan::Mieszany)
        m_ikonaPrzedMieszanym = icon();
    else if (stan != Stan::Mieszany && m_stan == Stan::Mieszany)
        setIcon(m_ikonaPrzedMieszanym);
    m_stan = stan;
    setCheckable(true);
    setChecked(stan == Stan::Wlaczony);
    if (stan == Stan::Mieszany) {
        static const QIcon kreska = znakMieszany();
        setIcon(kreska);
    }
}

QMenu *PozycjaMenu::menuPozycji() const
{
    for (QObject *obiekt : associatedObjects()) {
        if (auto *menu = qobject_cast<QMenu *>(obiekt))
            return menu;
    }
    return nullptr;
}

Menu::Pochodzenie PozycjaMenu::pochodzenieMenu() const
{
    const QMenu *menu = menuPozycji();
    return menu ? Menu::pochodzenieMenu(menu) : Menu::Pochodzenie::Brak;
}

QWidget *PozycjaMenu::oknoPolecenia() const
{
    const QMenu *menu = menuPozycji();
    return menu ? Menu::oknoPoleceniaMenu(menu) : nullptr;
}

bool PozycjaMenu::zwaliduj()
{
    const bool celZniknal = m_maCel && !m_cel;
    const bool wlaczona = !celZniknal && LancuchResponderow::zwaliduj(ElementInterfejsu(this), m_cel, oknoPolecenia());
    setEnabled(wlaczona);
    return wlaczona;
}

void PozycjaMenu::zwalidujPozycjeZeSkrotami()
{
    // A copy: validation may create or delete items.
    const QList<PozycjaMenu *> pozycje = wszystkiePozycje();
    for (PozycjaMenu *pozycja : pozycje) {
        if (wszystkiePozycje().contains(pozycja) && !pozycja->shortcuts().isEmpty())
            pozycja->zwaliduj();
    }
}

void PozycjaMenu::wyslij()
{
    // Validated again: the state may have changed since the menu opened or the last revalidation.
    if (!zwaliduj())
        return;
    LancuchResponderow::sendAction(m_akcja, m_cel, this, oknoPolecenia());
}
