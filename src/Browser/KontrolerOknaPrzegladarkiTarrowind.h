#pragma once

#include "Browser/TabKit/BrowserWindowController.h"

#include <QImage>
#include <QPointer>
#include <QRect>

#include <functional>

class QSize;

// The controller of one of the program's browser windows: no full screen, room right of the
// tabs, a wooden desk behind everything, sheets a little higher, and the window's one editor
// of expected outcomes.
class KontrolerOknaPrzegladarkiTarrowind : public BrowserWindowController
{
    Q_OBJECT

public:
    static constexpr int prawyMarginesPaskaZakladek = 15;
    // How much higher than proposed a sheet attaches.
    static constexpr int przesuniecieArkusza = 12;

    // The expected-outcome editor comes from a layer above the windows, which the application
    // hands in at start-up: which fields share the window's editor, and how one is made.
    struct DostawcaEdytoraPola
    {
        std::function<bool(const QObject *pole)> czyPoleWspolnegoEdytora;
        std::function<QWidget *(QWidget *okno)> nowyEdytor;
    };
    static void setDostawcaEdytoraPola(DostawcaEdytoraPola dostawca);

    // Creates the window for the browser (hidden) and configures it.
    explicit KontrolerOknaPrzegladarkiTarrowind(std::unique_ptr<Browser> browser);
    ~KontrolerOknaPrzegladarkiTarrowind() override;

    // The desk at the window's size, drawn when first asked for after the last request to draw it.
    QImage backgroundImage() const;
    void narysujDrewnianeTloOkna();

    // The desk of a window of `rozmiar`: the top edge tiled along the top, the body tiled below
    // it in rows that end where the top edge begins, the lowest row cut off at the bottom.
    static QImage drewnianeTlo(const QSize &rozmiar, const QImage &gora, const QImage &cialo);

    // Where a sheet goes: the proposed frame (the width of the window, on top of the tab
    // contents, in screen coordinates), raised.
    QRect windowWillPositionSheetUsingRect(QWidget *arkusz, const QRect &proponowana) const;
    QRect proponowanaRamkaArkusza() const;

    // The window's one expected-outcome editor for an expected-outcome field, made on the first
    // request; nullptr for any other object, which keeps its own editor.
    QWidget *windowWillReturnFieldEditorToObject(QObject *obiekt);

protected:
    void windowDidBecomeKey() override;
    void windowDidResignKey() override;
    void windowDidResize() override;
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    QPointer<QWidget> m_edytor;
    // Null until the next paint asks for it: a window resized and activated while it opens draws its desk once.
    mutable QImage m_backgroundImage;
};
