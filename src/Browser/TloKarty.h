#pragma once

#include "Browser/RysownikZarysuITlaKartyPrzegladarki.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>

// The ground of a tab's contents: the window's wooden desk and on it the lower part of the tab's
// card, whose top edge the strip draws. The details view lies on the card, 12 points in from the
// left and the bottom, 11 from the right and flush with the top.
class TloKarty : public QWidget
{
    Q_OBJECT

public:
    explicit TloKarty(QWidget *rodzic = nullptr);

    // Set by the tab's controller once its widgets exist; 0 until then.
    std::int32_t rodzajKarty() const { return m_rodzajKarty; }
    void setRodzajKarty(std::int32_t rodzaj);

    QWidget *widokSzczegolow() const { return m_widokSzczegolow; }
    void setWidokSzczegolow(QWidget *widok) { m_widokSzczegolow = widok; }

    void awakeFromNib() { ustawWidokSzczegolow(); }
    // Lays the details view onto the card; it follows the card from then on.
    void ustawWidokSzczegolow();

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    RysownikZarysuITlaKartyPrzegladarki m_rysownik;
    QPointer<QWidget> m_widokSzczegolow;
    std::int32_t m_rodzajKarty = 0;
};
