#pragma once

#include <QString>
#include <QStringList>

// A question or a message for the user, with buttons; shown by the current AlertPresenter.
// The answer is 1000 + the index of the pressed button, the first button added answering 1000.
class Alert
{
public:
    enum class AlertStyle { Warning = 0, Informational = 1, Critical = 2 };

    QString messageText() const { return m_tekst; }
    void setMessageText(const QString &tekst) { m_tekst = tekst; }
    QString informativeText() const { return m_tekstInformacyjny; }
    void setInformativeText(const QString &tekst) { m_tekstInformacyjny = tekst; }
    AlertStyle alertStyle() const { return m_styl; }
    void setAlertStyle(AlertStyle styl) { m_styl = styl; }

    void addButtonWithTitle(const QString &tytul) { m_przyciski.append(tytul); }
    // The button titles in order; an alert given none has one "OK" button.
    QStringList buttons() const;

    // The button that Escape presses: the one set, else a button titled "Cancel"; -1 for none.
    int escapeButton() const;
    void setEscapeButton(int indeks) { m_przyciskEscape = indeks; }

    bool showsSuppressionButton() const { return m_pokazujWyciszenie; }
    void setShowsSuppressionButton(bool pokazuj) { m_pokazujWyciszenie = pokazuj; }
    // Whether the suppression checkbox is ticked; the presenter updates it when the alert ends.
    bool suppressionButtonState() const { return m_wyciszenie; }
    void setSuppressionButtonState(bool zaznaczone) { m_wyciszenie = zaznaczone; }

    // Shows the alert modal for the whole application and waits for a button.
    int runModal();

    static constexpr int pierwszyPrzycisk = 1000;

private:
    QString m_tekst;
    QString m_tekstInformacyjny;
    AlertStyle m_styl = AlertStyle::Warning;
    QStringList m_przyciski;
    int m_przyciskEscape = -1;
    bool m_pokazujWyciszenie = false;
    bool m_wyciszenie = false;
};
