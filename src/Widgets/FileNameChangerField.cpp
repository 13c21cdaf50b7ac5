#include "FileNameChangerField.h"

#include "WidokZEdycjaWWierszach.h"

#include <QAbstractItemView>

FileNameChangerField::FileNameChangerField(QWidget *rodzic)
    : QLineEdit(rodzic)
{
}

void FileNameChangerField::setObjectValue(const QString &wartosc)
{
    if (QAbstractItemView *tabela = widokTabeli())
        WidokZEdycjaWWierszach::cancelOperation(tabela, this);
    setObjectValueWithoutAbortEditing(wartosc);
}

void FileNameChangerField::setObjectValueWithoutAbortEditing(const QString &wartosc)
{
    setText(wartosc);
}

bool FileNameChangerField::abortEditing()
{
    if (m_startStringValue && !m_startStringValue->isEmpty() && text() != *m_startStringValue)
        setObjectValueWithoutAbortEditing(*m_startStringValue);
    m_startStringValue.reset();
    return widokTabeli() != nullptr;
}

QAbstractItemView *FileNameChangerField::widokTabeli() const
{
    QWidget *obszar = parentWidget();
    auto *tabela = obszar ? qobject_cast<QAbstractItemView *>(obszar->parentWidget()) : nullptr;
    return tabela && tabela->viewport() == obszar ? tabela : nullptr;
}

void FileNameChangerField::keyPressEvent(QKeyEvent *zdarzenie)
{
    // The edit begins with the first key the field takes.
    if (!m_startStringValue)
        m_startStringValue = text();
    QLineEdit::keyPressEvent(zdarzenie);
}
