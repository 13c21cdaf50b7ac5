#pragma once

#include "Browser/RysownikZarysuITlaKartyPrzegladarki.h"
#include "Browser/TabKit/TabStripView.h"

#include <cstdint>

// The strip of the program's windows: the top edge of the selected tab's card along its
// bottom, under ears that overlap by their flanks. Like the kit's strip it takes only tabs.
class WidokPaskaZakladek : public TabStripView
{
    Q_OBJECT

public:
    explicit WidokPaskaZakladek(QWidget *parent = nullptr);

    // The kind of the window's active tab; 0 without one or for a tab of another class.
    std::int32_t rodzajWybranejKarty() const;

protected:
    TabView *createTabView(TabContents *contents) override;
    void paintStrip(QPainter &painter) override;
    int tabOverlap() const override;
    void changeEvent(QEvent *event) override;

private:
    RysownikZarysuITlaKartyPrzegladarki m_rysownik;
};
