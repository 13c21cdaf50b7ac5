#pragma once

#include <QLineEdit>

#include <optional>

class QAbstractItemView;

// The field in which a name is changed in place, in a row of a list. It remembers the text it
// had when the user began typing and puts it back when the edit is cancelled.
class FileNameChangerField : public QLineEdit
{
    Q_OBJECT

public:
    explicit FileNameChangerField(QWidget *rodzic = nullptr);

    // A value pushed from outside while the field is a row's open editor replaces the edit:
    // the edit is cancelled first, so what was typed is not committed over it.
    void setObjectValue(const QString &wartosc);
    void setObjectValueWithoutAbortEditing(const QString &wartosc);

    // Puts back the starting text when the user changed it and forgets it; whether the field
    // was a row's open editor.
    bool abortEditing();

    // The list whose row the field edits, or null.
    QAbstractItemView *widokTabeli() const;

protected:
    void keyPressEvent(QKeyEvent *zdarzenie) override;

private:
    std::optional<QString> m_startStringValue;
};
