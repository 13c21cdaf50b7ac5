#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

// The scope bar's filter: 1 In Work, 2 Incubation, 3 Active, 4 Waiting For, 5 Ready, 6 Inactive,
// 7 Done, 8 All.
using StatusPaskaZakresu = std::int32_t;

// The view settings of a portfolio tab. The tab reads the stored values once, at its set-up, and
// answers from memory afterwards; every setter writes through at once, so a tab opened later starts
// from what any tab stored last while open tabs keep their own. The row view type is never stored.
class UstawieniaKartyPortfolio : public QObject
{
    Q_OBJECT

public:
    static constexpr StatusPaskaZakresu statusWszystkie = 8;

    explicit UstawieniaKartyPortfolio(QObject *rodzic = nullptr);

    // A damaged value falls back: a width that is not a finite number above zero to its default,
    // a scope code outside 1 to 8 to All, a selected view that is not a text to "Main Flow".
    void odczytajUstawieniaAplikacji();

    QString wybranyWidok() const { return m_wybranyWidok; }
    void setWybranyWidok(const QString &nazwa);
    StatusPaskaZakresu statusPaskaZakresu() const { return m_statusPaskaZakresu; }
    void setStatusPaskaZakresu(StatusPaskaZakresu status);
    double szerokoscPanelaPrawego() const { return m_szerokoscPanelaPrawego; }
    void setSzerokoscPanelaPrawego(double szerokosc);
    bool czyWidocznyPanelPrawy() const { return m_czyWidocznyPanelPrawy; }
    void setCzyWidocznyPanelPrawy(bool widoczny);
    bool czyPodzialNaPotoki() const { return m_czyPodzialNaPotoki; }
    void setCzyPodzialNaPotoki(bool podzial);
    double szerokoscPaskaNawigacji() const { return m_szerokoscPaskaNawigacji; }
    void setSzerokoscPaskaNawigacji(double szerokosc);
    bool czyWidocznyPasekNawigacji() const { return m_czyWidocznyPasekNawigacji; }
    void setCzyWidocznyPasekNawigacji(bool widoczny);

    // The row view type of this tab's lists: 0 plain rows, 1 rows with details. Memory only.
    std::int32_t rowViewType() const { return m_rowViewType; }
    void setRowViewType(std::int32_t typ);

signals:
    void rowViewTypeChanged();

private:
    static void zarejestrujDomyslne();

    QString m_wybranyWidok;
    StatusPaskaZakresu m_statusPaskaZakresu = 0;
    double m_szerokoscPanelaPrawego = 0.0;
    bool m_czyWidocznyPanelPrawy = true;
    bool m_czyPodzialNaPotoki = true;
    double m_szerokoscPaskaNawigacji = 0.0;
    bool m_czyWidocznyPasekNawigacji = true;
    std::int32_t m_rowViewType = 0;
};
