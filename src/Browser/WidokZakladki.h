#pragma once

#include "Browser/RysownikZarysuITlaKartyPrzegladarki.h"
#include "Browser/TabKit/TabView.h"

#include <cstdint>

// A tab's ear drawn as the top of its card: textured by the tab's kind, standing out of the
// selected tab's card when selected, behind its edge otherwise.
class WidokZakladki : public TabView
{
    Q_OBJECT

public:
    explicit WidokZakladki(TabContents *contents, QWidget *parent = nullptr);

    // The kind of this ear's tab: 0 while the tab is not in its browser's model, then kept.
    std::int32_t rodzajTejKarty();
    // The kind of the browser's active tab, asked afresh; 0 without one.
    std::int32_t rodzajWybranejKarty() const;
    bool czyZakladkaWybrana() const;

protected:
    void paintEar(QPainter &painter) override;
    int sideInset() const override;
    void changeEvent(QEvent *event) override;

private:
    RysownikZarysuITlaKartyPrzegladarki m_rysownik;
    std::int32_t m_rodzajTejKarty = 0;
};
