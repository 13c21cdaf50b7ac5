#pragma once

#include "Browser/KontrolerOknaPrzegladarkiTarrowind.h"

#include <QPlainTextEdit>
#include <QPointer>

class KontrolerEdytoraSpodziewanegoRezultatu;
class QKeyEvent;

// The text view of an expected outcome, its own scroll view too. Return starts editing or saves,
// Escape cancels, Alt+Return breaks the line; a double-click in view mode edits. Without a
// controller (the field editor each browser window lends) it never edits.
class EdytorSpodziewanegoRezultatu : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit EdytorSpodziewanegoRezultatu(QWidget *rodzic = nullptr);

    KontrolerEdytoraSpodziewanegoRezultatu *kontrolerEdytoraSpodziewanegoRezultatu() const;
    void setKontrolerEdytoraSpodziewanegoRezultatu(KontrolerEdytoraSpodziewanegoRezultatu *kontroler);

    // Exactly what was typed: no-break spaces kept, paragraphs ended by "\n".
    QString tekst() const;
    // The height of the laid-out text with the frame.
    qreal wysokoscTekstu() const;
    // Fits the pane to the text.
    void zaktualizujWysokoscEdytora();

    static QColor kolorTrybuPodgladu();
    static QColor kolorTrybuEdycji();
    static QFont czcionka();
    // Modifier-only and unknown keys; the cursor keys have no text either but count as keys.
    static bool czyKlawiszBezZnakow(const QKeyEvent &zdarzenie);
    static bool czyReturnBezOpcji(const QKeyEvent &zdarzenie);

    // What the browser windows are given at start-up to lend this editor to the
    // expected-outcome fields.
    static KontrolerOknaPrzegladarkiTarrowind::DostawcaEdytoraPola dostawcaDlaOkien();

protected:
    void keyPressEvent(QKeyEvent *zdarzenie) override;
    void mouseDoubleClickEvent(QMouseEvent *zdarzenie) override;
    void focusOutEvent(QFocusEvent *zdarzenie) override;
    void hideEvent(QHideEvent *zdarzenie) override;
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    bool wTrybieEdycji() const;

    QPointer<KontrolerEdytoraSpodziewanegoRezultatu> m_kontroler;
};
