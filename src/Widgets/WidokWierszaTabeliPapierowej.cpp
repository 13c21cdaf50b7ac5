#include "WidokWierszaTabeliPapierowej.h"

#include "LiniaKreskowana.h"

#include "Widgets/ZieloneZaznaczenie.h"

#include "Platform/ObrazyAplikacji.h"
#include "Platform/ThreePartImage.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QAbstractItemView>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleOptionViewItem>

void WidokWierszaTabeliPapierowej::rysujWiersz(QPainter &malarz, const QAbstractItemView *tabela, const Wiersz &wiersz)
{
    drawBackgroundInRect(malarz, wiersz);
    if (wiersz.zaznaczony)
        rysujMazaneZaznaczenie(malarz, wiersz.ramka, czyAktywneZaznaczenie(tabela));
    // The pixels the separator is one of are those of the device painted on.
    if (wiersz.siatkaPozioma)
        rysujSeparator(malarz, wiersz.ramka, malarz.device() ? malarz.device()->devicePixelRatioF() : 0);
}

void WidokWierszaTabeliPapierowej::rysujRamkeCeluUpuszczenia(QPainter &malarz, const QRectF &ramka)
{
    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing);
    malarz.setPen(QPen(ZieloneZaznaczenie::alternateSelectedControlColor(), 2.0));
    malarz.setBrush(Qt::NoBrush);
    const QRectF wewnatrz = ramka.adjusted(2, 2, -2, -2);
    malarz.drawRoundedRect(wewnatrz, 5, 5);
    malarz.restore();
}

void WidokWierszaTabeliPapierowej::drawBackgroundInRect(QPainter &malarz, const Wiersz &wiersz)
{
    if (wiersz.kolorTla.isValid() && !wiersz.celUpuszczenia)
        malarz.fillRect(wiersz.ramka, wiersz.kolorTla);
}

void WidokWierszaTabeliPapierowej::rysujMazaneZaznaczenie(QPainter &malarz, const QRectF &ramka, bool aktywne)
{
    const QString zestaw = aktywne ? QStringLiteral("TabelaPapierowa-Zaznaczenie-")
                                   : QStringLiteral("TabelaPapierowa-ZaznaczenieNieaktywne-");
    ThreePartImage::draw(malarz, ramka, ObrazyAplikacji::obraz(zestaw + QStringLiteral("Lewe")),
                         ObrazyAplikacji::obraz(zestaw + QStringLiteral("Srodek")),
                         ObrazyAplikacji::obraz(zestaw + QStringLiteral("Prawe")), ThreePartImage::Kierunek::Poziomy);
}

void WidokWierszaTabeliPapierowej::rysujSeparator(QPainter &malarz, const QRectF &ramka, qreal skala)
{
    LiniaKreskowana::rysujSeparatorWierszaTabeliOd(malarz, ramka.bottomLeft(), ramka.width(), skala);
}

bool WidokWierszaTabeliPapierowej::czyAktywneZaznaczenie(const QAbstractItemView *tabela)
{
    if (!tabela)
        return false;
    QWidget *okno = tabela->window();
    return okno == WindowRegistry::instance().mainWindow() && czyWidokJestLancuchuResponderow(tabela);
}

bool WidokWierszaTabeliPapierowej::czyWidokJestLancuchuResponderow(const QWidget *widok)
{
    if (!widok)
        return false;
    QWidget *pierwszy = LancuchResponderow::pierwszyResponder(widok->window());
    return LancuchResponderow::lancuchOd(pierwszy).contains(const_cast<QWidget *>(widok));
}

void WidokWierszaTabeliPapierowej::bezPodswietlenia(QStyleOptionViewItem &opcja)
{
    opcja.state &= ~QStyle::State_Selected;
}
