#include "KomorkaNaglowkaTabeliPapierowej.h"

#include "LiniaKreskowana.h"
#include "NaglowekTabeliPapierowej.h"
#include "WidokPapierowy.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr qreal wciecieTytulu = 5.0;

QColor bielNaglowka(qreal jasnosc, qreal alfa = 1.0)
{
    return QColor::fromRgbF(jasnosc, jasnosc, jasnosc, alfa);
}

} // namespace

KomorkaNaglowkaTabeliPapierowej::KomorkaNaglowkaTabeliPapierowej(const QString &tytul)
    : m_tytul(tytul)
{
}

void KomorkaNaglowkaTabeliPapierowej::drawWithFrame(QPainter &malarz, const QRect &ramka, const QWidget *widok) const
{
    narysujGradient(malarz, ramka, StylZwykly);
    if (m_czyRysowacLinieNadNaglowkiem)
        LiniaKreskowana::rysujLinieNadNaglowkiemOd(malarz, QPointF(ramka.x(), ramka.y() + 1), ramka.width());
    narysujPrawySeparator(malarz, ramka, widok);
    drawInteriorWithFrame(malarz, ramka, widok);
}

void KomorkaNaglowkaTabeliPapierowej::highlightWithFrame(QPainter &malarz, const QRect &ramka,
                                                         const QWidget *widok) const
{
    narysujGradient(malarz, ramka, StylPodswietlony);
    narysujPrawySeparator(malarz, ramka, widok);
    drawInteriorWithFrame(malarz, ramka, widok);
}

void KomorkaNaglowkaTabeliPapierowej::narysujGradient(QPainter &malarz, const QRectF &ramka, int styl) const
{
    if (styl != StylZwykly && styl != StylPodswietlony)
        return;
    const qreal jasnosc = (styl == StylZwykly ? 1.0 : 0.93) - (m_stan ? 0.04 : 0.0);
    malarz.fillRect(ramka, bielNaglowka(jasnosc));
}

void KomorkaNaglowkaTabeliPapierowej::narysujPrawySeparator(QPainter &malarz, const QRect &ramka,
                                                            const QWidget *widok) const
{
    const auto *naglowek = qobject_cast<const NaglowekTabeliPapierowej *>(widok);
    if (!naglowek)
        return;
    const int kolumna = naglowek->logicalIndexAt(ramka.x());
    if (kolumna < 0)
        return;
    const int zaznaczona = naglowek->selectedColumn();
    const auto wyrozniona = [&](int k) {
        const KomorkaNaglowkaTabeliPapierowej *komorka = naglowek->komorka(k);
        return k == zaznaczona || (komorka && komorka->stan());
    };
    const int nastepna = naglowek->logicalIndexAt(ramka.x() + ramka.width());
    const bool pelny = wyrozniona(kolumna) || (nastepna >= 0 && nastepna != kolumna && wyrozniona(nastepna));

    // The cell's last column of pixels; from the second row down, or over the lower half.
    const int x = ramka.x() + ramka.width() - 1;
    const qreal dol = ramka.y() + ramka.height();
    const qreal srodek = dol / 2;
    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing, false);
    if (pelny) {
        malarz.fillRect(QRectF(x, 1, 1, dol - 1), bielNaglowka(0.9));
    } else {
        const QRectF pas(x, srodek, 1, srodek - 1);
        QLinearGradient przejscie(pas.topLeft(), pas.bottomLeft());
        przejscie.setColorAt(0, bielNaglowka(0.65, 0.0));
        przejscie.setColorAt(1, bielNaglowka(0.9));
        malarz.fillRect(pas, przejscie);
    }
    malarz.restore();
}

void KomorkaNaglowkaTabeliPapierowej::drawInteriorWithFrame(QPainter &malarz, const QRect &ramka,
                                                            const QWidget *widok) const
{
    if (m_tytul.isEmpty())
        return;
    qreal odstep = 0;
    if (const auto *naglowek = qobject_cast<const NaglowekTabeliPapierowej *>(widok)) {
        if (const auto *papier = dynamic_cast<const WidokPapierowy *>(naglowek->parentWidget()))
            odstep = papier->headerTitleBaselineVerticalOffset();
    }
    malarz.save();
    QFont czcionka = malarz.font();
    czcionka.setFamily(QStringLiteral("Sans Serif"));
    czcionka.setBold(true);
    czcionka.setPixelSize(11);
    malarz.setFont(czcionka);
    malarz.setPen(bielNaglowka(0.25));
    malarz.setClipRect(QRectF(ramka.x() + wciecieTytulu, ramka.y(), ramka.width() - 2 * wciecieTytulu, ramka.height()),
                       Qt::IntersectClip);
    malarz.drawText(QPointF(ramka.x() + wciecieTytulu, ramka.height() - odstep), m_tytul);
    malarz.restore();
}
