#include "PozycjaMenu.h"

#include "ElementInterfejsu.h"
#include "LancuchResponderow.h"
#include "Responder.h"

#include <QApplication>

namespace {

QList<PozycjaMenu *> &wszystkiePozycje()
{
    static QList<PozycjaMenu *> pozycje;
    return pozycje;
}

} // namespace

PozycjaMenu::PozycjaMenu(const QString &tytul, Akcja akcja, QObject *rodzic)
    : QAction(tytul, rodzic)
    , m_akcja(akcja)
{
    static const bool sledziFokus = [] {
        QObject::connect(qApp, &QApplication::focusChanged, [] { zwalidujPozycjeZeSkrotami(); });
        return true;
    }();
    Q_UNUSED(sledziFokus);
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
