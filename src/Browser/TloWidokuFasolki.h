#pragma once

#include "Browser/RysownikZarysuITlaKartyPrzegladarki.h"

#include <QWidget>

// The ground of the bean view inside a portfolio tab: a small cardboard card under a soft
// shadow, with its own ear along the top.
class TloWidokuFasolki : public QWidget
{
    Q_OBJECT

public:
    explicit TloWidokuFasolki(QWidget *rodzic = nullptr);

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    RysownikZarysuITlaKartyPrzegladarki m_rysownik;
};
