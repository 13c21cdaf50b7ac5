#pragma once

#include "KontrolerRzeczyKatalogu.h"

#include "Browser/KontrolerBiezacegoWidokuSzczegolow.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/RzeczWBazieFasolek.h"

#include <QPointer>

#include <memory>

class KontrolerWidokuRozdzielonegoZPanelemPrawym;
class SplitView;

// A details view with a collapsible right panel holding a folder-contents outline: the flow view.
// The panel's width and visibility live in the portfolio tab's settings.
class KontrolerWidokuZPanelemRzeczy : public KontrolerBiezacegoWidokuSzczegolow
{
    Q_OBJECT

public:
    explicit KontrolerWidokuZPanelemRzeczy(QObject *rodzic = nullptr);
    ~KontrolerWidokuZPanelemRzeczy() override;

    KontrolerWidokuRozdzielonegoZPanelemPrawym *kontrolerWidokuRozdzielonegoZPanelemPrawym() const
    {
        return m_kontrolerWidokuRozdzielonego;
    }

    void ustawWidok() override;
    // Links the right panel to the tab and applies its stored width and visibility.
    void odczytajUstawienia() override;

protected:
    KontrolerRzeczyKatalogu *kontrolerRzeczyPanelu() const { return m_kontrolerRzeczy; }
    // Follows the flow now shown: a new name retitles the tab, and once it reports itself deleted
    // the tab forgets it. The panel's outline shows `katalog`.
    template <typename Rzecz>
    void sledz(Rzecz *rzecz, void (Rzecz::*usuniecieChanged)(), bool (Rzecz::*czyUsunieta)() const,
               BytKatalogu *katalog)
    {
        m_kontekstObserwacji = std::make_unique<QObject>();
        if (rzecz) {
            connect(rzecz, &RzeczWBazieFasolek::nazwaChanged, m_kontekstObserwacji.get(),
                    [this] { emit tytulZakladkiChanged(); });
            connect(rzecz, usuniecieChanged, m_kontekstObserwacji.get(), [this, rzecz, czyUsunieta] {
                if ((rzecz->*czyUsunieta)() && kontrolerKartyPortfolio())
                    kontrolerKartyPortfolio()->zamknijWidokZItem(ItemWidoku(rzecz));
            });
        }
        m_kontrolerRzeczy->setKatalog(katalog);
        emit tytulZakladkiChanged();
    }
    void loadView() override;
    // The left side of the split; an empty panel by default.
    virtual QWidget *zbudujWidokLewy();

private:
    KontrolerWidokuRozdzielonegoZPanelemPrawym *m_kontrolerWidokuRozdzielonego;
    KontrolerRzeczyKatalogu *m_kontrolerRzeczy;
    std::unique_ptr<QObject> m_kontekstObserwacji;
};
