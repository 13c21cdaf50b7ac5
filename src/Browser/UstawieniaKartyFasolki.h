#pragma once

#include <QString>

// The settings of bean tabs: the right panel's width and visibility. Each tab reads them once
// when its view is set up and writes every change through at once; open tabs do not re-read.
class UstawieniaKartyFasolki
{
public:
    UstawieniaKartyFasolki();

    // A width that is not a finite number above zero falls back to its default.
    void odczytajUstawieniaAplikacji();

    double szerokoscPanelaPrawego() const { return m_szerokoscPanelaPrawego; }
    void setSzerokoscPanelaPrawego(double szerokosc);
    bool czyWidocznyPanelPrawy() const { return m_czyWidocznyPanelPrawy; }
    void setCzyWidocznyPanelPrawy(bool widoczny);

private:
    // Members, not file-local: the portfolio tab's settings use the same names for their own keys.
    static const QString kluczSzerokoscPanelaPrawego;
    static const QString kluczCzyWidocznyPanelPrawy;
    static void zarejestrujDomyslne();

    double m_szerokoscPanelaPrawego = 0.0;
    bool m_czyWidocznyPanelPrawy = true;
};
