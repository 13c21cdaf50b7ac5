#pragma once

#include "Platform/Ui/InformacjaOPrzeciaganiu.h"

#include <QObject>
#include <QPointer>

#include <functional>

class BytSystemuPlikow;
class QWidget;

// Takes dropped files for a view: answers drag enter and move with the operation a drop at that
// place would carry out, and on a drop hands the files to a drop engine for the place's receiver.
// The view only says which model object a place stands for.
class AdapterZrzutuUrli : public QObject
{
    Q_OBJECT

public:
    // Lists, outlines and the navigation bar carry a drop out a moment after it; folder icons at once.
    enum class Wykonanie { PoChwili, OdRazu };
    // The receiver for a point of the widget that takes the drop (an item view's viewport).
    using OdbiorcaDlaMiejsca = std::function<QObject *(const QPoint &miejsce)>;
    // Runs once the drop is taken, before its files are saved or moved.
    using PoPrzyjeciu = std::function<void()>;
    // Receives the entities a successful drop made.
    using PoWykonaniu = std::function<void(const QList<BytSystemuPlikow *> &nowe)>;

    AdapterZrzutuUrli(QWidget *widok, Wykonanie wykonanie, OdbiorcaDlaMiejsca odbiorcaDlaMiejsca);

    // Hands the dropped files to a drop engine for `odbiorca`; YES when the engine has an
    // operation and at least one file, and so carries the drop out.
    static bool przyjmijZrzutDla(QObject *odbiorca, const InformacjaOPrzeciaganiu &informacja, QWidget *widok,
                                 Wykonanie wykonanie, const PoPrzyjeciu &poPrzyjeciu = {},
                                 const PoWykonaniu &poWykonaniu = {});

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;
    // The engine's answer; a view with refusals of its own adds them here.
    virtual Qt::DropAction operacjaDlaZrzutu(const InformacjaOPrzeciaganiu &informacja, QObject *odbiorca);
    // The widget the filter watches (an item view's viewport); compare events' objects with it, never
    // with the view's own answer, which fails while the view is torn down.
    QWidget *celZrzutu() const { return m_celZrzutu; }

private:
    void przyjmijZrzut(QDropEvent *zdarzenie);

    QPointer<QWidget> m_widok;
    QPointer<QWidget> m_celZrzutu;
    Wykonanie m_wykonanie;
    OdbiorcaDlaMiejsca m_odbiorcaDlaMiejsca;
};
