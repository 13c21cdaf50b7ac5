#include "LancuchResponderow.h"

#include "ElementInterfejsu.h"
#include "Responder.h"
#include "ViewController.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace {

struct JawnyNastepny
{
    QPointer<QObject> obiekt;
    // Set to nothing on purpose: the chain ends here. A next responder that died is not that.
    bool pusty = false;
};

QHash<const QObject *, JawnyNastepny> &jawneNastepne()
{
    static QHash<const QObject *, JawnyNastepny> tabela;
    return tabela;
}

QHash<const QWidget *, QPointer<ViewController>> &kontroleryWidokow()
{
    static QHash<const QWidget *, QPointer<ViewController>> tabela;
    return tabela;
}

QHash<const QWidget *, QPointer<Responder>> &kontroleryOkien()
{
    static QHash<const QWidget *, QPointer<Responder>> tabela;
    return tabela;
}

QPointer<Responder> &delegat()
{
    static QPointer<Responder> wartosc;
    return wartosc;
}

// Forgets the entry of a key when its object goes, so that a new object at the same address
// does not inherit it.
template <typename Klucz, typename Wartosc>
void zapomnijPrzyZniszczeniu(QHash<const Klucz *, Wartosc> &tabela, const Klucz *klucz)
{
    if (tabela.contains(klucz))
        return;
    QObject::connect(klucz, &QObject::destroyed, [&tabela, klucz] { tabela.remove(klucz); });
}

} // namespace

QObject *LancuchResponderow::nastepny(const QObject *responder)
{
    if (!responder)
        return nullptr;
    const auto jawny = jawneNastepne().constFind(responder);
    if (jawny != jawneNastepne().constEnd()) {
        if (jawny->pusty)
            return nullptr;
        if (jawny->obiekt)
            return jawny->obiekt;
    }
    return domyslnyNastepny(responder);
}

void LancuchResponderow::ustawNastepny(QObject *responder, QObject *nastepny)
{
    if (!responder)
        return;
    zapomnijPrzyZniszczeniu(jawneNastepne(), static_cast<const QObject *>(responder));
    jawneNastepne().insert(responder, JawnyNastepny{QPointer<QObject>(nastepny), nastepny == nullptr});
}

void LancuchResponderow::wstawDoLancuchaZaResponderem(QObject *wstawiany, QObject *poprzedni)
{
    if (!wstawiany || !poprzedni || wstawiany == poprzedni)
        return;
    QObject *dawnyNastepny = nastepny(poprzedni);
    if (dawnyNastepny == wstawiany)
        return;
    ustawNastepny(poprzedni, wstawiany);
    ustawNastepny(wstawiany, dawnyNastepny);
}

QList<QObject *> LancuchResponderow::lancuchOd(QObject *poczatek)
{
    QList<QObject *> lancuch;
    QSet<QObject *> odwiedzone;
    for (QObject *ogniwo = poczatek; ogniwo && !odwiedzone.contains(ogniwo); ogniwo = nastepny(ogniwo)) {
        odwiedzone.insert(ogniwo);
        lancuch.append(ogniwo);
    }
    return lancuch;
}

void LancuchResponderow::ustawKontrolerOkna(QWidget *okno, Responder *kontroler)
{
    if (!okno)
        return;
    zapomnijPrzyZniszczeniu(kontroleryOkien(), static_cast<const QWidget *>(okno));
    kontroleryOkien().insert(okno, kontroler);
}

Responder *LancuchResponderow::kontrolerOkna(const QWidget *okno)
{
    return kontroleryOkien().value(okno);
}

void LancuchResponderow::ustawDelegataAplikacji(Responder *nowyDelegat)
{
    delegat() = nowyDelegat;
}

Responder *LancuchResponderow::delegatAplikacji()
{
    return delegat();
}

QWidget *LancuchResponderow::pierwszyResponder(QWidget *okno)
{
    if (!okno)
        return nullptr;
    QWidget *glowne = okno->window();
    QWidget *fokus = glowne->focusWidget();
    return fokus ? fokus : glowne;
}

Responder *LancuchResponderow::targetForAction(Akcja akcja, QWidget *okno)
{
    if (!okno)
        okno = QApplication::activeWindow();
    QList<QObject *> lancuch = lancuchOd(pierwszyResponder(okno));
    if (delegat() && !lancuch.contains(delegat()))
        lancuch.append(delegat());
    for (QObject *ogniwo : lancuch) {
        auto *responder = qobject_cast<Responder *>(ogniwo);
        if (responder && responder->handlesAction(akcja))
            return responder;
    }
    return nullptr;
}

bool LancuchResponderow::sendAction(Akcja akcja, Responder *cel, QObject *nadawca, QWidget *okno)
{
    if (!cel)
        cel = targetForAction(akcja, okno);
    if (!cel || !cel->handlesAction(akcja))
        return false;
    cel->performAction(akcja, nadawca);
    return true;
}

bool LancuchResponderow::zwaliduj(const ElementInterfejsu &element, Responder *cel, QWidget *okno)
{
    if (!cel)
        cel = targetForAction(element.akcja(), okno);
    if (!cel || !cel->handlesAction(element.akcja()))
        return false;
    return cel->validateUserInterfaceItem(element);
}

void LancuchResponderow::ustawKontrolerWidoku(QWidget *widok, ViewController *kontroler)
{
    if (!widok)
        return;
    if (!kontroler) {
        kontroleryWidokow().remove(widok);
        return;
    }
    zapomnijPrzyZniszczeniu(kontroleryWidokow(), static_cast<const QWidget *>(widok));
    kontroleryWidokow().insert(widok, kontroler);
}

ViewController *LancuchResponderow::kontrolerWidoku(const QWidget *widok)
{
    return kontroleryWidokow().value(widok);
}

QObject *LancuchResponderow::domyslnyNastepny(const QObject *responder)
{
    if (const auto *widok = qobject_cast<const QWidget *>(responder))
        return nastepnyZaWidokiem(widok, true);
    if (const auto *kontroler = qobject_cast<const ViewController *>(responder)) {
        const QWidget *widok = kontroler->loadedView();
        return widok ? nastepnyZaWidokiem(widok, false) : nullptr;
    }
    const auto *jakoResponder = qobject_cast<const Responder *>(responder);
    if (jakoResponder && jakoResponder != delegat()) {
        for (auto okno = kontroleryOkien().cbegin(); okno != kontroleryOkien().cend(); ++okno) {
            if (okno.value() == jakoResponder)
                return delegat();
        }
    }
    return nullptr;
}

QObject *LancuchResponderow::nastepnyZaWidokiem(const QWidget *widok, bool zKontroleremWidoku)
{
    if (zKontroleremWidoku) {
        if (ViewController *kontroler = kontrolerWidoku(widok))
            return kontroler;
    }
    if (widok->isWindow()) {
        if (Responder *kontroler = kontrolerOkna(widok))
            return kontroler;
        return delegat();
    }
    return widok->parentWidget();
}
