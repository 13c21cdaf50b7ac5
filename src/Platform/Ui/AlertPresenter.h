#pragma once

class Alert;
class QWidget;

// Shows alerts. The program uses message boxes; tests put a presenter of their own in place to
// script the answers.
class AlertPresenter
{
public:
    virtual ~AlertPresenter() = default;

    // Shows the alert and waits until a button is pressed; answers 1000 + its index. With a
    // window the alert is a sheet, modal for that window only; without, for the application.
    virtual int present(Alert &alert, QWidget *okno) = 0;

    static AlertPresenter &current();
    // Puts `presenter` in place (null: the message boxes) and answers the one it replaces, for
    // the caller to put back.
    static AlertPresenter *replace(AlertPresenter *presenter);
};
