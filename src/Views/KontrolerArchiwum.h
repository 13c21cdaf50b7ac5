#pragma once

#include "KontrolerNazwanegoWidoku.h"
#include "ZrodloPrzegladuListyFasolek.h"

#include <QPointer>

class Fasolka;
class KontrolerAkcjeNaElementach;
class KontrolerListyFasolek;
class KontrolerTablicy;
class ProxyArchiwum;
class QAbstractButton;
class QLineEdit;
class WidokDolnegoPaskaIkon;
class WidokTabeliFasolkiZarchiwizowane;

// The archive view of a portfolio tab: every flow archive as a header row over its archived beans,
// filtered by the search phrase. There is no scope and no rename in place; files dropped between
// rows go to the flow archive above. Two actions controllers take its commands: one for the
// selected rows, one with the archive as its item and the one selected row as the secondary item.
// With nothing selected, the preview shows the archive's folder.
class KontrolerArchiwum : public KontrolerNazwanegoWidoku, public ZrodloPrzegladuListyFasolek
{
    Q_OBJECT

public:
    explicit KontrolerArchiwum(QObject *rodzic = nullptr);
    ~KontrolerArchiwum() override;

    void ustawWidok() override;
    void odczytajUstawienia() override;
    void ustawWidokJakoPierwszyResponder() override;
    void walidujPrzyciskiAkcji() override;
    // The view enables nothing by itself: the selection's controller decides for every button.
    bool validateUserInterfaceItem(const ElementInterfejsu &element) override;

    ProxyArchiwum *proxyArchiwum() const { return m_proxy; }
    KontrolerTablicy *kontrolerTablicy() const;
    WidokTabeliFasolkiZarchiwizowane *widokTabeli() const { return m_widokTabeli; }
    QLineEdit *poleWyszukiwarki() const;
    WidokDolnegoPaskaIkon *widokDolnegoPaskaIkon() const;
    QAbstractButton *przyciskOtworzArchiwumWFinderze() const { return m_przyciskOtworzArchiwum; }
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaElementach() const { return m_kontrolerAkcjeNaElementach; }
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaArchiwum() const { return m_kontrolerAkcjeNaArchiwum; }

    // Focuses the search field.
    void przejdzDoWyszukiwarki(QObject *nadawca) override;
    // The archive's folder in the file manager.
    void otworzArchiwumWFinderze();
    // Makes the bean the list's whole selection.
    void zaznaczFasolke(Fasolka *fasolka);

protected:
    void loadView() override;

private:
    ProxyArchiwum *m_proxy;
    KontrolerAkcjeNaElementach *m_kontrolerAkcjeNaElementach;
    KontrolerAkcjeNaElementach *m_kontrolerAkcjeNaArchiwum;
    WidokTabeliFasolkiZarchiwizowane *m_widokTabeli = nullptr;
    KontrolerListyFasolek *m_lista = nullptr;
    QAbstractButton *m_przyciskOtworzArchiwum = nullptr;
};
