#pragma once

#include "Platform/SoftShadow.h"

#include <QBrush>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>

class QPainter;
class QWidget;

// Draws the ears of the tab strip, the cards the tabs' contents lie on and the bean view's small
// card. Rectangles and paths are in the drawn view's coordinates turned upright: origin at its
// bottom-left corner, y upward; the drawing turns them over once, by the view's height. It keeps
// nothing between calls but the last shadow it blurred.
class RysownikZarysuITlaKartyPrzegladarki
{
public:
    // Which part of an outline a path builder answers: the left and right parts are only
    // stroked as highlights, the whole one is filled and stroked.
    static constexpr int odcinekLewy = 0;
    static constexpr int odcinekPrawy = 1;
    static constexpr int odcinekCaly = 2;
    // How far a tab ear's flank runs sideways, for each point of the ear's height.
    static constexpr qreal biegFlankiZakladki = 0.616;

    // The view's window is the active one or the main browser window; NO without a view.
    bool czyAktywneOknoWidoku(const QWidget *widok) const;
    // "KartonProjektu" for a bean tab, "ZieloneTloKartyPortfolio" for a portfolio tab, else none.
    QImage teksturaTlakarty(std::int32_t rodzajKarty, bool aktywneOkno) const;
    // The texture as a fill whose tiles start at the top-left corner of the view's window, so the
    // ears, the strip and the cards of one window join; no brush without a texture.
    QBrush ustawFazeTekstury(const QImage &tekstura, const QWidget *widok) const;

    QPainterPath sciezkaKartyWRamce(const QRectF &ramka, int odcinek) const;
    QPainterPath sciezkaCieniaGornegoKarty(const QRectF &ramka) const;
    QPainterPath sciezkaZakladkiWRamce(const QRectF &ramka, int odcinek) const;
    // The bean card's ear; whoever fills it clips to `ramka` first.
    QPainterPath sciezkaZakladkiKartyTlaWidokuFasolkiWRamce(const QRectF &ramka, int odcinek) const;

    QRectF ramkaWidokuSzczegolowWWidokuKarty(const QWidget *widok) const;
    // A card so low that only its top edge shows, 2.5 points above the strip's bottom.
    QRectF ramkaKartyDlaGoryKartyWWidoku(const QWidget *widok) const;
    // A card whose top edge lies above the view: only its sides and bottom show.
    QRectF ramkaKartyDlaDoluKartyWWidoku(const QWidget *widok) const;

    void rysujKarte(QPainter &malarz, std::int32_t rodzajKarty, const QRectF &ramka, const QWidget *widok);
    void rysujGoreKarty(QPainter &malarz, std::int32_t rodzajKarty, const QWidget *widok);
    void rysujDolKarty(QPainter &malarz, std::int32_t rodzajKarty, const QWidget *widok);
    // The ear of a tab of `rodzajKarty` in the view `widok`, whose bounds are the ear; an
    // unselected ear stands on the edge of the selected tab's card.
    void rysujZakladkeKarty(QPainter &malarz, std::int32_t rodzajKarty, const QWidget *widok,
                            std::int32_t rodzajWybranejKarty, bool wybrana);
    void rysujZakladkeKartyTlaWidokuFasolki(QPainter &malarz, const QWidget *widok, const QRectF &ramka);
    void rysujKarteTlaWidokuFasolki(QPainter &malarz, const QWidget *widok);

private:
    QPainterPath sciezkaUcha(const QRectF &ramka, int odcinek, qreal bieg, qreal pierwszy, qreal drugi) const;
    // Left part moved by (1, -1), right part by (-1, -1), both in the highlight colour; then the
    // whole outline in the outline colour.
    void rysujFazowanie(QPainter &malarz, const QTransform &odwrocenie, const QPainterPath &lewy,
                        const QPainterPath &prawy, const QPainterPath &caly) const;
    void rysujKrawedzieKarty(QPainter &malarz, std::int32_t rodzajKarty, const QRectF &karta,
                             const QTransform &odwrocenie) const;

    SoftShadow m_cien;
};
