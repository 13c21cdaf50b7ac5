#pragma once

#include "KontrolerWidokuZPanelemRzeczy.h"

#include <QPointer>

class Fasolka;

// The view of one bean in a portfolio tab. It follows its bean's name into the tab's title and
// asks the tab to forget the bean once the bean is deleted; the rest of the view is still to come.
class KontrolerWidokuFasolki : public KontrolerWidokuZPanelemRzeczy
{
    Q_OBJECT

public:
    explicit KontrolerWidokuFasolki(QObject *rodzic = nullptr);

    Fasolka *fasolka() const;
    void setFasolka(Fasolka *fasolka);

    // "Bean: …", or "no bean".
    QString tytulZakladki() const override;
    QIcon ikonaZakladki() const override;

    // The outline of the bean's folder.
    KontrolerRzeczyKatalogu *kontrolerRzeczyFasolki() const { return kontrolerRzeczyPanelu(); }

private:
    void fasolkaZmienilaUsuniecie();

    QPointer<Fasolka> m_fasolka;
};
