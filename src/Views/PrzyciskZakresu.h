#pragma once

#include <QPointer>
#include <QPushButton>

class QMenu;

// A scope button: a pressed one cannot be switched off by a click, and one with a menu opens
// it from its right 20 pixels, pressed or not.
class PrzyciskZakresu : public QPushButton
{
    Q_OBJECT

public:
    static constexpr int szerokoscStrefyMenu = 20;

    explicit PrzyciskZakresu(const QString &tytul = {}, QWidget *rodzic = nullptr);

    // Not owned. Not QPushButton's own menu, which would open on every press.
    QMenu *menuPrzycisku() const { return m_menu; }
    void setMenuPrzycisku(QMenu *menu) { m_menu = menu; }

protected:
    void mousePressEvent(QMouseEvent *zdarzenie) override;
    // The menu's zone shows an arrow, and the title keeps clear of it.
    void paintEvent(QPaintEvent *zdarzenie) override;
    QSize sizeHint() const override;

private:
    QPointer<QMenu> m_menu;
};
