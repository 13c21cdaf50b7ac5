#pragma once

#include "Platform/Ui/Alert.h"
#include "Platform/Ui/AlertPresenter.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

// Stands in for the message boxes while it lives: records every alert and answers from a
// script, 1000 (the first button) once the script runs out.
class NagrywarkaAlertow : public AlertPresenter
{
public:
    struct Wpis
    {
        Alert alert;
        QPointer<QWidget> okno;
        bool jakoArkusz = false;
        bool bramaPodniesiona = false;
    };

    explicit NagrywarkaAlertow(QList<int> odpowiedzi = {});
    ~NagrywarkaAlertow() override;

    void dodajOdpowiedz(int odpowiedz) { m_odpowiedzi.append(odpowiedz); }
    // Runs while the alert is up, before it answers.
    void podCzasAlertu(std::function<void(const Alert &)> czynnosc) { m_podCzasAlertu = std::move(czynnosc); }
    // Ticks the suppression checkbox of every alert that shows one.
    void zaznaczajWyciszenie(bool zaznaczaj) { m_zaznaczajWyciszenie = zaznaczaj; }
    const QList<Wpis> &wpisy() const { return m_wpisy; }

    int present(Alert &alert, QWidget *okno) override;

private:
    QList<int> m_odpowiedzi;
    QList<Wpis> m_wpisy;
    std::function<void(const Alert &)> m_podCzasAlertu;
    AlertPresenter *m_poprzedni = nullptr;
    bool m_zaznaczajWyciszenie = false;
};
