#pragma once

#include <QString>
#include <QStringList>

// A question or a message for the user, with buttons; shown by the current AlertPresenter.
// The answer is 1000 + the index of the pressed button, the first button added answering 1000.
class Alert
{
public:
    enum class AlertStyle { Warning = 0, Informational = 1, Critical = 2 };

    QString messageText() const { return m_messageText; }
    void setMessageText(const QString &tekst) { m_messageText = tekst; }
    QString informativeText() const { return m_informativeText; }
    void setInformativeText(const QString &tekst) { m_informativeText = tekst; }
    AlertStyle alertStyle() const { return m_alertStyle; }
    void setAlertStyle(AlertStyle styl) { m_alertStyle = styl; }

    void addButtonWithTitle(const QString &tytul) { m_buttons.append(tytul); }
    // The button titles in order; an alert given none has one "OK" button.
    QStringList buttons() const;

    // The button that Escape presses: the one set, else a button titled "Cancel"; -1 for none.
    int escapeButton() const;
    void setEscapeButton(int indeks) { m_escapeButton = indeks; }

    bool showsSuppressionButton() const { return m_showsSuppressionButton; }
    void setShowsSuppressionButton(bool pokazuj) { m_showsSuppressionButton = pokazuj; }
    // Whether the suppression checkbox is ticked; the presenter updates it when the alert ends.
    bool suppressionButtonState() const { return m_suppressionButtonState; }
    void setSuppressionButtonState(bool zaznaczone) { m_suppressionButtonState = zaznaczone; }

    // Shows the alert modal for the whole application and waits for a button.
    int runModal();

    static constexpr int firstButton = 1000;

private:
    QString m_messageText;
    QString m_informativeText;
    AlertStyle m_alertStyle = AlertStyle::Warning;
    QStringList m_buttons;
    int m_escapeButton = -1;
    bool m_showsSuppressionButton = false;
    bool m_suppressionButtonState = false;
};
