#pragma once

#include <QTimer>
#include <QWidget>

class ListwaZakresu;
class QLineEdit;
class WidokListwyZakresu;

// The strip a list view places in its tab above the list: the scope bar, where the list has
// one, and the search field. The phrase follows the field a moment after the last
// keystroke, at once on Return or when the field is cleared.
class ListwaFiltra : public QWidget
{
    Q_OBJECT

public:
    static constexpr int najwezszePoleWyszukiwarki = 100;
    static constexpr int najszerszePoleWyszukiwarki = 200;

    // Without a bar (the archive) the strip holds the search field only.
    explicit ListwaFiltra(ListwaZakresu *listwa, QWidget *rodzic = nullptr);

    WidokListwyZakresu *widokListwyZakresu() const { return m_widokListwyZakresu; }
    QLineEdit *poleWyszukiwarki() const { return m_poleWyszukiwarki; }

    // Focuses the search field with its text selected.
    void przejdzDoWyszukiwarki();
    // Empties the field and the list's phrase at once.
    void wyczyscFraze();

signals:
    void frazaFiltraZmieniona(const QString &fraza);

private:
    void poEdycji(const QString &tekst);
    void podajFraze();

    WidokListwyZakresu *m_widokListwyZakresu = nullptr;
    QLineEdit *m_poleWyszukiwarki = nullptr;
    QTimer m_opoznienie;
};
